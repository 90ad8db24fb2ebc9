// The built-in style table: 48 numbered elements per built-in style, each a bitmap
// resource name, a colour (0x00BBGGRR), an integer or a boolean.
//
//   std::uint32_t border = GetBuiltInColor(TsuiUIStyle::WinXP, kFormBorderColor);
//   std::string_view face = GetBuiltInBitmapName(TsuiUIStyle::MacOS, kButtonImage);  // "MACOS_BUTTON"
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/ui_style.h"

enum class BuiltInKind : std::uint8_t { Integer = 0, Colour = 1, Bitmap = 2, Boolean = 3 };

struct BuiltInEntry {
  std::int32_t value;        // the integer, colour or boolean; 0 for a bitmap, -1 when not found
  BuiltInKind kind;
  const char* resourceName;  // zero-terminated bitmap resource name; "" unless a named bitmap
};

inline constexpr int kBuiltInElementCount = 48;

// Element numbers that the components read by name.
inline constexpr int kButtonImage = 1;
inline constexpr int kButtonTransparent = 2;
inline constexpr int kCheckBoxImage = 3;
inline constexpr int kRadioButtonImage = 4;
inline constexpr int kTitleButtonsImage = 5;
inline constexpr int kTitleButtonsTransparent = 6;
inline constexpr int kTitleLeftButtonOffsetX = 7;
inline constexpr int kTitleRightButtonOffsetX = 8;
inline constexpr int kTitleButtonTop = 9;
inline constexpr int kTitleLeftImage = 10;
inline constexpr int kTitleClientImage = 11;
inline constexpr int kTitleRightImage = 12;
inline constexpr int kFormMinWidth = 13;
inline constexpr int kFormRoundCorner = 14;
inline constexpr int kFormColor = 15;
inline constexpr int kFormBorderColor = 16;
inline constexpr int kFormBorderWidth = 17;
inline constexpr int kMenuSelectedBorderColor = 18;
inline constexpr int kMenuSelectedColor = 19;
inline constexpr int kMenuSelectedFontColor = 20;
inline constexpr int kMenuItemColor = 21;
inline constexpr int kMenuFontColor = 22;
inline constexpr int kMenuLeftBarColor = 23;
inline constexpr int kProgressBarImage = 24;
inline constexpr int kControlBorderColor = 25;

// Only the low seven bits of the style byte count. A style outside MacOS..BlueGlass, and
// an element number outside 1..48, give value -1 and kind Integer.
BuiltInEntry LookupBuiltInEntry(std::uint8_t style, int element);
BuiltInEntry LookupBuiltInEntry(TsuiUIStyle style, int element);

std::uint32_t GetBuiltInColor(std::uint8_t style, int element);   // 0 unless a colour
std::int32_t GetBuiltInInteger(std::uint8_t style, int element);  // -1 unless an integer
bool GetBuiltInBoolean(std::uint8_t style, int element);          // false unless a boolean
std::uint32_t GetBuiltInColor(TsuiUIStyle style, int element);
std::int32_t GetBuiltInInteger(TsuiUIStyle style, int element);
bool GetBuiltInBoolean(TsuiUIStyle style, int element);

// The resource name of a bitmap element; empty when the element is no bitmap or names none.
std::string_view GetBuiltInBitmapName(std::uint8_t style, int element);
std::string_view GetBuiltInBitmapName(TsuiUIStyle style, int element);
