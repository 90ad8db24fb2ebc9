// stylegen OUTPUT_FOLDER: draws every built-in style picture and the main window's
// pictures into OUTPUT_FOLDER/styles and OUTPUT_FOLDER/main_window.
#include <cstdio>
#include <exception>

#include "tools/stylegen/picture_set.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: stylegen OUTPUT_FOLDER   (normally the resources folder)\n");
    return 2;
  }
  try {
    WritePictureSet(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "stylegen: %s\n", error.what());
    return 1;
  }
  return 0;
}
