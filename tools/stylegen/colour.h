// Colours of the picture generator: 8-bit red, green and blue, mixed in straight RGB.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

// The style table writes colours as 0x00BBGGRR; the pictures of a style share them.
constexpr Rgb FromTableColour(std::uint32_t bgr) {
  return {static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
          static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
}

constexpr Rgb Hex(std::uint32_t rrggbb) {
  return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>((rrggbb >> 8) & 0xFF),
          static_cast<std::uint8_t>(rrggbb & 0xFF)};
}

// t = 0 gives a, t = 1 gives b; rounding to nearest keeps repeated runs byte-identical.
inline Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](std::uint8_t x, std::uint8_t y) {
    return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

inline Rgb Lighter(Rgb c, double amount) { return Mix(c, kWhite, amount); }
inline Rgb Darker(Rgb c, double amount) { return Mix(c, kBlack, amount); }
