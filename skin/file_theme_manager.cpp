#include "skin/file_theme_manager.h"

#include <exception>
#include <span>

#include "skin/file_theme_keys.h"
#include "skin/theme_file_search.h"

TsuiFileThemeMgr::TsuiFileThemeMgr() = default;
TsuiFileThemeMgr::~TsuiFileThemeMgr() = default;

void TsuiFileThemeMgr::Unload() {
  bitmaps_.clear();
  reader_.reset();
}

bool TsuiFileThemeMgr::LoadSkinFile(const std::string& path, std::string_view password) {
  if (!ThemeFileExists(path)) return false;
  Unload();
  try {
    auto reader = std::make_unique<Tsk2SkinFileReader>(path, password);
    if (!reader->IsLoaded()) return false;
    // The pictures become bitmaps once, here, so that every lookup hands out the same
    // object and a caller's in-place change (a pixel format) stays with the theme.
    for (const auto& [name, picture] : reader->Bitmaps()) {
      Bitmap bitmap;
      try {
        bitmap.LoadFromBmpBytes(std::span<const std::uint8_t>(picture.file_bytes));
      } catch (const std::exception&) {
        continue;  // a picture the bitmap layer refuses is simply missing
      }
      bitmaps_.emplace(name, std::move(bitmap));
    }
    reader_ = std::move(reader);
    return true;
  } catch (const std::exception&) {
    // Skin files fail silently: the theme is then not ready and components fall back.
    Unload();
    return false;
  }
}

Bitmap* TsuiFileThemeMgr::GetBitmap(int key) {
  if (!reader_) return nullptr;
  const auto found = bitmaps_.find(ThemeBitmapKey(key));
  return found == bitmaps_.end() ? nullptr : &found->second;
}

TColor TsuiFileThemeMgr::GetColor(int key) const {
  return reader_ ? static_cast<TColor>(reader_->GetInteger(ThemeColorKey(key))) : 0;
}

std::int32_t TsuiFileThemeMgr::GetInteger(int key) const {
  return reader_ ? reader_->GetInteger(ThemeIntegerKey(key)) : 0;
}

bool TsuiFileThemeMgr::GetBoolean(int key) const { return reader_ && reader_->GetBoolean(ThemeBooleanKey(key)); }
