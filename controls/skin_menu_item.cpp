#include "controls/skin_menu_item.h"

#include <algorithm>
#include <string>

#include "skin/builtin_style_table.h"
#include "skin/file_theme.h"
#include "skin/fill_drawing.h"
#include "skin/menu_setup.h"
#include "skin/style_resolution.h"
#include "skin/window_drawing.h"
#include "toolkit/bitmap.h"

namespace {

constexpr int kExtraWidth = 40;      // room for the check mark, the image and the gaps
constexpr int kCaptionIndent = 4;    // between the bar and the caption
constexpr int kShortCutMargin = 16;  // right of the shortcut, where the sub-menu arrow goes
constexpr int kImageInset = 4;       // image column from the item's near edge
constexpr int kImageColumnFromRight = 20;
constexpr int kImageTop = 3;
constexpr int kThemeFormColor = 2;
constexpr TColor kDisabledTextColor = clGray;

bool HasImage(const TMenuItem& item, const ImageList* images) {
  return images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();
}

void DrawLeftBar(const SkinMenuStyle& style, Canvas& canvas, const RECT& rect, bool left_to_right) {
  const RECT bar = left_to_right ? RECT{rect.left, rect.top, rect.left + style.bar_width, rect.bottom}
                                 : RECT{rect.right - style.bar_width, rect.top, rect.right, rect.bottom};
  if (style.bar_color == style.bar_to_color) {
    FillRectColor(canvas, bar, style.bar_color);
  } else {
    FillGradientHorizontal(canvas, bar, style.bar_color, style.bar_to_color);
  }
}

// The bar (when there is one) and the item colour beside it.
void DrawPlainBackground(const SkinMenuStyle& style, Canvas& canvas, const RECT& rect, bool left_to_right) {
  if (style.bar_width > 0) DrawLeftBar(style, canvas, rect, left_to_right);
  const RECT rest = left_to_right ? RECT{rect.left + style.bar_width, rect.top, rect.right, rect.bottom}
                                  : RECT{rect.left, rect.top, rect.right - style.bar_width, rect.bottom};
  FillRectColor(canvas, rest, style.color);
}

void DrawFlatFrame(const SkinMenuStyle& style, Canvas& canvas) {
  const HWND window = WindowFromDC(canvas.Handle());
  if (!window) return;
  TsuiUIStyle effective;
  const TColor line = ResolveUIStyle(style.file_theme, style.ui_style, effective)
                          ? style.file_theme->GetColor(kThemeFormColor)
                          : GetBuiltInColor(effective, kFormColor);
  DrawMenuShadowFrame(window, clBlack, line);
}

void DrawSeparator(const SkinMenuStyle& style, Canvas& canvas, const RECT& rect, bool left_to_right) {
  if (style.ui_style == TsuiUIStyle::MacOS) {
    StretchMacMenuSeparator(canvas, rect);
    return;
  }
  DrawPlainBackground(style, canvas, rect, left_to_right);
  DrawMenuSeparatorLine(canvas, rect, style.separator_color, left_to_right, style.bar_width);
}

void DrawBackground(const SkinMenuStyle& style, Canvas& canvas, const RECT& rect, bool highlighted,
                    bool left_to_right) {
  const bool mac = style.ui_style == TsuiUIStyle::MacOS;
  if (highlighted) {
    if (mac) {
      StretchMacMenuSelect(canvas, rect);
    } else {
      FillRectColor(canvas, rect, style.selected_color);
      FrameRectColor(canvas, rect, style.selected_border_color);
    }
  } else if (mac) {
    StretchMacMenuItem(canvas, rect);
  } else {
    DrawPlainBackground(style, canvas, rect, left_to_right);
  }
}

void SelectFont(const SkinMenuStyle& style, const TMenuItem& item, Canvas& canvas, bool selected) {
  Font& font = canvas.Font();
  if (style.use_system_font) {
    CreateMenuFont(font);
  } else {
    font.SetName(style.font_name);
    font.SetSize(style.font_size);
    font.SetCharset(style.font_charset);
  }
  font.SetBold(item.Default());
  font.SetColor(!item.Enabled() ? kDisabledTextColor : selected ? style.selected_font_color : style.font_color);
  canvas.Brush().SetStyle(BrushStyle::bsClear);
}

void DrawTexts(const SkinMenuStyle& style, const TMenuItem& item, Canvas& canvas, const RECT& rect,
               bool left_to_right) {
  // Right to left, the caption ends where the bar begins, as it starts after the bar left
  // to right: over the bar it would cover the check mark and the image.
  RECT caption = left_to_right
                     ? RECT{rect.left + style.bar_width + kCaptionIndent, rect.top, rect.right, rect.bottom}
                     : RECT{rect.left, rect.top, rect.right - style.bar_width - kCaptionIndent, rect.bottom};
  canvas.DrawText(item.Caption(), caption,
                  (left_to_right ? 0u : static_cast<UINT>(DT_RIGHT)) | DT_SINGLELINE | DT_VCENTER);
  const std::string shortcut = ShortCutToText(item.ShortCut());
  if (shortcut.empty()) return;
  const int shortcut_width = canvas.TextWidth(shortcut);
  RECT place = left_to_right ? RECT{rect.right - shortcut_width - kShortCutMargin, rect.top, rect.right, rect.bottom}
                             : RECT{rect.left + style.bar_width + kCaptionIndent, rect.top, rect.right, rect.bottom};
  canvas.DrawText(shortcut, place, DT_SINGLELINE | DT_VCENTER);
}

void DrawMarks(const SkinMenuStyle& style, const SkinMenuImages& images, const TMenuItem& item, Canvas& canvas,
               const RECT& rect, bool left_to_right) {
  const int x = left_to_right ? rect.left + kImageInset : rect.right - kImageColumnFromRight;
  const bool has_image = HasImage(item, images.images);
  if (item.Checked()) {
    if (has_image) {
      FrameRectColor(canvas, {x - 2, rect.top + 1, x + 17, rect.top + 20}, clBlack);
      FillRectColor(canvas, {x - 1, rect.top + 2, x + 16, rect.top + 19}, style.selected_color);
    } else if (images.check_marks) {
      images.check_marks->Draw(canvas, x, rect.top + kImageTop, 0, item.Enabled());
    }
  }
  if (has_image) images.images->Draw(canvas, x, rect.top + kImageTop, item.ImageIndex(), item.Enabled());
}

}  // namespace

