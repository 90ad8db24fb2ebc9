// Where the title bar puts its sections, buttons, icon and caption, read from its pixels.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/frame/title_bar_test_support.h"

namespace {

constexpr int kClose = 16, kMax = 7, kMin = 13;

struct ButtonRowCase {
  const char* description;
  TsuiUIStyle style;
  bool skinned;
  int top;
  // Left edges, counted from the title bar's right edge W.
  int close_from_right, max_from_right, min_from_right;
};

void PrintTo(const ButtonRowCase& c, std::ostream* os) { *os << c.description; }

class ButtonRowTest : public TitleBarTest, public ::testing::WithParamInterface<ButtonRowCase> {};

TEST_P(ButtonRowTest, ButtonsStandRightToLeftInCollectionOrder) {
  const ButtonRowCase& c = GetParam();
  SkinnedFormStandIn* skinned = nullptr;
  std::unique_ptr<HostAnswersFrameInset> inset;
  if (c.skinned) {
    skinned = PutOnSkinnedStandIn();
    inset = std::make_unique<HostAnswersFrameInset>(form_, 2);
  }
  bar_->SetUIStyle(c.style);
  const Bitmap shot = Snapshot(*bar_);
  const int w = bar_->Width();
  const bool transparent = bar_->Buttons().Item(1).Transparent();
  EXPECT_TRUE(ShowsFrame(shot, w - c.close_from_right, c.top, StripFrame(c.style, kClose), transparent)) << "close";
  EXPECT_TRUE(ShowsFrame(shot, w - c.max_from_right, c.top, StripFrame(c.style, kMax), transparent)) << "maximise";
  EXPECT_TRUE(ShowsFrame(shot, w - c.min_from_right, c.top, StripFrame(c.style, kMin), transparent)) << "minimise";
  bar_->SetParent(&form_);
  delete skinned;
}

// Frame widths: MacOS 17, WinXP 21, the others 19. Right offsets -2, -2, 0, 0, -3.
INSTANTIATE_TEST_SUITE_P(Styles, ButtonRowTest, ::testing::Values(
    ButtonRowCase{"macos_close_pulled_back_to_w_minus_w_minus_1", TsuiUIStyle::MacOS, false, 4, 18, 36, 54},
    ButtonRowCase{"macos_on_a_skinned_form_over_a_3_pixel_frame", TsuiUIStyle::MacOS, true, 1, 18, 36, 54},
    ButtonRowCase{"winxp", TsuiUIStyle::WinXP, false, 5, 22, 44, 66},
    ButtonRowCase{"deepblue_close_fits_without_pulling_back", TsuiUIStyle::DeepBlue, false, 2, 20, 40, 60},
    ButtonRowCase{"protein", TsuiUIStyle::Protein, false, 2, 20, 40, 60},
    ButtonRowCase{"blueglass", TsuiUIStyle::BlueGlass, false, 6, 20, 40, 60}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(TitleBarTest, ButtonIntervalWidensTheGapsButNotTheCloseButtonsPlace) {
  bar_->SetButtonInterval(5);
  const Bitmap shot = Snapshot(*bar_);
  const int w = bar_->Width();
  EXPECT_TRUE(ShowsFrame(shot, w - 18, 4, StripFrame(TsuiUIStyle::MacOS, kClose), false));
  EXPECT_TRUE(ShowsFrame(shot, w - 18 - 23, 4, StripFrame(TsuiUIStyle::MacOS, kMax), false));
  EXPECT_TRUE(ShowsFrame(shot, w - 18 - 46, 4, StripFrame(TsuiUIStyle::MacOS, kMin), false));
}

TEST_F(TitleBarTest, HiddenButtonsAndButtonsWithoutAPictureLeaveNoGap) {
  bar_->Buttons().Item(2).SetVisible(false);      // maximise
  bar_->Buttons().Item(1).SetPicMouseOn(Picture());  // close, one state empty
  const Bitmap shot = Snapshot(*bar_);
  EXPECT_TRUE(ShowsFrame(shot, bar_->Width() - 18, 4, StripFrame(TsuiUIStyle::MacOS, kMin), false));
}

TEST_F(TitleBarTest, SectionsAreLeftCapStretchedMiddleAndRightCap) {
  Bitmap left, middle, right;
  LoadBuiltInBitmap(TsuiUIStyle::MacOS, kTitleLeftImage, &left);
  LoadBuiltInBitmap(TsuiUIStyle::MacOS, kTitleClientImage, &middle);
  LoadBuiltInBitmap(TsuiUIStyle::MacOS, kTitleRightImage, &right);
  bar_->Buttons().Clear();
  const Bitmap shot = Snapshot(*bar_);
  const int w = bar_->Width();
  ASSERT_EQ(bar_->Height(), left.Height()) << "the height follows the first section";
  EXPECT_TRUE(ShowsFrame(shot, 0, 0, left, false));
  EXPECT_TRUE(ShowsFrame(shot, w - right.Width(), 0, right, false));
  // A middle column of the stretched client picture: every row keeps its colour.
  for (int y = 0; y < middle.Height(); ++y) {
    EXPECT_EQ(shot.Pixel(w / 2, y), middle.Pixel(middle.Width() / 2, y)) << "row " << y;
  }
  // The frame picture holds the same sections, unshifted without a skinned form.
  Bitmap* frame = bar_->GetFrameImage(-1);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Width(), w);
  EXPECT_TRUE(ShowsFrame(*frame, 0, 0, left, false));
  EXPECT_TRUE(ShowsFrame(*frame, w - right.Width(), 0, right, false));
}

TEST_F(TitleBarTest, OnASkinnedFormTheFramePictureReachesIntoTheFrame) {
  Bitmap left, right;
  LoadBuiltInBitmap(TsuiUIStyle::MacOS, kTitleLeftImage, &left);
  LoadBuiltInBitmap(TsuiUIStyle::MacOS, kTitleRightImage, &right);
  auto* skinned = PutOnSkinnedStandIn();
  HostAnswersFrameInset inset(form_, 2);
  bar_->SetUIStyle(TsuiUIStyle::MacOS);
  bar_->Buttons().Clear();
  const Bitmap shot = Snapshot(*bar_);
  const int w = bar_->Width();
  EXPECT_EQ(bar_->Height(), left.Height() - 3) << "three rows lie in the frame above";
  Bitmap* frame = bar_->GetFrameImage(-1);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Width(), w + 4);
  EXPECT_EQ(frame->Height(), bar_->Height() + 3);
  EXPECT_TRUE(ShowsFrame(*frame, 0, 0, left, false));
  EXPECT_TRUE(ShowsFrame(*frame, w + 4 - right.Width(), 0, right, false));
  // The control shows the pictures shifted by the inset and cut by the frame rows.
  EXPECT_EQ(shot.Pixel(0, 0), left.Pixel(2, 3));
  EXPECT_EQ(shot.Pixel(w - 1, 0), right.Pixel(right.Width() - 3, 3));
  Bitmap* back = bar_->GetFrameImage(-2);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Pixel(5, 5), frame->Pixel(5, 5));
  EXPECT_EQ(bar_->GetFrameImage(1), bar_->Sections().Item(1).PictureBitmap());
  EXPECT_EQ(bar_->GetFrameImage(7, back), back) << "no such section";
  EXPECT_TRUE(bar_->HasStandardSections());
  bar_->SetParent(&form_);
  delete skinned;
}

