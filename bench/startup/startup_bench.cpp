// Start-up time and memory of the client beside a bare Win32 window.
//
//   startup_bench CLIENT.exe BARE.exe [RUNS]
//
// Each run starts the program and times it up to the first complete paint of its main
// window, seen from outside: the window is visible, neither it nor any of its child
// windows has anything left to paint, and its thread answers a message. Then the memory
// of the process is read and the window closed. Runs of the two programs alternate, so
// that a noisy machine slows both alike; as its speed drifts from minute to minute, the
// median of the ratios of neighbouring runs is printed beside the ratio of the medians.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kStartLimit = std::chrono::seconds(60);

struct RunFigures {
  double milliseconds = 0;
  double working_set_kib = 0;
  double pagefile_kib = 0;
};

class ProcessHandles {
 public:
  ProcessHandles() = default;
  ProcessHandles(const ProcessHandles&) = delete;
  ProcessHandles& operator=(const ProcessHandles&) = delete;
  ~ProcessHandles() {
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
  }
  PROCESS_INFORMATION info{};
};

struct WindowSearch {
  DWORD process_id;
  HWND found;
};

HWND VisibleTopLevelWindowOf(DWORD process_id) {
  WindowSearch search{process_id, nullptr};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto& search = *reinterpret_cast<WindowSearch*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != search.process_id || !IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
        search.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool NothingLeftToPaint(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool clean = true;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM context) -> BOOL {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
          *reinterpret_cast<bool*>(context) = false;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&clean));
  return clean;
}

std::optional<RunFigures> TimeOneStart(const std::string& program) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  ProcessHandles process;
  std::string line = "\"" + program + "\"";
  const auto started = Clock::now();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process.info)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", program.c_str(), GetLastError());
    return std::nullopt;
  }
  // The program goes idle for the first time once its start-up messages, the paints
  // among them, are handled; waiting for that keeps this process from taking the machine
  // from the one being measured. Whatever is still unpainted then is waited for below.
  WaitForInputIdle(process.info.hProcess, static_cast<DWORD>(std::chrono::milliseconds(kStartLimit).count()));
  HWND window = nullptr;
  while (Clock::now() - started < kStartLimit) {
    window = VisibleTopLevelWindowOf(process.info.dwProcessId);
    DWORD_PTR answer = 0;
    if (window && NothingLeftToPaint(window) &&
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) && NothingLeftToPaint(window))
      break;
    window = nullptr;
    Sleep(1);
  }
  const auto painted = Clock::now();
  std::optional<RunFigures> figures;
  if (window) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.info.hProcess, &memory, sizeof memory);
    figures = RunFigures{std::chrono::duration<double, std::milli>(painted - started).count(),
                         memory.WorkingSetSize / 1024.0, memory.PagefileUsage / 1024.0};
    PostMessageA(window, WM_CLOSE, 0, 0);
  } else {
    std::fprintf(stderr, "%s showed no painted window within %lld s\n", program.c_str(),
                 static_cast<long long>(kStartLimit.count()));
  }
  if (WaitForSingleObject(process.info.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.info.hProcess, 1);
  return figures;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
  std::vector<double> milliseconds, working_set_kib, pagefile_kib;
  void Add(const RunFigures& run) {
    milliseconds.push_back(run.milliseconds);
    working_set_kib.push_back(run.working_set_kib);
    pagefile_kib.push_back(run.pagefile_kib);
  }
};

void PrintSeries(const char* name, const Series& series) {
  std::printf("%-8s start to first paint: median %7.1f ms (runs:", name, Median(series.milliseconds));
  for (double ms : series.milliseconds) std::printf(" %.0f", ms);
  std::printf(")\n%-8s memory after start: working set %.0f KiB, private (pagefile) %.0f KiB (medians)\n", name,
              Median(series.working_set_kib), Median(series.pagefile_kib));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench CLIENT.exe BARE.exe [RUNS]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 7;
  // One start of each first: the first start after a build pays for loading from disk.
  if (!TimeOneStart(argv[1]) || !TimeOneStart(argv[2])) return 1;
  Series client, bare;
  for (int run = 0; run < runs; ++run) {
    const auto client_run = TimeOneStart(argv[1]);
    const auto bare_run = TimeOneStart(argv[2]);
    if (!client_run || !bare_run) return 1;
    client.Add(*client_run);
    bare.Add(*bare_run);
  }
  PrintSeries("client", client);
  PrintSeries("bare", bare);
  std::printf("ratio client/bare (medians): %.2f (target: at most 1.5)\n",
              Median(client.milliseconds) / Median(bare.milliseconds));
  std::vector<double> paired;
  for (std::size_t i = 0; i < client.milliseconds.size(); ++i) {
    paired.push_back(client.milliseconds[i] / bare.milliseconds[i]);
  }
  std::printf("ratio client/bare (median of neighbouring runs' ratios): %.2f\n", Median(paired));
  return 0;
}
