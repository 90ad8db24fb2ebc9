#include "controls/main_menu.h"

#include "controls/menu_form.h"
#include "controls/skin_menu_hooks.h"
#include "controls/skin_menu_item.h"
#include "controls/skin_menu_properties.h"
#include "skin/style_resolution.h"
#include "toolkit/form.h"
#include "toolkit/system_locale.h"

TsuiMainMenu::TsuiMainMenu(TComponent* owner) : TMainMenu(owner) {
  AddMenuCheckMark(internal_images_);
  TMenu::SetImages(&internal_images_);
  // Items of a menu with pictures are drawn by their handlers.
  TMenu::SetOwnerDraw(true);
  SetUIStyle(GetFormUIStyle(owner));
  // The skinned form shows the menu in its own bar; the system's would be a second one.
  if (auto* form = dynamic_cast<TForm*>(owner)) form->SetMenu(nullptr);
}

const ClassInfo& TsuiMainMenu::ClassInfo() const {
  static const ::ClassInfo info("TsuiMainMenu", &TMainMenu::ClassInfo(), SkinMenuProperties<TsuiMainMenu>());
  return info;
}

void TsuiMainMenu::SetUIStyle(TsuiUIStyle style) { style_.ApplyUIStyle(style); }

void TsuiMainMenu::SetFileTheme(TsuiFileTheme* theme) {
  if (style_.file_theme && style_.file_theme != theme) style_.file_theme->RemoveFreeNotification(this);
  style_.file_theme = theme;
  if (theme) theme->FreeNotification(this);
  SetUIStyle(style_.ui_style);
}

void TsuiMainMenu::SetSeparatorHeight(int height) {
  if (style_.ui_style != TsuiUIStyle::MacOS) style_.separator_height = height;
}

void TsuiMainMenu::SetUseSystemFont(bool on) {
  style_.use_system_font = on;
  if (menu_form_) menu_form_->UpdateMenuBarFont();
}

const ImageList* TsuiMainMenu::Images() const {
  const ImageList* attached = TMenu::Images();
  return attached == &internal_images_ ? nullptr : attached;
}

void TsuiMainMenu::SetImages(const ImageList* images) { TMenu::SetImages(images ? images : &internal_images_); }

void TsuiMainMenu::HookAllItems() { HookSkinMenuItems(Items(), self_); }

void TsuiMainMenu::MeasureSkinMenuItem(TComponent* sender, Canvas& canvas, int& width, int& height) {
  if (const auto* item = dynamic_cast<const TMenuItem*>(sender)) {
    ::MeasureSkinMenuItem(style_, *item, canvas, width, height);
  }
}

void TsuiMainMenu::DrawSkinMenuItem(TComponent* sender, Canvas& canvas, RECT rect, bool selected) {
  const auto* item = dynamic_cast<const TMenuItem*>(sender);
  if (!item) return;
  const bool left_to_right = !(RightToLeft() && SystemLocaleReadsRightToLeft());
  ::DrawSkinMenuItem(style_, {Images(), &internal_images_}, *item, canvas, rect, selected, left_to_right);
}

void TsuiMainMenu::Loaded() {
  TMainMenu::Loaded();
  HookAllItems();
  if (menu_form_) menu_form_->RebuildMenuBar();
}

void TsuiMainMenu::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove && component && component == style_.file_theme) {
    style_.file_theme = nullptr;
    SetUIStyle(TsuiUIStyle::DeepBlue);
  }
  TMainMenu::Notification(component, operation);
}

void TsuiMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  TMainMenu::MenuChanged(source, rebuild);
  // Items added at run time draw like the ones the menu was loaded with.
  if (rebuild) HookAllItems();
  if (menu_form_ && dynamic_cast<TForm*>(Owner())) menu_form_->SyncMenuBarItems();
}
