// The file-theme values that the skinned form and its menu bar read, by key number.
#pragma once

namespace form_keys {

// Colours.
inline constexpr int kTransColor = 0;                  // SKIN2_TRANSCOLOR
inline constexpr int kFormColor = 2;                   // SKIN2_FORMCOLOR
inline constexpr int kMenuBarStartColor = 3;           // SKIN2_MENUBARSTARTCOLOR
inline constexpr int kMenuBarEndColor = 4;             // SKIN2_MENUBARENDCOLOR
inline constexpr int kTopSelectedMenuColor = 5;        // SKIN2_TOPSELECTEDMENUCOLOR
inline constexpr int kTopSelectedMenuBorderColor = 6;  // SKIN2_TOPSELECTEDMENUBORDERCOLOR
inline constexpr int kTopSelectedMenuFontColor = 7;    // SKIN2_TOPSELECTEDMENUFONTCOLOR
inline constexpr int kTopMenuFontColor = 8;            // SKIN2_TOPMENUFONTCOLOR
// Bitmaps.
inline constexpr int kLeftBorder = 5;                  // SKIN2_FORMLEFTBORDER
inline constexpr int kRightBorder = 6;                 // SKIN2_FORMRIGHTBORDER
inline constexpr int kBottomBorder1 = 7;               // SKIN2_FORMBOTTOMBORDER1 .. 3 are 7 .. 9
// Integers.
inline constexpr int kTitleRegionMinY = 5;             // SKIN2_TITLEBARREGIONMINY
inline constexpr int kTitleRegionMaxY = 6;             // SKIN2_TITLEBARREGIONMAXY
inline constexpr int kBottomRegionMinY = 7;            // SKIN2_BOTTOMREGIONMINY
inline constexpr int kBottomRegionMaxY = 8;            // SKIN2_BOTTOMREGIONMAXY
// Booleans.
inline constexpr int kBottomThreeSections = 1;         // SKIN2_BOTTOMBORDERTHREESECT
inline constexpr int kTitleNeedsRegion = 2;            // SKIN2_TITLEBARNEEDREGION
inline constexpr int kBottomNeedsRegion = 3;           // SKIN2_BOTTOMBORDERNEEDREGION

}  // namespace form_keys
