#include "frame/title_bar_sections.h"

#include <windows.h>

#include "toolkit/application.h"
#include "toolkit/bitmap.h"

namespace {

constexpr char kSecondClientSection[] = "Sorry, only one section's Align property can be \"suiClient\"";

}  // namespace

TsuiTitleBarSection::TsuiTitleBarSection(TsuiTitleBarSections& collection) : collection_(collection) {}

const ClassInfo& TsuiTitleBarSection::ClassInfo() const {
  static const ::ClassInfo info(
      "TsuiTitleBarSection", nullptr,
      {BooleanProperty<TsuiTitleBarSection>("AutoSize", &TsuiTitleBarSection::AutoSize,
                                            &TsuiTitleBarSection::SetAutoSize),
       IntegerProperty<TsuiTitleBarSection>("Width", &TsuiTitleBarSection::Width, &TsuiTitleBarSection::SetWidth),
       EnumProperty<TsuiTitleBarSection>("Align", kTitleBarAlignNames, &TsuiTitleBarSection::Align,
                                         &TsuiTitleBarSection::SetAlign),
       PictureProperty<TsuiTitleBarSection>("Picture", &TsuiTitleBarSection::SetPictureFromBmpBytes,
                                            &TsuiTitleBarSection::SetPictureFromResource),
       BooleanProperty<TsuiTitleBarSection>("Stretch", &TsuiTitleBarSection::Stretch,
                                            &TsuiTitleBarSection::SetStretch),
       BooleanProperty<TsuiTitleBarSection>("CapSec", &TsuiTitleBarSection::CapSec,
                                            &TsuiTitleBarSection::SetCapSec)});
  return info;
}

void TsuiTitleBarSection::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (picture_.HasImage()) width_ = picture_.Width();
  Changed();
}

void TsuiTitleBarSection::SetWidth(int width) {
  width_ = width;
  Changed();
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align) {
  if (align == TsuiTitleBarAlign::suiClient) {
    for (int i = 0; i < collection_.Count(); ++i) {
      if (collection_.Item(i).Align() == TsuiTitleBarAlign::suiClient) {
        Application().MessageBox(kSecondClientSection);
        return;
      }
    }
    stretch_ = true;
  }
  align_ = align;
  Changed();
}

void TsuiTitleBarSection::SetPicture(const ::Picture& picture) {
  picture_.Assign(picture);
  PictureChanged();
}

void TsuiTitleBarSection::SetPictureFromBmpBytes(std::span<const std::uint8_t> file) {
  picture_.LoadFromBmpBytes(file);
  PictureChanged();
}

void TsuiTitleBarSection::SetPictureFromResource(const std::string& resource_name) {
  Bitmap loaded;
  loaded.LoadFromResourceName(GetModuleHandleA(nullptr), resource_name);
  picture_.SetBitmap(&loaded);
  PictureChanged();
}

void TsuiTitleBarSection::PictureChanged() {
  if (auto_size_ && picture_.HasImage()) width_ = picture_.Width();
  Changed();
}

void TsuiTitleBarSection::SetStretch(bool stretch) {
  stretch_ = stretch || align_ == TsuiTitleBarAlign::suiClient;
  Changed();
}

void TsuiTitleBarSection::SetCapSec(bool cap_sec) {
  cap_sec_ = cap_sec;
  Changed();
}

void TsuiTitleBarSection::Assign(const TsuiTitleBarSection& other) {
  if (&other == this) return;
  SetWidth(other.Width());
  // Copying a client section onto itself is no second client section.
  if (other.Align() != align_) SetAlign(other.Align());
  SetPicture(other.Picture());
  SetStretch(other.Stretch());
  SetAutoSize(other.AutoSize());
}

void TsuiTitleBarSection::Changed() { collection_.Changed(); }

TsuiTitleBarSections::TsuiTitleBarSections(TComponent* owner, std::function<void()> changed)
    : owner_(owner), changed_(std::move(changed)) {}

TsuiTitleBarSection& TsuiTitleBarSections::Add() {
  items_.push_back(std::make_unique<TsuiTitleBarSection>(*this));
  Changed();
  return *items_.back();
}

void TsuiTitleBarSections::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TsuiTitleBarSections::Assign(const TsuiTitleBarSections& other) {
  if (&other == this) return;
  Clear();
  for (const auto& item : other.items_) Add().Assign(*item);
}

void TsuiTitleBarSections::Changed() {
  if (changed_) changed_();
}
