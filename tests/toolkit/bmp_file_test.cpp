#include "toolkit/bmp_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/toolkit/bmp_test_writer.h"

namespace {

using bmp_test::BmpLayout;

using bmp_test::ExpectedColor;

struct ValidCase {
  const char* description;
  BmpLayout layout;
  int decoded_bits;
};

BmpLayout Layout(std::uint32_t header, int bits, int width, int height, std::uint32_t palette = 0) {
  BmpLayout layout;
  layout.header_size = header;
  layout.bits = bits;
  layout.width = width;
  layout.height = height;
  layout.palette_colors = palette;
  return layout;
}

BmpLayout WithMasks(BmpLayout layout, std::uint32_t compression, std::uint32_t r, std::uint32_t g, std::uint32_t b,
                    std::uint32_t a = 0) {
  layout.compression = compression;
  layout.masks[0] = r;
  layout.masks[1] = g;
  layout.masks[2] = b;
  layout.masks[3] = a;
  return layout;
}

BmpLayout TopDown(BmpLayout layout) {
  layout.top_down = true;
  return layout;
}

BmpLayout ColorsUsed(BmpLayout layout, std::uint32_t used) {
  layout.colors_used_field = used;
  layout.palette_colors = used;
  return layout;
}

BmpLayout Gap(BmpLayout layout, std::uint32_t gap) {
  layout.gap_before_pixels = gap;
  return layout;
}

const ValidCase kValidCases[] = {
    {"one_bit_odd_width", Layout(40, 1, 9, 3, 2), 8},
    {"four_bits_full_palette", Layout(40, 4, 5, 4, 16), 8},
    {"four_bits_short_palette", ColorsUsed(Layout(40, 4, 5, 2), 3), 8},
    {"eight_bits", Layout(40, 8, 7, 5, 256), 8},
    {"eight_bits_top_down", TopDown(Layout(40, 8, 6, 3, 256)), 8},
    {"eight_bits_core_header", Layout(12, 8, 6, 4, 256), 8},
    {"one_bit_core_header", Layout(12, 1, 17, 2, 2), 8},
    {"sixteen_bits_555", WithMasks(Layout(40, 16, 5, 3), bmp_test::kRgb, 0x7C00, 0x03E0, 0x001F), 24},
    {"sixteen_bits_565_bitfields", WithMasks(Layout(40, 16, 5, 3), bmp_test::kBitfields, 0xF800, 0x07E0, 0x001F), 24},
    {"twenty_four_bits_padded_rows", Layout(40, 24, 5, 3), 24},
    {"twenty_four_bits_top_down", TopDown(Layout(40, 24, 3, 4)), 24},
    {"twenty_four_bits_gap_before_pixels", Gap(Layout(40, 24, 4, 2), 10), 24},
    {"twenty_four_bits_v5_header", Layout(124, 24, 3, 3), 24},
    {"thirty_two_bits_plain", WithMasks(Layout(40, 32, 4, 3), bmp_test::kRgb, 0xFF0000, 0xFF00, 0xFF), 32},
    {"thirty_two_bits_v4_rgba_masks",
     WithMasks(Layout(108, 32, 4, 3), bmp_test::kBitfields, 0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF), 32},
    {"thirty_two_bits_bitfields_after_header",
     WithMasks(Layout(40, 32, 3, 2), bmp_test::kBitfields, 0x00FF0000, 0x0000FF00, 0x000000FF), 32},
};

class BmpDecodeValid : public testing::TestWithParam<ValidCase> {};

TEST_P(BmpDecodeValid, EveryPixelMatchesTheWrittenPicture) {
  const ValidCase& c = GetParam();
  const std::vector<std::uint8_t> file = bmp_test::WriteBmp(c.layout);
  const BmpImage image = DecodeBmpFile(file);
  ASSERT_EQ(image.width, c.layout.width);
  ASSERT_EQ(image.height, c.layout.height);
  ASSERT_EQ(image.bits_per_pixel, c.decoded_bits);
  ASSERT_EQ(image.pixels.size(), image.RowBytes() * static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      ASSERT_EQ(image.ColorAt(x, y), ExpectedColor(c.layout, x, y)) << c.description << " at (" << x << ", " << y << ")";
      if (c.layout.bits <= 8) {
        ASSERT_EQ(image.Row(y)[x], bmp_test::IndexAt(x, y, c.layout.palette_colors)) << c.description << " index at (" << x << ", " << y << ")";
      }
    }
  }
  if (c.layout.bits <= 8) {
    for (std::uint32_t i = c.layout.palette_colors; i < 256; ++i) {
      const BmpPaletteEntry& entry = image.palette[i];
      ASSERT_EQ(entry.red | entry.green | entry.blue, 0) << c.description << ": entry " << i << " past the file's palette";
    }
  }
}

