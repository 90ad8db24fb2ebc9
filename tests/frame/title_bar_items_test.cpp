// Sections and buttons as items: their rules, style pictures, copying, and the title
// bar's height and stored descriptions.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "frame/title_bar_classes.h"
#include "tests/frame/title_bar_test_support.h"
#include "tests/support/message_box_watch.h"
#include "toolkit/description_reader.h"
#include "toolkit/menu.h"

namespace {

Picture SolidPicture(int width, int height, TColor colour) {
  Bitmap bitmap;
  bitmap.SetSize(width, height);
  bitmap.Canvas().Brush().SetColor(colour);
  bitmap.Canvas().FillRect({0, 0, width, height});
  Picture picture;
  picture.SetBitmap(&bitmap);
  return picture;
}

bool SamePixels(const Picture& picture, const Bitmap& expected) {
  if (!picture.HasImage() || picture.Width() != expected.Width() || picture.Height() != expected.Height()) return false;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (picture.Graphic()->Pixel(x, y) != expected.Pixel(x, y)) return false;
  return true;
}

// ---- Sections ----

TEST_F(TitleBarTest, ASecondClientSectionIsRefusedWithTheMessage) {
  ASSERT_EQ(bar_->Sections().Count(), 3);
  TsuiTitleBarSection& left = bar_->Sections().Item(0);
  const SeenMessageBox seen = WatchMessageBox([&] { left.SetAlign(TsuiTitleBarAlign::suiClient); });
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "Sorry, only one section's Align property can be \"suiClient\"");
  EXPECT_TRUE(seen.has_ok);
  EXPECT_EQ(left.Align(), TsuiTitleBarAlign::suiLeft);
  EXPECT_FALSE(left.Stretch());
}

TEST_F(TitleBarTest, TheOnlyClientSectionIsAlwaysStretched) {
  bar_->Sections().Clear();
  TsuiTitleBarSection& section = bar_->Sections().Add();
  const SeenMessageBox none = WatchMessageBox([&] { section.SetAlign(TsuiTitleBarAlign::suiClient); });
  EXPECT_FALSE(none.found);
  EXPECT_EQ(section.Align(), TsuiTitleBarAlign::suiClient);
  EXPECT_TRUE(section.Stretch());
  section.SetStretch(false);
  EXPECT_TRUE(section.Stretch());
  section.SetAlign(TsuiTitleBarAlign::suiRight);
  section.SetStretch(false);
  EXPECT_FALSE(section.Stretch());
}

struct SectionWidthCase {
  const char* description;
  bool auto_size;
  bool picture_first;  // picture set before AutoSize, or after
  int width;
};

void PrintTo(const SectionWidthCase& c, std::ostream* os) { *os << c.description; }

class SectionWidthTest : public TitleBarTest, public ::testing::WithParamInterface<SectionWidthCase> {};

TEST_P(SectionWidthTest, WidthFollowsThePictureWhenAutoSized) {
  const SectionWidthCase& c = GetParam();
  TsuiTitleBarSection& section = bar_->Sections().Add();
  if (c.picture_first) section.SetPicture(SolidPicture(33, 5, clRed));
  section.SetAutoSize(c.auto_size);
  if (!c.picture_first) section.SetPicture(SolidPicture(33, 5, clRed));
  EXPECT_EQ(section.Width(), c.width);
}

INSTANTIATE_TEST_SUITE_P(Cases, SectionWidthTest, ::testing::Values(
    SectionWidthCase{"auto_size_then_picture", true, false, 33},
    SectionWidthCase{"picture_then_auto_size", true, true, 33},
    SectionWidthCase{"setting_auto_size_false_still_takes_the_width", false, true, 33},
    SectionWidthCase{"no_auto_size_keeps_the_default", false, false, 10}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(TitleBarTest, CopyingASectionTakesAllButCapSec) {
  TsuiTitleBarSections& sections = bar_->Sections();
  TsuiTitleBarSection& source = sections.Item(2);  // the MacOS client section
  source.SetCapSec(true);
  sections.Item(0).SetAlign(TsuiTitleBarAlign::suiRight);
  TsuiTitleBarSections copy(nullptr, {});
  copy.Assign(sections);
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Item(0).Align(), TsuiTitleBarAlign::suiRight);
  EXPECT_EQ(copy.Item(2).Align(), TsuiTitleBarAlign::suiClient);
  EXPECT_TRUE(copy.Item(2).Stretch());
  EXPECT_FALSE(copy.Item(2).CapSec());
  EXPECT_EQ(sections.Item(2).Width(), 10);
  EXPECT_EQ(copy.Item(2).Width(), 49) << "AutoSize comes last and, either value, takes the picture's width";
  EXPECT_EQ(copy.Item(0).Width(), 48);
  EXPECT_TRUE(copy.Item(0).AutoSize());
  EXPECT_EQ(copy.Item(1).Picture().Width(), 48);
  EXPECT_EQ(copy.Item(1).Picture().Graphic()->Pixel(3, 3), sections.Item(1).Picture().Graphic()->Pixel(3, 3));
}

TEST_F(TitleBarTest, EveryItemChangeRepaints) {
  form_.Update();
  bar_->Buttons().Clear();
  TsuiTitleBarSection& left = bar_->Sections().Item(0);
  left.SetPicture(SolidPicture(48, 23, clLime));
  const WindowDC dc(bar_->Handle());
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc.Get(), 40, 20)), clLime) << "on the screen without a paint message";
}

