#include "tools/stylegen/main_window_pictures.h"

#include <cmath>

#include "tools/stylegen/control_pictures.h"
#include "tools/stylegen/glyphs.h"
#include "tools/stylegen/shapes.h"
#include "tools/stylegen/style_look.h"

namespace {

constexpr int kCloseGroup = 5;     // sixth group of the title-button strip
constexpr int kMinimizeGroup = 4;  // fifth group
constexpr int kIconSize = 16;

}  // namespace

Image MainWindowButtonPicture(MainWindowButton button, ButtonState state) {
  const StyleLook& look = LookOf(TsuiUIStyle::MacOS);
  const Image strip = TitleButtonStrip(look);
  const int size = look.titleButtonSize;
  const int group = button == MainWindowButton::Close ? kCloseGroup : kMinimizeGroup;
  const int frame = group * 3 + static_cast<int>(state);
  Image picture(size, size, kMagenta);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) picture.Set(x, y, strip.At(frame * size + x, y));
  return picture;
}

IconPicture ProgramIcon() {
  // A glossy blue globe with a white up-arrow: an address kept up to date.
  const RoundedRect globe{0.5, 0.5, 15.5, 15.5, 7.5};
  const Gradient sphere{{0, Hex(0x9CCBFF)}, {0.45, Hex(0x3D86E0)}, {0.55, Hex(0x2569C4)}, {1, Hex(0x5AA6F0)}};
  IconPicture icon{Image(kIconSize, kIconSize, Hex(0x2569C4)), std::vector<std::uint8_t>(kIconSize * kIconSize, 0)};
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      const double share = Coverage(globe, x, y);
      icon.alpha[static_cast<size_t>(y) * kIconSize + x] = static_cast<std::uint8_t>(std::lround(share * 255));
      Rgb colour = sphere.AtRow(y, kIconSize);
      if (Coverage(globe.Inset(1), x, y) < 0.5) colour = Darker(colour, 0.35);
      icon.colours.Set(x, y, colour);
    }
  }
  DrawGlyphCentred(icon.colours, Glyph::ArrowUp, 0, 0, kIconSize, kIconSize, kWhite);
  for (int y = 9; y <= 12; ++y)
    for (int x = 6; x <= 8; ++x) icon.colours.Set(x, y, kWhite);
  return icon;
}
