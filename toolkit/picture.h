// A holder that may carry a picture (a bitmap) or be empty, as title-bar sections and
// stored descriptions use it.
//
//   section.Picture().LoadFromBmpBytes(bytes);
//   if (section.Picture().HasImage()) canvas.Draw(x, y, *section.Picture().Graphic());
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "toolkit/bitmap.h"

class Picture {
 public:
  Picture() = default;
  Picture(const Picture& other);
  Picture& operator=(const Picture& other);  // same as Assign
  ~Picture();

  void Assign(const Picture& other);
  bool HasImage() const { return bitmap_ && !bitmap_->Empty(); }
  int Width() const { return HasImage() ? bitmap_->Width() : 0; }
  int Height() const { return HasImage() ? bitmap_->Height() : 0; }

  // The held bitmap, or null when the holder is empty.
  const ::Bitmap* Graphic() const { return bitmap_.get(); }
  // The held bitmap, made empty when there was none.
  ::Bitmap& Bitmap();
  void SetBitmap(const ::Bitmap* bitmap);  // a copy; null empties the holder
  void LoadFromBmpBytes(std::span<const std::uint8_t> file);  // throws BmpFormatError
  void Clear();

  std::function<void()> OnChange;

 private:
  void Changed();
  std::unique_ptr<::Bitmap> bitmap_;
};
