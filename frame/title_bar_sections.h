// The picture sections of a title bar: a left cap, a right cap, a stretched middle and,
// optionally, a section that grows with the caption. Every change of an item repaints
// the title bar that owns the collection.
//
//   TsuiTitleBarSection& left = title_bar->Sections().Add();
//   left.SetPictureFromResource("MACOS_TITLE_LEFT");
//   left.SetAutoSize(true);                        // Width follows the picture
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "toolkit/persistent.h"
#include "toolkit/picture.h"
#include "toolkit/published_properties.h"

class TComponent;
class TsuiTitleBarSections;

enum class TsuiTitleBarAlign : std::uint8_t { suiLeft = 0, suiRight = 1, suiClient = 2 };

inline constexpr EnumName<TsuiTitleBarAlign> kTitleBarAlignNames[] = {
    {"suiLeft", TsuiTitleBarAlign::suiLeft},
    {"suiRight", TsuiTitleBarAlign::suiRight},
    {"suiClient", TsuiTitleBarAlign::suiClient},
};

class TsuiTitleBarSection : public TPersistent {
 public:
  explicit TsuiTitleBarSection(TsuiTitleBarSections& collection);

  std::string_view ClassName() const override { return "TsuiTitleBarSection"; }
  const ::ClassInfo& ClassInfo() const override;

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  // Only a caption section in front of this one reads it.
  int Width() const { return width_; }
  void SetWidth(int width);
  TsuiTitleBarAlign Align() const { return align_; }
  // A second client section is refused with an error box; the value stays.
  void SetAlign(TsuiTitleBarAlign align);
  const ::Picture& Picture() const { return picture_; }
  // The held image, for the frame painter; null when the holder is empty.
  Bitmap* PictureBitmap() { return picture_.HasImage() ? &picture_.Bitmap() : nullptr; }
  void SetPicture(const ::Picture& picture);
  void SetPictureFromBmpBytes(std::span<const std::uint8_t> file);
  void SetPictureFromResource(const std::string& resource_name);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool CapSec() const { return cap_sec_; }
  void SetCapSec(bool cap_sec);

  // Everything but CapSec, each through its own setter.
  void Assign(const TsuiTitleBarSection& other);

 private:
  void PictureChanged();
  void Changed();

  TsuiTitleBarSections& collection_;
  bool auto_size_ = false;
  int width_ = 10;
  TsuiTitleBarAlign align_ = TsuiTitleBarAlign::suiLeft;
  ::Picture picture_;
  bool stretch_ = false;
  bool cap_sec_ = false;
};

class TsuiTitleBarSections {
 public:
  // `owner` is the title bar; `changed` repaints it.
  TsuiTitleBarSections(TComponent* owner, std::function<void()> changed);
  TsuiTitleBarSections(const TsuiTitleBarSections&) = delete;
  TsuiTitleBarSections& operator=(const TsuiTitleBarSections&) = delete;

  TComponent* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TsuiTitleBarSection& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  TsuiTitleBarSection& Add();
  void Clear();
  // Clears, then adds a copy of every item of the other collection.
  void Assign(const TsuiTitleBarSections& other);

  // Told of every change of an item.
  void Changed();

 private:
  TComponent* owner_;
  std::function<void()> changed_;
  std::vector<std::unique_ptr<TsuiTitleBarSection>> items_;
};
