// The skinned form at window level: the window region of each style, the maximised
// geometry and restore picture, the refusals, and giving the host its caption back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "skin/builtin_bitmaps.h"
#include "tests/frame/form_test_support.h"
#include "tests/support/message_box_watch.h"
#include "tests/support/window_message_counter.h"
#include "toolkit/panel.h"

namespace {

using WindowTest = SkinnedFormTest;

struct RegionCase {
  const char* description;
  TsuiUIStyle style;
  int bottom_radius;  // RoundCornerBottom set after the style; -2 leaves it as the style set it
  bool top_corners_cut;
  bool bottom_corners_cut;
};

std::ostream& operator<<(std::ostream& out, const RegionCase& c) { return out << c.description; }

const RegionCase kRegionCases[] = {
    {"MacOSWholeWindow", TsuiUIStyle::MacOS, -2, false, false},
    {"WinXPRoundTop", TsuiUIStyle::WinXP, -2, true, false},
    {"BlueGlassRoundTop", TsuiUIStyle::BlueGlass, -2, true, false},
    {"BottomMinusOneCountsAsSquare", TsuiUIStyle::WinXP, -1, true, false},
    {"BottomRadiusRoundsTheBottom", TsuiUIStyle::WinXP, 9, true, true},
};

class RegionTest : public SkinnedFormTest, public ::testing::WithParamInterface<RegionCase> {};

TEST_P(RegionTest, CornersFollowTheRadii) {
  const RegionCase& c = GetParam();
  form_->SetUIStyle(c.style);
  if (c.bottom_radius != -2) form_->SetRoundCornerBottom(c.bottom_radius);
  const HWND window = host_.Handle();
  const SIZE size = WindowSize(window);
  const int w = size.cx, h = size.cy;
  EXPECT_EQ(!InWindowRegion(window, 0, 0), c.top_corners_cut);
  EXPECT_EQ(!InWindowRegion(window, w - 1, 0), c.top_corners_cut);
  EXPECT_EQ(!InWindowRegion(window, 0, h - 1), c.bottom_corners_cut);
  EXPECT_EQ(!InWindowRegion(window, w - 1, h - 1), c.bottom_corners_cut);
  // Edges, the middle and the inner corners of each half stay in.
  for (const POINT p : {POINT{w / 2, 0}, POINT{0, h / 2}, POINT{w - 1, h / 2 - 1}, POINT{w / 2, h - 1},
                        POINT{w / 2, h / 2}, POINT{0, h / 2 - 1}, POINT{w - 1, h / 2}}) {
    EXPECT_TRUE(InWindowRegion(window, p.x, p.y)) << p.x << "," << p.y;
  }
  EXPECT_FALSE(InWindowRegion(window, w, h / 2));
}

INSTANTIATE_TEST_SUITE_P(Styles, RegionTest, ::testing::ValuesIn(kRegionCases),
                         [](const auto& info) { return std::string(info.param.description); });

TEST_F(WindowTest, TheWindowIsGivenEachShapeOnce) {
  form_->SetUIStyle(TsuiUIStyle::WinXP);
  Pump();
  WindowMessageCounter counted;
  form_->UpdateRegion();
  EXPECT_EQ(counted.PositionChangesOf(host_.Handle()), 0) << "the same shape was given again";
  form_->SetRoundCornerBottom(9);
  EXPECT_GT(counted.PositionChangesOf(host_.Handle()), 0) << "the new shape was not given";
  EXPECT_FALSE(InWindowRegion(host_.Handle(), 0, WindowSize(host_.Handle()).cy - 1));
}

TEST_F(WindowTest, RoundCornerFollowsTheStyleAndReadsZeroWithoutTitleBar) {
  form_->SetUIStyle(TsuiUIStyle::WinXP);
  EXPECT_EQ(form_->RoundCorner(), 13);
  EXPECT_EQ(form_->BorderWidth(), 3);
  EXPECT_EQ(form_->BorderColor(), 0xC82C00u);
  form_->SetUIStyle(TsuiUIStyle::BlueGlass);
  EXPECT_EQ(form_->RoundCorner(), 11);
  form_->SetTitleBarVisible(false);
  EXPECT_EQ(form_->RoundCorner(), 0);
  EXPECT_TRUE(InWindowRegion(host_.Handle(), 0, 0));
  form_->SetTitleBarVisible(true);
}

bool ShowsStripFrame(const Picture& picture, int frame) {
  Bitmap expected;
  GetBuiltInBitmap(TsuiUIStyle::MacOS, kTitleButtonsImage, &expected, frame, 18);
  if (!picture.HasImage() || picture.Graphic()->Width() != expected.Width()) return false;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      if (picture.Graphic()->Pixel(x, y) != expected.Pixel(x, y)) return false;
    }
  }
  return true;
}

const TsuiTitleBarButton& MaxButton(TsuiForm& form) {
  TsuiTitleBarButtons& buttons = *form.TitleBarButtons();
  for (int i = 0; i < buttons.Count(); ++i) {
    if (buttons.Item(i).ButtonType() == TsuiTitleBarBtnType::suiMax) return buttons.Item(i);
  }
  throw std::logic_error("no maximise button");
}

