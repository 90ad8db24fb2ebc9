// A form's main menu whose drop-down items are measured and drawn in a skinned style.
// The skinned form shows its top-level items in its own menu bar.
//
//   auto* menu = new TsuiMainMenu(form);   // the form's system menu bar goes away
//   menu->SetUIStyle(TsuiUIStyle::MacOS);
//   skinned_form->SetMenu(menu);           // which sets menu->SetMenuForm(skinned_form)
#pragma once

#include <memory>
#include <string>

#include "controls/skin_menu_look.h"
#include "toolkit/image_list.h"
#include "toolkit/menu.h"

class TsuiFileTheme;
class TsuiMenuForm;

class TsuiMainMenu : public TMainMenu, public SkinMenuLook {
 public:
  explicit TsuiMainMenu(TComponent* owner);

  std::string_view ClassName() const override { return "TsuiMainMenu"; }
  const ::ClassInfo& ClassInfo() const override;

  // Re-derives bar width, heights and colours from the style (or the file theme).
  void SetUIStyle(TsuiUIStyle style);
  void SetFileTheme(TsuiFileTheme* theme);

  void SetMenuItemHeight(int height) { style_.menu_item_height = height; }
  void SetSeparatorHeight(int height);  // kept at the style's while MacOS
  // The menu bar of the `MenuForm` follows.
  void SetUseSystemFont(bool on);
  // Always owner-drawn.
  bool OwnerDraw() const { return true; }
  void SetOwnerDraw(bool) {}

  // The user's pictures, or none while the menu's own check mark list stands in.
  const ImageList* Images() const;
  // None gives the menu its own list again.
  void SetImages(const ImageList* images);
  const ImageList& InternalImages() const { return internal_images_; }

  TsuiMenuForm* MenuForm() const { return menu_form_; }
  void SetMenuForm(TsuiMenuForm* form) { menu_form_ = form; }

  // Every item of the menu, at any depth, gets this menu's two handlers.
  void HookAllItems();
  void MeasureSkinMenuItem(TComponent* sender, Canvas& canvas, int& width, int& height);
  void DrawSkinMenuItem(TComponent* sender, Canvas& canvas, RECT rect, bool selected);

  void Loaded() override;
  void Notification(TComponent* component, Operation operation) override;

 protected:
  void MenuChanged(TMenuItem* source, bool rebuild) override;

 private:
  ImageList internal_images_{16, 16};
  TsuiMenuForm* menu_form_ = nullptr;
  std::shared_ptr<TsuiMainMenu*> self_ = std::make_shared<TsuiMainMenu*>(this);
};
