#include "client/settings_file.h"

#include <windows.h>

#include <utility>

#include "client/io_error.h"

namespace {

constexpr char kSettingsFileName[] = "\\tarnwick.ini";
constexpr char kPendingSuffix[] = ".new";

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closing is checked like every other step; the destructor only cleans up after errors.
  void Close() {
    const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    if (!CloseHandle(handle)) throw InOutError(LastErrorCode());
  }

  static int LastErrorCode() {
    switch (const DWORD error = GetLastError()) {
      case ERROR_HANDLE_DISK_FULL:
      case ERROR_DISK_FULL: return 101;
      case ERROR_HANDLE_EOF: return 100;
      default: return static_cast<int>(error);
    }
  }

 private:
  HANDLE handle_;
};

[[noreturn]] void RaiseLastError() { throw InOutError(FileHandle::LastErrorCode()); }

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) RaiseLastError();
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    RaiseLastError();
  if (written != bytes.size()) throw InOutError(101);
  if (!FlushFileBuffers(file.get())) RaiseLastError();
  file.Close();
}

std::string ReadWholeFile(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) RaiseLastError();
  std::string bytes;
  char chunk[4096];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) RaiseLastError();
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  file.Close();
  return bytes;
}

}  // namespace

std::string SettingsFilePath() {
  char directory[257] = {};
  GetSystemDirectoryA(directory, 256);
  return std::string(directory) + kSettingsFileName;
}

ClientSettings LoadSettings(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    WriteWholeFile(path, FormatSettingsText(DefaultClientSettings()));
  return ParseSettingsText(ReadWholeFile(path));
}

void SaveSettings(const std::string& path, const ClientSettings& values) {
  // Rewriting in place refuses a read-only file; replacing it must refuse it too.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    throw InOutError(ERROR_ACCESS_DENIED);
  const std::string pending = path + kPendingSuffix;
  try {
    WriteWholeFile(pending, FormatSettingsText(values));
    if (!MoveFileExA(pending.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      RaiseLastError();
  } catch (const InOutError&) {
    DeleteFileA(pending.c_str());
    throw;
  }
}

void ReloadSettings(const std::string& path, ClientSettings& settings) {
  settings = ParseSettingsText(ReadWholeFile(path));
}
