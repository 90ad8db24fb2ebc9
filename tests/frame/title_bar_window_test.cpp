// The title bar driven by real mouse and keyboard messages on a plain form: hover and
// press pictures, each button's command, double click, drag to move, the window menu.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "frame/title_bar_popup_menu.h"
#include "skin/form_state.h"
#include "tests/frame/title_bar_test_support.h"
#include "toolkit/menu.h"

namespace {

// MacOS on a plain form: buttons 17 x 17 at top 4, the close button's left edge at W - 18,
// maximise at W - 36, minimise at W - 54; the control box (the icon) at 0 .. 17.
constexpr int kTop = 4;
POINT CloseCentre(TsuiTitleBar& bar) { return {bar.Width() - 18 + 8, kTop + 8}; }
POINT MaxCentre(TsuiTitleBar& bar) { return {bar.Width() - 36 + 8, kTop + 8}; }
POINT MinCentre(TsuiTitleBar& bar) { return {bar.Width() - 54 + 8, kTop + 8}; }
constexpr POINT kControlBoxCentre{8, kTop + 8};
constexpr POINT kEmptyArea{120, 10};

// A pop-up menu that opens while `open` runs: where it stood, which menu it showed and
// the state of each entry; it is closed again at once.
struct SeenMenu {
  bool found = false;
  RECT rect{};
  HMENU menu = nullptr;
  std::vector<bool> enabled;
};

SeenMenu g_seen_menu;
int g_menu_ticks = 0;

BOOL CALLBACK ReadMenuWindow(HWND window, LPARAM) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32768" || !IsWindowVisible(window)) return TRUE;
  g_seen_menu.found = true;
  GetWindowRect(window, &g_seen_menu.rect);
  g_seen_menu.menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
  for (int i = 0; i < GetMenuItemCount(g_seen_menu.menu); ++i) {
    g_seen_menu.enabled.push_back((GetMenuState(g_seen_menu.menu, i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0);
  }
  return FALSE;
}

void CALLBACK LookForMenu(HWND, UINT, UINT_PTR id, DWORD) {
  EnumWindows(ReadMenuWindow, 0);
  if (g_seen_menu.found || ++g_menu_ticks > 40) {
    KillTimer(nullptr, id);
    EndMenu();
  }
}

SeenMenu WatchMenu(const std::function<void()>& open) {
  g_seen_menu = SeenMenu{};
  g_menu_ticks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, LookForMenu);
  open();
  KillTimer(nullptr, timer);
  return g_seen_menu;
}

class TitleBarWindowTest : public TitleBarTest {
 protected:
  void TearDown() override {
    form_.OnCloseQuery = nullptr;
    TitleBarTest::TearDown();
  }
  static bool SameFrame(const Picture& picture, int frame) {
    const Bitmap expected = StripFrame(TsuiUIStyle::MacOS, frame);
    return picture.HasImage() && ShowsFrame(*picture.Graphic(), 0, 0, expected, false);
  }
  RECT WindowRect() {
    RECT r;
    GetWindowRect(form_.Handle(), &r);
    return r;
  }
  bool Zoomed() { return IsZoomed(form_.Handle()) != FALSE; }
};

// ---- Hover and press ----

TEST_F(TitleBarWindowTest, TheButtonUnderTheMouseShowsItsHoverAndPressedPictures) {
  const int close_left = bar_->Width() - 18;
  HoverAt(*bar_, CloseCentre(*bar_));
  EXPECT_TRUE(ShowsFrame(Snapshot(*bar_), close_left, kTop, StripFrame(TsuiUIStyle::MacOS, 17), false));
  EXPECT_TRUE(ShowsFrame(Snapshot(*bar_), close_left - 18, kTop, StripFrame(TsuiUIStyle::MacOS, 7), false));
  SendMessageA(bar_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(CloseCentre(*bar_)));
  EXPECT_TRUE(ShowsFrame(Snapshot(*bar_), close_left, kTop, StripFrame(TsuiUIStyle::MacOS, 18), false));
  // Leaving before the release does nothing.
  HoverAt(*bar_, kEmptyArea);
  SendMessageA(bar_->Handle(), WM_LBUTTONUP, 0, At(kEmptyArea));
  Pump();
  EXPECT_TRUE(IsWindowVisible(form_.Handle()));
  EXPECT_TRUE(ShowsFrame(Snapshot(*bar_), close_left, kTop, StripFrame(TsuiUIStyle::MacOS, 16), false));
}

// ---- Each button's command ----

TEST_F(TitleBarWindowTest, CloseHidesTheWindow) {
  bool asked = false;
  form_.OnCloseQuery = [&](TComponent*, bool& can_close) {
    asked = true;
    can_close = true;
  };
  ClickAt(*bar_, CloseCentre(*bar_));
  Pump();
  form_.OnCloseQuery = nullptr;
  EXPECT_TRUE(asked) << "the normal close sequence runs";
  EXPECT_FALSE(IsWindowVisible(form_.Handle()));
}

TEST_F(TitleBarWindowTest, MinimiseMinimisesASecondaryWindowOnItsOwn) {
  bool asked = false;
  bar_->OnMinClick = [&](TComponent* sender, bool& allow) {
    asked = sender == bar_ && allow;
  };
  ClickAt(*bar_, MinCentre(*bar_));
  Pump();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(IsIconic(form_.Handle()));
}

TEST_F(TitleBarWindowTest, MaximiseCoversTheWorkAreaAndShowsTheRestorePicture) {
  bool asked = false;
  bar_->OnMaxClick = [&](TComponent* sender, bool& allow) { asked = sender == bar_ && allow; };
  ClickAt(*bar_, MaxCentre(*bar_));
  Pump();
  EXPECT_TRUE(asked);
  ASSERT_TRUE(Zoomed());
  RECT area;
  GetWorkArea(area);
  const RECT r = WindowRect();
  EXPECT_EQ(r.left, area.left - 2);
  EXPECT_EQ(r.top, area.top - 2);
  EXPECT_EQ(r.right, area.right + 2);
  EXPECT_EQ(r.bottom, area.bottom - 1);
  MoveCursorAway();
  EXPECT_TRUE(ShowsFrame(Snapshot(*bar_), bar_->Width() - 36, kTop, StripFrame(TsuiUIStyle::MacOS, 10), false));

  ClickAt(*bar_, MaxCentre(*bar_));
  Pump();
  EXPECT_FALSE(Zoomed());
  MoveCursorAway();
  EXPECT_TRUE(ShowsFrame(Snapshot(*bar_), bar_->Width() - 36, kTop, StripFrame(TsuiUIStyle::MacOS, 7), false));
}

TEST_F(TitleBarWindowTest, AfterASizeChangeTheMaximiseButtonFollowsTheWindowState) {
  form_.SetWindowState(TWindowState::wsMaximized);
  Pump();
  bar_->UpdateMaxButtonPictures();
  EXPECT_TRUE(SameFrame(bar_->Buttons().Item(2).PicNormal(), 10));
  EXPECT_TRUE(SameFrame(bar_->Buttons().Item(2).PicMouseDown(), 12));
  form_.SetWindowState(TWindowState::wsNormal);
  Pump();
  bar_->UpdateMaxButtonPictures();
  EXPECT_TRUE(SameFrame(bar_->Buttons().Item(2).PicNormal(), 7));
  bar_->SetCustom(true);
  form_.SetWindowState(TWindowState::wsMaximized);
  Pump();
  bar_->UpdateMaxButtonPictures();
  EXPECT_TRUE(SameFrame(bar_->Buttons().Item(2).PicNormal(), 7)) << "a custom title bar keeps its pictures";
}

struct CancelCase {
  const char* description;
  int button;
};

void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.description; }

