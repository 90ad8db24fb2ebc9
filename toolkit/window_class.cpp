#include "toolkit/window_class.h"

#include <map>
#include <stdexcept>

#include "toolkit/uncaught_exception.h"
#include "toolkit/win_control.h"

namespace {

// The control whose window CreateWindowEx is making on this thread. A top-level window
// receives WM_GETMINMAXINFO before WM_NCCREATE, so the object is bound at the first
// message of the new window rather than waiting for WM_NCCREATE.
thread_local TWinControl* t_creating = nullptr;

}  // namespace

void SetControlBeingCreated(TWinControl* control) { t_creating = control; }

WNDPROC EnsureWindowClass(const TCreateParams& params) {
  static std::map<std::string, WNDPROC> registered;
  const auto found = registered.find(params.window_class);
  if (found != registered.end()) return found->second;

  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  WNDPROC base = DefWindowProcA;
  if (!params.system_class.empty()) {
    if (!GetClassInfoExA(nullptr, params.system_class.c_str(), &window_class)) {
      throw std::runtime_error("No system window class " + params.system_class);
    }
    base = window_class.lpfnWndProc;
  } else {
    window_class.style = params.class_style;
    window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  }
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = ControlWindowProcedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = params.window_class.c_str();
  window_class.hbrBackground = nullptr;  // controls paint their own background
  if (!RegisterClassExA(&window_class)) {
    throw std::runtime_error("Cannot register window class " + params.window_class);
  }
  registered.emplace(params.window_class, base);
  return base;
}

LRESULT CALLBACK ControlWindowProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  TWinControl* control = TWinControl::FromHandle(window);
  if (!control && t_creating) {
    control = t_creating;
    t_creating = nullptr;
    control->Attach(window);
  }
  if (!control) return DefWindowProcA(window, msg, wparam, lparam);

  TMessage message{msg, wparam, lparam, 0};
  // No exception may cross the system's frames; it is shown and the program goes on.
  try {
    control->WindowProc(message);
  } catch (...) {
    HandleUncaughtException(std::current_exception());
  }
  if (msg == WM_NCDESTROY) control->Detach();
  return message.result;
}