void MeasureSkinMenuItem(const SkinMenuStyle& style, const TMenuItem& item, Canvas& canvas, int& width, int& height) {
  const SIZE caption = canvas.TextExtent(item.Caption());
  height = item.IsLine() ? style.separator_height : std::max<int>(caption.cy, style.menu_item_height);
  width = caption.cx + canvas.TextWidth(ShortCutToText(item.ShortCut())) + style.bar_width + kExtraWidth;
}

void DrawSkinMenuItem(const SkinMenuStyle& style, const SkinMenuImages& images, const TMenuItem& item, Canvas& canvas,
                      RECT rect, bool selected, bool left_to_right) {
  if (style.flat_menu) DrawFlatFrame(style, canvas);
  if (item.IsLine()) {
    DrawSeparator(style, canvas, rect, left_to_right);
    return;
  }
  // A disabled item cannot be chosen, so it never shows as chosen.
  DrawBackground(style, canvas, rect, selected && item.Enabled(), left_to_right);
  SelectFont(style, item, canvas, selected);
  DrawTexts(style, item, canvas, rect, left_to_right);
  DrawMarks(style, images, item, canvas, rect, left_to_right);
}

void AddMenuCheckMark(ImageList& list) {
  Bitmap mark;
  try {
    mark.LoadFromResourceName(GetModuleHandleA(nullptr), "MENU_CHECKED");
  } catch (const ResourceNotFoundError&) {
    return;
  }
  list.AddMasked(mark, clWhite);
}

