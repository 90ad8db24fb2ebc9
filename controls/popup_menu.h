// A pop-up menu whose items are measured and drawn in a skinned style.
//
//   auto* menu = new TsuiPopupMenu(form);         // starts in the form's style
//   menu->SetUIStyle(TsuiUIStyle::MacOS);
//   auto* item = new TMenuItem(form);  item->SetCaption("关闭(&C)");  menu->Items().Add(item);
//   menu->Popup(x, y);
#pragma once

#include <memory>
#include <string>

#include "controls/skin_menu_style.h"
#include "toolkit/image_list.h"
#include "toolkit/menu.h"

class TsuiFileTheme;

// The check mark of every skinned pop-up menu, made on first use and kept until the
// program ends.
const ImageList& CheckMarkImages();

class TsuiPopupMenu : public TPopupMenu {
 public:
  explicit TsuiPopupMenu(TComponent* owner);

  std::string_view ClassName() const override { return "TsuiPopupMenu"; }
  const ::ClassInfo& ClassInfo() const override;

  TsuiUIStyle UIStyle() const { return style_.ui_style; }
  // Re-derives bar width, heights and colours from the style (or the file theme).
  void SetUIStyle(TsuiUIStyle style);
  TsuiFileTheme* FileTheme() const { return style_.file_theme; }
  void SetFileTheme(TsuiFileTheme* theme);

  int MenuItemHeight() const { return style_.menu_item_height; }
  void SetMenuItemHeight(int height);  // kept at the style's while MacOS
  int SeparatorHeight() const { return style_.separator_height; }
  void SetSeparatorHeight(int height);  // kept at the style's while MacOS
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
  void SetUseSystemFont(bool on) { style_.use_system_font = on; }
  // Always owner-drawn.
  bool OwnerDraw() const { return true; }
  void SetOwnerDraw(bool) {}

  // Every item of the menu, at any depth, gets this menu's two handlers.
  void HookAllItems();
  void MeasureSkinMenuItem(TComponent* sender, Canvas& canvas, int& width, int& height);
  void DrawSkinMenuItem(TComponent* sender, Canvas& canvas, RECT rect, bool selected);

  void Loaded() override;
  void Notification(TComponent* component, Operation operation) override;

 protected:
  void MenuChanged(TMenuItem* source, bool rebuild) override;

 private:
  SkinMenuStyle style_;
  std::shared_ptr<TsuiPopupMenu*> self_ = std::make_shared<TsuiPopupMenu*>(this);
};
