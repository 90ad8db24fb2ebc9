// Reading and writing the Windows BMP format without the platform: the skin files and the
// bitmap resources carry BMP data that must be checked before any of it reaches GDI.
//
//   BmpImage image = DecodeBmpFile(bytes);   // throws BmpFormatError
//   std::uint8_t blue = image.Row(0)[0];     // 24 bits: blue, green, red per pixel
//   std::vector<std::uint8_t> file = EncodeBmpFile(image);
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

class BmpFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Larger pictures are refused: a skin or resource picture is a few hundred pixels wide,
// and a forged header must not make us allocate gigabytes.
inline constexpr std::int32_t kBmpMaxSide = 16384;
inline constexpr std::int64_t kBmpMaxPixels = std::int64_t{1} << 24;

struct BmpPaletteEntry {
  std::uint8_t blue = 0, green = 0, red = 0, reserved = 0;
};

// A decoded picture in one of three layouts: 8 bits (palette indices, 1- and 4-bit files
// are widened to this), 24 bits (blue, green, red; 16-bit files are widened to this) or
// 32 bits (blue, green, red, fourth byte). Rows are top-down and packed without padding.
struct BmpImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  int bits_per_pixel = 24;                   // 8, 24 or 32
  std::array<BmpPaletteEntry, 256> palette;  // used with 8 bits; entries past the file's are black
  std::vector<std::uint8_t> pixels;

  std::size_t RowBytes() const { return static_cast<std::size_t>(width) * static_cast<std::size_t>(bits_per_pixel / 8); }
  std::uint8_t* Row(std::int32_t y) { return pixels.data() + static_cast<std::size_t>(y) * RowBytes(); }
  const std::uint8_t* Row(std::int32_t y) const { return pixels.data() + static_cast<std::size_t>(y) * RowBytes(); }
  // 0x00BBGGRR of a pixel, through the palette for 8 bits.
  std::uint32_t ColorAt(std::int32_t x, std::int32_t y) const;
};

// A whole file: "BM" file header, info header, palette, pixels.
BmpImage DecodeBmpFile(std::span<const std::uint8_t> file);
// What a bitmap resource holds: the info header onward, pixels right after the palette.
BmpImage DecodeDib(std::span<const std::uint8_t> dib);
// A file with a 40-byte info header, bottom-up rows, no compression; 8-bit images carry
// all 256 palette entries.
std::vector<std::uint8_t> EncodeBmpFile(const BmpImage& image);
