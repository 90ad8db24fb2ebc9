#include "toolkit/bmp_file.h"

#include <bit>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionRle8 = 1;
constexpr std::uint32_t kCompressionRle4 = 2;
constexpr std::uint32_t kCompressionBitfields = 3;
constexpr std::uint32_t kCompressionAlphaBitfields = 6;
constexpr int kMaxPaletteEntries = 256;

[[noreturn]] void Fail(const std::string& what) { throw BmpFormatError("bad BMP data: " + what); }

// Every read of the untrusted bytes goes through here.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t Size() const { return bytes_.size(); }
  void Require(std::uint64_t offset, std::uint64_t length, const char* what) const {
    if (offset > bytes_.size() || length > bytes_.size() - offset) Fail(std::string(what) + " is cut short");
  }
  std::uint8_t U8(std::size_t offset) const {
    Require(offset, 1, "header");
    return bytes_[offset];
  }
  std::uint16_t U16(std::size_t offset) const {
    Require(offset, 2, "header");
    return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  }
  std::uint32_t U32(std::size_t offset) const {
    Require(offset, 4, "header");
    return static_cast<std::uint32_t>(bytes_[offset]) | (static_cast<std::uint32_t>(bytes_[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes_[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes_[offset + 3]) << 24);
  }
  const std::uint8_t* At(std::size_t offset) const { return bytes_.data() + offset; }

 private:
  std::span<const std::uint8_t> bytes_;
};

// One colour channel of a bit-field pixel.
struct Channel {
  unsigned shift = 0;
  unsigned bits = 0;

  static Channel FromMask(std::uint32_t mask) {
    Channel channel;
    if (mask == 0) return channel;
    channel.shift = static_cast<unsigned>(std::countr_zero(mask));
    channel.bits = static_cast<unsigned>(std::popcount(mask));
    if (channel.shift + channel.bits != 32 && (mask >> (channel.shift + channel.bits)) != 0) {
      Fail("a colour mask whose bits are not contiguous");
    }
    return channel;
  }
  std::uint8_t Extract(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t value = static_cast<std::uint32_t>((std::uint64_t{pixel} >> shift) & ((std::uint64_t{1} << bits) - 1));
    if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
    const std::uint32_t max = (1u << bits) - 1;
    return static_cast<std::uint8_t>((value * 255 + max / 2) / max);
  }
};

struct Header {
  std::uint32_t size = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool top_down = false;
  int bits_per_pixel = 0;
  std::uint32_t compression = kCompressionRgb;
  std::uint32_t colors_used = 0;
  std::size_t palette_entry_size = 4;
  std::size_t mask_bytes = 0;  // masks stored after a 40-byte header
  std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  bool has_masks = false;
};

Header ReadHeader(const ByteReader& dib) {
  Header header;
  header.size = dib.U32(0);
  if (header.size == kCoreHeaderSize) {
    header.width = dib.U16(4);
    header.height = dib.U16(6);
    header.bits_per_pixel = dib.U16(10);
    header.palette_entry_size = 3;
  } else if (header.size == 40 || header.size == 52 || header.size == 56 || header.size == 64 ||
             header.size == 108 || header.size == 124) {
    dib.Require(0, header.size, "header");
    header.width = static_cast<std::int32_t>(dib.U32(4));
    const std::int32_t height = static_cast<std::int32_t>(dib.U32(8));
    if (height == INT32_MIN) Fail("height out of range");
    header.top_down = height < 0;
    header.height = height < 0 ? -height : height;
    header.bits_per_pixel = dib.U16(14);
    header.compression = dib.U32(16);
    header.colors_used = dib.U32(32);
  } else {
    Fail("unknown info header size " + std::to_string(header.size));
  }
  dib.Require(0, header.size, "header");

  switch (header.bits_per_pixel) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Fail("unsupported bit depth " + std::to_string(header.bits_per_pixel));
  }
  if (header.width <= 0 || header.height <= 0) Fail("empty or negative size");
  if (header.width > kBmpMaxSide || header.height > kBmpMaxSide ||
      std::int64_t{header.width} * header.height > kBmpMaxPixels) {
    Fail("picture of " + std::to_string(header.width) + " x " + std::to_string(header.height) + " pixels is too large");
  }

  switch (header.compression) {
    case kCompressionRgb: break;
    case kCompressionBitfields:
    case kCompressionAlphaBitfields: {
      if (header.bits_per_pixel != 16 && header.bits_per_pixel != 32) Fail("bit fields need 16 or 32 bits per pixel");
      // The OS/2 header of 64 bytes gives value 3 another meaning (Huffman coding).
      if (header.size == 64) Fail("OS/2 compression is not supported");
      const int mask_count = header.compression == kCompressionAlphaBitfields ? 4 : 3;
      if (header.size == kInfoHeaderSize) {
        header.mask_bytes = static_cast<std::size_t>(mask_count) * 4;
        for (int i = 0; i < mask_count; ++i) header.masks[i] = dib.U32(kInfoHeaderSize + 4 * i);
      } else {
        for (int i = 0; i < 3; ++i) header.masks[i] = dib.U32(40 + 4 * i);
        if (header.size >= 56) header.masks[3] = dib.U32(52);
      }
      header.has_masks = true;
      break;
    }
    case kCompressionRle8:
    case kCompressionRle4: Fail("run-length compressed pictures are not supported");
    default: Fail("unsupported compression " + std::to_string(header.compression));
  }
  if (!header.has_masks && header.bits_per_pixel == 16) {
    header.masks[0] = 0x7C00;  // 5-5-5, the layout of an uncompressed 16-bit file
    header.masks[1] = 0x03E0;
    header.masks[2] = 0x001F;
    header.has_masks = true;
  }
  if (header.bits_per_pixel <= 8 && header.colors_used > (1u << header.bits_per_pixel)) {
    Fail("palette of " + std::to_string(header.colors_used) + " colours for " +
         std::to_string(header.bits_per_pixel) + " bits per pixel");
  }
  return header;
}

