#include "skin/strip_drawing.h"

#include <algorithm>

#include "toolkit/image_list.h"

namespace {

constexpr TColor kMagenta = 0xFF00FF;

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// One-to-one or stretched copy of part of a bitmap into a new bitmap of the given size.
Bitmap CopyPart(const Bitmap& source, const RECT& part, int width, int height) {
  Bitmap copy;
  copy.SetSize(width, height);
  HDC target = copy.Canvas().Handle();
  SetStretchBltMode(target, COLORONCOLOR);
  StretchBlt(target, 0, 0, width, height, source.SourceDC(), part.left, part.top, WidthOf(part), HeightOf(part),
             SRCCOPY);
  return copy;
}

// The part is stretched into the scratch bitmap's top-left corner first, then copied to the
// target from there: one scratch bitmap serves all the parts of a picture.
void DrawPart(Canvas& canvas, const Bitmap& source, RECT part, const RECT& target, bool transparent,
              Bitmap& scratch) {
  // Tiny bitmaps give source rows outside the picture; only real pixels are read.
  part.left = std::max(part.left, 0L);
  part.top = std::max(part.top, 0L);
  part.right = std::min<LONG>(part.right, source.Width());
  part.bottom = std::min<LONG>(part.bottom, source.Height());
  const int width = WidthOf(target), height = HeightOf(target);
  const HDC dc = canvas.Handle();
  if (!dc || width <= 0 || height <= 0 || WidthOf(part) <= 0 || HeightOf(part) <= 0) return;
  if (scratch.Width() < width || scratch.Height() < height) {
    scratch.SetSize(std::max(scratch.Width(), width), std::max(scratch.Height(), height));
  }
  const HDC piece = scratch.Canvas().Handle();
  SetStretchBltMode(piece, COLORONCOLOR);
  StretchBlt(piece, 0, 0, width, height, source.SourceDC(), part.left, part.top, WidthOf(part), HeightOf(part),
             SRCCOPY);
  if (transparent) {
    GdiTransparentBlt(dc, target.left, target.top, width, height, piece, 0, 0, width, height, ColorToRGB(kMagenta));
  } else {
    BitBlt(dc, target.left, target.top, width, height, piece, 0, 0, SRCCOPY);
  }
}

}  // namespace

void ExtractStripFrame(const Bitmap& source, Bitmap& destination, int count, int index) {
  if (count <= 0 || index < 1 || index > count) {
    destination.SetSize(0, 0);
    return;
  }
  const int frame_width = source.Width() / count;
  const int frame_height = source.Height();
  const int left = index == count ? source.Width() - frame_width : frame_width * (index - 1);
  if (&source == &destination) {
    // Resizing the destination would lose the strip itself.
    const Bitmap strip = source;
    ExtractStripFrame(strip, destination, count, index);
    return;
  }
  destination.SetSize(frame_width, frame_height);
  if (frame_width > 0 && frame_height > 0)
    BitBlt(destination.Canvas().Handle(), 0, 0, frame_width, frame_height, source.SourceDC(), left, 0, SRCCOPY);
}

void DrawThreePartBitmap(const Bitmap& bitmap, Canvas& canvas, const RECT& rect, TColor mask_color, bool use_mask) {
  const int cap_width = bitmap.Width() / 3;
  const int height = bitmap.Height();
  if (cap_width <= 0 || height <= 0) return;
  ImageList parts(cap_width, height);
  if (use_mask)
    parts.AddMasked(bitmap, mask_color);
  else
    parts.Add(bitmap);

  if (WidthOf(rect) < cap_width) {
    if (WidthOf(rect) <= 0) return;
    CanvasStateGuard keep(canvas);
    IntersectClipRect(canvas.Handle(), rect.left, rect.top, rect.right, rect.top + height);
    parts.Draw(canvas, rect.left, rect.top, 0);
    return;
  }
  parts.Draw(canvas, rect.left, rect.top, 0);
  parts.Draw(canvas, rect.right - cap_width, rect.top, 2);
  Bitmap middle = CopyPart(bitmap, {cap_width, 0, 2 * cap_width, height}, cap_width, height);
  if (use_mask) {
    middle.SetTransparentColor(mask_color);
    middle.SetTransparent(true);
  }
  canvas.StretchDraw({rect.left + cap_width, rect.top, rect.right - cap_width, rect.top + height}, middle);
}

