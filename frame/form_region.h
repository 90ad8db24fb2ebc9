// Window regions of the skinned form: rounded corners for the built-in styles, or a shape
// cut out of a file theme's title and bottom pictures.
//
//   RegionLimits limits{2, 8, -1, -1};
//   BuildRegionFromBitmaps(window, &title, &bottom, 300, 200, 0xFF00FF, limits, true, true);
#pragma once

#include <windows.h>

#include "toolkit/bitmap.h"
#include "toolkit/color.h"
#include "toolkit/gdi_handles.h"

// Rows of the title picture (title_*) and of the bottom picture (bottom_*) between which
// the transparent colour is cut out; -1 where the theme gives none.
struct RegionLimits {
  int title_min = -1;
  int title_max = -1;
  int bottom_min = -1;
  int bottom_max = -1;
};

// Top corners rounded by `top_radius`, bottom corners by `bottom_radius` (-1 counts as 0),
// over a window of the given size.
OwnedRegion MakeRoundedRegion(int width, int height, int top_radius, int bottom_radius);

// The window's shape from the pictures: the opaque runs of the scanned rows of the title
// picture (with `title_flag`) and of the bottom picture (with `bottom_flag`, moved to the
// window's bottom), everything else whole. Becomes the window's region.
void BuildRegionFromBitmaps(HWND window, const Bitmap* title, const Bitmap* bottom, int width, int height,
                            TColor transparent, const RegionLimits& limits, bool bottom_flag, bool title_flag);
