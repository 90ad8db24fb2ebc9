#include "toolkit/bitmap.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "toolkit/bmp_file.h"

namespace {

// A file larger than the largest picture we accept, with all its headers, is refused
// before it is read.
constexpr std::uintmax_t kMaxBmpFileBytes = static_cast<std::uintmax_t>(kBmpMaxPixels) * 4 + 64 * 1024;

int BitsOf(PixelFormat format) {
  switch (format) {
    case PixelFormat::pf8bit: return 8;
    case PixelFormat::pf24bit: return 24;
    case PixelFormat::pf32bit: return 32;
  }
  return 24;
}

PixelFormat FormatOfBits(int bits) {
  return bits == 8 ? PixelFormat::pf8bit : (bits == 32 ? PixelFormat::pf32bit : PixelFormat::pf24bit);
}

std::size_t StrideOf(int width, PixelFormat format) {
  return (static_cast<std::size_t>(width) * static_cast<std::size_t>(BitsOf(format)) + 31) / 32 * 4;
}

// The colour cube that pictures converted down to 8 bits use: 3 bits red, 3 green, 2 blue.
BmpPaletteEntry CubeEntry(int index) {
  return {static_cast<std::uint8_t>((index & 3) * 255 / 3), static_cast<std::uint8_t>(((index >> 2) & 7) * 255 / 7),
          static_cast<std::uint8_t>(((index >> 5) & 7) * 255 / 7), 0};
}

std::array<BmpPaletteEntry, 256> CubePalette() {
  std::array<BmpPaletteEntry, 256> palette{};
  for (int i = 0; i < 256; ++i) palette[i] = CubeEntry(i);
  return palette;
}

std::uint8_t CubeIndex(TColor color) {
  return static_cast<std::uint8_t>(((RedOf(color) >> 5) << 5) | ((GreenOf(color) >> 5) << 2) | (BlueOf(color) >> 6));
}

struct DibSection {
  OwnedBitmap bitmap;
  void* bits = nullptr;
};

DibSection CreateDib(int width, int height, PixelFormat format, const std::array<BmpPaletteEntry, 256>& palette) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;  // positive: bottom-up rows, the layout every GDI call takes
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(BitsOf(format));
  info.header.biCompression = BI_RGB;
  if (format == PixelFormat::pf8bit) {
    info.header.biClrUsed = 256;
    for (int i = 0; i < 256; ++i) {
      const BmpPaletteEntry entry = palette[i];
      info.colors[i] = {entry.blue, entry.green, entry.red, 0};
    }
  }
  DibSection dib;
  dib.bitmap.Reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &dib.bits, nullptr, 0));
  if (!dib.bitmap || !dib.bits) throw std::runtime_error("CreateDIBSection failed");
  return dib;
}

std::uint8_t NearestIndex(const std::array<BmpPaletteEntry, 256>& palette, TColor color) {
  int best = 0;
  long best_distance = -1;
  for (int i = 0; i < 256; ++i) {
    const long dr = palette[i].red - RedOf(color), dg = palette[i].green - GreenOf(color), db = palette[i].blue - BlueOf(color);
    const long distance = dr * dr + dg * dg + db * db;
    if (best_distance < 0 || distance < best_distance) {
      best = i;
      best_distance = distance;
    }
  }
  return static_cast<std::uint8_t>(best);
}

void CheckSize(int width, int height) {
  if (width > kBmpMaxSide || height > kBmpMaxSide || std::int64_t{width} * height > kBmpMaxPixels) {
    throw std::length_error("bitmap of " + std::to_string(width) + " x " + std::to_string(height) + " pixels is too large");
  }
}

}  // namespace

Bitmap::Bitmap() = default;

Bitmap::Bitmap(const Bitmap& other) { Assign(other); }

Bitmap& Bitmap::operator=(const Bitmap& other) {
  Assign(other);
  return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      format_(other.format_),
      palette_(other.palette_),
      transparent_(other.transparent_),
      transparent_mode_(other.transparent_mode_),
      transparent_color_(other.transparent_color_),
      bitmap_(std::move(other.bitmap_)),
      bits_(std::exchange(other.bits_, nullptr)),
      dc_(std::move(other.dc_)),
      dc_original_bitmap_(std::exchange(other.dc_original_bitmap_, nullptr)),
      canvas_(std::move(other.canvas_)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this != &other) {
    Bitmap old(std::move(*this));
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    format_ = other.format_;
    palette_ = other.palette_;
    transparent_ = other.transparent_;
    transparent_mode_ = other.transparent_mode_;
    transparent_color_ = other.transparent_color_;
    bitmap_ = std::move(other.bitmap_);
    bits_ = std::exchange(other.bits_, nullptr);
    dc_ = std::move(other.dc_);
    dc_original_bitmap_ = std::exchange(other.dc_original_bitmap_, nullptr);
    canvas_ = std::move(other.canvas_);
    Changed();
  }
  return *this;
}