TEST_F(WindowTest, MaximisedWindowCoversTheWorkAreaAndShowsTheRestorePicture) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  ASSERT_TRUE(ShowsStripFrame(MaxButton(*form_).PicNormal(), 7));
  host_.SetWindowState(TWindowState::wsMaximized);
  Pump();
  RECT r;
  GetWindowRect(host_.Handle(), &r);
  EXPECT_EQ(r.left, work.left - 2);
  EXPECT_EQ(r.top, work.top - 2);
  EXPECT_EQ(r.right - r.left, work.right - work.left + 4);
  EXPECT_EQ(r.bottom - r.top, work.bottom - work.top + 1);
  EXPECT_TRUE(ShowsStripFrame(MaxButton(*form_).PicNormal(), 10));
  EXPECT_TRUE(ShowsStripFrame(MaxButton(*form_).PicMouseDown(), 12));
  host_.SetWindowState(TWindowState::wsNormal);
  Pump();
  EXPECT_TRUE(ShowsStripFrame(MaxButton(*form_).PicNormal(), 7));
}

TEST_F(WindowTest, RemovingTheFormGivesTheHostItsCaptionBack) {
  const RECT skinned = ClientInset(host_.Handle());
  delete form_;
  form_ = nullptr;
  Pump();
  EXPECT_NE(GetWindowLongA(host_.Handle(), GWL_STYLE) & WS_CAPTION, 0);
  const RECT plain = ClientInset(host_.Handle());
  EXPECT_GT(plain.top, skinned.top + 10);  // room for the system caption again
  EXPECT_EQ(SendMessageA(host_.Handle(), 0x26C3, 0, 0), 0) << "the hook is still in place";
  EXPECT_TRUE(InWindowRegion(host_.Handle(), 0, 0));
  // The host takes a new skinned form as readily as the first.
  form_ = new TsuiForm(&host_);
  EXPECT_EQ(GetWindowLongA(host_.Handle(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(SendMessageA(host_.Handle(), 0x26C3, 0, 0), 2);
}

TEST_F(WindowTest, SecondSkinnedFormOnTheSameHostStaysInert) {
  auto* second = new TsuiForm(&host_);
  EXPECT_EQ(second->HostForm(), nullptr);
  EXPECT_EQ(second->TitleBar(), nullptr);
  EXPECT_FALSE(second->TitleBarVisible());
  delete second;
  EXPECT_EQ(GetWindowLongA(host_.Handle(), GWL_STYLE) & WS_CAPTION, 0) << "the first form keeps the frame";
  EXPECT_EQ(SendMessageA(host_.Handle(), 0x26C3, 0, 0), 2);
}

TEST_F(WindowTest, ComponentThatIsNoFormMakesAnInertSkinnedForm) {
  TComponent owner(nullptr);
  TsuiForm inert(&owner);
  EXPECT_EQ(inert.HostForm(), nullptr);
  EXPECT_EQ(inert.MenuBarHeight(), 0);
  EXPECT_TRUE(inert.TitleBarDrawAppIcon());
  EXPECT_EQ(inert.Caption(), "");
}

TEST_F(WindowTest, FormPanelRefusesTheFormItselfAndFillsTheFormWithAPanel) {
  const SeenMessageBox seen = WatchMessageBox([&] { form_->SetFormPanel(form_); });
  EXPECT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "Sorry, you can't select the Form assign to FormPanel property");
  EXPECT_EQ(form_->FormPanel(), nullptr);

  auto* panel = new TPanel(&host_);
  panel->SetParent(form_);
  panel->SetCaption("inside");
  form_->SetFormPanel(panel);
  EXPECT_EQ(form_->FormPanel(), panel);
  EXPECT_EQ(panel->Align(), TAlign::alClient);
  EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvNone);
  EXPECT_EQ(panel->Caption(), "");
  delete panel;
  EXPECT_EQ(form_->FormPanel(), nullptr);
}

TEST_F(WindowTest, CaptionGoesToTheTitleBarAndTheHost) {
  form_->SetCaption("Tarnwick动态域名解析客户端");
  EXPECT_EQ(form_->TitleBar()->Caption(), "Tarnwick动态域名解析客户端");
  char text[64] = {};
  GetWindowTextA(host_.Handle(), text, sizeof text);
  EXPECT_EQ(std::string(text), "Tarnwick动态域名解析客户端");
}

TEST_F(WindowTest, ActivationReachesTheTitleBar) {
  SendMessageA(host_.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_FALSE(form_->TitleBar()->FormActive());
  SendMessageA(host_.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_TRUE(form_->TitleBar()->FormActive());
  EXPECT_EQ(SendMessageA(host_.Handle(), WM_NCACTIVATE, FALSE, 0), 1);
}

TEST_F(WindowTest, ShowingTheHostTakesItsSystemMenuBarAway) {
  TMainMenu menu(&host_);
  auto* item = new TMenuItem(&menu);
  item->SetCaption("&File");
  menu.Items().Add(item);
  host_.SetMenu(&menu);
  ASSERT_NE(GetMenu(host_.Handle()), nullptr);
  SendMessageA(host_.Handle(), WM_SHOWWINDOW, TRUE, 0);
  EXPECT_EQ(host_.Menu(), nullptr);
  EXPECT_EQ(GetMenu(host_.Handle()), nullptr);
}

TEST_F(WindowTest, RecreatedHostLosesItsCaptionAgain) {
  host_.RecreateWnd();
  Pump();
  EXPECT_EQ(GetWindowLongA(host_.Handle(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(ClientInset(host_.Handle()).top, 3);
}

}  // namespace
