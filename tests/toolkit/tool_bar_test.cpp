// The tool bar as a menu bar is built on it: flat buttons with captions, sized to their
// text, pressed and clicked with the mouse, a menu item's sub-menu dropping down below its
// button, its own drawing and the drawing taken over through the custom-draw events, and
// rows that wrap.
#include "toolkit/tool_bar.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/toolkit/graphics_test_support.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"

namespace {

using graphics_test::CountColour;

void Pump() { Application().ProcessMessages(); }

class ToolBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(1, 1);  // no mouse over the bar unless a test puts it there
    form_.SetBounds(60, 60, 420, 200);
    form_.Show();
    bar_ = new TToolBar(&form_);
    bar_->SetParent(&form_);
    Pump();
  }

  TToolButton* Add(const std::string& caption, int index = -1) {
    TToolButton* button = bar_->AddButton(index);
    button->SetGrouped(true);
    button->SetAutoSize(true);
    button->SetCaption(caption);
    return button;
  }
  POINT Centre(int index) const {
    const RECT r = bar_->Button(index)->BoundsRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void Mouse(UINT message, POINT point) {
    SendMessageA(bar_->Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(point.x, point.y));
  }
  // What the bar draws, as it would draw it on the screen.
  Bitmap Shot() {
    Bitmap shot;
    shot.SetSize(bar_->Width(), bar_->Height());
    bar_->PaintTo(shot.Canvas().Handle());
    return shot;
  }

  TForm form_{nullptr};
  TToolBar* bar_ = nullptr;
};

TEST_F(ToolBarTest, ButtonsSitSideBySideSizedToTheirCaptions) {
  Add("&Short");
  Add("A much longer caption");
  Add("&Help");
  ASSERT_EQ(bar_->ButtonCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(bar_->Button(i)->Index(), i);
  const RECT short_rect = bar_->Button(0)->BoundsRect();
  const RECT long_rect = bar_->Button(1)->BoundsRect();
  EXPECT_EQ(short_rect.left, 0);
  EXPECT_GT(long_rect.right - long_rect.left, short_rect.right - short_rect.left + 40);
  EXPECT_EQ(long_rect.left, short_rect.right) << "side by side, left to right";
  EXPECT_EQ(short_rect.bottom - short_rect.top, bar_->ButtonHeight());
  // "&" underlines a letter and takes no room: "&Help" is as wide as "Help".
  const RECT help = bar_->Button(2)->BoundsRect();
  bar_->Button(2)->SetCaption("Help");
  const RECT plain = bar_->Button(2)->BoundsRect();
  EXPECT_EQ(plain.right - plain.left, help.right - help.left);
  // A bigger font makes wider buttons.
  bar_->Font().SetHeight(-24);
  EXPECT_GT(bar_->Button(1)->BoundsRect().right - bar_->Button(1)->BoundsRect().left,
            long_rect.right - long_rect.left);
}

TEST_F(ToolBarTest, ButtonsPutInFrontOneByOneComeOutInTheOrderGiven) {
  const std::vector<std::string> captions = {"&Program", "&Help", "&About"};
  for (auto it = captions.rbegin(); it != captions.rend(); ++it) Add(*it, 0);
  int left = -1;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(bar_->Button(i)->Caption(), captions[static_cast<std::size_t>(i)]);
    EXPECT_GT(bar_->Button(i)->BoundsRect().left, left);
    left = bar_->Button(i)->BoundsRect().left;
  }
  const RECT second = bar_->Button(1)->BoundsRect();
  delete bar_->Button(1);  // a button freed on its own leaves the bar
  ASSERT_EQ(bar_->ButtonCount(), 2);
  EXPECT_EQ(bar_->Button(1)->Caption(), "&About");
  EXPECT_EQ(bar_->Button(1)->BoundsRect().left, second.left) << "the rest move up";
  bar_->ClearButtons();
  EXPECT_EQ(bar_->ButtonCount(), 0);
  EXPECT_EQ(bar_->RowCount(), 0);
}

