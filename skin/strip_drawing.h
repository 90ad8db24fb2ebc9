// Cutting frames out of bitmap strips and drawing resizable pictures from fixed-size
// bitmaps: three-part (caps and a stretched middle) and nine-part (corners at natural
// size, edges and centre stretched).
//
//   Bitmap face;
//   ExtractStripFrame(strip, face, 3, 2);             // the "mouse over" frame of three
//   DrawNinePartBitmap(face, buffer.Canvas(), {0, 0, 46, 22}, true);
#pragma once

#include <windows.h>

#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/color.h"

// Frame `index` (from 1) of `count` equal frames side by side; the last frame takes the
// right-most columns, so it absorbs the rounding. Invalid numbers empty the destination.
void ExtractStripFrame(const Bitmap& source, Bitmap& destination, int count, int index);

// Left cap, stretched middle and right cap of a bitmap of three equal columns, drawn
// at the bitmap's own height; a rectangle narrower than a cap shows the cut left cap.
void DrawThreePartBitmap(const Bitmap& bitmap, Canvas& canvas, const RECT& rect, TColor mask_color, bool use_mask);

// The rectangle's top-left corner is the canvas origin. Corners are cut on their inner
// side when the rectangle is smaller than the bitmap; edges and centre always leave
// magenta out, corners only when `transparent` is set.
void DrawNinePartBitmap(const Bitmap& bitmap, Canvas& canvas, const RECT& rect, bool transparent);
