// Encodes an Image as the bytes of a Windows bitmap file (bottom-up, rows padded to
// four bytes, uncompressed).
//
//   std::vector<std::uint8_t> bytes = EncodeBmp(face, BmpDepth::Bits24);
#pragma once

#include <cstdint>
#include <vector>

#include "tools/stylegen/image.h"

enum class BmpDepth {
  Bits8,   // a palette of the image's own colours; fails when it has more than 256
  Bits24,
  Bits32,  // blue, green, red and an opaque alpha byte
};

// Throws std::runtime_error when an 8-bit picture holds more than 256 colours.
std::vector<std::uint8_t> EncodeBmp(const Image& image, BmpDepth depth);

// A 16x16 (or other square up to 255) 32-bit icon file with the given alpha per pixel
// (row-major, top row first); the AND mask marks fully transparent pixels.
std::vector<std::uint8_t> EncodeIcon(const Image& image, const std::vector<std::uint8_t>& alpha);
