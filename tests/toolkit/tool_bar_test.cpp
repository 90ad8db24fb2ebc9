// The tool bar as a menu bar is built on it: flat buttons with captions, grouped and
// sized to their text, a menu item's sub-menu dropping down below its button, the drawing
// taken over through the custom-draw events, and rows that wrap.
#include "toolkit/tool_bar.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"

namespace {

void Pump() { Application().ProcessMessages(); }

std::string ButtonText(HWND bar, int command) {
  char text[64] = {};
  SendMessageA(bar, TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(text));
  return text;
}

TBBUTTON ButtonAt(HWND bar, int index) {
  TBBUTTON button{};
  SendMessageA(bar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
  return button;
}

class ToolBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
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

  TForm form_{nullptr};
  TToolBar* bar_ = nullptr;
};

TEST_F(ToolBarTest, FlatButtonsShowTheirCaptionsAreGroupedAndSizedToTheirText) {
  Add("&Short");
  Add("A much longer caption");
  Add("&Help");
  const HWND bar = bar_->Handle();
  EXPECT_TRUE(GetWindowLongA(bar, GWL_STYLE) & TBSTYLE_FLAT);
  ASSERT_EQ(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0), 3);
  const char* captions[] = {"&Short", "A much longer caption", "&Help"};
  for (int i = 0; i < 3; ++i) {
    const TBBUTTON button = ButtonAt(bar, i);
    EXPECT_EQ(ButtonText(bar, button.idCommand), captions[i]) << "button " << i;
    EXPECT_TRUE(button.fsStyle & BTNS_GROUP) << "button " << i;
    EXPECT_TRUE(button.fsStyle & BTNS_AUTOSIZE) << "button " << i;
    EXPECT_EQ(bar_->Button(i)->Index(), i);
  }
  const RECT short_rect = bar_->Button(0)->BoundsRect();
  const RECT long_rect = bar_->Button(1)->BoundsRect();
  EXPECT_GT(long_rect.right - long_rect.left, short_rect.right - short_rect.left + 40);
  EXPECT_EQ(long_rect.left, short_rect.right) << "side by side, left to right";
}

TEST_F(ToolBarTest, ButtonsPutInFrontOneByOneComeOutInTheOrderGiven) {
  const std::vector<std::string> captions = {"&Program", "&Help", "&About"};
  for (auto it = captions.rbegin(); it != captions.rend(); ++it) Add(*it, 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(bar_->Button(i)->Caption(), captions[static_cast<std::size_t>(i)]);
    EXPECT_EQ(ButtonText(bar_->Handle(), ButtonAt(bar_->Handle(), i).idCommand), captions[static_cast<std::size_t>(i)]);
  }
  delete bar_->Button(1);  // a button freed on its own leaves the bar
  ASSERT_EQ(bar_->ButtonCount(), 2);
  EXPECT_EQ(bar_->Button(1)->Caption(), "&About");
  EXPECT_EQ(ButtonText(bar_->Handle(), ButtonAt(bar_->Handle(), 1).idCommand), "&About");
  bar_->ClearButtons();
  EXPECT_EQ(bar_->ButtonCount(), 0);
  EXPECT_EQ(SendMessageA(bar_->Handle(), TB_BUTTONCOUNT, 0, 0), 0);
}

struct DropDownSeen {
  RECT popup{-1, -1, -1, -1};
  bool pressed = false;
  HWND bar = nullptr;
  int command = 0;
};
DropDownSeen g_seen;

void CALLBACK LookAtTheMenu(HWND, UINT, UINT_PTR id, DWORD) {
  if (HWND popup = FindWindowA("#32768", nullptr); popup && IsWindowVisible(popup)) {
    GetWindowRect(popup, &g_seen.popup);
    g_seen.pressed = SendMessageA(g_seen.bar, TB_ISBUTTONPRESSED, g_seen.command, 0) != 0;
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
  EXPECT_EQ(ButtonText(bar_->Handle(), ButtonAt(bar_->Handle(), 1).idCommand), "&Program");

  g_seen = DropDownSeen{};
  g_seen.bar = bar_->Handle();
  g_seen.command = ButtonAt(bar_->Handle(), 1).idCommand;
  SetTimer(nullptr, 0, 30, LookAtTheMenu);
  // The click as the bar reports it to its parent.
  SendMessageA(form_.Handle(), WM_COMMAND, MAKEWPARAM(g_seen.command, BN_CLICKED),
               reinterpret_cast<LPARAM>(bar_->Handle()));
  RECT below = button->BoundsRect();
  MapWindowPoints(bar_->Handle(), nullptr, reinterpret_cast<POINT*>(&below), 2);
  EXPECT_EQ(g_seen.popup.left, below.left);
  EXPECT_EQ(g_seen.popup.top, below.bottom);
  EXPECT_TRUE(g_seen.pressed) << "the button is held down while its menu is open";
  EXPECT_EQ(SendMessageA(bar_->Handle(), TB_ISBUTTONPRESSED, g_seen.command, 0), 0);

  // A disabled item greys its button once given again.
  program->SetEnabled(false);
  button->SetMenuItem(nullptr);
  button->SetMenuItem(program);
  EXPECT_FALSE(button->Enabled());
  EXPECT_FALSE(SendMessageA(bar_->Handle(), TB_ISBUTTONENABLED, g_seen.command, 0));

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
  RECT client;
  GetClientRect(bar_->Handle(), &client);
  Bitmap surface;
  surface.SetSize(client.right, client.bottom);
  SendMessageA(bar_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Canvas().Handle()), PRF_CLIENT);
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

  bar_->SetWrapable(false);
  EXPECT_EQ(bar_->RowCount(), 1);
  EXPECT_EQ(bar_->Button(5)->BoundsRect().top, bar_->Button(0)->BoundsRect().top);
}

}  // namespace
