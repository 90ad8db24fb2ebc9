// What a skinned button paints: the face by state and style, the caption in its states,
// the focus mark, glyphs, and the look that follows a file theme and its removal.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "controls/button.h"
#include "skin/file_theme.h"
#include "tests/controls/button_fixture.h"
#include "tests/skin/skin_fixture.h"
#include "toolkit/gdi_handles.h"

namespace {

enum class FaceState { Normal, Hover, Pressed, Focused, Disabled, Default };

struct FaceCase {
  std::string description;
  TsuiUIStyle style;
  FaceState state;
  int frame;        // of the style's three-frame strip
  bool focus_rect;  // the dotted rectangle at the margin
};

void PrintTo(const FaceCase& c, std::ostream* os) { *os << c.description; }

bool SeeThrough(TsuiUIStyle style) { return style == TsuiUIStyle::MacOS || style == TsuiUIStyle::BlueGlass; }

std::vector<FaceCase> FaceCases() {
  const std::pair<TsuiUIStyle, const char*> styles[] = {{TsuiUIStyle::MacOS, "MacOS"},
                                                        {TsuiUIStyle::WinXP, "WinXP"},
                                                        {TsuiUIStyle::DeepBlue, "DeepBlue"},
                                                        {TsuiUIStyle::Protein, "Protein"},
                                                        {TsuiUIStyle::BlueGlass, "BlueGlass"}};
  std::vector<FaceCase> cases;
  for (const auto& [style, name] : styles) {
    const std::string n = name;
    cases.push_back({n + "_normal_frame_1", style, FaceState::Normal, 1, false});
    cases.push_back({n + "_hover_frame_2", style, FaceState::Hover, 2, false});
    cases.push_back({n + "_pressed_frame_3", style, FaceState::Pressed, 3, false});
    cases.push_back({n + "_disabled_frame_1", style, FaceState::Disabled, 1, false});
    cases.push_back({n + "_default_is_not_marked", style, FaceState::Default, 1, false});
    // The see-through styles mark the focus by a bold caption instead.
    cases.push_back({n + "_focused", style, FaceState::Focused, 1, !SeeThrough(style)});
  }
  return cases;
}

class ButtonFaceTest : public ButtonFormTest, public ::testing::WithParamInterface<FaceCase> {};

TEST_P(ButtonFaceTest, ShowsTheStatesFrameStretchedOverItsBackground) {
  const FaceCase& c = GetParam();
  TsuiButton* button = AddButton(c.style, 20, 20);
  button->SetTabStop(c.state == FaceState::Focused);
  switch (c.state) {
    case FaceState::Hover:
      CursorOver(*button);
      SendMessageA(button->Handle(), WM_MOUSEMOVE, 0, PointParam(40, 13));
      ASSERT_TRUE(button->IsHovered());
      break;
    case FaceState::Pressed:
      SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(40, 13));
      ASSERT_TRUE(button->IsPressed());
      break;
    case FaceState::Focused:
      button->SetFocus();
      Pump();
      ASSERT_TRUE(button->Focused());
      break;
    case FaceState::Disabled:
      button->SetEnabled(false);
      break;
    case FaceState::Default:
      button->SetDefault(true);
      break;
    case FaceState::Normal:
      break;
  }
  const bool see_through = SeeThrough(c.style);
  EXPECT_EQ(button->Transparent(), see_through);
  EXPECT_EQ(button->SkinTransparent(), see_through);
  const Bitmap expected =
      ReferenceFace(c.style, c.frame, see_through ? kFormBackground : kButtonBackground, 80, 27, see_through, c.focus_rect);
  EXPECT_EQ(FirstDifference(Shoot(*button), expected), "");
}

INSTANTIATE_TEST_SUITE_P(StylesAndStates, ButtonFaceTest, ::testing::ValuesIn(FaceCases()),
                         [](const auto& info) { return info.param.description; });

// Without this the face table could not tell the states apart.
TEST(ButtonFaceFrames, TheThreeFacesDifferInEveryStyle) {
  for (const TsuiUIStyle style : {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                  TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass}) {
    const Bitmap normal = ReferenceFace(style, 1, kButtonBackground, 80, 27, false);
    const Bitmap hover = ReferenceFace(style, 2, kButtonBackground, 80, 27, false);
    const Bitmap pressed = ReferenceFace(style, 3, kButtonBackground, 80, 27, false);
    EXPECT_NE(FirstDifference(normal, hover), "") << static_cast<int>(style);
    EXPECT_NE(FirstDifference(normal, pressed), "") << static_cast<int>(style);
    EXPECT_NE(FirstDifference(hover, pressed), "") << static_cast<int>(style);
  }
}

