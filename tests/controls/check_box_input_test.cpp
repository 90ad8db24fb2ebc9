// Toggling the check box: by Checked and State, by mouse messages sent to its window, by
// keys and accelerators posted through the message loop (so the form's dialog-key
// handling sees them as it sees typing), and OnClick around a stored description.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "controls/check_box.h"
#include "tests/controls/shared_form.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"
#include "toolkit/panel.h"
#include "toolkit/published_properties.h"
#include "toolkit/standard_classes.h"

namespace {

class CheckBoxInputTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (TsuiCheckBox* box : boxes_) delete box;
  }

  // A box whose OnClick counts into clicks_ once it is set up.
  TsuiCheckBox* NewBox(const std::string& caption, bool checked = false) {
    auto* box = new TsuiCheckBox(&SharedForm());
    boxes_.push_back(box);
    box->SetParent(&SharedForm());
    box->SetBounds(20, 20 + 24 * static_cast<int>(boxes_.size()), 93, 17);
    box->SetCaption(caption);
    box->SetChecked(checked);
    box->OnClick = [this, box](TComponent* sender) {
      EXPECT_EQ(sender, box);
      clicks_.push_back(box->Checked());
    };
    return box;
  }

  std::vector<TsuiCheckBox*> boxes_;
  std::vector<bool> clicks_;  // Checked as OnClick saw it, one entry per event
};

struct StateCase {
  const char* description;
  bool initially_checked;
  std::function<void(TsuiCheckBox&)> change;
  bool expected_checked;
  TCheckBoxState expected_state;
  int expected_clicks;
};

