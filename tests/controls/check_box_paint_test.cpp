// The check box's face, painted through its own Paint into bitmaps: the frame of the
// strip for each state and style, the file theme's six-frame strip, the fall-back when the
// theme is not ready or goes away, the parent's background, the focus mark and auto-size.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "controls/check_box.h"
#include "skin/file_theme.h"
#include "tests/controls/check_box_probe.h"
#include "tests/controls/shared_form.h"
#include "tests/skin/skin_fixture.h"
#include "tests/support/creation_recorder.h"

namespace {

constexpr TColor kBoxColor = RGBColor(230, 200, 20);
constexpr int kThemeFrameWidth = 9;
constexpr int kThemeFrameHeight = 11;
constexpr const char* kSave = "\xB1\xA3\xB4\xE6";   // "保存" in GBK, the main window's caption
constexpr const char* kSongTi = "\xCB\xCE\xCC\xE5";  // "宋体" in GBK

// Pixels of the theme's strip name their frame (from 1) and their place in it.
TColor ThemePixel(int frame, int x, int y) {
  return RGBColor(static_cast<std::uint8_t>(30 * frame), static_cast<std::uint8_t>(10 + 20 * x),
                  static_cast<std::uint8_t>(10 + 20 * y));
}

Picture ThemeFrame(int frame) {
  Picture picture{kThemeFrameWidth, kThemeFrameHeight, {}};
  for (int y = 0; y < kThemeFrameHeight; ++y)
    for (int x = 0; x < kThemeFrameWidth; ++x) picture.pixels.push_back(ThemePixel(frame, x, y));
  return picture;
}

Bytes SixFrameSkin() {
  const auto pixel = [](int x, int y) {
    const TColor c = ThemePixel(x / kThemeFrameWidth + 1, x % kThemeFrameWidth, y);
    return (static_cast<std::uint32_t>(RedOf(c)) << 16) | (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
           ((c >> 16) & 0xFF);
  };
  return MakeSkinFile(BuildSkinDataFile({BitmapEntry("SKIN2_CHECKBOX",
                                                     MakeBmpFile(6 * kThemeFrameWidth, kThemeFrameHeight, pixel))}),
                      {});
}

Bytes SkinWithoutCheckBox() {
  return MakeSkinFile(BuildSkinDataFile({IntegerEntry("SKIN2_FORMCOLOR", 0x00445566)}), {});
}

// The text size that GDI itself gives for the bytes, decoded by the program's code page as
// the toolkit decodes them.
SIZE MeasuredText(const char* face, int height, BYTE charset, const std::string& text) {
  const HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  wchar_t wide[64] = {};
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide, 64);
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, wide, length, &size);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return size;
}

bool SamePicture(const Picture& a, const Picture& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

enum class ThemeState { None, NotReady, Ready, WithoutCheckBox };

class CheckBoxPaintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new SkinFolder;
    ready_ = new TsuiFileTheme(nullptr);
    ready_->SetThemeFile(folder_->Write("six.skn", SixFrameSkin()));
    not_ready_ = new TsuiFileTheme(nullptr);
    bare_ = new TsuiFileTheme(nullptr);
    bare_->SetThemeFile(folder_->Write("bare.skn", SkinWithoutCheckBox()));
  }
  static void TearDownTestSuite() {
    delete ready_;
    delete not_ready_;
    delete bare_;
    delete folder_;
  }
  void TearDown() override {
    for (TsuiCheckBox* box : boxes_) delete box;
  }

  static TsuiFileTheme* Theme(ThemeState state) {
    switch (state) {
      case ThemeState::Ready: return ready_;
      case ThemeState::NotReady: return not_ready_;
      case ThemeState::WithoutCheckBox: return bare_;
      default: return nullptr;
    }
  }

  TsuiCheckBox* NewBox(const std::string& caption = "") {
    auto* box = new TsuiCheckBox(&SharedForm());
    boxes_.push_back(box);
    box->SetParent(&SharedForm());
    box->SetBounds(12, 12, 93, 17);
    box->SetCaption(caption);
    return box;
  }

  static inline SkinFolder* folder_ = nullptr;
  static inline TsuiFileTheme* ready_ = nullptr;
  static inline TsuiFileTheme* not_ready_ = nullptr;
  static inline TsuiFileTheme* bare_ = nullptr;
  std::vector<TsuiCheckBox*> boxes_;
};

