// Hidden windows of the program that receive what belongs to no form.
#pragma once

#include <windows.h>

// The ticks of timers.
HWND UtilityWindow();
// The owner of pop-up menus shown without a form, and so their owner drawing.
HWND MenuOwnerWindow();
