// The inner entry format on arbitrary member bytes: every entry it gives must have come
// from inside the input, and bitmaps must be the validated BMP files.
#include <cstdlib>

#include "skin/bmp_validation.h"
#include "skin/skin_data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto entries = ParseSkinDataFile({data, size});
  if (!entries) return 0;
  std::size_t stored = 0;
  for (const SkinDataEntry& entry : *entries) {
    if (entry.name.size() > 64) std::abort();
    if (const auto* bitmap = std::get_if<SkinBitmap>(&entry.value)) {
      if (!ValidateBmpFile(bitmap->file_bytes)) std::abort();
      stored += bitmap->file_bytes.size();
    } else if (const auto* text = std::get_if<std::string>(&entry.value)) {
      stored += text->size();
    }
  }
  if (stored > size) std::abort();
  return 0;
}
