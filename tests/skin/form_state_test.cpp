#include "skin/form_state.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "skin/menu_setup.h"
#include "toolkit/application.h"
#include "toolkit/panel.h"

namespace {

void Pump() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

enum class Asked { NoForm, MainForm, OtherForm };

struct ActiveCase {
  const char* description;
  bool has_main_form;
  bool main_is_mdi_frame;
  bool application_active;
  Asked asked;
  bool other_is_active_window;
  bool expected;
};

void PrintTo(const ActiveCase& c, std::ostream* os) { *os << c.description; }

class IsFormActiveTest : public ::testing::TestWithParam<ActiveCase> {
 protected:
  void TearDown() override {
    delete other_;
    delete main_;
    Application().SetActive(false);
  }

  TForm* main_ = nullptr;
  TForm* other_ = nullptr;
};

TEST_P(IsFormActiveTest, FollowsTheRules) {
  const ActiveCase& c = GetParam();
  if (c.has_main_form) {
    main_ = new TForm(nullptr);
    main_->SetBounds(10, 10, 200, 150);
    Application().AddForm(main_);
    main_->Show();
    if (c.main_is_mdi_frame) {
      CLIENTCREATESTRUCT client{nullptr, 0xFF00};
      ASSERT_NE(CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, main_->Handle(),
                                nullptr, GetModuleHandleA(nullptr), &client),
                nullptr);
    }
  }
  ASSERT_EQ(Application().MainForm(), main_);
  other_ = new TForm(nullptr);
  other_->SetBounds(250, 10, 200, 150);
  other_->Show();
  HWND active = c.other_is_active_window ? other_->Handle() : main_ ? main_->Handle() : nullptr;
  if (active) {
    SetForegroundWindow(active);
    SetActiveWindow(active);
  } else {
    SetActiveWindow(nullptr);
  }
  Pump();
  Application().SetActive(c.application_active);
  if (c.other_is_active_window) {
    ASSERT_EQ(GetActiveWindow(), other_->Handle());
  }

  TForm* asked = c.asked == Asked::MainForm ? main_ : c.asked == Asked::OtherForm ? other_ : nullptr;
  EXPECT_EQ(IsFormActive(asked), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, IsFormActiveTest, ::testing::Values(
    ActiveCase{"no_main_form_own_flag_set", false, false, true, Asked::OtherForm, true, true},
    ActiveCase{"no_main_form_own_flag_clear", false, false, true, Asked::OtherForm, false, false},
    ActiveCase{"no_main_form_no_form", false, false, true, Asked::NoForm, false, false},
    ActiveCase{"mdi_frame_itself_even_when_inactive", true, true, false, Asked::MainForm, false, true},
    ActiveCase{"application_inactive", true, false, false, Asked::MainForm, false, false},
    ActiveCase{"application_inactive_other_active_window", true, false, false, Asked::OtherForm, true, false},
    ActiveCase{"no_form_asked", true, false, true, Asked::NoForm, false, true},
    ActiveCase{"the_main_form", true, false, true, Asked::MainForm, false, true},
    ActiveCase{"other_form_active_window", true, false, true, Asked::OtherForm, true, true},
    ActiveCase{"other_form_not_active", true, false, true, Asked::OtherForm, false, false}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(GetWorkAreaTest, WithoutAMainFormItIsThePrimaryWorkArea) {
  ASSERT_EQ(Application().MainForm(), nullptr);
  RECT expected{};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &expected, 0));
  RECT area{-1, -1, -1, -1};
  GetWorkArea(area);
  EXPECT_EQ(area.left, expected.left);
  EXPECT_EQ(area.top, expected.top);
  EXPECT_EQ(area.right, expected.right);
  EXPECT_EQ(area.bottom, expected.bottom);
  EXPECT_GT(area.right - area.left, 0);
}

TEST(GetWorkAreaTest, WithAMainFormItIsTheWorkAreaOfItsMonitor) {
  auto* main = new TForm(nullptr);
  Application().AddForm(main);
  main->SetBounds(30, 30, 100, 100);
  main->Show();
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetMonitorInfoA(MonitorFromWindow(main->Handle(), MONITOR_DEFAULTTONEAREST), &info));
  RECT area{};
  GetWorkArea(area);
  EXPECT_EQ(area.right - area.left, info.rcWork.right - info.rcWork.left);
  EXPECT_EQ(area.bottom - area.top, info.rcWork.bottom - info.rcWork.top);
  delete main;
}

struct BoundsCase {
  const char* description;
  RECT rect;
  int left, top, width, height;
};

void PrintTo(const BoundsCase& c, std::ostream* os) { *os << c.description; }

class SetBoundsFromRectTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(SetBoundsFromRectTest, TakesWidthAndHeightFromTheExclusiveEdges) {
  const BoundsCase& c = GetParam();
  TPanel panel(nullptr);
  panel.SetBounds(1, 2, 3, 4);
  SetBoundsFromRect(panel, c.rect);
  EXPECT_EQ(panel.Left(), c.left);
  EXPECT_EQ(panel.Top(), c.top);
  EXPECT_EQ(panel.Width(), c.width);
  EXPECT_EQ(panel.Height(), c.height);
}

INSTANTIATE_TEST_SUITE_P(Rects, SetBoundsFromRectTest, ::testing::Values(
    BoundsCase{"plain", {10, 20, 110, 70}, 10, 20, 100, 50},
    BoundsCase{"negative_origin", {-30, -5, 10, 5}, -30, -5, 40, 10},
    BoundsCase{"inverted_becomes_empty", {50, 50, 40, 20}, 50, 50, 0, 0}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(CreateMenuFontTest, TakesTheSystemMenuFontAndMenuTextColour) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
  Font font;
  font.SetName("Courier New");
  font.SetHeight(-40);
  font.SetColor(clRed);
  CreateMenuFont(font);
  EXPECT_EQ(font.Name(), metrics.lfMenuFont.lfFaceName);
  EXPECT_EQ(font.Height(), metrics.lfMenuFont.lfHeight);
  EXPECT_EQ(font.Color(), clMenuText);
}

TEST(SetMenuOwnerDrawHandlersTest, ReachesEveryItemOfTheTreeAndNoOther) {
  TComponent owner(nullptr);
  auto make = [&](TMenuItem* parent) {
    auto* item = new TMenuItem(&owner);
    if (parent) parent->Add(item);
    return item;
  };
  TMenuItem* root = make(nullptr);
  TMenuItem* file = make(root);
  TMenuItem* open = make(file);
  TMenuItem* recent = make(file);
  TMenuItem* deep = make(recent);
  TMenuItem* help = make(root);
  TMenuItem* unrelated = make(nullptr);
  std::string measured;
  SetMenuOwnerDrawHandlers(
      *root,
      [&](TComponent* sender, Canvas&, int& width, int&) {
        width = 7;
        measured += sender == deep ? "deep;" : "item;";
      },
      [](TComponent*, Canvas&, RECT, bool) {});
  Canvas canvas;
  for (TMenuItem* item : {root, file, open, recent, deep, help}) {
    ASSERT_TRUE(item->OnMeasureItem) << "item " << item->MenuIndex();
    ASSERT_TRUE(item->OnDrawItem) << "item " << item->MenuIndex();
    int width = 0, height = 0;
    item->OnMeasureItem(item, canvas, width, height);
    EXPECT_EQ(width, 7);
  }
  EXPECT_EQ(measured, "item;item;item;item;deep;item;");
  EXPECT_FALSE(unrelated->OnMeasureItem);
  EXPECT_FALSE(unrelated->OnDrawItem);
}

}  // namespace
