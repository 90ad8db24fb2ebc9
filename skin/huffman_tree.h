// A decoding table for one prefix-code alphabet of DEFLATE. The table has 2^L entries, L
// being the longest code length used; every slot whose low `len` bits equal a code (bits
// reversed, as the decoder reads least-significant first) holds that code's packed entry.
//
//   THuffmanTree tree(15);
//   if (!tree.Build(lengths, 0, 288, 257, kLengthExtraBits)) { /* over-subscribed */ }
//   std::uint32_t entry = tree.Lookup(peeked & tree.IndexMask());
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class THuffmanTree {
 public:
  static constexpr std::uint32_t kUnreachedSlot = 0xFFFFFFFFu;

  static constexpr unsigned EntrySymbol(std::uint32_t entry) { return entry & 0xFFFFu; }
  static constexpr unsigned EntryCodeLength(std::uint32_t entry) { return (entry >> 16) & 0xFFu; }
  static constexpr unsigned EntryExtraBits(std::uint32_t entry) { return entry >> 24; }
  static constexpr std::uint32_t PackEntry(unsigned symbol, unsigned code_length, unsigned extra_bits) {
    return symbol | (code_length << 16) | (extra_bits << 24);
  }

  explicit THuffmanTree(unsigned length_limit);

  // Builds from `count` code lengths starting at lengths[start]. Symbol i gets the extra-bit
  // count extra_bits[i - first_extra_symbol] (none below first_extra_symbol or past the table).
  // Refuses (false, table left unusable) a length above the limit and an over-subscribed
  // code. Incomplete codes are accepted, including a single code and no code at all: their
  // unreached slots hold kUnreachedSlot and the decoder fails only if the data hits one.
  bool Build(std::span<const std::uint8_t> lengths, std::size_t start, std::size_t count,
             unsigned first_extra_symbol, std::span<const std::uint8_t> extra_bits);

  std::uint32_t Lookup(std::uint32_t index) const { return table_[index]; }
  const std::uint32_t* Table() const { return table_.data(); }
  std::uint32_t IndexMask() const { return (1u << longest_) - 1; }
  unsigned LongestCodeLength() const { return longest_; }
  unsigned LengthLimit() const { return length_limit_; }

 private:
  std::vector<std::uint32_t> table_;
  unsigned longest_ = 0;
  unsigned length_limit_;
};
