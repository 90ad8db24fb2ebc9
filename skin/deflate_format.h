// The fixed facts of the DEFLATE format (RFC 1951) that the decoder and its tables share:
// alphabet sizes, code length limits and the base/extra-bit tables of lengths and distances.
//
//   unsigned length = kLengthBase[symbol - kFirstLengthSymbol] + extra_bits_value;
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace deflate_format {

inline constexpr unsigned kLiteralCount = 256;             // symbols 0-255 are bytes
inline constexpr unsigned kEndOfBlockSymbol = 256;
inline constexpr unsigned kFirstLengthSymbol = 257;
inline constexpr unsigned kLastLengthSymbol = 285;
inline constexpr unsigned kMaxLiteralLengthCodes = 286;    // HLIT may not go above this
inline constexpr unsigned kFixedLiteralLengthCodes = 288;  // the fixed code names 286, 287 too
inline constexpr unsigned kMaxDistanceCodes = 30;          // HDIST may not go above this
inline constexpr unsigned kFixedDistanceCodes = 32;
inline constexpr unsigned kCodeLengthCodes = 19;
inline constexpr unsigned kMaxCodeLength = 15;
inline constexpr unsigned kMaxCodeLengthCodeLength = 7;
inline constexpr unsigned kMaxLengthExtraBits = 5;
inline constexpr unsigned kMaxDistanceExtraBits = 13;
inline constexpr unsigned kMaxMatchLength = 258;
inline constexpr unsigned kMaxDistance = 32768;

inline constexpr unsigned kLengthSymbolCount = kLastLengthSymbol - kFirstLengthSymbol + 1;
static_assert(kLengthSymbolCount == 29);
static_assert(kFirstLengthSymbol + kLengthSymbolCount == kMaxLiteralLengthCodes);

inline constexpr std::array<std::uint16_t, kLengthSymbolCount> kLengthBase = {
    3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
inline constexpr std::array<std::uint8_t, kLengthSymbolCount> kLengthExtraBits = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
static_assert(kLengthBase.back() == kMaxMatchLength);

inline constexpr std::array<std::uint16_t, kMaxDistanceCodes> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
inline constexpr std::array<std::uint8_t, kMaxDistanceCodes> kDistanceExtraBits = {
    0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
static_assert(kDistanceBase.back() + (1u << kDistanceExtraBits.back()) - 1 == kMaxDistance);

// The order in which a dynamic block header lists the code-length code lengths.
inline constexpr std::array<std::uint8_t, kCodeLengthCodes> kCodeLengthOrder = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

}  // namespace deflate_format
