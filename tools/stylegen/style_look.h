// The colours, shapes and picture sizes that make one built-in style look like itself.
//
//   const StyleLook& mac = LookOf(TsuiUIStyle::MacOS);
//   Rgb face = mac.button.normal.fill.At(0.3);
#pragma once

#include <array>
#include <optional>
#include <string>

#include "skin/ui_style.h"
#include "tools/stylegen/gradient.h"

struct Size {
  int width, height;
};

// One state of a drawn control: a vertical fill inside a one-pixel border, an optional
// inner glow ring, and the colour of the symbol on top.
struct Face {
  Gradient fill;
  Rgb border;
  std::optional<Rgb> ring;
  Rgb glyph;
};

struct FaceStates {
  Face normal, hover, pressed;
};

struct BoxLook {
  Face enabled, disabled;  // `glyph` is the check mark colour
  double radius;
};

struct StyleLook {
  TsuiUIStyle style;
  std::string prefix;  // resource name prefix, e.g. "MACOS_"
  Rgb form;            // the style's form colour, behind opaque controls

  Gradient title;      // vertical ramp of the title bar
  Rgb titleTopLine;    // highlight along the title bar's top edge
  Rgb titleBottomLine;
  Size titleLeft, titleClient, titleRight;
  int regionCorner;    // top corner size of the window region; 0 for square corners

  FaceStates button;
  Size buttonFrame;
  double buttonRadius;
  bool buttonKeyed;    // the style draws its button faces with magenta as transparent colour

  BoxLook box;
  Size checkFrame, radioFrame;

  FaceStates titleButton;
  FaceStates closeButton;  // the close button warns in a warmer colour when hovered
  int titleButtonSize;
  int titleButtonTop;      // element 9: where the buttons sit in the title bar
  double titleButtonRadius;
  bool titleButtonsKeyed;  // element 6: keyed by the picture's bottom-left pixel
};

const StyleLook& LookOf(TsuiUIStyle style);

inline constexpr std::array<TsuiUIStyle, 5> kBuiltInStyles{
    TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
    TsuiUIStyle::BlueGlass};
