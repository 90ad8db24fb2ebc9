// Writes the seed corpus of one fuzz target into a folder:
//   skin_fuzz_seeds inflate|archive|data DIR
// Seeds are real streams and skin files made with zlib and our skin file writer.
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/skin_file_writer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes RawDeflate(const Bytes& data, int level, int strategy) {
  z_stream z{};
  deflateInit2(&z, level, Z_DEFLATED, -15, 8, strategy);
  Bytes out(deflateBound(&z, data.size()) + 16);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

Bytes SmallSkin(int variant) {
  std::vector<SkinWriterEntry> entries;
  entries.push_back(BitmapEntry("TitleBar", MakeBmpFile(6 + variant, 4, [](int x, int y) {
                                  return static_cast<std::uint32_t>(x * 40 + y * 0x2000);
                                })));
  entries.push_back(IntegerEntry("FormBorderColor", 0x00FF00FF));
  entries.push_back(BooleanEntry("TitleBarGradient", variant % 2 == 0));
  entries.push_back(StringEntry("Author", "tarnwick"));
  return BuildSkinDataFile(entries);
}

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skin_fuzz_seeds inflate|archive|data DIR\n");
    return 2;
  }
  const std::string kind = argv[1];
  const std::filesystem::path directory = argv[2];
  std::filesystem::create_directories(directory);
  std::vector<Bytes> seeds;
  if (kind == "inflate") {
    Bytes text;
    for (int i = 0; i < 300; ++i) text.insert(text.end(), {'s', 'k', 'i', 'n', ' ', static_cast<std::uint8_t>('a' + i % 26)});
    for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE}) seeds.push_back(RawDeflate(text, 9, strategy));
    seeds.push_back(RawDeflate(SmallSkin(0), 6, Z_DEFAULT_STRATEGY));
    seeds.push_back(DeflateStored(text));
  } else if (kind == "archive") {
    for (int variant = 0; variant < 3; ++variant) {
      const Bytes member = SmallSkin(variant);
      SkinArchiveOptions options;
      if (variant == 1) options.password = "tarnwick";
      if (variant == 2) options.member_name = "skindata.sk2";
      seeds.push_back(BuildSkinArchive(member, RawDeflate(member, 9, Z_DEFAULT_STRATEGY), options));
    }
  } else if (kind == "data") {
    for (int variant = 0; variant < 3; ++variant) seeds.push_back(SmallSkin(variant));
  } else {
    std::fprintf(stderr, "unknown seed kind %s\n", kind.c_str());
    return 2;
  }
  for (std::size_t i = 0; i < seeds.size(); ++i) {
    if (!WriteFile(directory / ("seed-" + std::to_string(i)), seeds[i])) return 1;
  }
  return 0;
}
