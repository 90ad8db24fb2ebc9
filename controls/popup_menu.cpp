#include "controls/popup_menu.h"

#include "controls/skin_menu_hooks.h"
#include "controls/skin_menu_item.h"
#include "controls/skin_menu_properties.h"
#include "skin/style_resolution.h"
#include "toolkit/system_locale.h"

const ImageList& CheckMarkImages() {
  static const ImageList marks = [] {
    ImageList list(16, 16);
    AddMenuCheckMark(list);
    return list;
  }();
  return marks;
}

TsuiPopupMenu::TsuiPopupMenu(TComponent* owner) : TPopupMenu(owner) {
  TMenu::SetOwnerDraw(true);
  SetUIStyle(GetFormUIStyle(owner));
}

const ClassInfo& TsuiPopupMenu::ClassInfo() const {
  static const ::ClassInfo info("TsuiPopupMenu", &TPopupMenu::ClassInfo(), SkinMenuProperties<TsuiPopupMenu>());
  return info;
}

void TsuiPopupMenu::SetUIStyle(TsuiUIStyle style) { style_.ApplyUIStyle(style); }

void TsuiPopupMenu::SetFileTheme(TsuiFileTheme* theme) {
  if (style_.file_theme && style_.file_theme != theme) style_.file_theme->RemoveFreeNotification(this);
  style_.file_theme = theme;
  if (theme) theme->FreeNotification(this);
  SetUIStyle(style_.ui_style);
}

void TsuiPopupMenu::SetMenuItemHeight(int height) {
  if (style_.ui_style != TsuiUIStyle::MacOS) style_.menu_item_height = height;
}

void TsuiPopupMenu::SetSeparatorHeight(int height) {
  if (style_.ui_style != TsuiUIStyle::MacOS) style_.separator_height = height;
}

void TsuiPopupMenu::HookAllItems() { HookSkinMenuItems(Items(), self_); }

void TsuiPopupMenu::MeasureSkinMenuItem(TComponent* sender, Canvas& canvas, int& width, int& height) {
  if (const auto* item = dynamic_cast<const TMenuItem*>(sender)) {
    ::MeasureSkinMenuItem(style_, *item, canvas, width, height);
  }
}

void TsuiPopupMenu::DrawSkinMenuItem(TComponent* sender, Canvas& canvas, RECT rect, bool selected) {
  const auto* item = dynamic_cast<const TMenuItem*>(sender);
  if (!item) return;
  const bool left_to_right = !(RightToLeft() && SystemLocaleReadsRightToLeft());
  ::DrawSkinMenuItem(style_, {Images(), &CheckMarkImages()}, *item, canvas, rect, selected, left_to_right);
}

void TsuiPopupMenu::Loaded() {
  TPopupMenu::Loaded();
  HookAllItems();
}

void TsuiPopupMenu::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove && component && component == style_.file_theme) {
    style_.file_theme = nullptr;
    SetUIStyle(TsuiUIStyle::DeepBlue);
  }
  TPopupMenu::Notification(component, operation);
}

void TsuiPopupMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  TPopupMenu::MenuChanged(source, rebuild);
  // Items added at run time draw like the ones the menu was loaded with.
  if (rebuild) HookAllItems();
}
