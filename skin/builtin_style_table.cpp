#include "skin/builtin_style_table.h"

#include <array>

namespace {

constexpr int kBuiltInStyleCount = 5;  // MacOS .. BlueGlass

struct TableCell {
  std::int32_t value;
  BuiltInKind kind;
  const char* resourceName;
};

constexpr TableCell Int(std::int32_t value) { return {value, BuiltInKind::Integer, ""}; }
constexpr TableCell Col(std::uint32_t colour) {
  return {static_cast<std::int32_t>(colour), BuiltInKind::Colour, ""};
}
constexpr TableCell Bool(bool value) { return {value ? 1 : 0, BuiltInKind::Boolean, ""}; }
constexpr TableCell Bmp(const char* name) { return {0, BuiltInKind::Bitmap, name}; }

using ElementRow = std::array<TableCell, kBuiltInStyleCount>;

// One line per element number, one cell per style, in the order MacOS, WinXP, DeepBlue,
// Protein, BlueGlass: laid out like this so a row can be read against the style sheet.
constexpr std::array<ElementRow, kBuiltInElementCount> kTable{{
    /*  1 */ {{Bmp("MACOS_BUTTON"), Bmp("WINXP_BUTTON"), Bmp("DEEPBLUE_BUTTON"), Bmp("PROTEIN_BUTTON"), Bmp("BLUEGLASS_BUTTON")}},
    /*  2 */ {{Bool(true), Bool(false), Bool(false), Bool(false), Bool(true)}},
    /*  3 */ {{Bmp("MACOS_CHECKBOX"), Bmp("WINXP_CHECKBOX"), Bmp("DEEPBLUE_CHECKBOX"), Bmp("PROTEIN_CHECKBOX"), Bmp("BLUEGLASS_CHECKBOX")}},
    /*  4 */ {{Bmp("MACOS_RADIOBUTTON"), Bmp("WINXP_RADIOBUTTON"), Bmp("DEEPBLUE_RADIOBUTTON"), Bmp("PROTEIN_RADIOBUTTON"), Bmp("BLUEGLASS_RADIOBUTTON")}},
    /*  5 */ {{Bmp("MACOS_TITLEBTN"), Bmp("WINXP_TITLEBTN"), Bmp("DEEPBLUE_TITLEBTN"), Bmp("PROTEIN_TITLEBTN"), Bmp("BLUEGLASS_TITLEBTN")}},
    /*  6 */ {{Bool(false), Bool(false), Bool(false), Bool(true), Bool(true)}},
    /*  7 */ {{Int(3), Int(2), Int(0), Int(0), Int(4)}},
    /*  8 */ {{Int(-2), Int(-2), Int(0), Int(0), Int(-3)}},
    /*  9 */ {{Int(4), Int(5), Int(2), Int(2), Int(6)}},
    /* 10 */ {{Bmp("MACOS_TITLE_LEFT"), Bmp("WINXP_TITLE_LEFT"), Bmp("DEEPBLUE_TITLE_LEFT"), Bmp("PROTEIN_TITLE_LEFT"), Bmp("BLUEGLASS_TITLE_LEFT")}},
    /* 11 */ {{Bmp("MACOS_TITLE_CLIENT"), Bmp("WINXP_TITLE_CLIENT"), Bmp("DEEPBLUE_TITLE_CLIENT"), Bmp("PROTEIN_TITLE_CLIENT"), Bmp("BLUEGLASS_TITLE_CLIENT")}},
    /* 12 */ {{Bmp("MACOS_TITLE_RIGHT"), Bmp("WINXP_TITLE_RIGHT"), Bmp("DEEPBLUE_TITLE_RIGHT"), Bmp("PROTEIN_TITLE_RIGHT"), Bmp("BLUEGLASS_TITLE_RIGHT")}},
    /* 13 */ {{Int(130), Int(150), Int(130), Int(130), Int(270)}},
    /* 14 */ {{Int(0), Int(13), Int(0), Int(0), Int(11)}},
    /* 15 */ {{Col(0xE7E7E7), Col(0xDEEBEF), Col(0xE8E8E8), Col(0xFBFBFB), Col(0xE7E7E7)}},
    /* 16 */ {{Col(0x7F7F7F), Col(0xC82C00), Col(0x000000), Col(0x000000), Col(0x000000)}},
    /* 17 */ {{Int(1), Int(3), Int(1), Int(1), Int(1)}},
    /* 18 */ {{Col(0xC47339), Col(0xC66931), Col(0xA04A44), Col(0xC4302D), Col(0xEC5E5E)}},
    /* 19 */ {{Col(0xC47339), Col(0xEFD3C6), Col(0xA04A44), Col(0xC4302D), Col(0xEC5E5E)}},
    /* 20 */ {{Col(0xFFFFFF), Col(0x000000), Col(0xFFFFFF), Col(0xFFFFFF), Col(0xFFFFFF)}},
    /* 21 */ {{Col(0x000000), Col(0xFFFFFF), Col(0xFFFFFF), Col(0xFFFFFF), Col(0xE7E7E7)}},
    /* 22 */ {{Col(0x000000), Col(0x000000), Col(0x000000), Col(0x000000), Col(0x000000)}},
    /* 23 */ {{Col(0x000000), Col(0xCED3D6), Col(0xCED3D6), Col(0xCED3D6), Col(0xCED3D6)}},
    /* 24 */ {{Bmp("MACOS_PROGRESSBAR"), Bmp("WINXP_PROGRESSBAR"), Bmp("DEEPBLUE_PROGRESSBAR"), Bmp("PROTEIN_PROGRESSBAR"), Bmp("BLUEGLASS_PROGRESSBAR")}},
    /* 25 */ {{Col(0x7F7F7F), Col(0x686868), Col(0x000000), Col(0x000000), Col(0x000000)}},
    /* 26 */ {{Col(0xE7E7E7), Col(0xDEEBEF), Col(0xE8E8E8), Col(0xFBFBFB), Col(0xE7E7E7)}},
    /* 27 */ {{Col(0x000000), Col(0xCF4602), Col(0x000000), Col(0x000000), Col(0x000000)}},
    /* 28 */ {{Bmp("MACOS_TRACKBAR_BAR"), Bmp("WINXP_TRACKBAR_BAR"), Bmp("DEEPBLUE_TRACKBAR_BAR"), Bmp("PROTEIN_TRACKBAR_BAR"), Bmp("BLUEGLASS_TRACKBAR_BAR")}},
    /* 29 */ {{Bmp("MACOS_TRACKBAR_SLIDER"), Bmp("WINXP_TRACKBAR_SLIDER"), Bmp("DEEPBLUE_TRACKBAR_SLIDER"), Bmp("PROTEIN_TRACKBAR_SLIDER"), Bmp("BLUEGLASS_TRACKBAR_SLIDER")}},
    /* 30 */ {{Bmp("MACOS_TRACKBAR_SLIDER_V"), Bmp("WINXP_TRACKBAR_SLIDER_V"), Bmp("DEEPBLUE_TRACKBAR_SLIDER_V"), Bmp("PROTEIN_TRACKBAR_SLIDER_V"), Bmp("BLUEGLASS_TRACKBAR_SLIDER_V")}},
    /* 31 */ {{Col(0xC9C9C9), Col(0xF9F9F9), Col(0xF5F5F5), Col(0xF5F5F5), Col(0xF4F4F4)}},
    /* 32 */ {{Bmp("MACOS_SCROLLBAR_BUTTON"), Bmp("WINXP_SCROLLBAR_BUTTON"), Bmp("DEEPBLUE_SCROLLBAR_BUTTON"), Bmp("PROTEIN_SCROLLBAR_BUTTON"), Bmp("BLUEGLASS_SCROLLBAR_BUTTON")}},
    /* 33 */ {{Bmp("MACOS_SCROLLBAR_TRACK"), Bmp("WINXP_SCROLLBAR_TRACK"), Bmp("DEEPBLUE_SCROLLBAR_TRACK"), Bmp("PROTEIN_SCROLLBAR_TRACK"), Bmp("BLUEGLASS_SCROLLBAR_TRACK")}},
    /* 34 */ {{Bmp("MACOS_CHECKLIST"), Bmp("WINXP_CHECKLIST"), Bmp("DEEPBLUE_CHECKLIST"), Bmp("PROTEIN_CHECKLIST"), Bmp("BLUEGLASS_CHECKLIST")}},
    /* 35 */ {{Col(0x474747), Col(0xC66931), Col(0x474747), Col(0x474747), Col(0x474747)}},
    /* 36 */ {{Col(0xEFEFEF), Col(0xEFD3C6), Col(0xEFEFEF), Col(0xEFEFEF), Col(0xEFEFEF)}},
    /* 37 */ {{Col(0xD8D8D8), Col(0xE1AC93), Col(0xD8D8D8), Col(0xD8D8D8), Col(0xD8D8D8)}},
    /* 38 */ {{Bmp("MACOS_SCROLLBUTTON"), Bmp("WINXP_SCROLLBUTTON"), Bmp("MORE_SCROLLBUTTON"), Bmp("MORE_SCROLLBUTTON"), Bmp("MORE_SCROLLBUTTON")}},
    /* 39 */ {{Bmp("MACOS_TAB"), Bmp("WINXP_TAB"), Bmp("DEEPBLUE_TAB"), Bmp("PROTEIN_TAB"), Bmp("BLUEGLASS_TAB")}},
    /* 40 */ {{Bmp("MACOS_TAB_LINE"), Bmp("WINXP_TAB_LINE"), Bmp("DEEPBLUE_TAB_LINE"), Bmp("PROTEIN_TAB_LINE"), Bmp("BLUEGLASS_TAB_LINE")}},
    /* 41 */ {{Bmp("MACOS_SIDECHENNEL_HANDLE"), Bmp("WINXP_SIDECHENNEL_HANDLE"), Bmp("DEEPBLUE_SIDECHENNEL_HANDLE"), Bmp("PROTEIN_SIDECHENNEL_HANDLE"), Bmp("BLUEGLASS_SIDECHENNEL_HANDLE")}},
    /* 42 */ {{Bmp("MACOS_SIDECHENNEL_BAR"), Bmp("WINXP_SIDECHENNEL_BAR"), Bmp("DEEPBLUE_SIDECHENNEL_BAR"), Bmp("PROTEIN_SIDECHENNEL_BAR"), Bmp("BLUEGLASS_SIDECHENNEL_BAR")}},
    /* 43 */ {{Bmp(""), Bmp(""), Bmp(""), Bmp(""), Bmp("")}},
    /* 44 */ {{Col(0x000000), Col(0xFFFFFF), Col(0xFFFFFF), Col(0xFFFFFF), Col(0xFFFFFF)}},
    /* 45 */ {{Bmp(""), Bmp(""), Bmp(""), Bmp(""), Bmp("")}},
    /* 46 */ {{Bmp(""), Bmp(""), Bmp(""), Bmp(""), Bmp("")}},
    /* 47 */ {{Int(0), Int(0), Int(0), Int(0), Int(0)}},
    /* 48 */ {{Col(0xE7E7E7), Col(0xDEEBEF), Col(0xE8E8E8), Col(0xFBFBFB), Col(0xE7E7E7)}},
}};

// Every cell of an element must be read the same way: the kind is a property of the
// element number, not of the style.
constexpr bool KindsAgreeAcrossStyles() {
  for (const ElementRow& row : kTable) {
    for (const TableCell& cell : row) {
      if (cell.kind != row[0].kind) return false;
    }
  }
  return true;
}
static_assert(KindsAgreeAcrossStyles());

constexpr BuiltInEntry kNotFound{-1, BuiltInKind::Integer, ""};

}  // namespace

