#include <stdexcept>

#include "skin/builtin_style_table.h"
#include "tools/stylegen/style_look.h"

namespace {

// The table decides what the components read (form colour, corner, button placement and
// which pictures are keyed); the pictures follow it so the two never disagree.
void TakeTableValues(StyleLook& look) {
  look.form = FromTableColour(GetBuiltInColor(look.style, kFormColor));
  look.regionCorner = GetBuiltInInteger(look.style, kFormRoundCorner);
  look.titleButtonTop = GetBuiltInInteger(look.style, kTitleButtonTop);
  look.buttonKeyed = GetBuiltInBoolean(look.style, kButtonTransparent);
  look.titleButtonsKeyed = GetBuiltInBoolean(look.style, kTitleButtonsTransparent);
}

StyleLook MacOSLook() {
  const Gradient greyGloss{{0, Hex(0xFFFFFF)}, {0.45, Hex(0xEDEDED)}, {0.5, Hex(0xDCDCDC)}, {1, Hex(0xF7F7F7)}};
  const Gradient aquaGloss{{0, Hex(0xE8F3FF)}, {0.45, Hex(0xA9CFF5)}, {0.5, Hex(0x7DB4EE)}, {1, Hex(0xC4E2FF)}};
  const Gradient aquaDeep{{0, Hex(0xB9D6F5)}, {0.45, Hex(0x6FA4DE)}, {0.5, Hex(0x4F8BD2)}, {1, Hex(0x8DC2F2)}};
  StyleLook look{
      .style = TsuiUIStyle::MacOS,
      .prefix = "MACOS_",
      .form = {},
      .title = {{0, Hex(0xF6F6F6)}, {0.5, Hex(0xE3E3E3)}, {0.52, Hex(0xD8D8D8)}, {1, Hex(0xC9C9C9)}},
      .titleTopLine = Hex(0xFFFFFF),
      .titleBottomLine = Hex(0x8E8E8E),
      .titleLeft = {48, 23}, .titleClient = {49, 23}, .titleRight = {48, 23},
      .regionCorner = 0,
      .button = {{greyGloss, Hex(0x8C8C8C), {}, Hex(0x000000)},
                 {aquaGloss, Hex(0x4C7FB8), {}, Hex(0x000000)},
                 {aquaDeep, Hex(0x2F5F99), {}, Hex(0x000000)}},
      .buttonFrame = {84, 23}, .buttonRadius = 11.5, .buttonKeyed = false,
      .box = {{greyGloss, Hex(0x7A7A7A), {}, Hex(0x202020)},
              {Gradient(Hex(0xF2F2F2)), Hex(0xBDBDBD), {}, Hex(0xA8A8A8)}, 3.5},
      .checkFrame = {15, 17}, .radioFrame = {16, 17},
      .titleButton = {{{{0, Hex(0xFDFDFD)}, {0.5, Hex(0xDADADA)}, {1, Hex(0xF0F0F0)}}, Hex(0x8A8A8A), {}, Hex(0x4A4A4A)},
                      {aquaGloss, Hex(0x3F74B0), {}, Hex(0x123C6E)},
                      {aquaDeep, Hex(0x23508A), {}, Hex(0xFFFFFF)}},
      .closeButton = {{{{0, Hex(0xFDFDFD)}, {0.5, Hex(0xDADADA)}, {1, Hex(0xF0F0F0)}}, Hex(0x8A8A8A), {}, Hex(0x4A4A4A)},
                      {{{0, Hex(0xFFC4BC)}, {0.5, Hex(0xF0604F)}, {1, Hex(0xFFA898)}}, Hex(0xA8281E), {}, Hex(0x5A0A05)},
                      {{{0, Hex(0xE88A7E)}, {0.5, Hex(0xC2372A)}, {1, Hex(0xE8705F)}}, Hex(0x7A1810), {}, Hex(0xFFFFFF)}},
      .titleButtonSize = 17, .titleButtonTop = 0, .titleButtonRadius = 8.5, .titleButtonsKeyed = false,
  };
  return look;
}

StyleLook WinXPLook() {
  const Gradient face{{0, Hex(0xFFFFFF)}, {0.75, Hex(0xF3F2EC)}, {1, Hex(0xD8D2C6)}};
  const Gradient blue{{0, Hex(0x7DAEFF)}, {0.5, Hex(0x3C7CF0)}, {1, Hex(0x2A66E0)}};
  const Gradient red{{0, Hex(0xF5A488)}, {0.5, Hex(0xE0603A)}, {1, Hex(0xD04A24)}};
  StyleLook look{
      .style = TsuiUIStyle::WinXP,
      .prefix = "WINXP_",
      .form = {},
      .title = {{0, Hex(0x3D95FF)}, {0.12, Hex(0x0A6AF2)}, {0.5, Hex(0x0058E6)}, {0.88, Hex(0x0050D8)}, {1, Hex(0x003FB0)}},
      .titleTopLine = Hex(0x8CC0FF),
      .titleBottomLine = Hex(0x0037A0),
      .titleLeft = {35, 29}, .titleClient = {37, 29}, .titleRight = {35, 29},
      .regionCorner = 0,
      .button = {{face, Hex(0x003C74), {}, Hex(0x000000)},
                 {face, Hex(0x003C74), Hex(0xF8B330), Hex(0x000000)},
                 {{{0, Hex(0xD4D2C8)}, {0.3, Hex(0xE2E1D9)}, {1, Hex(0xF2F1EC)}}, Hex(0x003C74), {}, Hex(0x000000)}},
      .buttonFrame = {18, 21}, .buttonRadius = 3.5, .buttonKeyed = false,
      .box = {{{{0, Hex(0xDCDCD7)}, {1, Hex(0xFFFFFF)}}, Hex(0x1C5180), {}, Hex(0x21A121)},
              {Gradient(Hex(0xF4F4F0)), Hex(0xCAC8BB), {}, Hex(0xCAC8BB)}, 0},
      .checkFrame = {13, 13}, .radioFrame = {13, 13},
      .titleButton = {{blue, Hex(0xFFFFFF), {}, Hex(0xFFFFFF)},
                      {{{0, Hex(0xA8CBFF)}, {0.5, Hex(0x5A95FF)}, {1, Hex(0x4A86F5)}}, Hex(0xFFFFFF), Hex(0xFFD58A), Hex(0xFFFFFF)},
                      {{{0, Hex(0x1B47B8)}, {0.5, Hex(0x2B5FD6)}, {1, Hex(0x4178EE)}}, Hex(0xDDE8FF), {}, Hex(0xDDE8FF)}},
      .closeButton = {{red, Hex(0xFFFFFF), {}, Hex(0xFFFFFF)},
                      {{{0, Hex(0xFFC2A8)}, {0.5, Hex(0xF57E50)}, {1, Hex(0xE8683C)}}, Hex(0xFFFFFF), Hex(0xFFD58A), Hex(0xFFFFFF)},
                      {{{0, Hex(0xA8321A)}, {0.5, Hex(0xC2452A)}, {1, Hex(0xD85C3A)}}, Hex(0xF5D8CC), {}, Hex(0xF5D8CC)}},
      .titleButtonSize = 21, .titleButtonTop = 0, .titleButtonRadius = 3.5, .titleButtonsKeyed = false,
  };
  return look;
}

StyleLook DeepBlueLook() {
  StyleLook look{
      .style = TsuiUIStyle::DeepBlue,
      .prefix = "DEEPBLUE_",
      .form = {},
      .title = {{0, Hex(0x3A5291)}, {0.5, Hex(0x1E3264)}, {1, Hex(0x0E1A3C)}},
      .titleTopLine = Hex(0x7088C6),
      .titleBottomLine = Hex(0x070E22),
      .titleLeft = {97, 32}, .titleClient = {98, 32}, .titleRight = {97, 32},
      .regionCorner = 0,
      .button = {{{{0, Hex(0xF4F7FC)}, {1, Hex(0xC6D2E6)}}, Hex(0x1B2A55), {}, Hex(0x000000)},
                 {{{0, Hex(0xFFFFFF)}, {1, Hex(0xD3E4FA)}}, Hex(0x2F5BB8), Hex(0x9DBDF2), Hex(0x000000)},
                 {{{0, Hex(0xA6B7D4)}, {1, Hex(0xD2DCEC)}}, Hex(0x0E1A3C), {}, Hex(0x000000)}},
      .buttonFrame = {74, 21}, .buttonRadius = 2.5, .buttonKeyed = false,
      .box = {{{{0, Hex(0xF4F7FC)}, {1, Hex(0xCFD8E8)}}, Hex(0x1B2A55), {}, Hex(0x1B2A55)},
              {Gradient(Hex(0xEEEEEE)), Hex(0x9AA3B5), {}, Hex(0xA4ABBA)}, 0},
      .checkFrame = {13, 13}, .radioFrame = {13, 13},
      .titleButton = {{{{0, Hex(0x4A64A4)}, {1, Hex(0x22386E)}}, Hex(0x8FA6DA), {}, Hex(0xFFFFFF)},
                      {{{0, Hex(0x6A8BD6)}, {1, Hex(0x3253A0)}}, Hex(0xD2DEF8), {}, Hex(0xFFFFFF)},
                      {{{0, Hex(0x101E44)}, {1, Hex(0x2A4078)}}, Hex(0x6F88C6), {}, Hex(0xB8C8EC)}},
      .closeButton = {{{{0, Hex(0x4A64A4)}, {1, Hex(0x22386E)}}, Hex(0x8FA6DA), {}, Hex(0xFFFFFF)},
                      {{{0, Hex(0xD66A6A)}, {1, Hex(0x9A2E2E)}}, Hex(0xF4C8C8), {}, Hex(0xFFFFFF)},
                      {{{0, Hex(0x6A1818)}, {1, Hex(0x9E3030)}}, Hex(0xC87878), {}, Hex(0xF0C8C8)}},
      .titleButtonSize = 19, .titleButtonTop = 0, .titleButtonRadius = 2.5, .titleButtonsKeyed = false,
  };
  return look;
}

StyleLook ProteinLook() {
  const Gradient pearl{{0, Hex(0xFFFFFF)}, {1, Hex(0xE4E7ED)}};
  StyleLook look{
      .style = TsuiUIStyle::Protein,
      .prefix = "PROTEIN_",
      .form = {},
      .title = {{0, Hex(0xFFFFFF)}, {0.6, Hex(0xF1F3F7)}, {1, Hex(0xE3E7EE)}},
      .titleTopLine = Hex(0xFFFFFF),
      .titleBottomLine = Hex(0xC9CED8),
      .titleLeft = {441, 23}, .titleClient = {1, 23}, .titleRight = {1, 23},
      .regionCorner = 0,
      .button = {{{{0, Hex(0xFFFFFF)}, {1, Hex(0xECEEF2)}}, Hex(0xA9AEB8), {}, Hex(0x000000)},
                 {{{0, Hex(0xFFFFFF)}, {1, Hex(0xDCE8F8)}}, Hex(0x8DA9D4), {}, Hex(0x000000)},
                 {{{0, Hex(0xDADFE7)}, {1, Hex(0xF3F4F7)}}, Hex(0x8D939E), {}, Hex(0x000000)}},
      .buttonFrame = {74, 21}, .buttonRadius = 5.5, .buttonKeyed = false,
      .box = {{pearl, Hex(0xA9AEB8), {}, Hex(0x4A6FA8)},
              {Gradient(Hex(0xF6F7F9)), Hex(0xD3D6DC), {}, Hex(0xC2C7D0)}, 3},
      .checkFrame = {13, 13}, .radioFrame = {13, 13},
      .titleButton = {{pearl, Hex(0xB5BAC4), {}, Hex(0x687080)},
                      {{{0, Hex(0xFFFFFF)}, {1, Hex(0xCFE0F7)}}, Hex(0x8DA9D4), {}, Hex(0x3D5F99)},
                      {{{0, Hex(0xC4D0E4)}, {1, Hex(0xE6ECF5)}}, Hex(0x7A8CA8), {}, Hex(0x2F4A78)}},
      .closeButton = {{pearl, Hex(0xB5BAC4), {}, Hex(0x687080)},
                      {{{0, Hex(0xFFF2F0)}, {1, Hex(0xF5C6BF)}}, Hex(0xD0908A), {}, Hex(0xB0403A)},
                      {{{0, Hex(0xE8B0A8)}, {1, Hex(0xF6D8D3)}}, Hex(0xB06A62), {}, Hex(0x8A2A24)}},
      .titleButtonSize = 19, .titleButtonTop = 0, .titleButtonRadius = 9.5, .titleButtonsKeyed = false,
  };
  return look;
}

StyleLook BlueGlassLook() {
  const Gradient glass{{0, Hex(0xF0F8FF)}, {0.48, Hex(0xCFE5F8)}, {0.52, Hex(0xA9CFF0)}, {1, Hex(0xD8ECFB)}};
  const Gradient bright{{0, Hex(0xF6FCFF)}, {0.48, Hex(0xD6EFFF)}, {0.52, Hex(0x8ACAF6)}, {1, Hex(0xC6EBFF)}};
  const Gradient deep{{0, Hex(0xA0C6EA)}, {0.48, Hex(0x86B5E0)}, {0.52, Hex(0x6AA0D6)}, {1, Hex(0xA4CDF0)}};
  StyleLook look{
      .style = TsuiUIStyle::BlueGlass,
      .prefix = "BLUEGLASS_",
      .form = {},
      .title = {{0, Hex(0xE6F3FC)}, {0.45, Hex(0xBCDCF4)}, {0.5, Hex(0x97C6EB)}, {1, Hex(0xCBE6F9)}},
      .titleTopLine = Hex(0xFFFFFF),
      .titleBottomLine = Hex(0x5D8AB5),
      .titleLeft = {162, 33}, .titleClient = {179, 33}, .titleRight = {101, 33},
      .regionCorner = 0,
      .button = {{glass, Hex(0x5A88B8), {}, Hex(0x000000)},
                 {bright, Hex(0x3C78B4), Hex(0xFFFFFF), Hex(0x000000)},
                 {deep, Hex(0x2E5F91), {}, Hex(0x000000)}},
      .buttonFrame = {77, 27}, .buttonRadius = 8, .buttonKeyed = false,
      .box = {{glass, Hex(0x5A88B8), {}, Hex(0x1F4E7E)},
              {Gradient(Hex(0xEDF2F7)), Hex(0xB3C4D6), {}, Hex(0xA9B8C8)}, 3},
      .checkFrame = {13, 13}, .radioFrame = {13, 13},
      .titleButton = {{glass, Hex(0x5A88B8), {}, Hex(0x1F4E7E)},
                      {bright, Hex(0x2F6DAA), Hex(0xFFFFFF), Hex(0x0E3A66)},
                      {deep, Hex(0x244F7C), {}, Hex(0xFFFFFF)}},
      .closeButton = {{glass, Hex(0x5A88B8), {}, Hex(0x1F4E7E)},
                      {{{0, Hex(0xFFE8E8)}, {0.48, Hex(0xF7B4B4)}, {0.52, Hex(0xE86A6A)}, {1, Hex(0xF8A8A8)}}, Hex(0xA83A3A), Hex(0xFFFFFF), Hex(0x5A0E0E)},
                      {{{0, Hex(0xE49090)}, {0.48, Hex(0xD46060)}, {0.52, Hex(0xBE3C3C)}, {1, Hex(0xE08080)}}, Hex(0x7E2020), {}, Hex(0xFFFFFF)}},
      .titleButtonSize = 19, .titleButtonTop = 0, .titleButtonRadius = 4.5, .titleButtonsKeyed = false,
  };
  return look;
}

StyleLook BuildLook(TsuiUIStyle style) {
  StyleLook look = [style] {
    switch (style) {
      case TsuiUIStyle::MacOS: return MacOSLook();
      case TsuiUIStyle::WinXP: return WinXPLook();
      case TsuiUIStyle::DeepBlue: return DeepBlueLook();
      case TsuiUIStyle::Protein: return ProteinLook();
      case TsuiUIStyle::BlueGlass: return BlueGlassLook();
      case TsuiUIStyle::FromThemeFile: break;
    }
    throw std::invalid_argument("only the five built-in styles have a look");
  }();
  TakeTableValues(look);
  return look;
}

}  // namespace

const StyleLook& LookOf(TsuiUIStyle style) {
  static const std::array<StyleLook, 5> looks{BuildLook(TsuiUIStyle::MacOS), BuildLook(TsuiUIStyle::WinXP),
                                              BuildLook(TsuiUIStyle::DeepBlue), BuildLook(TsuiUIStyle::Protein),
                                              BuildLook(TsuiUIStyle::BlueGlass)};
  const int index = static_cast<int>(style) - 1;
  if (index < 0 || index >= static_cast<int>(looks.size()))
    throw std::invalid_argument("only the five built-in styles have a look");
  return looks[index];
}