// The base class draws the face unstretched in the top-left corner.
class CustomButtonFaceTest : public ButtonFormTest {
 protected:
  TsuiCustomButton* AddCustomButton() {
    auto* button = Keep(new TsuiCustomButton(form_));
    button->SetParent(form_);
    button->SetUIStyle(TsuiUIStyle::WinXP);
    button->SetColor(kButtonBackground);
    button->SetTabStop(false);
    return button;
  }
  static Bitmap Frame() {
    Bitmap frame;
    GetBuiltInBitmap(TsuiUIStyle::WinXP, kButtonImage, &frame, 1, 3);
    return frame;
  }
};

TEST_F(CustomButtonFaceTest, DrawsTheFrameAtItsOwnSize) {
  TsuiCustomButton* button = AddCustomButton();
  const Bitmap frame = Frame();
  ASSERT_EQ(frame.Width(), 18);
  const Bitmap shot = Shoot(*button);
  for (int y = 0; y < 27; ++y) {
    for (int x = 0; x < 80; ++x) {
      const TColor expected = (x < 18 && y < 21) ? frame.Pixel(x, y) : kButtonBackground;
      ASSERT_EQ(shot.Pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(CustomButtonFaceTest, GreysTheFrameWhileDisabled) {
  TsuiCustomButton* button = AddCustomButton();
  button->SetEnabled(false);
  const Bitmap shot = Shoot(*button);
  const TColor centre = shot.Pixel(9, 10);
  EXPECT_NE(centre, Frame().Pixel(9, 10));
  EXPECT_EQ(RedOf(centre), GreenOf(centre));
  EXPECT_EQ(GreenOf(centre), BlueOf(centre));
}

TEST_F(CustomButtonFaceTest, ATransparentButtonLeavesOutTheFramesTopLeftColour) {
  TsuiCustomButton* button = AddCustomButton();
  button->SetTransparent(true);
  EXPECT_TRUE(button->SkinTransparent());
  const Bitmap frame = Frame();
  const Bitmap shot = Shoot(*button);
  int left_out = 0;
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 18; ++x) {
      const bool key = frame.Pixel(x, y) == frame.Pixel(0, 0);
      EXPECT_EQ(shot.Pixel(x, y), key ? kFormBackground : frame.Pixel(x, y)) << x << "," << y;
      left_out += key;
    }
  }
  EXPECT_GT(left_out, 0);
  EXPECT_EQ(shot.Pixel(40, 13), kFormBackground) << "the parent shows beside the face";
}

class ButtonCaptionTest : public ButtonFormTest {
 protected:
  // The caption's pixels: the paint with the caption against the same paint without it.
  static Ink CaptionInk(TsuiButton& button, const std::string& caption) {
    button.SetCaption(caption);
    const Bitmap with_caption = Shoot(button);
    button.SetCaption("");
    const Bitmap without_caption = Shoot(button);
    button.SetCaption(caption);
    return InkBetween(with_caption, without_caption);
  }
};

TEST_F(ButtonCaptionTest, DisabledCaptionIsGreyOverAWhiteCopyOnePixelDownAndRight) {
  TsuiButton* button = AddButton(TsuiUIStyle::DeepBlue, 20, 20);
  button->SetEnabled(false);
  const Ink ink = CaptionInk(*button, "HIH");
  ASSERT_FALSE(ink.points.empty());
  const Bitmap shot = Shoot(*button);
  std::set<std::pair<LONG, LONG>> inked;
  for (const POINT p : ink.points) inked.insert({p.x, p.y});
  int white = 0, grey = 0;
  for (const POINT p : ink.points) {
    const TColor colour = shot.Pixel(p.x, p.y);
    if (colour == clWhite) ++white;
    if (colour != clGray) continue;
    ++grey;
    // Under every grey pixel lies the white copy's pixel one down and right, seen or
    // covered by grey.
    EXPECT_TRUE(inked.count({p.x + 1, p.y + 1})) << p.x << "," << p.y;
  }
  EXPECT_GT(white, 0);
  EXPECT_GT(grey, 0);
  for (int x = ink.bounds.left; x < ink.bounds.right; ++x) {
    const TColor top = shot.Pixel(x, ink.bounds.top);
    const TColor bottom = shot.Pixel(x, ink.bounds.bottom - 1);
    EXPECT_NE(top, clWhite) << "the top row is the grey copy's, at x " << x;
    EXPECT_NE(bottom, clGray) << "the bottom row is the white copy's, at x " << x;
  }
}

TEST_F(ButtonCaptionTest, PressedCaptionMovesOnePixelDownAndRight) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  button->SetTabStop(false);
  const Ink normal = CaptionInk(*button, "Press");
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(40, 13));
  ASSERT_TRUE(button->IsPressed());
  const Ink pressed = CaptionInk(*button, "Press");
  ASSERT_FALSE(normal.points.empty());
  ASSERT_EQ(pressed.points.size(), normal.points.size());
  for (std::size_t i = 0; i < normal.points.size(); ++i) {
    EXPECT_EQ(pressed.points[i].x, normal.points[i].x + 1);
    EXPECT_EQ(pressed.points[i].y, normal.points[i].y + 1);
  }
}

