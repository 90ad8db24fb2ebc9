// The display's pixel format, for off-screen pictures that are copied to it.
//
// Asking the system takes a device context of the screen, which under Wine costs several
// round trips to the window server; painting asks on every paint. The answer is kept until
// the display settings change, which every top-level form hears of and reports.
//
//   buffer.SetPixelFormat(DisplayPixelFormat());
//   case WM_DISPLAYCHANGE: ForgetDisplayPixelFormat();
#pragma once

#include "toolkit/bitmap.h"

PixelFormat DisplayPixelFormat();
void ForgetDisplayPixelFormat();
