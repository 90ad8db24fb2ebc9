// Where image, caption and focus mark go. Built twice: for the test bed's Chinese system
// locale, and with TARNWICK_TEST_RIGHT_TO_LEFT_LOCALE for a run under an Arabic one, the
// only kind of locale in which a right-to-left box mirrors its layout.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "controls/check_box.h"
#include "tests/controls/check_box_probe.h"
#include "tests/controls/shared_form.h"

namespace {

#if defined(TARNWICK_TEST_RIGHT_TO_LEFT_LOCALE)
constexpr bool kLocaleReadsRightToLeft = true;
constexpr WORD kExpectedLanguage = LANG_ARABIC;
const auto* const kForm = ::testing::AddGlobalTestEnvironment(new SharedFormEnvironment(520, 380));
#else
constexpr bool kLocaleReadsRightToLeft = false;
constexpr WORD kExpectedLanguage = LANG_CHINESE;
const auto* const kForm = ::testing::AddGlobalTestEnvironment(new SharedFormEnvironment(80, 60));
#endif

constexpr TColor kBoxColor = RGBColor(250, 250, 200);
constexpr int kWidth = 120;
constexpr int kHeight = 24;
constexpr int kImage = 13;  // the WinXP frames

TEST(CheckBoxLocaleTest, TheProgramRunsUnderTheLocaleItIsBuiltFor) {
  EXPECT_EQ(PRIMARYLANGID(LANGIDFROMLCID(GetSystemDefaultLCID())), kExpectedLanguage);
}

struct LayoutCase {
  const char* description;
  TBiDiMode mode;
  bool mirrored;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxLayoutTest : public ::testing::TestWithParam<LayoutCase> {
 protected:
  void SetUp() override {
    box_->SetParent(&SharedForm());
    box_->SetBounds(10, 10, kWidth, kHeight);
    box_->SetAutoSize(false);
    box_->SetUIStyle(TsuiUIStyle::WinXP);
    box_->SetColor(kBoxColor);
    box_->SetCaption("Keep");
    box_->SetChecked(true);
    box_->SetBiDiMode(GetParam().mode);
  }
  void TearDown() override { delete box_; }

  TsuiCheckBox* box_ = new TsuiCheckBox(&SharedForm());
};

TEST_P(CheckBoxLayoutTest, PlacesImageAndCaptionFromTheirSide) {
  const LayoutCase& c = GetParam();
  const Bitmap face = PaintedFace(*box_);
  ASSERT_EQ(face.Width(), kWidth);
  const int image_left = c.mirrored ? kWidth - kImage - 1 : 1;
  const int image_top = (kHeight - kImage) / 2;
  EXPECT_TRUE(ShowsPicture(face, image_left, image_top, StripFrame("WINXP_CHECKBOX", 4, 1)));

  int ink_left = kWidth, ink_right = -1;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool in_image = x >= image_left && x < image_left + kImage && y >= image_top && y < image_top + kImage;
      if (in_image || face.Pixel(x, y) == kBoxColor) continue;
      ink_left = std::min(ink_left, x);
      ink_right = std::max(ink_right, x);
    }
  }
  ASSERT_GE(ink_right, 0) << "the caption is drawn";
  if (c.mirrored) {
    const int caption_right = kWidth - kImage - 4;
    EXPECT_LT(ink_right, caption_right) << "right-aligned in (0, " << caption_right << ")";
    EXPECT_GE(ink_right, caption_right - 4) << "against its right end";
  } else {
    const int caption_left = kImage + 4;
    EXPECT_GE(ink_left, caption_left) << "left-aligned from " << caption_left;
    EXPECT_LE(ink_left, caption_left + 3) << "against its left end";
  }
}

TEST_P(CheckBoxLayoutTest, PutsTheFocusMarkOnTheCaptionSide) {
  const LayoutCase& c = GetParam();
  const Bitmap unfocused = PaintedFace(*box_);
  box_->SetFocus();
  PumpMessages();
  const Bitmap focused = PaintedFace(*box_);
  int left = kWidth, right = -1;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (unfocused.Pixel(x, y) == focused.Pixel(x, y)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  ASSERT_GE(right, 0) << "the mark is drawn";
  // The frame's outermost columns; its dots may leave out a corner pixel.
  if (c.mirrored) {
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, kWidth - kImage - 2 - 1);
  } else {
    EXPECT_EQ(left, kImage + 3);
    EXPECT_EQ(right, kWidth - 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, CheckBoxLayoutTest, ::testing::Values(
    LayoutCase{"left_to_right", TBiDiMode::bdLeftToRight, false},
    LayoutCase{"right_to_left", TBiDiMode::bdRightToLeft, kLocaleReadsRightToLeft},
    LayoutCase{"right_to_left_without_alignment", TBiDiMode::bdRightToLeftNoAlign, false},
    LayoutCase{"right_to_left_reading_only", TBiDiMode::bdRightToLeftReadingOnly, false}),
    [](const auto& info) { return std::string(info.param.description); });

}  // namespace
