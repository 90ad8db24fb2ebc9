// The accessors of the style values that both skinned menus publish alike. Each menu adds
// the setters whose effect differs: style, file theme, heights and the system font.
//
//   class TsuiPopupMenu : public TPopupMenu, public SkinMenuLook { ... };
#pragma once

#include <string>

#include "controls/skin_menu_style.h"

class SkinMenuLook {
 public:
  TsuiUIStyle UIStyle() const { return style_.ui_style; }
  TsuiFileTheme* FileTheme() const { return style_.file_theme; }
  int MenuItemHeight() const { return style_.menu_item_height; }
  int SeparatorHeight() const { return style_.separator_height; }
  TColor BarColor() const { return style_.bar_color; }
  void SetBarColor(TColor color) { style_.bar_color = color; }
  TColor BarToColor() const { return style_.bar_to_color; }
  void SetBarToColor(TColor color) { style_.bar_to_color = color; }
  int BarWidth() const { return style_.bar_width; }
  void SetBarWidth(int width) { style_.bar_width = width; }
  TColor Color() const { return style_.color; }
  void SetColor(TColor color) { style_.color = color; }
  TColor SeparatorColor() const { return style_.separator_color; }
  void SetSeparatorColor(TColor color) { style_.separator_color = color; }
  TColor SelectedBorderColor() const { return style_.selected_border_color; }
  void SetSelectedBorderColor(TColor color) { style_.selected_border_color = color; }
  TColor SelectedColor() const { return style_.selected_color; }
  void SetSelectedColor(TColor color) { style_.selected_color = color; }
  TColor SelectedFontColor() const { return style_.selected_font_color; }
  void SetSelectedFontColor(TColor color) { style_.selected_font_color = color; }
  TColor FontColor() const { return style_.font_color; }
  void SetFontColor(TColor color) { style_.font_color = color; }
  TColor BorderColor() const { return style_.border_color; }
  void SetBorderColor(TColor color) { style_.border_color = color; }
  bool FlatMenu() const { return style_.flat_menu; }
  void SetFlatMenu(bool on) { style_.flat_menu = on; }
  const std::string& FontName() const { return style_.font_name; }
  void SetFontName(const std::string& name) { style_.font_name = name; }
  int FontSize() const { return style_.font_size; }
  void SetFontSize(int points) { style_.font_size = points; }
  TFontCharset FontCharset() const { return style_.font_charset; }
  void SetFontCharset(TFontCharset charset) { style_.font_charset = charset; }
  bool UseSystemFont() const { return style_.use_system_font; }

 protected:
  SkinMenuStyle style_;
};
