// The check box's face: built off-screen in one bitmap, then copied to the window at once.
#include <algorithm>

#include "controls/check_box.h"
#include "skin/builtin_bitmaps.h"
#include "skin/style_resolution.h"
#include "skin/window_drawing.h"
#include "toolkit/bitmap.h"
#include "toolkit/system_locale.h"

namespace {

constexpr int kBuiltInFrames = 4;
constexpr int kFileThemeFrames = 6;

// Frames of the strips: built in, checked / unchecked / checked and disabled / unchecked
// and disabled; a file theme's six leave frames 2 and 5 unused.
int ChosenFrame(bool six_frames, bool checked, bool enabled) {
  if (six_frames) return checked ? (enabled ? 1 : 4) : (enabled ? 3 : 6);
  return checked ? (enabled ? 1 : 3) : (enabled ? 2 : 4);
}

}  // namespace

void TsuiCheckBox::LoadFace(Bitmap& image) {
  TsuiUIStyle effective = TsuiUIStyle::DeepBlue;
  const bool from_theme = ResolveUIStyle(file_theme_, ui_style_, effective);
  const bool six_frames = from_theme && BuiltInElement() == kCheckBoxImage;
  const int frame = ChosenFrame(six_frames, checked_, Enabled());
  if (from_theme) {
    file_theme_->CopyThemeBitmap(FileThemeElement(), image, frame, kFileThemeFrames);
  } else {
    GetBuiltInBitmap(effective, BuiltInElement(), &image, frame, kBuiltInFrames);
  }
  // After the copy, which brings the source's own transparency along.
  image.SetTransparent(ImageTransparent());
}

void TsuiCheckBox::FitToFace(const Bitmap& image, ::Canvas& canvas) {
  if (!auto_size_) return;
  SetBounds(Left(), Top(), image.Width() + canvas.TextWidth(Caption()) + 8,
            std::max(canvas.TextHeight("W") + 2, image.Height()) + 4);
}

void TsuiCheckBox::CreateWnd() {
  // Fitted before its window is made, so that the window is made at its size and neither
  // its making nor its first paint has to resize it.
  if (auto_size_) {
    Bitmap image;
    LoadFace(image);
    Bitmap surface;
    ::Canvas& measure = surface.Canvas();
    measure.Font().Assign(Font());
    FitToFace(image, measure);
  }
  TCustomControl::CreateWnd();
}

void TsuiCheckBox::Paint() {
  Bitmap buffer;
  Bitmap image;
  ::Canvas& canvas = buffer.Canvas();
  canvas.Font().Assign(Font());
  LoadFace(image);
  const int text_height = canvas.TextHeight("W");
  FitToFace(image, canvas);
  buffer.SetSize(Width(), Height());

  if (transparent_) {
    DrawParentBackground(canvas, *this);
  } else {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
  }

  canvas.Brush().SetStyle(BrushStyle::bsClear);
  const int text_top = (ClientHeight() - text_height) / 2;
  const int image_top = (ClientHeight() - image.Height()) / 2;
  const bool mirrored = BiDiMode() == TBiDiMode::bdRightToLeft && SystemLocaleReadsRightToLeft();
  if (mirrored) {
    canvas.Draw(Width() - image.Width() - 1, image_top, image);
    RECT caption{0, text_top, Width() - image.Width() - 4, Height()};
    canvas.DrawText(Caption(), caption, DT_SINGLELINE | DT_RIGHT);
  } else {
    canvas.Draw(1, image_top, image);
    RECT caption{image.Width() + 4, text_top, Width(), Height()};
    canvas.DrawText(Caption(), caption, DT_SINGLELINE);
  }

  if (ShowFocusMark()) {
    canvas.Brush().SetStyle(BrushStyle::bsSolid);
    const int focus_bottom = text_top + text_height + 2;
    canvas.DrawFocusRect(mirrored ? RECT{0, text_top, Width() - image.Width() - 2, focus_bottom}
                                  : RECT{image.Width() + 3, text_top, Width(), focus_bottom});
  }

  Canvas().Draw(0, 0, buffer);
}
