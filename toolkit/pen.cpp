#include "toolkit/pen.h"

#include <stdexcept>

void Pen::Assign(const Pen& other) {
  if (this == &other) return;
  if (color_ == other.color_ && width_ == other.width_ && style_ == other.style_) return;
  color_ = other.color_;
  width_ = other.width_;
  style_ = other.style_;
  Changed();
}

void Pen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void Pen::SetWidth(int width) {
  if (width < 1) width = 1;
  if (width == width_) return;
  width_ = width;
  Changed();
}

void Pen::SetStyle(PenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

HPEN Pen::Handle() const {
  if (!handle_) {
    int win_style = PS_SOLID;
    switch (style_) {
      case PenStyle::psSolid: win_style = PS_SOLID; break;
      case PenStyle::psDash: win_style = PS_DASH; break;
      case PenStyle::psDot: win_style = PS_DOT; break;
      case PenStyle::psDashDot: win_style = PS_DASHDOT; break;
      case PenStyle::psDashDotDot: win_style = PS_DASHDOTDOT; break;
      case PenStyle::psClear: win_style = PS_NULL; break;
    }
    handle_.Reset(CreatePen(win_style, width_, ColorToRGB(color_)));
    if (!handle_) throw std::runtime_error("CreatePen failed");
  }
  return handle_.Get();
}

void Pen::Changed() {
  if (handle_) {
    if (before_handle_release_) before_handle_release_();
    handle_.Reset();
  }
  if (OnChange) OnChange();
}
