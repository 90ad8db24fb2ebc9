// Anti-aliased rounded rectangles (a circle is one whose radius is half its side).
//
//   RoundedRect pill{0, 0, 84, 23, 11.5};
//   FillShape(face, pill, [&](int, int y) { return gloss.AtRow(y, 23); });
//   KeyOutsideShape(face, pill, kMagenta);
#pragma once

#include <functional>

#include "tools/stylegen/image.h"

// Edges lie on pixel boundaries: {0, 0, 17, 17, 8.5} covers the 17x17 pixels exactly.
struct RoundedRect {
  double left, top, right, bottom, radius;

  RoundedRect Inset(double by) const {
    return {left + by, top + by, right - by, bottom - by, radius > by ? radius - by : 0.0};
  }
  bool ContainsPoint(double x, double y) const;
};

using PixelPaint = std::function<Rgb(int x, int y)>;

// Share (0..1) of pixel (x, y) that lies inside the shape, from a 4x4 grid of samples.
double Coverage(const RoundedRect& shape, int x, int y);

// Blends the paint over the image, each pixel by the share of it the shape covers.
void FillShape(Image& image, const RoundedRect& shape, const PixelPaint& paint);
void FillShape(Image& image, const RoundedRect& shape, Rgb colour);

// A ring of the given width along the inside of the shape's edge.
void StrokeShape(Image& image, const RoundedRect& shape, double width, Rgb colour);

// Pixels mostly outside the shape become the key colour. Key-colour transparency is
// all-or-nothing, so the half-covered rim keeps its blended colour instead of a pink fringe.
void KeyOutsideShape(Image& image, const RoundedRect& shape, Rgb key);
