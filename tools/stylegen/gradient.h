// Colour ramps: a list of stops at positions 0..1, sampled with linear mixing.
//
//   Gradient gloss{{0.0, kWhite}, {0.5, Hex(0xDDDDDD)}, {0.51, Hex(0xC8C8C8)}, {1.0, kWhite}};
//   Rgb c = gloss.At(0.25);
#pragma once

#include <initializer_list>
#include <vector>

#include "tools/stylegen/colour.h"

struct GradientStop {
  double at;
  Rgb colour;
};

class Gradient {
 public:
  Gradient(std::initializer_list<GradientStop> stops) : stops_(stops) {}
  explicit Gradient(Rgb flat) : stops_{{0.0, flat}, {1.0, flat}} {}

  Rgb At(double t) const {
    if (t <= stops_.front().at) return stops_.front().colour;
    for (size_t i = 1; i < stops_.size(); ++i) {
      const GradientStop& a = stops_[i - 1];
      const GradientStop& b = stops_[i];
      if (t <= b.at) return b.at > a.at ? Mix(a.colour, b.colour, (t - a.at) / (b.at - a.at)) : b.colour;
    }
    return stops_.back().colour;
  }

  // The colour of pixel row `row` of a picture `height` rows tall, sampled at the row's centre.
  Rgb AtRow(int row, int height) const { return At(height > 1 ? (row + 0.5) / height : 0.0); }

 private:
  std::vector<GradientStop> stops_;
};
