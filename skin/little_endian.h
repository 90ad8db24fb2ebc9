// Little-endian integers inside byte records read from skin files. Callers pass a record
// whose size they have already checked against the field's offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

inline std::uint16_t ReadLittleEndian16(std::span<const std::uint8_t> record, std::size_t offset) {
  return static_cast<std::uint16_t>(record[offset] | record[offset + 1] << 8);
}

inline std::uint32_t ReadLittleEndian32(std::span<const std::uint8_t> record, std::size_t offset) {
  return std::uint32_t{record[offset]} | std::uint32_t{record[offset + 1]} << 8 |
         std::uint32_t{record[offset + 2]} << 16 | std::uint32_t{record[offset + 3]} << 24;
}
