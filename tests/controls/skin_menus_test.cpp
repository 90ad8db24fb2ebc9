#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/main_menu.h"
#include "controls/menu_classes.h"
#include "controls/menu_form.h"
#include "controls/popup_menu.h"
#include "skin/builtin_style_table.h"
#include "skin/file_theme.h"
#include "tests/controls/menu_pictures.h"
#include "tests/skin/skin_fixture.h"
#include "toolkit/description_reader.h"
#include "toolkit/form.h"
#include "toolkit/published_properties.h"
#include "toolkit/standard_classes.h"

namespace {

// One form for every test: Wine takes its time over each top-level window.
class SkinMenusTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterStandardClasses();
    RegisterMenuClasses();
    RegisterFileThemeClass();
    form_ = new TForm(nullptr);
  }
  static void TearDownTestSuite() {
    delete form_;
    form_ = nullptr;
  }
  void TearDown() override {
    while (form_->ComponentCount() > 0) delete form_->Components().back();
  }
  TMenuItem* AddItem(TMenuItem& parent, const std::string& caption) {
    auto* item = new TMenuItem(form_);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
  }
  // The item's own handler draws it on a fresh picture.
  static ItemPicture DrawnByItem(TMenuItem& item, bool selected = false) {
    ItemPicture picture(120, 21);
    item.DrawItem(picture.GetCanvas(), {0, 0, 120, 21}, selected);
    return picture;
  }

  static TForm* form_;
};

TForm* SkinMenusTest::form_ = nullptr;

template <typename Menu>
void ExpectStyleLook(const Menu& menu, TsuiUIStyle style) {
  const bool mac = style == TsuiUIStyle::MacOS;
  EXPECT_EQ(menu.UIStyle(), style);
  EXPECT_EQ(menu.BarWidth(), 26);
  EXPECT_EQ(menu.MenuItemHeight(), mac ? 20 : 21);
  EXPECT_EQ(menu.SeparatorHeight(), mac ? 12 : 5);
  EXPECT_EQ(menu.SeparatorColor(), mac ? 0u : 0x848284u);
  EXPECT_EQ(menu.BarColor(), GetBuiltInColor(style, kMenuLeftBarColor));
  EXPECT_EQ(menu.BarToColor(), GetBuiltInColor(style, kMenuLeftBarColor));
  EXPECT_EQ(menu.Color(), GetBuiltInColor(style, kMenuItemColor));
  EXPECT_EQ(menu.FontColor(), GetBuiltInColor(style, kMenuFontColor));
  EXPECT_EQ(menu.SelectedBorderColor(), GetBuiltInColor(style, kMenuSelectedBorderColor));
  EXPECT_EQ(menu.SelectedColor(), GetBuiltInColor(style, kMenuSelectedColor));
  EXPECT_EQ(menu.SelectedFontColor(), GetBuiltInColor(style, kMenuSelectedFontColor));
}

TEST_F(SkinMenusTest, StyleSetterDerivesHeightsBarAndColoursInBothMenus) {
  auto* popup = new TsuiPopupMenu(form_);
  auto* main = new TsuiMainMenu(form_);
  // Without a skinned form on the owner, both start in DeepBlue.
  ExpectStyleLook(*popup, TsuiUIStyle::DeepBlue);
  ExpectStyleLook(*main, TsuiUIStyle::DeepBlue);
  for (const TsuiUIStyle style : {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::Protein,
                                  TsuiUIStyle::BlueGlass, TsuiUIStyle::DeepBlue}) {
    SCOPED_TRACE(std::string(UIStyleIdentifier(style)));
    popup->SetUIStyle(style);
    main->SetUIStyle(style);
    ExpectStyleLook(*popup, style);
    ExpectStyleLook(*main, style);
  }
}

TEST_F(SkinMenusTest, StyleLeavesBorderFrameAndFontAlone) {
  auto* popup = new TsuiPopupMenu(form_);
  EXPECT_EQ(popup->BorderColor(), clBlack);
  EXPECT_FALSE(popup->FlatMenu());
  EXPECT_EQ(popup->FontName(), "MS Sans Serif");
  EXPECT_EQ(popup->FontSize(), 8);
  EXPECT_EQ(popup->FontCharset(), DEFAULT_CHARSET);
  EXPECT_TRUE(popup->UseSystemFont());
  popup->SetBorderColor(clRed);
  popup->SetFlatMenu(true);
  popup->SetFontName("Arial");
  popup->SetUseSystemFont(false);
  popup->SetUIStyle(TsuiUIStyle::WinXP);
  EXPECT_EQ(popup->BorderColor(), clRed);
  EXPECT_TRUE(popup->FlatMenu());
  EXPECT_EQ(popup->FontName(), "Arial");
  EXPECT_FALSE(popup->UseSystemFont());
}

