#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/popup_menu.h"
#include "controls/skin_menu_item.h"
#include "tests/controls/menu_pictures.h"
#include "toolkit/image_list.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 21;
constexpr int kBar = 26;
constexpr TColor kImageColor = RGBColor(0, 200, 200);

class DrawSkinMenuItemTest : public ::testing::Test {
 protected:
  DrawSkinMenuItemTest() {
    Bitmap cell;
    cell.SetSize(16, 16);
    FillRectColor(cell.Canvas(), {0, 0, 16, 16}, kImageColor);
    user_images_.Add(cell);
  }
  ItemPicture Draw(const TMenuItem& item, bool selected, bool left_to_right = true, bool with_images = false,
                   int height = kHeight) {
    ItemPicture picture(kWidth, height);
    DrawInto(picture, style_, {with_images ? &user_images_ : nullptr, &CheckMarkImages()}, item, selected,
             left_to_right);
    return picture;
  }

  SkinMenuStyle style_ = DistinctStyle();
  ImageList user_images_{16, 16};
};

TEST_F(DrawSkinMenuItemTest, UnselectedItemIsBarThenItemColourAndNothingElse) {
  const auto item = MakeItem("");
  const ItemPicture picture = Draw(*item, false);
  EXPECT_EQ(picture.Count(style_.bar_color, 0, 0, kBar, kHeight), kBar * kHeight);
  EXPECT_EQ(picture.Count(style_.color, kBar, 0, kWidth, kHeight), (kWidth - kBar) * kHeight);
}

TEST_F(DrawSkinMenuItemTest, SelectedItemIsAFramedBoxOverTheBarToo) {
  const auto item = MakeItem("");
  const ItemPicture picture = Draw(*item, true);
  const int frame = 2 * kWidth + 2 * (kHeight - 2);
  EXPECT_EQ(picture.Count(style_.selected_border_color, 0, 0, kWidth, kHeight), frame);
  for (const int x : {0, kWidth - 1}) EXPECT_EQ(picture.At(x, 10), style_.selected_border_color) << x;
  for (const int y : {0, kHeight - 1}) EXPECT_EQ(picture.At(5, y), style_.selected_border_color) << y;
  EXPECT_EQ(picture.Count(style_.selected_color, 1, 1, kWidth - 1, kHeight - 1), (kWidth - 2) * (kHeight - 2));
}

TEST_F(DrawSkinMenuItemTest, SelectedTextTakesTheSelectedFontColour) {
  const auto item = MakeItem("Open");
  EXPECT_GT(Draw(*item, true).Count(style_.selected_font_color, 0, 0, kWidth, kHeight), 0);
  const ItemPicture plain = Draw(*item, false);
  EXPECT_GT(plain.Count(style_.font_color, 0, 0, kWidth, kHeight), 0);
  EXPECT_EQ(plain.Count(style_.selected_font_color, 0, 0, kWidth, kHeight), 0);
}

TEST_F(DrawSkinMenuItemTest, SelectedDisabledItemLooksUnselectedWithGreyText) {
  const auto item = MakeItem("Open");
  item->SetEnabled(false);
  const ItemPicture selected = Draw(*item, true);
  const ItemPicture unselected = Draw(*item, false);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) ASSERT_EQ(selected.At(x, y), unselected.At(x, y)) << x << "," << y;
  EXPECT_EQ(selected.Count(style_.selected_color, 0, 0, kWidth, kHeight), 0);
  EXPECT_GT(selected.Count(clGray, kBar, 0, kWidth, kHeight), 0);
  EXPECT_EQ(selected.Count(style_.font_color, 0, 0, kWidth, kHeight), 0);
  EXPECT_EQ(selected.Count(style_.selected_font_color, 0, 0, kWidth, kHeight), 0);
}

TEST_F(DrawSkinMenuItemTest, EqualBarColoursGiveAFlatBar) {
  const auto item = MakeItem("");
  style_.bar_color = style_.bar_to_color = RGBColor(10, 120, 30);
  const ItemPicture picture = Draw(*item, false);
  EXPECT_EQ(picture.Count(RGBColor(10, 120, 30), 0, 0, kBar, kHeight), kBar * kHeight);
}

