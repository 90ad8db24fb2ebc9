#include "toolkit/image_list.h"

#include <gtest/gtest.h>

#include "tests/toolkit/graphics_test_support.h"
#include "toolkit/bitmap.h"

namespace {

using graphics_test::BitmapOf;
using graphics_test::Hex;

constexpr TColor kBackground = clYellow;

// Two 2 x 2 cells side by side; white is the mask colour.
Bitmap TwoCells() {
  return BitmapOf(4, 2, {clRed, clWhite, clBlack, clBlue,  //
                         clLime, clNavy, clWhite, clGray});
}

Bitmap Background() {
  Bitmap surface;
  surface.SetSize(6, 4);
  surface.Canvas().Brush().SetColor(kBackground);
  surface.Canvas().FillRect({0, 0, 6, 4});
  return surface;
}

bool IsGrey(TColor c) { return RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c); }

TEST(ImageList, AddMaskedMakesOneCellPerWidthAndLeavesTheSourceAlone) {
  ImageList list(2, 2);
  const Bitmap source = TwoCells();
  EXPECT_EQ(list.AddMasked(source, clWhite), 0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.AddMasked(source, clWhite), 2);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(source.Pixel(1, 0), clWhite) << "the caller's bitmap keeps its masked pixels";
  EXPECT_EQ(source.Pixel(0, 0), clRed);
}

TEST(ImageList, NormalDrawingShowsThePictureAndTheBackgroundWhereMasked) {
  ImageList list(2, 2);
  list.AddMasked(TwoCells(), clWhite);
  Bitmap surface = Background();
  list.Draw(surface.Canvas(), 1, 1, 0);
  list.Draw(surface.Canvas(), 3, 1, 1);
  const struct { int x, y; TColor expected; } probes[] = {
      {1, 1, clRed}, {2, 1, kBackground}, {1, 2, clLime}, {2, 2, clNavy},
      {3, 1, clBlack}, {4, 1, clBlue}, {3, 2, kBackground}, {4, 2, clGray},
      {0, 0, kBackground}, {5, 3, kBackground}};
  for (const auto& p : probes) {
    EXPECT_EQ(surface.Pixel(p.x, p.y), p.expected) << "(" << p.x << ", " << p.y << ") is " << Hex(surface.Pixel(p.x, p.y));
  }
}

TEST(ImageList, GreyedDrawingTurnsEveryDrawnPixelGreyAndDifferentAndKeepsTheMask) {
  ImageList list(2, 2);
  list.AddMasked(TwoCells(), clWhite);
  Bitmap normal = Background();
  Bitmap greyed = Background();
  for (int cell = 0; cell < 2; ++cell) {
    list.Draw(normal.Canvas(), 1 + 2 * cell, 1, cell, true);
    list.Draw(greyed.Canvas(), 1 + 2 * cell, 1, cell, false);
  }
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      const TColor n = normal.Pixel(x, y), g = greyed.Pixel(x, y);
      if (n == kBackground) {
        EXPECT_EQ(g, kBackground) << "masked or outside at (" << x << ", " << y << ")";
      } else {
        EXPECT_TRUE(IsGrey(g)) << "(" << x << ", " << y << ") is " << Hex(g);
        EXPECT_NE(g, n) << "(" << x << ", " << y << ") looks as when enabled";
      }
    }
  }
  // Brightness order survives: the black pixel stays darker than the lime one.
  EXPECT_LT(RedOf(greyed.Pixel(3, 1)), RedOf(greyed.Pixel(1, 2)));
}

TEST(ImageList, UnmaskedCellsDrawEveryPixel) {
  ImageList list(2, 2);
  list.Add(TwoCells());
  Bitmap surface = Background();
  list.Draw(surface.Canvas(), 0, 0, 0);
  EXPECT_EQ(surface.Pixel(1, 0), clWhite);
  EXPECT_EQ(surface.Pixel(0, 0), clRed);
}

TEST(ImageList, AnIndexOutsideTheListDrawsNothing) {
  ImageList list(2, 2);
  list.AddMasked(TwoCells(), clWhite);
  Bitmap surface = Background();
  for (int index : {-1, 2, 1000}) {
    list.Draw(surface.Canvas(), 0, 0, index, true);
    list.Draw(surface.Canvas(), 0, 0, index, false);
  }
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(surface.Pixel(x, y), kBackground) << x << ", " << y;
}

TEST(ImageList, ANarrowBitmapIsPaddedToOneMaskedCell) {
  ImageList list(3, 3);
  list.AddMasked(BitmapOf(1, 1, {clRed}), clWhite);
  ASSERT_EQ(list.Count(), 1);
  Bitmap surface = Background();
  list.Draw(surface.Canvas(), 0, 0, 0);
  EXPECT_EQ(surface.Pixel(0, 0), clRed);
  EXPECT_EQ(surface.Pixel(2, 2), kBackground) << "the padding is masked";
}

TEST(ImageList, GetBitmapCopiesACellOverTheBackground) {
  ImageList list(2, 2);
  list.AddMasked(TwoCells(), clWhite);
  Bitmap cell;
  list.GetBitmap(1, cell, clAqua);
  ASSERT_EQ(cell.Width(), 2);
  EXPECT_EQ(cell.Pixel(0, 0), clBlack);
  EXPECT_EQ(cell.Pixel(0, 1), clAqua);
}

}  // namespace