TEST_F(SkinMenusTest, MacOSKeepsItsHeightsExceptTheMainMenuItemHeight) {
  auto* popup = new TsuiPopupMenu(form_);
  auto* main = new TsuiMainMenu(form_);
  popup->SetUIStyle(TsuiUIStyle::MacOS);
  main->SetUIStyle(TsuiUIStyle::MacOS);
  popup->SetSeparatorHeight(20);
  main->SetSeparatorHeight(20);
  popup->SetMenuItemHeight(30);
  main->SetMenuItemHeight(30);
  EXPECT_EQ(popup->SeparatorHeight(), 12);
  EXPECT_EQ(main->SeparatorHeight(), 12);
  EXPECT_EQ(popup->MenuItemHeight(), 20);
  EXPECT_EQ(main->MenuItemHeight(), 30);

  popup->SetUIStyle(TsuiUIStyle::WinXP);
  main->SetUIStyle(TsuiUIStyle::WinXP);
  popup->SetSeparatorHeight(20);
  main->SetSeparatorHeight(20);
  popup->SetMenuItemHeight(30);
  EXPECT_EQ(popup->SeparatorHeight(), 20);
  EXPECT_EQ(main->SeparatorHeight(), 20);
  EXPECT_EQ(popup->MenuItemHeight(), 30);
}

TEST_F(SkinMenusTest, OwnerDrawAlwaysReadsTrue) {
  auto* popup = new TsuiPopupMenu(form_);
  auto* main = new TsuiMainMenu(form_);
  SetPublishedProperty(*popup, "OwnerDraw", "False");
  SetPublishedProperty(*main, "OwnerDraw", "False");
  EXPECT_EQ(GetPublishedProperty(*popup, "OwnerDraw"), "True");
  EXPECT_EQ(GetPublishedProperty(*main, "OwnerDraw"), "True");
  EXPECT_TRUE(static_cast<TMenu*>(popup)->OwnerDraw());
  EXPECT_TRUE(static_cast<TMenu*>(main)->OwnerDraw());
}

TEST_F(SkinMenusTest, PropertiesAreSetAndReadByName) {
  auto* popup = new TsuiPopupMenu(form_);
  SetPublishedProperty(*popup, "UIStyle", "MacOS");
  SetPublishedProperty(*popup, "BarWidth", "10");
  SetPublishedProperty(*popup, "BarColor", "clBlack");
  SetPublishedProperty(*popup, "SelectedColor", "12874553");
  SetPublishedProperty(*popup, "FontCharset", "GB2312_CHARSET");
  EXPECT_EQ(popup->UIStyle(), TsuiUIStyle::MacOS);
  EXPECT_EQ(popup->BarWidth(), 10);
  EXPECT_EQ(popup->BarColor(), clBlack);
  EXPECT_EQ(popup->SelectedColor(), 0xC47339u);
  EXPECT_EQ(popup->FontCharset(), GB2312_CHARSET);
  EXPECT_EQ(GetPublishedProperty(*popup, "UIStyle"), "MacOS");
  EXPECT_EQ(GetPublishedProperty(*popup, "FontCharset"), "GB2312_CHARSET");
  EXPECT_THROW(SetPublishedProperty(*popup, "UIStyle", "Aqua"), PropertyValueError);
  EXPECT_EQ(popup->UIStyle(), TsuiUIStyle::MacOS);
}

Bytes MenuSkin() {
  return MakeSkinFile(BuildSkinDataFile({IntegerEntry("SKIN2_LEFTBARSTARTCOLOR", 0x000009),
                                         IntegerEntry("SKIN2_LEFTBARENDCOLOR", 0x00000A),
                                         IntegerEntry("SKIN2_MENUITEMCOLOR", 0x00000B),
                                         IntegerEntry("SKIN2_MENUITEMFONTCOLOR", 0x00000C),
                                         IntegerEntry("SKIN2_SELECTEDMENUCOLOR", 0x00000D),
                                         IntegerEntry("SKIN2_SELECTEDMENUBORDERCOLOR", 0x00000E),
                                         IntegerEntry("SKIN2_SELECTEDMENUFONTCOLOR", 0x00000F)}),
                      {});
}

