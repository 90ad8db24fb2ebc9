// Where a button puts its glyph and its caption, centred together, for each layout.
//
//   GlyphPlacement at = PlaceGlyph(TButtonLayout::blGlyphLeft, {80, 27}, {30, 13}, {16, 16}, 4);
//   // at.glyph == {15, 5}, at.caption == {35, 7}
#pragma once

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct GlyphExtent {
  int width;
  int height;
};

struct GlyphPoint {
  int x;
  int y;
  bool operator==(const GlyphPoint&) const = default;
};

struct GlyphPlacement {
  GlyphPoint glyph;    // top-left corner of the glyph
  GlyphPoint caption;  // top-left corner of the caption's single line
};

// `spacing` pixels lie between glyph and caption. Halves round toward zero, so a
// caption wider than the button moves the pair off to the left or top.
GlyphPlacement PlaceGlyph(TButtonLayout layout, GlyphExtent button, GlyphExtent caption, GlyphExtent glyph,
                          int spacing);
