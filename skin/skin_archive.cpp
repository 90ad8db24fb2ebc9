#include "skin/skin_archive.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "skin/file_handle.h"
#include "skin/inflate.h"
#include "skin/little_endian.h"
#include "skin/pkware_cipher.h"
#include "skin/skin_archive_layout.h"

namespace {

using namespace skin_archive;

constexpr std::size_t kDecryptChunk = 1024;

struct MemberInfo {
  std::uint16_t flags = 0;
  std::uint16_t time = 0;
  std::uint32_t crc = 0;
  std::uint32_t compressed_size = 0;
  std::uint32_t uncompressed_size = 0;
  std::uint32_t local_header_offset = 0;
};

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

// Walks the central directory from its recorded offset up to the end record. Every header,
// with its name, extra field and comment, has to lie before the end record.
std::optional<MemberInfo> FindMember(FileHandle& archive, std::uint64_t archive_size, std::string_view member_name) {
  if (archive_size < 4 + kEndRecordSize) return std::nullopt;
  const std::uint64_t end_record_offset = archive_size - kEndRecordSize;
  std::array<std::uint8_t, kEndRecordSize> end_record;
  if (!archive.Seek(end_record_offset) || !archive.ReadExactly(end_record)) return std::nullopt;
  if (ReadLittleEndian32(end_record, 0) != kEndRecordSignature ||
      ReadLittleEndian16(end_record, kEndCommentLength) != 0) {
    return std::nullopt;
  }
  std::uint64_t position = ReadLittleEndian32(end_record, kEndDirectoryOffset);
  if (position > end_record_offset || !archive.Seek(position)) return std::nullopt;

  while (position + kCentralHeaderSize <= end_record_offset) {
    std::array<std::uint8_t, kCentralHeaderSize> header;
    if (!archive.ReadExactly(header)) return std::nullopt;
    const std::size_t name_length = ReadLittleEndian16(header, kCentralNameLength);
    const std::size_t extra_length = ReadLittleEndian16(header, kCentralExtraLength);
    const std::size_t comment_length = ReadLittleEndian16(header, kCentralCommentLength);
    const std::uint64_t next = position + kCentralHeaderSize + name_length + extra_length + comment_length;
    if (next > end_record_offset) return std::nullopt;
    std::string name(name_length, '\0');
    if (!archive.ReadExactly({reinterpret_cast<std::uint8_t*>(name.data()), name.size()})) return std::nullopt;
    if (name_length <= kMaxMemberName && SameNameIgnoringCase(name, member_name)) {
      MemberInfo member;
      member.flags = ReadLittleEndian16(header, kCentralFlags);
      member.time = ReadLittleEndian16(header, kCentralTime);
      member.crc = ReadLittleEndian32(header, kCentralCrc);
      member.compressed_size = ReadLittleEndian32(header, kCentralCompressedSize);
      member.uncompressed_size = ReadLittleEndian32(header, kCentralUncompressedSize);
      member.local_header_offset = ReadLittleEndian32(header, kCentralLocalHeaderOffset);
      return member;
    }
    if (!archive.Seek(next)) return std::nullopt;
    position = next;
  }
  return std::nullopt;
}

// Positions the archive at the member's data; returns how many bytes of the archive follow.
std::optional<std::uint64_t> SeekToMemberData(FileHandle& archive, std::uint64_t archive_size, const MemberInfo& member) {
  std::array<std::uint8_t, kLocalHeaderSize> header;
  if (member.local_header_offset > archive_size || !archive.Seek(member.local_header_offset) ||
      !archive.ReadExactly(header)) {
    return std::nullopt;
  }
  const std::uint64_t data_offset = std::uint64_t{member.local_header_offset} + kLocalHeaderSize +
                                    ReadLittleEndian16(header, kLocalNameLength) +
                                    ReadLittleEndian16(header, kLocalExtraLength);
  if (data_offset > archive_size || !archive.Seek(data_offset)) return std::nullopt;
  return archive_size - data_offset;
}

ExtractResult DecodeInto(ByteSource& source, FileHandle& output, const MemberInfo& member) {
  // Output is refused past the recorded size, so a stream that decodes longer than it
  // claims is a length mismatch found without filling the disk first.
  FileSink sink(output, member.uncompressed_size);
  const InflateStatus status = Inflate(source, sink);
  if (status == InflateStatus::kOutputRefused && sink.Overflowed()) return ExtractResult::kRejected;
  if (status != InflateStatus::kDone) return ExtractResult::kFailure;
  if (!output.Close()) return ExtractResult::kFailure;
  if (sink.Written() != member.uncompressed_size) return ExtractResult::kRejected;
  if (sink.Written() == 0) return ExtractResult::kFailure;
  return ExtractResult::kSuccess;
}

ExtractResult DecryptAndDecode(FileHandle& archive, std::uint64_t data_left, const MemberInfo& member,
                               std::string_view password, FileHandle& output) {
  if (password.empty()) return ExtractResult::kRejected;
  PkwareCipher cipher(password);
  std::array<std::uint8_t, PkwareCipher::kHeaderSize> header;
  if (member.compressed_size < header.size() || data_left < header.size() || !archive.ReadExactly(header)) {
    return ExtractResult::kFailure;
  }
  for (auto& byte : header) byte = cipher.Decrypt(byte);
  const std::uint8_t check = (member.flags & kFlagDataDescriptor) ? static_cast<std::uint8_t>(member.time >> 8)
                                                                  : static_cast<std::uint8_t>(member.crc >> 24);
  if (header.back() != check) return ExtractResult::kRejected;

  // The recorded compressed size says how much to decrypt; it cannot claim more than the
  // archive holds.
  std::uint64_t left = std::min<std::uint64_t>(data_left, member.compressed_size) - header.size();
  std::vector<std::uint8_t> plain;
  plain.reserve(static_cast<std::size_t>(left));
  std::array<std::uint8_t, kDecryptChunk> chunk;
  while (left > 0) {
    const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
    if (!archive.ReadExactly({chunk.data(), piece})) return ExtractResult::kFailure;
    for (std::size_t i = 0; i < piece; ++i) plain.push_back(cipher.Decrypt(chunk[i]));
    left -= piece;
  }
  MemorySource source(plain);
  return DecodeInto(source, output, member);
}

ExtractResult Extract(const std::string& archive_path, std::string_view member_name, const std::string& output_path,
                      std::string_view password, bool& output_created) {
  FileHandle archive = FileHandle::Open(archive_path, "rb");
  if (!archive) return ExtractResult::kFailure;
  const std::optional<std::uint64_t> archive_size = archive.Size();
  std::array<std::uint8_t, 4> marker;
  if (!archive_size || !archive.ReadExactly(marker) || ReadLittleEndian16(marker, 0) != kSkinMarker) {
    return ExtractResult::kFailure;
  }
  const std::optional<MemberInfo> member = FindMember(archive, *archive_size, member_name);
  if (!member) return ExtractResult::kFailure;

  FileHandle output = FileHandle::Open(output_path, "wb");
  if (!output) return ExtractResult::kFailure;
  output_created = true;
  const std::optional<std::uint64_t> data_left = SeekToMemberData(archive, *archive_size, *member);
  if (!data_left) return ExtractResult::kFailure;
  if (member->flags & kFlagEncrypted) return DecryptAndDecode(archive, *data_left, *member, password, output);
  FileSource source(archive, *data_left);
  return DecodeInto(source, output, *member);
}

}  // namespace

ExtractResult ExtractSkinMember(const std::string& archive_path, std::string_view member_name,
                                const std::string& output_path, std::string_view password) {
  ExtractResult result = ExtractResult::kFailure;
  bool output_created = false;
  try {
    result = Extract(archive_path, member_name, output_path, password, output_created);
  } catch (const std::exception&) {
    result = ExtractResult::kFailure;
  }
  // Extract has closed the output by now (its handle went out of scope), so the partial
  // file can go.
  if (result != ExtractResult::kSuccess && output_created) std::remove(output_path.c_str());
  return result;
}
