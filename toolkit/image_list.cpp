#include "toolkit/image_list.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"

namespace {

// A faded grey of the pixel's brightness: disabled pictures must read as grey, and even a
// black or grey pixel must look different from its normal self.
void FadeToGrey(std::uint8_t* bgr) {
  const int brightness = (bgr[2] * 77 + bgr[1] * 150 + bgr[0] * 29) >> 8;
  const auto grey = static_cast<std::uint8_t>(128 + brightness / 2);
  bgr[0] = bgr[1] = bgr[2] = grey;
}

}  // namespace

ImageList::ImageList(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
  list_.Reset(ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4));
  if (!list_) throw std::runtime_error("ImageList_Create failed");
}

int ImageList::Count() const { return ImageList_GetImageCount(list_.Get()); }

int ImageList::AddMasked(const Bitmap& bitmap, TColor mask_color) { return AddCells(bitmap, true, mask_color); }

int ImageList::Add(const Bitmap& bitmap) { return AddCells(bitmap, false, clWhite); }

void ImageList::Clear() { ImageList_RemoveAll(list_.Get()); }

int ImageList::AddCells(const Bitmap& bitmap, bool masked, TColor mask_color) {
  // The list is given a 24-bit copy of whole cells: comctl32 blackens the masked pixels of
  // what it is given and needs a bitmap that no device context holds.
  const int cells = std::max(1, bitmap.Width() / width_);
  const COLORREF key = ColorToRGB(mask_color);
  BmpImage image;
  image.width = cells * width_;
  image.height = height_;
  image.bits_per_pixel = 24;
  image.pixels.resize(image.RowBytes() * static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = image.Row(y);
    const std::vector<TColor> colors = y < bitmap.Height() ? bitmap.RowColors(y) : std::vector<TColor>();
    for (int x = 0; x < image.width; ++x) {
      const COLORREF color = x < static_cast<int>(colors.size()) ? colors[static_cast<std::size_t>(x)] : key;
      row[3 * x] = GetBValue(color);
      row[3 * x + 1] = GetGValue(color);
      row[3 * x + 2] = GetRValue(color);
    }
  }
  Bitmap cells_bitmap;
  cells_bitmap.LoadFromImage(image);
  int first = -1;
  if (masked) {
    first = ImageList_AddMasked(list_.Get(), cells_bitmap.Handle(), key);
  } else {
    // An all-black mask: every pixel of the picture is drawn.
    BmpImage opaque = image;
    std::fill(opaque.pixels.begin(), opaque.pixels.end(), std::uint8_t{0});
    Bitmap mask;
    mask.LoadFromImage(opaque);
    first = ImageList_Add(list_.Get(), cells_bitmap.Handle(), mask.Handle());
  }
  if (first < 0) throw std::runtime_error("adding to an image list failed");
  return first;
}

void ImageList::Draw(Canvas& canvas, int x, int y, int index, bool enabled) const {
  HDC dc = canvas.Handle();
  if (!dc || index < 0 || index >= Count()) return;
  if (enabled) {
    ImageList_Draw(list_.Get(), index, dc, x, y, ILD_NORMAL);
    return;
  }
  // Greyed: the cell is drawn over a copy of what lies beneath, and the pixels that its
  // mask lets through are faded before the copy goes back.
  Bitmap picture;
  picture.SetSize(width_, height_);
  BitBlt(picture.SourceDC(), 0, 0, width_, height_, dc, x, y, SRCCOPY);
  ImageList_Draw(list_.Get(), index, picture.SourceDC(), 0, 0, ILD_NORMAL);
  Bitmap mask;
  mask.SetSize(width_, height_);  // white
  ImageList_Draw(list_.Get(), index, mask.SourceDC(), 0, 0, ILD_MASK);
  for (int row = 0; row < height_; ++row) {
    const std::uint8_t* mask_row = mask.ScanLine(row);
    std::uint8_t* picture_row = picture.ScanLine(row);
    for (int column = 0; column < width_; ++column) {
      if (mask_row[3 * column] == 0) FadeToGrey(picture_row + 3 * column);
    }
  }
  BitBlt(dc, x, y, width_, height_, picture.SourceDC(), 0, 0, SRCCOPY);
}

void ImageList::GetBitmap(int index, Bitmap& out, TColor background) const {
  out.SetPixelFormat(PixelFormat::pf24bit);
  out.SetSize(width_, height_);
  out.Canvas().Brush().SetColor(background);
  out.Canvas().FillRect({0, 0, width_, height_});
  if (index >= 0 && index < Count()) ImageList_Draw(list_.Get(), index, out.Canvas().Handle(), 0, 0, ILD_NORMAL);
}
