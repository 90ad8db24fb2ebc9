#include "toolkit/image_list.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "toolkit/canvas.h"

namespace {

constexpr std::uint8_t kLeftOut = 0xFF;  // the mask's white
constexpr std::uint8_t kDrawn = 0x00;    // the mask's black

// A faded grey of the pixel's brightness: disabled pictures must read as grey, and even a
// black or grey pixel must look different from its normal self.
void FadeToGrey(const std::uint8_t* bgr, std::uint8_t* out) {
  const int brightness = (bgr[2] * 77 + bgr[1] * 150 + bgr[0] * 29) >> 8;
  const auto grey = static_cast<std::uint8_t>(128 + brightness / 2);
  out[0] = out[1] = out[2] = grey;
}

// A 24-bit image of the given size that starts with the bitmap's pixels (24-bit too).
BmpImage Widened(const Bitmap& bitmap, int width, int height, std::uint8_t fill) {
  BmpImage image;
  image.width = width;
  image.height = height;
  image.bits_per_pixel = 24;
  image.pixels.assign(image.RowBytes() * static_cast<std::size_t>(height), fill);
  for (int y = 0; y < bitmap.Height() && y < height; ++y) {
    std::memcpy(image.Row(y), bitmap.ScanLine(y), static_cast<std::size_t>(bitmap.Width()) * 3);
  }
  return image;
}

}  // namespace

ImageList::ImageList(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {}

int ImageList::AddMasked(const Bitmap& bitmap, TColor mask_color) { return AddCells(bitmap, true, mask_color); }

int ImageList::Add(const Bitmap& bitmap) { return AddCells(bitmap, false, clWhite); }

void ImageList::Clear() {
  count_ = 0;
  pictures_ = Bitmap();
  mask_ = Bitmap();
}

int ImageList::AddCells(const Bitmap& bitmap, bool masked, TColor mask_color) {
  const int cells = std::max(1, bitmap.Width() / width_);
  if (static_cast<long long>(count_ + cells) * width_ > kBmpMaxSide) {
    throw std::length_error("an image list cannot be wider than a bitmap");
  }
  const COLORREF key = ColorToRGB(mask_color);
  const int first_column = count_ * width_;
  const int width = (count_ + cells) * width_;
  BmpImage pictures = Widened(pictures_, width, height_, 0);
  BmpImage mask = Widened(mask_, width, height_, kLeftOut);
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* picture_row = pictures.Row(y) + 3 * static_cast<std::size_t>(first_column);
    std::uint8_t* mask_row = mask.Row(y) + 3 * static_cast<std::size_t>(first_column);
    const std::vector<TColor> colors = y < bitmap.Height() ? bitmap.RowColors(y) : std::vector<TColor>();
    for (int x = 0; x < cells * width_; ++x) {
      // Padding takes the mask colour: left out of a masked list, drawn by an opaque one.
      const COLORREF color = x < static_cast<int>(colors.size()) ? colors[static_cast<std::size_t>(x)] : key;
      const bool left_out = masked && color == key;
      std::uint8_t* picture = picture_row + 3 * x;
      picture[0] = left_out ? 0 : GetBValue(color);
      picture[1] = left_out ? 0 : GetGValue(color);
      picture[2] = left_out ? 0 : GetRValue(color);
      std::memset(mask_row + 3 * x, left_out ? kLeftOut : kDrawn, 3);
    }
  }
  Bitmap new_pictures;
  new_pictures.LoadFromImage(pictures);
  Bitmap new_mask;
  new_mask.LoadFromImage(mask);
  pictures_ = std::move(new_pictures);
  mask_ = std::move(new_mask);
  const int first = count_;
  count_ += cells;
  return first;
}

void ImageList::Draw(Canvas& canvas, int x, int y, int index, bool enabled) const {
  HDC dc = canvas.Handle();
  if (!dc || index < 0 || index >= count_) return;
  const int source_x = index * width_;
  if (enabled) {
    BitBlt(dc, x, y, width_, height_, mask_.SourceDC(), source_x, 0, SRCAND);
    BitBlt(dc, x, y, width_, height_, pictures_.SourceDC(), source_x, 0, SRCPAINT);
    return;
  }
  // Greyed: what lies beneath is copied, the cell's drawn pixels are put into the copy
  // faded, and the copy goes back.
  Bitmap copy;
  copy.SetSize(width_, height_);
  BitBlt(copy.SourceDC(), 0, 0, width_, height_, dc, x, y, SRCCOPY);
  GdiFlush();  // the copy's pixels are read directly below
  for (int row = 0; row < height_; ++row) {
    const std::uint8_t* mask_row = mask_.ScanLine(row) + 3 * static_cast<std::size_t>(source_x);
    const std::uint8_t* picture_row = pictures_.ScanLine(row) + 3 * static_cast<std::size_t>(source_x);
    std::uint8_t* copy_row = copy.ScanLine(row);
    for (int column = 0; column < width_; ++column) {
      if (mask_row[3 * column] == kDrawn) FadeToGrey(picture_row + 3 * column, copy_row + 3 * column);
    }
  }
  BitBlt(dc, x, y, width_, height_, copy.SourceDC(), 0, 0, SRCCOPY);
}

void ImageList::GetBitmap(int index, Bitmap& out, TColor background) const {
  out.SetPixelFormat(PixelFormat::pf24bit);
  out.SetSize(width_, height_);
  out.Canvas().Brush().SetColor(background);
  out.Canvas().FillRect({0, 0, width_, height_});
  ::Canvas& canvas = out.Canvas();
  Draw(canvas, 0, 0, index);
}
