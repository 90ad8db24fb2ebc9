// Pictures of the built-in styles, loaded from the program's named bitmap resources.
//
//   Bitmap face;
//   GetBuiltInBitmap(TsuiUIStyle::WinXP, kCheckBoxImage, &face, 2, 4);   // 13x13, unchecked
//   LoadBuiltInBitmap(TsuiUIStyle::MacOS, kTitleLeftImage, &section);    // the whole picture
#pragma once

#include "skin/builtin_style_table.h"
#include "toolkit/bitmap.h"

// Replaces the destination's contents with the element's resource. A null destination,
// an element that is no bitmap, or one that names no resource leaves it untouched.
// Throws ResourceNotFoundError when the program lacks the named picture.
void LoadBuiltInBitmap(TsuiUIStyle style, int element, Bitmap* destination);

// Frame `frame_index` (from 1) of `frame_count` out of the element's strip; a frame count
// of 0 takes the whole picture. When the element is no bitmap the destination ends up
// 0 by 0 pixels (frame count above 0) or untouched (frame count 0).
void GetBuiltInBitmap(TsuiUIStyle style, int element, Bitmap* destination, int frame_index, int frame_count);
