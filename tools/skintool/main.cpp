// skintool: makes, lists and unpacks Tarnwick skin files.
//
//   skintool pack DIR OUT [--password P]
//   skintool list [--password P] FILE
//   skintool extract [--password P] FILE DIR
//
// A skin folder holds one BMP file per bitmap entry (the entry's name is the file name
// without ".bmp") and, optionally, "entries.txt" with the other entries, one a line:
//   int NAME VALUE       signed 32-bit, decimal or 0x hex (colours are 0x00BBGGRR)
//   bool NAME VALUE      1/0 or true/false
//   string NAME TEXT     the rest of the line, as it stands
// Blank lines and lines starting with '#' are skipped. Names are at most 64 bytes.
// pack compresses the member with zlib (level 9) and, with a password, encrypts it with
// the traditional ZIP encryption. list reads the file through the program's own reader and
// exits with status 1 when it does not load.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/skintool/skin_folder.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: skintool pack DIR OUT [--password P]\n"
               "       skintool list [--password P] FILE\n"
               "       skintool extract [--password P] FILE DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string password;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--password") {
      if (i + 1 == arguments.size()) return Usage();
      password = arguments[i + 1];
      arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                      arguments.begin() + static_cast<std::ptrdiff_t>(i + 2));
      break;
    }
  }
  if (arguments.empty()) return Usage();
  const std::string& command = arguments[0];
  if (command == "pack" && arguments.size() == 3) return PackSkinFolder(arguments[1], arguments[2], password);
  if (command == "list" && arguments.size() == 2) return ListSkinFile(arguments[1], password);
  if (command == "extract" && arguments.size() == 3) return ExtractSkinFile(arguments[1], arguments[2], password);
  return Usage();
}
