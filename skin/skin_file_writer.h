// Writes skin files in the layout the reader expects: the inner entry chain (with its
// terminator record) and the "SK" archive around one DEFLATE member, optionally encrypted.
// The caller compresses; DeflateStored is there for builds without a compressor. Options
// can also write the departures from the layout that tests need.
//
//   std::vector<std::uint8_t> inner = BuildSkinDataFile(entries);
//   SkinArchiveOptions options;  options.password = "secret";
//   std::vector<std::uint8_t> file = BuildSkinArchive(inner, DeflateStored(inner), options);
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/skin_data_file.h"

struct SkinWriterEntry {
  std::string name;
  std::uint8_t type = 0;               // skin_data::EntryType, or any other byte
  std::vector<std::uint8_t> data;      // the entry's data bytes as stored
  std::optional<std::uint32_t> recorded_size;  // data size field, when it should lie
};

SkinWriterEntry BitmapEntry(std::string name, std::vector<std::uint8_t> bmp_file);
SkinWriterEntry IntegerEntry(std::string name, std::int32_t value);
SkinWriterEntry BooleanEntry(std::string name, bool value);
SkinWriterEntry StringEntry(std::string name, std::string_view text);

// Header of 24 bytes (a signature in bytes 0-11), the records back to back, the terminator
// record, then the data of every entry in order.
std::vector<std::uint8_t> BuildSkinDataFile(const std::vector<SkinWriterEntry>& entries);

struct SkinArchiveOptions {
  std::string member_name = "SKINDATA.SK2";
  std::string password;                 // empty: not encrypted
  bool data_descriptor_flag = false;    // the check byte then comes from the file time
  std::uint16_t file_time = 0x5A3C;
  std::string archive_comment;
  char marker_second_byte = 'K';
  char marker_first_byte = 'S';
  std::optional<std::uint32_t> recorded_uncompressed_size;
};

std::vector<std::uint8_t> BuildSkinArchive(std::span<const std::uint8_t> member,
                                           std::span<const std::uint8_t> compressed_member,
                                           const SkinArchiveOptions& options);

// A valid DEFLATE stream of stored blocks holding `bytes`.
std::vector<std::uint8_t> DeflateStored(std::span<const std::uint8_t> bytes);

// A 24-bit bottom-up BMP file of the given size whose pixels come from pixel(x, y) as
// 0x00RRGGBB.
template <typename PixelFunction>
std::vector<std::uint8_t> MakeBmpFile(int width, int height, PixelFunction pixel);
std::vector<std::uint8_t> MakeBmpHeader(int width, int height);

template <typename PixelFunction>
std::vector<std::uint8_t> MakeBmpFile(int width, int height, PixelFunction pixel) {
  std::vector<std::uint8_t> file = MakeBmpHeader(width, height);
  const int row_bytes = (width * 3 + 3) / 4 * 4;
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = pixel(x, y);
      file.push_back(static_cast<std::uint8_t>(rgb));
      file.push_back(static_cast<std::uint8_t>(rgb >> 8));
      file.push_back(static_cast<std::uint8_t>(rgb >> 16));
    }
    for (int pad = width * 3; pad < row_bytes; ++pad) file.push_back(0);
  }
  return file;
}
