#include "tools/stylegen/extra_pictures.h"

#include <array>

#include "tools/stylegen/face_painter.h"
#include "tools/stylegen/glyphs.h"
#include "tools/stylegen/shapes.h"

namespace {

RoundedRect Whole(int width, int height, double radius) {
  return {0, 0, static_cast<double>(width), static_cast<double>(height), radius};
}

Image FaceFrame(const StyleLook& look, int width, int height, const Face& face, double radius) {
  Image frame(width, height, look.form);
  PaintFace(frame, Whole(width, height, radius), face);
  return frame;
}

double SmallRadius(const StyleLook& look) { return std::min(look.buttonRadius, 3.0); }

Image ArrowStrip(const StyleLook& look, int size) {
  std::vector<Image> frames;
  for (Glyph arrow : {Glyph::ArrowUp, Glyph::ArrowDown, Glyph::ArrowLeft, Glyph::ArrowRight}) {
    Image frame = FaceFrame(look, size, size, look.button.normal, SmallRadius(look));
    DrawGlyphCentred(frame, arrow, 0, 0, size, size, Darker(look.box.enabled.border, 0.2));
    frames.push_back(frame);
  }
  return JoinFrames(frames);
}

Image ThreeStates(const StyleLook& look, int width, int height, double radius) {
  return JoinFrames({FaceFrame(look, width, height, look.button.normal, radius),
                     FaceFrame(look, width, height, look.button.hover, radius),
                     FaceFrame(look, width, height, look.button.pressed, radius)});
}

}  // namespace

Image ProgressBarStrip(const StyleLook& look) {
  return JoinFrames({FaceFrame(look, 12, 14, look.box.disabled, 0),
                     FaceFrame(look, 12, 14, look.button.pressed, 0)});
}

Image TrackBarBar(const StyleLook& look) { return FaceFrame(look, 20, 5, look.box.disabled, 2); }

Image TrackBarSlider(const StyleLook& look, bool vertical) {
  return vertical ? ThreeStates(look, 18, 11, 3) : ThreeStates(look, 11, 18, 3);
}

Image ScrollBarButtonStrip(const StyleLook& look) { return ArrowStrip(look, 16); }

Image ScrollBarTrackStrip(const StyleLook& look) {
  return JoinFrames({FaceFrame(look, 16, 16, look.box.disabled, 0),
                     FaceFrame(look, 16, 16, look.button.normal, SmallRadius(look))});
}

Image TabStrip(const StyleLook& look) {
  std::vector<Image> frames;
  for (const Face* face : {&look.button.normal, &look.button.hover, &look.box.enabled}) {
    Image frame(20, 22, look.form);
    // Only the top corners of a tab are round: the shape runs past the bottom edge.
    PaintFace(frame, RoundedRect{0, 0, 20, 26, SmallRadius(look)}, *face);
    frames.push_back(frame);
  }
  return JoinFrames(frames);
}

Image TabLine(const StyleLook& look) {
  Image line(4, 3, look.form);
  for (int x = 0; x < 4; ++x) line.Set(x, 0, look.box.enabled.border);
  return line;
}

Image SideChannelHandle(const StyleLook& look) {
  Image handle = FaceFrame(look, 10, 30, look.button.normal, 2);
  for (int y = 11; y <= 19; y += 4) {
    handle.Set(4, y, look.box.enabled.border);
    handle.Set(5, y, kWhite);
  }
  return handle;
}

Image SideChannelBar(const StyleLook& look) {
  Image bar(4, 24, look.form);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 4; ++x) bar.Set(x, y, look.title.AtRow(y, 24));
  return bar;
}

Image ScrollButtonStrip(const StyleLook& look) { return ArrowStrip(look, 15); }

Image ComboBoxButtonStrip(const StyleLook& look) {
  std::vector<Image> frames;
  for (const Face* face : {&look.button.normal, &look.button.hover, &look.button.pressed}) {
    Image frame = FaceFrame(look, 17, 20, *face, SmallRadius(look));
    DrawGlyphCentred(frame, Glyph::ArrowDown, 0, 0, 17, 20, Darker(face->border, 0.3));
    frames.push_back(frame);
  }
  return JoinFrames(frames);
}

namespace {

Image Column(int height, const Gradient& ramp) {
  Image column(1, height, kWhite);
  for (int y = 0; y < height; ++y) column.Set(0, y, ramp.AtRow(y, height));
  return column;
}

}  // namespace

Image MacMenuBar() {
  // The menu routines use the top 20 rows of this ramp (12 for separators).
  return Column(22, Gradient{{0, Hex(0xFBFBFB)}, {0.5, Hex(0xEEEEEE)}, {0.52, Hex(0xE6E6E6)}, {1, Hex(0xD4D4D4)}});
}

Image MacMenuSelect() {
  return Column(21, Gradient{{0, Hex(0x6FA2E0)}, {0.5, Hex(0x3C77C8)}, {0.52, Hex(0x2E68BC)}, {1, Hex(0x4A86D4)}});
}

Image MenuCheckedMark() {
  Image mark(16, 16, kWhite);
  DrawGlyphCentred(mark, Glyph::CheckMark, 0, 0, 16, 16, kBlack);
  // A second pass one pixel lower gives the mark a weight that reads at menu size.
  DrawGlyphCentred(mark, Glyph::CheckMark, 0, 1, 16, 16, kBlack);
  return mark;
}

Image FormBackgroundTile(const StyleLook& look) {
  Image tile(8, 8, look.form);
  if (look.style == TsuiUIStyle::MacOS) {
    // Fine horizontal pinstripes.
    for (int y = 0; y < 8; y += 2)
      for (int x = 0; x < 8; ++x) tile.Set(x, y, Lighter(look.form, 0.35));
  } else {
    // A faint diagonal dot grid.
    for (int i = 0; i < 8; i += 4) {
      tile.Set(i, i, Darker(look.form, 0.04));
      tile.Set((i + 4) % 8, i + 2, Darker(look.form, 0.03));
    }
  }
  return tile;
}
