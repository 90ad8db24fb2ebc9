// A form's stored client size is what the user gets, whatever the menu bar takes.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "toolkit/application.h"
#include "toolkit/description_reader.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/standard_classes.h"

namespace {

enum class MenuMoment { BeforeClientSize, AfterClientSize, AfterShow };

struct ClientSizeCase {
  const char* description;
  MenuMoment moment;
  int top_level_items;
  int client_width;
  int client_height;
  bool wraps;
};

void PrintTo(const ClientSizeCase& c, std::ostream* out) {
  *out << c.description << ": " << c.top_level_items << " items, client " << c.client_width << "x"
       << c.client_height;
}

class StoredClientSizeTest : public ::testing::TestWithParam<ClientSizeCase> {};

RECT ShownClientRect(TForm& form) {
  Application().ProcessMessages();
  RECT client{-1, -1, -1, -1};
  GetClientRect(form.Handle(), &client);
  return client;
}

TEST_P(StoredClientSizeTest, HoldsOnceTheMenuIsAssigned) {
  const ClientSizeCase& c = GetParam();
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  auto* menu = new TMainMenu(&form);
  for (int i = 0; i < c.top_level_items; ++i) {
    auto* item = new TMenuItem(&form);
    item->SetCaption("\xb3\xcc\xd0\xf2 item " + std::to_string(i) + "(&" + std::to_string(i % 10) + ")");
    menu->Items().Add(item);
  }
  if (c.moment == MenuMoment::BeforeClientSize) form.SetMenu(menu);
  form.SetStoredClientHeight(c.client_height);
  form.SetStoredClientWidth(c.client_width);
  if (c.moment == MenuMoment::AfterClientSize) form.SetMenu(menu);
  form.Show();
  if (c.moment == MenuMoment::AfterShow) form.SetMenu(menu);

  const RECT client = ShownClientRect(form);
  EXPECT_EQ(client.right, c.client_width);
  EXPECT_EQ(client.bottom, c.client_height);
  // The menu really is there and really takes room: the window is taller than its client.
  EXPECT_EQ(GetMenu(form.Handle()), menu->Handle());
  RECT window;
  GetWindowRect(form.Handle(), &window);
  EXPECT_GT(window.bottom - window.top - client.bottom, GetSystemMetrics(SM_CYMENU));
  MENUBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetMenuBarInfo(form.Handle(), OBJID_MENU, 0, &bar));
  const int bar_height = bar.rcBar.bottom - bar.rcBar.top;
  if (c.wraps) EXPECT_GE(bar_height, 2 * GetSystemMetrics(SM_CYMENU) - 2) << "the bar should wrap";
  else EXPECT_LT(bar_height, 2 * GetSystemMetrics(SM_CYMENU) - 2) << "the bar should fit one line";
}

const ClientSizeCase kClientSizes[] = {
    {"menu_before_the_size", MenuMoment::BeforeClientSize, 2, 254, 181, false},
    {"menu_after_the_size", MenuMoment::AfterClientSize, 2, 254, 181, false},
    {"menu_after_the_window_is_shown", MenuMoment::AfterShow, 2, 254, 181, false},
    // Eight long captions cannot sit on one line 150 pixels wide: the bar wraps.
    {"wrapping_menu_bar", MenuMoment::AfterClientSize, 8, 150, 120, true},
    {"wrapping_menu_bar_after_show", MenuMoment::AfterShow, 8, 150, 120, true},
};

INSTANTIATE_TEST_SUITE_P(Table, StoredClientSizeTest, ::testing::ValuesIn(kClientSizes),
                         [](const auto& info) { return std::string(info.param.description); });

TEST(StoredClientSizeDescriptionTest, ClientSizeReadBeforeTheMenuReferenceHolds) {
  RegisterStandardClasses();
  TForm form(nullptr);
  ReadDescription(form,
                  "object Form1: TForm\n"
                  "  BorderStyle = bsDialog\n"
                  "  ClientHeight = 181\n"
                  "  ClientWidth = 254\n"
                  "  Menu = MainMenu1\n"
                  "  object MainMenu1: TMainMenu\n"
                  "    object P1: TMenuItem\n"
                  "      Caption = \"&Program\"\n"
                  "    end\n"
                  "  end\n"
                  "end\n",
                  "form1.dfm", HandlerTable{});
  form.Show();
  const RECT client = ShownClientRect(form);
  EXPECT_EQ(client.right, 254);
  EXPECT_EQ(client.bottom, 181);
  ASSERT_NE(GetMenu(form.Handle()), nullptr);
}

TEST(StoredClientSizeDescriptionTest, AnExplicitResizeReplacesTheStoredClientSize) {
  TForm form(nullptr);
  form.SetStoredClientWidth(254);
  form.SetStoredClientHeight(181);
  form.SetBounds(10, 10, 400, 300);
  auto* menu = new TMainMenu(&form);
  auto* item = new TMenuItem(&form);
  item->SetCaption("&Program");
  menu->Items().Add(item);
  form.SetMenu(menu);
  form.Show();
  Application().ProcessMessages();
  RECT window;
  GetWindowRect(form.Handle(), &window);
  EXPECT_EQ(window.right - window.left, 400);
  EXPECT_EQ(window.bottom - window.top, 300);
}

}  // namespace