TEST_F(SkinMenusTest, FileThemeGivesTheColoursAndItsLossFallsBackToDeepBlue) {
  SkinFolder folder;
  auto* theme = new TsuiFileTheme(form_);
  theme->SetThemeFile(folder.Write("menu.skn", MenuSkin()));
  ASSERT_TRUE(theme->Ready());
  auto* popup = new TsuiPopupMenu(form_);
  auto* main = new TsuiMainMenu(form_);
  popup->SetUIStyle(TsuiUIStyle::FromThemeFile);
  main->SetUIStyle(TsuiUIStyle::FromThemeFile);
  popup->SetFileTheme(theme);
  main->SetFileTheme(theme);
  for (const auto& [name, bar, bar_to, color, font, selected, border, selected_font] :
       {std::tuple{"popup", popup->BarColor(), popup->BarToColor(), popup->Color(), popup->FontColor(),
                   popup->SelectedColor(), popup->SelectedBorderColor(), popup->SelectedFontColor()},
        std::tuple{"main", main->BarColor(), main->BarToColor(), main->Color(), main->FontColor(),
                   main->SelectedColor(), main->SelectedBorderColor(), main->SelectedFontColor()}}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(bar, 9u);
    EXPECT_EQ(bar_to, 10u);
    EXPECT_EQ(color, 11u);
    EXPECT_EQ(font, 12u);
    EXPECT_EQ(selected, 13u);
    EXPECT_EQ(border, 14u);
    EXPECT_EQ(selected_font, 15u);
  }

  delete theme;
  EXPECT_EQ(popup->FileTheme(), nullptr);
  EXPECT_EQ(main->FileTheme(), nullptr);
  ExpectStyleLook(*popup, TsuiUIStyle::DeepBlue);
  ExpectStyleLook(*main, TsuiUIStyle::DeepBlue);
}

