#include "skin/builtin_style_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "skin/ui_style.h"

namespace {

constexpr std::uint8_t kMacOS = 1, kWinXP = 2, kDeepBlue = 3, kProtein = 4, kBlueGlass = 5;

// ---------------------------------------------------------------------------------------
// Rows of the style sheet, checked cell by cell.

struct RowCase {
  const char* description;
  std::uint8_t style;
  int element;
  BuiltInKind kind;
  std::int32_t value;          // for colours the 0x00BBGGRR value
  const char* resourceName;    // for bitmaps
};

std::ostream& operator<<(std::ostream& out, const RowCase& c) {
  return out << c.description << " (style " << int(c.style) << ", element " << c.element << ")";
}

class BuiltInRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(BuiltInRowTest, EntryMatchesTheStyleSheet) {
  const RowCase& c = GetParam();
  const BuiltInEntry entry = LookupBuiltInEntry(c.style, c.element);
  EXPECT_EQ(entry.kind, c.kind);
  EXPECT_EQ(entry.value, c.value);
  EXPECT_STREQ(entry.resourceName, c.resourceName);
}

constexpr std::int32_t Colour(std::uint32_t bgr) { return static_cast<std::int32_t>(bgr); }

INSTANTIATE_TEST_SUITE_P(
    StyleSheet, BuiltInRowTest,
    testing::Values(
        RowCase{"MacOS button strip", kMacOS, 1, BuiltInKind::Bitmap, 0, "MACOS_BUTTON"},
        RowCase{"BlueGlass button strip", kBlueGlass, 1, BuiltInKind::Bitmap, 0, "BLUEGLASS_BUTTON"},
        RowCase{"MacOS buttons are transparent", kMacOS, 2, BuiltInKind::Boolean, 1, ""},
        RowCase{"WinXP buttons are opaque", kWinXP, 2, BuiltInKind::Boolean, 0, ""},
        RowCase{"Protein check box", kProtein, 3, BuiltInKind::Bitmap, 0, "PROTEIN_CHECKBOX"},
        RowCase{"DeepBlue radio button", kDeepBlue, 4, BuiltInKind::Bitmap, 0, "DEEPBLUE_RADIOBUTTON"},
        RowCase{"WinXP title buttons", kWinXP, 5, BuiltInKind::Bitmap, 0, "WINXP_TITLEBTN"},
        RowCase{"Protein title buttons are keyed", kProtein, 6, BuiltInKind::Boolean, 1, ""},
        RowCase{"DeepBlue title buttons are opaque", kDeepBlue, 6, BuiltInKind::Boolean, 0, ""},
        RowCase{"BlueGlass left button offset", kBlueGlass, 7, BuiltInKind::Integer, 4, ""},
        RowCase{"BlueGlass right button offset", kBlueGlass, 8, BuiltInKind::Integer, -3, ""},
        RowCase{"WinXP button top", kWinXP, 9, BuiltInKind::Integer, 5, ""},
        RowCase{"MacOS left title section", kMacOS, 10, BuiltInKind::Bitmap, 0, "MACOS_TITLE_LEFT"},
        RowCase{"Protein client title section", kProtein, 11, BuiltInKind::Bitmap, 0, "PROTEIN_TITLE_CLIENT"},
        RowCase{"BlueGlass right title section", kBlueGlass, 12, BuiltInKind::Bitmap, 0, "BLUEGLASS_TITLE_RIGHT"},
        RowCase{"BlueGlass minimum form width", kBlueGlass, 13, BuiltInKind::Integer, 270, ""},
        RowCase{"WinXP round corner", kWinXP, 14, BuiltInKind::Integer, 13, ""},
        RowCase{"Protein form colour", kProtein, 15, BuiltInKind::Colour, Colour(0xFBFBFB), ""},
        RowCase{"WinXP form border colour", kWinXP, 16, BuiltInKind::Colour, Colour(0xC82C00), ""},
        RowCase{"WinXP form border width", kWinXP, 17, BuiltInKind::Integer, 3, ""},
        RowCase{"Protein selected border", kProtein, 18, BuiltInKind::Colour, Colour(0xC4302D), ""},
        RowCase{"WinXP selected colour", kWinXP, 19, BuiltInKind::Colour, Colour(0xEFD3C6), ""},
        RowCase{"WinXP selected font colour", kWinXP, 20, BuiltInKind::Colour, Colour(0x000000), ""},
        RowCase{"BlueGlass menu item colour", kBlueGlass, 21, BuiltInKind::Colour, Colour(0xE7E7E7), ""},
        RowCase{"MacOS menu left bar colour", kMacOS, 23, BuiltInKind::Colour, Colour(0x000000), ""},
        RowCase{"DeepBlue progress bar", kDeepBlue, 24, BuiltInKind::Bitmap, 0, "DEEPBLUE_PROGRESSBAR"},
        RowCase{"WinXP control border", kWinXP, 25, BuiltInKind::Colour, Colour(0x686868), ""},
        RowCase{"WinXP spare colour 27", kWinXP, 27, BuiltInKind::Colour, Colour(0xCF4602), ""},
        RowCase{"Protein vertical slider", kProtein, 30, BuiltInKind::Bitmap, 0, "PROTEIN_TRACKBAR_SLIDER_V"},
        RowCase{"BlueGlass spare colour 31", kBlueGlass, 31, BuiltInKind::Colour, Colour(0xF4F4F4), ""},
        RowCase{"WinXP spare colour 37", kWinXP, 37, BuiltInKind::Colour, Colour(0xE1AC93), ""},
        RowCase{"WinXP scroll button", kWinXP, 38, BuiltInKind::Bitmap, 0, "WINXP_SCROLLBUTTON"},
        RowCase{"DeepBlue shares the more scroll button", kDeepBlue, 38, BuiltInKind::Bitmap, 0, "MORE_SCROLLBUTTON"},
        RowCase{"BlueGlass tab line", kBlueGlass, 40, BuiltInKind::Bitmap, 0, "BLUEGLASS_TAB_LINE"},
        RowCase{"side channel keeps its spelling", kMacOS, 41, BuiltInKind::Bitmap, 0, "MACOS_SIDECHENNEL_HANDLE"},
        RowCase{"spare bitmap 43 has no name", kWinXP, 43, BuiltInKind::Bitmap, 0, ""},
        RowCase{"MacOS spare colour 44", kMacOS, 44, BuiltInKind::Colour, Colour(0x000000), ""},
        RowCase{"spare bitmap 46 has no name", kBlueGlass, 46, BuiltInKind::Bitmap, 0, ""},
        RowCase{"spare integer 47", kProtein, 47, BuiltInKind::Integer, 0, ""},
        RowCase{"DeepBlue spare colour 48", kDeepBlue, 48, BuiltInKind::Colour, Colour(0xE8E8E8), ""}),
    [](const testing::TestParamInfo<RowCase>& info) { return "Row" + std::to_string(info.index); });

// ---------------------------------------------------------------------------------------
// The typed getters: each answers its sentinel when the element is of another kind.

enum class Getter { Colour, Integer, Boolean };

struct GetterCase {
  const char* description;
  Getter getter;
  std::uint8_t style;
  int element;
  std::int64_t expected;
};

std::ostream& operator<<(std::ostream& out, const GetterCase& c) {
  return out << c.description << " (style byte 0x" << std::hex << int(c.style) << std::dec << ", element "
             << c.element << ")";
}

std::int64_t Call(Getter getter, std::uint8_t style, int element) {
  switch (getter) {
    case Getter::Colour: return GetBuiltInColor(style, element);
    case Getter::Integer: return GetBuiltInInteger(style, element);
    case Getter::Boolean: return GetBuiltInBoolean(style, element) ? 1 : 0;
  }
  return -99;
}

class BuiltInGetterTest : public testing::TestWithParam<GetterCase> {};

TEST_P(BuiltInGetterTest, AnswersValueOrSentinel) {
  const GetterCase& c = GetParam();
  EXPECT_EQ(Call(c.getter, c.style, c.element), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sentinels, BuiltInGetterTest,
    testing::Values(
        GetterCase{"integer of a colour element is -1", Getter::Integer, kMacOS, 15, -1},
        GetterCase{"integer of a bitmap element is -1", Getter::Integer, kWinXP, 1, -1},
        GetterCase{"colour of an integer element is 0", Getter::Colour, kWinXP, 14, 0},
        GetterCase{"colour of a boolean element is 0", Getter::Colour, kMacOS, 2, 0},
        GetterCase{"boolean of a bitmap element is false", Getter::Boolean, kMacOS, 1, 0},
        GetterCase{"boolean of a true-valued integer element is false", Getter::Boolean, kMacOS, 17, 0},
        GetterCase{"right offset is 0 in DeepBlue", Getter::Integer, kDeepBlue, 8, 0},
        GetterCase{"right offset is a real -2 in MacOS", Getter::Integer, kMacOS, 8, -2},
        GetterCase{"colour keeps blue in the high byte", Getter::Colour, kBlueGlass, 18, 0xEC5E5E},
        GetterCase{"boolean true", Getter::Boolean, kBlueGlass, 6, 1},
        GetterCase{"FromThemeFile has no table row", Getter::Integer, 0, 9, -1},
        GetterCase{"FromThemeFile colour is 0", Getter::Colour, 0, 15, 0},
        GetterCase{"style 6 has no row", Getter::Integer, 6, 7, -1},
        GetterCase{"style 0x7F has no row", Getter::Colour, 0x7F, 15, 0},
        GetterCase{"style 0x80 masks to FromThemeFile", Getter::Integer, 0x80, 13, -1},
        GetterCase{"style 0x81 masks to MacOS", Getter::Integer, 0x81, 8, -2},
        GetterCase{"style 0x82 masks to WinXP", Getter::Colour, 0x82, 16, 0xC82C00},
        GetterCase{"style 0x85 masks to BlueGlass", Getter::Boolean, 0x85, 2, 1},
        GetterCase{"style 0xFF masks to 0x7F, no row", Getter::Boolean, 0xFF, 2, 0},
        GetterCase{"element 0 is refused", Getter::Integer, kMacOS, 0, -1},
        GetterCase{"element 49 is refused", Getter::Integer, kMacOS, 49, -1},
        GetterCase{"negative element is refused", Getter::Colour, kMacOS, -5, 0}),
    [](const testing::TestParamInfo<GetterCase>& info) { return "Case" + std::to_string(info.index); });

TEST(BuiltInLookupTest, StylesOutsideTheTableAnswerMinusOneAndKindZero) {
  for (int style : {0, 6, 7, 64, 127, 128, 134, 255}) {
    for (int element = 1; element <= kBuiltInElementCount; ++element) {
      const BuiltInEntry entry = LookupBuiltInEntry(static_cast<std::uint8_t>(style), element);
      EXPECT_EQ(entry.value, -1) << "style " << style << ", element " << element;
      EXPECT_EQ(entry.kind, BuiltInKind::Integer) << "style " << style << ", element " << element;
      EXPECT_STREQ(entry.resourceName, "") << "style " << style << ", element " << element;
    }
  }
}

TEST(BuiltInLookupTest, HighBitOfTheStyleByteIsIgnored) {
  for (int style = 1; style <= 5; ++style) {
    for (int element = 1; element <= kBuiltInElementCount; ++element) {
      const BuiltInEntry plain = LookupBuiltInEntry(static_cast<std::uint8_t>(style), element);
      const BuiltInEntry marked = LookupBuiltInEntry(static_cast<std::uint8_t>(style | 0x80), element);
      EXPECT_EQ(marked.value, plain.value) << "style " << style << ", element " << element;
      EXPECT_EQ(marked.kind, plain.kind) << "style " << style << ", element " << element;
      EXPECT_STREQ(marked.resourceName, plain.resourceName) << "style " << style << ", element " << element;
    }
  }
}

TEST(BuiltInLookupTest, EnumerationAndByteFormsAgree) {
  EXPECT_EQ(GetBuiltInInteger(TsuiUIStyle::BlueGlass, kFormMinWidth), 270);
  EXPECT_EQ(GetBuiltInColor(TsuiUIStyle::MacOS, kFormBorderColor), 0x7F7F7Fu);
  EXPECT_TRUE(GetBuiltInBoolean(TsuiUIStyle::MacOS, kButtonTransparent));
  EXPECT_EQ(GetBuiltInBitmapName(TsuiUIStyle::DeepBlue, kTitleButtonsImage), "DEEPBLUE_TITLEBTN");
  EXPECT_EQ(LookupBuiltInEntry(TsuiUIStyle::FromThemeFile, kFormColor).value, -1);
}

// ---------------------------------------------------------------------------------------
// Bitmap names.

struct NameCase {
  const char* description;
  std::uint8_t style;
  int element;
  const char* expected;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c) {
  return out << c.description << " (style " << int(c.style) << ", element " << c.element << ")";
}

class BuiltInBitmapNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(BuiltInBitmapNameTest, NamesOnlyBitmapElements) {
  const NameCase& c = GetParam();
  EXPECT_EQ(GetBuiltInBitmapName(c.style, c.element), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, BuiltInBitmapNameTest,
    testing::Values(NameCase{"a bitmap element", kProtein, 1, "PROTEIN_BUTTON"},
                    NameCase{"MacOS scroll button", kMacOS, 38, "MACOS_SCROLLBUTTON"},
                    NameCase{"spare bitmap 43", kMacOS, 43, ""},
                    NameCase{"spare bitmap 45", kDeepBlue, 45, ""},
                    NameCase{"a colour element", kMacOS, 15, ""},
                    NameCase{"an integer element", kMacOS, 7, ""},
                    NameCase{"a style without row", 0, 1, ""},
                    NameCase{"a masked style byte", 0x83, 12, "DEEPBLUE_TITLE_RIGHT"}),
    [](const testing::TestParamInfo<NameCase>& info) { return "Case" + std::to_string(info.index); });

// ---------------------------------------------------------------------------------------
// The identifiers stored form descriptions use.

struct IdentifierCase {
  TsuiUIStyle style;
  const char* identifier;
};

std::ostream& operator<<(std::ostream& out, const IdentifierCase& c) { return out << c.identifier; }

class UIStyleIdentifierTest : public testing::TestWithParam<IdentifierCase> {};

TEST_P(UIStyleIdentifierTest, MapsBothWays) {
  const IdentifierCase& c = GetParam();
  EXPECT_EQ(UIStyleIdentifier(c.style), c.identifier);
  EXPECT_EQ(UIStyleFromIdentifier(c.identifier), c.style);
}

INSTANTIATE_TEST_SUITE_P(Identifiers, UIStyleIdentifierTest,
                         testing::Values(IdentifierCase{TsuiUIStyle::FromThemeFile, "FromThemeFile"},
                                         IdentifierCase{TsuiUIStyle::MacOS, "MacOS"},
                                         IdentifierCase{TsuiUIStyle::WinXP, "WinXP"},
                                         IdentifierCase{TsuiUIStyle::DeepBlue, "DeepBlue"},
                                         IdentifierCase{TsuiUIStyle::Protein, "Protein"},
                                         IdentifierCase{TsuiUIStyle::BlueGlass, "BlueGlass"}),
                         [](const testing::TestParamInfo<IdentifierCase>& info) {
                           return std::string(info.param.identifier);
                         });

TEST(UIStyleIdentifierTest, UnknownTextsNameNoStyle) {
  for (const char* text : {"", "macos", "MacOS ", "Mac OS", "suiMacOS", "6", "BlueGlass\n"}) {
    EXPECT_FALSE(UIStyleFromIdentifier(text).has_value()) << '"' << text << '"';
  }
}

TEST(UIStyleIdentifierTest, ByteOutsideTheEnumerationHasNoIdentifier) {
  EXPECT_EQ(UIStyleIdentifier(static_cast<TsuiUIStyle>(6)), "");
  EXPECT_EQ(UIStyleIdentifier(static_cast<TsuiUIStyle>(0x81)), "");
}

}  // namespace