std::uint64_t PaletteEntries(const Header& header) {
  if (header.bits_per_pixel <= 8) return header.colors_used ? header.colors_used : (1u << header.bits_per_pixel);
  return header.colors_used;  // an optional table that pictures of more bits may carry
}

std::uint64_t FileRowBytes(const Header& header) {
  return ((std::uint64_t{static_cast<std::uint32_t>(header.width)} * header.bits_per_pixel + 31) / 32) * 4;
}

void DecodeRow(const Header& header, const std::uint8_t* source, std::uint8_t* target, const Channel (&channels)[4]) {
  const std::int32_t width = header.width;
  switch (header.bits_per_pixel) {
    case 1:
      for (std::int32_t x = 0; x < width; ++x) target[x] = (source[x / 8] >> (7 - x % 8)) & 1;
      break;
    case 4:
      for (std::int32_t x = 0; x < width; ++x) target[x] = (x % 2 == 0) ? (source[x / 2] >> 4) : (source[x / 2] & 0x0F);
      break;
    case 8:
      std::memcpy(target, source, static_cast<std::size_t>(width));
      break;
    case 16:
      for (std::int32_t x = 0; x < width; ++x) {
        const std::uint32_t pixel = source[2 * x] | (source[2 * x + 1] << 8);
        target[3 * x] = channels[2].Extract(pixel);
        target[3 * x + 1] = channels[1].Extract(pixel);
        target[3 * x + 2] = channels[0].Extract(pixel);
      }
      break;
    case 24:
      std::memcpy(target, source, static_cast<std::size_t>(width) * 3);
      break;
    case 32:
      if (!header.has_masks) {
        std::memcpy(target, source, static_cast<std::size_t>(width) * 4);
        break;
      }
      for (std::int32_t x = 0; x < width; ++x) {
        const std::uint8_t* p = source + 4 * x;
        const std::uint32_t pixel = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
        target[4 * x] = channels[2].Extract(pixel);
        target[4 * x + 1] = channels[1].Extract(pixel);
        target[4 * x + 2] = channels[0].Extract(pixel);
        target[4 * x + 3] = channels[3].Extract(pixel);
      }
      break;
  }
}

