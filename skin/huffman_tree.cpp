#include "skin/huffman_tree.h"

#include <algorithm>
#include <array>

#include "skin/deflate_format.h"

namespace {

// Writes `entry` into slots first, first + step, ... below table_size. Both sizes are
// powers of two, so when four steps fit the slot count is a multiple of four; short codes
// fill most of a table, four slots a round keeps the loop's own work small.
void FillSlots(std::uint32_t* table, std::size_t table_size, std::size_t first, std::size_t step,
               std::uint32_t entry) {
  std::size_t slot = first;
  if (4 * step <= table_size) {
    for (; slot < table_size; slot += 4 * step) {
      table[slot] = entry;
      table[slot + step] = entry;
      table[slot + 2 * step] = entry;
      table[slot + 3 * step] = entry;
    }
    return;
  }
  for (; slot < table_size; slot += step) table[slot] = entry;
}

}  // namespace

THuffmanTree::THuffmanTree(unsigned length_limit)
    : table_(1, kUnreachedSlot), length_limit_(std::min(length_limit, deflate_format::kMaxCodeLength)) {}

bool THuffmanTree::Build(std::span<const std::uint8_t> lengths, std::size_t start, std::size_t count,
                         unsigned first_extra_symbol, std::span<const std::uint8_t> extra_bits) {
  // Until the build succeeds the table is a single unreached slot. Its storage is kept
  // between builds: a table is rebuilt for every block.
  longest_ = 0;
  table_[0] = kUnreachedSlot;
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
  unsigned longest = 0;
  for (unsigned length = 1; length <= length_limit_; ++length) {
    unused_codes = unused_codes * 2 - codes_of_length[length];
    if (unused_codes < 0) return false;
    if (codes_of_length[length] != 0) longest = length;
  }

  std::array<std::uint32_t, deflate_format::kMaxCodeLength + 2> next_code{};
  std::uint32_t code = 0;
  for (unsigned length = 1; length <= length_limit_; ++length) {
    code = (code + codes_of_length[length - 1]) << 1;
    next_code[length] = code;
  }

  // A complete code writes every slot below, so only an incomplete one needs the marks.
  longest_ = longest;
  const std::size_t table_size = std::size_t{1} << longest_;
  if (table_.size() < table_size) table_.resize(table_size);
  if (unused_codes != 0) std::fill_n(table_.begin(), table_size, kUnreachedSlot);
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
    FillSlots(table_.data(), table_size, reversed, std::size_t{1} << length, entry);
  }
  return true;
}
