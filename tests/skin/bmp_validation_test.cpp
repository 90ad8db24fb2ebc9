// Which byte ranges count as complete BMP files.
#include "skin/bmp_validation.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/skin/skin_fixture.h"

namespace {

Bytes Bmp24(int width, int height) {
  return MakeBmpFile(width, height, [](int x, int y) { return static_cast<std::uint32_t>(x + 256 * y); });
}

// An 8-bit bitmap with a 256-entry palette.
Bytes Bmp8(int width, int height) {
  Bytes bmp = MakeBmpHeader(width, height);
  bmp[28] = 8;
  const std::uint32_t row = static_cast<std::uint32_t>((width + 3) / 4 * 4);
  Poke32(bmp, 10, 54 + 1024);
  bmp.resize(54 + 1024 + row * static_cast<std::uint32_t>(height), 0);
  return bmp;
}

struct BmpCase {
  const char* description;
  std::function<Bytes()> make;
  bool valid;
};

std::ostream& operator<<(std::ostream& out, const BmpCase& c) { return out << c.description; }

const BmpCase kBmpCases[] = {
    {"24-bit 3x2", [] { return Bmp24(3, 2); }, true},
    {"24-bit 1x1", [] { return Bmp24(1, 1); }, true},
    {"8-bit with palette", [] { return Bmp8(5, 3); }, true},
    {"top-down (negative height)", [] {
       Bytes b = Bmp24(4, 4);
       Poke32(b, 22, static_cast<std::uint32_t>(-4));
       return b;
     }, true},
    {"empty", [] { return Bytes(); }, false},
    {"wrong magic", [] { Bytes b = Bmp24(3, 2); b[0] = 'X'; return b; }, false},
    {"unknown info header size", [] { Bytes b = Bmp24(3, 2); Poke32(b, 14, 41); return b; }, false},
    {"info header past the data", [] { Bytes b = Bmp24(3, 2); b.resize(30); return b; }, false},
    {"zero width", [] { Bytes b = Bmp24(3, 2); Poke32(b, 18, 0); return b; }, false},
    {"negative width", [] { Bytes b = Bmp24(3, 2); Poke32(b, 18, static_cast<std::uint32_t>(-3)); return b; }, false},
    {"zero height", [] { Bytes b = Bmp24(3, 2); Poke32(b, 22, 0); return b; }, false},
    {"huge width", [] { Bytes b = Bmp24(3, 2); Poke32(b, 18, 0x7FFFFFFF); return b; }, false},
    {"two planes", [] { Bytes b = Bmp24(3, 2); b[26] = 2; return b; }, false},
    {"bit depth 7", [] { Bytes b = Bmp24(3, 2); b[28] = 7; return b; }, false},
    {"pixels cut short", [] { Bytes b = Bmp24(3, 2); b.pop_back(); return b; }, false},
    {"pixel offset past the end", [] { Bytes b = Bmp24(3, 2); Poke32(b, 10, 0xFFFFFF00u); return b; }, false},
    {"pixel offset inside the header", [] { Bytes b = Bmp24(3, 2); Poke32(b, 10, 20); return b; }, false},
    {"palette past the data", [] { Bytes b = Bmp8(4, 1); b.resize(54 + 500); return b; }, false},
    {"more palette colours than the depth allows", [] { Bytes b = Bmp8(4, 1); Poke32(b, 46, 257); return b; }, false},
    {"unknown compression", [] { Bytes b = Bmp24(3, 2); Poke32(b, 30, 9); return b; }, false},
};

class BmpValidationTest : public testing::TestWithParam<BmpCase> {};

TEST_P(BmpValidationTest, AcceptsOnlyCompleteBitmaps) {
  const BmpCase& c = GetParam();
  EXPECT_EQ(ValidateBmpFile(c.make()).has_value(), c.valid) << c.description;
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, BmpValidationTest, testing::ValuesIn(kBmpCases),
                         [](const testing::TestParamInfo<BmpCase>& info) {
                           std::string name;
                           for (const char* p = info.param.description; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

TEST(BmpValidationFactsTest, ReportsSizeAndDepth) {
  const auto facts = ValidateBmpFile(Bmp24(7, 3));
  ASSERT_TRUE(facts);
  EXPECT_EQ(facts->width, 7);
  EXPECT_EQ(facts->height, 3);
  EXPECT_EQ(facts->bits_per_pixel, 24);
}

}  // namespace
