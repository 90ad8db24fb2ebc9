// CRC-32 of the standard reflected polynomial 0xEDB88320, as ZIP records it and as the
// traditional PKWARE encryption steps its keys with.
//
//   std::uint32_t crc = Crc32(bytes);
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace crc32_detail {
constexpr std::array<std::uint32_t, 256> MakeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
inline constexpr auto kTable = MakeTable();
}  // namespace crc32_detail

// One byte of the register-level step, without the initial and final inversion.
constexpr std::uint32_t Crc32Step(std::uint32_t crc, std::uint8_t byte) {
  return crc32_detail::kTable[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
}

constexpr std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint8_t byte : bytes) crc = Crc32Step(crc, byte);
  return crc ^ 0xFFFFFFFFu;
}
