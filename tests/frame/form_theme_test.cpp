// The skinned form with a file theme: the frame sizes taken from the theme's border
// pictures, and window regions cut out of pictures.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "skin/file_theme.h"
#include "tests/frame/form_test_support.h"
#include "tests/skin/skin_fixture.h"

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;  // 0x00RRGGBB for the writer; the same value as a colour

std::vector<std::uint8_t> Solid(int w, int h, std::uint32_t rgb) {
  return MakeBmpFile(w, h, [rgb](int, int) { return rgb; });
}

// Left border 6 wide, right 5 wide, bottom 7 high; the title picture's top-left 3 x 2
// pixels are transparent.
Bytes FrameSkin(bool title_needs_region) {
  std::vector<SkinWriterEntry> entries = {
      BitmapEntry("SKIN2_TITLEBAR1", MakeBmpFile(30, 26, [](int x, int y) {
                    return x < 3 && y < 2 ? kMagenta : 0x2040A0u;
                  })),
      BitmapEntry("SKIN2_TITLEBAR2", Solid(10, 26, 0x3050B0)),
      BitmapEntry("SKIN2_TITLEBAR3", Solid(30, 26, 0x2040A0)),
      BitmapEntry("SKIN2_TITLEBUTTONS", Solid(18 * 12, 12, 0x808080)),
      BitmapEntry("SKIN2_FORMLEFTBORDER", Solid(6, 20, 0x102030)),
      BitmapEntry("SKIN2_FORMRIGHTBORDER", Solid(5, 20, 0x102030)),
      BitmapEntry("SKIN2_FORMBOTTOMBORDER1", Solid(9, 7, 0x405060)),
      IntegerEntry("SKIN2_TRANSCOLOR", static_cast<std::int32_t>(kMagenta)),
      IntegerEntry("SKIN2_FORMCOLOR", 0x00C0D0E0),
      IntegerEntry("SKIN2_MENUBARSTARTCOLOR", 0x00A0B0C0),
      IntegerEntry("SKIN2_MENUBARENDCOLOR", 0x00506070),
      IntegerEntry("SKIN2_TITLEBARREGIONMINY", -1),
      IntegerEntry("SKIN2_TITLEBARREGIONMAXY", 4),
      BooleanEntry("SKIN2_TITLEBARNEEDREGION", title_needs_region),
  };
  return MakeSkinFile(BuildSkinDataFile(entries), {});
}

class ThemeTest : public SkinnedFormTest {
 protected:
  void UseTheme(bool title_needs_region) {
    theme_ = new TsuiFileTheme(&host_);
    theme_->SetThemeFile(folder_.Write("frame.skn", FrameSkin(title_needs_region)));
    ASSERT_TRUE(theme_->Ready());
    form_->SetFileTheme(theme_);
    form_->SetUIStyle(TsuiUIStyle::FromThemeFile);
    Pump();
  }
  void TearDown() override {
    SkinnedFormTest::TearDown();
    delete theme_;
  }
  SkinFolder folder_;
  TsuiFileTheme* theme_ = nullptr;
};

TEST_F(ThemeTest, FrameSizesComeFromTheBorderPictures) {
  UseTheme(false);
  const RECT inset = ClientInset(host_.Handle());
  EXPECT_EQ(inset.left, 6);
  EXPECT_EQ(inset.top, 3);
  EXPECT_EQ(inset.right, 5);
  EXPECT_EQ(inset.bottom, 7);
  EXPECT_EQ(SendMessageA(host_.Handle(), 0x26C3, 0, 0), 6);
  EXPECT_EQ(form_->Color(), 0x00C0D0E0u);
  EXPECT_EQ(form_->MenuBarColor(), 0x00A0B0C0u);
  EXPECT_EQ(form_->MenuBarToColor(), 0x00506070u);
  // The bottom border is the stretched bottom picture.
  const Bitmap frame = FramePicture(*form_);
  const SIZE size = WindowSize(host_.Handle());
  EXPECT_EQ(frame.Pixel(size.cx / 2, size.cy - 3), 0x00605040u);
  EXPECT_EQ(frame.Pixel(2, size.cy / 2), 0x00302010u);
}

