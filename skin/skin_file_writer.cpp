#include "skin/skin_file_writer.h"

#include <algorithm>
#include <cstring>

#include "skin/crc32.h"
#include "skin/pkware_cipher.h"
#include "skin/skin_archive_layout.h"

namespace {

using namespace skin_data;
using namespace skin_archive;

constexpr char kInnerSignature[12] = {'T', 'A', 'R', 'N', 'S', 'K', 'I', 'N', 0, 0, 1, 0};
constexpr std::size_t kWrittenHeaderLength = 24;
constexpr std::size_t kStoredBlockMax = 65535;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFFu);
  Put16(out, value >> 16);
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace

SkinWriterEntry BitmapEntry(std::string name, std::vector<std::uint8_t> bmp_file) {
  return {std::move(name), static_cast<std::uint8_t>(EntryType::kBitmap), std::move(bmp_file), std::nullopt};
}

SkinWriterEntry IntegerEntry(std::string name, std::int32_t value) {
  std::vector<std::uint8_t> data;
  Put32(data, static_cast<std::uint32_t>(value));
  return {std::move(name), static_cast<std::uint8_t>(EntryType::kInteger), std::move(data), std::nullopt};
}

SkinWriterEntry BooleanEntry(std::string name, bool value) {
  return {std::move(name), static_cast<std::uint8_t>(EntryType::kBoolean), {static_cast<std::uint8_t>(value)},
          std::nullopt};
}

SkinWriterEntry StringEntry(std::string name, std::string_view text) {
  return {std::move(name), static_cast<std::uint8_t>(EntryType::kString), Bytes(text), std::nullopt};
}

std::vector<std::uint8_t> BuildSkinDataFile(const std::vector<SkinWriterEntry>& entries) {
  std::vector<std::uint8_t> out(kInnerSignature, kInnerSignature + sizeof kInnerSignature);
  Put32(out, kWrittenHeaderLength);
  Put32(out, 0);
  Put32(out, kWrittenHeaderLength);  // the first record follows the header

  const std::size_t records_end = kWrittenHeaderLength + (entries.size() + 1) * kRecordSize;
  std::size_t data_offset = records_end;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const SkinWriterEntry& entry = entries[i];
    std::uint8_t name[kNameSize] = {};
    std::memcpy(name, entry.name.data(), std::min(entry.name.size(), kNameSize));
    out.insert(out.end(), name, name + kNameSize);
    out.push_back(entry.type);
    Put32(out, static_cast<std::uint32_t>(data_offset));
    Put32(out, entry.recorded_size.value_or(static_cast<std::uint32_t>(entry.data.size())));
    Put32(out, static_cast<std::uint32_t>(kWrittenHeaderLength + (i + 1) * kRecordSize));
    data_offset += entry.data.size();
  }
  out.resize(out.size() + kRecordSize, 0);  // the terminator: next = 0
  for (const SkinWriterEntry& entry : entries) out.insert(out.end(), entry.data.begin(), entry.data.end());
  return out;
}

std::vector<std::uint8_t> BuildSkinArchive(std::span<const std::uint8_t> member,
                                           std::span<const std::uint8_t> compressed_member,
                                           const SkinArchiveOptions& options) {
  const std::uint32_t crc = Crc32(member);
  const bool encrypted = !options.password.empty();
  std::uint16_t flags = 0;
  if (encrypted) flags |= kFlagEncrypted;
  if (options.data_descriptor_flag) flags |= kFlagDataDescriptor;

  std::vector<std::uint8_t> data;
  if (encrypted) {
    PkwareCipher cipher(options.password);
    // Eleven bytes of the header are arbitrary; the twelfth is what the reader checks.
    std::uint32_t noise = crc ^ 0x9E3779B9u;
    for (std::size_t i = 0; i + 1 < PkwareCipher::kHeaderSize; ++i) {
      noise = noise * 1664525u + 1013904223u;
      data.push_back(cipher.Encrypt(static_cast<std::uint8_t>(noise >> 24)));
    }
    const std::uint8_t check = options.data_descriptor_flag ? static_cast<std::uint8_t>(options.file_time >> 8)
                                                            : static_cast<std::uint8_t>(crc >> 24);
    data.push_back(cipher.Encrypt(check));
    for (std::uint8_t byte : compressed_member) data.push_back(cipher.Encrypt(byte));
  } else {
    data.assign(compressed_member.begin(), compressed_member.end());
  }
  const std::uint32_t uncompressed = options.recorded_uncompressed_size.value_or(static_cast<std::uint32_t>(member.size()));
  const auto name = Bytes(options.member_name);

  auto common_fields = [&](std::vector<std::uint8_t>& out) {
    Put16(out, 20);  // version needed: 2.0, deflate
    Put16(out, flags);
    Put16(out, 8);   // method: deflate
    Put16(out, options.file_time);
    Put16(out, 0x5B21);  // date
    Put32(out, crc);
    Put32(out, static_cast<std::uint32_t>(data.size()));
    Put32(out, uncompressed);
    Put16(out, static_cast<std::uint32_t>(name.size()));
    Put16(out, 0);  // extra field length
  };

  std::vector<std::uint8_t> out;
  Put32(out, kLocalHeaderSignature);
  out[0] = static_cast<std::uint8_t>(options.marker_first_byte);
  out[1] = static_cast<std::uint8_t>(options.marker_second_byte);
  common_fields(out);
  out.insert(out.end(), name.begin(), name.end());
  out.insert(out.end(), data.begin(), data.end());

  const std::size_t directory_offset = out.size();
  Put32(out, kCentralHeaderSignature);
  Put16(out, 20);  // version made by
  common_fields(out);
  Put16(out, 0);   // comment length
  Put16(out, 0);   // disk
  Put16(out, 0);   // internal attributes
  Put32(out, 0);   // external attributes
  Put32(out, 0);   // local header offset
  out.insert(out.end(), name.begin(), name.end());
  const std::size_t directory_size = out.size() - directory_offset;

  Put32(out, kEndRecordSignature);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, static_cast<std::uint32_t>(directory_size));
  Put32(out, static_cast<std::uint32_t>(directory_offset));
  Put16(out, static_cast<std::uint32_t>(options.archive_comment.size()));
  out.insert(out.end(), options.archive_comment.begin(), options.archive_comment.end());
  return out;
}

std::vector<std::uint8_t> DeflateStored(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> out;
  std::size_t done = 0;
  do {
    const std::size_t piece = std::min(bytes.size() - done, kStoredBlockMax);
    const bool last = done + piece == bytes.size();
    out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00, then padding to the byte boundary
    Put16(out, static_cast<std::uint32_t>(piece));
    Put16(out, static_cast<std::uint32_t>(~piece & 0xFFFFu));
    out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(done),
               bytes.begin() + static_cast<std::ptrdiff_t>(done + piece));
    done += piece;
  } while (done < bytes.size());
  return out;
}

std::vector<std::uint8_t> MakeBmpHeader(int width, int height) {
  const std::uint32_t row_bytes = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
  const std::uint32_t pixel_bytes = row_bytes * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> out = {'B', 'M'};
  Put32(out, 54 + pixel_bytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, pixel_bytes);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  return out;
}
