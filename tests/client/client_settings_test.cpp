#include "client/client_settings.h"
#include "client/io_error.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
  const char* description;
  std::string text;
  ClientSettings expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.description; }

class ParseSettingsTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseSettingsTest, ReadsTheFiveLines) {
  const ParseCase& c = GetParam();
  EXPECT_EQ(ParseSettingsText(c.text), c.expected) << ::testing::PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, ParseSettingsTest, ::testing::Values(
    ParseCase{"crlf", "alice\r\npw\r\n1\r\n1\r\n10.0.0.7\r\n", {"alice", "pw", "1", "1", "10.0.0.7"}},
    ParseCase{"lf", "alice\npw\n1\n1\n10.0.0.7\n", {"alice", "pw", "1", "1", "10.0.0.7"}},
    ParseCase{"mixed", "alice\r\npw\n1\r\n1\n10.0.0.7", {"alice", "pw", "1", "1", "10.0.0.7"}},
    ParseCase{"lone_cr_dropped", "al\rice\r\npw\r\r\n", {"alice", "pw", "", "", ""}},
    ParseCase{"eof_mark_ends_input", "alice\r\npw\x1a\r\n1\r\n", {"alice", "pw", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.description); });

INSTANTIATE_TEST_SUITE_P(ShortAndLongFiles, ParseSettingsTest, ::testing::Values(
    ParseCase{"empty", "", {"", "", "", "", ""}},
    ParseCase{"two_lines", "alice\npw\n", {"alice", "pw", "", "", ""}},
    ParseCase{"seven_lines", "a\nb\nc\nd\ne\nf\ng\n", {"a", "b", "c", "d", "e"}},
    ParseCase{"empty_lines_kept", "\n\n1\n0\n127.0.0.1\n", {"", "", "1", "0", "127.0.0.1"}},
    ParseCase{"gbk_bytes_untouched", "\xd5\xc5\xc8\xfd\r\n\xc3\xdc\xc2\xeb\r\n",
              {"\xd5\xc5\xc8\xfd", "\xc3\xdc\xc2\xeb", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(FormatSettingsTest, WritesExactlyFiveCrLfLines) {
  EXPECT_EQ(FormatSettingsText(DefaultClientSettings()), "\r\n\r\n1\r\n0\r\n127.0.0.1\r\n");
  EXPECT_EQ(FormatSettingsText({"alice", "", "1", "1", "1.2.3.4"}), "alice\r\n\r\n1\r\n1\r\n1.2.3.4\r\n");
}

TEST(FormatSettingsTest, AnAddressWithALineBreakComesBackAsItsFirstLine) {
  const ClientSettings stored{"alice", "pw", "1", "1", "1.2.3.4\r\nextra"};
  const ClientSettings read = ParseSettingsText(FormatSettingsText(stored));
  EXPECT_EQ(read.AddressText, "1.2.3.4");
  EXPECT_EQ(read.UserName, "alice");
}

TEST(InOutErrorTest, CarriesTheCodeAndItsText) {
  struct {
    int code;
    const char* text;
  } const cases[] = {{2, "File not found"},      {3, "Invalid filename"}, {4, "Too many open files"},
                     {5, "File access denied"},  {100, "Read beyond end of file"},
                     {101, "Disk full"},         {32, "I/O error 32"}};
  for (const auto& c : cases) {
    const InOutError error(c.code);
    EXPECT_EQ(error.Code(), c.code);
    EXPECT_STREQ(error.what(), c.text);
  }
}

}  // namespace
