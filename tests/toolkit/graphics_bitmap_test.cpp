#include "toolkit/bitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/toolkit/bmp_test_writer.h"
#include "tests/toolkit/graphics_test_support.h"
#include "toolkit/picture.h"

namespace {

using bmp_test::BmpLayout;
using graphics_test::BitmapOf;
using graphics_test::Hex;

struct LoadCase {
  const char* description;
  BmpLayout layout;
  PixelFormat format;
};

BmpLayout Layout(std::uint32_t header, int bits, int width, int height, std::uint32_t palette = 0,
                 std::uint32_t compression = bmp_test::kRgb, std::uint32_t r = 0, std::uint32_t g = 0, std::uint32_t b = 0) {
  BmpLayout layout;
  layout.header_size = header;
  layout.bits = bits;
  layout.width = width;
  layout.height = height;
  layout.palette_colors = palette;
  layout.compression = compression;
  layout.masks[0] = r;
  layout.masks[1] = g;
  layout.masks[2] = b;
  return layout;
}

const LoadCase kLoadCases[] = {
    {"one_bit", Layout(40, 1, 11, 3, 2), PixelFormat::pf8bit},
    {"four_bits", Layout(40, 4, 5, 4, 16), PixelFormat::pf8bit},
    {"eight_bits", Layout(40, 8, 7, 5, 256), PixelFormat::pf8bit},
    {"sixteen_bits_565", Layout(40, 16, 5, 3, 0, bmp_test::kBitfields, 0xF800, 0x07E0, 0x001F), PixelFormat::pf24bit},
    {"twenty_four_bits", Layout(40, 24, 5, 3), PixelFormat::pf24bit},
    {"thirty_two_bits", Layout(40, 32, 4, 3, 0, bmp_test::kRgb, 0xFF0000, 0xFF00, 0xFF), PixelFormat::pf32bit},
};

class BitmapLoading : public testing::TestWithParam<LoadCase> {};

// GDI itself reads the pixels back (GetPixel on the bitmap, and on a 24-bit copy drawn
// with BitBlt), so palette and row order are checked as the system sees them.
TEST_P(BitmapLoading, GdiSeesEveryPixelOfTheFile) {
  const LoadCase& c = GetParam();
  Bitmap bitmap;
  bitmap.LoadFromBmpBytes(bmp_test::WriteBmp(c.layout));
  ASSERT_EQ(bitmap.Width(), c.layout.width);
  ASSERT_EQ(bitmap.Height(), c.layout.height);
  EXPECT_EQ(bitmap.GetPixelFormat(), c.format);
  Bitmap drawn = graphics_test::WhiteSurface(c.layout.width, c.layout.height);
  drawn.Canvas().Draw(0, 0, bitmap);
  for (int y = 0; y < c.layout.height; ++y) {
    const std::vector<TColor> row = bitmap.RowColors(y);
    ASSERT_EQ(row.size(), static_cast<std::size_t>(c.layout.width)) << c.description;
    for (int x = 0; x < c.layout.width; ++x) {
      const TColor expected = bmp_test::ExpectedColor(c.layout, x, y);
      ASSERT_EQ(bitmap.Canvas().Pixel(x, y), expected) << c.description << " (" << x << ", " << y << ") expected " << Hex(expected);
      ASSERT_EQ(drawn.Canvas().Pixel(x, y), expected) << c.description << " drawn (" << x << ", " << y << ")";
      ASSERT_EQ(bitmap.Pixel(x, y), expected) << c.description << " memory (" << x << ", " << y << ")";
      ASSERT_EQ(row[static_cast<std::size_t>(x)], expected) << c.description << " row (" << x << ", " << y << ")";
    }
  }
}

TEST(BitmapRowColors, SeeWhatGdiHasJustDrawn) {
  for (const PixelFormat format : {PixelFormat::pf8bit, PixelFormat::pf24bit, PixelFormat::pf32bit}) {
    Bitmap bitmap;
    bitmap.SetPixelFormat(format);
    bitmap.SetSize(6, 3);
    bitmap.Canvas().Brush().SetColor(clBlue);
    bitmap.Canvas().FillRect({2, 1, 5, 2});
    const std::vector<TColor> row = bitmap.RowColors(1);
    const std::vector<TColor> expected{clWhite, clWhite, clBlue, clBlue, clBlue, clWhite};
    EXPECT_EQ(row, expected) << static_cast<int>(format);
    EXPECT_THROW(bitmap.RowColors(3), std::out_of_range);
  }
}

TEST_P(BitmapLoading, SavingAndLoadingAgainKeepsFormatAndPixels) {
  const LoadCase& c = GetParam();
  Bitmap bitmap;
  bitmap.LoadFromBmpBytes(bmp_test::WriteBmp(c.layout));
  Bitmap again;
  again.LoadFromBmpBytes(bitmap.SaveToBmpBytes());
  EXPECT_EQ(again.GetPixelFormat(), bitmap.GetPixelFormat());
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) ASSERT_EQ(again.Canvas().Pixel(x, y), bitmap.Pixel(x, y)) << c.description << " " << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(Files, BitmapLoading, testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.description); });

