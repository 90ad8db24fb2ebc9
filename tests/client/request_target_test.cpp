#include "client/request_target.h"

#include <gtest/gtest.h>

namespace {

struct TargetCase {
  const char* description;
  std::string address;
  std::string host_header;
  std::string port;
  std::string target;
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.description; }

class RequestTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(RequestTargetTest, SplitsHostAndTarget) {
  const TargetCase& c = GetParam();
  const auto parsed = ParseRequestAddress(c.address);
  ASSERT_TRUE(parsed) << c.address;
  EXPECT_EQ(parsed->host_header, c.host_header);
  EXPECT_EQ(parsed->port, c.port);
  EXPECT_EQ(parsed->target, c.target);
}

INSTANTIATE_TEST_SUITE_P(Addresses, RequestTargetTest, ::testing::Values(
    TargetCase{"default_port", "http://update.example/lo.php?user=a", "update.example", "80", "/lo.php?user=a"},
    TargetCase{"explicit_80_not_in_host", "http://update.example:80/lo.php?x", "update.example", "80", "/lo.php?x"},
    TargetCase{"other_port_in_host", "http://127.0.0.1:8053/lo.php?x", "127.0.0.1:8053", "8053", "/lo.php?x"},
    TargetCase{"hash_cuts_the_rest", "http://h/lo.php?user=a#b&pass=123", "h", "80", "/lo.php?user=a"},
    TargetCase{"backslash_becomes_slash", "http://h/lo.php?user=a\\b", "h", "80", "/lo.php?user=a/b"},
    // "\x95\x5c" is one GBK character whose trail byte is 0x5C: it stays as it is.
    TargetCase{"gbk_trail_backslash_kept", "http://h/lo.php?user=\x95\x5c\\", "h", "80", "/lo.php?user=\x95\x5c/"},
    TargetCase{"spaces_stay_raw", "http://h/lo.php?user=a b", "h", "80", "/lo.php?user=a b"}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(RequestTargetTest, RefusesWhatIsNotAnHttpAddress) {
  for (const char* address : {"", "https://h/lo.php", "ftp://h/", "http://", "http://:80/x", "http://h:8x/lo.php"})
    EXPECT_FALSE(ParseRequestAddress(address)) << address;
}

}  // namespace