TEST_F(ButtonCaptionTest, CaptionIsCentredInTheButton) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  const Ink ink = CaptionInk(*button, "Centre");
  ASSERT_FALSE(ink.points.empty());
  const int left_gap = ink.bounds.left;
  const int right_gap = button->Width() - ink.bounds.right;
  EXPECT_LE(std::abs(left_gap - right_gap), 3) << left_gap << " against " << right_gap;
  EXPECT_GT(ink.bounds.top, 3);
  EXPECT_LT(ink.bounds.bottom, button->Height() - 3);
}

struct FocusCase {
  const char* description;
  TsuiUIStyle style;
  bool bold;
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.description; }

class ButtonFocusMarkTest : public ButtonCaptionTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(ButtonFocusMarkTest, FocusShowsABoldCaptionOrTheFocusRectangle) {
  const FocusCase& c = GetParam();
  TsuiButton* button = AddButton(c.style, 20, 20);
  const Ink unfocused = CaptionInk(*button, "Bold");
  button->SetCaption("");
  const Bitmap unfocused_face = Shoot(*button);
  button->SetFocus();
  Pump();
  ASSERT_TRUE(button->Focused());
  const Ink focused = CaptionInk(*button, "Bold");
  EXPECT_FALSE(button->BoldCaptionOnce()) << "the caption paint uses the bold font once";
  button->SetCaption("");
  const Bitmap focused_face = Shoot(*button);
  if (c.bold) {
    EXPECT_GT(focused.points.size(), unfocused.points.size() + 4);
    EXPECT_EQ(FirstDifference(focused_face, unfocused_face), "") << "no focus rectangle";
  } else {
    EXPECT_EQ(focused.points.size(), unfocused.points.size());
    EXPECT_NE(FirstDifference(focused_face, unfocused_face), "");
    button->SetFocusedRectMargin(5);
    const Bitmap wider_margin = Shoot(*button);
    int changed_at_2 = 0, changed_at_5 = 0;
    for (int x = 0; x < button->Width(); ++x) {
      changed_at_2 += wider_margin.Pixel(x, 2) != unfocused_face.Pixel(x, 2);
      changed_at_5 += wider_margin.Pixel(x, 5) != unfocused_face.Pixel(x, 5);
    }
    EXPECT_EQ(changed_at_2, 0) << "the rectangle moved in with the margin";
    EXPECT_GT(changed_at_5, 20);
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, ButtonFocusMarkTest, ::testing::Values(
    FocusCase{"MacOS_bold", TsuiUIStyle::MacOS, true},
    FocusCase{"BlueGlass_bold", TsuiUIStyle::BlueGlass, true},
    FocusCase{"WinXP_rectangle", TsuiUIStyle::WinXP, false},
    FocusCase{"DeepBlue_rectangle", TsuiUIStyle::DeepBlue, false},
    FocusCase{"Protein_rectangle", TsuiUIStyle::Protein, false}),
    [](const auto& info) { return std::string(info.param.description); });

// Glyph pictures: lime around the images (the top-left pixel masks it out), a 12 x 12
// square inside each 16 x 16 image.
constexpr TColor kGlyphKey = clLime;
constexpr TColor kEnabledImage = clRed;
constexpr TColor kDisabledImage = clBlue;

Bitmap GlyphPicture(int images) {
  Bitmap glyph;
  glyph.SetSize(16 * images, 16);
  glyph.Canvas().Brush().SetColor(kGlyphKey);
  glyph.Canvas().FillRect({0, 0, 16 * images, 16});
  for (int i = 0; i < images; ++i) {
    glyph.Canvas().Brush().SetColor(i == 0 ? kEnabledImage : kDisabledImage);
    glyph.Canvas().FillRect({16 * i + 2, 2, 16 * i + 14, 14});
  }
  return glyph;
}

struct ColourArea {
  int count = 0;
  RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

ColourArea AreaOf(const Bitmap& shot, TColor colour) {
  ColourArea area;
  for (int y = 0; y < shot.Height(); ++y) {
    for (int x = 0; x < shot.Width(); ++x) {
      if (shot.Pixel(x, y) != colour) continue;
      ++area.count;
      area.bounds.left = std::min<LONG>(area.bounds.left, x);
      area.bounds.top = std::min<LONG>(area.bounds.top, y);
      area.bounds.right = std::max<LONG>(area.bounds.right, x + 1);
      area.bounds.bottom = std::max<LONG>(area.bounds.bottom, y + 1);
    }
  }
  return area;
}

class ButtonGlyphTest : public ButtonFormTest {};

TEST_F(ButtonGlyphTest, AGlyphTwiceAsWideAsHighHoldsTheEnabledAndTheDisabledImage) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  button->SetTabStop(false);
  button->SetGlyph(GlyphPicture(2));
  ASSERT_EQ(button->Glyph().Width(), 32);
  // One 16 x 16 image, centred with the (empty) caption and the spacing of 4.
  const int gx = (80 - (16 + 4)) / 2, gy = (27 - 16) / 2;

