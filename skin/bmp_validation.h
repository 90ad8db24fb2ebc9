// Checks that a byte range is a complete BMP file before anything is built from it: file
// header, a known info header size, sane width, height, planes, bit depth and compression,
// a palette and pixel data that lie inside the bytes given.
//
//   std::optional<BmpFacts> facts = ValidateBmpFile(bytes);
//   if (!facts) { /* not a bitmap: the skin is damaged */ }
#pragma once

#include <cstdint>
#include <optional>
#include <span>

struct BmpFacts {
  std::int32_t width = 0;
  std::int32_t height = 0;  // as stored: negative for top-down rows
  std::uint16_t bits_per_pixel = 0;
};

std::optional<BmpFacts> ValidateBmpFile(std::span<const std::uint8_t> bytes);
