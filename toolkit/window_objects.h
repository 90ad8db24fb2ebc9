// Which of our objects stands behind a window.
//
// The table lives in the process, not on the windows: a window property costs a round
// trip to the window server under Wine, and every message of every window asks. A window
// of another process is never in it, so its pointer can never be taken for ours.
#pragma once

#include <windows.h>

class TWinControl;

void RememberWindowObject(HWND window, TWinControl* control);
// Forgets the window only while it is still the control's: a window handle can be
// reused by a newer window once the older one is gone.
void ForgetWindowObject(HWND window, const TWinControl* control);
TWinControl* WindowObject(HWND window);
