// The directory of an .ico file: which of its images suits a wanted size, and where that
// image's bytes lie. Every offset and length comes from the file and is checked against it.
//
//   std::optional<IconImageLocation> image = ChooseIconImage(bytes, 32, 32);
//   if (image) use(bytes.subspan(image->offset, image->size));
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

struct IconImageLocation {
  std::size_t offset = 0;
  std::size_t size = 0;
  int width = 0;   // as the directory states it (256 for the stored 0)
  int height = 0;
  bool png = false;
};

// The image nearest the wanted size (the deeper colour on a tie), or nothing for bytes that
// are no well-formed icon file: a bad header, no images, an entry outside the file, or an
// image whose bitmap header does not fit its own bytes.
std::optional<IconImageLocation> ChooseIconImage(std::span<const std::uint8_t> file, int wanted_width,
                                                 int wanted_height);