class CancelTest : public TitleBarWindowTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, AHandlerThatDisallowsCancelsTheCommand) {
  bar_->OnMaxClick = [](TComponent*, bool& allow) { allow = false; };
  bar_->OnMinClick = [](TComponent*, bool& allow) { allow = false; };
  const RECT before = WindowRect();
  bar_->Buttons().Item(GetParam().button).Click();
  Pump();
  EXPECT_FALSE(Zoomed());
  EXPECT_FALSE(IsIconic(form_.Handle()));
  const RECT after = WindowRect();
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.right, before.right);
  EXPECT_TRUE(SameFrame(bar_->Buttons().Item(2).PicNormal(), 7)) << "the maximise picture stays";
}

INSTANTIATE_TEST_SUITE_P(Buttons, CancelTest, ::testing::Values(CancelCase{"maximise", 2}, CancelCase{"minimise", 3}),
                         [](const auto& info) { return std::string(info.param.description); });

struct EventCase {
  const char* description;
  TsuiTitleBarBtnType type;
  bool expect_help;
  bool expect_custom;
};

void PrintTo(const EventCase& c, std::ostream* os) { *os << c.description; }

class ButtonEventTest : public TitleBarWindowTest, public ::testing::WithParamInterface<EventCase> {};

// A fifth button stands left of the minimise button, at W - 72.
TEST_P(ButtonEventTest, HelpAndCustomButtonsReportTheirIndex) {
  const EventCase& c = GetParam();
  TsuiTitleBarButton& extra = bar_->Buttons().Add();
  extra.SetUIStyle(TsuiUIStyle::MacOS);
  extra.SetButtonType(TsuiTitleBarBtnType::suiHelp);  // pictures of the help frames
  if (c.type != TsuiTitleBarBtnType::suiHelp) extra.SetButtonType(c.type);
  std::vector<int> help, custom;
  bar_->OnHelpBtnClick = [&](TComponent* sender, int index) { if (sender == bar_) help.push_back(index); };
  bar_->OnCustomBtnsClick = [&](TComponent* sender, int index) { if (sender == bar_) custom.push_back(index); };
  ClickAt(*bar_, {bar_->Width() - 72 + 8, kTop + 8});
  Pump();
  EXPECT_EQ(help, c.expect_help ? std::vector<int>{4} : std::vector<int>{});
  EXPECT_EQ(custom, c.expect_custom ? std::vector<int>{4} : std::vector<int>{});
  EXPECT_TRUE(IsWindowVisible(form_.Handle()));
  EXPECT_FALSE(Zoomed());
}

