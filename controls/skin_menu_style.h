// The look that both owner-drawn menus share: heights, bar, colours and font of their
// items, and the style and file theme these are taken from.
//
//   SkinMenuStyle style;                      // the values a new menu starts with
//   style.ApplyUIStyle(TsuiUIStyle::MacOS);   // heights, bar width and colours of MacOS
#pragma once

#include <string>

#include "skin/ui_style.h"
#include "toolkit/color.h"
#include "toolkit/font.h"

class TsuiFileTheme;

struct SkinMenuStyle {
  TsuiUIStyle ui_style = TsuiUIStyle::DeepBlue;
  int menu_item_height = 21;
  int separator_height = 21;
  TColor bar_color = clBtnFace;
  TColor bar_to_color = clBtnFace;
  int bar_width = 0;
  TColor color = clWhite;
  TColor separator_color = clGray;
  TColor selected_border_color = clHighlight;
  TColor selected_color = clHighlight;
  TColor selected_font_color = clWhite;
  TColor font_color = clWhite;
  TColor border_color = clBlack;
  bool flat_menu = false;
  std::string font_name = "MS Sans Serif";
  int font_size = 8;
  TFontCharset font_charset = DEFAULT_CHARSET;
  bool use_system_font = true;
  TsuiFileTheme* file_theme = nullptr;

  // Stores the style and derives bar width, heights and colours from it (from the file
  // theme when that is the style's source); border, frame and font stay.
  void ApplyUIStyle(TsuiUIStyle style);
};
