// Drawing skinned menu items into a memory bitmap and reading its pixels back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/skin_menu_item.h"
#include "skin/fill_drawing.h"
#include "toolkit/bitmap.h"

// Never drawn by a menu: pixels that keep it were left alone.
inline constexpr TColor kUntouched = RGBColor(1, 2, 3);

// A style with distinct plain colours, so that every pixel tells what drew it.
inline SkinMenuStyle DistinctStyle() {
  SkinMenuStyle style;
  style.ui_style = TsuiUIStyle::WinXP;
  style.bar_width = 26;
  style.bar_color = RGBColor(0, 0, 200);
  style.bar_to_color = RGBColor(0, 0, 200);
  style.color = RGBColor(250, 250, 240);
  style.separator_color = RGBColor(0, 150, 0);
  style.selected_border_color = RGBColor(200, 0, 0);
  style.selected_color = RGBColor(255, 200, 100);
  style.selected_font_color = RGBColor(0, 0, 0);
  style.font_color = RGBColor(90, 0, 90);
  return style;
}

inline std::unique_ptr<TMenuItem> MakeItem(const std::string& caption) {
  auto item = std::make_unique<TMenuItem>(nullptr);
  item->SetCaption(caption);
  return item;
}

class ItemPicture {
 public:
  ItemPicture(int width, int height) {
    bitmap_.SetSize(width, height);
    FillRectColor(bitmap_.Canvas(), {0, 0, width, height}, kUntouched);
  }
  Canvas& GetCanvas() { return bitmap_.Canvas(); }
  TColor At(int x, int y) const { return bitmap_.Pixel(x, y); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  // Pixels of the colour inside [left, right) x [top, bottom).
  int Count(TColor color, int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) count += At(x, y) == color ? 1 : 0;
    return count;
  }
  // Pixels that are none of the given background colours, inside the rectangle.
  int Ink(TColor background, int left, int top, int right, int bottom) const {
    return (right - left) * (bottom - top) - Count(background, left, top, right, bottom);
  }
  // Left-most and right-most columns in [left, right) holding ink, or -1.
  int FirstInkColumn(TColor background, int left, int right) const {
    for (int x = left; x < right; ++x)
      if (Ink(background, x, 0, x + 1, Height()) > 0) return x;
    return -1;
  }
  int LastInkColumn(TColor background, int left, int right) const {
    for (int x = right - 1; x >= left; --x)
      if (Ink(background, x, 0, x + 1, Height()) > 0) return x;
    return -1;
  }

 private:
  Bitmap bitmap_;
};

// The item drawn into a fresh picture of the given size, its rectangle being the whole.
inline void DrawInto(ItemPicture& picture, const SkinMenuStyle& style, const SkinMenuImages& images,
                     const TMenuItem& item, bool selected, bool left_to_right = true) {
  DrawSkinMenuItem(style, images, item, picture.GetCanvas(), {0, 0, picture.Width(), picture.Height()}, selected,
                   left_to_right);
}