void DrawNinePartBitmap(const Bitmap& bitmap, Canvas& canvas, const RECT& rect, bool transparent) {
  const int bw = bitmap.Width(), bh = bitmap.Height();
  const int half_bw = bw / 2, half_bh = bh / 2;
  const int w = WidthOf(rect), h = HeightOf(rect);
  const int half_w = w / 2, half_h = h / 2;

  // Corner sizes: the smaller of the source quadrant and the target quadrant, never below 0.
  const int left_w = std::max(0, std::min(half_bw, half_w));
  const int right_w = std::max(0, std::min(half_bw - 1, half_w - 1));
  const int top_h = std::max(0, std::min(half_bh, half_h));
  const int bottom_h = std::max(0, std::min(half_bh - 1, half_h - 1));

  // Each corner keeps its outer columns and rows and sits in the matching corner of the rectangle.
  const RECT tl{0, 0, left_w, top_h};
  const RECT bl{0, rect.bottom - bottom_h, left_w, rect.bottom};
  const RECT tr{rect.right - right_w, 0, rect.right, top_h};
  const RECT br{rect.right - right_w, rect.bottom - bottom_h, rect.right, rect.bottom};
  Bitmap scratch;  // no part is larger than the rectangle
  if (w > 0 && h > 0) scratch.SetSize(w, h);
  DrawPart(canvas, bitmap, {0, 0, left_w, top_h}, tl, transparent, scratch);
  DrawPart(canvas, bitmap, {0, bh - bottom_h, left_w, bh}, bl, transparent, scratch);
  DrawPart(canvas, bitmap, {bw - right_w, 0, bw, top_h}, tr, transparent, scratch);
  DrawPart(canvas, bitmap, {bw - right_w, bh - bottom_h, bw, bh}, br, transparent, scratch);

  // Edges and centre: the source is cut to the target on its inner side in the direction
  // that is not stretched, then stretched into the target with magenta left out.
  const RECT left_edge{tl.left, tl.bottom, tl.right, bl.top};
  const int left_cut = std::min(half_bw, WidthOf(left_edge));
  DrawPart(canvas, bitmap, {0, half_bh, left_cut, bh - half_bh}, left_edge, true, scratch);

  const RECT right_edge{tr.left, tr.bottom, tr.right, br.top};
  const int right_cut = std::min(half_bw - 1, WidthOf(right_edge));
  DrawPart(canvas, bitmap, {bw - right_cut, bh - half_bh, bw, half_bh + 2}, right_edge, true, scratch);

  const int middle_left = half_bw, middle_right = bw - half_bw + 1;
  const RECT top_edge{tl.right, 0, tr.left, tl.bottom};
  const int top_cut = std::min(half_bh, HeightOf(top_edge));
  DrawPart(canvas, bitmap, {middle_left, 0, middle_right, top_cut}, top_edge, true, scratch);

  const RECT centre{tl.right, tl.bottom, tr.left, br.top - 1};
  DrawPart(canvas, bitmap, {middle_left, half_bh, middle_right, bh - half_bh}, centre, true, scratch);

  const RECT bottom_edge{tl.right - 1, bl.top - 1, br.left, br.bottom};
  const int bottom_cut = std::min(half_bh, HeightOf(bottom_edge));
  DrawPart(canvas, bitmap, {middle_left, bh - bottom_cut, middle_right, bh}, bottom_edge, true, scratch);
}