Bitmap::~Bitmap() {
  canvas_.reset();  // its pen, brush and font leave the device context first
  if (dc_) SelectObject(dc_->Get(), dc_original_bitmap_);
}

std::size_t Bitmap::Stride() const { return StrideOf(width_, format_); }

void Bitmap::Replace(OwnedBitmap bitmap, void* bits, int width, int height, PixelFormat format) {
  if (dc_) {
    // The device context and the canvas over it live on; only the picture in it changes.
    SelectObject(dc_->Get(), bitmap ? static_cast<HGDIOBJ>(bitmap.Get()) : dc_original_bitmap_);
  }
  bitmap_ = std::move(bitmap);
  bits_ = bits;
  width_ = width;
  height_ = height;
  format_ = format;
}

void Bitmap::Assign(const Bitmap& other) {
  if (this == &other) return;
  transparent_ = other.transparent_;
  transparent_mode_ = other.transparent_mode_;
  transparent_color_ = other.transparent_color_;
  if (other.Empty()) {
    Replace(OwnedBitmap(), nullptr, 0, 0, other.format_);
  } else {
    GdiFlush();
    DibSection dib = CreateDib(other.width_, other.height_, other.format_, other.palette_);
    std::memcpy(dib.bits, other.bits_, other.Stride() * static_cast<std::size_t>(other.height_));
    palette_ = other.palette_;
    Replace(std::move(dib.bitmap), dib.bits, other.width_, other.height_, other.format_);
  }
  Changed();
}

void Bitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  CheckSize(width, height);
  if (width == 0 || height == 0) {
    Replace(OwnedBitmap(), nullptr, width, height, format_);
    Changed();
    return;
  }
  GdiFlush();
  if (format_ == PixelFormat::pf8bit && !bitmap_) palette_ = CubePalette();
  const auto& palette = palette_;
  DibSection dib = CreateDib(width, height, format_, palette);
  const std::size_t stride = StrideOf(width, format_);
  auto* target = static_cast<std::uint8_t*>(dib.bits);
  const std::uint8_t white = format_ == PixelFormat::pf8bit ? NearestIndex(palette, clWhite) : 0xFF;
  std::memset(target, white, stride * static_cast<std::size_t>(height));
  if (bits_) {
    const std::size_t copy_bytes = static_cast<std::size_t>(std::min(width, width_)) * (BitsOf(format_) / 8);
    for (int y = 0; y < std::min(height, height_); ++y) {
      std::memcpy(target + static_cast<std::size_t>(height - 1 - y) * stride,
                  static_cast<const std::uint8_t*>(bits_) + static_cast<std::size_t>(height_ - 1 - y) * Stride(), copy_bytes);
    }
  }
  Replace(std::move(dib.bitmap), dib.bits, width, height, format_);
  Changed();
}

void Bitmap::SetPixelFormat(PixelFormat format) {
  if (format == format_) return;
  if (Empty()) {
    format_ = format;
    Changed();
    return;
  }
  BmpImage image = ToImage();
  BmpImage converted;
  converted.width = image.width;
  converted.height = image.height;
  converted.bits_per_pixel = BitsOf(format);
  converted.palette = CubePalette();
  converted.pixels.resize(converted.RowBytes() * static_cast<std::size_t>(converted.height));
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = converted.Row(y);
    for (int x = 0; x < image.width; ++x) {
      const TColor color = image.ColorAt(x, y);
      if (format == PixelFormat::pf8bit) {
        row[x] = CubeIndex(color);
      } else {
        std::uint8_t* p = row + static_cast<std::size_t>(x) * (converted.bits_per_pixel / 8);
        p[0] = BlueOf(color);
        p[1] = GreenOf(color);
        p[2] = RedOf(color);
        if (format == PixelFormat::pf32bit) p[3] = image.bits_per_pixel == 32 ? image.Row(y)[4 * x + 3] : 0;
      }
    }
  }
  LoadFromImage(converted);
}

void Bitmap::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  Changed();
}

void Bitmap::SetTransparentMode(TransparentMode mode) {
  if (mode == transparent_mode_) return;
  transparent_mode_ = mode;
  Changed();
}

TColor Bitmap::TransparentColor() const {
  if (transparent_mode_ == TransparentMode::tmFixed) return transparent_color_;
  if (Empty()) return clBlack;
  return Pixel(0, transparent_mode_ == TransparentMode::tmTopLeft ? 0 : height_ - 1);
}

void Bitmap::SetTransparentColor(TColor color) {
  if (transparent_mode_ == TransparentMode::tmFixed && color == transparent_color_) return;
  transparent_mode_ = TransparentMode::tmFixed;
  transparent_color_ = color;
  Changed();
}