  const Bitmap enabled = Shoot(*button);
  const ColourArea red = AreaOf(enabled, kEnabledImage);
  EXPECT_EQ(red.count, 144);
  EXPECT_EQ(red.bounds.left, gx + 2);
  EXPECT_EQ(red.bounds.top, gy + 2);
  EXPECT_EQ(AreaOf(enabled, kDisabledImage).count, 0);
  EXPECT_EQ(AreaOf(enabled, kGlyphKey).count, 0) << "the key colour is masked out";

  button->SetEnabled(false);
  const Bitmap disabled = Shoot(*button);
  const ColourArea blue = AreaOf(disabled, kDisabledImage);
  EXPECT_EQ(blue.count, 144) << "the disabled image is drawn as it is, not greyed";
  EXPECT_EQ(blue.bounds.left, gx + 2);
  EXPECT_EQ(AreaOf(disabled, kEnabledImage).count, 0);

  button->SetEnabled(true);
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(40, 13));
  const ColourArea pressed = AreaOf(Shoot(*button), kEnabledImage);
  EXPECT_EQ(pressed.bounds.left, gx + 3);
  EXPECT_EQ(pressed.bounds.top, gy + 3);
}

TEST_F(ButtonGlyphTest, AOneImageGlyphIsGreyedWhileDisabled) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  button->SetGlyph(GlyphPicture(1));
  const int cx = (80 - 20) / 2 + 8, cy = (27 - 16) / 2 + 8;
  EXPECT_EQ(Shoot(*button).Pixel(cx, cy), kEnabledImage);
  button->SetEnabled(false);
  const TColor greyed = Shoot(*button).Pixel(cx, cy);
  EXPECT_NE(greyed, kEnabledImage);
  EXPECT_EQ(RedOf(greyed), GreenOf(greyed));
  EXPECT_EQ(GreenOf(greyed), BlueOf(greyed));
}

struct LayoutCase {
  const char* description;
  TButtonLayout layout;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.description; }

