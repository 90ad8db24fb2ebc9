// Drawing that concerns whole windows: a control's border on its non-client area, the
// flat frame round a pop-up menu, and a parent's background under a transparent control.
//
//   DrawControlBorder(*edit, BorderColor(), Color(), true);
//   DrawParentBackground(buffer.Canvas(), *this);   // before drawing a see-through face
#pragma once

#include <windows.h>

#include "toolkit/canvas.h"
#include "toolkit/color.h"
#include "toolkit/control.h"
#include "toolkit/win_control.h"

// On the whole-window device context: a one-pixel frame round the window in the border
// colour and, when asked, one inside it in the inner colour.
void DrawControlBorder(TWinControl& control, TColor border_color, TColor inner_color, bool draw_inner);

// On the screen: the frame colour round the menu window (one row down, one column in at
// the right and bottom), white inside it, and lines of the line colour along the bottom,
// the right and the top.
void DrawMenuShadowFrame(HWND menu_window, TColor frame_color, TColor line_color);

// The parent paints its background and content into the canvas, shifted so that the
// control's area lands at the canvas origin. Nothing happens without a parent.
void DrawParentBackground(Canvas& canvas, TControl& control);