TEST_F(TitleBarTest, ACaptionSectionGrowsWithTheCaptionAndAsksForTheFrame) {
  auto* skinned = PutOnSkinnedStandIn();
  bar_->SetUIStyle(TsuiUIStyle::MacOS);
  TsuiTitleBarSection& caption_section = bar_->Sections().Add();
  Bitmap red;
  red.SetSize(4, 23);
  red.Canvas().Brush().SetColor(clRed);
  red.Canvas().FillRect({0, 0, 4, 23});
  Picture picture;
  picture.SetBitmap(&red);
  caption_section.SetPicture(picture);
  caption_section.SetCapSec(true);
  bar_->SetCaption("Tarnwick");
  skinned->frame_changes = 0;
  const Bitmap shot = Snapshot(*bar_);
  EXPECT_EQ(skinned->frame_changes, 1);
  // Left cap 48 wide, drawn from x = -3 (the inset of 3 when the host does not answer):
  // the caption section starts at 45 and is text width + 3 - 48 + 17 wide.
  Bitmap probe;
  probe.SetSize(10, 10);
  probe.Canvas().Font().Assign(bar_->Font());
  const int section_width = probe.Canvas().TextWidth("Tarnwick") + 3 - 48 + 17;
  ASSERT_GT(section_width, 2);
  EXPECT_EQ(shot.Pixel(45, 12), clRed);
  EXPECT_EQ(shot.Pixel(45 + section_width - 1, 12), clRed);
  EXPECT_NE(shot.Pixel(45 + section_width, 12), clRed);
  EXPECT_FALSE(bar_->HasStandardSections()) << "four sections";
  bar_->SetParent(&form_);
  delete skinned;
}

