// Pictures that belong to a style's set without being drawn by a component of this
// program yet: progress bar, track bar, scroll bar, check list, tabs, side channel,
// scroll buttons, combo box buttons, menu backgrounds, check mark and form tiles.
//
//   Image tiles = FormBackgroundTile(LookOf(TsuiUIStyle::MacOS));   // 8x8 pattern brush
#pragma once

#include "tools/stylegen/image.h"
#include "tools/stylegen/style_look.h"

Image ProgressBarStrip(const StyleLook& look);         // 24x14: track, fill
Image TrackBarBar(const StyleLook& look);              // 20x5 groove
Image TrackBarSlider(const StyleLook& look, bool vertical);  // 33x18 or 54x11: normal, hover, pressed
Image ScrollBarButtonStrip(const StyleLook& look);     // 64x16: up, down, left, right
Image ScrollBarTrackStrip(const StyleLook& look);      // 32x16: track, thumb
Image TabStrip(const StyleLook& look);                 // 60x22: normal, hover, selected
Image TabLine(const StyleLook& look);                  // 4x3
Image SideChannelHandle(const StyleLook& look);        // 10x30
Image SideChannelBar(const StyleLook& look);           // 4x24
Image ScrollButtonStrip(const StyleLook& look);        // 60x15: up, down, left, right
Image ComboBoxButtonStrip(const StyleLook& look);      // 51x20: normal, hover, pressed

Image MacMenuBar();      // 1x22
Image MacMenuSelect();   // 1x21
Image MenuCheckedMark(); // 16x16, white is the transparent colour
Image FormBackgroundTile(const StyleLook& look);  // 8x8
