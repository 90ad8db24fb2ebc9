#include "tools/skintool/skin_folder.h"

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "skin/skin_file_reader.h"
#include "skin/skin_file_writer.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
constexpr const char* kEntriesFile = "entries.txt";

bool ReadFile(const fs::path& path, Bytes& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad();
}

bool WriteFile(const fs::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out.flush());
}

bool RawDeflate(const Bytes& data, Bytes& out) {
  z_stream z{};
  if (deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) return false;
  out.resize(deflateBound(&z, data.size()) + 16);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const bool finished = deflate(&z, Z_FINISH) == Z_STREAM_END;
  out.resize(z.total_out);
  deflateEnd(&z);
  return finished;
}

bool ParseInteger(std::string_view text, std::int32_t& value) {
  int base = 10;
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  std::int64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return false;
  const std::int64_t signed_value = negative ? -magnitude : magnitude;
  // Hex up to 0xFFFFFFFF is taken as the bit pattern, so colours can be written as such.
  if (signed_value < INT32_MIN || signed_value > static_cast<std::int64_t>(UINT32_MAX)) return false;
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(signed_value));
  return true;
}

bool ParseEntriesFile(const fs::path& path, std::vector<SkinWriterEntry>& entries) {
  std::ifstream in(path);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string kind, name;
    fields >> kind >> name;
    std::string rest;
    std::getline(fields >> std::ws, rest);
    const bool name_ok = !name.empty() && name.size() <= skin_data::kNameSize;
    std::int32_t value = 0;
    if (kind == "int" && name_ok && ParseInteger(rest, value)) {
      entries.push_back(IntegerEntry(name, value));
    } else if (kind == "bool" && name_ok && (rest == "1" || rest == "0" || rest == "true" || rest == "false")) {
      entries.push_back(BooleanEntry(name, rest == "1" || rest == "true"));
    } else if (kind == "string" && name_ok) {
      entries.push_back(StringEntry(name, rest));
    } else {
      std::fprintf(stderr, "skintool: %s:%d: cannot read \"%s\"\n", path.string().c_str(), number, line.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int PackSkinFolder(const std::string& folder, const std::string& output, const std::string& password) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    std::fprintf(stderr, "skintool: %s is not a folder\n", folder.c_str());
    return 1;
  }
  std::vector<fs::path> bitmaps;
  for (const auto& item : fs::directory_iterator(folder)) {
    std::string extension = item.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
    if (item.is_regular_file() && extension == ".bmp") bitmaps.push_back(item.path());
  }
  std::sort(bitmaps.begin(), bitmaps.end());

  std::vector<SkinWriterEntry> entries;
  for (const fs::path& path : bitmaps) {
    Bytes bmp;
    const std::string name = path.stem().string();
    if (!ReadFile(path, bmp) || !ValidateBmpFile(bmp) || name.size() > skin_data::kNameSize) {
      std::fprintf(stderr, "skintool: %s is not a usable BMP file\n", path.string().c_str());
      return 1;
    }
    entries.push_back(BitmapEntry(name, std::move(bmp)));
  }
  const fs::path entries_file = fs::path(folder) / kEntriesFile;
  if (fs::exists(entries_file, error) && !ParseEntriesFile(entries_file, entries)) return 1;

  const Bytes member = BuildSkinDataFile(entries);
  Bytes compressed;
  if (!RawDeflate(member, compressed)) {
    std::fprintf(stderr, "skintool: compression failed\n");
    return 1;
  }
  SkinArchiveOptions options;
  options.password = password;
  const Bytes file = BuildSkinArchive(member, compressed, options);
  if (!WriteFile(output, file.data(), file.size())) {
    std::fprintf(stderr, "skintool: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}

namespace {

// Loads through the program's reader; prints why not on failure.
bool LoadReader(const std::string& file, const std::string& password, std::unique_ptr<Tsk2SkinFileReader>& reader) {
  try {
    reader = std::make_unique<Tsk2SkinFileReader>(file, password);
  } catch (const SkinFileError& error) {
    std::fprintf(stderr, "skintool: %s: %s\n", file.c_str(), error.what());
    return false;
  }
  if (!reader->IsLoaded()) {
    std::fprintf(stderr, "skintool: %s: not loaded (wrong password, or damaged)\n", file.c_str());
    return false;
  }
  return true;
}

}  // namespace

int ListSkinFile(const std::string& file, const std::string& password) {
  std::unique_ptr<Tsk2SkinFileReader> reader;
  if (!LoadReader(file, password, reader)) return 1;
  for (const auto& [name, bitmap] : reader->Bitmaps()) {
    std::printf("%s\tbitmap\t%dx%d %u-bit\n", name.c_str(), bitmap.facts.width,
                bitmap.facts.height < 0 ? -bitmap.facts.height : bitmap.facts.height, bitmap.facts.bits_per_pixel);
  }
  for (const auto& [name, text] : reader->IntegerTexts()) std::printf("%s\tint\t%s\n", name.c_str(), text.c_str());
  for (const auto& [name, text] : reader->BooleanTexts()) std::printf("%s\tbool\t%s\n", name.c_str(), text.c_str());
  for (const auto& [name, text] : reader->StringTexts()) std::printf("%s\tstring\t%s\n", name.c_str(), text.c_str());
  return 0;
}

int ExtractSkinFile(const std::string& file, const std::string& folder, const std::string& password) {
  std::unique_ptr<Tsk2SkinFileReader> reader;
  if (!LoadReader(file, password, reader)) return 1;
  std::error_code error;
  fs::create_directories(folder, error);
  for (const auto& [name, bitmap] : reader->Bitmaps()) {
    // Names come from the file: keep only those that stay a plain file name in the folder.
    if (name.empty() || name.find_first_of("/\\") != std::string::npos || name == "." || name == "..") {
      std::fprintf(stderr, "skintool: skipping bitmap with unusable name \"%s\"\n", name.c_str());
      continue;
    }
    if (!WriteFile(fs::path(folder) / (name + ".bmp"), bitmap.file_bytes.data(), bitmap.file_bytes.size())) {
      std::fprintf(stderr, "skintool: cannot write into %s\n", folder.c_str());
      return 1;
    }
  }
  std::string text;
  for (const auto& [name, value] : reader->IntegerTexts()) text += "int " + name + " " + value + "\n";
  for (const auto& [name, value] : reader->BooleanTexts()) text += "bool " + name + " " + value + "\n";
  for (const auto& [name, value] : reader->StringTexts()) text += "string " + name + " " + value + "\n";
  if (!WriteFile(fs::path(folder) / kEntriesFile, text.data(), text.size())) {
    std::fprintf(stderr, "skintool: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