// `pixel_offset` is where the rows start within the DIB, or 0 for right after the palette.
BmpImage Decode(std::span<const std::uint8_t> bytes, std::uint64_t pixel_offset) {
  const ByteReader dib(bytes);
  const Header header = ReadHeader(dib);
  const std::uint64_t palette_offset = header.size + header.mask_bytes;
  const std::uint64_t palette_bytes = PaletteEntries(header) * header.palette_entry_size;
  dib.Require(palette_offset, palette_bytes, "palette");
  if (pixel_offset == 0) {
    pixel_offset = palette_offset + palette_bytes;
  } else if (pixel_offset < palette_offset + (header.bits_per_pixel <= 8 ? palette_bytes : 0)) {
    Fail("pixel data overlaps the header or palette");
  }
  const std::uint64_t row_bytes = FileRowBytes(header);
  dib.Require(pixel_offset, row_bytes * static_cast<std::uint64_t>(header.height), "pixel data");

  BmpImage image;
  image.width = header.width;
  image.height = header.height;
  image.bits_per_pixel = header.bits_per_pixel <= 8 ? 8 : (header.bits_per_pixel == 32 ? 32 : 24);
  if (header.bits_per_pixel <= 8) {
    const std::uint64_t entries = PaletteEntries(header);
    for (std::uint64_t i = 0; i < entries && i < kMaxPaletteEntries; ++i) {
      const std::uint8_t* entry = dib.At(static_cast<std::size_t>(palette_offset + i * header.palette_entry_size));
      image.palette[i] = {entry[0], entry[1], entry[2], 0};
    }
  }
  const Channel channels[4] = {Channel::FromMask(header.masks[0]), Channel::FromMask(header.masks[1]),
                               Channel::FromMask(header.masks[2]), Channel::FromMask(header.masks[3])};
  image.pixels.resize(image.RowBytes() * static_cast<std::size_t>(image.height));
  for (std::int32_t y = 0; y < header.height; ++y) {
    const std::int32_t target_row = header.top_down ? y : header.height - 1 - y;
    DecodeRow(header, dib.At(static_cast<std::size_t>(pixel_offset + row_bytes * static_cast<std::uint64_t>(y))),
              image.Row(target_row), channels);
  }
  return image;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::uint32_t BmpImage::ColorAt(std::int32_t x, std::int32_t y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) throw std::out_of_range("pixel outside the picture");
  const std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * static_cast<std::size_t>(bits_per_pixel / 8);
  if (bits_per_pixel == 8) {
    const BmpPaletteEntry& entry = palette[*p];
    return entry.red | (entry.green << 8) | (static_cast<std::uint32_t>(entry.blue) << 16);
  }
  return p[2] | (p[1] << 8) | (static_cast<std::uint32_t>(p[0]) << 16);
}

BmpImage DecodeBmpFile(std::span<const std::uint8_t> file) {
  const ByteReader reader(file);
  reader.Require(0, kFileHeaderSize, "file header");
  if (file[0] != 'B' || file[1] != 'M') Fail("the file does not start with \"BM\"");
  const std::uint32_t pixel_offset = reader.U32(10);
  if (pixel_offset != 0 && pixel_offset < kFileHeaderSize) Fail("pixel data overlaps the file header");
  return Decode(file.subspan(kFileHeaderSize), pixel_offset == 0 ? 0 : pixel_offset - kFileHeaderSize);
}

BmpImage DecodeDib(std::span<const std::uint8_t> dib) { return Decode(dib, 0); }

std::vector<std::uint8_t> EncodeBmpFile(const BmpImage& image) {
  if (image.bits_per_pixel != 8 && image.bits_per_pixel != 24 && image.bits_per_pixel != 32) {
    throw std::invalid_argument("a picture of 8, 24 or 32 bits per pixel is needed");
  }
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != image.RowBytes() * static_cast<std::size_t>(image.height)) {
    throw std::invalid_argument("the picture's size does not match its pixels");
  }
  const std::uint32_t palette_bytes = image.bits_per_pixel == 8 ? kMaxPaletteEntries * 4 : 0;
  const std::size_t row_bytes = (image.RowBytes() + 3) / 4 * 4;
  const std::uint32_t pixel_offset = static_cast<std::uint32_t>(kFileHeaderSize) + kInfoHeaderSize + palette_bytes;
  const std::size_t total = pixel_offset + row_bytes * static_cast<std::size_t>(image.height);

  std::vector<std::uint8_t> out;
  out.reserve(total);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, static_cast<std::uint32_t>(total));
  PutU32(out, 0);
  PutU32(out, pixel_offset);
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(image.width));
  PutU32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom-up rows
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint16_t>(image.bits_per_pixel));
  PutU32(out, kCompressionRgb);
  PutU32(out, static_cast<std::uint32_t>(row_bytes * static_cast<std::size_t>(image.height)));
  PutU32(out, 2835);  // 72 dots per inch
  PutU32(out, 2835);
  PutU32(out, image.bits_per_pixel == 8 ? kMaxPaletteEntries : 0);
  PutU32(out, 0);
  if (image.bits_per_pixel == 8) {
    for (const BmpPaletteEntry& entry : image.palette) {
      out.push_back(entry.blue);
      out.push_back(entry.green);
      out.push_back(entry.red);
      out.push_back(0);
    }
  }
  for (std::int32_t y = image.height - 1; y >= 0; --y) {
    const std::uint8_t* row = image.Row(y);
    out.insert(out.end(), row, row + image.RowBytes());
    out.insert(out.end(), row_bytes - image.RowBytes(), 0);
  }
  return out;
}
