#include "toolkit/icon.h"

#include "toolkit/canvas.h"

namespace {
SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {0, 0};
  // GetIconInfo hands us copies of both bitmaps, ours to delete.
  OwnedBitmap colour(info.hbmColor);
  OwnedBitmap mask(info.hbmMask);
  BITMAP bitmap{};
  if (colour && GetObject(colour.Get(), sizeof bitmap, &bitmap)) return {bitmap.bmWidth, bitmap.bmHeight};
  // A monochrome icon keeps its mask and its picture one above the other in the mask.
  if (mask && GetObject(mask.Get(), sizeof bitmap, &bitmap)) return {bitmap.bmWidth, bitmap.bmHeight / 2};
  return {0, 0};
}
}  // namespace

Icon::Icon(const Icon& other) {
  if (!other.Empty()) CopyFrom(other.Handle(), other.width_, other.height_);
}

Icon& Icon::operator=(const Icon& other) {
  if (this != &other) {
    if (other.Empty()) Clear();
    else CopyFrom(other.Handle(), other.width_, other.height_);
  }
  return *this;
}

bool Icon::LoadFromResourceName(HINSTANCE module, const std::string& name, int width, int height) {
  HICON loaded = static_cast<HICON>(LoadImageA(module, name.c_str(), IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
  if (!loaded) return false;
  Attach(loaded);
  return true;
}

bool Icon::CopyFrom(HICON source, int width, int height) {
  if (!source) return false;
  HANDLE copy = CopyImage(source, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE);
  // An icon made at run time has no resource to pick an image from.
  if (!copy) copy = CopyImage(source, IMAGE_ICON, width, height, 0);
  if (!copy) return false;
  Attach(static_cast<HICON>(copy));
  return true;
}

void Icon::Attach(HICON icon) {
  icon_.Reset(icon);
  const SIZE size = icon ? IconSize(icon) : SIZE{0, 0};
  width_ = size.cx;
  height_ = size.cy;
}

void Icon::Clear() { Attach(nullptr); }

void Icon::Draw(Canvas& canvas, int x, int y) const {
  HDC dc = canvas.Handle();
  if (dc && icon_) DrawIconEx(dc, x, y, icon_.Get(), width_, height_, 0, nullptr, DI_NORMAL);
}