// ---- Icon and caption ----

// The leftmost column and top row where two pictures differ; -1 when they do not.
POINT FirstDifference(const Bitmap& a, const Bitmap& b) {
  POINT first{-1, -1};
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      if (first.x < 0 || x < first.x) first.x = x;
      if (first.y < 0 || y < first.y) first.y = y;
    }
  }
  return first;
}

// Where the ink of the text begins when it is drawn at (0, 0).
POINT InkOffset(const Font& font, const std::string& text) {
  Bitmap blank, inked;
  for (Bitmap* b : {&blank, &inked}) {
    b->SetSize(80, 40);
    b->Canvas().Brush().SetColor(clWhite);
    b->Canvas().FillRect({0, 0, 80, 40});
    b->Canvas().Brush().SetStyle(BrushStyle::bsClear);
    b->Canvas().Font().Assign(font);
    b->Canvas().Font().SetColor(clBlack);
  }
  inked.Canvas().TextOut(0, 0, text);
  return FirstDifference(blank, inked);
}

struct CaptionStartCase {
  const char* description;
  TsuiUIStyle style;
  bool draw_app_icon;
  bool control_box_visible;
  bool skinned;
  int x;
  int y;
};

void PrintTo(const CaptionStartCase& c, std::ostream* os) { *os << c.description; }

class CaptionStartTest : public TitleBarTest, public ::testing::WithParamInterface<CaptionStartCase> {};

TEST_P(CaptionStartTest, TheCaptionStartsAfterTheIconOrControlBox) {
  const CaptionStartCase& c = GetParam();
  SkinnedFormStandIn* skinned = nullptr;
  std::unique_ptr<HostAnswersFrameInset> inset;
  if (c.skinned) {
    skinned = PutOnSkinnedStandIn();
    inset = std::make_unique<HostAnswersFrameInset>(form_, 2);
  }
  bar_->SetUIStyle(c.style);
  bar_->SetDrawAppIcon(c.draw_app_icon);
  bar_->Buttons().Item(0).SetVisible(c.control_box_visible);
  bar_->SetCaption("");
  const Bitmap empty = Snapshot(*bar_);
  bar_->SetCaption("H");
  const Bitmap captioned = Snapshot(*bar_);
  const POINT ink = InkOffset(bar_->Font(), "H");
  const POINT first = FirstDifference(empty, captioned);
  EXPECT_EQ(first.x, c.x + ink.x);
  EXPECT_EQ(first.y, c.y + ink.y);
  bar_->SetParent(&form_);
  delete skinned;
}