TEST_F(SkinMenusTest, ThemeOwnedElsewhereIsForgottenToo) {
  TComponent elsewhere(nullptr);
  auto* theme = new TsuiFileTheme(&elsewhere);
  auto* popup = new TsuiPopupMenu(form_);
  popup->SetUIStyle(TsuiUIStyle::WinXP);
  popup->SetFileTheme(theme);
  delete theme;
  EXPECT_EQ(popup->FileTheme(), nullptr);
  EXPECT_EQ(popup->UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST_F(SkinMenusTest, ItemsAddedAfterCreationAreHookedAtAnyDepth) {
  auto* popup = new TsuiPopupMenu(form_);
  popup->SetBarWidth(26);
  popup->SetBarColor(RGBColor(0, 0, 200));
  popup->SetBarToColor(RGBColor(0, 0, 200));
  TMenuItem* top = AddItem(popup->Items(), "Top");
  auto* loose = new TMenuItem(form_);
  loose->SetCaption("Loose");
  TMenuItem* inner = AddItem(*loose, "Inner");
  top->Add(loose);  // a whole branch joins the menu
  TMenuItem* deeper = AddItem(*inner, "Deeper");
  for (TMenuItem* item : {top, loose, inner, deeper}) {
    SCOPED_TRACE(item->Caption());
    ASSERT_TRUE(item->OnDrawItem);
    ASSERT_TRUE(item->OnMeasureItem);
    EXPECT_EQ(DrawnByItem(*item).At(3, 10), RGBColor(0, 0, 200)) << "the menu's bar";
    ItemPicture screen(1, 1);
    int width = 0, height = 0;
    item->MeasureItem(screen.GetCanvas(), width, height);
    EXPECT_EQ(height, 21);
    EXPECT_EQ(width, screen.GetCanvas().TextWidth(item->Caption()) + 26 + 40);
  }
}

TEST_F(SkinMenusTest, HandlersOfAGoneMenuDoNothing) {
  TComponent elsewhere(nullptr);
  auto* popup = new TsuiPopupMenu(form_);
  auto* item = new TMenuItem(&elsewhere);
  item->SetCaption("Outlives");
  popup->Items().Add(item);
  ASSERT_TRUE(item->OnDrawItem);
  delete popup;
  ItemPicture picture = DrawnByItem(*item);
  EXPECT_EQ(picture.Count(kUntouched, 0, 0, 120, 21), 120 * 21);
  ItemPicture screen(1, 1);
  int width = 7, height = 9;
  item->OnMeasureItem(item, screen.GetCanvas(), width, height);
  EXPECT_EQ(width, 7);
  EXPECT_EQ(height, 9);
}

TEST_F(SkinMenusTest, MainMenuImagesReadNoneWhileItsOwnListStandsIn) {
  auto* main = new TsuiMainMenu(form_);
  EXPECT_EQ(main->Images(), nullptr);
  EXPECT_EQ(static_cast<TMenu*>(main)->Images(), &main->InternalImages());
  EXPECT_EQ(main->InternalImages().Count(), 1);
  ImageList mine(16, 16);
  main->SetImages(&mine);
  EXPECT_EQ(main->Images(), &mine);
  main->SetImages(nullptr);
  EXPECT_EQ(main->Images(), nullptr);
  EXPECT_EQ(static_cast<TMenu*>(main)->Images(), &main->InternalImages());

  main->SetBarColor(clWhite);
  main->SetBarToColor(clWhite);
  TMenuItem* file = AddItem(main->Items(), "File");
  TMenuItem* checked = AddItem(*file, "");
  checked->SetChecked(true);
  const ItemPicture picture = DrawnByItem(*checked);
  EXPECT_GT(picture.Count(clBlack, 4, 3, 20, 19), 0) << "the check mark from InternalImages";
}

TEST_F(SkinMenusTest, MainMenuTakesTheFormsSystemMenuBarAway) {
  auto* plain = new TMainMenu(form_);
  form_->SetMenu(plain);
  auto* main = new TsuiMainMenu(form_);
  EXPECT_EQ(form_->Menu(), nullptr);
  EXPECT_EQ(main->Owner(), form_);
}

class RecordingMenuForm : public TsuiMenuForm {
 public:
  void RebuildMenuBar() override { ++rebuilds; }
  void SyncMenuBarItems() override { ++syncs; }
  void UpdateMenuBarFont() override { ++font_updates; }
  int rebuilds = 0, syncs = 0, font_updates = 0;
};

TEST_F(SkinMenusTest, MainMenuCallsBackIntoItsForm) {
  auto* main = new TsuiMainMenu(form_);
  RecordingMenuForm bar;
  main->SetMenuForm(&bar);
  TMenuItem* file = AddItem(main->Items(), "File");
  EXPECT_EQ(bar.syncs, 1);
  file->SetEnabled(false);
  EXPECT_EQ(bar.syncs, 2);
  main->SetUseSystemFont(false);
  EXPECT_EQ(bar.font_updates, 1);
  EXPECT_FALSE(main->UseSystemFont());
  main->Loaded();
  EXPECT_EQ(bar.rebuilds, 1);
  main->SetMenuForm(nullptr);
  file->SetCaption("Program");
  main->SetUseSystemFont(true);
  EXPECT_EQ(bar.syncs, 2);
  EXPECT_EQ(bar.font_updates, 1);
}

TEST_F(SkinMenusTest, StoredDescriptionAppliesStyleFirstAndHooksItemsOnLoad) {
  TForm host(nullptr);
  const char* text =
      "object Host: TForm\n"
      "  object Theme1: TsuiFileTheme\n"
      "  end\n"
      "  object Menu2: TsuiPopupMenu\n"
      "    UIStyle = WinXP\n"
      "    FileTheme = Theme1\n"
      "  end\n"
      "  object Menu1: TsuiPopupMenu\n"
      "    UIStyle = MacOS\n"
      "    SeparatorHeight = 20\n"
      "    MenuItemHeight = 30\n"
      "    BarWidth = 10\n"
      "    SelectedColor = 12874553\n"
      "    object Open1: TMenuItem\n"
      "      Caption = \"&Open\"\n"
      "    end\n"
      "  end\n"
      "  object Main1: TsuiMainMenu\n"
      "    UIStyle = MacOS\n"
      "    MenuItemHeight = 30\n"
      "    object File1: TMenuItem\n"
      "      Caption = \"&File\"\n"
      "      object Quit1: TMenuItem\n"
      "        Caption = \"&Quit\"\n"
      "      end\n"
      "    end\n"
      "  end\n"
      "end\n";
  // The menu's own handlers replace whatever the items carry when loading ends.
  ReadDescription(host, text, "menus.dfm", HandlerTable());
  auto* popup = dynamic_cast<TsuiPopupMenu*>(host.FindComponent("Menu1"));
  auto* main = dynamic_cast<TsuiMainMenu*>(host.FindComponent("Main1"));
  ASSERT_NE(popup, nullptr);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(popup->UIStyle(), TsuiUIStyle::MacOS);
  auto* themed = dynamic_cast<TsuiPopupMenu*>(host.FindComponent("Menu2"));
  ASSERT_NE(themed, nullptr);
  EXPECT_EQ(themed->FileTheme(), host.FindComponent("Theme1"));
  EXPECT_EQ(GetPublishedProperty(*themed, "FileTheme"), "Theme1");
  EXPECT_EQ(themed->UIStyle(), TsuiUIStyle::WinXP);
  EXPECT_EQ(popup->SeparatorHeight(), 12);
  EXPECT_EQ(popup->MenuItemHeight(), 20);
  EXPECT_EQ(popup->BarWidth(), 10);
  EXPECT_EQ(popup->SelectedColor(), 0xC47339u);
  EXPECT_EQ(main->MenuItemHeight(), 30);
  for (const char* name : {"Open1", "File1", "Quit1"}) {
    auto* item = dynamic_cast<TMenuItem*>(host.FindComponent(name));
    ASSERT_NE(item, nullptr) << name;
    ItemPicture screen(1, 1);
    int width = 0, height = 0;
    item->MeasureItem(screen.GetCanvas(), width, height);
    EXPECT_EQ(height, std::string(name) == "Open1" ? 20 : 30) << name;
  }
}

}  // namespace
