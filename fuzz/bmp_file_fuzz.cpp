// Arbitrary bytes as a BMP file and as a resource DIB: either a picture whose pixels fill
// its rows exactly or BmpFormatError, never a read outside the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "toolkit/bmp_file.h"

namespace {
void Check(const BmpImage& image) {
  if (image.pixels.size() != image.RowBytes() * static_cast<std::size_t>(image.height)) std::abort();
  // Every pixel must be readable through the palette or the channels.
  for (std::int32_t y = 0; y < image.height; ++y) {
    for (std::int32_t x = 0; x < image.width; ++x) static_cast<void>(image.ColorAt(x, y));
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    Check(DecodeBmpFile(bytes));
  } catch (const BmpFormatError&) {
  }
  try {
    const BmpImage image = DecodeDib(bytes);
    Check(image);
    Check(DecodeBmpFile(EncodeBmpFile(image)));
  } catch (const BmpFormatError&) {
  }
  return 0;
}
