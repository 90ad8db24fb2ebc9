// An owned icon: loaded from the module at a given size or copied from another icon.
//
//   Icon icon;
//   icon.LoadFromResourceName(GetModuleHandle(nullptr), "MAINICON", 16, 16);
//   icon.Draw(canvas, 3, 1);
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/gdi_handles.h"

class Canvas;

class Icon {
 public:
  Icon() = default;
  Icon(const Icon& other);
  Icon& operator=(const Icon& other);
  Icon(Icon&&) noexcept = default;
  Icon& operator=(Icon&&) noexcept = default;

  bool Empty() const { return !icon_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Answers false (the icon unchanged) when the module has no such icon.
  bool LoadFromResourceName(HINSTANCE module, const std::string& name, int width, int height);
  // A copy of another icon at the size (the best image of its resource when it has one).
  // Answers false (the icon unchanged) when the copy fails.
  bool CopyFrom(HICON source, int width, int height);
  // Takes ownership of a handle made elsewhere.
  void Attach(HICON icon);
  void Clear();

  void Draw(Canvas& canvas, int x, int y) const;  // at its own size
  HICON Handle() const { return icon_.Get(); }

 private:
  OwnedIcon icon_;
  int width_ = 0;
  int height_ = 0;
};
