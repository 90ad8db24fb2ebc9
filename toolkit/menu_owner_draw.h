// Messages about menus reach a window, but concern a menu item: owner-drawn items carry
// their item object in the item data, commands carry the item's command number.
#pragma once

#include <windows.h>

#include "toolkit/message.h"

// WM_MEASUREITEM / WM_DRAWITEM of an owner-drawn menu item: handled by the item.
bool HandleMenuOwnerDraw(TMessage& message);
// WM_COMMAND from a menu: the item with that command number is clicked.
bool DispatchMenuCommand(WORD command);
// WM_MENUCHAR: owner-drawn items have no text the system could search for the access
// key, so the captions' "&" keys are matched here.
bool HandleMenuChar(TMessage& message);
