#include "toolkit/canvas.h"

#include <climits>
#include <string>

#include "toolkit/bitmap.h"

namespace {
int ClampedLength(std::string_view text) {
  return text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
}

// Our text is bytes of the system's ANSI code page (GBK here). The A functions of GDI
// would decode them by the font's character set instead, so a font stored with
// ANSI_CHARSET would show Chinese text as boxes; decoding here keeps text and font apart.
std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  const int length = ClampedLength(text);
  const int wide_length = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (wide_length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), wide_length);
  return wide;
}

int WideLength(const std::wstring& text) { return static_cast<int>(text.size()); }
}  // namespace

Canvas::Canvas() {
  // A tool whose handle is about to be deleted must first leave our device context: a
  // selected object cannot be deleted, and a restore must never find a stale handle.
  pen_.before_handle_release_ = [this] { DeselectTools(); };
  brush_.before_handle_release_ = [this] { DeselectTools(); };
  font_.before_handle_release_ = [this] { DeselectTools(); };
}

Canvas::Canvas(HDC borrowed) : Canvas() { dc_ = borrowed; }

Canvas::~Canvas() { DeselectTools(); }

HDC Canvas::Handle() {
  if (!dc_) CreateHandle();
  if (dc_) SelectTools();
  return dc_;
}

void Canvas::SetHandle(HDC borrowed) {
  if (borrowed == dc_) return;
  DeselectTools();
  dc_ = borrowed;
}

void Canvas::SelectTools() {
  if (tools_selected_ || !dc_) return;
  // All three are made before any is selected, so that a failure leaves nothing selected.
  HPEN pen = pen_.Handle();
  HBRUSH brush = brush_.Handle();
  HFONT font = font_.Handle();
  original_pen_ = SelectObject(dc_, pen);
  original_brush_ = SelectObject(dc_, brush);
  original_font_ = SelectObject(dc_, font);
  tools_selected_ = true;
}

void Canvas::DeselectTools() {
  if (!tools_selected_) return;
  SelectObject(dc_, original_pen_);
  SelectObject(dc_, original_brush_);
  SelectObject(dc_, original_font_);
  original_pen_ = original_brush_ = original_font_ = nullptr;
  tools_selected_ = false;
}

void Canvas::PrepareText() {
  HDC dc = Handle();
  if (!dc) return;
  SetTextColor(dc, ColorToRGB(font_.Color()));
  if (brush_.Style() == BrushStyle::bsClear && !brush_.Pattern()) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(brush_.Color()));
  }
}

void Canvas::FillRect(const RECT& rect) {
  if (HDC dc = Handle()) ::FillRect(dc, &rect, brush_.Handle());
}

void Canvas::FrameRect(const RECT& rect) {
  if (HDC dc = Handle()) ::FrameRect(dc, &rect, brush_.Handle());
}

void Canvas::MoveTo(int x, int y) {
  pen_pos_ = {x, y};
  if (HDC dc = Handle()) MoveToEx(dc, x, y, nullptr);
}

void Canvas::LineTo(int x, int y) {
  if (HDC dc = Handle()) {
    // The device context's own current position may have been moved by someone else.
    MoveToEx(dc, pen_pos_.x, pen_pos_.y, nullptr);
    ::LineTo(dc, x, y);
  }
  pen_pos_ = {x, y};
}

void Canvas::Arc(int left, int top, int right, int bottom, int start_x, int start_y, int end_x, int end_y) {
  if (HDC dc = Handle()) ::Arc(dc, left, top, right, bottom, start_x, start_y, end_x, end_y);
}

void Canvas::TextOut(int x, int y, std::string_view text) {
  PrepareText();
  HDC dc = Handle();
  if (!dc) return;
  const std::wstring wide = Widen(text);
  ::TextOutW(dc, x, y, wide.c_str(), WideLength(wide));
  MoveTo(x + TextWidth(text), y);
}

SIZE Canvas::TextExtent(std::string_view text) {
  SIZE size{0, 0};
  if (HDC dc = Handle()) {
    const std::wstring wide = Widen(text);
    GetTextExtentPoint32W(dc, wide.c_str(), WideLength(wide), &size);
  }
  return size;
}

int Canvas::DrawText(std::string_view text, RECT& rect, UINT flags) {
  PrepareText();
  HDC dc = Handle();
  if (!dc) return 0;
  // The text is the caller's and may not be written: DT_MODIFYSTRING would put the
  // shortened text with its ellipsis into it.
  const std::wstring wide = Widen(text);
  return ::DrawTextW(dc, wide.c_str(), WideLength(wide), &rect, flags & ~static_cast<UINT>(DT_MODIFYSTRING));
}

void Canvas::DrawFocusRect(const RECT& rect) {
  if (HDC dc = Handle()) ::DrawFocusRect(dc, &rect);
}

void Canvas::Draw(int x, int y, const Bitmap& bitmap) {
  if (bitmap.Empty()) return;
  StretchDraw({x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void Canvas::StretchDraw(const RECT& dest, const Bitmap& bitmap) {
  HDC dc = Handle();
  if (!dc || bitmap.Empty()) return;
  const int width = dest.right - dest.left;
  const int height = dest.bottom - dest.top;
  if (width <= 0 || height <= 0) return;
  HDC source = bitmap.SourceDC();
  // Nearest-pixel stretching: the skins are pixel art, and blending would smear their
  // transparent colour into the edges.
  const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
  if (bitmap.Transparent()) {
    // GDI's own entry point: msimg32's TransparentBlt only forwards to it, and would be
    // one more library to load before the first window shows.
    GdiTransparentBlt(dc, dest.left, dest.top, width, height, source, 0, 0, bitmap.Width(), bitmap.Height(),
                      ColorToRGB(bitmap.TransparentColor()));
  } else if (width == bitmap.Width() && height == bitmap.Height()) {
    BitBlt(dc, dest.left, dest.top, width, height, source, 0, 0, SRCCOPY);
  } else {
    StretchBlt(dc, dest.left, dest.top, width, height, source, 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
  }
  SetStretchBltMode(dc, old_mode);
}

void Canvas::CopyRect(const RECT& dest, Canvas& source, const RECT& source_rect) {
  HDC dc = Handle();
  HDC from = source.Handle();
  if (!dc || !from) return;
  const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, from, source_rect.left,
             source_rect.top, source_rect.right - source_rect.left, source_rect.bottom - source_rect.top, copy_mode_);
  SetStretchBltMode(dc, old_mode);
}

TColor Canvas::Pixel(int x, int y) {
  HDC dc = Handle();
  return dc ? GetPixel(dc, x, y) : CLR_INVALID;
}

void Canvas::SetPixel(int x, int y, TColor color) {
  if (HDC dc = Handle()) ::SetPixel(dc, x, y, ColorToRGB(color));
}

CanvasStateGuard::CanvasStateGuard(Canvas& canvas) : canvas_(canvas) {
  dc_ = canvas_.Handle();
  canvas_.DeselectTools();
  if (dc_) saved_ = SaveDC(dc_);
}

CanvasStateGuard::~CanvasStateGuard() {
  if (!dc_ || saved_ == 0) return;
  canvas_.DeselectTools();
  RestoreDC(dc_, saved_);
  if (canvas_.dc_ == dc_) canvas_.SelectTools();
}
