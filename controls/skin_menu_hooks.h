// Binding a skinned menu's measure and draw handlers to a tree of menu items.
//
//   std::shared_ptr<TsuiPopupMenu*> self_ = std::make_shared<TsuiPopupMenu*>(this);
//   HookSkinMenuItems(Items(), self_);   // the root and every sub-item
#pragma once

#include <memory>

#include "skin/menu_setup.h"
#include "toolkit/menu.h"

// Items belong to their owner, not to the menu, and may outlive it: the handlers reach
// the menu through a weak pointer and do nothing once the menu is gone.
template <typename Menu>
void HookSkinMenuItems(TMenuItem& root, const std::shared_ptr<Menu*>& self) {
  const std::weak_ptr<Menu*> menu = self;
  SetMenuOwnerDrawHandlers(
      root,
      [menu](TComponent* sender, Canvas& canvas, int& width, int& height) {
        if (const auto alive = menu.lock()) (*alive)->MeasureSkinMenuItem(sender, canvas, width, height);
      },
      [menu](TComponent* sender, Canvas& canvas, RECT rect, bool selected) {
        if (const auto alive = menu.lock()) (*alive)->DrawSkinMenuItem(sender, canvas, rect, selected);
      });
}