BuiltInEntry LookupBuiltInEntry(std::uint8_t style, int element) {
  const int styleNumber = style & 0x7F;
  if (styleNumber < static_cast<int>(TsuiUIStyle::MacOS) ||
      styleNumber > static_cast<int>(TsuiUIStyle::BlueGlass)) {
    return kNotFound;
  }
  // No caller asks for an element outside 1..48; answering "not found" keeps a stray
  // number from reading beyond the table.
  if (element < 1 || element > kBuiltInElementCount) return kNotFound;
  const TableCell& cell = kTable[element - 1][styleNumber - 1];
  return {cell.value, cell.kind, cell.resourceName};
}

BuiltInEntry LookupBuiltInEntry(TsuiUIStyle style, int element) {
  return LookupBuiltInEntry(static_cast<std::uint8_t>(style), element);
}

std::uint32_t GetBuiltInColor(std::uint8_t style, int element) {
  const BuiltInEntry entry = LookupBuiltInEntry(style, element);
  return entry.kind == BuiltInKind::Colour ? static_cast<std::uint32_t>(entry.value) : 0;
}

std::int32_t GetBuiltInInteger(std::uint8_t style, int element) {
  const BuiltInEntry entry = LookupBuiltInEntry(style, element);
  return entry.kind == BuiltInKind::Integer ? entry.value : -1;
}

bool GetBuiltInBoolean(std::uint8_t style, int element) {
  const BuiltInEntry entry = LookupBuiltInEntry(style, element);
  return entry.kind == BuiltInKind::Boolean && entry.value != 0;
}

std::string_view GetBuiltInBitmapName(std::uint8_t style, int element) {
  const BuiltInEntry entry = LookupBuiltInEntry(style, element);
  return entry.kind == BuiltInKind::Bitmap ? std::string_view(entry.resourceName) : std::string_view();
}

std::uint32_t GetBuiltInColor(TsuiUIStyle style, int element) {
  return GetBuiltInColor(static_cast<std::uint8_t>(style), element);
}
std::int32_t GetBuiltInInteger(TsuiUIStyle style, int element) {
  return GetBuiltInInteger(static_cast<std::uint8_t>(style), element);
}
bool GetBuiltInBoolean(TsuiUIStyle style, int element) {
  return GetBuiltInBoolean(static_cast<std::uint8_t>(style), element);
}
std::string_view GetBuiltInBitmapName(TsuiUIStyle style, int element) {
  return GetBuiltInBitmapName(static_cast<std::uint8_t>(style), element);
}