TEST_F(ToolBarTest, AClickIsAPressAndAReleaseOverTheSameButton) {
  Add("&One");
  Add("&Two");
  int clicks = 0;
  bar_->Button(0)->OnClick = [&](TComponent*) { ++clicks; };
  Mouse(WM_LBUTTONDOWN, Centre(0));
  EXPECT_EQ(clicks, 0) << "a plain button clicks when released";
  Mouse(WM_LBUTTONUP, Centre(0));
  EXPECT_EQ(clicks, 1);
  Mouse(WM_LBUTTONDOWN, Centre(0));
  Mouse(WM_MOUSEMOVE, Centre(1));
  Mouse(WM_LBUTTONUP, Centre(1));
  EXPECT_EQ(clicks, 1) << "released over another button: no click";
  bar_->Button(0)->SetEnabled(false);
  Mouse(WM_LBUTTONDOWN, Centre(0));
  Mouse(WM_LBUTTONUP, Centre(0));
  EXPECT_EQ(clicks, 1) << "a disabled button does not click";
}

TEST_F(ToolBarTest, TheBarDrawsFlatButtonsHotPressedAndDisabled) {
  bar_->SetColor(0x00E0E0E0);
  bar_->Font().SetColor(0x000000);
  Add("&Wide caption");
  Add("&Grey caption");
  Add("&Third");
  bar_->Button(1)->SetEnabled(false);
  const RECT first = bar_->Button(0)->BoundsRect();
  Bitmap shot = Shot();
  EXPECT_EQ(shot.Pixel(first.left, first.top), 0x00E0E0E0u) << "flat: no edge while not hot";
  EXPECT_GT(CountColour(shot, first, 0x000000), 10) << "the caption in the font's colour";
  const RECT grey = bar_->Button(1)->BoundsRect();
  EXPECT_GT(CountColour(shot, grey, ColorToRGB(clGrayText)), 10) << "a disabled caption is grey";
  EXPECT_EQ(CountColour(shot, grey, 0x000000), 0);

  Mouse(WM_MOUSEMOVE, Centre(0));
  EXPECT_EQ(bar_->HotIndex(), 0);
  shot = Shot();
  EXPECT_EQ(shot.Pixel(first.left, first.top + 5), ColorToRGB(clBtnHighlight)) << "hot: raised";
  EXPECT_EQ(shot.Pixel(first.right - 1, first.top + 5), ColorToRGB(clBtnShadow));
  Mouse(WM_MOUSEMOVE, Centre(1));
  EXPECT_EQ(bar_->HotIndex(), -1) << "a disabled button is never hot";

  bar_->Button(2)->SetPressed(true);
  const RECT third = bar_->Button(2)->BoundsRect();
  shot = Shot();
  EXPECT_EQ(shot.Pixel(third.left, third.top + 5), ColorToRGB(clBtnShadow)) << "pressed: sunken";
  EXPECT_EQ(shot.Pixel(third.right - 1, third.top + 5), ColorToRGB(clBtnHighlight));
}

struct DropDownSeen {
  RECT popup{-1, -1, -1, -1};
  bool pressed = false;
  TToolButton* button = nullptr;
};
DropDownSeen g_seen;

void CALLBACK LookAtTheMenu(HWND, UINT, UINT_PTR id, DWORD) {
  if (HWND popup = FindWindowA("#32768", nullptr); popup && IsWindowVisible(popup)) {
    GetWindowRect(popup, &g_seen.popup);
    g_seen.pressed = g_seen.button->Pressed();
    KillTimer(nullptr, id);
    EndMenu();
  }
}

