#include "controls/glyph_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct PlacementCase {
  const char* description;
  TButtonLayout layout;
  GlyphExtent button, caption, glyph;
  int spacing;
  GlyphPoint glyph_at, caption_at;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.description; }

class GlyphLayoutTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(GlyphLayoutTest, CentresGlyphAndCaptionTogether) {
  const PlacementCase& c = GetParam();
  const GlyphPlacement at = PlaceGlyph(c.layout, c.button, c.caption, c.glyph, c.spacing);
  EXPECT_EQ(at.glyph, c.glyph_at) << "glyph at " << at.glyph.x << "," << at.glyph.y;
  EXPECT_EQ(at.caption, c.caption_at) << "caption at " << at.caption.x << "," << at.caption.y;
}

// Worked by hand: an 80 x 27 button, a 30 x 13 caption, a 16 x 16 glyph, 4 pixels apart.
INSTANTIATE_TEST_SUITE_P(Layouts, GlyphLayoutTest, ::testing::Values(
    PlacementCase{"left", TButtonLayout::blGlyphLeft, {80, 27}, {30, 13}, {16, 16}, 4, {15, 5}, {35, 7}},
    PlacementCase{"right", TButtonLayout::blGlyphRight, {80, 27}, {30, 13}, {16, 16}, 4, {49, 5}, {15, 7}},
    PlacementCase{"top", TButtonLayout::blGlyphTop, {80, 60}, {30, 13}, {16, 16}, 4, {32, 13}, {25, 33}},
    PlacementCase{"bottom", TButtonLayout::blGlyphBottom, {80, 60}, {30, 13}, {16, 16}, 4, {32, 30}, {25, 13}},
    // (40 - 71) / 2 is -15 toward zero, where flooring would give -16.
    PlacementCase{"left_caption_wider_than_the_button", TButtonLayout::blGlyphLeft, {40, 20}, {51, 13}, {16, 16},
                  4, {-15, 2}, {5, 3}},
    PlacementCase{"top_odd_remainders", TButtonLayout::blGlyphTop, {41, 27}, {9, 7}, {10, 10}, 3, {15, 3},
                  {16, 16}},
    PlacementCase{"no_spacing_no_caption", TButtonLayout::blGlyphRight, {20, 20}, {0, 0}, {8, 8}, 0, {6, 6},
                  {6, 10}}),
    [](const auto& info) { return std::string(info.param.description); });

}  // namespace
