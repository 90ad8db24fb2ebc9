// Field positions of the ZIP records that a skin archive uses.
#pragma once

#include <cstddef>
#include <cstdint>

namespace skin_archive {

inline constexpr std::uint16_t kSkinMarker = 0x4B53;  // "SK" read little-endian
inline constexpr std::uint16_t kZipMarker = 0x4B50;   // "PK", what an ordinary ZIP starts with

inline constexpr std::uint32_t kEndRecordSignature = 0x06054B50;
inline constexpr std::size_t kEndRecordSize = 22;
inline constexpr std::size_t kEndDirectoryOffset = 16;
inline constexpr std::size_t kEndCommentLength = 20;

inline constexpr std::uint32_t kCentralHeaderSignature = 0x02014B50;
inline constexpr std::size_t kCentralHeaderSize = 46;
inline constexpr std::size_t kCentralFlags = 8;
inline constexpr std::size_t kCentralTime = 12;
inline constexpr std::size_t kCentralCrc = 16;
inline constexpr std::size_t kCentralCompressedSize = 20;
inline constexpr std::size_t kCentralUncompressedSize = 24;
inline constexpr std::size_t kCentralNameLength = 28;
inline constexpr std::size_t kCentralExtraLength = 30;
inline constexpr std::size_t kCentralCommentLength = 32;
inline constexpr std::size_t kCentralLocalHeaderOffset = 42;

inline constexpr std::uint32_t kLocalHeaderSignature = 0x04034B50;
inline constexpr std::size_t kLocalHeaderSize = 30;
inline constexpr std::size_t kLocalNameLength = 26;
inline constexpr std::size_t kLocalExtraLength = 28;

inline constexpr std::uint16_t kFlagEncrypted = 1u << 0;
inline constexpr std::uint16_t kFlagDataDescriptor = 1u << 3;
inline constexpr std::size_t kMaxMemberName = 259;

}  // namespace skin_archive
