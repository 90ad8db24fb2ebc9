// Paints one state of a control (border, fill, glow ring) as a rounded shape over what
// the frame already holds, its backdrop.
//
//   Image frame(84, 23, look.form);
//   PaintFace(frame, RoundedRect{0, 0, 84, 23, 11.5}, look.button.hover);
#pragma once

#include "tools/stylegen/image.h"
#include "tools/stylegen/shapes.h"
#include "tools/stylegen/style_look.h"

void PaintFace(Image& frame, const RoundedRect& shape, const Face& face);

// A frame filled with the title bar's colours for rows top .. top + height, so an opaque
// title button blends into the bar it sits on.
Image TitleBackdrop(const StyleLook& look, int width, int height, int top);

// Assembles frames of equal size side by side, frame 1 at the left.
Image JoinFrames(const std::vector<Image>& frames);
