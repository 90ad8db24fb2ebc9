#include "toolkit/font.h"

#include <cstring>
#include <stdexcept>

int ScreenPixelsPerInch() {
  static const int pixels_per_inch = [] {
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return pixels_per_inch;
}

Font::Font() = default;

Font::Font(const Font& other)
    : name_(other.name_), height_(other.height_), style_(other.style_), color_(other.color_), charset_(other.charset_) {}

Font& Font::operator=(const Font& other) {
  Assign(other);
  return *this;
}

Font::~Font() = default;

void Font::Assign(const Font& other) {
  if (this == &other) return;
  const bool handle_affected = name_ != other.name_ || height_ != other.height_ || style_ != other.style_ ||
                               charset_ != other.charset_;
  if (!handle_affected && color_ == other.color_) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  color_ = other.color_;
  charset_ = other.charset_;
  Changed(handle_affected);
}

void Font::SetName(const std::string& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Changed(true);
}

void Font::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed(true);
}

int Font::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void Font::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void Font::SetStyle(FontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed(true);
}

void Font::SetBold(bool on) { SetStyle(on ? (style_ | fsBold) : (style_ & ~FontStyles{fsBold})); }
void Font::SetItalic(bool on) { SetStyle(on ? (style_ | fsItalic) : (style_ & ~FontStyles{fsItalic})); }
void Font::SetUnderline(bool on) { SetStyle(on ? (style_ | fsUnderline) : (style_ & ~FontStyles{fsUnderline})); }

void Font::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed(false);
}

void Font::SetCharset(TFontCharset charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed(true);
}

void Font::SetFromLogFont(const LOGFONTA& log_font) {
  const std::string name(log_font.lfFaceName, strnlen(log_font.lfFaceName, LF_FACESIZE));
  FontStyles style = 0;
  if (log_font.lfWeight >= FW_BOLD) style |= fsBold;
  if (log_font.lfItalic) style |= fsItalic;
  if (log_font.lfUnderline) style |= fsUnderline;
  if (log_font.lfStrikeOut) style |= fsStrikeOut;
  const bool differs = (!name.empty() && name != name_) || log_font.lfHeight != height_ || style != style_ ||
                       log_font.lfCharSet != charset_;
  if (!differs) return;
  if (!name.empty()) name_ = name;
  height_ = log_font.lfHeight;
  style_ = style;
  charset_ = log_font.lfCharSet;
  Changed(true);
}

LOGFONTA Font::LogFont() const {
  LOGFONTA log_font{};
  log_font.lfHeight = height_;
  log_font.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  log_font.lfItalic = (style_ & fsItalic) ? 1 : 0;
  log_font.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
  log_font.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
  log_font.lfCharSet = charset_;
  log_font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log_font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log_font.lfQuality = DEFAULT_QUALITY;
  log_font.lfPitchAndFamily = DEFAULT_PITCH;
  // The face name field holds LF_FACESIZE bytes with its terminator; longer names are cut.
  std::strncpy(log_font.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
  return log_font;
}

HFONT Font::Handle() const {
  if (!handle_) {
    const LOGFONTA log_font = LogFont();
    handle_.Reset(CreateFontIndirectA(&log_font));
    if (!handle_) throw std::runtime_error("CreateFontIndirect failed for font \"" + name_ + "\"");
  }
  return handle_.Get();
}

void Font::Changed(bool handle_affected) {
  if (handle_affected && handle_) {
    if (before_handle_release_) before_handle_release_();
    handle_.Reset();
  }
  if (OnChange) OnChange();
}
