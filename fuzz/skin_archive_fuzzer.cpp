// The archive layer on arbitrary files: it must end with one of its three results, and
// leave no output file behind unless it succeeded.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "skin/skin_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string directory = [] {
    // TMPDIR may point at a memory file system: the target writes two files each run.
    std::string pattern = (std::filesystem::temp_directory_path() / "skin-archive-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  // libFuzzer ends its runs through exit(). Registered after `directory` is complete, the
  // removal runs before the string is destroyed.
  static const bool removal_registered = std::atexit([] {
    std::error_code error;
    std::filesystem::remove_all(directory, error);
  }) == 0;
  (void)removal_registered;
  const std::string archive = directory + "/archive.skn";
  const std::string output = directory + "/member";
  std::FILE* file = std::fopen(archive.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size != 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);

  // The seeds are encrypted with this password or not at all.
  const ExtractResult result = ExtractSkinMember(archive, kSkinMemberName, output, "tarnwick");
  const bool output_left = access(output.c_str(), F_OK) == 0;
  if (result != ExtractResult::kSuccess && output_left) std::abort();
  if (result == ExtractResult::kSuccess && !output_left) std::abort();
  std::remove(output.c_str());
  return 0;
}
