#include "toolkit/utility_window.h"

#include <stdexcept>
#include <string>

#include "toolkit/menu_owner_draw.h"
#include "toolkit/timer.h"
#include "toolkit/uncaught_exception.h"

namespace {

LRESULT CALLBACK UtilityProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{msg, wparam, lparam, 0};
  try {
    switch (msg) {
      case WM_TIMER:
        TTimer::Tick(wparam);
        return 0;
      case WM_MEASUREITEM:
      case WM_DRAWITEM:
        if (HandleMenuOwnerDraw(message)) return message.result;
        break;
      case WM_MENUCHAR:
        if (HandleMenuChar(message)) return message.result;
        break;
      default:
        break;
    }
  } catch (...) {
    HandleUncaughtException(std::current_exception());
    return 0;
  }
  return DefWindowProcA(window, msg, wparam, lparam);
}

ATOM UtilityClass() {
  static const ATOM atom = [] {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = UtilityProcedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "Tarnwick.Utility";
    return RegisterClassA(&window_class);
  }();
  return atom;
}

HWND MakeUtilityWindow(HWND parent, const char* what) {
  HWND made = CreateWindowExA(WS_EX_TOOLWINDOW, MAKEINTATOM(UtilityClass()), "", WS_POPUP, 0, 0, 0, 0, parent,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!made) throw std::runtime_error(std::string("Cannot create the program's ") + what);
  return made;
}

}  // namespace

HWND UtilityWindow() {
  // Message-only: it never shows, so the window system has nothing to set up for it.
  static const HWND window = MakeUtilityWindow(HWND_MESSAGE, "utility window");
  return window;
}

HWND MenuOwnerWindow() {
  // A real (hidden) window rather than a message-only one: a pop-up menu needs an owner
  // that can be made foreground. Made when a menu first needs it.
  static const HWND window = MakeUtilityWindow(nullptr, "menu owner window");
  return window;
}
