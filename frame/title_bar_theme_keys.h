// The file-theme values that the title bar and its buttons read, by key number.
#pragma once

namespace title_bar_keys {

// Colours.
inline constexpr int kTransColor = 0;      // SKIN2_TRANSCOLOR
inline constexpr int kTitleFontColor = 1;  // SKIN2_TITLEFONTCOLOR
inline constexpr int kFormColor = 2;       // SKIN2_FORMCOLOR
// Bitmaps.
inline constexpr int kTitleBar1 = 0;       // SKIN2_TITLEBAR1 .. SKIN2_TITLEBAR5 are 0 .. 4
inline constexpr int kTitleButtons = 11;   // SKIN2_TITLEBUTTONS
// Integers.
inline constexpr int kIconPosX = 0;        // SKIN2_TITLEBARICONPOSX
inline constexpr int kIconPosY = 1;        // SKIN2_TITLEBARICONPOSY
inline constexpr int kCaptionTop = 2;      // SKIN2_TITLEBARCAPTIONTOP
inline constexpr int kButtonPosX = 3;      // SKIN2_TITLEBARBUTTONPOSX
inline constexpr int kButtonPosY = 4;      // SKIN2_TITLEBARBUTTONPOSY
// Booleans.
inline constexpr int kFiveSections = 0;    // SKIN2_TITLEFIVESECT
inline constexpr int kButtonsTransparent = 4;  // SKIN2_TITLEBTNTRANS

}  // namespace title_bar_keys