TEST_F(TitleBarTest, TheHeightFollowsTheFirstSection) {
  EXPECT_EQ(bar_->Height(), 23);
  EXPECT_TRUE(bar_->AutoSize());
  bar_->SetUIStyle(TsuiUIStyle::BlueGlass);
  EXPECT_EQ(bar_->Height(), 33);
  bar_->Sections().Item(0).SetPicture(SolidPicture(10, 40, clRed));
  bar_->SetAutoSize(false);
  EXPECT_EQ(bar_->Height(), 40) << "either value sets the height";
  EXPECT_FALSE(bar_->AutoSize());
}

TEST_F(TitleBarTest, AutoSizeWithoutSectionsStaysFalseAndKeepsTheHeight) {
  bar_->Sections().Clear();
  bar_->SetHeight(31);
  bar_->SetAutoSize(true);
  EXPECT_FALSE(bar_->AutoSize());
  EXPECT_EQ(bar_->Height(), 31);
}

TEST_F(TitleBarTest, CustomKeepsSectionsAndPicturesThroughStyleChanges) {
  bar_->SetCustom(true);
  bar_->SetUIStyle(TsuiUIStyle::WinXP);
  EXPECT_EQ(bar_->UIStyle(), TsuiUIStyle::WinXP);
  EXPECT_EQ(bar_->Height(), 23);
  EXPECT_TRUE(SamePixels(bar_->Buttons().Item(1).PicNormal(), StripFrame(TsuiUIStyle::MacOS, 16)));
  bar_->SetCustom(false);
  bar_->SetUIStyle(TsuiUIStyle::WinXP);
  EXPECT_EQ(bar_->Height(), 29);
}

TEST_F(TitleBarTest, TheStyleSetsTheHostsLimitsAndTheCaptionColour) {
  EXPECT_EQ(form_.MinWidth(), 130);
  EXPECT_EQ(form_.MinHeight(), 50);
  EXPECT_EQ(bar_->Font().Color(), clBlack);
  EXPECT_EQ(bar_->RoundCorner(), 0);
  bar_->SetUIStyle(TsuiUIStyle::BlueGlass);
  EXPECT_EQ(form_.MinWidth(), 270);
  EXPECT_EQ(bar_->Font().Color(), clWhite);
  EXPECT_EQ(bar_->RoundCorner(), 11);
  EXPECT_EQ(bar_->LeftBtnXOffset(), 4);
  EXPECT_EQ(bar_->RightBtnXOffset(), -3);
  bar_->SetUIStyle(TsuiUIStyle::MacOS);
}

// ---- Buttons ----

TEST_F(TitleBarTest, TheConstructorAddsControlBoxCloseMaximiseMinimise) {
  const TsuiTitleBarButtons& buttons = bar_->Buttons();
  ASSERT_EQ(buttons.Count(), 4);
  EXPECT_EQ(buttons.Item(0).ButtonType(), TsuiTitleBarBtnType::suiControlBox);
  EXPECT_EQ(buttons.Item(1).ButtonType(), TsuiTitleBarBtnType::suiClose);
  EXPECT_EQ(buttons.Item(2).ButtonType(), TsuiTitleBarBtnType::suiMax);
  EXPECT_EQ(buttons.Item(3).ButtonType(), TsuiTitleBarBtnType::suiMin);
  EXPECT_EQ(buttons.Owner(), bar_);
}

struct StylePictureCase {
  const char* description;
  TsuiUIStyle style;
  int button;
  int first_frame;
  bool transparent;
  int top;
};

void PrintTo(const StylePictureCase& c, std::ostream* os) { *os << c.description; }

class StylePictureTest : public TitleBarTest, public ::testing::WithParamInterface<StylePictureCase> {};

