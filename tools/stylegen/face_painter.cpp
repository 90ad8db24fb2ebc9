#include "tools/stylegen/face_painter.h"

#include <stdexcept>

void PaintFace(Image& frame, const RoundedRect& shape, const Face& face) {
  FillShape(frame, shape, face.border);
  const RoundedRect inner = shape.Inset(1);
  const double innerHeight = inner.bottom - inner.top;
  FillShape(frame, inner, [&](int, int y) {
    return face.fill.At(innerHeight > 0 ? (y + 0.5 - inner.top) / innerHeight : 0.0);
  });
  if (face.ring) {
    StrokeShape(frame, inner, 1, *face.ring);
    StrokeShape(frame, inner.Inset(1), 1, Mix(*face.ring, kWhite, 0.45));
  }
}

Image TitleBackdrop(const StyleLook& look, int width, int height, int top) {
  const int titleHeight = look.titleClient.height;
  Image frame(width, height, look.form);
  for (int y = 0; y < height; ++y) {
    const int titleRow = top + y;
    Rgb colour = look.title.AtRow(titleRow, titleHeight);
    if (titleRow == 0) colour = look.titleTopLine;
    if (titleRow == titleHeight - 1) colour = look.titleBottomLine;
    for (int x = 0; x < width; ++x) frame.Set(x, y, colour);
  }
  return frame;
}

Image JoinFrames(const std::vector<Image>& frames) {
  if (frames.empty()) throw std::invalid_argument("a strip needs at least one frame");
  const int width = frames.front().Width();
  const int height = frames.front().Height();
  Image strip(width * static_cast<int>(frames.size()), height, kMagenta);
  for (size_t i = 0; i < frames.size(); ++i) {
    if (frames[i].Width() != width || frames[i].Height() != height)
      throw std::invalid_argument("the frames of a strip must have one size");
    strip.Paste(frames[i], width * static_cast<int>(i), 0);
  }
  return strip;
}
