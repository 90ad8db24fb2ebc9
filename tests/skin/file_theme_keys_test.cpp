#include "skin/file_theme_keys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct KeyCase {
  const char* description;
  std::string_view (*key_of)(int);
  int number;
  const char* expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.description << " (number " << c.number << ")"; }

class FileThemeKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FileThemeKeyTest, NamesTheKeyOfTheMaskedNumber) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(c.key_of(c.number), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Tables, FileThemeKeyTest, ::testing::Values(
    KeyCase{"first_colour", ThemeColorKey, 0, "SKIN2_TRANSCOLOR"},
    KeyCase{"form_colour", ThemeColorKey, 2, "SKIN2_FORMCOLOR"},
    KeyCase{"control_border_colour", ThemeColorKey, 22, "SKIN2_CONTROLBORDERCOLOR"},
    KeyCase{"last_colour", ThemeColorKey, 31, "SKIN2_SIDECHANNELBORDERCOLOR"},
    KeyCase{"past_the_colours", ThemeColorKey, 32, ""},
    KeyCase{"title_buttons", ThemeBitmapKey, 11, "SKIN2_TITLEBUTTONS"},
    KeyCase{"last_bitmap", ThemeBitmapKey, 33, "SKIN2_SCROLLBUTTON"},
    KeyCase{"past_the_bitmaps", ThemeBitmapKey, 34, ""},
    KeyCase{"masked_bitmap", ThemeBitmapKey, 0x80 + 11, "SKIN2_TITLEBUTTONS"},
    KeyCase{"button_top", ThemeIntegerKey, 4, "SKIN2_TITLEBARBUTTONPOSY"},
    KeyCase{"key_132_is_key_4", ThemeIntegerKey, 132, "SKIN2_TITLEBARBUTTONPOSY"},
    KeyCase{"last_integer", ThemeIntegerKey, 8, "SKIN2_BOTTOMREGIONMAXY"},
    KeyCase{"past_the_integers", ThemeIntegerKey, 9, ""},
    KeyCase{"first_boolean", ThemeBooleanKey, 0, "SKIN2_TITLEFIVESECT"},
    KeyCase{"last_boolean", ThemeBooleanKey, 8, "SKIN2_TABCONTROLTRANS"},
    KeyCase{"negative_number_low_bits", ThemeBooleanKey, -128 + 4, "SKIN2_TITLEBTNTRANS"},
    KeyCase{"high_number_past_the_table", ThemeBooleanKey, 0x7F, ""}),
    [](const auto& info) { return std::string(info.param.description); });

}  // namespace