TEST(BitmapLoading, BadBytesAreRefusedAndTheBitmapStaysAsItWas) {
  Bitmap bitmap = BitmapOf(2, 1, {clRed, clBlue});
  std::vector<std::uint8_t> bytes = bmp_test::WriteBmp(Layout(40, 24, 3, 3));
  bytes.resize(bytes.size() - 4);
  try {
    bitmap.LoadFromBmpBytes(bytes);
    FAIL() << "a cut file was taken";
  } catch (const BmpFormatError& error) {
    EXPECT_NE(std::string(error.what()).find("pixel data is cut short"), std::string::npos) << error.what();
  }
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Height(), 1);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clBlue);
}

TEST(BitmapResource, LoadsANamedBitmapOfTheModule) {
  Bitmap bitmap;
  bitmap.LoadFromResourceName(GetModuleHandle(nullptr), "TEST_2X2");
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clLime);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 1), clBlue);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), clWhite);
}

TEST(BitmapResource, AMissingNameIsReportedByName) {
  Bitmap bitmap = BitmapOf(1, 1, {clRed});
  try {
    bitmap.LoadFromResourceName(GetModuleHandle(nullptr), "NO_SUCH_BITMAP");
    FAIL() << "no error";
  } catch (const ResourceNotFoundError& error) {
    EXPECT_STREQ(error.what(), "Resource NO_SUCH_BITMAP not found");
  }
  EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
}

TEST(BitmapSize, KeepsTheTopLeftAndPaintsNewPixelsWhite) {
  Bitmap bitmap = BitmapOf(2, 2, {clRed, clLime, clBlue, clBlack});
  bitmap.SetSize(3, 1);
  ASSERT_EQ(bitmap.Width(), 3);
  ASSERT_EQ(bitmap.Height(), 1);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clLime);
  EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clWhite);
  bitmap.SetSize(0, 5);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_THROW(bitmap.SetSize(kBmpMaxSide + 1, 1), std::length_error);
  EXPECT_THROW(bitmap.SetSize(8192, 8192), std::length_error);
  EXPECT_THROW(bitmap.Pixel(0, 0), std::out_of_range);
}

TEST(BitmapPixelFormat, ConversionsKeepTheColoursTheyCanHold) {
  Bitmap bitmap = BitmapOf(4, 1, {clRed, clLime, clBlue, clWhite});
  bitmap.SetPixelFormat(PixelFormat::pf32bit);
  EXPECT_EQ(bitmap.GetPixelFormat(), PixelFormat::pf32bit);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clLime);
  bitmap.SetPixelFormat(PixelFormat::pf8bit);
  EXPECT_EQ(bitmap.GetPixelFormat(), PixelFormat::pf8bit);
  const TColor expected[] = {clRed, clLime, clBlue, clWhite};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(bitmap.Canvas().Pixel(x, 0), expected[x]) << x;
  bitmap.SetPixelFormat(PixelFormat::pf24bit);
  EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clBlue);
}

TEST(BitmapTransparency, TheColourComesFromItsSourcePixel) {
  Bitmap bitmap = BitmapOf(2, 2, {clRed, clLime, clBlue, clBlack});
  EXPECT_EQ(bitmap.TransparentColor(), clBlue) << "bottom-left";
  bitmap.SetTransparentMode(TransparentMode::tmTopLeft);
  EXPECT_EQ(bitmap.TransparentColor(), clRed);
  bitmap.SetTransparentColor(clFuchsia);
  EXPECT_EQ(bitmap.GetTransparentMode(), TransparentMode::tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
  EXPECT_FALSE(bitmap.Transparent()) << "a colour alone does not make the bitmap transparent";
}

TEST(BitmapCopy, IsDeepAndCarriesTransparency) {
  Bitmap original = BitmapOf(2, 1, {clRed, clBlue});
  original.SetTransparentColor(clBlue);
  original.SetTransparent(true);
  Bitmap copy = original;
  copy.Canvas().SetPixel(0, 0, clLime);
  EXPECT_EQ(original.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(copy.Canvas().Pixel(0, 0), clLime);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentColor(), clBlue);
  Bitmap moved = std::move(copy);
  EXPECT_EQ(moved.Canvas().Pixel(0, 0), clLime);
  EXPECT_TRUE(copy.Empty());
}

TEST(BitmapChange, OnChangeFollowsSizeAndTransparency) {
  Bitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&] { ++changes; };
  bitmap.SetSize(3, 3);
  EXPECT_EQ(changes, 1);
  bitmap.SetSize(3, 3);
  EXPECT_EQ(changes, 1) << "the same size changes nothing";
  bitmap.SetTransparent(true);
  EXPECT_EQ(changes, 2);
}

TEST(PictureHolder, CopiesAndEmpties) {
  Picture picture;
  EXPECT_FALSE(picture.HasImage());
  EXPECT_EQ(picture.Graphic(), nullptr);
  picture.LoadFromBmpBytes(bmp_test::WriteBmp(Layout(40, 24, 3, 2)));
  ASSERT_TRUE(picture.HasImage());
  EXPECT_EQ(picture.Width(), 3);
  Picture copy = picture;
  copy.Bitmap().Canvas().SetPixel(0, 0, clLime);
  EXPECT_EQ(picture.Graphic()->Pixel(0, 0), bmp_test::TrueColorAt(0, 0));
  EXPECT_THROW(copy.LoadFromBmpBytes(std::vector<std::uint8_t>{'B', 'M'}), BmpFormatError);
  EXPECT_EQ(copy.Graphic()->Pixel(0, 0), clLime) << "a refused file leaves the holder as it was";
  copy.Clear();
  EXPECT_FALSE(copy.HasImage());
}

}  // namespace
