#include "tools/stylegen/control_pictures.h"

#include <array>
#include <cmath>

#include "skin/builtin_style_table.h"
#include "tools/stylegen/face_painter.h"
#include "tools/stylegen/glyphs.h"
#include "tools/stylegen/shapes.h"

namespace {

Image ButtonFrame(const StyleLook& look, const Face& face) {
  const Size size = look.buttonFrame;
  Image frame(size.width, size.height, look.form);
  const RoundedRect shape{0, 0, static_cast<double>(size.width), static_cast<double>(size.height), look.buttonRadius};
  PaintFace(frame, shape, face);
  // Opaque faces keep their corners blended into the form colour: the face routine draws
  // the corners unmasked for these styles, where magenta would show.
  if (look.buttonKeyed) KeyOutsideShape(frame, shape, kMagenta);
  return frame;
}

enum class BoxShape { Square, Round };

Image BoxFrame(const StyleLook& look, Size size, BoxShape shape, bool checked, bool enabled) {
  Image frame(size.width, size.height, look.form);
  const int side = std::min(size.width, size.height);
  const double left = (size.width - side) / 2;
  const double top = (size.height - side) / 2;
  const double radius = shape == BoxShape::Round ? side / 2.0 : look.box.radius;
  const RoundedRect box{left, top, left + side, top + side, radius};
  const Face& face = enabled ? look.box.enabled : look.box.disabled;
  PaintFace(frame, box, face);
  if (!checked) return frame;
  if (shape == BoxShape::Square) {
    DrawGlyphCentred(frame, Glyph::CheckMark, static_cast<int>(left), static_cast<int>(top), side, side, face.glyph);
  } else {
    const double centreX = left + side / 2.0;
    const double centreY = top + side / 2.0;
    const double dot = side / 5.0;
    FillShape(frame, RoundedRect{centreX - dot, centreY - dot, centreX + dot, centreY + dot, dot}, face.glyph);
  }
  return frame;
}

Image BoxStrip(const StyleLook& look, Size size, BoxShape shape) {
  return JoinFrames({BoxFrame(look, size, shape, true, true), BoxFrame(look, size, shape, false, true),
                     BoxFrame(look, size, shape, true, false), BoxFrame(look, size, shape, false, false)});
}

Image TitleButtonFrame(const StyleLook& look, Glyph glyph, const Face& face, bool pressed) {
  const int size = look.titleButtonSize;
  Image frame = TitleBackdrop(look, size, size, look.titleButtonTop);
  // Round buttons sit one pixel inside their frame so the rim is not clipped flat.
  const double inset = look.titleButtonRadius * 2 >= size ? 1.0 : 0.0;
  const RoundedRect shape =
      RoundedRect{0, 0, static_cast<double>(size), static_cast<double>(size), look.titleButtonRadius}.Inset(inset);
  PaintFace(frame, shape, face);
  const int shift = pressed ? 1 : 0;  // a pressed symbol sinks by a pixel
  DrawGlyphCentred(frame, glyph, shift, shift, size, size, face.glyph);
  if (look.titleButtonsKeyed) {
    KeyOutsideShape(frame, shape, kMagenta);
    // The title bar takes the bottom-left pixel as the colour that vanishes.
    frame.Set(0, size - 1, kMagenta);
  }
  return frame;
}

}  // namespace

Image ButtonStrip(const StyleLook& look) {
  return JoinFrames({ButtonFrame(look, look.button.normal), ButtonFrame(look, look.button.hover),
                     ButtonFrame(look, look.button.pressed)});
}

Image CheckBoxStrip(const StyleLook& look) { return BoxStrip(look, look.checkFrame, BoxShape::Square); }

Image CheckListStrip(const StyleLook& look) { return BoxStrip(look, Size{13, 13}, BoxShape::Square); }

Image RadioButtonStrip(const StyleLook& look) { return BoxStrip(look, look.radioFrame, BoxShape::Round); }

Image TitleButtonStrip(const StyleLook& look) {
  constexpr std::array<Glyph, 6> kGroups{Glyph::WindowMenu, Glyph::Help,     Glyph::Maximize,
                                         Glyph::Restore,    Glyph::Minimize, Glyph::Close};
  std::vector<Image> frames;
  for (Glyph glyph : kGroups) {
    const FaceStates& faces = glyph == Glyph::Close ? look.closeButton : look.titleButton;
    frames.push_back(TitleButtonFrame(look, glyph, faces.normal, false));
    frames.push_back(TitleButtonFrame(look, glyph, faces.hover, false));
    frames.push_back(TitleButtonFrame(look, glyph, faces.pressed, true));
  }
  return JoinFrames(frames);
}

namespace {

// A soft light patch that gives the wide left sections some depth.
void AddSheen(Image& picture, const StyleLook& look) {
  const double reach = look.style == TsuiUIStyle::Protein ? 260.0 : picture.Width() * 0.9;
  const Rgb tint = look.style == TsuiUIStyle::DeepBlue ? Hex(0x5F7CC0)
                   : look.style == TsuiUIStyle::Protein ? Hex(0xC4D6F2)
                                                        : Hex(0xFFFFFF);
  const double strength = look.style == TsuiUIStyle::BlueGlass ? 0.35 : look.style == TsuiUIStyle::Protein ? 0.8 : 0.5;
  for (int y = 1; y < picture.Height() - 1; ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const double fade = 1.0 - std::min(1.0, x / reach);
      const double vertical = 1.0 - std::abs((y + 0.5) / picture.Height() - 0.35) * 1.6;
      picture.Blend(x, y, tint, strength * fade * fade * std::max(0.0, vertical));
    }
  }
}

}  // namespace

Image TitleSectionPicture(const StyleLook& look, TitleSection section) {
  const Size size = section == TitleSection::Left    ? look.titleLeft
                    : section == TitleSection::Right ? look.titleRight
                                                     : look.titleClient;
  Image picture = TitleBackdrop(look, size.width, size.height, 0);
  const bool wideLeft = section == TitleSection::Left && size.width > 60;
  if (wideLeft) AddSheen(picture, look);
  if (look.regionCorner > 0 && section != TitleSection::Client) {
    // The window region rounds the top corners; the same curve in magenta lets a region
    // cut from the picture match it.
    const double radius = look.regionCorner / 2.0;
    const double w = size.width;
    const RoundedRect corner = section == TitleSection::Left ? RoundedRect{0, 0, w * 2, size.height * 2.0, radius}
                                                             : RoundedRect{-w, 0, w, size.height * 2.0, radius};
    KeyOutsideShape(picture, corner, kMagenta);
  }
  return picture;
}