TEST_F(DrawSkinMenuItemTest, DifferentBarColoursGiveALeftToRightGradientAcrossTheBar) {
  const auto item = MakeItem("");
  style_.bar_color = RGBColor(0, 0, 0);
  style_.bar_to_color = RGBColor(250, 0, 0);
  const ItemPicture picture = Draw(*item, false);
  EXPECT_EQ(picture.At(0, 10), RGBColor(0, 0, 0));
  EXPECT_EQ(picture.At(kBar - 1, 10), RGBColor(250, 0, 0));
  int previous = -1;
  for (int x = 0; x < kBar; ++x) {
    const TColor column = picture.At(x, 0);
    EXPECT_EQ(picture.Count(column, x, 0, x + 1, kHeight), kHeight) << "column " << x << " is one colour";
    EXPECT_EQ(GreenOf(column), 0);
    EXPECT_GE(RedOf(column), previous) << "column " << x;
    previous = RedOf(column);
  }
  EXPECT_GT(RedOf(picture.At(kBar / 2, 10)), 0);
  EXPECT_LT(RedOf(picture.At(kBar / 2, 10)), 250);
  EXPECT_EQ(picture.At(kBar, 10), style_.color);
}

struct SeparatorCase {
  const char* description;
  bool left_to_right;
  int bar_left, bar_right;    // columns of the bar, [left, right)
  int line_left, line_right;  // columns of the line on row 2, [left, right)
};

void PrintTo(const SeparatorCase& c, std::ostream* out) { *out << c.description; }

class SeparatorTest : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(SeparatorTest, BarItemColourAndOneLineTwoRowsDown) {
  const SeparatorCase& c = GetParam();
  const SkinMenuStyle style = DistinctStyle();
  const auto line = MakeItem("-");
  line->SetChecked(true);  // a separator shows nothing but its line
  ItemPicture picture(kWidth, 5);
  DrawInto(picture, style, {nullptr, &CheckMarkImages()}, *line, true, c.left_to_right);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool bar = x >= c.bar_left && x < c.bar_right;
      const bool on_line = y == 2 && x >= c.line_left && x < c.line_right;
      const TColor expected = bar ? style.bar_color : on_line ? style.separator_color : style.color;
      ASSERT_EQ(picture.At(x, y), expected) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, SeparatorTest,
                         ::testing::Values(SeparatorCase{"left_to_right", true, 0, kBar, kBar + 4, kWidth - 2},
                                           SeparatorCase{"right_to_left", false, kWidth - kBar, kWidth, 2,
                                                         kWidth - kBar - 4}),
                         [](const auto& info) { return std::string(info.param.description); });

TEST_F(DrawSkinMenuItemTest, MacOSDrawsItsPicturesInsteadOfBarAndColours) {
  style_.ui_style = TsuiUIStyle::MacOS;
  const auto item = MakeItem("");
  const ItemPicture plain = Draw(*item, false, true, false, 20);
  const ItemPicture selected = Draw(*item, true, true, false, 20);
  const auto line = MakeItem("-");
  const ItemPicture separator = Draw(*line, false, true, false, 12);
  for (const ItemPicture* picture : {&plain, &selected, &separator}) {
    EXPECT_EQ(picture->Count(kUntouched, 0, 0, kWidth, picture->Height()), 0);
    EXPECT_EQ(picture->Count(style_.bar_color, 0, 0, kWidth, picture->Height()), 0);
    EXPECT_EQ(picture->Count(style_.selected_color, 0, 0, kWidth, picture->Height()), 0);
  }
  int differing = 0;
  for (int y = 0; y < 20; ++y) differing += plain.At(100, y) != selected.At(100, y) ? 1 : 0;
  EXPECT_GT(differing, 0) << "the selection picture differs from the item picture";
}

