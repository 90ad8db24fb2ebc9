// Opens a skin file, extracts its member "SKINDATA.SK2" into a temporary file, reads every
// entry into four stores keyed by name (letter case ignored, first entry wins) and deletes
// the temporary file again. The reader owns the bitmaps; callers copy from them.
//
//   Tsk2SkinFileReader reader(path, password);  // throws SkinFileError on a damaged archive
//   if (reader.IsLoaded()) colour = reader.GetInteger("FormBorderColor");
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "skin/skin_data_file.h"

class SkinFileError : public std::runtime_error {
 public:
  SkinFileError() : std::runtime_error("Failed to read skin file!") {}
};

struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

class Tsk2SkinFileReader {
 public:
  template <typename T>
  using Store = std::map<std::string, T, CaseInsensitiveLess>;

  // Temporary file in the system temporary directory under a new GUID name.
  Tsk2SkinFileReader(const std::string& file_name, std::string_view password);
  // The same with the temporary file's path chosen by the caller.
  Tsk2SkinFileReader(const std::string& file_name, std::string_view password, const std::string& temporary_path);
  Tsk2SkinFileReader(const Tsk2SkinFileReader&) = delete;
  Tsk2SkinFileReader& operator=(const Tsk2SkinFileReader&) = delete;

  bool IsLoaded() const { return loaded_; }

  const SkinBitmap* GetBitmap(std::string_view name) const;
  // -1 when the name is missing or its text is not a decimal integer.
  std::int32_t GetInteger(std::string_view name) const;
  // False when the name is missing or its text is not a decimal integer.
  bool GetBoolean(std::string_view name) const;

  // The stores as read, for listing. Integer and boolean values are kept as decimal text.
  const Store<SkinBitmap>& Bitmaps() const { return bitmaps_; }
  const Store<std::string>& IntegerTexts() const { return integers_; }
  const Store<std::string>& BooleanTexts() const { return booleans_; }
  const Store<std::string>& StringTexts() const { return strings_; }

 private:
  void Load(const std::string& file_name, std::string_view password, const std::string& temporary_path);
  void AddEntry(SkinDataEntry&& entry);

  Store<SkinBitmap> bitmaps_;
  Store<std::string> integers_;
  Store<std::string> booleans_;
  Store<std::string> strings_;
  bool loaded_ = false;
};
