// Counts the paints that each window of this thread gets while the counter lives, whether
// a synchronous update sends them or the message loop takes them from the queue.
//
//   PaintCounter paints;
//   form.Show();
//   Pump();
//   EXPECT_EQ(paints.Of(title_bar.Handle()), 1);
#pragma once

#include <windows.h>

#include <map>

class PaintCounter {
 public:
  PaintCounter()
      : sent_(SetWindowsHookExA(WH_CALLWNDPROC, Sent, nullptr, GetCurrentThreadId())),
        taken_(SetWindowsHookExA(WH_GETMESSAGE, Taken, nullptr, GetCurrentThreadId())) {
    Counts().clear();
  }
  ~PaintCounter() {
    UnhookWindowsHookEx(sent_);
    UnhookWindowsHookEx(taken_);
  }
  PaintCounter(const PaintCounter&) = delete;
  PaintCounter& operator=(const PaintCounter&) = delete;

  bool Hooked() const { return sent_ && taken_; }
  int Of(HWND window) const {
    const auto found = Counts().find(window);
    return found == Counts().end() ? 0 : found->second;
  }

 private:
  // Hooks carry no context: one counter at a time per test program.
  static std::map<HWND, int>& Counts() {
    static std::map<HWND, int> counts;
    return counts;
  }
  static LRESULT CALLBACK Sent(int code, WPARAM wparam, LPARAM lparam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && call->message == WM_PAINT) ++Counts()[call->hwnd];
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