INSTANTIATE_TEST_SUITE_P(Types, ButtonEventTest, ::testing::Values(
    EventCase{"help", TsuiTitleBarBtnType::suiHelp, true, false},
    EventCase{"custom", TsuiTitleBarBtnType::suiCustom, false, true}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(TitleBarWindowTest, TheControlBoxOpensTheWindowMenuBelowTheTitleBar) {
  POINT corner{0, bar_->Height()};
  ClientToScreen(bar_->Handle(), &corner);
  const SeenMenu seen = WatchMenu([&] { ClickAt(*bar_, kControlBoxCentre); });
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.menu, bar_->PopupMenu().Handle());
  EXPECT_EQ(seen.rect.left, corner.x);
  EXPECT_EQ(seen.rect.top, corner.y);
  EXPECT_TRUE(IsWindowVisible(form_.Handle()));
}

TEST_F(TitleBarWindowTest, AControlBoxWithAMenuOfItsOwnOpensThatOne) {
  TPopupMenu own(nullptr);
  auto* entry = new TMenuItem(&own);
  entry->SetCaption("Entry");
  own.Items().Add(entry);
  bar_->Buttons().Item(0).SetControlBoxMenu(&own);
  POINT corner{0, bar_->Height()};
  ClientToScreen(bar_->Handle(), &corner);
  const SeenMenu seen = WatchMenu([&] { ClickAt(*bar_, kControlBoxCentre); });
  bar_->Buttons().Item(0).SetControlBoxMenu(nullptr);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.menu, own.Handle());
  EXPECT_EQ(seen.rect.left, corner.x);
  EXPECT_EQ(seen.rect.top, corner.y);
}

// ---- Double click and drag ----

