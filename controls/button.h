// The skinned push button: the style's button face stretched to the control, an optional
// glyph beside the caption, and a look (transparency, caption colour, focus mark) that
// follows its style.
//
//   auto* login = new TsuiButton(form);   // takes the style of the form's skinned form
//   login->SetParent(form);
//   login->SetCaption("登陆");
//   login->SetUIStyle(TsuiUIStyle::WinXP);
//   RegisterButtonClass();                // descriptions may then create "TsuiButton"
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "controls/custom_button.h"
#include "controls/glyph_layout.h"

class TsuiButton : public TsuiCustomButton {
 public:
  explicit TsuiButton(TComponent* owner);

  std::string_view ClassName() const override { return "TsuiButton"; }
  const ::ClassInfo& ClassInfo() const override;

  // A glyph twice as wide as high holds two images: enabled left, disabled right.
  const Bitmap& Glyph() const { return glyph_; }
  void SetGlyph(const Bitmap& glyph);
  // A stored glyph: BMP file bytes, or the name of a bitmap resource. Throws (the glyph
  // unchanged) for bytes that are no BMP file and for a resource the program lacks.
  void SetGlyphFromBmpBytes(std::span<const std::uint8_t> bmp_file);
  void SetGlyphFromResource(const std::string& resource_name);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  // Where the last paint put the caption beside the glyph.
  POINT CaptionPos() const { return caption_pos_; }

 protected:
  void AfterStyleChange() override;
  void PaintSkinImage(::Canvas& canvas, Bitmap& image) override;
  void PaintCaptionText(::Canvas& canvas, const std::string& text) override;
  void PaintFocusMark(::Canvas& canvas) override;

 private:
  Bitmap glyph_;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  POINT caption_pos_{0, 0};
  int spacing_ = 4;
};

// Makes "TsuiButton" known to the description reader.
void RegisterButtonClass();
