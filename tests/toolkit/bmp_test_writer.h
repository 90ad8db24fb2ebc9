// Writes BMP files of every layout the decoder reads, so that the tests need no binary
// blobs: the picture is a function of (x, y), and the test compares what comes back with
// that same function.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bmp_test {

enum : std::uint32_t { kRgb = 0, kRle8 = 1, kBitfields = 3, kJpeg = 4 };

struct BmpLayout {
  std::uint32_t header_size = 40;  // 12 (core), 40, 108 or 124
  int bits = 24;                   // 1, 4, 8, 16, 24, 32
  std::int32_t width = 5;
  std::int32_t height = 3;
  bool top_down = false;
  std::uint32_t compression = kRgb;
  std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha (bit fields)
  std::uint32_t palette_colors = 0;       // entries written; 0 = none (more than 8 bits)
  std::uint32_t colors_used_field = 0;    // what the header says
  std::uint32_t gap_before_pixels = 0;    // bytes between palette and pixels (bfOffBits says so)
};

// The colour of palette entry i, as 0x00BBGGRR.
inline std::uint32_t PaletteColor(std::uint32_t i) {
  return ((i * 37 + 11) & 0xFF) | (((i * 91 + 5) & 0xFF) << 8) | (((i * 53 + 200) & 0xFF) << 16);
}

// The palette index at (x, y) for a palette of `colors` entries.
inline std::uint32_t IndexAt(int x, int y, std::uint32_t colors) { return static_cast<std::uint32_t>(x * 7 + y * 3) % colors; }

// The 0x00BBGGRR colour at (x, y) of a true-colour test picture.
inline std::uint32_t TrueColorAt(int x, int y) {
  const std::uint32_t red = (x * 40 + y * 3) & 0xFF, green = (y * 60 + x * 5) & 0xFF, blue = ((x ^ y) * 20 + 7) & 0xFF;
  return red | (green << 8) | (blue << 16);
}

inline void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Places an 8-bit channel value into a mask, keeping its top bits.
inline std::uint32_t IntoMask(std::uint32_t value8, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  int bits = 0;
  while (shift + bits < 32 && ((mask >> (shift + bits)) & 1)) ++bits;
  const std::uint32_t value = bits >= 8 ? (value8 << (bits - 8)) : (value8 >> (8 - bits));
  return (value << shift) & mask;
}

// Pixel bits for one pixel of a true-colour layout; `color` is 0x00BBGGRR, `alpha` 0-255.
inline std::uint32_t PackPixel(const BmpLayout& layout, std::uint32_t color, std::uint32_t alpha) {
  const std::uint32_t red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
  return IntoMask(red, layout.masks[0]) | IntoMask(green, layout.masks[1]) | IntoMask(blue, layout.masks[2]) |
         IntoMask(alpha, layout.masks[3]);
}

inline std::vector<std::uint8_t> WriteBmp(const BmpLayout& layout) {
  std::vector<std::uint8_t> info;
  const bool core = layout.header_size == 12;
  Put32(info, layout.header_size);
  if (core) {
    Put16(info, static_cast<std::uint32_t>(layout.width));
    Put16(info, static_cast<std::uint32_t>(layout.height));
    Put16(info, 1);
    Put16(info, static_cast<std::uint32_t>(layout.bits));
  } else {
    Put32(info, static_cast<std::uint32_t>(layout.width));
    Put32(info, static_cast<std::uint32_t>(layout.top_down ? -layout.height : layout.height));
    Put16(info, 1);
    Put16(info, static_cast<std::uint32_t>(layout.bits));
    Put32(info, layout.compression);
    Put32(info, 0);     // image size: may be 0 without compression
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, layout.colors_used_field);
    Put32(info, 0);
    if (layout.header_size >= 108) {
      for (std::uint32_t mask : layout.masks) Put32(info, mask);
    }
    while (info.size() < layout.header_size) info.push_back(0);
    if (layout.header_size == 40 && layout.compression == kBitfields) {
      for (int i = 0; i < 3; ++i) Put32(info, layout.masks[i]);
    }
  }
  for (std::uint32_t i = 0; i < layout.palette_colors; ++i) {
    const std::uint32_t c = PaletteColor(i);
    info.push_back(static_cast<std::uint8_t>(c >> 16));
    info.push_back(static_cast<std::uint8_t>(c >> 8));
    info.push_back(static_cast<std::uint8_t>(c));
    if (!core) info.push_back(0);
  }
  info.insert(info.end(), layout.gap_before_pixels, 0xEE);

  const std::size_t row_bytes = (static_cast<std::size_t>(layout.width) * layout.bits + 31) / 32 * 4;
  std::vector<std::uint8_t> pixels;
  for (int file_row = 0; file_row < layout.height; ++file_row) {
    const int y = layout.top_down ? file_row : layout.height - 1 - file_row;
    std::vector<std::uint8_t> row(row_bytes, 0);
    for (int x = 0; x < layout.width; ++x) {
      if (layout.bits <= 8) {
        const std::uint32_t index = IndexAt(x, y, layout.palette_colors);
        const int bit = x * layout.bits;
        row[bit / 8] |= static_cast<std::uint8_t>(index << (8 - layout.bits - bit % 8));
      } else if (layout.bits == 24) {
        const std::uint32_t c = TrueColorAt(x, y);
        row[3 * x] = static_cast<std::uint8_t>(c >> 16);
        row[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
        row[3 * x + 2] = static_cast<std::uint8_t>(c);
      } else {
        const std::uint32_t alpha = (x * 50 + y) & 0xFF;
        const std::uint32_t packed = PackPixel(layout, TrueColorAt(x, y), alpha);
        for (int b = 0; b < layout.bits / 8; ++b) row[x * (layout.bits / 8) + b] = static_cast<std::uint8_t>(packed >> (8 * b));
      }
    }
    pixels.insert(pixels.end(), row.begin(), row.end());
  }

  std::vector<std::uint8_t> file{'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(14 + info.size() + pixels.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(14 + info.size()));
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

// Overwrites a little-endian 32-bit field of a written file.
inline void Poke32(std::vector<std::uint8_t>& file, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) file[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
inline void Poke16(std::vector<std::uint8_t>& file, std::size_t offset, std::uint32_t value) {
  file[offset] = static_cast<std::uint8_t>(value);
  file[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// What a channel of `mask` width reads back as: its top bits widened to 0..255 again.
inline std::uint32_t ThroughMask(std::uint32_t value8, std::uint32_t mask) {
  int bits = 0;
  for (std::uint32_t m = mask; m; m &= m - 1) ++bits;
  if (bits == 0) return 0;
  if (bits >= 8) return value8;
  const std::uint32_t value = value8 >> (8 - bits), max = (1u << bits) - 1;
  return (value * 255 + max / 2) / max;
}

inline std::uint32_t ExpectedColor(const BmpLayout& layout, int x, int y) {
  if (layout.bits <= 8) return bmp_test::PaletteColor(bmp_test::IndexAt(x, y, layout.palette_colors));
  const std::uint32_t c = bmp_test::TrueColorAt(x, y);
  if (layout.bits == 24) return c;
  return ThroughMask(c & 0xFF, layout.masks[0]) | (ThroughMask((c >> 8) & 0xFF, layout.masks[1]) << 8) |
         (ThroughMask((c >> 16) & 0xFF, layout.masks[2]) << 16);
}

}  // namespace bmp_test