TEST_P(StylePictureTest, EachTypeTakesItsThreeFramesOfTheStrip) {
  const StylePictureCase& c = GetParam();
  bar_->SetUIStyle(c.style);
  const TsuiTitleBarButton& button = bar_->Buttons().Item(c.button);
  EXPECT_TRUE(SamePixels(button.PicNormal(), StripFrame(c.style, c.first_frame)));
  EXPECT_TRUE(SamePixels(button.PicMouseOn(), StripFrame(c.style, c.first_frame + 1)));
  EXPECT_TRUE(SamePixels(button.PicMouseDown(), StripFrame(c.style, c.first_frame + 2)));
  EXPECT_EQ(button.Transparent(), c.transparent);
  EXPECT_EQ(button.Top(), c.top);
  EXPECT_EQ(button.UIStyle(), c.style);
}

INSTANTIATE_TEST_SUITE_P(Styles, StylePictureTest, ::testing::Values(
    StylePictureCase{"macos_control_box", TsuiUIStyle::MacOS, 0, 1, false, 4},
    StylePictureCase{"macos_close", TsuiUIStyle::MacOS, 1, 16, false, 4},
    StylePictureCase{"macos_maximise", TsuiUIStyle::MacOS, 2, 7, false, 4},
    StylePictureCase{"macos_minimise", TsuiUIStyle::MacOS, 3, 13, false, 4},
    StylePictureCase{"winxp_close", TsuiUIStyle::WinXP, 1, 16, false, 5},
    StylePictureCase{"protein_minimise_transparent", TsuiUIStyle::Protein, 3, 13, true, 2},
    StylePictureCase{"blueglass_maximise_transparent", TsuiUIStyle::BlueGlass, 2, 7, true, 6}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(TitleBarTest, AHelpButtonTakesFramesFourToSix) {
  TsuiTitleBarButton& help = bar_->Buttons().Add();
  EXPECT_EQ(help.ButtonType(), TsuiTitleBarBtnType::suiCustom);
  EXPECT_FALSE(help.HasAllPictures());
  help.SetUIStyle(TsuiUIStyle::MacOS);
  help.SetButtonType(TsuiTitleBarBtnType::suiHelp);
  EXPECT_TRUE(SamePixels(help.PicNormal(), StripFrame(TsuiUIStyle::MacOS, 4)));
  EXPECT_TRUE(SamePixels(help.PicMouseDown(), StripFrame(TsuiUIStyle::MacOS, 6)));
}

TEST_F(TitleBarTest, ASecondControlBoxIsRefusedWithTheMessage) {
  TsuiTitleBarButton& close = bar_->Buttons().Item(1);
  const SeenMessageBox seen = WatchMessageBox([&] { close.SetButtonType(TsuiTitleBarBtnType::suiControlBox); });
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "Sorry, only one button's ButtonType property can be \"suiControlBox\"");
  EXPECT_TRUE(seen.has_ok);
  EXPECT_EQ(close.ButtonType(), TsuiTitleBarBtnType::suiClose);
  const SeenMessageBox other = WatchMessageBox([&] { close.SetButtonType(TsuiTitleBarBtnType::suiHelp); });
  EXPECT_FALSE(other.found);
  EXPECT_EQ(close.ButtonType(), TsuiTitleBarBtnType::suiHelp);
}

TEST_F(TitleBarTest, ACustomButtonKeepsItsPicturesButFollowsTheStylesTransparency) {
  TsuiTitleBarButton& custom = bar_->Buttons().Add();
  const Picture red = SolidPicture(9, 9, clRed);
  custom.SetPicNormal(red);
  custom.SetPicMouseOn(red);
  custom.SetPicMouseDown(red);
  custom.SetTop(7);
  custom.SetUIStyle(TsuiUIStyle::Protein);
  EXPECT_TRUE(custom.Transparent());
  EXPECT_EQ(custom.PicNormal().Graphic()->Pixel(4, 4), clRed);
  EXPECT_EQ(custom.Top(), 7);
  custom.SetUIStyle(TsuiUIStyle::WinXP);
  EXPECT_FALSE(custom.Transparent());
  EXPECT_EQ(custom.PicMouseDown().Graphic()->Pixel(4, 4), clRed);
}

TEST_F(TitleBarTest, CopyingAButtonTakesTheCopiedPicturesOverTheStyles) {
  TPopupMenu menu(nullptr);
  TsuiTitleBarButton& source = bar_->Buttons().Item(1);
  source.SetPicNormal(SolidPicture(5, 5, clRed));
  source.SetTop(9);
  source.SetVisible(false);
  source.SetControlBoxMenu(&menu);
  TsuiTitleBarButtons copy(nullptr);
  copy.Assign(bar_->Buttons());
  ASSERT_EQ(copy.Count(), 4);
  const TsuiTitleBarButton& copied = copy.Item(1);
  EXPECT_EQ(copied.ButtonType(), TsuiTitleBarBtnType::suiClose);
  EXPECT_FALSE(copied.Visible());
  EXPECT_EQ(copied.Top(), 4) << "the style, set after Top, gives its own";
  EXPECT_EQ(copied.UIStyle(), TsuiUIStyle::MacOS);
  EXPECT_EQ(copied.PicNormal().Graphic()->Pixel(2, 2), clRed);
  EXPECT_TRUE(SamePixels(copied.PicMouseOn(), StripFrame(TsuiUIStyle::MacOS, 17)));
  EXPECT_EQ(copied.ControlBoxMenu(), &menu);
  EXPECT_EQ(copy.Item(0).ButtonType(), TsuiTitleBarBtnType::suiControlBox);
  copy.Item(1).SetControlBoxMenu(nullptr);
}

TEST_F(TitleBarTest, AFreedControlBoxMenuIsForgotten) {
  auto* menu = new TPopupMenu(nullptr);
  bar_->Buttons().Item(0).SetControlBoxMenu(menu);
  delete menu;
  EXPECT_EQ(bar_->Buttons().Item(0).ControlBoxMenu(), nullptr);
}

// ---- Stored descriptions ----

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  char pair[3];
  for (std::uint8_t b : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", b);
    text += pair;
  }
  return text;
}