TEST_F(TitleBarWindowTest, DoubleClickOnTheEmptyAreaMaximisesAndRestores) {
  for (const bool maximised : {true, false}) {
    HoverAt(*bar_, kEmptyArea);
    // The release that ends the double click, queued first: after a restore the press
    // starts a system move, which runs until the button goes up.
    PostMessageA(bar_->Handle(), WM_LBUTTONUP, 0, At(kEmptyArea));
    SendMessageA(bar_->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(kEmptyArea));
    Pump();
    EXPECT_EQ(Zoomed(), maximised);
  }
}

TEST_F(TitleBarWindowTest, DoubleClickOnTheIconClosesTheWindow) {
  HoverAt(*bar_, kControlBoxCentre);
  SendMessageA(bar_->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(kControlBoxCentre));
  Pump();
  EXPECT_FALSE(IsWindowVisible(form_.Handle()));
  EXPECT_FALSE(Zoomed());
}

TEST_F(TitleBarWindowTest, DoubleClickOnAnotherButtonDoesNothingMore) {
  HoverAt(*bar_, MinCentre(*bar_));
  SendMessageA(bar_->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(MinCentre(*bar_)));
  Pump();
  EXPECT_FALSE(Zoomed());
  EXPECT_FALSE(IsIconic(form_.Handle()));
  SendMessageA(bar_->Handle(), WM_LBUTTONUP, 0, At(kEmptyArea));
}

void SendMouse(DWORD flags, POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof input);
}

TEST_F(TitleBarWindowTest, DraggingTheEmptyAreaMovesTheWindow) {
  const RECT before = WindowRect();
  const POINT start = ScreenPoint(*bar_, kEmptyArea);
  const POINT end{start.x + 40, start.y + 30};
  SendMouse(0, start);
  SendMouse(MOUSEEVENTF_LEFTDOWN, start);
  SendMouse(0, end);
  SendMouse(MOUSEEVENTF_LEFTUP, end);
  RECT after = before;
  for (int i = 0; i < 100 && after.left == before.left; ++i) {
    Pump();
    after = WindowRect();
  }
  POINT landed;
  GetCursorPos(&landed);
  EXPECT_EQ(after.left - before.left, landed.x - start.x);
  EXPECT_EQ(after.top - before.top, landed.y - start.y);
  EXPECT_NE(after.left, before.left);
}

TEST_F(TitleBarWindowTest, AMaximisedWindowIsNotDragged) {
  form_.SetWindowState(TWindowState::wsMaximized);
  Pump();
  const RECT before = WindowRect();
  HoverAt(*bar_, kEmptyArea);
  SendMessageA(bar_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(kEmptyArea));
  PostMessageA(bar_->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At({kEmptyArea.x + 30, kEmptyArea.y + 30}));
  SendMessageA(bar_->Handle(), WM_LBUTTONUP, 0, At(kEmptyArea));
  Pump();
  const RECT after = WindowRect();
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_TRUE(Zoomed());
}

// ---- The window menu ----

struct MenuStateCase {
  const char* description;
  bool maximised;
  bool min_visible, max_visible, close_visible;
};

void PrintTo(const MenuStateCase& c, std::ostream* os) { *os << c.description; }

class WindowMenuStateTest : public TitleBarWindowTest, public ::testing::WithParamInterface<MenuStateCase> {};

TEST_P(WindowMenuStateTest, EntriesAreEnabledByTheVisibleButtons) {
  const MenuStateCase& c = GetParam();
  if (c.maximised) form_.SetWindowState(TWindowState::wsMaximized);
  bar_->Buttons().Item(3).SetVisible(c.min_visible);
  bar_->Buttons().Item(2).SetVisible(c.max_visible);
  bar_->Buttons().Item(1).SetVisible(c.close_visible);
  const SeenMenu seen = WatchMenu([&] { bar_->PopupWindowMenu(); });
  ASSERT_TRUE(seen.found);
  ASSERT_EQ(seen.enabled.size(), 4u);
  EXPECT_EQ(seen.enabled[0], c.min_visible) << "Minimize";
  EXPECT_EQ(seen.enabled[1], c.max_visible) << "Maximize/Restore";
  EXPECT_TRUE(seen.enabled[2]) << "the separator keeps its state";
  EXPECT_EQ(seen.enabled[3], c.close_visible) << "Close";
  EXPECT_EQ(Zoomed(), c.maximised) << "opening the menu changes nothing";
}

