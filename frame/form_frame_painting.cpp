#include <algorithm>

#include "frame/form.h"
#include "frame/form_theme_keys.h"
#include "frame/menu_bar.h"
#include "skin/file_theme.h"
#include "skin/fill_drawing.h"
#include "skin/strip_drawing.h"

namespace keys = form_keys;

namespace {

int AtLeastFour(int value) { return std::max(value, 4); }

// A part of the source picture copied one to one to the same size elsewhere.
void CopyPart(Canvas& target, const RECT& to, const Bitmap& source, const RECT& from) {
  if (to.right <= to.left || to.bottom <= to.top) return;
  BitBlt(target.Handle(), to.left, to.top, to.right - to.left, to.bottom - to.top, source.SourceDC(), from.left,
         from.top, SRCCOPY);
}

}  // namespace

void TsuiForm::PaintFrame() {
  if (closing_ || !host_ || !host_->HandleAllocated() || IsIconic(host_->Handle())) return;
  const WindowDC dc(host_->Handle());
  PaintFrameTo(dc.Get());
}

void TsuiForm::PaintFrameTo(HDC dc) {
  if (closing_ || !host_ || !host_->HandleAllocated()) return;
  RECT bounds;
  GetWindowRect(host_->Handle(), &bounds);
  ::Canvas canvas(dc);
  if (uses_file_theme_) {
    PaintFileThemeFrame(canvas, bounds.right - bounds.left, bounds.bottom - bounds.top);
  } else {
    PaintBuiltInFrame(canvas, bounds.right - bounds.left, bounds.bottom - bounds.top);
  }
}

void TsuiForm::FillMenuBarBand(::Canvas& canvas, const RECT& band) {
  if (menu_bar_color_ == menu_bar_to_color_) {
    FillRectColor(canvas, band, menu_bar_color_);
  } else {
    FillGradientVertical(canvas, band, menu_bar_color_, menu_bar_to_color_);
  }
}

void TsuiForm::PaintBuiltInFrame(::Canvas& canvas, int w, int h) {
  const int bw = border_width_;
  const int t = TitleBarTotalHeight();
  const int mb = menu_bar_ && menu_bar_->Visible() ? menu_bar_->Height() : 0;
  if (TitleBarVisible() && title_bar_->HasStandardSections()) {
    const Bitmap* left = title_bar_->GetFrameImage(0);
    const Bitmap* right = title_bar_->GetFrameImage(1);
    const Bitmap* client = title_bar_->GetFrameImage(2);
    if (left && right && client && bw < 3) {
      // The two columns between the border and the title bar continue the title pictures.
      Bitmap strip;
      strip.SetSize(3 - bw, left->Height());
      strip.Canvas().Draw(0, 0, *left);
      canvas.Draw(bw, 0, strip);
      if (right->Width() >= 3) {
        strip.Canvas().Draw(2 - right->Width(), 0, *right);
      } else {
        strip.Canvas().StretchDraw({0, 0, strip.Width(), strip.Height()}, *right);
      }
      canvas.Draw(w - 3, 0, strip);
      // So do the three rows above it.
      strip.SetSize(w - 5, 3);
      const int right_at = w - 5 - right->Width() + 3;
      strip.Canvas().Draw(-2, 0, *left);
      strip.Canvas().Draw(right_at, 0, *right);
      strip.Canvas().StretchDraw({left->Width() - 2, 0, right_at, client->Height()}, *client);
      canvas.Draw(2, 0, strip);
    }
    const int r = RoundCorner();
    if (bw == 1 && r == 11) {
      canvas.Pen().SetColor(border_color_);
      canvas.Arc(w - 2 * r + 1, -1, w + 1, 2 * r - 1, w + 1, r - 1, w - r + 1, -1);
      canvas.Arc(-1, -1, 2 * r - 1, 2 * r - 1, r - 1, -1, -1, r - 1);
    }
  }
  if (!TitleBarVisible()) {
    FillRectColor(canvas, {0, 0, w, 1}, border_color_);
    FillRectColor(canvas, {bw, 1, w - bw, 3}, Color());
  }
  FillRectColor(canvas, {0, 0, bw, h}, border_color_);
  FillRectColor(canvas, {0, h - bw, w, h}, border_color_);
  FillRectColor(canvas, {w - bw, 0, w, h}, border_color_);
  if (bw >= 4) return;
  FillRectColor(canvas, {bw, h - 2, w - bw, h - bw}, Color());
  FillRectColor(canvas, {bw, t + mb, 3, h - bw}, Color());
  FillRectColor(canvas, {w - 3, t + mb, w - bw, h - bw}, Color());
  if (mb > 0) {
    FillMenuBarBand(canvas, {bw, t, 3, t + mb});
    FillMenuBarBand(canvas, {w - 3, t, w - bw, t + mb});
  }
}

