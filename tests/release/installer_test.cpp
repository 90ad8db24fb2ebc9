// The release installer, as a user runs it: silently into a folder of our choosing, then
// the installed program is started and closed, then everything is uninstalled again.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kProductName[] = L"Tarnwick动态域名解析客户端";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarnwick";

std::wstring Widen(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                  static_cast<int>(wide.size())));
  return wide;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

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

// Runs the command line and returns its exit status, or -1 when it does not end in time.
long RunToEnd(std::wstring line, DWORD limit_ms) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  ProcessHandles process;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process.info))
    return -1;
  if (WaitForSingleObject(process.info.hProcess, limit_ms) != WAIT_OBJECT_0) {
    TerminateProcess(process.info.hProcess, 1);
    return -1;
  }
  DWORD status = 0;
  GetExitCodeProcess(process.info.hProcess, &status);
  return static_cast<long>(status);
}

std::wstring CommonProgramsFolder() {
  wchar_t folder[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, folder);
  return folder;
}

std::wstring ReadUninstallValue(const wchar_t* name) {
  wchar_t value[256] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, value,
                   &size) != ERROR_SUCCESS)
    return {};
  return value;
}

struct WindowSearch {
  DWORD process_id;
  const wchar_t* caption;
  HWND found;
};

// The process's own visible window with that caption: other tests may show windows
// with the same caption at the same time.
HWND WaitForWindow(DWORD process_id, const wchar_t* caption, DWORD limit_ms) {
  for (DWORD waited = 0; waited < limit_ms; waited += 100) {
    WindowSearch search{process_id, caption, nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
          auto& search = *reinterpret_cast<WindowSearch*>(context);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          wchar_t text[128] = {};
          GetWindowTextW(window, text, 128);
          if (owner != search.process_id || !IsWindowVisible(window) || wcscmp(text, search.caption) != 0) return TRUE;
          search.found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(100);
  }
  return nullptr;
}

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    install_dir_ = std::wstring(temp) + L"tarnwick-install-" + std::to_wstring(GetCurrentProcessId());
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    settings_file_ = std::wstring(system) + L"\\tarnwick.ini";
    settings_existed_ = Exists(settings_file_);
  }
  void TearDown() override {
    // The installed program writes its settings file on its first start; it is not ours to keep.
    if (!settings_existed_) DeleteFileW(settings_file_.c_str());
  }

  std::wstring install_dir_;
  std::wstring settings_file_;
  bool settings_existed_ = false;
};

TEST_F(InstallerTest, InstallsAProgramThatStartsAndUninstallsIt) {
  const std::wstring installer = Widen(TARNWICK_INSTALLER);
  // NSIS wants /D last and unquoted.
  ASSERT_EQ(RunToEnd(L"\"" + installer + L"\" /S /D=" + install_dir_, 120000), 0);

  const std::wstring program = install_dir_ + L"\\tarnwick.exe";
  const std::wstring uninstaller = install_dir_ + L"\\uninstall.exe";
  const std::wstring shortcut_folder = CommonProgramsFolder() + L"\\Tarnwick";
  const std::wstring shortcut = shortcut_folder + L"\\" + kProductName + L".lnk";
  EXPECT_TRUE(Exists(program));
  EXPECT_TRUE(Exists(uninstaller));
  EXPECT_TRUE(Exists(shortcut));
  EXPECT_EQ(ReadUninstallValue(L"DisplayVersion"), Widen(TARNWICK_VERSION));
  EXPECT_EQ(ReadUninstallValue(L"InstallLocation"), install_dir_);

  {
    STARTUPINFOW startup{};
  startup.cb = sizeof startup;
    ProcessHandles process;
    std::wstring line = L"\"" + program + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, install_dir_.c_str(),
                               &startup, &process.info));
    const HWND window = WaitForWindow(process.info.dwProcessId, kProductName, 60000);
    EXPECT_NE(window, nullptr) << "the installed program showed no main window";
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.info.hProcess, 60000) != WAIT_OBJECT_0) {
      TerminateProcess(process.info.hProcess, 1);
      ADD_FAILURE() << "the installed program did not end when its window was closed";
    }
  }

  // "_?=" makes the uninstaller run in place and return only when it is done.
  ASSERT_EQ(RunToEnd(L"\"" + uninstaller + L"\" /S _?=" + install_dir_, 120000), 0);
  EXPECT_FALSE(Exists(program));
  EXPECT_FALSE(Exists(shortcut));
  EXPECT_FALSE(Exists(shortcut_folder));
  EXPECT_EQ(ReadUninstallValue(L"DisplayVersion"), L"");
  // Run in place, the uninstaller cannot delete itself; that is left to us.
  DeleteFileW(uninstaller.c_str());
  RemoveDirectoryW(install_dir_.c_str());
}

}  // namespace
