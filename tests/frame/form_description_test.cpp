// A skinned form read from a stored description, as the main window's holds one: its
// title-bar buttons and sections, its caption font and its owner-drawn menu.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "controls/main_menu.h"
#include "controls/menu_classes.h"
#include "frame/form_classes.h"
#include "frame/menu_bar.h"
#include "tests/frame/form_test_support.h"
#include "tests/support/creation_recorder.h"
#include "tests/support/window_message_counter.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"
#include "toolkit/panel.h"
#include "toolkit/standard_classes.h"
#include "toolkit/user_handles.h"

namespace {

std::string BmpHex(int width, int height, TColor colour) {
  Bitmap bitmap;
  bitmap.SetSize(width, height);
  bitmap.Canvas().Brush().SetColor(colour);
  bitmap.Canvas().FillRect({0, 0, width, height});
  std::string text = "{ ";
  char pair[3];
  for (const std::uint8_t b : bitmap.SaveToBmpBytes()) {
    std::snprintf(pair, sizeof pair, "%02X", b);
    text += pair;
  }
  return text + " }";
}

TEST(FormDescriptionTest, MainWindowFormIsReadWithItsButtonsSectionsAndMenu) {
  RegisterStandardClasses();
  RegisterMenuClasses();
  RegisterFormClasses();
  TForm& host = SharedHost();
  const std::string pictures = " PicNormal = " + BmpHex(17, 17, clRed) + " PicMouseOn = " + BmpHex(17, 17, clLime) +
                               " PicMouseDown = " + BmpHex(17, 17, clBlue);
  const std::string text =
      "object Host: TForm\n"
      "  object suiForm1: TsuiForm\n"
      "    UIStyle = MacOS\n"
      "    UIStyleAutoUpdateSub = False\n"
      "    TitleBarCustom = False\n"
      "    Caption = \"Tarnwick动态域名解析客户端\"\n"
      "    BorderColor = 8355711\n"
      "    BorderWidth = 1\n"
      "    Color = clWindow\n"
      "    Font.Charset = DEFAULT_CHARSET\n"
      "    Font.Color = clBlack\n"
      "    Font.Height = -11\n"
      "    Font.Name = \"Tahoma\"\n"
      "    Font.Style = [fsBold]\n"
      "    TitleBarButtons = <\n"
      "      item UIStyle = MacOS ButtonType = suiClose Transparent = False Top = 4" + pictures + " end\n"
      "      item UIStyle = MacOS ButtonType = suiMin Transparent = False Top = 4" + pictures + " end>\n"
      "    TitleBarSections = <\n"
      "      item AutoSize = True Width = 48 Align = suiLeft Picture = " + BmpHex(48, 23, clGray) + " end\n"
      "      item AutoSize = True Width = 48 Align = suiRight Picture = " + BmpHex(48, 23, clGray) + " end\n"
      "      item Width = 10 Align = suiClient Picture = " + BmpHex(49, 23, clSilver) + " Stretch = True end>\n"
      "    Menu = suiMainMenu1\n"
      "    MenuBarColor = 15198183\n"
      "    MenuBarToColor = 15198183\n"
      "    MenuBarHeight = 20\n"
      "    RoundCorner = 0\n"
      "    RoundCornerBottom = 0\n"
      "    TitleBarDrawAppIcon = True\n"
      "    InactiveCaptionColor = clInactiveCaption\n"
      "    Version = \"6.4\"\n"
      "  end\n"
      "  object suiMainMenu1: TsuiMainMenu\n"
      "    UIStyle = MacOS\n"
      "    object P1: TMenuItem\n"
      "      Caption = \"程序(&P)\"\n"
      "      object I1: TMenuItem\n"
      "        Caption = \"安装服务(&I)\"\n"
      "      end\n"
      "    end\n"
      "    object H1: TMenuItem\n"
      "      Caption = \"帮助(&H)\"\n"
      "      object H2: TMenuItem\n"
      "        Caption = \"使用帮助(&E)\"\n"
      "      end\n"
      "    end\n"
      "    object U1: TMenuItem\n"
      "      Caption = \"用户(&U)\"\n"
      "      object R2: TMenuItem\n"
      "        Caption = \"用户注册(&R)\"\n"
      "      end\n"
      "    end\n"
      "  end\n"
      "end\n";
  ReadDescription(host, text, "main.dfm", HandlerTable());
  auto* form = dynamic_cast<TsuiForm*>(host.FindComponent("suiForm1"));
  auto* menu = dynamic_cast<TsuiMainMenu*>(host.FindComponent("suiMainMenu1"));
  ASSERT_NE(form, nullptr);
  ASSERT_NE(menu, nullptr);
  Pump();
  EXPECT_EQ(form->HostForm(), &host);
  EXPECT_EQ(form->UIStyle(), TsuiUIStyle::MacOS);
  EXPECT_EQ(form->Color(), clWindow);
  EXPECT_EQ(form->BorderColor(), 0x7F7F7Fu);
  EXPECT_EQ(form->Version(), "6.4");
  EXPECT_TRUE(form->Font().Bold());
  EXPECT_EQ(form->TitleBar()->Font().Name(), "Tahoma");
  ASSERT_EQ(form->TitleBarButtons()->Count(), 2);
  EXPECT_EQ(form->TitleBarButtons()->Item(0).ButtonType(), TsuiTitleBarBtnType::suiClose);
  EXPECT_EQ(form->TitleBarButtons()->Item(1).ButtonType(), TsuiTitleBarBtnType::suiMin);
  ASSERT_EQ(form->TitleBarSections()->Count(), 3);
  EXPECT_EQ(form->TitleBarSections()->Item(2).Picture().Width(), 49);
  EXPECT_EQ(menu->MenuForm(), form);
  ASSERT_NE(form->MenuBar(), nullptr);
  ASSERT_EQ(form->MenuBar()->ButtonCount(), 3);
  EXPECT_EQ(form->MenuBar()->Button(0)->Caption(), "程序(&P)");
  EXPECT_EQ(form->MenuBar()->Button(2)->Caption(), "用户(&U)");
  EXPECT_EQ(form->MenuBarHeight(), 20);
  // The frame beside the client area shows the stored colour, not the style's.
  const Bitmap frame = FramePicture(*form);
  const SIZE size = WindowSize(host.Handle());
  EXPECT_EQ(frame.Pixel(0, size.cy - 10), 0x7F7F7Fu);
  EXPECT_EQ(frame.Pixel(1, size.cy - 10), ColorToRGB(clWindow));
  delete form;
  delete menu;
  Pump();
}

// A dialog-framed window with a skinned form and a panel on it, as a program stores it.
constexpr char kSkinnedHostDescription[] =
    "object Host: TForm\n"
    "  Left = 160\n"
    "  Top = 140\n"
    "  BorderStyle = bsDialog\n"
    "  ClientWidth = 254\n"
    "  ClientHeight = 181\n"
    "  object suiForm1: TsuiForm\n"
    "    UIStyle = MacOS\n"
    "    BorderColor = 8355711\n"
    "    BorderWidth = 1\n"
    "    Color = clWindow\n"
    "    object Panel1: TPanel\n"
    "      Left = 20\n"
    "      Top = 30\n"
    "      Width = 100\n"
    "      Height = 40\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST(FormDescriptionTest, FormReadWithoutWindowGetsItsWindowsWhenTheyAreNeeded) {
  RegisterStandardClasses();
  RegisterFormClasses();
  auto* host = new TForm(nullptr);
  ASSERT_FALSE(host->HandleAllocated());
  CreationRecorder recorder;
  ReadDescription(*host, kSkinnedHostDescription, "host.dfm", HandlerTable());
  auto* form = dynamic_cast<TsuiForm*>(host->FindComponent("suiForm1"));
  auto* panel = dynamic_cast<TPanel*>(host->FindComponent("Panel1"));
  ASSERT_NE(form, nullptr);
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(host->HandleAllocated());
  EXPECT_TRUE(CreationRecorder::Created().empty());
  // Made now, the window is taken over as it would be at once on a form that has one.
  host->Show();
  Pump();
  ASSERT_TRUE(host->HandleAllocated());
  EXPECT_EQ(GetWindowLongA(host->Handle(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(GetParent(form->TitleBar()->Handle()), form->Handle());
  const Bitmap frame = FramePicture(*form);
  const SIZE size = WindowSize(host->Handle());
  EXPECT_EQ(frame.Pixel(0, size.cy - 10), 0x7F7F7Fu);
  EXPECT_EQ(frame.Pixel(1, size.cy - 10), ColorToRGB(clWindow));
  // Each window was made where the description put it, instead of being made at the
  // defaults and moved by every property that followed.
  const auto& created = CreationRecorder::Created();
  const auto panel_creation = created.find(panel->Handle());
  ASSERT_NE(panel_creation, created.end());
  EXPECT_EQ(panel_creation->second.left, 20);
  EXPECT_EQ(panel_creation->second.top, 30);
  EXPECT_EQ(panel_creation->second.right, 120);
  EXPECT_EQ(panel_creation->second.bottom, 70);
  EXPECT_EQ(created.count(host->Handle()), 1u);
  // The host lost its caption before the skinned form was made, so the form was made
  // filling the client area that it fills now.
  RECT client;
  GetClientRect(host->Handle(), &client);
  ASSERT_EQ(created.count(form->Handle()), 1u);
  EXPECT_TRUE(EqualRect(&created.at(form->Handle()), &client));
  // Shown, the window shows the skinned frame: the stored border colour at its edge.
  const Bitmap shot = WindowShot(host->Handle());
  EXPECT_EQ(shot.Pixel(0, size.cy - 10), 0x7F7F7Fu);
  delete host;
  Pump();
}

std::vector<std::vector<TColor>> Rows(const Bitmap& picture) {
  std::vector<std::vector<TColor>> rows;
  for (int y = 0; y < picture.Height(); ++y) rows.push_back(picture.RowColors(y));
  return rows;
}

// The title bar is painted once for the two or three frame messages that each activation
// and each change of activation brings, and in the colours of the new state.
TEST(FormDescriptionTest, TheTitleBarIsPaintedOnceAsTheWindowAppearsAndOnceForEachActivationChange) {
  RegisterStandardClasses();
  RegisterFormClasses();
  auto* host = new TForm(nullptr);
  ReadDescription(*host, kSkinnedHostDescription, "host.dfm", HandlerTable());
  auto* form = dynamic_cast<TsuiForm*>(host->FindComponent("suiForm1"));
  ASSERT_NE(form, nullptr);
  form->SetCaption("Tarnwick");
  TsuiTitleBar& title_bar = *form->TitleBar();
  {
    WindowMessageCounter paints;
    ASSERT_TRUE(paints.Hooked());
    host->Show();
    Pump();
    EXPECT_EQ(paints.PaintsOf(title_bar.Handle()), 1);
  }
  ASSERT_TRUE(title_bar.FormActive());
  const auto active = Rows(WindowShot(title_bar.Handle()));

  TForm other(nullptr);
  other.SetBounds(600, 500, 200, 120);
  {
    WindowMessageCounter paints;
    other.Show();
    Pump();
    ASSERT_EQ(GetForegroundWindow(), other.Handle());
    EXPECT_FALSE(title_bar.FormActive());
    EXPECT_EQ(paints.PaintsOf(title_bar.Handle()), 1);
    EXPECT_NE(Rows(WindowShot(title_bar.Handle())), active) << "the inactive caption looks like the active one";
  }
  {
    WindowMessageCounter paints;
    SetForegroundWindow(host->Handle());
    Pump();
    EXPECT_TRUE(title_bar.FormActive());
    EXPECT_EQ(paints.PaintsOf(title_bar.Handle()), 1);
    EXPECT_EQ(Rows(WindowShot(title_bar.Handle())), active);
  }
  delete host;
  Pump();
}

}  // namespace
