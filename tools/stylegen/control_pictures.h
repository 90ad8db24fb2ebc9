// The pictures the skinned controls and the title bar read from a style: push-button
// faces, check boxes, radio buttons, title buttons and the three title sections.
//
//   Image strip = ButtonStrip(LookOf(TsuiUIStyle::WinXP));   // 54x21: normal, hover, pressed
#pragma once

#include "tools/stylegen/image.h"
#include "tools/stylegen/style_look.h"

Image ButtonStrip(const StyleLook& look);
Image CheckBoxStrip(const StyleLook& look);     // checked, unchecked, checked disabled, unchecked disabled
Image CheckListStrip(const StyleLook& look);    // the check box states in 13x13 frames, 52x13
Image RadioButtonStrip(const StyleLook& look);  // the same four states
Image TitleButtonStrip(const StyleLook& look);  // menu, help, maximize, restore, minimize, close x 3 states

enum class TitleSection { Left, Client, Right };
Image TitleSectionPicture(const StyleLook& look, TitleSection section);