TEST_P(BmpDecodeValid, EncodingAndDecodingAgainKeepsEveryPixel) {
  const ValidCase& c = GetParam();
  const BmpImage image = DecodeBmpFile(bmp_test::WriteBmp(c.layout));
  const BmpImage again = DecodeBmpFile(EncodeBmpFile(image));
  ASSERT_EQ(again.width, image.width);
  ASSERT_EQ(again.height, image.height);
  ASSERT_EQ(again.bits_per_pixel, image.bits_per_pixel);
  EXPECT_EQ(again.pixels, image.pixels) << c.description;
  if (image.bits_per_pixel == 8) {
    for (int i = 0; i < 256; ++i) {
      EXPECT_EQ(again.palette[i].red, image.palette[i].red) << c.description << " entry " << i;
      EXPECT_EQ(again.palette[i].green, image.palette[i].green) << c.description << " entry " << i;
      EXPECT_EQ(again.palette[i].blue, image.palette[i].blue) << c.description << " entry " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BmpDecodeValid, testing::ValuesIn(kValidCases),
                         [](const auto& info) { return std::string(info.param.description); });

// The DIB form, as bitmap resources hold it: the same bytes without the file header.
TEST(BmpDecodeDib, ReadsTheResourceFormWithPixelsRightAfterThePalette) {
  const BmpLayout layout = Layout(40, 8, 5, 3, 256);
  const std::vector<std::uint8_t> file = bmp_test::WriteBmp(layout);
  const BmpImage image = DecodeDib(std::span(file).subspan(14));
  for (int y = 0; y < layout.height; ++y)
    for (int x = 0; x < layout.width; ++x) ASSERT_EQ(image.ColorAt(x, y), ExpectedColor(layout, x, y)) << x << ", " << y;
}

struct InvalidCase {
  const char* description;
  std::vector<std::uint8_t> bytes;
  const char* expected_message;
};

std::vector<std::uint8_t> Mutated(BmpLayout layout, const std::function<void(std::vector<std::uint8_t>&)>& change) {
  std::vector<std::uint8_t> file = bmp_test::WriteBmp(layout);
  change(file);
  return file;
}

std::vector<InvalidCase> InvalidCases() {
  const BmpLayout rgb = Layout(40, 24, 4, 3);
  const BmpLayout indexed = Layout(40, 8, 4, 3, 256);
  using File = std::vector<std::uint8_t>;
  return {
      {"shorter_than_the_file_header", File{'B', 'M', 0, 0}, "file header is cut short"},
      {"wrong_magic", Mutated(rgb, [](File& f) { f[0] = 'P'; }), "does not start with \"BM\""},
      {"unknown_header_size", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 14, 20); }), "unknown info header size 20"},
      {"header_longer_than_the_file", File{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 1, 0}, "header is cut short"},
      {"bit_depth_three", Mutated(rgb, [](File& f) { bmp_test::Poke16(f, 28, 3); }), "unsupported bit depth 3"},
      {"width_zero", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 18, 0); }), "empty or negative size"},
      {"width_negative", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 18, static_cast<std::uint32_t>(-5)); }), "empty or negative size"},
      {"height_zero", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 22, 0); }), "empty or negative size"},
      {"height_most_negative", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 22, 0x80000000u); }), "height out of range"},
      {"side_too_long", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 18, 20000); }), "too large"},
      {"too_many_pixels", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 18, 8192); bmp_test::Poke32(f, 22, 8192); }), "too large"},
      {"run_length_compression", Mutated(indexed, [](File& f) { bmp_test::Poke32(f, 30, bmp_test::kRle8); }), "run-length"},
      {"jpeg_compression", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 30, bmp_test::kJpeg); }), "unsupported compression 4"},
      {"bit_fields_on_24_bits", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 30, bmp_test::kBitfields); }), "bit fields need 16 or 32"},
      {"mask_not_contiguous",
       bmp_test::WriteBmp(WithMasks(Layout(40, 16, 2, 2), bmp_test::kBitfields, 0xA800, 0x07E0, 0x001F)), "not contiguous"},
      {"palette_larger_than_the_depth", Mutated(indexed, [](File& f) { bmp_test::Poke32(f, 46, 300); }), "palette of 300 colours"},
      {"palette_cut_short", Mutated(indexed, [](File& f) { f.resize(14 + 40 + 100); }), "palette is cut short"},
      {"pixels_cut_short", Mutated(rgb, [](File& f) { f.pop_back(); }), "pixel data is cut short"},
      {"pixel_offset_inside_the_file_header", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 10, 5); }), "overlaps the file header"},
      {"pixel_offset_inside_the_palette", Mutated(indexed, [](File& f) { bmp_test::Poke32(f, 10, 14 + 40 + 8); }), "overlaps the header or palette"},
      {"pixel_offset_past_the_end", Mutated(rgb, [](File& f) { bmp_test::Poke32(f, 10, 0x7FFFFFF0); }), "pixel data is cut short"},
  };
}

