#include "controls/button.h"

#include "skin/builtin_style_table.h"
#include "skin/strip_drawing.h"
#include "skin/style_resolution.h"
#include "toolkit/class_registry.h"
#include "toolkit/image_list.h"
#include "toolkit/published_properties.h"

namespace {

constexpr int kThemeButtonTransparent = 5;  // SKIN2_BUTTONTRANS
constexpr int kThemeButtonFontColor = 24;   // SKIN2_BUTTONFONTCOLOR

const EnumName<TButtonLayout> kLayoutNames[] = {{"blGlyphLeft", TButtonLayout::blGlyphLeft},
                                                {"blGlyphRight", TButtonLayout::blGlyphRight},
                                                {"blGlyphTop", TButtonLayout::blGlyphTop},
                                                {"blGlyphBottom", TButtonLayout::blGlyphBottom}};

}  // namespace

TsuiButton::TsuiButton(TComponent* owner) : TsuiCustomButton(owner) {
  // The base could not reach this class's look while it was being built.
  AfterStyleChange();
}

const ClassInfo& TsuiButton::ClassInfo() const {
  static const ::ClassInfo info(
      "TsuiButton", &TsuiCustomButton::ClassInfo(),
      {PictureProperty<TsuiButton>("Glyph", &TsuiButton::SetGlyphFromBmpBytes, &TsuiButton::SetGlyphFromResource),
       EnumProperty<TsuiButton>("Layout", kLayoutNames, &TsuiButton::Layout, &TsuiButton::SetLayout),
       IntegerProperty<TsuiButton>("Spacing", &TsuiButton::Spacing, &TsuiButton::SetSpacing)});
  return info;
}

void TsuiButton::SetGlyph(const Bitmap& glyph) {
  glyph_.Assign(glyph);
  Repaint();
}

void TsuiButton::SetGlyphFromBmpBytes(std::span<const std::uint8_t> bmp_file) {
  Bitmap loaded;
  loaded.LoadFromBmpBytes(bmp_file);
  SetGlyph(loaded);
}

void TsuiButton::SetGlyphFromResource(const std::string& resource_name) {
  Bitmap loaded;
  loaded.LoadFromResourceName(GetModuleHandleA(nullptr), resource_name);
  SetGlyph(loaded);
}

void TsuiButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Repaint();
}

void TsuiButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  Repaint();
}

void TsuiButton::AfterStyleChange() {
  TsuiUIStyle effective;
  if (ResolveUIStyle(FileTheme(), UIStyle(), effective)) {
    SetTransparent(FileTheme()->GetBoolean(kThemeButtonTransparent));
    Font().SetColor(FileTheme()->GetColor(kThemeButtonFontColor));
  } else {
    SetTransparent(GetBuiltInBoolean(effective, kButtonTransparent));
    Font().SetColor(clBlack);
  }
}

void TsuiButton::PaintSkinImage(::Canvas& canvas, Bitmap& image) {
  canvas.Font().Assign(Font());
  DrawNinePartBitmap(image, canvas, ClientRect(), SkinTransparent());
  if (glyph_.Empty()) return;

  const SIZE text = canvas.TextExtent(Caption());
  int gw = glyph_.Width();
  const int gh = glyph_.Height();
  const bool two_images = gw == 2 * gh;
  if (two_images) gw = gh;
  const GlyphPlacement at = PlaceGlyph(layout_, {Width(), Height()}, {static_cast<int>(text.cx), static_cast<int>(text.cy)},
                                       {gw, gh}, spacing_);
  caption_pos_ = {at.caption.x, at.caption.y};
  int gx = at.glyph.x, gy = at.glyph.y;
  if (IsPressed()) {
    ++gx;
    ++gy;
  }
  ImageList cells(gw, gh);
  cells.AddMasked(glyph_, glyph_.Pixel(0, 0));
  if (two_images) {
    cells.Draw(canvas, gx, gy, Enabled() ? 0 : 1);
  } else {
    cells.Draw(canvas, gx, gy, 0, Enabled());
  }
}

void TsuiButton::PaintCaptionText(::Canvas& canvas, const std::string& text) {
  if (glyph_.Empty()) {
    TsuiCustomButton::PaintCaptionText(canvas, text);
    return;
  }
  canvas.Brush().SetStyle(BrushStyle::bsClear);
  canvas.Font().Assign(Font());
  if (!Enabled()) {
    canvas.Font().SetColor(clWhite);
    RECT engraving{caption_pos_.x + 1, caption_pos_.y + 1, Width(), Height()};
    canvas.DrawText(text, engraving, DT_SINGLELINE);
    canvas.Font().SetColor(clGray);
  } else if (IsPressed()) {
    ++caption_pos_.x;
    ++caption_pos_.y;
  }
  RECT line{caption_pos_.x, caption_pos_.y, Width(), Height()};
  canvas.DrawText(text, line, DT_SINGLELINE);
}

void TsuiButton::PaintFocusMark(::Canvas& canvas) {
  if (UIStyle() == TsuiUIStyle::MacOS || UIStyle() == TsuiUIStyle::BlueGlass) {
    SetBoldCaptionOnce(true);
    return;
  }
  TsuiCustomButton::PaintFocusMark(canvas);
}

void RegisterButtonClass() { RegisterComponentClass<TsuiButton>("TsuiButton"); }
