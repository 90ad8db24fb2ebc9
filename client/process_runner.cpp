#include "client/process_runner.h"

#include <windows.h>

#include <vector>

namespace {

class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() {
    if (handle_) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

void DispatchPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the quit request for the message loop that owns it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

CommandOutcome RunAndWait(const std::string& command_line, int show_flag, std::chrono::milliseconds limit) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_flag);
  PROCESS_INFORMATION process{};
  std::vector<char> writable_line(command_line.begin(), command_line.end());
  writable_line.push_back('\0');
  if (!CreateProcessA(nullptr, writable_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return {CommandOutcome::Kind::NotStarted};
  const OwnedHandle process_handle(process.hProcess);
  const OwnedHandle thread_handle(process.hThread);

  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(limit.count());
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return {CommandOutcome::Kind::TimedOut};
    const DWORD woken = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, static_cast<DWORD>(deadline - now),
                                                  QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0) break;
    if (woken == WAIT_OBJECT_0 + 1) {
      DispatchPendingMessages();
      continue;
    }
    if (woken == WAIT_TIMEOUT) return {CommandOutcome::Kind::TimedOut};
    return {CommandOutcome::Kind::NotStarted};
  }
  DWORD exit_code = 0;
  GetExitCodeProcess(process.hProcess, &exit_code);
  return {CommandOutcome::Kind::Exited, exit_code};
}

bool StartDetached(const std::string& command_line, int show_flag) {
  // WinExec reports success with a value above 31.
  return WinExec(command_line.c_str(), static_cast<UINT>(show_flag)) > 31;
}
