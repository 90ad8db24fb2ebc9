// A drawing surface over a device context with its own pen, brush and font. The device
// context is borrowed (from a paint, a window or a bitmap) and never released here;
// what the canvas selects into it is put back before the canvas lets go of it.
//
//   Canvas canvas(paint.Get());
//   canvas.Brush().SetColor(clBtnFace);
//   canvas.FillRect({0, 0, 100, 20});
//   canvas.Brush().SetStyle(BrushStyle::bsClear);
//   canvas.TextOut(4, 3, "IP：");
//   { CanvasStateGuard keep(canvas); SetViewportOrgEx(canvas.Handle(), -5, 0, nullptr); ... }
#pragma once

#include <windows.h>

#include <string_view>

#include "toolkit/brush.h"
#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/pen.h"

class Bitmap;

class Canvas {
 public:
  Canvas();
  explicit Canvas(HDC borrowed);
  virtual ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // The device context with pen, brush and font selected; null when there is none. A
  // canvas without one asks CreateHandle first.
  HDC Handle();
  bool HasHandle() const { return dc_ != nullptr; }
  // Lets go of the current device context (putting its objects back) and borrows another,
  // or none.
  void SetHandle(HDC borrowed);

  class Pen& Pen() { return pen_; }
  class Brush& Brush() { return brush_; }
  class Font& Font() { return font_; }
  // Raster operation of CopyRect, SRCCOPY unless changed.
  DWORD CopyMode() const { return copy_mode_; }
  void SetCopyMode(DWORD rop) { copy_mode_ = rop; }

  void FillRect(const RECT& rect);   // with the brush
  void FrameRect(const RECT& rect);  // one pixel, with the brush
  void MoveTo(int x, int y);
  void LineTo(int x, int y);         // with the pen; the end pixel is not drawn
  POINT PenPos() const { return pen_pos_; }
  void Arc(int left, int top, int right, int bottom, int start_x, int start_y, int end_x, int end_y);

  // Text is bytes of the system's ANSI code page, decoded by that code page whatever the
  // font's character set. A clear brush leaves the background; otherwise it is filled in the
  // brush colour. TextOut moves the pen position to the end of the text, as line drawing
  // that follows a caption expects.
  void TextOut(int x, int y, std::string_view text);
  SIZE TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }
  // DrawTextA with the given DT_ flags (DT_MODIFYSTRING is ignored: the text is never
  // written); with DT_CALCRECT the rectangle receives the size. Answers the text height.
  int DrawText(std::string_view text, RECT& rect, UINT flags);
  void DrawFocusRect(const RECT& rect);

  // The bitmap at its own size with its top-left corner at (x, y); a transparent bitmap
  // leaves the pixels of its transparent colour out.
  void Draw(int x, int y, const Bitmap& bitmap);
  // The bitmap stretched over the rectangle (each target pixel takes the nearest source
  // pixel), with the same transparency.
  void StretchDraw(const RECT& dest, const Bitmap& bitmap);
  // Part of another canvas into the rectangle, stretched when the sizes differ, with
  // CopyMode.
  void CopyRect(const RECT& dest, Canvas& source, const RECT& source_rect);

  TColor Pixel(int x, int y);  // CLR_INVALID outside the clip region
  void SetPixel(int x, int y, TColor color);

 protected:
  // Called when a device context is needed and none is there; a window canvas borrows
  // one here. The default has none to give. A subclass that releases the device context
  // it borrowed calls SetHandle(nullptr) first, also in its destructor, so that the
  // tools leave it before it goes.
  virtual void CreateHandle() {}

 private:
  friend class CanvasStateGuard;
  void SelectTools();
  void DeselectTools();
  void PrepareText();

  HDC dc_ = nullptr;
  class Pen pen_;
  class Brush brush_;
  class Font font_;
  DWORD copy_mode_ = SRCCOPY;
  POINT pen_pos_{0, 0};
  bool tools_selected_ = false;
  HGDIOBJ original_pen_ = nullptr;
  HGDIOBJ original_brush_ = nullptr;
  HGDIOBJ original_font_ = nullptr;
};

// SaveDC on entry, RestoreDC at the end of the scope: origin, clip region, modes and the
// colours come back. The canvas's own pen, brush and font are taken out before the save,
// so that the restore can never put back a handle that was deleted meanwhile, and are
// selected again afterwards.
class CanvasStateGuard {
 public:
  explicit CanvasStateGuard(Canvas& canvas);
  ~CanvasStateGuard();
  CanvasStateGuard(const CanvasStateGuard&) = delete;
  CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

 private:
  Canvas& canvas_;
  HDC dc_ = nullptr;
  int saved_ = 0;
};
