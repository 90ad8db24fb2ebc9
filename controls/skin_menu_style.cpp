#include "controls/skin_menu_style.h"

#include "skin/builtin_style_table.h"
#include "skin/file_theme.h"
#include "skin/style_resolution.h"

namespace {

// Colour keys of a skin file's menu look.
constexpr int kThemeLeftBarStartColor = 9;
constexpr int kThemeLeftBarEndColor = 10;
constexpr int kThemeMenuItemColor = 11;
constexpr int kThemeMenuItemFontColor = 12;
constexpr int kThemeSelectedMenuColor = 13;
constexpr int kThemeSelectedMenuBorderColor = 14;
constexpr int kThemeSelectedMenuFontColor = 15;

constexpr int kMacItemHeight = 20;
constexpr int kMacSeparatorHeight = 12;
constexpr int kItemHeight = 21;
constexpr int kSeparatorHeight = 5;
constexpr TColor kSeparatorLineColor = 0x848284;
constexpr int kStyleBarWidth = 26;

}  // namespace

void SkinMenuStyle::ApplyUIStyle(TsuiUIStyle style) {
  ui_style = style;
  bar_width = kStyleBarWidth;
  if (style == TsuiUIStyle::MacOS) {
    menu_item_height = kMacItemHeight;
    separator_height = kMacSeparatorHeight;
    separator_color = clBlack;
  } else {
    menu_item_height = kItemHeight;
    separator_height = kSeparatorHeight;
    separator_color = kSeparatorLineColor;
  }
  TsuiUIStyle effective;
  if (ResolveUIStyle(file_theme, style, effective)) {
    bar_color = file_theme->GetColor(kThemeLeftBarStartColor);
    bar_to_color = file_theme->GetColor(kThemeLeftBarEndColor);
    color = file_theme->GetColor(kThemeMenuItemColor);
    font_color = file_theme->GetColor(kThemeMenuItemFontColor);
    selected_border_color = file_theme->GetColor(kThemeSelectedMenuBorderColor);
    selected_color = file_theme->GetColor(kThemeSelectedMenuColor);
    selected_font_color = file_theme->GetColor(kThemeSelectedMenuFontColor);
  } else {
    bar_color = GetBuiltInColor(effective, kMenuLeftBarColor);
    bar_to_color = bar_color;
    color = GetBuiltInColor(effective, kMenuItemColor);
    font_color = GetBuiltInColor(effective, kMenuFontColor);
    selected_border_color = GetBuiltInColor(effective, kMenuSelectedBorderColor);
    selected_color = GetBuiltInColor(effective, kMenuSelectedColor);
    selected_font_color = GetBuiltInColor(effective, kMenuSelectedFontColor);
  }
}
