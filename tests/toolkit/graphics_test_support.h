// Small helpers of the graphics tests: a white 24-bit drawing surface and readable colours.
#pragma once

#include <cstdio>
#include <string>

#include "toolkit/bitmap.h"

namespace graphics_test {

inline Bitmap WhiteSurface(int width, int height) {
  Bitmap surface;
  surface.SetSize(width, height);  // new pixels are white
  return surface;
}

inline std::string Hex(TColor color) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(color));
  return text;
}

// A bitmap of the given pixels, rows top to bottom, 0x00BBGGRR each.
inline Bitmap BitmapOf(int width, int height, std::initializer_list<TColor> pixels, PixelFormat format = PixelFormat::pf24bit) {
  Bitmap bitmap;
  bitmap.SetPixelFormat(format);
  bitmap.SetSize(width, height);
  int i = 0;
  for (TColor color : pixels) {
    bitmap.Canvas().SetPixel(i % width, i / width, color);
    ++i;
  }
  return bitmap;
}

// How many pixels of the rectangle have exactly that colour.
inline int CountColour(const Bitmap& shot, const RECT& r, TColor colour) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) count += shot.Pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

}  // namespace graphics_test
