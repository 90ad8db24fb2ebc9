#include "skin/skin_file_reader.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

#include "skin/file_handle.h"
#include "skin/skin_archive.h"
#include "skin/temp_file_name.h"

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Removes the extracted member however the load ends.
class TemporaryFileRemover {
 public:
  explicit TemporaryFileRemover(std::string path) : path_(std::move(path)) {}
  ~TemporaryFileRemover() { std::remove(path_.c_str()); }
  TemporaryFileRemover(const TemporaryFileRemover&) = delete;
  TemporaryFileRemover& operator=(const TemporaryFileRemover&) = delete;

 private:
  std::string path_;
};

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  FileHandle file = FileHandle::Open(path, "rb");
  if (!file) return std::nullopt;
  const std::optional<std::uint64_t> size = file.Size();
  if (!size || *size > SIZE_MAX) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*size));
  if (!file.ReadExactly(bytes)) return std::nullopt;
  return bytes;
}

std::optional<std::int32_t> ParseDecimal(const std::string& text) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

template <typename Map>
const typename Map::mapped_type* Find(const Map& store, std::string_view name) {
  const auto found = store.find(name);
  return found == store.end() ? nullptr : &found->second;
}

}  // namespace

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(UpperAscii(a[i]));
    const auto y = static_cast<unsigned char>(UpperAscii(b[i]));
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& file_name, std::string_view password)
    : Tsk2SkinFileReader(file_name, password, NewTemporaryFilePath()) {}

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& file_name, std::string_view password,
                                       const std::string& temporary_path) {
  Load(file_name, password, temporary_path);
}

void Tsk2SkinFileReader::Load(const std::string& file_name, std::string_view password,
                              const std::string& temporary_path) {
  const ExtractResult result = ExtractSkinMember(file_name, kSkinMemberName, temporary_path, password);
  if (result == ExtractResult::kRejected) return;
  if (result == ExtractResult::kFailure) throw SkinFileError();

  TemporaryFileRemover remover(temporary_path);
  const std::optional<std::vector<std::uint8_t>> member = ReadWholeFile(temporary_path);
  if (!member) return;
  std::optional<std::vector<SkinDataEntry>> entries = ParseSkinDataFile(*member);
  // A damaged inner layer leaves the reader empty and not loaded, as a damaged skin.
  if (!entries) return;
  for (SkinDataEntry& entry : *entries) AddEntry(std::move(entry));
  loaded_ = true;
}

void Tsk2SkinFileReader::AddEntry(SkinDataEntry&& entry) {
  // emplace keeps what is there, so the first entry of a name wins.
  switch (entry.value.index()) {
    case 0:
      bitmaps_.emplace(std::move(entry.name), std::get<SkinBitmap>(std::move(entry.value)));
      break;
    case 1:
      integers_.emplace(std::move(entry.name), std::to_string(std::get<std::int32_t>(entry.value)));
      break;
    case 2:
      booleans_.emplace(std::move(entry.name), std::to_string(std::get<std::uint8_t>(entry.value)));
      break;
    default:
      strings_.emplace(std::move(entry.name), std::get<std::string>(std::move(entry.value)));
      break;
  }
}

const SkinBitmap* Tsk2SkinFileReader::GetBitmap(std::string_view name) const { return Find(bitmaps_, name); }

std::int32_t Tsk2SkinFileReader::GetInteger(std::string_view name) const {
  const std::string* text = Find(integers_, name);
  const std::optional<std::int32_t> value = text ? ParseDecimal(*text) : std::nullopt;
  return value.value_or(-1);
}

bool Tsk2SkinFileReader::GetBoolean(std::string_view name) const {
  const std::string* text = Find(booleans_, name);
  const std::optional<std::int32_t> value = text ? ParseDecimal(*text) : std::nullopt;
  return value.value_or(0) != 0;
}