TEST_F(DrawSkinMenuItemTest, CheckedItemWithoutImageShowsTheMarkThreePixelsDown) {
  const auto item = MakeItem("");
  item->SetChecked(true);
  const ItemPicture picture = Draw(*item, false);
  const int mark = picture.Ink(style_.bar_color, 4, 3, 20, 19);
  EXPECT_GT(picture.Count(clBlack, 4, 3, 20, 19), 0);
  // Everything outside the 16 x 16 cell at (4, 3) is background.
  EXPECT_EQ(picture.Ink(style_.bar_color, 0, 0, kBar, kHeight), mark);
  EXPECT_EQ(picture.Count(style_.color, kBar, 0, kWidth, kHeight), (kWidth - kBar) * kHeight);
  EXPECT_EQ(picture.At(2, 1), style_.bar_color) << "no image box";
}

TEST_F(DrawSkinMenuItemTest, DisabledCheckedItemShowsAGreyedMark) {
  const auto item = MakeItem("");
  item->SetChecked(true);
  item->SetEnabled(false);
  const ItemPicture picture = Draw(*item, false);
  EXPECT_GT(picture.Ink(style_.bar_color, 4, 3, 20, 19), 0);
  EXPECT_EQ(picture.Count(clBlack, 0, 0, kWidth, kHeight), 0);
}

TEST_F(DrawSkinMenuItemTest, CheckedItemWithImageShowsTheImageOnAFramedSelectedColourBox) {
  const auto item = MakeItem("");
  item->SetChecked(true);
  item->SetImageIndex(0);
  const ItemPicture picture = Draw(*item, false, true, true);
  // Frame (2, 1)-(21, 20) exclusive, box (3, 2)-(20, 19), image (4, 3)-(20, 19).
  for (const int y : {1, 10, 19}) {
    EXPECT_EQ(picture.At(2, y), clBlack) << y;
    EXPECT_EQ(picture.At(20, y), clBlack) << y;
  }
  for (const int x : {2, 10, 20}) {
    EXPECT_EQ(picture.At(x, 1), clBlack) << x;
    EXPECT_EQ(picture.At(x, 19), clBlack) << x;
  }
  EXPECT_EQ(picture.Count(style_.selected_color, 3, 2, 4, 19), 17) << "box column left of the image";
  EXPECT_EQ(picture.Count(style_.selected_color, 3, 2, 20, 3), 17) << "box row above the image";
  EXPECT_EQ(picture.Count(kImageColor, 4, 3, 20, 19), 16 * 16);
  EXPECT_EQ(picture.At(1, 10), style_.bar_color);
  EXPECT_EQ(picture.At(21, 10), style_.bar_color);
  EXPECT_EQ(picture.At(10, 20), style_.bar_color);
}

TEST_F(DrawSkinMenuItemTest, UncheckedImageHasNoBoxAndDisabledImageIsGreyed) {
  const auto item = MakeItem("");
  item->SetImageIndex(0);
  const ItemPicture picture = Draw(*item, false, true, true);
  EXPECT_EQ(picture.Count(kImageColor, 4, 3, 20, 19), 16 * 16);
  EXPECT_EQ(picture.At(2, 10), style_.bar_color);
  EXPECT_EQ(picture.At(3, 2), style_.bar_color);
  item->SetEnabled(false);
  const ItemPicture greyed = Draw(*item, false, true, true);
  EXPECT_EQ(greyed.Count(kImageColor, 0, 0, kWidth, kHeight), 0);
  EXPECT_EQ(greyed.Ink(style_.bar_color, 4, 3, 20, 19), 16 * 16);
}

TEST_F(DrawSkinMenuItemTest, ImageIndexBeyondTheListFallsBackToTheCheckMark) {
  const auto item = MakeItem("");
  item->SetChecked(true);
  item->SetImageIndex(5);
  const ItemPicture picture = Draw(*item, false, true, true);
  EXPECT_GT(picture.Count(clBlack, 4, 3, 20, 19), 0);
  EXPECT_EQ(picture.At(2, 1), style_.bar_color);
  EXPECT_EQ(picture.Count(style_.selected_color, 0, 0, kWidth, kHeight), 0);
}

