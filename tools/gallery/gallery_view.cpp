#include "tools/gallery/gallery_view.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "skin/builtin_bitmaps.h"
#include "skin/file_theme_keys.h"
#include "skin/fill_drawing.h"

namespace {

constexpr int kMargin = 6;
constexpr int kLabelHeight = 13;
constexpr int kCellGap = 6;
constexpr TColor kBackground = RGBColor(236, 236, 236);
constexpr TColor kHeading = RGBColor(0, 51, 153);
constexpr TColor kCellFrame = RGBColor(190, 190, 190);

constexpr int kBitmapElements[] = {1, 3, 4, 5, 10, 11, 12, 24, 28, 29, 30, 32, 33, 34, 38, 39, 40, 41, 42};
constexpr const char* kSharedPictures[] = {"MACOS_MENU_BAR",        "MACOS_MENU_SELECT",      "MENU_CHECKED",
                                           "MACOS_COMBOBOX_BUTTON", "WINXP_COMBOBOX_BUTTON",  "MACOS_FORM_BACKGROUND",
                                           "PROTEIN_FORM_BACKGROUND"};
constexpr TsuiUIStyle kStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                   TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};

// Places labelled cells left to right and starts a new row when one would not fit.
class FlowLayout {
 public:
  FlowLayout(Canvas& canvas, int width) : canvas_(canvas), width_(width), y_(kMargin) {}

  void Heading(const std::string& text) {
    NewRow();
    canvas_.Font().SetBold(true);
    canvas_.Font().SetColor(kHeading);
    Text(kMargin, y_, text);
    canvas_.Font().SetBold(false);
    canvas_.Font().SetColor(clBlack);
    y_ += kLabelHeight + 4;
  }

  void Picture(const std::string& label, const Bitmap& picture) {
    const int text_width = canvas_.TextWidth(label);
    const int cell_width = std::max(text_width, picture.Width() + 2);
    const int cell_height = kLabelHeight + picture.Height() + 2;
    const POINT at = Place(cell_width, cell_height);
    Text(at.x, at.y, label);
    FrameRectColor(canvas_, {at.x, at.y + kLabelHeight, at.x + picture.Width() + 2,
                             at.y + kLabelHeight + picture.Height() + 2}, kCellFrame);
    canvas_.Draw(at.x + 1, at.y + kLabelHeight + 1, picture);
  }

  void Swatch(const std::string& label, TColor color) {
    const int cell_width = std::max(canvas_.TextWidth(label), 40);
    const POINT at = Place(cell_width, kLabelHeight + 16);
    Text(at.x, at.y, label);
    FillRectColor(canvas_, {at.x, at.y + kLabelHeight, at.x + 40, at.y + kLabelHeight + 16}, color);
    FrameRectColor(canvas_, {at.x, at.y + kLabelHeight, at.x + 40, at.y + kLabelHeight + 16}, kCellFrame);
  }

  void NewRow() {
    if (x_ > kMargin) y_ += row_height_ + kCellGap;
    x_ = kMargin;
    row_height_ = 0;
  }

 private:
  // The fills between the labels leave a solid brush behind; labels go on the background.
  void Text(int x, int y, const std::string& text) {
    canvas_.Brush().SetStyle(BrushStyle::bsClear);
    canvas_.TextOut(x, y, text);
  }

  POINT Place(int width, int height) {
    if (x_ > kMargin && x_ + width > width_ - kMargin) NewRow();
    const POINT at{x_, y_};
    x_ += width + kCellGap;
    row_height_ = std::max(row_height_, height);
    return at;
  }

  Canvas& canvas_;
  int width_;
  int x_ = kMargin;
  int y_;
  int row_height_ = 0;
};

// The heading names the style already, so "MACOS_BUTTON" is shown as "BUTTON".
std::string ShortName(TsuiUIStyle style, std::string_view name) {
  std::string prefix(UIStyleIdentifier(style));
  for (char& c : prefix) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  prefix += '_';
  return std::string(name.substr(0, prefix.size()) == prefix ? name.substr(prefix.size()) : name);
}

std::string SizeText(const Bitmap& picture) {
  return std::to_string(picture.Width()) + "x" + std::to_string(picture.Height());
}

}  // namespace

GalleryView::GalleryView(TComponent* owner, TsuiFileTheme* theme) : TCustomControl(owner), theme_(theme) {}

void GalleryView::Resize() {
  Render();
  Invalidate();
  TCustomControl::Resize();
}

void GalleryView::Render() {
  if (Width() <= 0 || Height() <= 0) return;
  buffer_.SetSize(Width(), Height());
  ::Canvas& canvas = buffer_.Canvas();
  FillRectColor(canvas, {0, 0, Width(), Height()}, kBackground);
  canvas.Font().SetName("Tahoma");
  canvas.Font().SetHeight(-11);
  FlowLayout layout(canvas, Width());
  for (const TsuiUIStyle style : kStyles) {
    layout.Heading(std::string(UIStyleIdentifier(style)));
    for (const int element : kBitmapElements) {
      Bitmap picture;
      LoadBuiltInBitmap(style, element, &picture);
      layout.Picture(ShortName(style, GetBuiltInBitmapName(style, element)) + " " + SizeText(picture), picture);
    }
  }
  layout.Heading("Shared");
  for (const char* name : kSharedPictures) {
    Bitmap picture;
    picture.LoadFromResourceName(GetModuleHandleA(nullptr), name);
    layout.Picture(std::string(name) + " " + SizeText(picture), picture);
  }
  if (!theme_) return;
  layout.Heading("File theme: " + (theme_->Ready() ? theme_->ThemeFile() : std::string("not ready")));
  for (int key = 0; !ThemeBitmapKey(key).empty(); ++key) {
    if (const Bitmap* picture = theme_->GetBitmap(key))
      layout.Picture(std::string(ThemeBitmapKey(key)) + " " + SizeText(*picture), *picture);
  }
  layout.NewRow();
  for (int key = 0; !ThemeColorKey(key).empty(); ++key) {
    const TColor color = theme_->GetColor(key);
    if (color != static_cast<TColor>(-1)) layout.Swatch(std::string(ThemeColorKey(key)), color);
  }
}

void GalleryView::Paint() {
  if (buffer_.Empty()) Render();
  Canvas().Draw(0, 0, buffer_);
}
