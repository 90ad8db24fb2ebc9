#include "client/update_request.h"

#include <gtest/gtest.h>

namespace {

constexpr char kScript[] = "http://update.example/lo.php?";
constexpr LocalTime kThirdOfJanuary{2026, 1, 3, 9, 5, 7};
// MD5 of "pw".
constexpr char kPwDigest[] = "8fe4c11451281c094a6578e6ddbf5eed";

TEST(TimeStampTest, IsTwelveZeroPaddedDigits) {
  EXPECT_EQ(FormatTimeStamp(kThirdOfJanuary), "260103090507");
  EXPECT_EQ(FormatTimeStamp({2031, 12, 31, 23, 59, 58}), "311231235958");
  EXPECT_EQ(FormatTimeStamp({2000, 10, 1, 0, 0, 0}), "001001000000");
}

TEST(TimeStampTest, CurrentTimeFormatsToTwelveDigits) {
  const std::string stamp = FormatTimeStamp(CurrentLocalTime());
  ASSERT_EQ(stamp.size(), 12u);
  EXPECT_EQ(stamp.find_first_not_of("0123456789"), std::string::npos) << stamp;
}

struct AddressCase {
  const char* description;
  bool quit;
  std::string user;
  std::string expected;
};

void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.description; }

class AddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressTest, ConcatenatesTheQueryUnescaped) {
  const AddressCase& c = GetParam();
  const std::string address = c.quit ? BuildQuitAddress(kScript, c.user, "pw", kThirdOfJanuary)
                                     : BuildLoginAddress(kScript, c.user, "pw", kThirdOfJanuary);
  EXPECT_EQ(address, c.expected);
}

const std::string kLoginTail = std::string("&pass=") + kPwDigest + "&c=md5&ver=1.7.1&str=260103090507";

INSTANTIATE_TEST_SUITE_P(Requests, AddressTest, ::testing::Values(
    AddressCase{"login", false, "alice", std::string(kScript) + "user=alice" + kLoginTail},
    AddressCase{"quit", true, "alice",
                std::string(kScript) + "user=alice&pass=" + kPwDigest + "&c=md5&q=quit&ver=1.7.1&str=260103090507"},
    AddressCase{"empty_user", false, "", std::string(kScript) + "user=" + kLoginTail},
    AddressCase{"reserved_characters", false, "a b&c=d?e", std::string(kScript) + "user=a b&c=d?e" + kLoginTail},
    AddressCase{"gbk_user", false, "\xd5\xc5\xc8\xfd", std::string(kScript) + "user=\xd5\xc5\xc8\xfd" + kLoginTail}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(AddressTest, EmptyPasswordSendsTheDigestOfTheEmptyMessage) {
  EXPECT_EQ(BuildLoginAddress(kScript, "bob", "", kThirdOfJanuary),
            std::string(kScript) + "user=bob&pass=d41d8cd98f00b204e9800998ecf8427e&c=md5&ver=1.7.1&str=260103090507");
}

TEST(AddressTest, ScriptAddressNamesTheConfiguredUpdateHost) {
  const std::string script = UpdateScriptAddress();
  EXPECT_EQ(script.rfind("http://", 0), 0u) << script;
  EXPECT_EQ(script.substr(script.size() - 8), "/lo.php?") << script;
  EXPECT_GT(script.size(), std::string("http:///lo.php?").size()) << script;
}

}  // namespace
