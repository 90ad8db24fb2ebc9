#include "skin/window_drawing.h"

#include "toolkit/gdi_handles.h"

namespace {

void FrameWithColor(HDC dc, const RECT& rect, TColor color) {
  const OwnedBrush brush(CreateSolidBrush(ColorToRGB(color)));
  FrameRect(dc, &rect, brush.Get());
}

}  // namespace

void DrawControlBorder(TWinControl& control, TColor border_color, TColor inner_color, bool draw_inner) {
  const HWND window = control.Handle();
  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  OffsetRect(&rect, -rect.left, -rect.top);
  const WindowDC dc(window);
  FrameWithColor(dc.Get(), rect, border_color);
  if (draw_inner) {
    InflateRect(&rect, -1, -1);
    FrameWithColor(dc.Get(), rect, inner_color);
  }
}

void DrawMenuShadowFrame(HWND menu_window, TColor frame_color, TColor line_color) {
  RECT r;
  if (!GetWindowRect(menu_window, &r)) return;
  const ClientDC screen(nullptr);
  Canvas canvas(screen.Get());
  RECT frame{r.left, r.top + 1, r.right - 1, r.bottom - 1};
  canvas.Brush().SetColor(frame_color);
  canvas.FrameRect(frame);
  InflateRect(&frame, -1, -1);
  canvas.Brush().SetColor(clWhite);
  canvas.FrameRect(frame);
  canvas.Pen().SetColor(line_color);
  canvas.MoveTo(r.left, r.bottom - 1);
  canvas.LineTo(r.right - 1, r.bottom - 1);
  canvas.LineTo(r.right - 1, r.top);
  canvas.LineTo(r.right, r.top);
  canvas.LineTo(r.left, r.top);
}

void DrawParentBackground(Canvas& canvas, TControl& control) {
  TWinControl* parent = control.Parent();
  if (!parent) return;
  const HWND parent_window = parent->Handle();
  const int parent_width = parent->ClientWidth();
  const int parent_height = parent->ClientHeight();
  const CanvasStateGuard keep(canvas);
  const HDC dc = canvas.Handle();
  OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
  // Logical coordinates are the parent's now, so its client area is the clip.
  IntersectClipRect(dc, 0, 0, parent_width, parent_height);
  SendMessageA(parent_window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(parent_window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}
