#include "skin/temp_file_name.h"

#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <stdexcept>

std::string NewTemporaryFilePath() {
  char directory[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof directory, directory);
  std::string path = (length > 0 && length < sizeof directory) ? std::string(directory, length) : std::string();
  if (!path.empty() && path.back() != '\\') path += '\\';

  GUID guid{};
  // Without a fresh GUID every temporary file would get the same name, and one reader could
  // read or delete another's file; the skin fails to load instead, silently as skins do.
  if (FAILED(CoCreateGuid(&guid))) throw std::runtime_error("no unique name for a temporary file");
  char text[40];
  std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1],
                guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
  return path + text;
}