class BmpDecodeInvalid : public testing::TestWithParam<InvalidCase> {};

TEST_P(BmpDecodeInvalid, IsRefusedWithItsReason) {
  const InvalidCase& c = GetParam();
  try {
    DecodeBmpFile(c.bytes);
    FAIL() << c.description << ": decoded without complaint";
  } catch (const BmpFormatError& error) {
    EXPECT_NE(std::string(error.what()).find(c.expected_message), std::string::npos)
        << c.description << ": message was \"" << error.what() << "\"";
    EXPECT_EQ(std::string(error.what()).rfind("bad BMP data: ", 0), 0u) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Files, BmpDecodeInvalid, testing::ValuesIn(InvalidCases()),
                         [](const auto& info) { return std::string(info.param.description); });

// Any byte of the headers changed to any of a few telling values, and any truncation, must
// end in a picture whose pixels fill its rows exactly or in BmpFormatError; under the
// sanitizers this also proves that no read leaves the buffer.
TEST(BmpDecodeDamaged, NeverReadsOutsideOrReturnsAnInconsistentPicture) {
  const BmpLayout layouts[] = {Layout(40, 8, 5, 3, 256), Layout(40, 4, 7, 2, 16), Layout(12, 1, 9, 2, 2),
                               WithMasks(Layout(108, 32, 3, 2), bmp_test::kBitfields, 0xFF0000, 0xFF00, 0xFF, 0xFF000000),
                               WithMasks(Layout(40, 16, 3, 2), bmp_test::kBitfields, 0xF800, 0x07E0, 0x001F)};
  const std::uint8_t values[] = {0x00, 0x01, 0x7F, 0x80, 0xFF};
  for (const BmpLayout& layout : layouts) {
    const std::vector<std::uint8_t> original = bmp_test::WriteBmp(layout);
    const std::size_t header_end = std::min<std::size_t>(original.size(), 14 + layout.header_size + 16);
    for (std::size_t position = 0; position < header_end; ++position) {
      for (std::uint8_t value : values) {
        std::vector<std::uint8_t> damaged = original;
        damaged[position] = value;
        try {
          const BmpImage image = DecodeBmpFile(damaged);
          ASSERT_EQ(image.pixels.size(), image.RowBytes() * static_cast<std::size_t>(image.height))
              << "byte " << position << " = " << int(value);
        } catch (const BmpFormatError&) {
        }
      }
    }
    for (std::size_t length = 0; length < original.size(); ++length) {
      const std::vector<std::uint8_t> cut(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(length));
      EXPECT_THROW(DecodeBmpFile(cut), BmpFormatError) << "cut to " << length << " of " << original.size() << " bytes";
    }
  }
}

TEST(BmpEncode, RefusesAPictureWhosePixelsDoNotFillItsRows) {
  BmpImage image;
  image.width = 3;
  image.height = 2;
  image.bits_per_pixel = 24;
  image.pixels.resize(17);
  EXPECT_THROW(EncodeBmpFile(image), std::invalid_argument);
  image.pixels.resize(18);
  EXPECT_NO_THROW(EncodeBmpFile(image));
  image.bits_per_pixel = 16;
  EXPECT_THROW(EncodeBmpFile(image), std::invalid_argument);
}

}  // namespace
