// The menu bar of a skinned form, driven by real mouse and keyboard messages: buttons in
// menu order, drop-downs below their buttons, switching between them, accelerators, and
// the button faces in the MacOS and other styles.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/main_menu.h"
#include "frame/menu_bar.h"
#include "tests/frame/form_test_support.h"
#include "tests/toolkit/graphics_test_support.h"

namespace {

using graphics_test::CountColour;

// The pop-up menus that open while `open` runs, in order; each one is closed again, or
// handed to `react` (which may switch to another) while it is up.
struct SeenMenus {
  std::vector<HMENU> menus;
  std::vector<RECT> rects;
};

SeenMenus g_seen;
int g_ticks = 0;
std::function<bool(int)> g_react;  // true: it did something, keep watching

HWND OpenMenuWindow() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND window, LPARAM out) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) != "#32768" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK LookAtMenus(HWND, UINT, UINT_PTR id, DWORD) {
  if (++g_ticks > 60) {
    KillTimer(nullptr, id);
    EndMenu();
    return;
  }
  const HWND window = OpenMenuWindow();
  if (!window) return;
  const auto menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
  if (!g_seen.menus.empty() && g_seen.menus.back() == menu) return;
  g_seen.menus.push_back(menu);
  RECT rect;
  GetWindowRect(window, &rect);
  g_seen.rects.push_back(rect);
  if (g_react && g_react(static_cast<int>(g_seen.menus.size()))) return;
  EndMenu();
}

SeenMenus WatchMenus(const std::function<void()>& open, std::function<bool(int)> react = nullptr) {
  g_seen = SeenMenus{};
  g_ticks = 0;
  g_react = std::move(react);
  const UINT_PTR timer = SetTimer(nullptr, 0, 40, LookAtMenus);
  open();
  KillTimer(nullptr, timer);
  g_react = nullptr;
  return g_seen;
}

class MenuBarTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    menu_ = new TsuiMainMenu(&host_);
    for (const char* caption : {"&File", "&Edit", "&View", "&Help"}) {
      auto* item = new TMenuItem(menu_);
      item->SetCaption(caption);
      auto* sub = new TMenuItem(menu_);
      sub->SetCaption(std::string(caption + 1) + " item");
      sub->OnClick = [this, caption](TComponent*) { clicked_ = caption; };
      item->Add(sub);
      menu_->Items().Add(item);
      items_.push_back(item);
    }
    menu_->HookAllItems();
    form_->SetMenu(menu_);
    form_->SetMenuBarHeight(20);
    SetCursorPos(1, 1);  // no mouse over the bar unless a test puts it there
    Pump();
    bar_ = form_->MenuBar();
  }
  void TearDown() override {
    SkinnedFormTest::TearDown();
    delete menu_;  // and its items
    Pump();
  }
  POINT Centre(int index) {
    const RECT r = bar_->Button(index)->BoundsRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  POINT ScreenCentre(int index) {
    POINT p = Centre(index);
    ClientToScreen(bar_->Handle(), &p);
    return p;
  }
  void Press(int index) {
    const POINT p = Centre(index);
    SendMessageA(bar_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  }
  // What the bar shows on the screen now.
  Bitmap BarShot() {
    RedrawWindow(bar_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const RECT client{0, 0, bar_->Width(), bar_->Height()};
    Bitmap shot;
    shot.SetSize(client.right, client.bottom);
    const ClientDC dc(bar_->Handle());
    BitBlt(shot.Canvas().Handle(), 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
    return shot;
  }
  // The one-pixel-wide picture stretched to the height, as the bar stretches it.
  static Bitmap Stretched(const char* resource, int height) {
    Bitmap picture;
    picture.LoadFromResourceName(GetModuleHandleA(nullptr), resource);
    Bitmap stretched;
    stretched.SetSize(1, height);
    stretched.Canvas().StretchDraw({0, 0, 1, height}, picture);
    return stretched;
  }

  TsuiMainMenu* menu_ = nullptr;
  std::vector<TMenuItem*> items_;
  TsuiMenuBar* bar_ = nullptr;
  std::string clicked_;
};

TEST_F(MenuBarTest, ButtonsStandForTheTopLevelItemsInMenuOrder) {
  ASSERT_NE(bar_, nullptr);
  const auto check = [&] {
    ASSERT_EQ(bar_->ButtonCount(), 4);
    int left = -1;
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(bar_->Button(i)->MenuItem(), items_[i]);
      EXPECT_EQ(bar_->Button(i)->Caption(), items_[i]->Caption());
      EXPECT_GT(bar_->Button(i)->BoundsRect().left, left);
      left = bar_->Button(i)->BoundsRect().left;
    }
  };
  check();
  form_->SetMenu(menu_);
  check();
  form_->RebuildMenuBar();
  check();
  EXPECT_EQ(menu_->MenuForm(), form_);
  // The bar sits right below the title bar.
  EXPECT_EQ(bar_->Top(), form_->TitleBar()->Top() + form_->TitleBar()->Height());
  EXPECT_EQ(bar_->Height(), 20);
  EXPECT_EQ(form_->MenuBarHeight(), 20);
}

TEST_F(MenuBarTest, ClickDropsTheSubMenuBelowItsButton) {
  const SeenMenus seen = WatchMenus([&] { Press(1); });
  ASSERT_EQ(seen.menus.size(), 1u);
  EXPECT_EQ(seen.menus[0], items_[1]->SubMenuHandle());
  RECT button = bar_->Button(1)->BoundsRect();
  MapWindowPoints(bar_->Handle(), nullptr, reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(seen.rects[0].left, button.left);
  EXPECT_EQ(seen.rects[0].top, button.bottom);
  EXPECT_EQ(clicked_, "");
}

TEST_F(MenuBarTest, MovingOntoAnotherButtonOpensItsMenu) {
  const SeenMenus seen = WatchMenus([&] { Press(0); },
                                    [&](int opened) {
                                      if (opened != 1) return false;
                                      const POINT p = ScreenCentre(2);
                                      SetCursorPos(p.x, p.y);
                                      PostMessageA(bar_->Handle(), WM_MOUSEMOVE, 0, 0);
                                      return true;
                                    });
  ASSERT_EQ(seen.menus.size(), 2u);
  EXPECT_EQ(seen.menus[0], items_[0]->SubMenuHandle());
  EXPECT_EQ(seen.menus[1], items_[2]->SubMenuHandle());
}

TEST_F(MenuBarTest, LeftAndRightSwitchMenusWhileOneIsOpen) {
  const SeenMenus seen = WatchMenus([&] { Press(0); },
                                    [&](int opened) {
                                      const HWND menu_window = OpenMenuWindow();
                                      if (opened == 1) PostMessageA(menu_window, WM_KEYDOWN, VK_RIGHT, 0);
                                      if (opened == 2) PostMessageA(menu_window, WM_KEYDOWN, VK_LEFT, 0);
                                      if (opened == 3) PostMessageA(menu_window, WM_KEYDOWN, VK_LEFT, 0);
                                      return opened < 4;
                                    });
  ASSERT_EQ(seen.menus.size(), 4u);
  EXPECT_EQ(seen.menus[1], items_[1]->SubMenuHandle());
  EXPECT_EQ(seen.menus[2], items_[0]->SubMenuHandle());
  EXPECT_EQ(seen.menus[3], items_[3]->SubMenuHandle()) << "Left from the first menu wraps to the last";
}

TEST_F(MenuBarTest, EscapeClosesTheMenuForGood) {
  const SeenMenus seen = WatchMenus([&] { Press(1); },
                                    [&](int) {
                                      PostMessageA(OpenMenuWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
                                      return true;
                                    });
  ASSERT_EQ(seen.menus.size(), 1u);
  EXPECT_EQ(OpenMenuWindow(), nullptr);
  EXPECT_EQ(clicked_, "");
}

TEST_F(MenuBarTest, ChosenItemIsClicked) {
  WatchMenus([&] { Press(3); },
             [&](int) {
               const HWND menu_window = OpenMenuWindow();
               PostMessageA(menu_window, WM_KEYDOWN, VK_DOWN, 0);
               PostMessageA(menu_window, WM_KEYDOWN, VK_RETURN, 0);
               return true;
             });
  EXPECT_EQ(clicked_, "&Help");
}

TEST_F(MenuBarTest, AltAndTheAcceleratorDropTheMenu) {
  const SeenMenus seen = WatchMenus([&] {
    PostMessageA(host_.Handle(), WM_SYSCHAR, 'v', static_cast<LPARAM>(KF_ALTDOWN) << 16);
    Pump();
  });
  ASSERT_EQ(seen.menus.size(), 1u);
  EXPECT_EQ(seen.menus[0], items_[2]->SubMenuHandle());
}

TEST_F(MenuBarTest, AltSpaceOpensTheWindowMenuBelowTheTitleBar) {
  const SeenMenus seen = WatchMenus([&] {
    PostMessageA(bar_->Handle(), WM_SYSCHAR, ' ', static_cast<LPARAM>(KF_ALTDOWN) << 16);
    Pump();
  });
  ASSERT_EQ(seen.menus.size(), 1u);
  EXPECT_EQ(GetMenuItemCount(seen.menus[0]), 4) << "Minimize, Maximize/Restore, a line and Close";
  RECT window;
  GetWindowRect(host_.Handle(), &window);
  EXPECT_EQ(seen.rects[0].left, window.left);
  EXPECT_EQ(seen.rects[0].top, window.top + form_->TitleBar()->Height());
}

TEST_F(MenuBarTest, PlainLetterOpensAMenuOnlyWhileAButtonIsHot) {
  bar_->SetHotIndex(-1);
  BarShot();
  EXPECT_FALSE(bar_->AnyButtonMarked());
  SeenMenus seen = WatchMenus([&] {
    PostMessageA(host_.Handle(), WM_CHAR, 'e', 0);
    Pump();
  });
  EXPECT_TRUE(seen.menus.empty());

  bar_->SetHotIndex(0);
  BarShot();
  EXPECT_EQ(bar_->Button(0)->Tag(), TsuiMenuBar::kHotOrPressedMark);
  EXPECT_EQ(bar_->Button(1)->Tag(), 0);
  seen = WatchMenus([&] {
    PostMessageA(host_.Handle(), WM_CHAR, 'e', 0);
    Pump();
  });
  ASSERT_EQ(seen.menus.size(), 1u);
  EXPECT_EQ(seen.menus[0], items_[1]->SubMenuHandle());
  bar_->SetHotIndex(-1);
  BarShot();
  EXPECT_FALSE(bar_->AnyButtonMarked());
}

TEST_F(MenuBarTest, MacOSStripAndHotButtonShowTheirPictures) {
  form_->SetMenuBarColor(0x0000FF);  // the MacOS strip is a picture whatever the colour says
  bar_->SetHotIndex(1);
  const Bitmap shot = BarShot();
  const int h = bar_->Height();
  const RECT hot = bar_->Button(1)->BoundsRect();
  const int bh = hot.bottom - hot.top;
  const Bitmap strip = Stretched("MACOS_MENU_BAR", h);
  const Bitmap select = Stretched("MACOS_MENU_SELECT", bh);
  const int free_x = bar_->Button(3)->BoundsRect().right + 5;
  ASSERT_LT(free_x, shot.Width());
  for (int y = 0; y < h; ++y) {
    EXPECT_EQ(shot.Pixel(free_x, y), strip.Pixel(0, y)) << "strip row " << y;
  }
  for (int y = hot.top; y < hot.bottom; ++y) {
    EXPECT_EQ(shot.Pixel(hot.left + 1, y), select.Pixel(0, y - hot.top)) << "row " << y;
  }
  EXPECT_GT(CountColour(shot, hot, 0xFFFFFF), 4) << "white caption on the selection";
  const RECT other = bar_->Button(2)->BoundsRect();
  EXPECT_GT(CountColour(shot, other, 0x000000), 4) << "black caption on the strip";
  EXPECT_EQ(CountColour(shot, other, 0xFFFFFF), 0);
  bar_->SetHotIndex(-1);
}

TEST_F(MenuBarTest, OtherStylesFrameTheHotButtonInTheirSelectionColours) {
  menu_->SetUIStyle(TsuiUIStyle::WinXP);
  form_->SetMenuBarColor(0x00E0E0E0);
  form_->SetMenuBarToColor(0x00E0E0E0);
  bar_->SetHotIndex(0);
  const Bitmap shot = BarShot();
  const RECT hot = bar_->Button(0)->BoundsRect();
  EXPECT_EQ(shot.Pixel(hot.left, (hot.top + hot.bottom) / 2), 0xC66931u);      // element 18, the frame
  EXPECT_EQ(shot.Pixel(hot.left + 2, hot.top + 2), 0xEFD3C6u);                  // element 19, the fill
  const RECT other = bar_->Button(3)->BoundsRect();
  EXPECT_EQ(shot.Pixel(other.left + 1, other.top + 1), 0x00E0E0E0u);           // the flat strip
  EXPECT_EQ(shot.Pixel(bar_->Button(3)->BoundsRect().right + 5, 3), 0x00E0E0E0u);
  bar_->SetHotIndex(-1);
}

TEST_F(MenuBarTest, DisabledItemGreysItsButtonAfterTheMenuChanges) {
  items_[2]->SetEnabled(false);
  EXPECT_FALSE(bar_->Button(2)->Enabled());
  const Bitmap shot = BarShot();
  EXPECT_GT(CountColour(shot, bar_->Button(2)->BoundsRect(), 0x808080), 4);
  EXPECT_EQ(CountColour(shot, bar_->Button(2)->BoundsRect(), 0x000000), 0);
  items_[2]->SetCaption("&Look");
  EXPECT_EQ(bar_->Button(2)->Caption(), "&Look");
  const SeenMenus seen = WatchMenus([&] { Press(2); });
  EXPECT_TRUE(seen.menus.empty()) << "a disabled button drops nothing";
}

TEST_F(MenuBarTest, MenuBarHeightResizesTheStripAndReadsZeroWithoutMenu) {
  form_->SetMenuBarHeight(26);
  EXPECT_EQ(bar_->Height(), 26);
  EXPECT_EQ(bar_->Button(0)->BoundsRect().bottom - bar_->Button(0)->BoundsRect().top, 26);
  form_->SetMenu(nullptr);
  EXPECT_EQ(form_->MenuBar(), nullptr);
  EXPECT_EQ(form_->MenuBarHeight(), 0);
  EXPECT_EQ(menu_->MenuForm(), nullptr);
  form_->SetMenuBarHeight(30);
  EXPECT_EQ(form_->MenuBarHeight(), 0);
  form_->SetMenu(menu_);
  EXPECT_EQ(form_->MenuBarHeight(), 30);
}

TEST_F(MenuBarTest, FreeingTheMenuRemovesTheBar) {
  delete menu_;
  menu_ = nullptr;
  EXPECT_EQ(form_->Menu(), nullptr);
  EXPECT_EQ(form_->MenuBar(), nullptr);
}

TEST_F(MenuBarTest, ShortcutOfTheMenuFiresFromTheMessageLoop) {
  auto* item = new TMenuItem(&host_);
  item->SetCaption("Refresh");
  item->SetShortCut(ShortCut(VK_F5, 0));
  bool fired = false;
  item->OnClick = [&](TComponent*) { fired = true; };
  items_[1]->Add(item);
  SetForegroundWindow(host_.Handle());
  SetActiveWindow(host_.Handle());
  Application().SetActive(true);
  PostMessageA(form_->TitleBar()->Handle(), WM_KEYDOWN, VK_F5, 0);
  Pump();
  EXPECT_TRUE(fired);
  delete item;
}

}  // namespace
