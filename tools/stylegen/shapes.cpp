#include "tools/stylegen/shapes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamplesPerAxis = 4;

}  // namespace

bool RoundedRect::ContainsPoint(double x, double y) const {
  if (x < left || x > right || y < top || y > bottom) return false;
  const double r = std::min({radius, (right - left) / 2, (bottom - top) / 2});
  const double cx = std::clamp(x, left + r, right - r);
  const double cy = std::clamp(y, top + r, bottom - r);
  const double dx = x - cx;
  const double dy = y - cy;
  return dx * dx + dy * dy <= r * r;
}

double Coverage(const RoundedRect& shape, int x, int y) {
  int inside = 0;
  for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
    for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
      const double px = x + (sx + 0.5) / kSamplesPerAxis;
      const double py = y + (sy + 0.5) / kSamplesPerAxis;
      if (shape.ContainsPoint(px, py)) ++inside;
    }
  }
  return static_cast<double>(inside) / (kSamplesPerAxis * kSamplesPerAxis);
}

void FillShape(Image& image, const RoundedRect& shape, const PixelPaint& paint) {
  const int x0 = std::max(0, static_cast<int>(std::floor(shape.left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(shape.top)));
  const int x1 = std::min(image.Width(), static_cast<int>(std::ceil(shape.right)));
  const int y1 = std::min(image.Height(), static_cast<int>(std::ceil(shape.bottom)));
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const double share = Coverage(shape, x, y);
      if (share > 0) image.Blend(x, y, paint(x, y), share);
    }
  }
}

void FillShape(Image& image, const RoundedRect& shape, Rgb colour) {
  FillShape(image, shape, [colour](int, int) { return colour; });
}

void StrokeShape(Image& image, const RoundedRect& shape, double width, Rgb colour) {
  const RoundedRect inner = shape.Inset(width);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const double share = Coverage(shape, x, y) - Coverage(inner, x, y);
      if (share > 0) image.Blend(x, y, colour, share);
    }
  }
}

void KeyOutsideShape(Image& image, const RoundedRect& shape, Rgb key) {
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (Coverage(shape, x, y) < 0.5) image.Set(x, y, key);
}