void TsuiForm::PaintFileThemeFrame(::Canvas& canvas, int w, int h) {
  TsuiFileTheme& theme = *file_theme_;
  const int t = TitleBarTotalHeight();
  const int mb = menu_bar_ && menu_bar_->Visible() ? menu_bar_->Height() : 0;
  const TColor form_color = theme.GetColor(keys::kFormColor);
  if (TitleBarVisible() && title_bar_->HasStandardSections()) {
    const Bitmap& image = *title_bar_->GetFrameImage(-2);
    const int left = AtLeastFour(left_border_width_);
    const int right = AtLeastFour(right_border_width_);
    CopyPart(canvas, {0, 0, left, image.Height()}, image, {0, 0, left, image.Height()});
    CopyPart(canvas, {0, 0, image.Width(), 3}, image, {0, 0, image.Width(), 3});
    CopyPart(canvas, {w - right, 0, w, image.Height()}, image,
             {image.Width() - right, 0, image.Width(), image.Height()});
  }
  const int side_bottom = h - bottom_border_height_;
  const auto side = [&](int key, bool at_left) {
    const Bitmap* picture = theme.GetBitmap(key);
    const int width = picture ? picture->Width() : 0;
    if (picture) {
      canvas.StretchDraw(at_left ? RECT{0, t, width, side_bottom} : RECT{w - width, t, w, side_bottom}, *picture);
    }
    if (width >= 4) return;
    // A narrow side picture leaves a band up to the client area.
    const RECT band = at_left ? RECT{width, t, 4, side_bottom} : RECT{w - 4, t, w - width, side_bottom};
    FillRectColor(canvas, band, form_color);
    if (mb > 0) FillMenuBarBand(canvas, {band.left, t, band.right, t + mb});
  };
  side(keys::kLeftBorder, true);
  side(keys::kRightBorder, false);

  ComposeBottomImage(w);
  if (bottom_needs_region_) {
    FillRectColor(canvas, {0, side_bottom, w, h}, form_color);
    canvas.Draw(0, side_bottom, bottom_image_);
  } else {
    CopyPart(canvas, {0, side_bottom, w, side_bottom + bottom_image_.Height()}, bottom_image_,
             {0, 0, w, bottom_image_.Height()});
  }
  if (bottom_border_height_ < 4) {
    FillRectColor(canvas, {left_border_width_, h - 4, w - right_border_width_, side_bottom}, form_color);
  }
}

void TsuiForm::ComposeBottomImage(int width) {
  TsuiFileTheme& theme = *file_theme_;
  const Bitmap* first = theme.GetBitmap(keys::kBottomBorder1);
  if (!first) {
    bottom_image_.SetSize(0, 0);
    return;
  }
  bottom_image_.SetSize(width, first->Height());
  ::Canvas& target = bottom_image_.Canvas();
  const Bitmap* middle = theme.GetBitmap(keys::kBottomBorder1 + 1);
  const Bitmap* last = theme.GetBitmap(keys::kBottomBorder1 + 2);
  if (theme.GetBoolean(keys::kBottomThreeSections) && middle && last) {
    target.Draw(0, 0, *first);
    target.Draw(width - last->Width(), 0, *last);
    target.StretchDraw({first->Width(), 0, width - last->Width(), first->Height()}, *middle);
  } else {
    DrawThreePartBitmap(*first, target, {0, 0, width, first->Height()}, region_trans_color_, false);
  }
}
