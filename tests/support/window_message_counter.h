// Counts the paints that each window of this thread gets while the counter lives, whether
// a synchronous update sends them or the message loop takes them from the queue, and the
// changes of position and shape the system announces to it (WM_WINDOWPOSCHANGING).
//
//   WindowMessageCounter counted;
//   form.Show();
//   Pump();
//   EXPECT_EQ(counted.PaintsOf(title_bar.Handle()), 1);
//   EXPECT_EQ(counted.PositionChangesOf(panel.Handle()), 0);
#pragma once

#include <windows.h>

#include <map>

class WindowMessageCounter {
 public:
  WindowMessageCounter()
      : sent_(SetWindowsHookExA(WH_CALLWNDPROC, Sent, nullptr, GetCurrentThreadId())),
        taken_(SetWindowsHookExA(WH_GETMESSAGE, Taken, nullptr, GetCurrentThreadId())) {
    Counts().clear();
    PositionCounts().clear();
  }
  ~WindowMessageCounter() {
    UnhookWindowsHookEx(sent_);
    UnhookWindowsHookEx(taken_);
  }
  WindowMessageCounter(const WindowMessageCounter&) = delete;
  WindowMessageCounter& operator=(const WindowMessageCounter&) = delete;

  bool Hooked() const { return sent_ && taken_; }
  int PaintsOf(HWND window) const { return CountOf(Counts(), window); }
  int PositionChangesOf(HWND window) const { return CountOf(PositionCounts(), window); }

 private:
  // Hooks carry no context: one counter at a time per test program.
  static std::map<HWND, int>& Counts() {
    static std::map<HWND, int> counts;
    return counts;
  }
  static std::map<HWND, int>& PositionCounts() {
    static std::map<HWND, int> counts;
    return counts;
  }
  static int CountOf(const std::map<HWND, int>& counts, HWND window) {
    const auto found = counts.find(window);
    return found == counts.end() ? 0 : found->second;
  }
  static LRESULT CALLBACK Sent(int code, WPARAM wparam, LPARAM lparam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && call->message == WM_PAINT) ++Counts()[call->hwnd];
    if (code == HC_ACTION && call->message == WM_WINDOWPOSCHANGING) ++PositionCounts()[call->hwnd];
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static LRESULT CALLBACK Taken(int code, WPARAM wparam, LPARAM lparam) {
    const auto* message = reinterpret_cast<const MSG*>(lparam);
    if (code == HC_ACTION && wparam == PM_REMOVE && message->message == WM_PAINT) ++Counts()[message->hwnd];
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }

  HHOOK sent_;
  HHOOK taken_;
};
