#include "skin/theme_file_search.h"

#include <windows.h>

#include <vector>

namespace {

std::string WithBackslash(std::string directory) {
  if (!directory.empty() && directory.back() != '\\') directory += '\\';
  return directory;
}

// Drops the file name from a module path; an empty text when the system gives none.
std::string ProgramDirectory() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      std::string full(path.data(), length);
      const auto slash = full.find_last_of("\\/");
      return slash == std::string::npos ? std::string() : full.substr(0, slash);
    }
    // Long paths: a 32 KiB buffer holds the longest path the system allows.
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

template <typename Query>
std::string SystemDirectory(Query query) {
  char buffer[MAX_PATH + 1];
  const UINT length = query(buffer, MAX_PATH + 1);
  return length == 0 || length > MAX_PATH ? std::string() : std::string(buffer, length);
}

std::string FileNamePart(const std::string& path) {
  const auto separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

bool ThemeFileExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> FindThemeFile(const std::string& name) {
  if (ThemeFileExists(name)) return name;
  const std::string file_name = FileNamePart(name);
  // Without a file name part every candidate would be a directory.
  if (file_name.empty()) return std::nullopt;
  const std::string directories[] = {
      ProgramDirectory(),
      SystemDirectory(GetWindowsDirectoryA),
      SystemDirectory(GetSystemDirectoryA),
  };
  for (const std::string& directory : directories) {
    if (directory.empty()) continue;
    std::string candidate = WithBackslash(directory) + file_name;
    if (ThemeFileExists(candidate)) return candidate;
  }
  return std::nullopt;
}
