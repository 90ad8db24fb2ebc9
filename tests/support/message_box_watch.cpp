#include "tests/support/message_box_watch.h"

#include <windows.h>

namespace {

SeenMessageBox g_seen;

BOOL CALLBACK ReadBox(HWND window, LPARAM) {
  char class_name[32] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (std::string(class_name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  if (!g_seen.found) {
    char buffer[512] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    g_seen.caption = buffer;
    GetDlgItemTextA(window, 0xFFFF, buffer, sizeof buffer);  // the message text's control
    g_seen.text = buffer;
    const HWND icon = GetDlgItem(window, 0x0440);  // the icon's control
    g_seen.has_icon = icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
    g_seen.has_ok = GetDlgItem(window, IDOK) != nullptr;
    const HWND cancel = GetDlgItem(window, IDCANCEL);
    g_seen.has_cancel = cancel != nullptr && IsWindowVisible(cancel);
    g_seen.found = true;
  }
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), ReadBox, 0); }

}  // namespace

SeenMessageBox WatchMessageBox(const std::function<void()>& show) {
  g_seen = SeenMessageBox{};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBoxes);
  show();
  KillTimer(nullptr, timer);
  return g_seen;
}
