#include "skin/builtin_bitmaps.h"

#include <gtest/gtest.h>

#include <ostream>

#include "skin/fill_drawing.h"

namespace {

constexpr TColor kMarker = RGBColor(1, 2, 3);

Bitmap Filled(int width, int height) {
  Bitmap bitmap;
  bitmap.SetSize(width, height);
  FillRectColor(bitmap.Canvas(), {0, 0, width, height}, kMarker);
  return bitmap;
}

struct FrameCase {
  const char* description;
  TsuiUIStyle style;
  int element;
  int frame_index, frame_count;
  int width, height;  // of the frame
  int strip_column;   // where the frame starts in the whole picture
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.description; }

class BuiltInFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(BuiltInFrameTest, TakesTheFrameOfTheResourceStrip) {
  const FrameCase& c = GetParam();
  Bitmap strip;
  LoadBuiltInBitmap(c.style, c.element, &strip);
  ASSERT_FALSE(strip.Empty());

  Bitmap frame = Filled(3, 3);
  GetBuiltInBitmap(c.style, c.element, &frame, c.frame_index, c.frame_count);
  ASSERT_EQ(frame.Width(), c.width);
  ASSERT_EQ(frame.Height(), c.height);
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x)
      ASSERT_EQ(frame.Pixel(x, y), strip.Pixel(c.strip_column + x, y)) << "frame pixel " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Styles, BuiltInFrameTest, ::testing::Values(
    FrameCase{"winxp_checkbox_unchecked", TsuiUIStyle::WinXP, kCheckBoxImage, 2, 4, 13, 13, 13},
    FrameCase{"macos_checkbox_unchecked_disabled", TsuiUIStyle::MacOS, kCheckBoxImage, 4, 4, 15, 17, 45},
    FrameCase{"macos_button_pressed", TsuiUIStyle::MacOS, kButtonImage, 3, 3, 84, 23, 168},
    FrameCase{"blueglass_button_mouse_over", TsuiUIStyle::BlueGlass, kButtonImage, 2, 3, 77, 27, 77},
    FrameCase{"winxp_close_button", TsuiUIStyle::WinXP, kTitleButtonsImage, 16, 18, 21, 21, 315},
    FrameCase{"deepblue_title_left_whole", TsuiUIStyle::DeepBlue, kTitleLeftImage, 1, 0, 97, 32, 0},
    FrameCase{"protein_title_client_whole", TsuiUIStyle::Protein, kTitleClientImage, 0, 0, 1, 23, 0}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(BuiltInBitmapTest, AnElementThatIsNoBitmapEmptiesAFrameButLeavesAWholeCopyAlone) {
  Bitmap frame = Filled(4, 4);
  GetBuiltInBitmap(TsuiUIStyle::MacOS, kFormColor, &frame, 1, 3);
  EXPECT_EQ(frame.Width(), 0);
  EXPECT_EQ(frame.Height(), 0);

  Bitmap whole = Filled(4, 4);
  GetBuiltInBitmap(TsuiUIStyle::MacOS, kFormColor, &whole, 1, 0);
  ASSERT_EQ(whole.Width(), 4);
  EXPECT_EQ(whole.Pixel(2, 2), kMarker);
}

TEST(BuiltInBitmapTest, TheSpareBitmapRowsAndUnknownStylesLeaveTheDestinationAlone) {
  for (const auto& [style, element] : {std::pair{TsuiUIStyle::WinXP, 43}, std::pair{TsuiUIStyle::FromThemeFile, 1},
                                      std::pair{static_cast<TsuiUIStyle>(9), 1}}) {
    Bitmap target = Filled(4, 4);
    LoadBuiltInBitmap(style, element, &target);
    ASSERT_EQ(target.Width(), 4) << "style " << int(style) << " element " << element;
    EXPECT_EQ(target.Pixel(1, 1), kMarker) << "style " << int(style) << " element " << element;
  }
}

TEST(BuiltInBitmapTest, ANullDestinationIsIgnored) {
  EXPECT_NO_THROW(LoadBuiltInBitmap(TsuiUIStyle::WinXP, kButtonImage, nullptr));
  EXPECT_NO_THROW(GetBuiltInBitmap(TsuiUIStyle::WinXP, kButtonImage, nullptr, 1, 3));
  EXPECT_NO_THROW(GetBuiltInBitmap(TsuiUIStyle::WinXP, kButtonImage, nullptr, 1, 0));
}

TEST(BuiltInBitmapTest, TheMacButtonStripIsMagentaOutsideItsRoundedShape) {
  Bitmap face;
  GetBuiltInBitmap(TsuiUIStyle::MacOS, kButtonImage, &face, 1, 3);
  ASSERT_EQ(face.Width(), 84);
  EXPECT_EQ(face.Pixel(0, 0), 0xFF00FFu);
  EXPECT_NE(face.Pixel(42, 11), 0xFF00FFu);
}

}  // namespace
