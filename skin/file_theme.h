// A non-visual component that loads a skin file and answers the skinned components'
// lookups by key number; they read it while their `UIStyle` is FromThemeFile.
//
//   auto* theme = new TsuiFileTheme(form);
//   theme->SetThemeFile("blue.skn");        // as given, else beside the program, ...
//   if (theme->Ready()) colour = theme->GetColor(2);   // "SKIN2_FORMCOLOR"
//   RegisterFileThemeClass();               // descriptions may then create it
#pragma once

#include <cstdint>
#include <string>

#include "skin/file_theme_manager.h"
#include "toolkit/bitmap.h"
#include "toolkit/color.h"
#include "toolkit/component.h"

class TsuiFileTheme : public TComponent {
 public:
  explicit TsuiFileTheme(TComponent* owner);
  ~TsuiFileTheme() override;

  std::string_view ClassName() const override { return "TsuiFileTheme"; }
  const ::ClassInfo& ClassInfo() const override;

  // The full path of the loaded skin file. A name found nowhere changes nothing (so an
  // empty name never unloads); a found file is loaded with the current password, and
  // on success the owner form's skinned components that use this theme re-read it.
  const std::string& ThemeFile() const { return theme_file_; }
  void SetThemeFile(const std::string& name);
  // A non-empty password reloads the current file with it; an empty one is only stored.
  const std::string& Password() const { return password_; }
  void SetPassword(const std::string& password);
  bool Ready() const { return ready_; }
  // Stored with the form like the other properties, but only a load decides it.
  void SetReady(bool) {}

  // The theme keeps the bitmap; callers read it, copy it or adjust it in place.
  Bitmap* GetBitmap(int key) { return manager_.GetBitmap(key); }
  // A frame of the strip when both numbers are non-zero, else the whole picture (an
  // absent one empties the destination).
  void CopyThemeBitmap(int key, Bitmap& destination, int frame_index, int frame_count);
  TColor GetColor(int key) const { return manager_.GetColor(key); }
  std::int32_t GetInteger(int key) const { return manager_.GetInteger(key); }
  bool GetBoolean(int key) const { return manager_.GetBoolean(key); }

 private:
  void ReassignUsers(bool was_empty);

  TsuiFileThemeMgr manager_;
  std::string theme_file_;
  std::string password_;
  bool ready_ = false;
};

// Makes "TsuiFileTheme" known to the description reader.
void RegisterFileThemeClass();
