#include "skin/fill_drawing.h"

#include "toolkit/bitmap.h"

namespace {

struct Rgb {
  int red, green, blue;
};

Rgb Split(TColor color) {
  const COLORREF rgb = ColorToRGB(color);
  return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

// c1 + truncate((c2 - c1) / span * step), in floating point, truncated toward zero.
TColor Blend(const Rgb& from, const Rgb& to, int span, int step) {
  const auto channel = [&](int a, int b) {
    return static_cast<std::uint8_t>(a + static_cast<int>(static_cast<double>(b - a) / span * step));
  };
  return RGBColor(channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue));
}

void Line(Canvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
  canvas.Pen().SetColor(color);
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

void StretchMenuPicture(Canvas& canvas, const RECT& rect, const char* resource, int rows) {
  Bitmap picture;
  picture.LoadFromResourceName(GetModuleHandleA(nullptr), resource);
  Bitmap cut;
  cut.SetSize(picture.Width(), rows);
  BitBlt(cut.Canvas().Handle(), 0, 0, picture.Width(), rows, picture.SourceDC(), 0, 0, SRCCOPY);
  canvas.StretchDraw(rect, cut);
}

}  // namespace

void FillGradientVertical(Canvas& canvas, const RECT& rect, TColor top, TColor bottom) {
  const int span = rect.bottom - rect.top;
  if (span == 0) return;
  const Rgb from = Split(top), to = Split(bottom);
  Line(canvas, ColorToRGB(top), rect.left, rect.top, rect.right, rect.top);
  for (int y = rect.top + 1; y <= rect.bottom - 2; ++y)
    Line(canvas, Blend(from, to, span, y - rect.top - 1), rect.left, y, rect.right, y);
  Line(canvas, ColorToRGB(bottom), rect.left, rect.bottom - 1, rect.right, rect.bottom - 1);
}

void FillGradientHorizontal(Canvas& canvas, const RECT& rect, TColor left, TColor right) {
  const int span = rect.right - rect.left;
  if (span == 0) return;
  const Rgb from = Split(left), to = Split(right);
  Line(canvas, ColorToRGB(left), rect.left, rect.top, rect.left, rect.bottom);
  for (int x = rect.left + 1; x <= rect.right - 2; ++x)
    Line(canvas, Blend(from, to, span, x - rect.left), x, rect.top, x, rect.bottom);
  Line(canvas, ColorToRGB(right), rect.right - 1, rect.top, rect.right - 1, rect.bottom);
}

void FrameRectColor(Canvas& canvas, const RECT& rect, TColor color) {
  canvas.Brush().SetColor(color);
  canvas.FrameRect(rect);
}

void FillRectColor(Canvas& canvas, const RECT& rect, TColor color) {
  canvas.Brush().SetColor(color);
  canvas.FillRect(rect);
}

void DrawMenuSeparatorLine(Canvas& canvas, const RECT& item, TColor color, bool left_to_right, int bar_width) {
  const int y = item.top + 2;
  if (left_to_right)
    Line(canvas, color, item.left + bar_width + 4, y, item.right - 2, y);
  else
    Line(canvas, color, item.left + 2, y, item.right - bar_width - 4, y);
}

void StretchMacMenuItem(Canvas& canvas, const RECT& rect) { StretchMenuPicture(canvas, rect, "MACOS_MENU_BAR", 20); }
void StretchMacMenuSeparator(Canvas& canvas, const RECT& rect) {
  StretchMenuPicture(canvas, rect, "MACOS_MENU_BAR", 12);
}
void StretchMacMenuSelect(Canvas& canvas, const RECT& rect) {
  StretchMenuPicture(canvas, rect, "MACOS_MENU_SELECT", 20);
}
