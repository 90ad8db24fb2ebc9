// The pen of a canvas: colour, width and style, with a lazily made HPEN.
//
//   canvas.Pen().SetColor(clRed);
//   canvas.MoveTo(0, 2);
//   canvas.LineTo(10, 2);
#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/color.h"
#include "toolkit/gdi_handles.h"

enum class PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

class Pen {
 public:
  Pen() = default;
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;

  void Assign(const Pen& other);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);  // below 1 counts as 1
  PenStyle Style() const { return style_; }
  void SetStyle(PenStyle style);

  HPEN Handle() const;  // owned by this object; throws std::runtime_error on failure

  std::function<void()> OnChange;

 private:
  friend class Canvas;
  void Changed();

  TColor color_ = clBlack;
  int width_ = 1;
  PenStyle style_ = PenStyle::psSolid;
  mutable OwnedPen handle_;
  std::function<void()> before_handle_release_;
};
