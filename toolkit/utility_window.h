// One hidden window per program that receives what belongs to no form: the ticks of
// timers and the owner drawing of pop-up menus shown without a form.
#pragma once

#include <windows.h>

HWND UtilityWindow();
