// A long run of the main window: a thousand timer-driven login exchanges against a server
// that answers well, answers nothing, fails and resets the connection in turn, with
// repaints and opened menus between them. The handles the program holds stay where they
// were, its memory stays put, and the window answers messages all along.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "client/Unit1.h"
#include "client/program_classes.h"
#include "tests/support/scripted_server.h"
#include "toolkit/application.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"
#include "toolkit/user_handles.h"

namespace {

constexpr int kExchanges = 1000;
// Ticks that come due while the last exchange runs find answers too, instead of a
// listener that no longer answers.
constexpr int kSpareAnswers = 200;

std::vector<ScriptedAnswer> AlternatingAnswers() {
  std::vector<ScriptedAnswer> answers;
  for (int i = 0; i < kExchanges + kSpareAnswers; ++i) {
    switch (i % 4) {
      case 0: {
        const std::string body = "10.0." + std::to_string(i / 256 % 256) + "." + std::to_string(i % 256);
        answers.push_back(ScriptedAnswer::Reply("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                                                "\r\n\r\n" + body));
        break;
      }
      case 1:
        answers.push_back(ScriptedAnswer::Reply("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"));
        break;
      case 2:
        answers.push_back(ScriptedAnswer::Reply("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n"));
        break;
      default:
        answers.push_back(ScriptedAnswer::ReplyThenReset(""));
        break;
    }
  }
  return answers;
}

int CountWindows(HWND parent) {
  int count = 0;
  EnumChildWindows(
      parent, [](HWND, LPARAM counter) -> BOOL { return ++*reinterpret_cast<int*>(counter), TRUE; },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

int ThreadWindowCount() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counter) -> BOOL {
        *reinterpret_cast<int*>(counter) += 1 + CountWindows(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

struct HandleFigures {
  int gdi = 0, menus = 0, timers = 0, windows = 0;
  double pagefile_kib = 0, working_set_kib = 0;
};

HandleFigures Measure() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  return {LiveGdiObjectCount(), LiveMenuHandleCount(), RunningTimerCount(), ThreadWindowCount(),
          memory.PagefileUsage / 1024.0, memory.WorkingSetSize / 1024.0};
}

void Print(const char* when, const HandleFigures& figures) {
  std::printf("%-6s GDI objects %d, menus %d, timers %d, windows %d, pagefile %.0f KiB, working set %.0f KiB\n",
              when, figures.gdi, figures.menus, figures.timers, figures.windows, figures.pagefile_kib,
              figures.working_set_kib);
}

// Asks the window from another thread, again and again, whether it still answers.
class ResponsivenessWatch {
 public:
  explicit ResponsivenessWatch(HWND window)
      : thread_([this, window] {
          while (!stop_) {
            DWORD_PTR answer = 0;
            if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) ++unanswered_;
            ++asked_;
            Sleep(20);
          }
        }) {}
  ~ResponsivenessWatch() { Stop(); }
  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  int Asked() const { return asked_; }
  int Unanswered() const { return unanswered_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<int> asked_{0}, unanswered_{0};
  std::thread thread_;
};

// Drops a sub-menu of the main menu down and lets a timer close it again, as a user who
// opens a menu and thinks better of it.
void OpenAndCloseMenu(HWND window, HMENU menu, int index) {
  const UINT_PTR closer = SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
  });
  RECT frame;
  GetWindowRect(window, &frame);
  TrackPopupMenu(GetSubMenu(menu, index), TPM_LEFTALIGN | TPM_TOPALIGN, frame.left + 20, frame.top + 40, 0, window,
                 nullptr);
  KillTimer(nullptr, closer);
}

class MainWindowEnduranceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterProgramClasses();
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    directory_ = std::string(temp) + "tarnwick-endurance-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory_.c_str(), nullptr);
    settings_path_ = directory_ + "\\tarnwick.ini";
  }
  void TearDown() override {
    DeleteFileA(settings_path_.c_str());
    RemoveDirectoryA(directory_.c_str());
  }

  std::string directory_;
  std::string settings_path_;
};

TEST_F(MainWindowEnduranceTest, AThousandExchangesLeaveTheHandlesAndMemoryWhereTheyWere) {
  ScriptedServer server(AlternatingAnswers());
  auto form = std::make_unique<TForm1>(nullptr, Form1Environment{settings_path_, server.Address("/lo.php?"), 10});
  form->DoCreate();
  form->Show();
  auto* menu = dynamic_cast<TMenu*>(form->FindComponent("suiMainMenu1"));
  ASSERT_NE(menu, nullptr);
  const int top_level_menus = GetMenuItemCount(menu->Handle());
  ASSERT_GT(top_level_menus, 0);

  ResponsivenessWatch watch(form->Handle());
  HandleFigures first;
  std::size_t seen = 0;
  int next_interlude = 1;
  const ULONGLONG deadline = GetTickCount64() + 400000;
  while (seen < kExchanges && GetTickCount64() < deadline) {
    // One message at a time: with ticks due faster than an exchange ends, draining the
    // queue would never come back to count them.
    Application().HandleMessage();
    seen = server.Requests().size();
    if (static_cast<int>(seen) < next_interlude * 25) continue;
    // The first exchanges fill the caches that stay for good (fonts, pictures, buffers).
    if (next_interlude == 2) first = Measure();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                                                       RDW_UPDATENOW);
    if (next_interlude % 4 == 0) OpenAndCloseMenu(form->Handle(), menu->Handle(), next_interlude / 4 % top_level_menus);
    ++next_interlude;
  }
  ASSERT_GE(seen, static_cast<std::size_t>(kExchanges)) << "the exchanges did not finish in time";
  dynamic_cast<TTimer*>(form->FindComponent("Timer1"))->SetEnabled(false);
  Application().ProcessMessages();
  const HandleFigures last = Measure();
  watch.Stop();

  std::printf("%zu exchanges, %d menu openings, window asked %d times\n", seen, (next_interlude - 1) / 4,
              watch.Asked());
  Print("first", first);
  Print("last", last);
  EXPECT_EQ(last.gdi, first.gdi);
  EXPECT_EQ(last.menus, first.menus);
  // The tick timer itself has just been stopped.
  EXPECT_EQ(last.timers, first.timers - 1);
  EXPECT_EQ(last.windows, first.windows);
  EXPECT_LT(last.pagefile_kib - first.pagefile_kib, 4096) << "the program's private memory grew";
  EXPECT_GT(watch.Asked(), 0);
  EXPECT_EQ(watch.Unanswered(), 0);
}

}  // namespace
