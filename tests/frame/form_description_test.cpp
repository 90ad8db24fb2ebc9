// A skinned form read from a stored description, as the main window's holds one: its
// title-bar buttons and sections, its caption font and its owner-drawn menu.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "controls/main_menu.h"
#include "controls/menu_classes.h"
#include "frame/form_classes.h"
#include "frame/menu_bar.h"
#include "tests/frame/form_test_support.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"
#include "toolkit/standard_classes.h"

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

}  // namespace