INSTANTIATE_TEST_SUITE_P(States, WindowMenuStateTest, ::testing::Values(
    MenuStateCase{"normal_all_buttons", false, true, true, true},
    MenuStateCase{"maximised_all_buttons", true, true, true, true},
    MenuStateCase{"normal_without_minimise", false, false, true, true},
    MenuStateCase{"maximised_without_maximise", true, true, false, true},
    MenuStateCase{"without_close", false, true, true, false}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(TitleBarWindowTest, TheWindowMenuHasItsFourEntries) {
  const TMenuItem& items = bar_->PopupMenu().Items();
  ASSERT_EQ(items.Count(), 4);
  EXPECT_EQ(items.Item(0)->Caption(), "Mi&nimize");
  EXPECT_EQ(items.Item(1)->Caption(), "Ma&ximize/Restore");
  EXPECT_TRUE(items.Item(2)->IsLine());
  EXPECT_EQ(items.Item(3)->Caption(), "&Close");
  EXPECT_FALSE(bar_->PopupMenu().AutoHotkeys());
  EXPECT_TRUE(items.Item(0)->OnDrawItem != nullptr) << "drawn by the skinned menu";
}

TEST_F(TitleBarWindowTest, MaximizeRestoreClicksEveryVisibleMaximiseButton) {
  TsuiTitleBarButton& second = bar_->Buttons().Add();
  second.SetButtonType(TsuiTitleBarBtnType::suiMax);
  int asked = 0;
  bar_->OnMaxClick = [&](TComponent*, bool&) { ++asked; };
  bar_->PopupMenu().Items().Item(1)->Click();
  Pump();
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(Zoomed()) << "maximised by the first, restored by the second";
  second.SetVisible(false);
  bar_->PopupMenu().Items().Item(1)->Click();
  Pump();
  EXPECT_EQ(asked, 3);
  EXPECT_TRUE(Zoomed());
}

TEST_F(TitleBarWindowTest, MinimizeAndCloseEntriesActOnTheWindow) {
  bar_->PopupMenu().Items().Item(0)->Click();
  Pump();
  EXPECT_TRUE(IsIconic(form_.Handle()));
  form_.SetWindowState(TWindowState::wsNormal);
  Pump();
  bar_->PopupMenu().Items().Item(3)->Click();
  Pump();
  EXPECT_FALSE(IsWindowVisible(form_.Handle()));
}

TEST_F(TitleBarWindowTest, AltSpaceOpensTheWindowMenuBelowTheCaption) {
  MessageHook hook([&](MSG& message, bool& handled) {
    if (OpenWindowMenuOnAltSpace(*bar_, message)) handled = true;
  });
  const RECT r = WindowRect();
  const SeenMenu seen = WatchMenu([&] {
    PostMessageA(form_.Handle(), WM_SYSCHAR, ' ', 1 << 29);
    Pump();
  });
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.menu, bar_->PopupMenu().Handle()) << "not the system's own window menu";
  EXPECT_EQ(seen.rect.left, r.left);
  EXPECT_EQ(seen.rect.top, r.top + bar_->Height());
}

TEST_F(TitleBarWindowTest, OtherSystemCharactersAreLeftAlone) {
  MSG message{form_.Handle(), WM_SYSCHAR, 'x', 1 << 29, 0, {}};
  EXPECT_FALSE(OpenWindowMenuOnAltSpace(*bar_, message));
  message.message = WM_CHAR;
  message.wParam = ' ';
  EXPECT_FALSE(OpenWindowMenuOnAltSpace(*bar_, message));
}

}  // namespace
