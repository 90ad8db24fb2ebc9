// Records where each window of this thread was created, as CreateWindowEx was asked for it.
//
//   CreationRecorder recorder;
//   panel->Handle();
//   RECT made = CreationRecorder::Created().at(panel->Handle());
#pragma once

#include <windows.h>

#include <map>

class CreationRecorder {
 public:
  CreationRecorder() : hook_(SetWindowsHookExA(WH_CBT, &CreationRecorder::Record, nullptr, GetCurrentThreadId())) {
    Created().clear();
  }
  ~CreationRecorder() { UnhookWindowsHookEx(hook_); }
  CreationRecorder(const CreationRecorder&) = delete;
  CreationRecorder& operator=(const CreationRecorder&) = delete;

  static std::map<HWND, RECT>& Created() {
    static std::map<HWND, RECT> created;
    return created;
  }

 private:
  static LRESULT CALLBACK Record(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
      const CREATESTRUCTA& params = *reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
      Created()[reinterpret_cast<HWND>(wparam)] = {params.x, params.y, params.x + params.cx, params.y + params.cy};
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }

  HHOOK hook_;
};
