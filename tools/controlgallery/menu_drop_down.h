// A picture of an open drop-down of the skinned pop-up menu: its items measured and drawn
// by the menu's own handlers into a bitmap, one item in each state a menu item has. An
// open menu is a window of its own that cannot be captured together with a page.
//
//   Bitmap drop_down = DrawMenuDropDown(form, look);
#pragma once

#include "tools/controlgallery/state_shots.h"

Bitmap DrawMenuDropDown(TComponent& owner, const Look& look);
