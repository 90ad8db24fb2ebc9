// The gallery's pictures must show what its captions say: each state really reached by
// its messages, and nothing of the staging left on the form.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/popup_menu.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "tools/controlgallery/menu_drop_down.h"
#include "tools/controlgallery/state_shots.h"

namespace {

bool SamePicture(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}

const Bitmap& In(const std::vector<Shot>& shots, ControlState state) {
  for (const Shot& shot : shots) {
    if (shot.state == state) return shot.picture;
  }
  throw std::logic_error("state not shot");
}

class StateShotsTest : public ::testing::TestWithParam<TsuiUIStyle> {
 protected:
  static void SetUpTestSuite() {
    Application().Initialize();
    stage_ = new TForm(nullptr);
    stage_->SetBounds(40, 40, 300, 200);
    stage_->Show();
    SetForegroundWindow(stage_->Handle());
    Application().ProcessMessages();
  }
  static void TearDownTestSuite() {
    delete stage_;
    stage_ = nullptr;
  }
  Look StyleLook() const { return {"", GetParam(), nullptr}; }

  static inline TForm* stage_ = nullptr;
};

TEST_P(StateShotsTest, EveryStateOfTheButtonLooksItsOwn) {
  const LookShots shots = ShootControls(*stage_, StyleLook());
  const ControlState shown[] = {ControlState::Normal, ControlState::Hover, ControlState::Pressed,
                                ControlState::Focused, ControlState::Disabled};
  for (const ControlState a : shown) {
    ASSERT_FALSE(In(shots.button, a).Empty()) << StateName(a);
    for (const ControlState b : shown) {
      if (a >= b) continue;
      EXPECT_FALSE(SamePicture(In(shots.button, a), In(shots.button, b))) << StateName(a) << " / " << StateName(b);
    }
  }
  EXPECT_TRUE(In(shots.button, ControlState::Checked).Empty());
}

TEST_P(StateShotsTest, CheckBoxAndEditShowCheckFocusAndDisabling) {
  const LookShots shots = ShootControls(*stage_, StyleLook());
  const Bitmap& box = In(shots.check_box, ControlState::Normal);
  for (const ControlState state : {ControlState::Pressed, ControlState::Focused, ControlState::Checked,
                                   ControlState::Disabled}) {
    EXPECT_FALSE(SamePicture(box, In(shots.check_box, state))) << StateName(state);
  }
  const Bitmap& edit = In(shots.edit, ControlState::Normal);
  EXPECT_FALSE(SamePicture(edit, In(shots.edit, ControlState::Focused)));
  EXPECT_FALSE(SamePicture(edit, In(shots.edit, ControlState::Disabled)));
  EXPECT_TRUE(In(shots.edit, ControlState::Checked).Empty());
}

TEST_P(StateShotsTest, StagingLeavesNoControlCaptureOrFocusBehind) {
  const int controls = stage_->ControlCount();
  ShootControls(*stage_, StyleLook());
  Application().ProcessMessages();
  EXPECT_EQ(stage_->ControlCount(), controls);
  EXPECT_EQ(GetCapture(), nullptr);
  const HWND focus = GetFocus();
  EXPECT_TRUE(focus == nullptr || focus == stage_->Handle());
}

// The second item is drawn selected: it alone carries the selection colour.
TEST_P(StateShotsTest, DropDownDrawsTheHoveredItemSelected) {
  TsuiPopupMenu reference(nullptr);
  reference.SetUIStyle(GetParam());
  const Bitmap drop_down = DrawMenuDropDown(*stage_, StyleLook());
  ASSERT_FALSE(drop_down.Empty());
  const int x = drop_down.Width() - 4;
  const int item_height = reference.MenuItemHeight();
  const int first = 1 + item_height / 2;
  const int second = 1 + item_height + item_height / 2;
  EXPECT_NE(drop_down.Pixel(x, first), reference.SelectedColor());
  EXPECT_NE(drop_down.Pixel(x, first), drop_down.Pixel(x, second));
}

INSTANTIATE_TEST_SUITE_P(Styles, StateShotsTest,
                         ::testing::Values(TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                           TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass),
                         [](const auto& info) { return std::string(UIStyleIdentifier(info.param)); });

}  // namespace
