// The face of a skinned button: the state's frame of the button strip over the background,
// the focus mark and the caption, built off-screen and copied to the window in one step.
#include <exception>
#include <string_view>

#include "controls/custom_button.h"
#include "skin/builtin_bitmaps.h"
#include "skin/style_resolution.h"
#include "skin/window_drawing.h"
#include "toolkit/display_format.h"
#include "toolkit/image_list.h"

namespace {

// The size of the blank face drawn when no frame can be had, and of the strip assumed then.
constexpr int kBlankFaceWidth = 74;
constexpr int kBlankFaceHeight = 21;
constexpr int kButtonFrameCount = 3;
constexpr int kThemeButtonBitmap = 15;  // SKIN2_BUTTON

constexpr UINT kCaptionMeasureFlags = DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK;
constexpr UINT kCaptionDrawFlags = DT_EXPANDTABS | DT_WORDBREAK;

bool IsBlank(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) > ' ') return false;
  }
  return true;
}

// The caption's word-wrapped block, centred in the rectangle.
void DrawCaptionBlock(Canvas& canvas, const std::string& text, const RECT& area) {
  RECT block = area;
  canvas.DrawText(text, block, kCaptionMeasureFlags);
  OffsetRect(&block, ((area.right - area.left) - (block.right - block.left)) / 2,
             ((area.bottom - area.top) - (block.bottom - block.top)) / 2);
  canvas.DrawText(text, block, kCaptionDrawFlags);
}

}  // namespace

void TsuiCustomButton::LoadSkinFrame(Bitmap& image, int frame) {
  TsuiUIStyle effective;
  if (ResolveUIStyle(file_theme_, ui_style_, effective)) {
    file_theme_->CopyThemeBitmap(kThemeButtonBitmap, image, frame, kButtonFrameCount);
  } else {
    GetBuiltInBitmap(effective, kButtonImage, &image, frame, kButtonFrameCount);
  }
}

void TsuiCustomButton::LoadNormalImage(Bitmap& image) { LoadSkinFrame(image, 1); }
void TsuiCustomButton::LoadHoverImage(Bitmap& image) { LoadSkinFrame(image, 2); }
void TsuiCustomButton::LoadPressedImage(Bitmap& image) { LoadSkinFrame(image, 3); }
void TsuiCustomButton::LoadDisabledImage(Bitmap& image) { LoadSkinFrame(image, 1); }

void TsuiCustomButton::LoadStateFace(Bitmap& image) {
  try {
    if (!Enabled()) {
      LoadDisabledImage(image);
    } else if (is_pressed_) {
      LoadPressedImage(image);
    } else if (is_hovered_) {
      LoadHoverImage(image);
    } else {
      LoadNormalImage(image);
    }
  } catch (const std::exception&) {
    // A missing or broken picture must not keep the button from showing its caption.
    image = Bitmap();
    image.SetSize(kBlankFaceWidth, kBlankFaceHeight);
  }
}

void TsuiCustomButton::UpdateAutoSize() {
  if (!auto_size_) return;
  Bitmap strip;
  try {
    LoadBuiltInBitmap(ui_style_, kButtonImage, &strip);
  } catch (const std::exception&) {
    strip = Bitmap();  // sized like the blank face below
  }
  const int height = strip.Height() > 0 ? strip.Height() : kBlankFaceHeight;
  const int width = strip.Width() > 0 ? strip.Width() : kBlankFaceWidth;
  SetBounds(Left(), Top(), width / kButtonFrameCount, height);
}

void TsuiCustomButton::Paint() {
  Bitmap buffer;
  const RECT client = ClientRect();
  {
    Bitmap image;
    LoadStateFace(image);
    if (skin_transparent_) image.SetTransparent(true);
    buffer.SetPixelFormat(DisplayPixelFormat());
    buffer.SetSize(Width(), Height());
    if (transparent_) {
      DrawParentBackground(buffer.Canvas(), *this);
    } else {
      buffer.Canvas().Brush().SetColor(Color());
      buffer.Canvas().FillRect(client);
    }
    PaintSkinImage(buffer.Canvas(), image);
  }
  if (Focused() && TabStop()) PaintFocusMark(buffer.Canvas());
  buffer.Canvas().Font().Assign(Font());
  Canvas().Font().Assign(Font());
  if (!IsBlank(Caption())) PaintCaptionText(buffer.Canvas(), Caption());
  Canvas().CopyRect(client, buffer.Canvas(), client);
}

void TsuiCustomButton::PaintSkinImage(::Canvas& canvas, Bitmap& image) {
  if (image.Empty()) return;
  if (!skin_transparent_ && !image.Transparent() && Enabled()) {
    // An opaque picture drawn normally is a plain copy; only masking and greying need the
    // image list.
    canvas.Draw(0, 0, image);
    return;
  }
  ImageList cells(image.Width(), image.Height());
  if (skin_transparent_) {
    cells.AddMasked(image, image.Pixel(0, 0));
  } else {
    cells.Add(image);
  }
  cells.Draw(canvas, 0, 0, 0, Enabled());
}

void TsuiCustomButton::PaintCaptionText(::Canvas& canvas, const std::string& text) {
  canvas.Brush().SetStyle(BrushStyle::bsClear);
  RECT area = ClientRect();
  canvas.Font().Assign(Font());
  if (bold_caption_once_) canvas.Font().SetBold(true);
  if (!Enabled()) {
    // Engraved: a white copy one pixel down and right under the grey one.
    OffsetRect(&area, 1, 1);
    canvas.Font().SetColor(clWhite);
    DrawCaptionBlock(canvas, text, area);
    area = ClientRect();
    canvas.Font().SetColor(clGray);
  } else if (is_pressed_) {
    OffsetRect(&area, 1, 1);
  }
  DrawCaptionBlock(canvas, text, area);
  bold_caption_once_ = false;
}

void TsuiCustomButton::PaintFocusMark(::Canvas& canvas) {
  canvas.Brush().SetStyle(BrushStyle::bsSolid);
  const int m = focused_rect_margin_;
  canvas.DrawFocusRect({m, m, ClientWidth() - m, ClientHeight() - m});
}
