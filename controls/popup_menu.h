// A pop-up menu whose items are measured and drawn in a skinned style.
//
//   auto* menu = new TsuiPopupMenu(form);         // starts in the form's style
//   menu->SetUIStyle(TsuiUIStyle::MacOS);
//   auto* item = new TMenuItem(form);  item->SetCaption("关闭(&C)");  menu->Items().Add(item);
//   menu->Popup(x, y);
#pragma once

#include <memory>
#include <string>

#include "controls/skin_menu_look.h"
#include "toolkit/image_list.h"
#include "toolkit/menu.h"

class TsuiFileTheme;

// The check mark of every skinned pop-up menu, made on first use and kept until the
// program ends.
const ImageList& CheckMarkImages();

class TsuiPopupMenu : public TPopupMenu, public SkinMenuLook {
 public:
  explicit TsuiPopupMenu(TComponent* owner);

  std::string_view ClassName() const override { return "TsuiPopupMenu"; }
  const ::ClassInfo& ClassInfo() const override;

  // Re-derives bar width, heights and colours from the style (or the file theme).
  void SetUIStyle(TsuiUIStyle style);
  void SetFileTheme(TsuiFileTheme* theme);

  void SetMenuItemHeight(int height);  // kept at the style's while MacOS
  void SetSeparatorHeight(int height);  // kept at the style's while MacOS
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
  std::shared_ptr<TsuiPopupMenu*> self_ = std::make_shared<TsuiPopupMenu*>(this);
};
