// A picture in a DIB section with its own canvas. Copies are deep; a transparent bitmap
// is drawn without the pixels of its transparent colour.
//
//   Bitmap strip;
//   strip.LoadFromResourceName(GetModuleHandle(nullptr), "MACOS_BUTTON");
//   Bitmap face;
//   face.SetSize(18, 21);
//   face.Canvas().CopyRect({0, 0, 18, 21}, strip.Canvas(), {18, 0, 36, 21});
//   face.SetTransparentColor(0xFF00FF);   // a fixed colour
//   face.SetTransparent(true);
//   target.Draw(4, 2, face);
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/bmp_file.h"
#include "toolkit/canvas.h"
#include "toolkit/color.h"
#include "toolkit/gdi_handles.h"

enum class PixelFormat { pf8bit, pf24bit, pf32bit };

// Where the transparent colour comes from: the bottom-left pixel (tmAuto), the top-left
// pixel (tmTopLeft), or the colour that was set (tmFixed).
enum class TransparentMode { tmAuto, tmFixed, tmTopLeft };

// A named bitmap resource that the module does not have.
class ResourceNotFoundError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Bitmap {
 public:
  Bitmap();
  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);  // same as Assign
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  ~Bitmap();

  // Pixels, size, format and transparency of the other bitmap, as a copy of its own.
  void Assign(const Bitmap& other);

  bool Empty() const { return width_ == 0 || height_ == 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // Keeps the overlapping top-left part; new pixels are white. Negative sizes count as 0;
  // sizes above kBmpMaxSide or a pixel count above kBmpMaxPixels are refused with
  // std::length_error.
  void SetSize(int width, int height);

  PixelFormat GetPixelFormat() const { return format_; }
  // Converts the pixels; to 8 bits they are mapped to a fixed 3-3-2 colour cube.
  void SetPixelFormat(PixelFormat format);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  TransparentMode GetTransparentMode() const { return transparent_mode_; }
  void SetTransparentMode(TransparentMode mode);
  // The colour left out when drawing transparently (from its source pixel in the
  // automatic modes; black for an empty bitmap).
  TColor TransparentColor() const;
  // A fixed colour: also sets tmFixed (Transparent itself is not changed).
  void SetTransparentColor(TColor color);

  // The bitmap's own canvas over its memory device context.
  class Canvas& Canvas();

  // Throws ResourceNotFoundError for a missing name and BmpFormatError for bad contents;
  // the bitmap is unchanged then.
  void LoadFromResourceName(HINSTANCE module, const std::string& name);
  // A whole BMP file in memory; throws BmpFormatError and leaves the bitmap unchanged.
  void LoadFromBmpBytes(std::span<const std::uint8_t> file);
  void LoadFromFile(const std::string& path);  // also throws std::runtime_error on I/O
  std::vector<std::uint8_t> SaveToBmpBytes() const;
  void SaveToFile(const std::string& path) const;
  void LoadFromImage(const BmpImage& image);
  BmpImage ToImage() const;

  // 0x00BBGGRR straight from the pixel memory; throws std::out_of_range outside.
  TColor Pixel(int x, int y) const;
  // The colours of row y, left to right. GDI's queue is flushed once for the row instead
  // of once for every pixel, as reading them one by one would.
  std::vector<TColor> RowColors(int y) const;
  // The row's pixel memory (layout of the format, top row first); std::out_of_range outside.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;

  HBITMAP Handle() const { return bitmap_.Get(); }
  // A device context with this bitmap selected, for drawing from it; made on first use.
  HDC SourceDC() const;

  std::function<void()> OnChange;

 private:
  TColor ColorInRow(const std::uint8_t* row, int x) const;
  void Replace(OwnedBitmap bitmap, void* bits, int width, int height, PixelFormat format);
  void Changed();
  std::size_t Stride() const;

  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::pf24bit;
  std::array<BmpPaletteEntry, 256> palette_{};  // the colour table of 8-bit pixels
  bool transparent_ = false;
  TransparentMode transparent_mode_ = TransparentMode::tmAuto;
  TColor transparent_color_ = clBlack;
  OwnedBitmap bitmap_;
  void* bits_ = nullptr;
  // The memory device context and the canvas over it exist only once somebody draws.
  mutable std::unique_ptr<MemoryDC> dc_;
  mutable HGDIOBJ dc_original_bitmap_ = nullptr;
  std::unique_ptr<class Canvas> canvas_;
};
