// Measuring and drawing one owner-drawn menu item in a skinned menu's look: the left
// bar, the background or selection box, caption and shortcut, check mark and image.
//
//   MeasureSkinMenuItem(style, item, canvas, width, height);
//   DrawSkinMenuItem(style, {user_images, &check_marks}, item, canvas, rect, selected, true);
#pragma once

#include <windows.h>

#include "controls/skin_menu_style.h"
#include "toolkit/canvas.h"
#include "toolkit/image_list.h"
#include "toolkit/menu.h"

struct SkinMenuImages {
  const ImageList* images;       // the menu user's pictures, or none
  const ImageList* check_marks;  // its first cell is the check mark
};

// Text is measured in the canvas's font as it comes. A separator ("-") is as high as
// the style says; check marks and images fit in the bar width and the fixed margin.
void MeasureSkinMenuItem(const SkinMenuStyle& style, const TMenuItem& item, Canvas& canvas, int& width, int& height);

// Paints only inside `rect`, apart from the flat frame round the menu's window when the
// style asks for one.
void DrawSkinMenuItem(const SkinMenuStyle& style, const SkinMenuImages& images, const TMenuItem& item, Canvas& canvas,
                      RECT rect, bool selected, bool left_to_right);

// Adds the "MENU_CHECKED" mark with white left out; a program without the picture gets
// no cell, and checked items then show no mark.
void AddMenuCheckMark(ImageList& list);