INSTANTIATE_TEST_SUITE_P(Starts, CaptionStartTest, ::testing::Values(
    CaptionStartCase{"macos_icon", TsuiUIStyle::MacOS, true, true, false, 21, 4},
    CaptionStartCase{"macos_icon_on_a_skinned_form", TsuiUIStyle::MacOS, true, true, true, 21, 1},
    CaptionStartCase{"macos_control_box_picture", TsuiUIStyle::MacOS, false, true, false, 22, 4},
    CaptionStartCase{"neither_icon_nor_control_box", TsuiUIStyle::MacOS, true, false, false, 6, 4},
    CaptionStartCase{"blueglass_offset_4_without_control_box", TsuiUIStyle::BlueGlass, true, false, false, 1, 6},
    CaptionStartCase{"protein_caption_three_lower", TsuiUIStyle::Protein, true, false, false, 6, 5}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(TitleBarTest, TheApplicationIconIsDrawnThreePixelsIn) {
  const Bitmap shot = Snapshot(*bar_);
  // The test program's MAINICON is plain blue; it is drawn at 16 x 16 from (3, top).
  EXPECT_EQ(shot.Pixel(3, 4), clBlue);
  EXPECT_EQ(shot.Pixel(18, 19), clBlue);
  EXPECT_NE(shot.Pixel(19, 12), clBlue);
  EXPECT_NE(shot.Pixel(2, 12), clBlue);
}

TEST_F(TitleBarTest, WithoutTheIconTheControlBoxPictureIsDrawnOneRowHigher) {
  bar_->SetDrawAppIcon(false);
  const Bitmap shot = Snapshot(*bar_);
  EXPECT_TRUE(ShowsFrame(shot, 0, 3, StripFrame(TsuiUIStyle::MacOS, 1), false));
}

TEST_F(TitleBarTest, AnInactiveHostShowsTheCaptionInTheInactiveColour) {
  constexpr TColor kInactive = RGBColor(0, 200, 0);
  bar_->SetInactiveCaptionColor(kInactive);
  bar_->SetCaption("HHHH");
  const auto has_colour = [&](TColor colour) {
    const Bitmap shot = Snapshot(*bar_);
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 20; x < 80; ++x)
        if (shot.Pixel(x, y) == colour) return true;
    return false;
  };
  bar_->SetFormActive(false);
  EXPECT_TRUE(has_colour(kInactive));
  bar_->SetFormActive(true);
  EXPECT_FALSE(has_colour(kInactive));
  EXPECT_TRUE(has_colour(clBlack)) << "MacOS captions are black";
}

// ---- Caption fitting ----

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

struct EllipsisCase {
  const char* description;
  std::string caption;
  int right_offset;   // -2 is MacOS's own; a large one leaves little room
  std::string shown;  // empty: worked out from the space, see below
};

void PrintTo(const EllipsisCase& c, std::ostream* os) { *os << c.description; }

class EllipsisTest : public TitleBarTest, public ::testing::WithParamInterface<EllipsisCase> {};

// The caption as drawn is compared with a reference drawing of the candidates over the
// same background: it must be the longest prefix (whole characters) that fits the space
// between x = 21 and the minimise button together with "...".
TEST_P(EllipsisTest, ALongCaptionIsCutAndEndsInAnEllipsis) {
  const EllipsisCase& c = GetParam();
  bar_->SetRightBtnXOffset(c.right_offset);
  bar_->SetCaption("");
  const Bitmap empty = Snapshot(*bar_);
  bar_->SetCaption(c.caption);
  const Bitmap shot = Snapshot(*bar_);
  // The minimise button's left edge (three buttons 17 wide, 1 apart, the close button
  // pulled back to W - 18 with MacOS's offset) minus the caption start x0 = 21.
  const int w = bar_->Width();
  const int minimise_left = c.right_offset == -2 ? w - 54 : w - c.right_offset - 1 - 17 - 18 - 18;
  const int space = minimise_left - 21;
  const auto drawn = [&](const std::string& text) {
    Bitmap reference(empty);
    reference.Canvas().Brush().SetStyle(BrushStyle::bsClear);
    reference.Canvas().Font().Assign(bar_->Font());
    reference.Canvas().TextOut(21, 4, text);
    return FirstDifference(reference, shot).x < 0;
  };
  if (!c.shown.empty()) {
    EXPECT_TRUE(drawn(c.shown));
    return;
  }
  Bitmap measure;
  measure.SetSize(4, 4);
  measure.Canvas().Font().Assign(bar_->Font());
  std::string expected;
  for (std::size_t n = 0; n <= c.caption.size(); n += (IsDBCSLeadByte(static_cast<BYTE>(c.caption[n])) ? 2 : 1)) {
    const std::string candidate = c.caption.substr(0, n) + "...";
    if (measure.Canvas().TextWidth(candidate) <= space) expected = candidate;
    if (n == c.caption.size()) break;
  }
  ASSERT_FALSE(expected.empty());
  EXPECT_NE(expected, c.caption.substr(0, 3) + "...") << "the case should cut deeper than that";
  EXPECT_TRUE(drawn(expected)) << "expected " << expected;
}

INSTANTIATE_TEST_SUITE_P(Captions, EllipsisTest, ::testing::Values(
    EllipsisCase{"fits_unchanged", "Tarnwick", -2, "Tarnwick"},
    EllipsisCase{"latin_cut", Repeat("Tarnwick ", 12), -2, ""},
    EllipsisCase{"gbk_cut_on_whole_characters", Repeat("\xB6\xAF\xCC\xAC\xD3\xF2\xC3\xFB", 10), -2, ""},
    EllipsisCase{"not_one_character_fits", "WWWW", 236, "..."}),
    [](const auto& info) { return std::string(info.param.description); });

}  // namespace
