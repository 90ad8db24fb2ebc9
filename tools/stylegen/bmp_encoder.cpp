#include "tools/stylegen/bmp_encoder.h"

#include <map>
#include <stdexcept>
#include <tuple>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch
constexpr int kMaxPaletteSize = 256;

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

std::uint32_t RowStride(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel,
                   std::uint32_t imageSize, std::uint32_t paletteSize) {
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));
  PutU16(out, 1);  // planes
  PutU16(out, static_cast<std::uint32_t>(bitsPerPixel));
  PutU32(out, 0);  // BI_RGB
  PutU32(out, imageSize);
  PutU32(out, kPixelsPerMetre);
  PutU32(out, kPixelsPerMetre);
  PutU32(out, paletteSize);
  PutU32(out, 0);  // all colours important
}

using ColourKey = std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>;

// Palette entries in order of first appearance from the bottom row up, so the file is
// the same on every run.
std::map<ColourKey, int> BuildPalette(const Image& image, std::vector<Rgb>& palette) {
  std::map<ColourKey, int> index;
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Rgb c = image.At(x, y);
      const ColourKey key{c.r, c.g, c.b};
      if (index.contains(key)) continue;
      if (static_cast<int>(palette.size()) == kMaxPaletteSize)
        throw std::runtime_error("an 8-bit picture holds more than 256 colours");
      index.emplace(key, static_cast<int>(palette.size()));
      palette.push_back(c);
    }
  }
  return index;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Image& image, BmpDepth depth) {
  const int bits = depth == BmpDepth::Bits8 ? 8 : depth == BmpDepth::Bits24 ? 24 : 32;
  std::vector<Rgb> palette;
  std::map<ColourKey, int> paletteIndex;
  if (depth == BmpDepth::Bits8) paletteIndex = BuildPalette(image, palette);

  const std::uint32_t stride = RowStride(image.Width(), bits);
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(image.Height());
  const std::uint32_t paletteBytes = static_cast<std::uint32_t>(palette.size()) * 4;
  const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;

  std::vector<std::uint8_t> out;
  out.reserve(pixelOffset + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, pixelOffset + imageSize);
  PutU32(out, 0);
  PutU32(out, pixelOffset);
  PutInfoHeader(out, image.Width(), image.Height(), bits, imageSize,
                static_cast<std::uint32_t>(palette.size()));
  for (const Rgb& c : palette) {
    out.insert(out.end(), {c.b, c.g, c.r, 0});
  }
  for (int y = image.Height() - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int x = 0; x < image.Width(); ++x) {
      const Rgb c = image.At(x, y);
      if (depth == BmpDepth::Bits8) {
        out.push_back(static_cast<std::uint8_t>(paletteIndex.at({c.r, c.g, c.b})));
      } else {
        out.insert(out.end(), {c.b, c.g, c.r});
        if (depth == BmpDepth::Bits32) out.push_back(0xFF);
      }
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}

std::vector<std::uint8_t> EncodeIcon(const Image& image, const std::vector<std::uint8_t>& alpha) {
  const int size = image.Width();
  if (size != image.Height() || size < 1 || size > 255 ||
      alpha.size() != static_cast<size_t>(size) * size) {
    throw std::runtime_error("an icon picture must be square, at most 255 pixels, with one alpha per pixel");
  }
  const std::uint32_t colourBytes = static_cast<std::uint32_t>(size) * size * 4;
  const std::uint32_t maskStride = RowStride(size, 1);
  const std::uint32_t maskBytes = maskStride * static_cast<std::uint32_t>(size);
  const std::uint32_t imageBytes = kInfoHeaderSize + colourBytes + maskBytes;
  constexpr std::uint32_t kDirectorySize = 6 + 16;

  std::vector<std::uint8_t> out;
  PutU16(out, 0);
  PutU16(out, 1);  // icon
  PutU16(out, 1);  // one image
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(0);  // no palette
  out.push_back(0);
  PutU16(out, 1);   // planes
  PutU16(out, 32);  // bits per pixel
  PutU32(out, imageBytes);
  PutU32(out, kDirectorySize);
  // The icon's bitmap header counts the colour and mask rows together: twice the height.
  PutInfoHeader(out, size, size * 2, 32, colourBytes + maskBytes, 0);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const Rgb c = image.At(x, y);
      out.insert(out.end(), {c.b, c.g, c.r, alpha[static_cast<size_t>(y) * size + x]});
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskStride, 0);
    for (int x = 0; x < size; ++x) {
      if (alpha[static_cast<size_t>(y) * size + x] == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}
