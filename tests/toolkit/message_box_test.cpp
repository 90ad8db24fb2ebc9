#include "toolkit/application.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>


namespace {

// What a box showed, read from its window while it was up (it is modal, so a timer
// callback inside its own loop reads it and presses OK).
struct SeenBox {
  bool found = false;
  std::string caption;
  std::string text;
  bool has_icon = false;
  bool has_ok = false;
  bool has_cancel = false;
};

SeenBox g_seen;

BOOL CALLBACK ReadBox(HWND window, LPARAM) {
  char class_name[32] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (std::string(class_name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  g_seen.caption = buffer;
  GetDlgItemTextA(window, 0xFFFF, buffer, sizeof buffer);  // the message text's control
  g_seen.text = buffer;
  const HWND icon = GetDlgItem(window, 0x0440);           // the icon's control
  g_seen.has_icon = icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
  g_seen.has_ok = GetDlgItem(window, IDOK) != nullptr;
  g_seen.has_cancel = GetDlgItem(window, IDCANCEL) != nullptr && IsWindowVisible(GetDlgItem(window, IDCANCEL));
  g_seen.found = true;
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK CloseBoxSoon(HWND, UINT, UINT_PTR id, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), ReadBox, 0);
  if (g_seen.found) KillTimer(nullptr, id);
}

SeenBox Watch(const std::function<void()>& show) {
  g_seen = SeenBox{};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseBoxSoon);
  show();
  KillTimer(nullptr, timer);
  return g_seen;
}

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
  const SeenBox seen = Watch([&] { Application().HandleException(std::make_exception_ptr(std::runtime_error(c.message))); });
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
  const SeenBox seen = Watch([] { EXPECT_EQ(Application().MessageBox("\xB5\xC7\xC2\xBD"), IDOK); });
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, "message_box_test");
  EXPECT_EQ(seen.text, "\xB5\xC7\xC2\xBD");
  EXPECT_FALSE(seen.has_icon);
  EXPECT_TRUE(seen.has_ok);
}

}  // namespace
