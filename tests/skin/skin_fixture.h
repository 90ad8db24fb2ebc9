// Skin files for the tests, written at test time with our writer into a fresh folder.
// Members are compressed with zlib where the build has it, else as stored DEFLATE blocks.
//
//   SkinFolder folder;
//   std::string path = folder.Write("plain.skn", MakeSkinFile(BuildSkinDataFile(entries), {}));
#pragma once

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "skin/skin_file_writer.h"

#if defined(TARNWICK_TEST_WITH_ZLIB)
#include <zlib.h>
#endif

using Bytes = std::vector<std::uint8_t>;

inline Bytes CompressMember(const Bytes& member) {
#if defined(TARNWICK_TEST_WITH_ZLIB)
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&z, member.size()) + 16);
  z.next_in = const_cast<Bytef*>(member.data());
  z.avail_in = static_cast<uInt>(member.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
#else
  return DeflateStored(member);
#endif
}

inline Bytes MakeSkinFile(const Bytes& member, const SkinArchiveOptions& options) {
  return BuildSkinArchive(member, CompressMember(member), options);
}

inline void Poke32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

inline bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

inline Bytes ReadFileBytes(const std::string& path) {
  Bytes bytes;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(file);
  }
  return bytes;
}

class SkinFolder {
 public:
  SkinFolder() {
    std::random_device entropy;
    path_ = std::filesystem::temp_directory_path() / ("tarnwick-skin-test-" + std::to_string(entropy()));
    std::filesystem::create_directories(path_);
  }
  ~SkinFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  SkinFolder(const SkinFolder&) = delete;
  SkinFolder& operator=(const SkinFolder&) = delete;

  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  std::string Write(const std::string& name, const Bytes& bytes) const {
    const std::string path = Path(name);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
      std::fwrite(bytes.data(), 1, bytes.size(), file);
      std::fclose(file);
    }
    return path;
  }
  // Only the files the test wrote itself are left (nothing the code under test forgot).
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
  }

 private:
  std::filesystem::path path_;
};

// Offsets inside the inner data file that BuildSkinDataFile writes: the header is 24
// bytes, record i starts at 24 + 77 * i.
inline constexpr std::size_t RecordAt(std::size_t index) { return 24 + 77 * index; }
