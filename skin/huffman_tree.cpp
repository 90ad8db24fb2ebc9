#include "skin/huffman_tree.h"

#include <algorithm>
#include <array>

#include "skin/deflate_format.h"

THuffmanTree::THuffmanTree(unsigned length_limit)
    : table_(1, kUnreachedSlot), length_limit_(std::min(length_limit, deflate_format::kMaxCodeLength)) {}

bool THuffmanTree::Build(std::span<const std::uint8_t> lengths, std::size_t start, std::size_t count,
                         unsigned first_extra_symbol, std::span<const std::uint8_t> extra_bits) {
  longest_ = 0;
  table_.assign(1, kUnreachedSlot);
  if (start > lengths.size() || count > lengths.size() - start) return false;
  const auto code_lengths = lengths.subspan(start, count);

  std::array<unsigned, deflate_format::kMaxCodeLength + 1> codes_of_length{};
  for (std::uint8_t length : code_lengths) {
    if (length > length_limit_) return false;
    ++codes_of_length[length];
  }
  codes_of_length[0] = 0;

  // Kraft check: more codes of some length than the shorter codes leave room for would make
  // two symbols share a slot, so the code is refused outright.
  long long unused_codes = 1;
  for (unsigned length = 1; length <= length_limit_; ++length) {
    unused_codes = unused_codes * 2 - codes_of_length[length];
    if (unused_codes < 0) return false;
    if (codes_of_length[length] != 0) longest_ = length;
  }

  std::array<std::uint32_t, deflate_format::kMaxCodeLength + 2> next_code{};
  std::uint32_t code = 0;
  for (unsigned length = 1; length <= length_limit_; ++length) {
    code = (code + codes_of_length[length - 1]) << 1;
    next_code[length] = code;
  }

  const std::size_t table_size = std::size_t{1} << longest_;
  table_.assign(table_size, kUnreachedSlot);
  for (std::size_t i = 0; i < code_lengths.size(); ++i) {
    const unsigned length = code_lengths[i];
    if (length == 0) continue;
    const std::uint32_t this_code = next_code[length]++;
    std::uint32_t reversed = 0;
    for (unsigned bit = 0; bit < length; ++bit) reversed |= ((this_code >> bit) & 1u) << (length - 1 - bit);
    unsigned extra = 0;
    if (i >= first_extra_symbol && i - first_extra_symbol < extra_bits.size()) {
      extra = extra_bits[i - first_extra_symbol];
    }
    const std::uint32_t entry = PackEntry(static_cast<unsigned>(i), length, extra);
    for (std::size_t slot = reversed; slot < table_size; slot += std::size_t{1} << length) table_[slot] = entry;
  }
  return true;
}
