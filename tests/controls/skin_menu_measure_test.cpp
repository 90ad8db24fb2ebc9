#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "controls/skin_menu_item.h"
#include "tests/controls/menu_pictures.h"

namespace {

SIZE GdiExtent(Canvas& canvas, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(canvas.Handle(), text.data(), static_cast<int>(text.size()), &size);
  return size;
}

struct MeasureCase {
  const char* description;
  const char* caption;
  TShortCut shortcut;
  int menu_item_height;
  int separator_height;
  int font_height;  // of the canvas font that comes with the request
  int bar_width;
};

void PrintTo(const MeasureCase& c, std::ostream* out) { *out << c.description << " \"" << c.caption << "\""; }

class MeasureSkinMenuItemTest : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(MeasureSkinMenuItemTest, SizesTheItemFromCanvasTextAndStyle) {
  const MeasureCase& c = GetParam();
  SkinMenuStyle style;
  style.menu_item_height = c.menu_item_height;
  style.separator_height = c.separator_height;
  style.bar_width = c.bar_width;
  ItemPicture screen(1, 1);
  Canvas& canvas = screen.GetCanvas();
  canvas.Font().SetHeight(c.font_height);
  const auto item = MakeItem(c.caption);
  item->SetShortCut(c.shortcut);

  int width = -5, height = -5;
  MeasureSkinMenuItem(style, *item, canvas, width, height);

  const SIZE caption = GdiExtent(canvas, c.caption);
  const SIZE shortcut = GdiExtent(canvas, ShortCutToText(c.shortcut));
  const bool separator = std::string(c.caption) == "-";
  EXPECT_EQ(height, separator ? c.separator_height : std::max<int>(caption.cy, c.menu_item_height));
  EXPECT_EQ(width, caption.cx + shortcut.cx + c.bar_width + 40);
}

const MeasureCase kMeasureCases[] = {
    {"separator_is_separator_height_even_with_tall_text", "-", 0, 21, 5, -40, 26},
    {"double_dash_is_an_ordinary_item", "--", 0, 21, 5, -11, 26},
    {"small_text_takes_the_item_height", "&Open", 0, 21, 5, -11, 26},
    {"tall_text_outgrows_the_item_height", "&Open", 0, 21, 5, -40, 26},
    {"macos_heights", "Item", 0, 20, 12, -11, 26},
    {"shortcut_widens", "&Save", ShortCut('S', scCtrl), 21, 5, -11, 26},
    {"no_bar", "&Save", ShortCut(VK_F5, scShift), 21, 5, -11, 0},
};

INSTANTIATE_TEST_SUITE_P(Table, MeasureSkinMenuItemTest, ::testing::ValuesIn(kMeasureCases),
                         [](const auto& info) { return std::string(info.param.description); });

TEST(MeasureSkinMenuItemTest, SeparatorHeightIgnoresTheTextButTheWidthStillCountsIt) {
  SkinMenuStyle style;
  style.separator_height = 12;
  ItemPicture screen(1, 1);
  screen.GetCanvas().Font().SetHeight(-40);
  const auto line = MakeItem("-");
  int width = 0, height = 0;
  MeasureSkinMenuItem(style, *line, screen.GetCanvas(), width, height);
  EXPECT_EQ(height, 12);
  EXPECT_GT(width, style.bar_width + 40);
}

// A caption of one repeated character that is `wanted` pixels wide in the canvas font.
std::optional<std::string> CaptionOfWidth(Canvas& canvas, int wanted) {
  for (const char c : std::string("x0nmWiae-_")) {
    for (std::size_t length = 1; length <= 40; ++length) {
      const std::string text(length, c);
      const int width = GdiExtent(canvas, text).cx;
      if (width == wanted) return text;
      if (width > wanted) break;
    }
  }
  return std::nullopt;
}

TEST(MeasureSkinMenuItemTest, SixtyPixelCaptionAndFortyPixelShortcutMeasure166) {
  ItemPicture screen(1, 1);
  Canvas& canvas = screen.GetCanvas();
  const TShortCut shortcuts[] = {ShortCut(VK_F5, scShift), ShortCut('S', scCtrl), ShortCut(VK_DELETE, scAlt),
                                 ShortCut(VK_PRIOR, 0),    ShortCut(VK_F12, 0),    ShortCut(VK_F1, scCtrl)};
  // Some face and height of the system's fonts gives the two widths exactly.
  for (const char* face : {"MS Sans Serif", "Tahoma", "Courier New", "Arial"}) {
    canvas.Font().SetName(face);
    for (int height = -8; height >= -40; --height) {
      canvas.Font().SetHeight(height);
      const auto caption = CaptionOfWidth(canvas, 60);
      if (!caption) continue;
      for (const TShortCut shortcut : shortcuts) {
        if (GdiExtent(canvas, ShortCutToText(shortcut)).cx != 40) continue;
        const auto item = MakeItem(*caption);
        item->SetShortCut(shortcut);
        SkinMenuStyle style;
        style.bar_width = 26;
        int width = 0, height_out = 0;
        MeasureSkinMenuItem(style, *item, canvas, width, height_out);
        EXPECT_EQ(width, 166) << face << " " << height << " \"" << *caption << "\" " << ShortCutToText(shortcut);
        return;
      }
    }
  }
  FAIL() << "no font gives a 60-pixel caption and a 40-pixel shortcut";
}

}  // namespace