TEST_F(CheckBoxPaintTest, ThemesOfTheSuiteAreAsIntended) {
  EXPECT_TRUE(ready_->Ready());
  EXPECT_FALSE(not_ready_->Ready());
  EXPECT_TRUE(bare_->Ready());
}

struct FrameCase {
  const char* description;
  TsuiUIStyle style;
  ThemeState theme;
  bool checked;
  bool enabled;
  const char* strip;  // the built-in strip expected, or null for the theme's six frames
  int frame;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxFrameTest : public CheckBoxPaintTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(CheckBoxFrameTest, ShowsTheFrameOfItsStateBesideTheLeftEdge) {
  const FrameCase& c = GetParam();
  TsuiCheckBox* box = NewBox();
  box->SetFileTheme(Theme(c.theme));
  box->SetUIStyle(c.style);
  box->SetChecked(c.checked);
  box->SetEnabled(c.enabled);

  const Bitmap face = PaintedFace(*box);

  const int frames = c.strip ? 4 : 6;
  const auto frame_of = [&](int index) { return c.strip ? StripFrame(c.strip, 4, index) : ThemeFrame(index); };
  const Picture expected = frame_of(c.frame);
  ASSERT_FALSE(expected.pixels.empty());
  EXPECT_EQ(box->Width(), expected.width + 8) << "auto-size with an empty caption";
  const int top = (box->ClientHeight() - expected.height) / 2;
  EXPECT_TRUE(ShowsPicture(face, 1, top, expected));
  for (int other = 1; other <= frames; ++other) {
    const Picture picture = frame_of(other);
    if (other == c.frame || SamePicture(picture, expected)) continue;
    EXPECT_FALSE(ShowsPicture(face, 1, top, picture)) << "shows frame " << other << " instead";
  }
}

INSTANTIATE_TEST_SUITE_P(States, CheckBoxFrameTest, ::testing::Values(
    FrameCase{"winxp_checked", TsuiUIStyle::WinXP, ThemeState::None, true, true, "WINXP_CHECKBOX", 1},
    FrameCase{"winxp_unchecked", TsuiUIStyle::WinXP, ThemeState::None, false, true, "WINXP_CHECKBOX", 2},
    FrameCase{"winxp_checked_disabled_as_on_the_main_window", TsuiUIStyle::WinXP, ThemeState::None, true, false,
              "WINXP_CHECKBOX", 3},
    FrameCase{"winxp_unchecked_disabled", TsuiUIStyle::WinXP, ThemeState::None, false, false, "WINXP_CHECKBOX", 4},
    FrameCase{"macos_checked", TsuiUIStyle::MacOS, ThemeState::None, true, true, "MACOS_CHECKBOX", 1},
    FrameCase{"macos_unchecked_disabled", TsuiUIStyle::MacOS, ThemeState::None, false, false, "MACOS_CHECKBOX", 4},
    FrameCase{"deepblue_unchecked", TsuiUIStyle::DeepBlue, ThemeState::None, false, true, "DEEPBLUE_CHECKBOX", 2},
    FrameCase{"protein_checked_disabled", TsuiUIStyle::Protein, ThemeState::None, true, false, "PROTEIN_CHECKBOX", 3},
    FrameCase{"blueglass_checked", TsuiUIStyle::BlueGlass, ThemeState::None, true, true, "BLUEGLASS_CHECKBOX", 1},
    FrameCase{"theme_checked", TsuiUIStyle::FromThemeFile, ThemeState::Ready, true, true, nullptr, 1},
    FrameCase{"theme_unchecked", TsuiUIStyle::FromThemeFile, ThemeState::Ready, false, true, nullptr, 3},
    FrameCase{"theme_checked_disabled", TsuiUIStyle::FromThemeFile, ThemeState::Ready, true, false, nullptr, 4},
    FrameCase{"theme_unchecked_disabled", TsuiUIStyle::FromThemeFile, ThemeState::Ready, false, false, nullptr, 6},
    FrameCase{"theme_not_ready_gives_deepblue", TsuiUIStyle::FromThemeFile, ThemeState::NotReady, true, true,
              "DEEPBLUE_CHECKBOX", 1},
    FrameCase{"no_theme_gives_deepblue", TsuiUIStyle::FromThemeFile, ThemeState::None, false, false,
              "DEEPBLUE_CHECKBOX", 4},
    FrameCase{"builtin_style_beside_a_ready_theme", TsuiUIStyle::WinXP, ThemeState::Ready, false, true,
              "WINXP_CHECKBOX", 2}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(CheckBoxPaintTest, ARemovedThemeLeavesDeepBlue) {
  auto theme = std::make_unique<TsuiFileTheme>(nullptr);
  theme->SetThemeFile(folder_->Write("gone.skn", SixFrameSkin()));
  ASSERT_TRUE(theme->Ready());
  TsuiCheckBox* box = NewBox();
  box->SetUIStyle(TsuiUIStyle::FromThemeFile);
  box->SetFileTheme(theme.get());
  box->SetChecked(true);
  const Bitmap themed = PaintedFace(*box);
  ASSERT_TRUE(ShowsPicture(themed, 1, (box->ClientHeight() - kThemeFrameHeight) / 2, ThemeFrame(1)));

  theme.reset();

  EXPECT_EQ(box->FileTheme(), nullptr);
  EXPECT_EQ(box->UIStyle(), TsuiUIStyle::DeepBlue);
  const Bitmap fallen_back = PaintedFace(*box);
  const Picture deep_blue = StripFrame("DEEPBLUE_CHECKBOX", 4, 1);
  EXPECT_TRUE(ShowsPicture(fallen_back, 1, (box->ClientHeight() - deep_blue.height) / 2, deep_blue));
}

TEST_F(CheckBoxPaintTest, AThemeWithoutTheStripLeavesTheImageEmpty) {
  TsuiCheckBox* box = NewBox("Keep");
  box->SetColor(kBoxColor);
  box->SetFileTheme(bare_);
  box->SetUIStyle(TsuiUIStyle::FromThemeFile);
  const Bitmap face = PaintedFace(*box);
  for (int y = 0; y < face.Height(); ++y)
    for (int x = 0; x < 4; ++x) ASSERT_EQ(face.Pixel(x, y), kBoxColor) << "the caption starts at x = 4; " << x << "," << y;
  bool ink = false;
  for (int y = 0; y < face.Height(); ++y)
    for (int x = 4; x < face.Width(); ++x) ink = ink || face.Pixel(x, y) != kBoxColor;
  EXPECT_TRUE(ink) << "the caption is drawn";
}

struct BackgroundCase {
  const char* description;
  bool transparent;
  TColor expected;
};

void PrintTo(const BackgroundCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxBackgroundTest : public CheckBoxPaintTest, public ::testing::WithParamInterface<BackgroundCase> {};

TEST_P(CheckBoxBackgroundTest, FillsWithItsColourOrShowsTheParent) {
  const BackgroundCase& c = GetParam();
  TsuiCheckBox* box = NewBox();
  box->SetUIStyle(TsuiUIStyle::WinXP);
  box->SetColor(kBoxColor);
  box->SetTransparent(c.transparent);
  const Bitmap face = PaintedFace(*box);
  const Picture image = StripFrame("WINXP_CHECKBOX", 4, 2);
  const int top = (box->ClientHeight() - image.height) / 2;
  for (int y = 0; y < face.Height(); ++y) {
    for (int x = 0; x < face.Width(); ++x) {
      const bool in_image = x >= 1 && x < 1 + image.width && y >= top && y < top + image.height;
      if (in_image) continue;
      ASSERT_EQ(face.Pixel(x, y), c.expected) << "pixel " << x << "," << y;
    }
  }
  EXPECT_TRUE(ShowsPicture(face, 1, top, image)) << "the image is drawn opaque over it";
}

INSTANTIATE_TEST_SUITE_P(Modes, CheckBoxBackgroundTest, ::testing::Values(
    BackgroundCase{"opaque_fills_with_its_colour", false, kBoxColor},
    BackgroundCase{"transparent_shows_the_form", true, kSharedFormColor}),
    [](const auto& info) { return std::string(info.param.description); });

struct RepaintCase {
  const char* description;
  std::function<void(TsuiCheckBox&)> change;
};

void PrintTo(const RepaintCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxRepaintTest : public CheckBoxPaintTest, public ::testing::WithParamInterface<RepaintCase> {};

TEST_P(CheckBoxRepaintTest, AChangeAsksForAPaint) {
  TsuiCheckBox* box = NewBox("Keep");
  PumpMessages();
  ValidateRect(box->Handle(), nullptr);
  GetParam().change(*box);
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(box->Handle(), &update, FALSE));
}

INSTANTIATE_TEST_SUITE_P(Changes, CheckBoxRepaintTest, ::testing::Values(
    RepaintCase{"checked", [](TsuiCheckBox& b) { b.SetChecked(true); }},
    RepaintCase{"caption", [](TsuiCheckBox& b) { b.SetCaption("Kept"); }},
    RepaintCase{"font", [](TsuiCheckBox& b) { b.Font().SetHeight(-15); }},
    RepaintCase{"enabled", [](TsuiCheckBox& b) { b.SetEnabled(false); }},
    RepaintCase{"style", [](TsuiCheckBox& b) { b.SetUIStyle(TsuiUIStyle::MacOS); }},
    RepaintCase{"transparent", [](TsuiCheckBox& b) { b.SetTransparent(true); }},
    RepaintCase{"focus", [](TsuiCheckBox& b) { b.SetFocus(); }}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(CheckBoxPaintTest, ANewCaptionResizesTheBoxAtItsNextPaint) {
  TsuiCheckBox* box = NewBox("Keep");
  PaintedFace(*box);
  const int short_width = box->Width();
  box->SetCaption("Keep it longer");
  EXPECT_EQ(box->Width(), short_width) << "not before the paint";
  PumpMessages();
  EXPECT_GT(box->Width(), short_width);
}

TEST_F(CheckBoxPaintTest, AnAutoSizedBoxIsMadeAtItsFittedSizeSoItsFirstPaintKeepsTheSize) {
  auto* box = new TsuiCheckBox(&SharedForm());
  boxes_.push_back(box);
  box->SetUIStyle(TsuiUIStyle::WinXP);
  box->SetCaption("Keep");
  box->SetBounds(12, 12, 93, 17);
  const CreationRecorder recorder;
  box->SetParent(&SharedForm());
  RECT window{};
  GetWindowRect(box->Handle(), &window);  // made now; nothing has painted it yet
  const SIZE made{window.right - window.left, window.bottom - window.top};
  EXPECT_NE(made.cx, 93) << "fitted before the first paint";
  const RECT asked = CreationRecorder::Created().at(box->Handle());
  EXPECT_EQ(asked.right - asked.left, made.cx) << "made at the stored size and resized after";
  EXPECT_EQ(asked.bottom - asked.top, made.cy);
  PaintedFace(*box);
  EXPECT_EQ(box->Width(), made.cx) << "the paint finds it fitted already";
  EXPECT_EQ(box->Height(), made.cy);
  EXPECT_EQ(box->Width(), 13 + MeasuredText(box->Font().Name().c_str(), box->Font().Height(), box->Font().Charset(),
                                            "Keep").cx + 8);
}

// Pixels that differ between two paints of the same size.
std::set<std::pair<int, int>> Differences(const Bitmap& a, const Bitmap& b) {
  std::set<std::pair<int, int>> differing;
  for (int y = 0; y < std::min(a.Height(), b.Height()); ++y)
    for (int x = 0; x < std::min(a.Width(), b.Width()); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) differing.insert({x, y});
  return differing;
}

struct FocusCase {
  const char* description;
  bool tab_stop;
  bool expect_mark;
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxFocusTest : public CheckBoxPaintTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(CheckBoxFocusTest, MarksTheCaptionWhileFocused) {
  const FocusCase& c = GetParam();
  TsuiCheckBox* box = NewBox("Keep");
  box->SetUIStyle(TsuiUIStyle::WinXP);
  box->SetTabStop(c.tab_stop);
  const Bitmap unfocused = PaintedFace(*box);
  box->SetFocus();
  PumpMessages();
  ASSERT_TRUE(box->Focused());
  const Bitmap focused = PaintedFace(*box);

  const std::set<std::pair<int, int>> marked = Differences(unfocused, focused);
  if (!c.expect_mark) {
    EXPECT_TRUE(marked.empty()) << marked.size() << " pixels changed";
    return;
  }
  const ::Font& font = box->Font();
  const int text_height = MeasuredText(font.Name().c_str(), font.Height(), font.Charset(), "W").cy;
  const int text_top = (box->ClientHeight() - text_height) / 2;
  const RECT mark{13 + 3, text_top, box->Width(), text_top + text_height + 2};
  bool left = false, right = false, top = false, bottom = false;
  for (const auto& [x, y] : marked) {
    const bool on_frame = x >= mark.left && x < mark.right && y >= mark.top && y < mark.bottom &&
                          (x == mark.left || x == mark.right - 1 || y == mark.top || y == mark.bottom - 1);
    ASSERT_TRUE(on_frame) << "pixel " << x << "," << y << " changed off the focus frame";
    left = left || x == mark.left;
    right = right || x == mark.right - 1;
    top = top || y == mark.top;
    bottom = bottom || y == mark.bottom - 1;
  }
  EXPECT_TRUE(left && right && top && bottom) << "the dotted frame runs round all four sides";
}

INSTANTIATE_TEST_SUITE_P(TabStops, CheckBoxFocusTest, ::testing::Values(
    FocusCase{"tab_stop_shows_the_mark", true, true},
    FocusCase{"without_tab_stop_no_mark", false, false}),
    [](const auto& info) { return std::string(info.param.description); });

struct AutoSizeCase {
  const char* description;
  TsuiUIStyle style;
  const char* face;
  int font_height;
  BYTE charset;
  const char* caption;
  int image_width, image_height;
  int expected_width;     // 0: only image width + caption width + 8 as measured
  int expected_height;    // 0: only max(height of "W" + 2, image height) + 4 as measured
  int required_w_height;  // 0: any
};

void PrintTo(const AutoSizeCase& c, std::ostream* os) { *os << c.description; }

class CheckBoxAutoSizeTest : public CheckBoxPaintTest, public ::testing::WithParamInterface<AutoSizeCase> {};

TEST_P(CheckBoxAutoSizeTest, FitsImageAndCaptionAtThePaint) {
  const AutoSizeCase& c = GetParam();
  const int w_height = MeasuredText(c.face, c.font_height, c.charset, "W").cy;
  const int caption_width = MeasuredText(c.face, c.font_height, c.charset, c.caption).cx;
  if (c.required_w_height != 0) {
    ASSERT_EQ(w_height, c.required_w_height) << "the case needs such a font";
  }
  TsuiCheckBox* box = NewBox(c.caption);
  box->SetUIStyle(c.style);
  box->SetChecked(true);
  box->SetEnabled(false);
  box->SetTransparent(true);
  box->Font().SetName(c.face);
  box->Font().SetHeight(c.font_height);
  box->Font().SetCharset(c.charset);
  ASSERT_EQ(box->Width(), 93) << "nothing is sized before the paint";

  Bitmap target;
  target.SetSize(160, 60);
  box->PaintTo(target.Canvas().Handle());

  if (c.expected_width) {
    EXPECT_EQ(box->Width(), c.expected_width);
  }
  if (c.expected_height) {
    EXPECT_EQ(box->Height(), c.expected_height);
  }
  EXPECT_EQ(box->Width(), c.image_width + caption_width + 8) << "caption width " << caption_width;
  EXPECT_EQ(box->Height(), std::max(w_height + 2, c.image_height) + 4) << "\"W\" is " << w_height << " high";
  RECT window{};
  GetWindowRect(box->Handle(), &window);
  EXPECT_EQ(window.right - window.left, box->Width()) << "the window follows";
  EXPECT_EQ(window.bottom - window.top, box->Height());
}

INSTANTIATE_TEST_SUITE_P(Fonts, CheckBoxAutoSizeTest, ::testing::Values(
    // 45 wide as stored; 19 high with SimSun, whose "W" is 13 pixels high, and one more for
    // each pixel that a substitute face adds.
    AutoSizeCase{"main_window_box", TsuiUIStyle::WinXP, kSongTi, -12, GB2312_CHARSET, kSave, 13, 13, 45, 0, 0},
    AutoSizeCase{"w_thirteen_high_gives_nineteen", TsuiUIStyle::WinXP, kSongTi, -11, GB2312_CHARSET, kSave, 13, 13,
                 0, 19, 13},
    AutoSizeCase{"tall_image_decides_the_height", TsuiUIStyle::MacOS, kSongTi, -10, GB2312_CHARSET, "Keep", 15, 17,
                 0, 21, 0},
    AutoSizeCase{"empty_caption", TsuiUIStyle::WinXP, "MS Sans Serif", -11, DEFAULT_CHARSET, "", 13, 13, 21, 0, 0}),
    [](const auto& info) { return std::string(info.param.description); });

}  // namespace