HDC Bitmap::SourceDC() const {
  if (!dc_) {
    auto dc = std::make_unique<MemoryDC>();
    if (bitmap_) dc_original_bitmap_ = SelectObject(dc->Get(), bitmap_.Get());
    else dc_original_bitmap_ = GetCurrentObject(dc->Get(), OBJ_BITMAP);
    dc_ = std::move(dc);
  }
  return dc_->Get();
}

::Canvas& Bitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<::Canvas>(SourceDC());
  return *canvas_;
}

void Bitmap::LoadFromImage(const BmpImage& image) {
  CheckSize(image.width, image.height);
  if (image.width <= 0 || image.height <= 0 || image.pixels.size() < image.RowBytes() * static_cast<std::size_t>(image.height)) {
    throw std::invalid_argument("the picture's size does not match its pixels");
  }
  const PixelFormat format = FormatOfBits(image.bits_per_pixel);
  DibSection dib = CreateDib(image.width, image.height, format, image.palette);
  const std::size_t stride = StrideOf(image.width, format);
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(static_cast<std::uint8_t*>(dib.bits) + static_cast<std::size_t>(image.height - 1 - y) * stride, image.Row(y),
                image.RowBytes());
  }
  palette_ = image.palette;
  Replace(std::move(dib.bitmap), dib.bits, image.width, image.height, format);
  Changed();
}

BmpImage Bitmap::ToImage() const {
  BmpImage image;
  image.width = width_;
  image.height = height_;
  image.bits_per_pixel = BitsOf(format_);
  if (Empty()) return image;
  GdiFlush();
  image.palette = palette_;
  image.pixels.resize(image.RowBytes() * static_cast<std::size_t>(height_));
  for (int y = 0; y < height_; ++y) std::memcpy(image.Row(y), ScanLine(y), image.RowBytes());
  return image;
}

void Bitmap::LoadFromResourceName(HINSTANCE module, const std::string& name) {
  HRSRC resource = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  if (!resource) throw ResourceNotFoundError("Resource " + name + " not found");
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) throw ResourceNotFoundError("Resource " + name + " not found");
  const DWORD size = SizeofResource(module, resource);
  LoadFromImage(DecodeDib({static_cast<const std::uint8_t*>(data), size}));
}

void Bitmap::LoadFromBmpBytes(std::span<const std::uint8_t> file) { LoadFromImage(DecodeBmpFile(file)); }

void Bitmap::LoadFromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw std::runtime_error("cannot open \"" + path + "\"");
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxBmpFileBytes) throw BmpFormatError("bad BMP data: \"" + path + "\" is too large");
  in.seekg(0);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) throw std::runtime_error("cannot read \"" + path + "\"");
  LoadFromBmpBytes(bytes);
}

std::vector<std::uint8_t> Bitmap::SaveToBmpBytes() const {
  if (Empty()) throw std::logic_error("an empty bitmap has no BMP form");
  return EncodeBmpFile(ToImage());
}

void Bitmap::SaveToFile(const std::string& path) const {
  const std::vector<std::uint8_t> bytes = SaveToBmpBytes();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out || !out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
    throw std::runtime_error("cannot write \"" + path + "\"");
  }
}

TColor Bitmap::Pixel(int x, int y) const {
  const std::uint8_t* row = ScanLine(y);
  if (x < 0 || x >= width_) throw std::out_of_range("pixel outside the bitmap");
  return ColorInRow(row, x);
}

std::vector<TColor> Bitmap::RowColors(int y) const {
  const std::uint8_t* row = ScanLine(y);
  std::vector<TColor> colors(static_cast<std::size_t>(width_));
  for (int x = 0; x < width_; ++x) colors[static_cast<std::size_t>(x)] = ColorInRow(row, x);
  return colors;
}

TColor Bitmap::ColorInRow(const std::uint8_t* row, int x) const {
  switch (format_) {
    case PixelFormat::pf8bit: {
      const BmpPaletteEntry& entry = palette_[row[x]];
      return RGBColor(entry.red, entry.green, entry.blue);
    }
    case PixelFormat::pf24bit: return RGBColor(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case PixelFormat::pf32bit: return RGBColor(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
  }
  return clBlack;
}

std::uint8_t* Bitmap::ScanLine(int y) {
  return const_cast<std::uint8_t*>(static_cast<const Bitmap&>(*this).ScanLine(y));
}

const std::uint8_t* Bitmap::ScanLine(int y) const {
  if (y < 0 || y >= height_ || !bits_) throw std::out_of_range("row outside the bitmap");
  GdiFlush();  // drawing through GDI may still be queued
  return static_cast<const std::uint8_t*>(bits_) + static_cast<std::size_t>(height_ - 1 - y) * Stride();
}

void Bitmap::Changed() {
  if (OnChange) OnChange();
}
