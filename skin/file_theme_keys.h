// The key names under which a skin file stores a file theme's values, by kind and by the
// small key number that the skinned components ask for.
//
//   std::string_view key = ThemeColorKey(2);      // "SKIN2_FORMCOLOR"
//   ThemeIntegerKey(132) == ThemeIntegerKey(4);   // only the low seven bits count
#pragma once

#include <string_view>

// An empty view when the (masked) number has no key of that kind: no skin file stores an
// empty name, so the lookup then finds nothing.
std::string_view ThemeColorKey(int number);
std::string_view ThemeBitmapKey(int number);
std::string_view ThemeIntegerKey(int number);
std::string_view ThemeBooleanKey(int number);