TEST_F(ThemeTest, LosingTheThemeFallsBackToDeepBlue) {
  UseTheme(false);
  delete theme_;
  theme_ = nullptr;
  EXPECT_EQ(form_->FileTheme(), nullptr);
  EXPECT_EQ(form_->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(form_->Color(), 0xE8E8E8u);
  const RECT inset = ClientInset(host_.Handle());
  EXPECT_EQ(inset.left, 3);
  EXPECT_EQ(inset.bottom, 2);
}

TEST_F(ThemeTest, TitleRegionLeavesTheTransparentCornerOut) {
  UseTheme(true);
  const HWND window = host_.Handle();
  // The title picture as the frame shows it starts at the window's top-left corner.
  EXPECT_FALSE(InWindowRegion(window, 0, 0));
  EXPECT_FALSE(InWindowRegion(window, 2, 1));
  EXPECT_TRUE(InWindowRegion(window, 3, 0));
  EXPECT_TRUE(InWindowRegion(window, 0, 2));
  const SIZE size = WindowSize(window);
  EXPECT_TRUE(InWindowRegion(window, size.cx / 2, size.cy / 2));
  EXPECT_TRUE(InWindowRegion(window, 0, size.cy - 1));
}

// A 6 x 5 picture whose transparent pixels are marked 'o'.
Bitmap PictureOf(const std::vector<std::string>& rows) {
  Bitmap picture;
  picture.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      picture.Canvas().SetPixel(x, y, rows[y][x] == 'o' ? kMagenta : 0x00204080);
    }
  }
  return picture;
}

struct RegionRowsCase {
  const char* description;
  int min_row, max_row;
  std::vector<std::string> expected;  // the title part of the region: '#' in, '.' out
};

std::ostream& operator<<(std::ostream& out, const RegionRowsCase& c) { return out << c.description; }

const std::vector<std::string> kTitleRows = {"oo##oo", "o####o", "######", "o#oo#o", "oooooo"};

const RegionRowsCase kRegionRowsCases[] = {
    {"AllRowsScanned", -1, 4, {"..##..", ".####.", "######", ".#..#.", "......"}},
    {"RowsAboveTheBandWhole", 2, 3, {"######", "######", "######", ".#..#.", "######"}},
    {"BandToTheEndWhenMinReachesMax", 3, 3, {"######", "######", "######", ".#..#.", "......"}},
    {"OnlyTheFirstRows", -1, 1, {"..##..", ".####.", "######", "######", "######"}},
};

class RegionRowsTest : public SkinnedFormTest, public ::testing::WithParamInterface<RegionRowsCase> {};

TEST_P(RegionRowsTest, ScannedRowsLoseTheirTransparentRuns) {
  const RegionRowsCase& c = GetParam();
  const Bitmap title = PictureOf(kTitleRows);
  const Bitmap bottom = PictureOf({"##oo##", "#oooo#"});
  const HWND window = host_.Handle();
  constexpr int kWidth = 6, kHeight = 12;
  BuildRegionFromBitmaps(window, &title, &bottom, kWidth, kHeight, kMagenta, {c.min_row, c.max_row, -1, 1}, true,
                         true);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      EXPECT_EQ(InWindowRegion(window, x, y), c.expected[y][x] == '#') << x << "," << y;
    }
  }
  for (int y = 5; y < kHeight - 2; ++y) EXPECT_TRUE(InWindowRegion(window, 3, y)) << "middle row " << y;
  EXPECT_FALSE(InWindowRegion(window, 2, kHeight - 2));
  EXPECT_TRUE(InWindowRegion(window, 1, kHeight - 2));
  EXPECT_FALSE(InWindowRegion(window, 1, kHeight - 1));
  EXPECT_TRUE(InWindowRegion(window, 0, kHeight - 1));
  EXPECT_FALSE(InWindowRegion(window, 0, kHeight));
  form_->UpdateRegion();
}

INSTANTIATE_TEST_SUITE_P(Limits, RegionRowsTest, ::testing::ValuesIn(kRegionRowsCases),
                         [](const auto& info) { return std::string(info.param.description); });

TEST_F(SkinnedFormTest, WithoutTheFlagsTheBandsAreWhole) {
  const Bitmap title = PictureOf(kTitleRows);
  const HWND window = host_.Handle();
  BuildRegionFromBitmaps(window, &title, &title, 6, 12, kMagenta, {-1, 4, -1, 4}, false, false);
  for (int y = 0; y < 12; ++y) EXPECT_TRUE(InWindowRegion(window, 0, y)) << y;
  form_->UpdateRegion();
}

}  // namespace
