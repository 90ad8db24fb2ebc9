#include "tools/stylegen/glyphs.h"

#include <array>

namespace {

using Pattern = std::array<const char*, kGlyphSize>;

// '#' a full pixel, '+' a half-blended one, '.' untouched.
Pattern PatternOf(Glyph glyph) {
  switch (glyph) {
    case Glyph::WindowMenu:
      return {".......", ".......", "#######", "+#####+", ".+###+.", "..+#+..", "......."};
    case Glyph::Help:
      return {".+###+.", ".#+.+#.", "....+#.", "..+#+..", "..##...", ".......", "..##..."};
    case Glyph::Maximize:
      return {"#######", "#######", "#.....#", "#.....#", "#.....#", "#.....#", "#######"};
    case Glyph::Restore:
      return {"..#####", "..#####", "#####.#", "#####.#", "#...###", "#...#..", "#####.."};
    case Glyph::Minimize:
      return {".......", ".......", ".......", ".......", ".......", "#######", "#######"};
    case Glyph::Close:
      return {"#+...+#", "+#+.+#+", ".+###+.", "..###..", ".+###+.", "+#+.+#+", "#+...+#"};
    case Glyph::CheckMark:
      return {"......#", ".....##", "#+..##+", "##+##+.", "+###+..", ".+#+...", "..+...."};
    case Glyph::ArrowUp:
      return {".......", "...#...", "..###..", ".#####.", "#######", ".......", "......."};
    case Glyph::ArrowDown:
      return {".......", ".......", "#######", ".#####.", "..###..", "...#...", "......."};
    case Glyph::ArrowLeft:
      return {"....#..", "...##..", "..###..", ".####..", "..###..", "...##..", "....#.."};
    case Glyph::ArrowRight:
      return {"..#....", "..##...", "..###..", "..####.", "..###..", "..##...", "..#...."};
  }
  return {".......", ".......", ".......", ".......", ".......", ".......", "......."};
}

}  // namespace

void DrawGlyph(Image& image, Glyph glyph, int x, int y, Rgb colour) {
  const Pattern pattern = PatternOf(glyph);
  for (int row = 0; row < kGlyphSize; ++row) {
    for (int column = 0; column < kGlyphSize; ++column) {
      const char mark = pattern[row][column];
      if (mark == '#') image.Set(x + column, y + row, colour);
      if (mark == '+') image.Blend(x + column, y + row, colour, 0.5);
    }
  }
}

void DrawGlyphCentred(Image& image, Glyph glyph, int left, int top, int width, int height, Rgb colour) {
  DrawGlyph(image, glyph, left + (width - kGlyphSize) / 2, top + (height - kGlyphSize) / 2, colour);
}
