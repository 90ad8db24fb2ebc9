#include <gtest/gtest.h>

#include "skin/fill_drawing.h"
#include "skin/strip_drawing.h"
#include "skin/text_fitting.h"
#include "toolkit/bitmap.h"

namespace {

constexpr TColor kMarker = RGBColor(1, 2, 3);
constexpr TColor kMagenta = 0xFF00FF;

// Every pixel has its own colour, so that each drawn pixel names its source.
TColor SourceColor(int x, int y) { return RGBColor(static_cast<std::uint8_t>(10 + x * 9), static_cast<std::uint8_t>(10 + y * 9), 77); }

Bitmap NumberedBitmap(int width, int height) {
  Bitmap bitmap;
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.Canvas().SetPixel(x, y, SourceColor(x, y));
  return bitmap;
}

Bitmap Filled(int width, int height, TColor color) {
  Bitmap bitmap;
  bitmap.SetSize(width, height);
  FillRectColor(bitmap.Canvas(), {0, 0, width, height}, color);
  return bitmap;
}

struct StripCase {
  const char* description;
  int width, count, index;
  int first_column;  // of the source, for the frame's column 0
  int frame_width;
};

void PrintTo(const StripCase& c, std::ostream* os) { *os << c.description; }

class ExtractStripFrameTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(ExtractStripFrameTest, CopiesTheFrameOneToOne) {
  const StripCase& c = GetParam();
  const Bitmap strip = NumberedBitmap(c.width, 3);
  Bitmap frame;
  ExtractStripFrame(strip, frame, c.count, c.index);
  ASSERT_EQ(frame.Width(), c.frame_width);
  ASSERT_EQ(frame.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < c.frame_width; ++x)
      EXPECT_EQ(frame.Pixel(x, y), SourceColor(c.first_column + x, y)) << "frame pixel " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Strips, ExtractStripFrameTest, ::testing::Values(
    StripCase{"checkbox_52_of_4_first", 52, 4, 1, 0, 13},
    StripCase{"checkbox_52_of_4_third", 52, 4, 3, 26, 13},
    StripCase{"ten_of_3_first", 10, 3, 1, 0, 3},
    StripCase{"ten_of_3_second", 10, 3, 2, 3, 3},
    StripCase{"ten_of_3_last_takes_rightmost", 10, 3, 3, 7, 3},
    StripCase{"single_frame", 6, 1, 1, 0, 6}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(ExtractStripFrameTest, TheStripItselfCanTakeItsFrame) {
  Bitmap strip = NumberedBitmap(10, 3);
  ExtractStripFrame(strip, strip, 3, 2);
  ASSERT_EQ(strip.Width(), 3);
  ASSERT_EQ(strip.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(strip.Pixel(x, y), SourceColor(3 + x, y)) << "frame pixel " << x << "," << y;
}

TEST(ExtractStripFrameTest, AnIndexOutsideTheStripEmptiesTheDestination) {
  const Bitmap strip = NumberedBitmap(12, 3);
  for (const auto& [count, index] : {std::pair{3, 0}, std::pair{3, 4}, std::pair{0, 1}}) {
    Bitmap frame = Filled(5, 5, kMarker);
    ExtractStripFrame(strip, frame, count, index);
    EXPECT_TRUE(frame.Empty()) << count << " frames, index " << index;
  }
}

TEST(DrawThreePartBitmapTest, ANarrowRectangleShowsOnlyTheCutLeftCap) {
  const Bitmap source = NumberedBitmap(30, 4);  // caps of 10 columns
  Bitmap target = Filled(40, 8, kMarker);
  DrawThreePartBitmap(source, target.Canvas(), {2, 1, 8, 8}, kMagenta, false);
  for (int x = 0; x < 40; ++x) {
    const bool drawn = x >= 2 && x < 8;
    EXPECT_EQ(target.Pixel(x, 2), drawn ? SourceColor(x - 2, 1) : kMarker) << "column " << x;
  }
  EXPECT_EQ(target.Pixel(4, 5), kMarker) << "only the bitmap's own height is drawn";
}

TEST(DrawThreePartBitmapTest, CapsAtTheEndsAndTheMiddleStretchedBetween) {
  const Bitmap source = NumberedBitmap(30, 4);
  Bitmap target = Filled(60, 6, kMarker);
  DrawThreePartBitmap(source, target.Canvas(), {0, 0, 50, 6}, kMagenta, false);
  EXPECT_EQ(target.Pixel(0, 0), SourceColor(0, 0));
  EXPECT_EQ(target.Pixel(9, 3), SourceColor(9, 3));
  EXPECT_EQ(target.Pixel(10, 0), SourceColor(10, 0)) << "the middle starts with its first column";
  EXPECT_EQ(target.Pixel(39, 0), SourceColor(19, 0)) << "and ends with its last";
  EXPECT_EQ(target.Pixel(40, 0), SourceColor(20, 0));
  EXPECT_EQ(target.Pixel(49, 3), SourceColor(29, 3));
  EXPECT_EQ(target.Pixel(50, 0), kMarker);
  EXPECT_EQ(target.Pixel(20, 4), kMarker);
}

TEST(DrawThreePartBitmapTest, TheMaskColourIsLeftOutWhenAsked) {
  Bitmap source = NumberedBitmap(30, 4);
  source.Canvas().SetPixel(1, 1, kMagenta);
  for (const bool masked : {false, true}) {
    Bitmap target = Filled(30, 4, kMarker);
    DrawThreePartBitmap(source, target.Canvas(), {0, 0, 30, 4}, kMagenta, masked);
    EXPECT_EQ(target.Pixel(1, 1), masked ? kMarker : kMagenta) << (masked ? "masked" : "opaque");
    EXPECT_EQ(target.Pixel(2, 1), SourceColor(2, 1));
  }
}

struct NinePartPixel {
  int x, y;
  int source_x, source_y;  // -1: not drawn
};

void ExpectPixels(const Bitmap& target, const std::vector<NinePartPixel>& pixels) {
  for (const NinePartPixel& p : pixels) {
    const TColor expected = p.source_x < 0 ? kMarker : SourceColor(p.source_x, p.source_y);
    EXPECT_EQ(target.Pixel(p.x, p.y), expected) << "target " << p.x << "," << p.y;
  }
}

TEST(DrawNinePartBitmapTest, LargerThanTheBitmapStretchesEdgesAndCentre) {
  // 7 x 7: half 3, corners 3 x 3 at the left and top, 2 x 2 at the right and bottom.
  const Bitmap source = NumberedBitmap(7, 7);
  Bitmap target = Filled(20, 20, kMarker);
  DrawNinePartBitmap(source, target.Canvas(), {0, 0, 20, 20}, false);
  ExpectPixels(target, {
      {0, 0, 0, 0}, {2, 2, 2, 2},        // top-left corner
      {18, 0, 5, 0}, {19, 2, 6, 2},      // top-right corner, its right columns
      {0, 18, 0, 5}, {1, 19, 1, 6},      // bottom-left corner, its bottom rows
      {18, 18, 5, 5}, {19, 19, 6, 6},    // bottom-right corner
      {1, 3, 1, 3}, {1, 17, 1, 3},       // left edge samples row 3
      {19, 2 + 1, 6, 4}, {18, 17, 5, 4}, // right edge samples row 4
      {3, 0, 3, 0}, {17, 2, 4, 2},       // top edge: columns 3 and 4 stretched
      {3, 3, 3, 3}, {17, 16, 4, 3},      // centre: row 3, up to one row above the bottom corners
      {2, 19, 3, 6}, {17, 17, 4, 4},     // bottom edge from one column left and one row up
  });
}

TEST(DrawNinePartBitmapTest, SmallerThanTheBitmapCutsCornersOnTheirInnerSide) {
  const Bitmap source = NumberedBitmap(21, 21);
  Bitmap target = Filled(10, 10, kMarker);
  DrawNinePartBitmap(source, target.Canvas(), {0, 0, 10, 10}, false);
  ExpectPixels(target, {
      {0, 0, 0, 0}, {4, 4, 4, 4},      // top-left keeps its top-left 5 x 5
      {6, 0, 17, 0}, {9, 4, 20, 4},    // top-right keeps its right-most 4 columns
      {0, 6, 0, 17}, {3, 9, 3, 20},    // bottom-left keeps its bottom 4 rows
      {4, 9, 10, 20},                  // where the bottom edge, one column further left, covers it
      {6, 6, 17, 17}, {9, 9, 20, 20},  // bottom-right
      {5, 0, 10, 0},                   // top edge, cut to its top rows
  });
}

TEST(DrawNinePartBitmapTest, MagentaIsLeftOutOfCornersOnlyWhenTransparent) {
  Bitmap source = NumberedBitmap(7, 7);
  source.Canvas().SetPixel(0, 0, kMagenta);  // a corner pixel
  source.Canvas().SetPixel(3, 3, kMagenta);  // the centre
  for (const bool transparent : {false, true}) {
    Bitmap target = Filled(20, 20, kMarker);
    DrawNinePartBitmap(source, target.Canvas(), {0, 0, 20, 20}, transparent);
    EXPECT_EQ(target.Pixel(0, 0), transparent ? kMarker : kMagenta);
    EXPECT_EQ(target.Pixel(3, 3), kMarker) << "edges and centre always leave magenta out";
  }
}

struct GradientCase {
  const char* description;
  bool vertical;
  int size;
  std::vector<int> reds;  // of each row (vertical) or column, from 0 to 250
};

void PrintTo(const GradientCase& c, std::ostream* os) { *os << c.description; }

class GradientTest : public ::testing::TestWithParam<GradientCase> {};

TEST_P(GradientTest, InterpolatesEachLine) {
  const GradientCase& c = GetParam();
  Bitmap target = Filled(8, 8, kMarker);
  const RECT rect = c.vertical ? RECT{1, 1, 7, 1 + c.size} : RECT{1, 1, 1 + c.size, 7};
  const TColor from = RGBColor(0, 40, 200), to = RGBColor(250, 40, 0);
  if (c.vertical)
    FillGradientVertical(target.Canvas(), rect, from, to);
  else
    FillGradientHorizontal(target.Canvas(), rect, from, to);
  for (int i = 0; i < c.size; ++i) {
    const TColor pixel = c.vertical ? target.Pixel(3, 1 + i) : target.Pixel(1 + i, 3);
    EXPECT_EQ(RedOf(pixel), c.reds[i]) << "line " << i;
    EXPECT_EQ(GreenOf(pixel), 40) << "line " << i;
    EXPECT_EQ(BlueOf(pixel), 200 - c.reds[i] * 200 / 250) << "line " << i;
  }
  EXPECT_EQ(c.vertical ? target.Pixel(3, 1 + c.size) : target.Pixel(1 + c.size, 3), kMarker);
}

INSTANTIATE_TEST_SUITE_P(Lines, GradientTest, ::testing::Values(
    GradientCase{"vertical_one_pixel_is_the_end_colour", true, 1, {250}},
    GradientCase{"vertical_two_pixels", true, 2, {0, 250}},
    GradientCase{"vertical_first_interior_row_repeats_the_start", true, 5, {0, 0, 50, 100, 250}},
    GradientCase{"horizontal_one_pixel", false, 1, {250}},
    GradientCase{"horizontal_two_pixels", false, 2, {0, 250}},
    GradientCase{"horizontal_first_interior_column_steps", false, 5, {0, 50, 100, 150, 250}}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(GradientTest, AnEmptyRectangleDrawsNothing) {
  Bitmap target = Filled(4, 4, kMarker);
  FillGradientVertical(target.Canvas(), {0, 2, 4, 2}, clBlack, clWhite);
  FillGradientHorizontal(target.Canvas(), {2, 0, 2, 4}, clBlack, clWhite);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(target.Pixel(x, y), kMarker);
}

TEST(MenuSeparatorLineTest, LeavesTheBarFreeOnItsSide) {
  for (const bool ltr : {true, false}) {
    Bitmap target = Filled(60, 10, kMarker);
    DrawMenuSeparatorLine(target.Canvas(), {0, 3, 60, 10}, clBlack, ltr, 10);
    const int first = ltr ? 14 : 2, last = ltr ? 57 : 45;  // the end pixel is not drawn
    for (int x = 0; x < 60; ++x)
      EXPECT_EQ(target.Pixel(x, 5), x >= first && x <= last ? clBlack : kMarker) << (ltr ? "ltr " : "rtl ") << x;
  }
}

class FitTextTest : public ::testing::Test {
 protected:
  FitTextTest() {
    surface_.SetSize(10, 10);
    surface_.Canvas().Font().SetName("Tahoma");
    surface_.Canvas().Font().SetHeight(-11);
  }
  Canvas& canvas() { return surface_.Canvas(); }
  Bitmap surface_;
};

TEST_F(FitTextTest, TextThatFitsIsUnchanged) {
  const std::string caption = "Tarnwick";
  EXPECT_EQ(FitTextWithEllipsis(canvas(), caption, canvas().TextWidth(caption)), caption);
}

TEST_F(FitTextTest, ALongTextGetsTheShortestPrefixThatReachesTheLimit) {
  const std::string caption = "Tarnwick dynamic DNS client";
  const int limit = canvas().TextWidth("Tarnwick dyn...");
  const std::string fitted = FitTextWithEllipsis(canvas(), caption, limit);
  ASSERT_GE(fitted.size(), 4u);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
  const std::string prefix = fitted.substr(0, fitted.size() - 3);
  EXPECT_EQ(caption.rfind(prefix, 0), 0u) << fitted;
  EXPECT_GE(canvas().TextWidth(fitted), limit);
  EXPECT_LT(canvas().TextWidth(prefix.substr(0, prefix.size() - 1) + "..."), limit);
}

TEST_F(FitTextTest, ATinyLimitStillKeepsTheFirstCharacter) {
  EXPECT_EQ(FitTextWithEllipsis(canvas(), "Tarnwick", 1), "T...");
  // "动态域名" in GBK: the first character is two bytes and stays whole.
  EXPECT_EQ(FitTextWithEllipsis(canvas(), "\xb6\xaf\xcc\xac\xd3\xf2\xc3\xfb", 1), "\xb6\xaf...");
}

TEST(PointInRectTest, AllFourEdgesCountAsInside) {
  const RECT r{10, 20, 30, 40};
  EXPECT_TRUE(PointInRect({10, 20}, r));
  EXPECT_TRUE(PointInRect({30, 40}, r));
  EXPECT_TRUE(PointInRect({30, 25}, r));
  EXPECT_FALSE(PointInRect({31, 25}, r));
  EXPECT_FALSE(PointInRect({15, 19}, r));
}

}  // namespace
