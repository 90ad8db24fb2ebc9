// A list of pictures of equal size ("cells"), masked by a colour or opaque, drawn normally
// or greyed (a faded grey picture, for disabled items). The cells sit side by side in one
// bitmap, with a second bitmap of the same size as their mask.
//
//   ImageList marks(16, 16);
//   marks.AddMasked(checked_bitmap, clWhite);   // white pixels stay out of the picture
//   marks.Draw(canvas, x, y + 3, 0, /*enabled=*/false);
#pragma once

#include <windows.h>

#include "toolkit/bitmap.h"
#include "toolkit/color.h"

class Canvas;

class ImageList {
 public:
  // Cells of width x height pixels (at least 1 x 1).
  ImageList(int width, int height);
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;
  ImageList(ImageList&&) noexcept = default;
  ImageList& operator=(ImageList&&) noexcept = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return count_; }

  // A bitmap as many cells as it is wide (at least one, cut or padded to the cell size);
  // answers the index of the first. Pixels of the mask colour become transparent. The
  // bitmap itself is not changed. Throws std::length_error when the cells together would
  // be wider than a bitmap can be (kBmpMaxSide); the list is unchanged then.
  int AddMasked(const Bitmap& bitmap, TColor mask_color);
  // The same without a mask: every pixel is drawn.
  int Add(const Bitmap& bitmap);
  void Clear();

  // Cell `index` with its top-left corner at (x, y); an index outside the list draws
  // nothing. Greyed: each drawn pixel becomes a light grey of its brightness.
  void Draw(Canvas& canvas, int x, int y, int index, bool enabled = true) const;
  // The cell's picture with the pixels that the mask leaves out in `background`.
  void GetBitmap(int index, Bitmap& out, TColor background) const;

 private:
  int AddCells(const Bitmap& bitmap, bool masked, TColor mask_color);

  int width_;
  int height_;
  int count_ = 0;
  // The cells' pixels, black where the mask leaves them out, so that they can be ORed
  // onto a background that the mask has cleared.
  Bitmap pictures_;
  // White where a cell is transparent, black where it is drawn.
  Bitmap mask_;
};