class ButtonGlyphLayoutTest : public ButtonFormTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(ButtonGlyphLayoutTest, PutsTheGlyphOnItsSideOfTheCaption) {
  const LayoutCase& c = GetParam();
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20, "Ab");
  button->SetBounds(20, 20, 90, 60);
  button->SetGlyph(GlyphPicture(1));
  button->SetLayout(c.layout);
  const Bitmap shot = Shoot(*button);
  const ColourArea glyph = AreaOf(shot, kEnabledImage);
  ASSERT_EQ(glyph.count, 144);
  // The caption is black; the face has no pixel that dark.
  RECT text{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < shot.Height(); ++y) {
    for (int x = 0; x < shot.Width(); ++x) {
      if (shot.Pixel(x, y) != clBlack) continue;
      text = {std::min<LONG>(text.left, x), std::min<LONG>(text.top, y), std::max<LONG>(text.right, x + 1),
              std::max<LONG>(text.bottom, y + 1)};
    }
  }
  ASSERT_LT(text.left, text.right) << "no caption drawn";
  const POINT caption = button->CaptionPos();
  EXPECT_GE(text.left, caption.x);
  EXPECT_GE(text.top, caption.y);
  const int glyph_left = glyph.bounds.left - 2, glyph_top = glyph.bounds.top - 2;
  switch (c.layout) {
    case TButtonLayout::blGlyphLeft:
      EXPECT_EQ(caption.x, glyph_left + 16 + 4);
      EXPECT_EQ(glyph_top, (60 - 16) / 2);
      break;
    case TButtonLayout::blGlyphRight:
      EXPECT_LE(text.right + 4, glyph_left);
      EXPECT_EQ(glyph_top, (60 - 16) / 2);
      break;
    case TButtonLayout::blGlyphTop:
      EXPECT_EQ(caption.y, glyph_top + 16 + 4);
      EXPECT_EQ(glyph_left, (90 - 16) / 2);
      break;
    case TButtonLayout::blGlyphBottom:
      EXPECT_LE(text.bottom + 4, glyph_top);
      EXPECT_EQ(glyph_left, (90 - 16) / 2);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, ButtonGlyphLayoutTest, ::testing::Values(
    LayoutCase{"left", TButtonLayout::blGlyphLeft}, LayoutCase{"right", TButtonLayout::blGlyphRight},
    LayoutCase{"top", TButtonLayout::blGlyphTop}, LayoutCase{"bottom", TButtonLayout::blGlyphBottom}),
    [](const auto& info) { return std::string(info.param.description); });

// A skin whose button strip has three plain frames, so that each face shows by colour.
constexpr std::uint32_t kThemeFrameRgb[3] = {0x2060A0, 0x60A020, 0xA02060};  // 0x00RRGGBB
constexpr TColor kThemeCaptionColour = RGBColor(0, 0, 255);

TColor ThemeFrameColour(int frame) {
  const std::uint32_t rgb = kThemeFrameRgb[frame - 1];
  return RGBColor(static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                  static_cast<std::uint8_t>(rgb));
}

Bytes ButtonSkin() {
  return MakeSkinFile(
      BuildSkinDataFile({
          BitmapEntry("SKIN2_BUTTON", MakeBmpFile(30, 21, [](int x, int) { return kThemeFrameRgb[x / 10]; })),
          BooleanEntry("SKIN2_BUTTONTRANS", true),
          IntegerEntry("SKIN2_BUTTONFONTCOLOR", static_cast<std::int32_t>(kThemeCaptionColour)),
      }),
      {});
}

class ButtonFileThemeTest : public ButtonFormTest {
 protected:
  SkinFolder folder_;
};

TEST_F(ButtonFileThemeTest, TakesItsLookFromTheThemeAndFallsBackToDeepBlueWhenTheThemeGoes) {
  auto* theme = new TsuiFileTheme(form_);
  theme->SetThemeFile(folder_.Write("button.skn", ButtonSkin()));
  ASSERT_TRUE(theme->Ready());
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  button->SetTabStop(false);
  button->SetFileTheme(theme);
  button->SetUIStyle(TsuiUIStyle::FromThemeFile);
  EXPECT_TRUE(button->Transparent());
  EXPECT_TRUE(button->SkinTransparent());
  EXPECT_EQ(button->Font().Color(), kThemeCaptionColour);
  EXPECT_EQ(Shoot(*button).Pixel(40, 13), ThemeFrameColour(1));
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(40, 13));
  EXPECT_EQ(Shoot(*button).Pixel(40, 13), ThemeFrameColour(3));
  SendMessageA(button->Handle(), WM_LBUTTONUP, 0, PointParam(40, 13));

  delete theme;
  EXPECT_EQ(button->FileTheme(), nullptr);
  EXPECT_EQ(button->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_FALSE(button->Transparent());
  EXPECT_FALSE(button->SkinTransparent());
  EXPECT_EQ(button->Font().Color(), clBlack);
  EXPECT_EQ(FirstDifference(Shoot(*button), ReferenceFace(TsuiUIStyle::DeepBlue, 1, kButtonBackground, 80, 27, false)),
            "");
}