TEST_F(DrawSkinMenuItemTest, LeftToRightPlacesCaptionAfterTheBarAndShortcutAtTheRight) {
  const auto item = MakeItem("Open");
  const ItemPicture caption = Draw(*item, false);
  const int first = caption.FirstInkColumn(style_.color, kBar, kWidth);
  EXPECT_GE(first, kBar + 4);
  EXPECT_LE(first, kBar + 8);
  EXPECT_LT(caption.LastInkColumn(style_.color, kBar, kWidth), kWidth / 2);

  const auto shortcut_only = MakeItem("");
  shortcut_only->SetShortCut(ShortCut('S', scCtrl));
  const ItemPicture shortcut = Draw(*shortcut_only, false);
  const int last = shortcut.LastInkColumn(style_.color, kBar, kWidth);
  EXPECT_LT(last, kWidth - 16);
  EXPECT_GE(last, kWidth - 16 - 4);
  EXPECT_GT(shortcut.FirstInkColumn(style_.color, kBar, kWidth), kWidth / 2);
}

TEST_F(DrawSkinMenuItemTest, RightToLeftMirrorsBarCaptionAndMark) {
  const auto item = MakeItem("Open");
  item->SetChecked(true);
  const ItemPicture picture = Draw(*item, false, false);
  EXPECT_EQ(picture.Count(style_.bar_color, 0, 0, kWidth - kBar, kHeight), 0);
  // The mark sits in the bar at Right - 20, alone; the caption ends four pixels left of
  // the bar.
  EXPECT_GT(picture.Count(clBlack, kWidth - 20, 3, kWidth - 4, 19), 0);
  EXPECT_EQ(picture.Ink(style_.bar_color, kWidth - kBar, 0, kWidth, kHeight),
            picture.Ink(style_.bar_color, kWidth - 20, 3, kWidth - 4, 19));
  const int last = picture.LastInkColumn(style_.color, 0, kWidth - kBar);
  EXPECT_LT(last, kWidth - kBar - 4);
  EXPECT_GE(last, kWidth - kBar - 8);
  EXPECT_GT(picture.FirstInkColumn(style_.color, 0, kWidth - kBar), kWidth / 2);
}

TEST_F(DrawSkinMenuItemTest, RightToLeftShortcutStartsAfterTheBarWidth) {
  const auto shortcut_only = MakeItem("");
  shortcut_only->SetShortCut(ShortCut('S', scCtrl));
  const ItemPicture shortcut = Draw(*shortcut_only, false, false);
  const int first = shortcut.FirstInkColumn(style_.color, 0, kWidth - kBar);
  EXPECT_GE(first, kBar + 4);
  EXPECT_LE(first, kBar + 8);
  EXPECT_LT(shortcut.LastInkColumn(style_.color, 0, kWidth - kBar), kWidth / 2);
}

TEST_F(DrawSkinMenuItemTest, DefaultItemIsBold) {
  const auto item = MakeItem("Open file");
  const ItemPicture normal = Draw(*item, false);
  item->SetDefault(true);
  const ItemPicture bold = Draw(*item, false);
  EXPECT_GT(bold.Ink(style_.color, kBar, 0, kWidth, kHeight), normal.Ink(style_.color, kBar, 0, kWidth, kHeight));
  EXPECT_GT(bold.LastInkColumn(style_.color, kBar, kWidth), normal.LastInkColumn(style_.color, kBar, kWidth));
}

TEST_F(DrawSkinMenuItemTest, OwnFontIsUsedWhenTheSystemFontIsOff) {
  const auto item = MakeItem("Open");
  style_.use_system_font = false;
  style_.font_name = "Arial";
  style_.font_size = 8;
  const ItemPicture small = Draw(*item, false);
  style_.font_size = 14;
  const ItemPicture large = Draw(*item, false);
  EXPECT_GT(large.LastInkColumn(style_.color, kBar, kWidth), small.LastInkColumn(style_.color, kBar, kWidth));
}

}  // namespace
