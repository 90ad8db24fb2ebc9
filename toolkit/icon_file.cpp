#include "toolkit/icon_file.h"

#include <cstdlib>

namespace {

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kDirectoryEntrySize = 16;
constexpr std::uint16_t kIconResourceType = 1;
constexpr std::size_t kInfoHeaderSize = 40;  // the smallest bitmap header an icon image has
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Dword(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(Word(bytes, at)) | (static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16);
}

bool IsPng(std::span<const std::uint8_t> image) {
  if (image.size() < sizeof kPngSignature) return false;
  for (std::size_t i = 0; i < sizeof kPngSignature; ++i) {
    if (image[i] != kPngSignature[i]) return false;
  }
  return true;
}

// A bitmap image holds its header, its palette, the colour rows and the mask rows (each
// row padded to 32 bits); the stored height counts both halves.
bool BitmapImageFits(std::span<const std::uint8_t> image) {
  if (image.size() < kInfoHeaderSize) return false;
  const std::uint32_t header_size = Dword(image, 0);
  const auto width = static_cast<std::int32_t>(Dword(image, 4));
  const auto double_height = static_cast<std::int32_t>(Dword(image, 8));
  const std::uint16_t bits = Word(image, 14);
  const std::uint32_t used_colours = Dword(image, 32);
  constexpr std::int32_t kLargestSide = 1024;
  if (header_size < kInfoHeaderSize || header_size > image.size()) return false;
  if (width <= 0 || width > kLargestSide || double_height <= 0 || double_height > 2 * kLargestSide) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
  const std::uint64_t palette_entries = bits <= 8 ? (used_colours != 0 ? used_colours : (1u << bits)) : 0;
  if (palette_entries > 256) return false;
  const std::uint64_t rows = static_cast<std::uint64_t>(double_height) / 2;
  const std::uint64_t colour_row = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
  const std::uint64_t mask_row = ((static_cast<std::uint64_t>(width) + 31) / 32) * 4;
  const std::uint64_t needed = header_size + palette_entries * 4 + rows * (colour_row + mask_row);
  return needed <= image.size();
}

}  // namespace

std::optional<IconImageLocation> ChooseIconImage(std::span<const std::uint8_t> file, int wanted_width,
                                                 int wanted_height) {
  if (file.size() < kDirectoryHeaderSize) return std::nullopt;
  if (Word(file, 0) != 0 || Word(file, 2) != kIconResourceType) return std::nullopt;
  const std::size_t count = Word(file, 4);
  if (count == 0 || kDirectoryHeaderSize + count * kDirectoryEntrySize > file.size()) return std::nullopt;

  std::optional<IconImageLocation> best;
  int best_distance = 0;
  int best_bits = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kDirectoryHeaderSize + i * kDirectoryEntrySize;
    IconImageLocation candidate;
    candidate.width = file[entry] == 0 ? 256 : file[entry];
    candidate.height = file[entry + 1] == 0 ? 256 : file[entry + 1];
    const int bits = Word(file, entry + 6);
    candidate.size = Dword(file, entry + 8);
    candidate.offset = Dword(file, entry + 12);
    if (candidate.offset > file.size() || candidate.size > file.size() - candidate.offset) return std::nullopt;
    const std::span<const std::uint8_t> image = file.subspan(candidate.offset, candidate.size);
    candidate.png = IsPng(image);
    if (!candidate.png && !BitmapImageFits(image)) return std::nullopt;
    const int distance = std::abs(candidate.width - wanted_width) + std::abs(candidate.height - wanted_height);
    if (!best || distance < best_distance || (distance == best_distance && bits > best_bits)) {
      best = candidate;
      best_distance = distance;
      best_bits = bits;
    }
  }
  return best;
}
