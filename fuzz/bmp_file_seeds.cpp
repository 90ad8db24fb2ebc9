// Writes one small BMP file of every layout the decoder reads into the folder given.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/toolkit/bmp_test_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  struct Seed {
    const char* name;
    std::uint32_t header;
    int bits;
    std::uint32_t palette;
    std::uint32_t compression;
    std::uint32_t masks[4];
  };
  const Seed seeds[] = {
      {"one_bit", 40, 1, 2, bmp_test::kRgb, {}},
      {"four_bits", 40, 4, 16, bmp_test::kRgb, {}},
      {"eight_bits", 40, 8, 256, bmp_test::kRgb, {}},
      {"eight_bits_core", 12, 8, 256, bmp_test::kRgb, {}},
      {"sixteen_bits", 40, 16, 0, bmp_test::kBitfields, {0xF800, 0x07E0, 0x001F, 0}},
      {"twenty_four_bits", 40, 24, 0, bmp_test::kRgb, {}},
      {"thirty_two_bits_v4", 108, 32, 0, bmp_test::kBitfields, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
  };
  for (const Seed& seed : seeds) {
    bmp_test::BmpLayout layout;
    layout.header_size = seed.header;
    layout.bits = seed.bits;
    layout.palette_colors = seed.palette;
    layout.compression = seed.compression;
    for (int i = 0; i < 4; ++i) layout.masks[i] = seed.masks[i];
    const std::vector<std::uint8_t> file = bmp_test::WriteBmp(layout);
    std::ofstream out(folder / (std::string(seed.name) + ".bmp"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    if (!out) return 1;
  }
  return 0;
}
