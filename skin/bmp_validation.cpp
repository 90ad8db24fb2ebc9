#include "skin/bmp_validation.h"

#include "skin/little_endian.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;        // OS/2 style: 16-bit width and height
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kLargestInfoHeaderSize = 124;  // the V5 header
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionRle8 = 1;
constexpr std::uint32_t kCompressionRle4 = 2;
constexpr std::uint32_t kCompressionBitFields = 3;
// Far above any skin picture, and small enough that rows times height cannot overflow.
constexpr std::int64_t kMaxDimension = 1 << 16;

bool KnownInfoHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 64 ||
         size == 108 || size == kLargestInfoHeaderSize;
}

bool KnownBitDepth(unsigned bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::optional<BmpFacts> ValidateBmpFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t pixel_offset = ReadLittleEndian32(bytes, 10);
  const std::uint32_t info_size = ReadLittleEndian32(bytes, kFileHeaderSize);
  if (!KnownInfoHeaderSize(info_size) || bytes.size() < kFileHeaderSize + info_size) return std::nullopt;
  const auto info = bytes.subspan(kFileHeaderSize, info_size);

  BmpFacts facts;
  std::uint16_t planes = 0;
  std::uint32_t compression = kCompressionNone;
  std::uint32_t image_size = 0;
  std::uint32_t colours_used = 0;
  std::size_t palette_entry_size = 4;
  if (info_size == kCoreHeaderSize) {
    facts.width = ReadLittleEndian16(info, 4);
    facts.height = ReadLittleEndian16(info, 6);
    planes = ReadLittleEndian16(info, 8);
    facts.bits_per_pixel = ReadLittleEndian16(info, 10);
    palette_entry_size = 3;
  } else {
    facts.width = static_cast<std::int32_t>(ReadLittleEndian32(info, 4));
    facts.height = static_cast<std::int32_t>(ReadLittleEndian32(info, 8));
    planes = ReadLittleEndian16(info, 12);
    facts.bits_per_pixel = ReadLittleEndian16(info, 14);
    compression = ReadLittleEndian32(info, 16);
    image_size = ReadLittleEndian32(info, 20);
    colours_used = ReadLittleEndian32(info, 32);
  }
  const std::int64_t height = facts.height < 0 ? -std::int64_t{facts.height} : facts.height;
  if (facts.width <= 0 || facts.width > kMaxDimension || height == 0 || height > kMaxDimension || planes != 1 ||
      !KnownBitDepth(facts.bits_per_pixel)) {
    return std::nullopt;
  }

  std::uint64_t palette_entries = 0;
  if (facts.bits_per_pixel <= 8) {
    const std::uint64_t most = std::uint64_t{1} << facts.bits_per_pixel;
    if (colours_used > most) return std::nullopt;
    palette_entries = colours_used != 0 ? colours_used : most;
  } else {
    palette_entries = colours_used;
  }
  // Bit-field masks follow a 40-byte header; the larger headers hold them inside.
  const std::uint64_t masks = (compression == kCompressionBitFields && info_size == kInfoHeaderSize) ? 12 : 0;
  const std::uint64_t palette_end = kFileHeaderSize + info_size + masks + palette_entries * palette_entry_size;
  if (pixel_offset < kFileHeaderSize + info_size + masks || palette_end > bytes.size()) return std::nullopt;
  if (pixel_offset > bytes.size()) return std::nullopt;

  const std::uint64_t pixel_room = bytes.size() - pixel_offset;
  const std::uint64_t row_bytes = ((std::uint64_t(facts.width) * facts.bits_per_pixel + 31) / 32) * 4;
  switch (compression) {
    case kCompressionNone:
      if (row_bytes * height > pixel_room) return std::nullopt;
      break;
    case kCompressionBitFields:
      if ((facts.bits_per_pixel != 16 && facts.bits_per_pixel != 32) || row_bytes * height > pixel_room) {
        return std::nullopt;
      }
      break;
    case kCompressionRle8:
    case kCompressionRle4:
      // Run-length data is as long as it says; it must say, and fit.
      if (facts.bits_per_pixel != (compression == kCompressionRle8 ? 8 : 4) || facts.height < 0 ||
          image_size == 0 || image_size > pixel_room) {
        return std::nullopt;
      }
      break;
    default:
      return std::nullopt;
  }
  return facts;
}
