// Small symbols drawn on title buttons, check boxes, arrows and the menu check mark.
//
//   DrawGlyph(button, Glyph::Close, 5, 5, kWhite);   // 7x7 cross with its top-left at (5, 5)
#pragma once

#include "tools/stylegen/image.h"

enum class Glyph {
  WindowMenu,  // a small downward wedge: opens the window menu
  Help,        // "?"
  Maximize,    // a window outline with a thick top
  Restore,     // two overlapping window outlines
  Minimize,    // a bar at the bottom
  Close,       // "x"
  CheckMark,
  ArrowUp,
  ArrowDown,
  ArrowLeft,
  ArrowRight,
};

inline constexpr int kGlyphSize = 7;

// Draws the 7x7 glyph with its top-left at (x, y). Edge pixels of diagonal strokes are
// half-blended so the symbols keep a soft outline at this size.
void DrawGlyph(Image& image, Glyph glyph, int x, int y, Rgb colour);

// The glyph centred on a frame of the given size whose top-left is at (left, top).
void DrawGlyphCentred(Image& image, Glyph glyph, int left, int top, int width, int height, Rgb colour);
