#include "toolkit/utility_window.h"

#include <stdexcept>

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

}  // namespace

HWND UtilityWindow() {
  static HWND window = [] {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = UtilityProcedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "Tarnwick.Utility";
    RegisterClassA(&window_class);
    // A real (hidden) window rather than a message-only one: pop-up menus need an owner
    // that can be made foreground.
    HWND made = CreateWindowExA(WS_EX_TOOLWINDOW, "Tarnwick.Utility", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                window_class.hInstance, nullptr);
    if (!made) throw std::runtime_error("Cannot create the program's utility window");
    return made;
  }();
  return window;
}
