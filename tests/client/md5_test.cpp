#include "client/md5.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct DigestCase {
  const char* description;
  std::string input;
  const char* hex;
};

void PrintTo(const DigestCase& c, std::ostream* os) { *os << c.description; }

class KnownDigestTest : public ::testing::TestWithParam<DigestCase> {};

TEST_P(KnownDigestTest, MatchesPublishedDigest) {
  const DigestCase& c = GetParam();
  EXPECT_EQ(DigestToHex(DigestOfString(c.input)), c.hex) << "input of " << c.input.size() << " bytes";
}

// The test suite of RFC 1321, appendix A.5.
INSTANTIATE_TEST_SUITE_P(Rfc1321, KnownDigestTest, ::testing::Values(
    DigestCase{"empty", "", "d41d8cd98f00b204e9800998ecf8427e"},
    DigestCase{"a", "a", "0cc175b9c0f1b6a831c399e269772661"},
    DigestCase{"abc", "abc", "900150983cd24fb0d6963f7d28e17f72"},
    DigestCase{"message_digest", "message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    DigestCase{"alphabet", "abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    DigestCase{"alphanumeric", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
               "d174ab98d277d9f5a5611c2c9f419d9f"},
    DigestCase{"digits_80",
               "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
               "57edf4a22be3c955ac49da2e2107b67a"}),
    [](const auto& info) { return std::string(info.param.description); });

// 55 bytes still take their length in the same block; 56 and more need a second one.
INSTANTIATE_TEST_SUITE_P(PaddingBoundaries, KnownDigestTest, ::testing::Values(
    DigestCase{"a_55", std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
    DigestCase{"a_56", std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
    DigestCase{"a_63", std::string(63, 'a'), "b06521f39153d618550606be297466d5"},
    DigestCase{"a_64", std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
    DigestCase{"a_65", std::string(65, 'a'), "c743a45e0d2e6a95cb859adae0248435"}),
    [](const auto& info) { return std::string(info.param.description); });

// A GBK password ("密码测试") is digested as its double-byte sequences, never as UTF-8.
INSTANTIATE_TEST_SUITE_P(AnsiBytes, KnownDigestTest, ::testing::Values(
    DigestCase{"gbk_password", "\xc3\xdc\xc2\xeb\xb2\xe2\xca\xd4", "0de162f515d59210b793e4ff7a1e42a8"}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(DigestUpdateTest, PiecesInAnySplitGiveTheDigestOfTheWhole) {
  std::string message;
  for (int i = 0; i < 300; ++i) message += static_cast<char>(i * 7 + 3);
  const Digest whole = DigestOfString(message);

  for (std::size_t first : {0u, 1u, 55u, 63u, 64u, 65u, 127u, 200u}) {
    for (std::size_t second : {0u, 1u, 9u, 64u, 70u}) {
      if (first + second > message.size()) continue;
      DigestContext context;
      DigestInit(context);
      DigestUpdate(context, message.data(), static_cast<std::int32_t>(first));
      DigestUpdate(context, message.data() + first, static_cast<std::int32_t>(second));
      DigestUpdate(context, message.data() + first + second,
                   static_cast<std::int32_t>(message.size() - first - second));
      Digest pieces;
      DigestFinal(context, pieces);
      EXPECT_EQ(DigestToHex(pieces), DigestToHex(whole)) << "split at " << first << " and " << first + second;
    }
  }
}

TEST(DigestFinalTest, WipesTheWholeContext) {
  DigestContext context;
  DigestInit(context);
  DigestUpdate(context, "secret password", 15);
  Digest digest;
  DigestFinal(context, digest);

  unsigned char zeroes[sizeof context] = {};
  EXPECT_EQ(std::memcmp(&context, zeroes, sizeof context), 0);
  EXPECT_EQ(DigestToHex(digest), DigestToHex(DigestOfString("secret password")));
}

TEST(DigestToHexTest, WritesEveryByteHighNibbleFirstInLowerCase) {
  Digest digest;
  for (std::size_t i = 0; i < digest.size(); ++i) digest[i] = static_cast<std::uint8_t>(i * 0x11 ^ 0xA0);
  EXPECT_EQ(DigestToHex(digest), "a0b18293e4f5c6d728390a1b6c7d4e5f");
}

}  // namespace