std::string BmpHex(int width, int height, TColor colour, PixelFormat format) {
  Bitmap bitmap;
  bitmap.SetSize(width, height);
  bitmap.Canvas().Brush().SetColor(colour);
  bitmap.Canvas().FillRect({0, 0, width, height});
  bitmap.SetPixelFormat(format);
  return "{ " + Hex(bitmap.SaveToBmpBytes()) + " }";
}

TEST(TitleBarDescriptionTest, ATitleBarIsReadWithTwoButtonsAndThreeSectionsWithPictures) {
  RegisterTitleBarClasses();
  TForm& form = SharedForm();
  const std::string button_pictures = "PicNormal = " + BmpHex(17, 17, clRed, PixelFormat::pf32bit) +
                                      " PicMouseOn = " + BmpHex(17, 17, clLime, PixelFormat::pf32bit) +
                                      " PicMouseDown = " + BmpHex(17, 17, clBlue, PixelFormat::pf32bit);
  const std::string text =
      "object Form1: TForm\n"
      "  object suiTitleBar1: TsuiTitleBar\n"
      "    UIStyle = MacOS\n"
      "    Buttons = <\n"
      "      item UIStyle = MacOS ButtonType = suiClose Transparent = False Top = 4 " + button_pictures + " end\n"
      "      item UIStyle = MacOS ButtonType = suiMin Transparent = False Top = 4 " + button_pictures + " end>\n"
      "    Sections = <\n"
      "      item AutoSize = True Width = 48 Align = suiLeft Picture = " + BmpHex(48, 23, clGray, PixelFormat::pf8bit) + " Stretch = False end\n"
      "      item AutoSize = True Width = 48 Align = suiRight Picture = " + BmpHex(48, 23, clGray, PixelFormat::pf8bit) + " Stretch = False end\n"
      "      item Width = 10 Align = suiClient Picture = " + BmpHex(49, 23, clGray, PixelFormat::pf8bit) + " Stretch = True end>\n"
      "    Caption = \"Tarnwick\"\n"
      "  end\n"
      "end\n";
  ReadDescription(form, text, "title_bar.dfm", HandlerTable());
  auto* bar = dynamic_cast<TsuiTitleBar*>(form.FindComponent("suiTitleBar1"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Parent(), &form);
  ASSERT_EQ(bar->Buttons().Count(), 2);
  EXPECT_EQ(bar->Buttons().Item(0).ButtonType(), TsuiTitleBarBtnType::suiClose);
  EXPECT_EQ(bar->Buttons().Item(1).ButtonType(), TsuiTitleBarBtnType::suiMin);
  EXPECT_EQ(bar->Buttons().Item(1).PicMouseDown().Graphic()->Pixel(8, 8), clBlue);
  EXPECT_EQ(bar->Buttons().Item(1).PicNormal().Width(), 17);
  ASSERT_EQ(bar->Sections().Count(), 3);
  EXPECT_EQ(bar->Sections().Item(1).Align(), TsuiTitleBarAlign::suiRight);
  EXPECT_EQ(bar->Sections().Item(2).Align(), TsuiTitleBarAlign::suiClient);
  EXPECT_EQ(bar->Sections().Item(2).Picture().Width(), 49);
  EXPECT_EQ(bar->Sections().Item(2).Width(), 10);
  EXPECT_EQ(bar->Caption(), "Tarnwick");
  delete bar;
}

}  // namespace