void PrintTo(const StateCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxStateTest : public CheckBoxInputTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(CheckBoxStateTest, FiresOnClickOnlyForAChange) {
  const StateCase& c = GetParam();
  TsuiCheckBox* box = NewBox("Keep", c.initially_checked);
  c.change(*box);
  EXPECT_EQ(box->Checked(), c.expected_checked);
  EXPECT_EQ(box->State(), c.expected_state);
  ASSERT_EQ(static_cast<int>(clicks_.size()), c.expected_clicks);
  for (const bool seen : clicks_) EXPECT_EQ(seen, c.expected_checked) << "OnClick comes after the change";
}

INSTANTIATE_TEST_SUITE_P(Changes, CheckBoxStateTest, ::testing::Values(
    StateCase{"checked_to_the_same", true, [](TsuiCheckBox& b) { b.SetChecked(true); }, true,
              TCheckBoxState::cbChecked, 0},
    StateCase{"checked_to_the_other", false, [](TsuiCheckBox& b) { b.SetChecked(true); }, true,
              TCheckBoxState::cbChecked, 1},
    StateCase{"unchecked_by_code", true, [](TsuiCheckBox& b) { b.SetChecked(false); }, false,
              TCheckBoxState::cbUnchecked, 1},
    StateCase{"grayed_unchecks_a_checked_box", true, [](TsuiCheckBox& b) { b.SetState(TCheckBoxState::cbGrayed); },
              false, TCheckBoxState::cbUnchecked, 1},
    StateCase{"grayed_on_an_unchecked_box", false, [](TsuiCheckBox& b) { b.SetState(TCheckBoxState::cbGrayed); },
              false, TCheckBoxState::cbUnchecked, 0},
    StateCase{"state_checked", false, [](TsuiCheckBox& b) { b.SetState(TCheckBoxState::cbChecked); }, true,
              TCheckBoxState::cbChecked, 1},
    StateCase{"grayed_by_its_text", true, [](TsuiCheckBox& b) { SetPublishedProperty(b, "State", "cbGrayed"); },
              false, TCheckBoxState::cbUnchecked, 1},
    StateCase{"checked_by_its_text", false, [](TsuiCheckBox& b) { SetPublishedProperty(b, "Checked", "True"); },
              true, TCheckBoxState::cbChecked, 1}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(CheckBoxInputTest, StateReadsBackInItsTextForm) {
  TsuiCheckBox* box = NewBox("Keep", true);
  EXPECT_EQ(GetPublishedProperty(*box, "State"), "cbChecked");
  box->SetState(TCheckBoxState::cbGrayed);
  EXPECT_EQ(GetPublishedProperty(*box, "State"), "cbUnchecked");
}

struct MouseMessage {
  UINT msg;
  int x, y;
};

struct MouseCase {
  const char* description;
  std::vector<MouseMessage> messages;
  int expected_toggles;
};

void PrintTo(const MouseCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxMouseTest : public CheckBoxInputTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(CheckBoxMouseTest, ToggleOnEveryLeftButtonReleaseOverIt) {
  const MouseCase& c = GetParam();
  TsuiCheckBox* box = NewBox("Keep");
  for (const MouseMessage& m : c.messages) {
    const WPARAM buttons = m.msg == WM_LBUTTONDOWN ? MK_LBUTTON : m.msg == WM_RBUTTONDOWN ? MK_RBUTTON : 0;
    SendMessageA(box->Handle(), m.msg, buttons, MAKELPARAM(m.x, m.y));
  }
  EXPECT_EQ(static_cast<int>(clicks_.size()), c.expected_toggles);
  EXPECT_EQ(box->Checked(), c.expected_toggles % 2 == 1);
}

INSTANTIATE_TEST_SUITE_P(Buttons, CheckBoxMouseTest, ::testing::Values(
    MouseCase{"click", {{WM_LBUTTONDOWN, 5, 5}, {WM_LBUTTONUP, 5, 5}}, 1},
    // The system reports the second press of a double click as a press, for a window class
    // without double clicks.
    MouseCase{"double_click", {{WM_LBUTTONDOWN, 5, 5}, {WM_LBUTTONUP, 5, 5}, {WM_LBUTTONDOWN, 5, 5},
                               {WM_LBUTTONUP, 5, 5}}, 2},
    MouseCase{"released_outside", {{WM_LBUTTONDOWN, 5, 5}, {WM_LBUTTONUP, 200, 5}}, 0},
    MouseCase{"press_only", {{WM_LBUTTONDOWN, 5, 5}}, 0},
    MouseCase{"right_button", {{WM_RBUTTONDOWN, 5, 5}, {WM_RBUTTONUP, 5, 5}}, 0}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(CheckBoxInputTest, ItsWindowClassTakesNoDoubleClicks) {
  TsuiCheckBox* box = NewBox("Keep");
  EXPECT_EQ(GetClassLongA(box->Handle(), GCL_STYLE) & CS_DBLCLKS, 0u);
}

TEST_F(CheckBoxInputTest, PressingTheLeftButtonTakesTheFocus) {
  TsuiCheckBox* other = NewBox("Other");
  TsuiCheckBox* box = NewBox("Keep");
  other->SetFocus();
  ASSERT_TRUE(other->Focused());
  int downs = 0;
  box->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
    ++downs;
    EXPECT_FALSE(box->Focused()) << "the event comes first";
  };
  SendMessageA(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  EXPECT_EQ(downs, 1);
  EXPECT_TRUE(box->Focused());
  SendMessageA(box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

void PostKey(HWND window, UINT msg, WPARAM key) {
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  LPARAM lparam = 1 | (static_cast<LPARAM>(scan) << 16);
  if (msg == WM_KEYUP) lparam |= (1 << 30) | (1u << 31);
  PostMessageA(window, msg, key, lparam);
}

struct KeyCase {
  const char* description;
  WPARAM key;
  bool focused;
  int expected_toggles;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxKeyTest : public CheckBoxInputTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(CheckBoxKeyTest, TogglesWhenSpaceOrEnterIsReleased) {
  const KeyCase& c = GetParam();
  TsuiCheckBox* other = NewBox("Other");
  TsuiCheckBox* box = NewBox("Keep");
  (c.focused ? box : other)->SetFocus();
  PumpMessages();

  PostKey(box->Handle(), WM_KEYDOWN, c.key);
  PumpMessages();
  EXPECT_TRUE(clicks_.empty()) << "pressing alone changes nothing";
  EXPECT_FALSE(box->Checked());

  PostKey(box->Handle(), WM_KEYUP, c.key);
  PumpMessages();
  EXPECT_EQ(static_cast<int>(clicks_.size()), c.expected_toggles);
  EXPECT_EQ(box->Checked(), c.expected_toggles == 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, CheckBoxKeyTest, ::testing::Values(
    KeyCase{"space", VK_SPACE, true, 1},
    KeyCase{"enter", VK_RETURN, true, 1},
    KeyCase{"a_letter", 'K', true, 0},
    KeyCase{"space_without_the_focus", VK_SPACE, false, 0}),
    [](const auto& info) { return std::string(info.param.description); });

struct AcceleratorCase {
  const char* description;
  const char* caption;
  UINT msg;
  char character;
  bool enabled;
  int expected_toggles;
};

void PrintTo(const AcceleratorCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxAcceleratorTest : public CheckBoxInputTest, public ::testing::WithParamInterface<AcceleratorCase> {};

TEST_P(CheckBoxAcceleratorTest, TogglesAndTakesTheFocusForItsKey) {
  const AcceleratorCase& c = GetParam();
  TsuiCheckBox* other = NewBox("Other");
  TsuiCheckBox* box = NewBox(c.caption);
  box->SetEnabled(c.enabled);
  other->SetFocus();
  PumpMessages();

  PostMessageA(other->Handle(), c.msg, static_cast<unsigned char>(c.character), 1);
  PumpMessages();

  EXPECT_EQ(static_cast<int>(clicks_.size()), c.expected_toggles);
  EXPECT_EQ(box->Checked(), c.expected_toggles == 1);
  EXPECT_EQ(box->Focused(), c.expected_toggles == 1);
}

INSTANTIATE_TEST_SUITE_P(Characters, CheckBoxAcceleratorTest, ::testing::Values(
    AcceleratorCase{"typed_lower_case", "&Keep", WM_CHAR, 'k', true, 1},
    AcceleratorCase{"with_alt_upper_case", "&Keep", WM_SYSCHAR, 'K', true, 1},
    AcceleratorCase{"inside_a_chinese_caption", "\xB1\xA3\xB4\xE6(&S)", WM_SYSCHAR, 's', true, 1},
    AcceleratorCase{"another_letter", "&Keep", WM_CHAR, 'e', true, 0},
    AcceleratorCase{"a_literal_ampersand", "&&Keep", WM_CHAR, 'k', true, 0},
    AcceleratorCase{"disabled", "&Keep", WM_CHAR, 'k', false, 0}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(CheckBoxInputTest, TheAcceleratorAnswersOnlyForItsOwnKey) {
  TsuiCheckBox* box = NewBox("&Keep");
  EXPECT_EQ(box->Perform(CM_DIALOG_CHAR, 'x'), 0);
  EXPECT_EQ(box->Perform(CM_DIALOG_CHAR, 'k'), 1);
  EXPECT_TRUE(box->Checked());
}

// The main window's check box as its description stores it, with a handler bound
// before the values that would otherwise fire it.
constexpr const char* kStoredBox = R"(object Host1: TPanel
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object suiCheckBox1: TsuiCheckBox
    OnClick = suiCheckBox1Click
    Left = 190
    Top = 88
    Width = 45
    Height = 19
    UIStyle = WinXP
    AutoSize = True
    Caption = "\xB1\xA3\xB4\xE6"
    Checked = True
    Enabled = False
    State = cbChecked
    TabOrder = 2
    Transparent = True
  end
end
)";

TEST_F(CheckBoxInputTest, ReadingADescriptionFiresNoOnClick) {
  RegisterStandardClasses();
  RegisterCheckBoxClass();
  auto host = std::make_unique<TPanel>(&SharedForm());
  host->SetParent(&SharedForm());
  int clicks = 0;
  HandlerTable handlers;
  handlers.Add<TNotifyEvent>("suiCheckBox1Click", [&](TComponent*) { ++clicks; });

  ReadDescription(*host, kStoredBox, "stored.dfm", handlers);

  auto* box = dynamic_cast<TsuiCheckBox*>(host->FindComponent("suiCheckBox1"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(box->UIStyle(), TsuiUIStyle::WinXP);
  EXPECT_TRUE(box->Transparent());
  EXPECT_FALSE(box->Enabled());
  EXPECT_EQ(box->Caption(), "\xB1\xA3\xB4\xE6");

  box->SetChecked(false);
  EXPECT_EQ(clicks, 1) << "once loaded, a change fires";
}

}  // namespace