TEST_F(ToolBarTest, AMenuItemsButtonMirrorsItAndDropsItsSubMenuDownBelowIt) {
  auto* menu = new TMainMenu(&form_);
  auto* program = new TMenuItem(&form_);
  program->SetCaption("&Program");
  menu->Items().Add(program);
  auto* quit = new TMenuItem(&form_);
  quit->SetCaption("&Quit");
  program->Add(quit);
  Add("&First");
  TToolButton* button = Add("");
  button->SetMenuItem(program);
  EXPECT_EQ(button->Caption(), "&Program");

  g_seen = DropDownSeen{};
  g_seen.button = button;
  SetTimer(nullptr, 0, 30, LookAtTheMenu);
  Mouse(WM_LBUTTONDOWN, Centre(1));  // the menu drops as the button goes down
  RECT below = button->BoundsRect();
  MapWindowPoints(bar_->Handle(), nullptr, reinterpret_cast<POINT*>(&below), 2);
  EXPECT_EQ(g_seen.popup.left, below.left);
  EXPECT_EQ(g_seen.popup.top, below.bottom);
  EXPECT_TRUE(g_seen.pressed) << "the button is held down while its menu is open";
  EXPECT_FALSE(button->Pressed());

  // A disabled item greys its button once given again.
  program->SetEnabled(false);
  button->SetMenuItem(nullptr);
  button->SetMenuItem(program);
  EXPECT_FALSE(button->Enabled());

  // The item freed first, the button forgets it; the button freed first, the item's
  // later removal must not reach it.
  delete program;
  EXPECT_EQ(button->MenuItem(), nullptr);
  auto* help = new TMenuItem(&form_);
  help->SetCaption("&Help");
  menu->Items().Add(help);
  bar_->Button(0)->SetMenuItem(help);
  bar_->DeleteButton(bar_->Button(0));
  delete help;
  EXPECT_EQ(bar_->ButtonCount(), 1);
}

TEST_F(ToolBarTest, CustomDrawEventsDrawTheStripAndEachButton) {
  constexpr TColor kStrip = 0x00FF00;
  constexpr TColor kButton = 0x0000FF;
  Add("&One");
  Add("&Two");
  std::vector<TToolButton*> drawn;
  bar_->OnCustomDraw = [&](TToolBar*, Canvas& canvas, const RECT& rect, bool&) {
    canvas.Brush().SetColor(kStrip);
    canvas.FillRect(rect);
  };
  bar_->OnCustomDrawButton = [&](TToolBar*, TToolButton* button, Canvas& canvas, const RECT& rect,
                                 TToolButtonDrawState, bool& draw_default) {
    drawn.push_back(button);
    canvas.Brush().SetColor(kButton);
    canvas.FillRect(rect);
    draw_default = false;
  };
  const RECT client{0, 0, bar_->Width(), bar_->Height()};
  const Bitmap surface = Shot();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0], bar_->Button(0));
  EXPECT_EQ(drawn[1], bar_->Button(1));
  const RECT second = bar_->Button(1)->BoundsRect();
  EXPECT_EQ(surface.Pixel((second.left + second.right) / 2, (second.top + second.bottom) / 2), kButton);
  EXPECT_EQ(surface.Pixel(client.right - 2, client.bottom - 2), kStrip) << "right of the buttons";
}

TEST_F(ToolBarTest, AWrappingBarTakesMoreRowsAndGrowsToThem) {
  bar_->SetAlign(TAlign::alNone);
  bar_->SetBounds(0, 0, 130, 29);
  bar_->SetWrapable(true);
  bar_->SetAutoSize(true);
  for (int i = 0; i < 6; ++i) Add("&Item " + std::to_string(i));
  Pump();
  EXPECT_GT(bar_->RowCount(), 1);
  const RECT last = bar_->Button(5)->BoundsRect();
  EXPECT_EQ(bar_->Height(), last.bottom);
  EXPECT_GT(last.top, 0);
  bar_->SetBounds(0, 0, 1000, bar_->Height());
  EXPECT_EQ(bar_->RowCount(), 1) << "a wider bar takes the buttons in one row";
  EXPECT_EQ(bar_->Height(), bar_->ButtonHeight());
  bar_->SetBounds(0, 0, 130, bar_->Height());
  EXPECT_EQ(bar_->Height(), last.bottom) << "and narrowed again, the rows come back";

  bar_->SetWrapable(false);
  EXPECT_EQ(bar_->RowCount(), 1);
  EXPECT_EQ(bar_->Button(5)->BoundsRect().top, bar_->Button(0)->BoundsRect().top);
}

}  // namespace
