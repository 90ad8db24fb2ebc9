// Preparing menus for owner drawing: the system's menu font, and one pair of handlers
// on a whole tree of items.
//
//   CreateMenuFont(canvas_font);
//   SetMenuOwnerDrawHandlers(menu->Items(), measure, draw);   // the root and every sub-item
#pragma once

#include "toolkit/font.h"
#include "toolkit/menu.h"

// The system's menu font and menu-text colour; the font stays as it was when the system
// does not tell its non-client metrics.
void CreateMenuFont(Font& font);

// Both handlers on the item, then on every sub-item, depth first.
void SetMenuOwnerDrawHandlers(TMenuItem& item, const TMenuMeasureItemEvent& measure, const TMenuDrawItemEvent& draw);
