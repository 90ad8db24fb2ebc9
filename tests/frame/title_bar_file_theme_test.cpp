// The title bar with its look taken from a skin file, written at test time.
#include <gtest/gtest.h>

#include <string>

#include "skin/file_theme.h"
#include "tests/frame/title_bar_test_support.h"
#include "tests/skin/skin_fixture.h"

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;
// Skin files store colours as the components do, 0x00BBGGRR.
constexpr TColor kFormColor = 0x204060;
constexpr int kFrameWidth = 15;

// Each of the 18 button frames is one plain colour that names it.
std::uint32_t ButtonStripPixel(int x, int) { return 0x100000u * (x / kFrameWidth + 1) + 0x33; }
TColor ButtonFrameColor(int frame) { return RGBColor(static_cast<std::uint8_t>(0x10 * frame), 0, 0x33); }

Bytes ThemeFile(bool five_sections) {
  std::vector<SkinWriterEntry> entries = {
      IntegerEntry("SKIN2_TRANSCOLOR", kMagenta),
      IntegerEntry("SKIN2_FORMCOLOR", kFormColor),
      IntegerEntry("SKIN2_TITLEFONTCOLOR", 0x00FF00),
      IntegerEntry("SKIN2_TITLEBARICONPOSX", 9),
      IntegerEntry("SKIN2_TITLEBARICONPOSY", 6),
      IntegerEntry("SKIN2_TITLEBARCAPTIONTOP", 8),
      IntegerEntry("SKIN2_TITLEBARBUTTONPOSX", 4),
      IntegerEntry("SKIN2_TITLEBARBUTTONPOSY", 5),
      BooleanEntry("SKIN2_TITLEFIVESECT", five_sections),
      BooleanEntry("SKIN2_TITLEBTNTRANS", true),
      BitmapEntry("SKIN2_TITLEBAR1", MakeBmpFile(20, 26, [](int, int) { return 0xFF0000u; })),
      BitmapEntry("SKIN2_TITLEBAR2", MakeBmpFile(10, 26, [](int, int) { return 0x00FF00u; })),
      // The right cap's first column is the transparent colour.
      BitmapEntry("SKIN2_TITLEBAR3", MakeBmpFile(24, 26, [](int x, int) { return x == 0 ? kMagenta : 0x0000FFu; })),
      BitmapEntry("SKIN2_TITLEBAR4", MakeBmpFile(12, 26, [](int, int) { return 0xFFFF00u; })),
      BitmapEntry("SKIN2_TITLEBAR5", MakeBmpFile(30, 26, [](int, int) { return 0x00FFFFu; })),
      BitmapEntry("SKIN2_TITLEBUTTONS", MakeBmpFile(18 * kFrameWidth, 14, ButtonStripPixel)),
  };
  return MakeSkinFile(BuildSkinDataFile(entries), {});
}

class TitleBarFileThemeTest : public TitleBarTest {
 protected:
  TsuiFileTheme* LoadTheme(bool five_sections) {
    auto* theme = new TsuiFileTheme(&form_);
    theme->SetThemeFile(folder_.Write(five_sections ? "five.skn" : "three.skn", ThemeFile(five_sections)));
    EXPECT_TRUE(theme->Ready());
    return theme;
  }
  SkinFolder folder_;
};

