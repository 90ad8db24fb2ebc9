// A font description with a lazily made HFONT. Every change drops the handle (the next
// Handle() makes a new one) and then calls OnChange.
//
//   Font font;
//   font.SetName("Tahoma");
//   font.SetBold(true);
//   font.OnChange = [&] { Invalidate(); };
//   SelectObject(dc, font.Handle());
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/color.h"
#include "toolkit/gdi_handles.h"

using TFontCharset = std::uint8_t;  // DEFAULT_CHARSET, GB2312_CHARSET, ANSI_CHARSET ...

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using FontStyles = unsigned;  // a set of FontStyle bits

// Logical pixels per inch of the screen, which turns point sizes into heights.
int ScreenPixelsPerInch();

class Font {
 public:
  Font();
  Font(const Font& other);             // the description, never the handle
  Font& operator=(const Font& other);  // same as Assign
  ~Font();

  // Takes every attribute of the other font; one OnChange when anything differed.
  void Assign(const Font& other);

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);  // an empty name is ignored, as a face needs one
  // Pixels; negative is the character height, positive the cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points, derived from Height at the screen's resolution.
  int Size() const;
  void SetSize(int points);
  FontStyles Style() const { return style_; }
  void SetStyle(FontStyles style);
  bool Bold() const { return (style_ & fsBold) != 0; }
  void SetBold(bool on);
  bool Italic() const { return (style_ & fsItalic) != 0; }
  void SetItalic(bool on);
  bool Underline() const { return (style_ & fsUnderline) != 0; }
  void SetUnderline(bool on);
  TColor Color() const { return color_; }
  void SetColor(TColor color);  // the text colour; does not change the handle
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);

  // Takes face, height, weight, italic, underline, strike-out and charset, e.g. from the
  // system's menu font; the colour stays.
  void SetFromLogFont(const LOGFONTA& log_font);
  LOGFONTA LogFont() const;

  // The font's HFONT, made on first use and owned by this object. Throws
  // std::runtime_error if the system cannot make it.
  HFONT Handle() const;

  std::function<void()> OnChange;

 private:
  friend class Canvas;
  void Changed(bool handle_affected);

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  FontStyles style_ = 0;
  TColor color_ = clWindowText;
  TFontCharset charset_ = DEFAULT_CHARSET;
  mutable OwnedFont handle_;
  // A canvas that has this font selected gets it out of its device context here, before
  // the old handle is deleted.
  std::function<void()> before_handle_release_;
};
