#include "toolkit/application.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/support/message_box_watch.h"

namespace {

struct ErrorCase {
  const char* description;
  std::string message;
  std::string shown;
};

void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.description << ": \"" << c.message << "\""; }

class ErrorBoxTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorBoxTest, ShowsTheMessageWithAFullStopUnderTheTitle) {
  const ErrorCase& c = GetParam();
  EXPECT_EQ(ErrorBoxText(c.message), c.shown);
  const SeenMessageBox seen = WatchMessageBox([&] { Application().HandleException(std::make_exception_ptr(std::runtime_error(c.message))); });
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, "message_box_test");
  EXPECT_EQ(seen.text, c.shown);
  EXPECT_TRUE(seen.has_icon);
  EXPECT_TRUE(seen.has_ok);
  EXPECT_FALSE(seen.has_cancel);
}

const ErrorCase kErrorCases[] = {
    {"plain", "I/O error 5", "I/O error 5."},
    {"already_stopped", "File not found.", "File not found."},
    {"gbk_text", "\xCE\xC4\xBC\xFE\xB4\xED\xCE\xF3", "\xCE\xC4\xBC\xFE\xB4\xED\xCE\xF3."},
    {"question", "Why?", "Why?."},
};

INSTANTIATE_TEST_SUITE_P(Table, ErrorBoxTest, ::testing::ValuesIn(kErrorCases),
                         [](const auto& info) { return std::string(info.param.description); });

TEST(MessageBoxTest, PlainBoxHasTextOkAndNoIcon) {
  const SeenMessageBox seen = WatchMessageBox([] { EXPECT_EQ(Application().MessageBox("\xB5\xC7\xC2\xBD"), IDOK); });
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, "message_box_test");
  EXPECT_EQ(seen.text, "\xB5\xC7\xC2\xBD");
  EXPECT_FALSE(seen.has_icon);
  EXPECT_TRUE(seen.has_ok);
}

}  // namespace
