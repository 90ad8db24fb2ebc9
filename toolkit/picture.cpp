#include "toolkit/picture.h"

Picture::Picture(const Picture& other) { Assign(other); }

Picture& Picture::operator=(const Picture& other) {
  Assign(other);
  return *this;
}

Picture::~Picture() = default;

void Picture::Assign(const Picture& other) {
  if (this == &other) return;
  SetBitmap(other.Graphic());
}

::Bitmap& Picture::Bitmap() {
  if (!bitmap_) bitmap_ = std::make_unique<::Bitmap>();
  return *bitmap_;
}

void Picture::SetBitmap(const ::Bitmap* bitmap) {
  if (!bitmap && !bitmap_) return;
  bitmap_ = bitmap ? std::make_unique<::Bitmap>(*bitmap) : nullptr;
  Changed();
}

void Picture::LoadFromBmpBytes(std::span<const std::uint8_t> file) {
  ::Bitmap loaded;
  loaded.LoadFromBmpBytes(file);  // throws before the holder changes
  bitmap_ = std::make_unique<::Bitmap>(std::move(loaded));
  Changed();
}

void Picture::Clear() { SetBitmap(nullptr); }

void Picture::Changed() {
  if (OnChange) OnChange();
}
