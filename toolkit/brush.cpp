#include "toolkit/brush.h"

#include <stdexcept>

#include "toolkit/bitmap.h"

Brush::Brush() = default;
Brush::~Brush() = default;

void Brush::Assign(const Brush& other) {
  if (this == &other) return;
  color_ = other.color_;
  style_ = other.style_;
  pattern_ = other.pattern_ ? std::make_unique<Bitmap>(*other.pattern_) : nullptr;
  Changed();
}

void Brush::SetColor(TColor color) {
  if (color == color_ && style_ == BrushStyle::bsSolid) return;
  color_ = color;
  style_ = BrushStyle::bsSolid;
  Changed();
}

void Brush::SetStyle(BrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void Brush::SetBitmap(const Bitmap* pattern) {
  if (!pattern && !pattern_) return;
  pattern_ = pattern && !pattern->Empty() ? std::make_unique<Bitmap>(*pattern) : nullptr;
  Changed();
}

HBRUSH Brush::Handle() const {
  if (!handle_) {
    if (pattern_) {
      handle_.Reset(CreatePatternBrush(pattern_->Handle()));
    } else if (style_ == BrushStyle::bsClear) {
      LOGBRUSH hollow{BS_HOLLOW, 0, 0};
      handle_.Reset(CreateBrushIndirect(&hollow));
    } else {
      handle_.Reset(CreateSolidBrush(ColorToRGB(color_)));
    }
    if (!handle_) throw std::runtime_error("creating a brush failed");
  }
  return handle_.Get();
}

void Brush::Changed() {
  if (handle_) {
    if (before_handle_release_) before_handle_release_();
    handle_.Reset();
  }
  if (OnChange) OnChange();
}
