#include "toolkit/menu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "toolkit/form.h"
#include "toolkit/menu_owner_draw.h"

namespace {

struct ShortCutCase {
  const char* description;
  TShortCut shortcut;
  const char* text;
};

void PrintTo(const ShortCutCase& c, std::ostream* out) { *out << c.description << ": " << c.shortcut; }

class ShortCutTextTest : public ::testing::TestWithParam<ShortCutCase> {};

TEST_P(ShortCutTextTest, ReadsAsThePlatformWritesIt) {
  EXPECT_EQ(ShortCutToText(GetParam().shortcut), GetParam().text);
}

const ShortCutCase kShortCuts[] = {
    {"ctrl_letter", ShortCut('S', scCtrl), "Ctrl+S"},
    {"shift_function_key", ShortCut(VK_F5, scShift), "Shift+F5"},
    {"alt_delete", ShortCut(VK_DELETE, scAlt), "Alt+Del"},
    {"all_modifiers_in_order", ShortCut('A', scCtrl | scShift | scAlt), "Shift+Ctrl+Alt+A"},
    {"plain_digit", ShortCut('7', 0), "7"},
    {"none", 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Table, ShortCutTextTest, ::testing::ValuesIn(kShortCuts),
                         [](const auto& info) { return std::string(info.param.description); });

class MenuTest : public ::testing::Test {
 protected:
  TMenuItem* AddItem(TMenuItem& parent, const std::string& caption) {
    auto* item = new TMenuItem(&owner_);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
  }
  TComponent owner_{nullptr};
};

std::vector<RECT> g_drawn;
std::vector<std::string> g_measured;

void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnInTheirOwnRectangles) {
  auto* popup = new TPopupMenu(&owner_);
  popup->SetOwnerDraw(true);
  std::vector<TMenuItem*> items = {AddItem(popup->Items(), "&Open"), AddItem(popup->Items(), "-"),
                                   AddItem(popup->Items(), "&Quit")};
  g_drawn.clear();
  g_measured.clear();
  for (TMenuItem* item : items) {
    item->OnMeasureItem = [](TComponent* sender, Canvas&, int& width, int& height) {
      auto* measured = static_cast<TMenuItem*>(sender);
      g_measured.push_back(measured->Caption());
      width = 120;
      height = measured->IsLine() ? 12 : 20;
    };
    item->OnDrawItem = [](TComponent*, Canvas& canvas, RECT rect, bool) {
      g_drawn.push_back(rect);
      canvas.Brush().SetColor(clWhite);
      canvas.FillRect(rect);
    };
  }
  SetTimer(nullptr, 0, 300, EndMenuSoon);
  popup->Popup(100, 100);

  EXPECT_EQ(g_measured, (std::vector<std::string>{"&Open", "-", "&Quit"}));
  ASSERT_GE(g_drawn.size(), 3u);
  const int heights[] = {20, 12, 20};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(g_drawn[i].bottom - g_drawn[i].top, heights[i]) << "item " << i;
    EXPECT_GE(g_drawn[i].right - g_drawn[i].left, 120) << "item " << i;
    EXPECT_EQ(g_drawn[i].left, g_drawn[0].left) << "item " << i;
    EXPECT_EQ(g_drawn[i].right, g_drawn[0].right) << "item " << i;
  }
  EXPECT_EQ(g_drawn[1].top, g_drawn[0].bottom);
  EXPECT_EQ(g_drawn[2].top, g_drawn[1].bottom);
}

TEST_F(MenuTest, ShortCutsClickEnabledItemsOnly) {
  auto* menu = new TMainMenu(&owner_);
  TMenuItem* file = AddItem(menu->Items(), "&File");
  TMenuItem* quit = AddItem(*file, "&Quit");
  TMenuItem* save = AddItem(*file, "&Save");
  quit->SetShortCut(ShortCut('Q', scCtrl));
  save->SetShortCut(ShortCut('S', scCtrl));
  save->SetEnabled(false);
  int quits = 0, saves = 0;
  quit->OnClick = [&](TComponent*) { ++quits; };
  save->OnClick = [&](TComponent*) { ++saves; };
  EXPECT_TRUE(menu->DispatchShortCut('Q', MK_CONTROL, false));
  EXPECT_FALSE(menu->DispatchShortCut('Q', 0, false));
  EXPECT_FALSE(menu->DispatchShortCut('S', MK_CONTROL, false));
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(saves, 0);
  // The command number of the built menu reaches the same item.
  ASSERT_NE(menu->Handle(), nullptr);
  EXPECT_EQ(menu->FindItem(quit->Command()), quit);
  EXPECT_TRUE(DispatchMenuCommand(quit->Command()));
  EXPECT_EQ(quits, 2);
}

TEST_F(MenuTest, AccessKeysOfOwnerDrawnItemsAnswerMenuChar) {
  auto* popup = new TPopupMenu(&owner_);
  popup->SetOwnerDraw(true);
  AddItem(popup->Items(), "&Open");
  AddItem(popup->Items(), "-");
  AddItem(popup->Items(), "\xCD\xCB\xB3\xF6(&Q)");
  TMessage message{WM_MENUCHAR, MAKEWPARAM('q', MF_POPUP), reinterpret_cast<LPARAM>(popup->Handle()), 0};
  ASSERT_TRUE(HandleMenuChar(message));
  EXPECT_EQ(LOWORD(message.result), 2);
  EXPECT_EQ(HIWORD(message.result), MNC_EXECUTE);
  TMessage unknown{WM_MENUCHAR, MAKEWPARAM('z', MF_POPUP), reinterpret_cast<LPARAM>(popup->Handle()), 0};
  EXPECT_FALSE(HandleMenuChar(unknown));
}

TEST_F(MenuTest, ChangesNotifyAndRebuildTheHandle) {
  auto* menu = new TMainMenu(&owner_);
  int changes = 0;
  menu->OnChange = [&](TComponent*, TMenuItem*, bool) { ++changes; };
  TMenuItem* item = AddItem(menu->Items(), "&Program");
  ASSERT_EQ(GetMenuItemCount(menu->Handle()), 1);
  const int before = changes;
  AddItem(menu->Items(), "&Help");
  EXPECT_GT(changes, before);
  EXPECT_EQ(GetMenuItemCount(menu->Handle()), 2);
  item->SetChecked(true);
  EXPECT_TRUE(GetMenuState(menu->Handle(), 0, MF_BYPOSITION) & MF_CHECKED);
  delete item;
  EXPECT_EQ(GetMenuItemCount(menu->Handle()), 1);
}

}  // namespace
