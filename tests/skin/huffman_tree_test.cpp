// The decoding table itself: which slots each code fills, and which code lengths it refuses.
#include "skin/huffman_tree.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/deflate_format.h"

namespace {

using Lengths = std::vector<std::uint8_t>;

TEST(HuffmanTreeTest, FillsEverySlotWhoseLowBitsAreTheReversedCode) {
  // RFC 1951's example: A-H with lengths 3 3 3 3 3 2 4 4 give codes
  // 010 011 100 101 110 00 1110 1111.
  const Lengths lengths = {3, 3, 3, 3, 3, 2, 4, 4};
  THuffmanTree tree(15);
  ASSERT_TRUE(tree.Build(lengths, 0, lengths.size(), 99, {}));
  ASSERT_EQ(tree.LongestCodeLength(), 4u);
  const unsigned codes[] = {0b010, 0b011, 0b100, 0b101, 0b110, 0b00, 0b1110, 0b1111};
  for (unsigned symbol = 0; symbol < 8; ++symbol) {
    const unsigned length = lengths[symbol];
    unsigned reversed = 0;
    for (unsigned bit = 0; bit < length; ++bit) reversed |= ((codes[symbol] >> bit) & 1u) << (length - 1 - bit);
    for (unsigned slot = reversed; slot < 16; slot += 1u << length) {
      const std::uint32_t entry = tree.Lookup(slot);
      EXPECT_EQ(THuffmanTree::EntrySymbol(entry), symbol) << "slot " << slot;
      EXPECT_EQ(THuffmanTree::EntryCodeLength(entry), length) << "slot " << slot;
      EXPECT_EQ(THuffmanTree::EntryExtraBits(entry), 0u) << "slot " << slot;
    }
  }
}

TEST(HuffmanTreeTest, ExtraBitsComeFromTheTableFromTheFirstSymbolWithExtraBits) {
  // Distances 0-3: all symbols have extra bits, counted from symbol 0.
  const Lengths lengths = {2, 2, 2, 2};
  THuffmanTree tree(15);
  ASSERT_TRUE(tree.Build(lengths, 0, 4, 0, deflate_format::kDistanceExtraBits));
  for (unsigned slot = 0; slot < 4; ++slot) EXPECT_EQ(THuffmanTree::EntryExtraBits(tree.Lookup(slot)), 0u);
  // Lengths taken from position 2 of a longer array: symbols are numbered from 0 there.
  const Lengths shifted = {9, 9, 1, 1};
  ASSERT_TRUE(tree.Build(shifted, 2, 2, 1, deflate_format::kDistanceExtraBits));
  EXPECT_EQ(THuffmanTree::EntrySymbol(tree.Lookup(1)), 1u);
  EXPECT_EQ(THuffmanTree::EntryExtraBits(tree.Lookup(1)), deflate_format::kDistanceExtraBits[0]);
}

TEST(HuffmanTreeTest, IncompleteCodeLeavesUnreachedSlotsAllOnes) {
  const Lengths lengths = {1, 0, 2};  // codes 0 and 10; 11 is unused
  THuffmanTree tree(15);
  ASSERT_TRUE(tree.Build(lengths, 0, lengths.size(), 99, {}));
  EXPECT_EQ(tree.Lookup(0b11), THuffmanTree::kUnreachedSlot);
  EXPECT_EQ(THuffmanTree::EntrySymbol(tree.Lookup(0b01)), 2u);  // "10" read from its first bit
}

TEST(HuffmanTreeTest, NoCodesAtAllGiveOneUnreachedSlot) {
  const Lengths lengths(30, 0);
  THuffmanTree tree(15);
  ASSERT_TRUE(tree.Build(lengths, 0, lengths.size(), 0, {}));
  EXPECT_EQ(tree.IndexMask(), 0u);
  EXPECT_EQ(tree.Lookup(0), THuffmanTree::kUnreachedSlot);
}

struct RefusedCase {
  const char* description;
  Lengths lengths;
  unsigned limit;
};

class HuffmanTreeRefusesTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(HuffmanTreeRefusesTest, Refuses) {
  const RefusedCase& c = GetParam();
  THuffmanTree tree(c.limit);
  EXPECT_FALSE(tree.Build(c.lengths, 0, c.lengths.size(), 0, {})) << c.description;
}

INSTANTIATE_TEST_SUITE_P(Refused, HuffmanTreeRefusesTest,
                         testing::Values(RefusedCase{"three one-bit codes", {1, 1, 1}, 15},
                                         RefusedCase{"one-bit codes plus a two-bit", {1, 1, 2}, 15},
                                         RefusedCase{"length 8 with limit 7", {8, 1}, 7},
                                         RefusedCase{"length 16 with limit 15", {16, 1}, 15},
                                         RefusedCase{"five two-bit codes", {2, 2, 2, 2, 2}, 15}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(HuffmanTreeTest, RangeOutsideTheLengthsIsRefused) {
  const Lengths lengths = {1, 1};
  THuffmanTree tree(15);
  EXPECT_FALSE(tree.Build(lengths, 1, 2, 0, {}));
  EXPECT_FALSE(tree.Build(lengths, 3, 0, 0, {}));
}

}  // namespace
