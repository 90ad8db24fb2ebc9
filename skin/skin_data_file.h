// The inner layer of a skin file (the member "SKINDATA.SK2"): a header naming the first
// entry record, then a chain of 77-byte records, each pointing at its data. The chain ends
// at the first record whose next field is 0; that record's own contents are not read.
//
//   std::optional<std::vector<SkinDataEntry>> entries = ParseSkinDataFile(member_bytes);
//   if (!entries) { /* damaged: treat the skin as not loaded */ }
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "skin/bmp_validation.h"

namespace skin_data {

inline constexpr std::size_t kHeaderLengthOffset = 12;
inline constexpr std::size_t kFirstEntryOffset = 20;
inline constexpr std::size_t kMinHeaderLength = 24;
inline constexpr std::size_t kNameSize = 64;
inline constexpr std::size_t kTypeOffset = 64;
inline constexpr std::size_t kDataOffsetOffset = 65;
inline constexpr std::size_t kDataSizeOffset = 69;
inline constexpr std::size_t kNextOffset = 73;
inline constexpr std::size_t kRecordSize = 77;
static_assert(kNextOffset + 4 == kRecordSize);

enum class EntryType : std::uint8_t { kBitmap = 0, kInteger = 1, kBoolean = 2, kString = 3 };

}  // namespace skin_data

struct SkinBitmap {
  std::vector<std::uint8_t> file_bytes;  // a complete BMP file, already validated
  BmpFacts facts;
};

struct SkinDataEntry {
  std::string name;
  std::variant<SkinBitmap, std::int32_t, std::uint8_t, std::string> value;  // in EntryType order
};

// Gives the entries in chain order, or nothing when the data is damaged: a header or record
// outside the data, data outside it, a bitmap that is not a valid BMP file, a chain that
// comes back to a record it visited, or entries whose data add up to more than the member
// holds (entries may not share their data).
std::optional<std::vector<SkinDataEntry>> ParseSkinDataFile(std::span<const std::uint8_t> bytes);
