// A plain RGB raster that the generator draws into before writing it as a bitmap file.
//
//   Image face(84, 23, kMagenta);
//   face.Blend(3, 4, Hex(0x336699), 0.5);
#pragma once

#include <vector>

#include "tools/stylegen/colour.h"

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  // Writes outside the raster are dropped, so shapes may overhang a frame's edge.
  void Set(int x, int y, Rgb colour) {
    if (Contains(x, y)) pixels_[Index(x, y)] = colour;
  }
  void Blend(int x, int y, Rgb colour, double coverage) {
    if (Contains(x, y)) pixels_[Index(x, y)] = Mix(pixels_[Index(x, y)], colour, coverage);
  }
  // Copies `part` with its top-left corner at (x, y); strips are assembled from frames this way.
  void Paste(const Image& part, int x, int y) {
    for (int py = 0; py < part.Height(); ++py)
      for (int px = 0; px < part.Width(); ++px) Set(x + px, y + py, part.At(px, py));
  }

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};
