// Writes DEFLATE streams bit by bit for the decoder's tests: plain fields go least
// significant bit first, Huffman codes most significant bit first, as RFC 1951 packs them.
//
//   DeflateBitWriter w;
//   w.Bits(1, 1).Bits(1, 2);          // last block, fixed codes
//   w.FixedLiteral('a').FixedEndOfBlock();
#pragma once

#include <cstdint>
#include <vector>

class DeflateBitWriter {
 public:
  DeflateBitWriter& Bits(std::uint32_t value, unsigned count) {
    for (unsigned i = 0; i < count; ++i) PutBit((value >> i) & 1u);
    return *this;
  }
  DeflateBitWriter& Code(std::uint32_t code, unsigned length) {
    for (unsigned i = length; i-- > 0;) PutBit((code >> i) & 1u);
    return *this;
  }
  DeflateBitWriter& AlignToByte() {
    while (bit_count_ % 8 != 0) PutBit(0);
    return *this;
  }
  DeflateBitWriter& Byte(std::uint8_t value) { return Bits(value, 8); }

  // The fixed literal/length code: 0-143 in 8 bits from 0x30, 144-255 in 9 from 0x190,
  // 256-279 in 7 from 0, 280-287 in 8 from 0xC0.
  DeflateBitWriter& FixedSymbol(unsigned symbol) {
    if (symbol < 144) return Code(0x30 + symbol, 8);
    if (symbol < 256) return Code(0x190 + symbol - 144, 9);
    if (symbol < 280) return Code(symbol - 256, 7);
    return Code(0xC0 + symbol - 280, 8);
  }
  DeflateBitWriter& FixedLiteral(std::uint8_t byte) { return FixedSymbol(byte); }
  DeflateBitWriter& FixedEndOfBlock() { return FixedSymbol(256); }
  // A match in fixed codes: length symbol and extra bits, then a 5-bit distance code and
  // its extra bits.
  DeflateBitWriter& FixedMatch(unsigned length, unsigned distance);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  void PutBit(unsigned bit) {
    if (bit_count_ % 8 == 0) bytes_.push_back(0);
    bytes_.back() |= static_cast<std::uint8_t>(bit << (bit_count_ % 8));
    ++bit_count_;
  }

  std::vector<std::uint8_t> bytes_;
  std::size_t bit_count_ = 0;
};

#include "skin/deflate_format.h"

inline DeflateBitWriter& DeflateBitWriter::FixedMatch(unsigned length, unsigned distance) {
  using namespace deflate_format;
  unsigned length_index = kLengthSymbolCount - 1;
  while (kLengthBase[length_index] > length) --length_index;
  FixedSymbol(kFirstLengthSymbol + length_index);
  Bits(length - kLengthBase[length_index], kLengthExtraBits[length_index]);
  unsigned distance_index = kMaxDistanceCodes - 1;
  while (kDistanceBase[distance_index] > distance) --distance_index;
  Code(distance_index, 5);
  return Bits(distance - kDistanceBase[distance_index], kDistanceExtraBits[distance_index]);
}
