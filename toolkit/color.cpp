#include "toolkit/color.h"

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) {
    // GetSysColor answers 0 for an unknown index, which is the black we promise.
    return GetSysColor(static_cast<int>(color & 0xFF));
  }
  return color & 0x00FFFFFF;
}
