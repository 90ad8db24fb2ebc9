// Fills and lines of the skinned components: colour gradients, one-colour frames and
// fills, the menu separator line and the stretched MacOS menu backgrounds.
#pragma once

#include <windows.h>

#include "toolkit/canvas.h"
#include "toolkit/color.h"

// Horizontal lines from the top colour to the bottom colour; the first interior row
// repeats the top colour.
void FillGradientVertical(Canvas& canvas, const RECT& rect, TColor top, TColor bottom);
// Vertical lines from the left colour to the right one; the first interior column
// already carries one step.
void FillGradientHorizontal(Canvas& canvas, const RECT& rect, TColor left, TColor right);

void FrameRectColor(Canvas& canvas, const RECT& rect, TColor color);
void FillRectColor(Canvas& canvas, const RECT& rect, TColor color);

// One line at y = top + 2, leaving the left bar (or the right one, right to left) free.
void DrawMenuSeparatorLine(Canvas& canvas, const RECT& item, TColor color, bool left_to_right, int bar_width);

// The MacOS menu backgrounds: "MACOS_MENU_BAR" cut to 20 rows (item) or 12 rows
// (separator), "MACOS_MENU_SELECT" cut to 20 rows (selected item), stretched over the
// rectangle. Throws ResourceNotFoundError when the program lacks the picture.
void StretchMacMenuItem(Canvas& canvas, const RECT& rect);
void StretchMacMenuSeparator(Canvas& canvas, const RECT& rect);
void StretchMacMenuSelect(Canvas& canvas, const RECT& rect);