TEST_F(ButtonFileThemeTest, AThemeLoadedLaterReachesTheButtonsThatUseIt) {
  auto* theme = Keep(new TsuiFileTheme(form_));
  theme->SetName("suiFileTheme1");
  TsuiButton* button = AddButton(TsuiUIStyle::FromThemeFile, 20, 20);
  button->SetTabStop(false);
  button->SetFileTheme(theme);
  EXPECT_FALSE(button->Transparent()) << "DeepBlue while the theme is not ready";
  theme->SetThemeFile(folder_.Write("later.skn", ButtonSkin()));
  ASSERT_TRUE(theme->Ready());
  EXPECT_TRUE(button->Transparent());
  EXPECT_EQ(Shoot(*button).Pixel(40, 13), ThemeFrameColour(1));
}

TEST_F(ButtonFileThemeTest, AThemeThatIsNotReadyGivesTheDeepBlueFace) {
  auto* theme = Keep(new TsuiFileTheme(form_));
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  button->SetTabStop(false);
  button->SetFileTheme(theme);
  button->SetUIStyle(TsuiUIStyle::FromThemeFile);
  EXPECT_FALSE(button->Transparent());
  EXPECT_EQ(FirstDifference(Shoot(*button), ReferenceFace(TsuiUIStyle::DeepBlue, 1, kButtonBackground, 80, 27, false)),
            "");
}

TEST_F(ButtonFileThemeTest, AThemeWithoutAButtonStripStillShowsTheCaption) {
  auto* theme = Keep(new TsuiFileTheme(form_));
  theme->SetThemeFile(folder_.Write("bare.skn", MakeSkinFile(BuildSkinDataFile({BooleanEntry("SKIN2_BUTTONTRANS",
                                                                                              false)}),
                                                             {})));
  ASSERT_TRUE(theme->Ready());
  TsuiButton* button = AddButton(TsuiUIStyle::FromThemeFile, 20, 20, "Text");
  button->SetFileTheme(theme);
  button->SetTabStop(false);
  button->Font().SetColor(clBlack);
  const Bitmap shot = Shoot(*button);
  EXPECT_EQ(shot.Pixel(1, 1), kButtonBackground) << "no face over the background";
  EXPECT_GT(AreaOf(shot, clBlack).count, 0) << "the caption is drawn";
}

struct AutoSizeCase {
  const char* description;
  TsuiUIStyle style;
  int width, height;
};

void PrintTo(const AutoSizeCase& c, std::ostream* os) { *os << c.description; }

class ButtonAutoSizeTest : public ButtonFormTest, public ::testing::WithParamInterface<AutoSizeCase> {};

TEST_P(ButtonAutoSizeTest, TakesOneFrameOfTheStylesStrip) {
  const AutoSizeCase& c = GetParam();
  TsuiButton* button = AddButton(c.style, 20, 20);
  button->SetAutoSize(true);
  EXPECT_EQ(button->Width(), c.width);
  EXPECT_EQ(button->Height(), c.height);
  RECT window;
  GetWindowRect(button->Handle(), &window);
  EXPECT_EQ(window.right - window.left, c.width);
}

INSTANTIATE_TEST_SUITE_P(Styles, ButtonAutoSizeTest, ::testing::Values(
    AutoSizeCase{"MacOS", TsuiUIStyle::MacOS, 84, 23},
    AutoSizeCase{"WinXP", TsuiUIStyle::WinXP, 18, 21},
    AutoSizeCase{"DeepBlue", TsuiUIStyle::DeepBlue, 74, 21},
    AutoSizeCase{"Protein", TsuiUIStyle::Protein, 74, 21},
    AutoSizeCase{"BlueGlass", TsuiUIStyle::BlueGlass, 77, 27},
    AutoSizeCase{"FromThemeFile_has_no_strip", TsuiUIStyle::FromThemeFile, 24, 21}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(ButtonFormTest, AutoSizeOnlyActsWhenAssigned) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  button->SetAutoSize(true);
  button->SetUIStyle(TsuiUIStyle::MacOS);
  EXPECT_EQ(button->Width(), 18) << "a style change does not size the button";
  button->SetAutoSize(false);
  EXPECT_EQ(button->Width(), 18);
}

TEST_F(ButtonFormTest, TheWindowShowsWhatThePaintDraws) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20, "On");
  button->SetTabStop(false);
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(40, 13));
  UpdateWindow(button->Handle());
  Pump();
  Bitmap screen;
  screen.SetSize(80, 27);
  {
    const WindowDC dc(button->Handle());
    BitBlt(screen.Canvas().Handle(), 0, 0, 80, 27, dc.Get(), 0, 0, SRCCOPY);
  }
  EXPECT_EQ(FirstDifference(screen, Shoot(*button)), "");
}

}  // namespace
