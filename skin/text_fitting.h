// Fitting a caption into a width by cutting it and adding "...".
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/canvas.h"

// The text itself when it fits in `limit` pixels; otherwise the shortest prefix plus
// "..." whose width reaches the limit, or the whole text when no prefix reaches it.
// Prefixes are whole characters: a GBK double-byte character is never split.
std::string FitTextWithEllipsis(Canvas& canvas, const std::string& text, int limit);

// True when the point lies inside or on any edge of the rectangle.
bool PointInRect(const POINT& point, const RECT& rect);
