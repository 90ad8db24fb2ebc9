// The file theme's companion: owns the loaded skin file and answers lookups by key
// number, which it turns into the key names that skin files store.
//
//   TsuiFileThemeMgr manager;
//   if (manager.LoadSkinFile("C:\\skins\\blue.skn", "")) colour = manager.GetColor(2);
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "skin/skin_file_reader.h"
#include "toolkit/bitmap.h"
#include "toolkit/color.h"

class TsuiFileThemeMgr {
 public:
  TsuiFileThemeMgr();
  ~TsuiFileThemeMgr();
  TsuiFileThemeMgr(const TsuiFileThemeMgr&) = delete;
  TsuiFileThemeMgr& operator=(const TsuiFileThemeMgr&) = delete;

  // False and nothing changed when the file does not exist. Otherwise the loaded skin
  // is replaced; a file that does not load (damaged, wrong password) leaves none loaded.
  bool LoadSkinFile(const std::string& path, std::string_view password);
  bool Loaded() const { return reader_ != nullptr; }

  // The bitmap kept under the key; null when nothing is loaded, the key is missing, or
  // its picture could not be turned into a bitmap. The manager keeps ownership.
  Bitmap* GetBitmap(int key);
  // -1 when the key is missing from the file; 0 when nothing is loaded.
  TColor GetColor(int key) const;
  std::int32_t GetInteger(int key) const;
  // False when the key is missing or nothing is loaded.
  bool GetBoolean(int key) const;

 private:
  void Unload();

  std::unique_ptr<Tsk2SkinFileReader> reader_;
  std::map<std::string, Bitmap, CaseInsensitiveLess> bitmaps_;
};