TEST_F(TitleBarFileThemeTest, ThreeSectionsButtonsAndPlacesComeFromTheTheme) {
  TsuiFileTheme* theme = LoadTheme(false);
  bar_->SetUIStyle(TsuiUIStyle::FromThemeFile);
  bar_->Font().SetColor(clRed);
  bar_->SetFileTheme(theme);
  const TsuiTitleBarSections& sections = bar_->Sections();
  ASSERT_EQ(sections.Count(), 3);
  EXPECT_EQ(sections.Item(0).Align(), TsuiTitleBarAlign::suiLeft);
  EXPECT_TRUE(sections.Item(0).AutoSize());
  EXPECT_EQ(sections.Item(1).Align(), TsuiTitleBarAlign::suiClient);
  EXPECT_EQ(sections.Item(2).Align(), TsuiTitleBarAlign::suiRight);
  EXPECT_EQ(bar_->Height(), 26);
  EXPECT_EQ(bar_->LeftBtnXOffset(), 9);
  EXPECT_EQ(bar_->RightBtnXOffset(), 4);
  EXPECT_EQ(bar_->Font().Color(), clRed) << "assigning the theme keeps the caption colour";
  bar_->SetUIStyle(TsuiUIStyle::FromThemeFile);
  EXPECT_EQ(bar_->Font().Color(), RGBColor(0, 0xFF, 0));
  // Left part 20 wide, right part the larger of 24 and 4 buttons of 15 plus offset 4.
  EXPECT_EQ(form_.MinWidth(), 20 + 64);

  const TsuiTitleBarButton& close = bar_->Buttons().Item(1);
  EXPECT_TRUE(close.Transparent());
  EXPECT_EQ(close.Top(), 5);
  EXPECT_EQ(close.PicNormal().Graphic()->Pixel(3, 3), ButtonFrameColor(16));
  EXPECT_EQ(close.PicMouseDown().Graphic()->Pixel(3, 3), ButtonFrameColor(18));

  const Bitmap shot = Snapshot(*bar_);
  const int w = bar_->Width();
  EXPECT_EQ(shot.Pixel(5, 20), clRed) << "left cap";
  EXPECT_EQ(shot.Pixel(w / 2, 20), clLime) << "stretched middle";
  EXPECT_EQ(shot.Pixel(w - 2, 20), clBlue) << "right cap";
  EXPECT_EQ(shot.Pixel(w - 24, 20), kFormColor) << "the right cap's see-through column shows the form colour";
  EXPECT_EQ(bar_->GetFrameImage(-1)->Pixel(w - 24, 20), RGBColor(0xFF, 0, 0xFF)) << "the frame picture keeps it";
  // Buttons from c = W - 4 - 1: close at W - 20, maximise at W - 36, at top 5.
  EXPECT_EQ(shot.Pixel(w - 20 + 7, 5 + 7), ButtonFrameColor(16));
  EXPECT_EQ(shot.Pixel(w - 36 + 7, 5 + 7), ButtonFrameColor(7));
}

TEST_F(TitleBarFileThemeTest, FiveSectionsHaveACaptionSectionAndAClientBeforeTheRightCap) {
  bar_->SetUIStyle(TsuiUIStyle::FromThemeFile);
  bar_->SetFileTheme(LoadTheme(true));
  const TsuiTitleBarSections& sections = bar_->Sections();
  ASSERT_EQ(sections.Count(), 5);
  EXPECT_TRUE(sections.Item(1).CapSec());
  EXPECT_EQ(sections.Item(1).Align(), TsuiTitleBarAlign::suiLeft);
  EXPECT_EQ(sections.Item(2).Align(), TsuiTitleBarAlign::suiLeft);
  EXPECT_TRUE(sections.Item(2).AutoSize());
  EXPECT_EQ(sections.Item(3).Align(), TsuiTitleBarAlign::suiClient);
  EXPECT_EQ(sections.Item(4).Align(), TsuiTitleBarAlign::suiRight);
  EXPECT_TRUE(bar_->HasStandardSections());
  // 20 + 24 + the larger of 30 and 64, + 16.
  EXPECT_EQ(form_.MinWidth(), 20 + 24 + 64 + 16);
}

TEST_F(TitleBarFileThemeTest, ARemovedThemeFallsBackToDeepBlue) {
  TsuiFileTheme* theme = LoadTheme(false);
  bar_->SetUIStyle(TsuiUIStyle::FromThemeFile);
  bar_->SetFileTheme(theme);
  delete theme;
  EXPECT_EQ(bar_->FileTheme(), nullptr);
  EXPECT_EQ(bar_->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(bar_->Height(), 32);
  EXPECT_EQ(bar_->Buttons().Item(1).PicNormal().Width(), 19);
}

TEST_F(TitleBarFileThemeTest, WithoutAReadyThemeFromThemeFileMeansDeepBlue) {
  bar_->SetUIStyle(TsuiUIStyle::FromThemeFile);
  EXPECT_EQ(bar_->Height(), 32);
  EXPECT_EQ(bar_->Font().Color(), clWhite);
}

}  // namespace
