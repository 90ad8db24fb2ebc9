// Reads what the picture tests need from a bitmap or icon file: header fields and, for
// 24- and 32-bit bitmaps, pixels. Every offset is checked against the file's length.
//
//   auto probe = BmpProbe::Parse(bytes);          // std::nullopt when not a bitmap file
//   if (probe) std::uint32_t rgb = probe->Pixel(0, 0);   // 0xRRGGBB, top row is y = 0
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class BmpProbe {
 public:
  static std::optional<BmpProbe> Parse(const std::vector<std::uint8_t>& bytes) {
    BmpProbe probe(bytes);
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    if (probe.U32(10) > bytes.size() || probe.U32(14) != 40) return std::nullopt;
    probe.width = static_cast<std::int32_t>(probe.U32(18));
    probe.height = static_cast<std::int32_t>(probe.U32(22));
    probe.bitsPerPixel = probe.U16(28);
    probe.compression = probe.U32(30);
    probe.paletteSize = probe.U32(46);
    probe.pixelOffset = probe.U32(10);
    probe.fileSizeField = probe.U32(2);
    if (probe.width <= 0 || probe.height <= 0 || probe.width > 4096 || probe.height > 4096) return std::nullopt;
    const std::uint64_t stride = (static_cast<std::uint64_t>(probe.width) * probe.bitsPerPixel + 31) / 32 * 4;
    if (probe.pixelOffset + stride * probe.height > bytes.size()) return std::nullopt;
    probe.stride = static_cast<std::uint32_t>(stride);
    return probe;
  }

  // 0xRRGGBB of pixel (x, y) with y = 0 the top row, for 24- and 32-bit files; for 8-bit
  // files the palette colour of the pixel's index.
  std::uint32_t Pixel(int x, int y) const {
    const std::uint64_t row = pixelOffset + static_cast<std::uint64_t>(height - 1 - y) * stride;
    if (bitsPerPixel == 8) {
      const std::uint32_t index = bytes_[row + x];
      if (54 + (index + 1) * 4 > pixelOffset) return kNoColour;
      return Bgr(54 + index * 4);
    }
    return Bgr(row + static_cast<std::uint64_t>(x) * (bitsPerPixel / 8));
  }

  static constexpr std::uint32_t kNoColour = 0xFFFFFFFF;  // an index beyond the palette

  std::int32_t width = 0, height = 0;
  std::uint32_t bitsPerPixel = 0, compression = 0, paletteSize = 0, pixelOffset = 0, fileSizeField = 0;
  std::uint32_t stride = 0;

 private:
  explicit BmpProbe(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  std::uint32_t U16(size_t at) const { return bytes_[at] | (bytes_[at + 1] << 8); }
  std::uint32_t U32(size_t at) const { return U16(at) | (U16(at + 2) << 16); }
  std::uint32_t Bgr(std::uint64_t at) const {
    return (std::uint32_t{bytes_[at + 2]} << 16) | (std::uint32_t{bytes_[at + 1]} << 8) | bytes_[at];
  }

  std::vector<std::uint8_t> bytes_;
};
