#include "skin/skin_data_file.h"

#include <cstring>
#include <unordered_set>

#include "skin/little_endian.h"

namespace {

using namespace skin_data;

bool Fits(std::span<const std::uint8_t> bytes, std::uint64_t offset, std::uint64_t size) {
  return offset <= bytes.size() && size <= bytes.size() - offset;
}

std::string EntryName(std::span<const std::uint8_t> record) {
  const auto* first = reinterpret_cast<const char*>(record.data());
  const void* zero = std::memchr(first, 0, kNameSize);
  const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - first) : kNameSize;
  return std::string(first, length);
}

}  // namespace

std::optional<std::vector<SkinDataEntry>> ParseSkinDataFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kMinHeaderLength) return std::nullopt;
  const std::uint32_t header_length = ReadLittleEndian32(bytes, kHeaderLengthOffset);
  // Only the first 24 header bytes mean anything; a longer header is fine if it is there.
  if (header_length < kMinHeaderLength || header_length > bytes.size()) return std::nullopt;
  std::uint64_t record_offset = ReadLittleEndian32(bytes, kFirstEntryOffset);

  std::vector<SkinDataEntry> entries;
  std::unordered_set<std::uint64_t> visited;
  std::uint64_t data_budget = bytes.size();
  for (;;) {
    if (!Fits(bytes, record_offset, kRecordSize) || !visited.insert(record_offset).second) return std::nullopt;
    const auto record = bytes.subspan(static_cast<std::size_t>(record_offset), kRecordSize);
    const std::uint32_t next = ReadLittleEndian32(record, kNextOffset);
    if (next == 0) return entries;

    const std::uint8_t type = record[kTypeOffset];
    const std::uint32_t data_offset = ReadLittleEndian32(record, kDataOffsetOffset);
    const std::uint32_t data_size = ReadLittleEndian32(record, kDataSizeOffset);
    SkinDataEntry entry{EntryName(record), {}};
    bool known_type = true;
    switch (static_cast<EntryType>(type)) {
      case EntryType::kBitmap:
      case EntryType::kString: {
        if (!Fits(bytes, data_offset, data_size) || data_size > data_budget) return std::nullopt;
        data_budget -= data_size;
        const auto data = bytes.subspan(data_offset, data_size);
        if (type == static_cast<std::uint8_t>(EntryType::kString)) {
          entry.value = std::string(reinterpret_cast<const char*>(data.data()), data.size());
          break;
        }
        const std::optional<BmpFacts> facts = ValidateBmpFile(data);
        if (!facts) return std::nullopt;
        entry.value = SkinBitmap{std::vector<std::uint8_t>(data.begin(), data.end()), *facts};
        break;
      }
      case EntryType::kInteger:
        // The value field is four bytes whatever the record says its size is.
        if (!Fits(bytes, data_offset, 4)) return std::nullopt;
        entry.value = static_cast<std::int32_t>(ReadLittleEndian32(bytes, data_offset));
        break;
      case EntryType::kBoolean:
        if (!Fits(bytes, data_offset, 1)) return std::nullopt;
        entry.value = bytes[data_offset];
        break;
      default:
        known_type = false;
        break;
    }
    if (known_type) entries.push_back(std::move(entry));
    record_offset = next;
  }
}
