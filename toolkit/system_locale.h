// Whether the system's locale writes from right to left (Arabic, Hebrew, Persian ...),
// the condition under which right-to-left controls also mirror their layout.
//
//   const bool mirrored = control.BiDiMode() == TBiDiMode::bdRightToLeft && SystemLocaleReadsRightToLeft();
#pragma once

#include <windows.h>

// Asks the locale's font signature rather than SM_MIDEASTENABLED, which some systems
// answer with 0 whatever the locale.
inline bool SystemLocaleReadsRightToLeft() {
  LOCALESIGNATURE signature{};
  const int copied = GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_FONTSIGNATURE, reinterpret_cast<LPWSTR>(&signature),
                                    sizeof signature / sizeof(WCHAR));
  // Bit 123 of the Unicode subset bits: the layout progresses horizontally from right to left.
  return copied != 0 && (signature.lsUsb[3] & (1u << 27)) != 0;
}
