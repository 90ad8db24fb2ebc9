// The committed style pictures: the generator reproduces them byte for byte, and every
// name the style table or the menus ask for is a bitmap of the size its reader expects.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/builtin_style_table.h"
#include "tests/skin/bmp_probe.h"
#include "tools/stylegen/picture_set.h"

namespace {

const std::filesystem::path kResources = TARNWICK_RESOURCES_DIR;
constexpr std::uint32_t kMagentaRgb = 0xFF00FF;

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

BmpProbe LoadStyleBitmap(const std::string& name) {
  const auto probe = BmpProbe::Parse(ReadFile(kResources / "styles" / (name + ".bmp")));
  if (!probe) throw std::runtime_error(name + " is no readable bitmap file");
  return *probe;
}

class TemporaryFolder {
 public:
  TemporaryFolder() : path_(std::filesystem::temp_directory_path() / ("stylegen-" + std::to_string(Unique()))) {
    std::filesystem::remove_all(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  static unsigned long long Unique() {
    return static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  }
  std::filesystem::path path_;
};

TEST(StylePicturesTest, GeneratorReproducesEveryCommittedFile) {
  TemporaryFolder folder;
  WritePictureSet(folder.Path());
  std::set<std::string> generated;
  for (const PictureFile& file : BuildPictureSet()) {
    generated.insert(file.relativePath);
    const std::vector<std::uint8_t> fresh = ReadFile(folder.Path() / file.relativePath);
    const std::vector<std::uint8_t> committed = ReadFile(kResources / file.relativePath);
    EXPECT_FALSE(fresh.empty()) << file.relativePath;
    EXPECT_TRUE(fresh == committed) << file.relativePath << " differs from a fresh run ("
                                    << committed.size() << " committed bytes, " << fresh.size() << " fresh)";
  }
  // A picture the generator no longer draws must not linger among the resources.
  for (const char* subfolder : {"styles", "main_window"}) {
    for (const auto& entry : std::filesystem::directory_iterator(kResources / subfolder)) {
      const std::string relative = std::string(subfolder) + "/" + entry.path().filename().string();
      EXPECT_TRUE(generated.contains(relative)) << relative << " is not drawn by the generator";
    }
  }
}

TEST(StylePicturesTest, EveryBitmapNamedInTheTableExists) {
  for (int style = 1; style <= 5; ++style) {
    for (int element = 1; element <= kBuiltInElementCount; ++element) {
      const std::string name(GetBuiltInBitmapName(static_cast<std::uint8_t>(style), element));
      if (name.empty()) continue;
      const auto probe = BmpProbe::Parse(ReadFile(kResources / "styles" / (name + ".bmp")));
      EXPECT_TRUE(probe.has_value()) << name << " (style " << style << ", element " << element << ")";
    }
  }
}

struct SizeCase {
  const char* name;
  int width, height;
  std::uint32_t bitsPerPixel;
  const char* folder = "styles";
};

std::ostream& operator<<(std::ostream& out, const SizeCase& c) { return out << c.folder << "/" << c.name; }

class PictureSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(PictureSizeTest, HasTheListedSizeAndDepth) {
  const SizeCase& c = GetParam();
  const std::vector<std::uint8_t> bytes = ReadFile(kResources / c.folder / (std::string(c.name) + ".bmp"));
  const auto probe = BmpProbe::Parse(bytes);
  ASSERT_TRUE(probe.has_value());
  EXPECT_EQ(probe->width, c.width);
  EXPECT_EQ(probe->height, c.height);
  EXPECT_EQ(probe->bitsPerPixel, c.bitsPerPixel);
  EXPECT_EQ(probe->compression, 0u);
  EXPECT_EQ(probe->fileSizeField, bytes.size());
  EXPECT_EQ(probe->pixelOffset + probe->stride * static_cast<std::uint32_t>(probe->height), bytes.size());
  if (c.bitsPerPixel == 8) {
    EXPECT_GT(probe->paletteSize, 0u);
    EXPECT_EQ(probe->pixelOffset, 54 + probe->paletteSize * 4);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Listed, PictureSizeTest,
    testing::Values(
        SizeCase{"MACOS_BUTTON", 252, 23, 24}, SizeCase{"WINXP_BUTTON", 54, 21, 24},
        SizeCase{"DEEPBLUE_BUTTON", 222, 21, 24}, SizeCase{"PROTEIN_BUTTON", 222, 21, 24},
        SizeCase{"BLUEGLASS_BUTTON", 231, 27, 24}, SizeCase{"MACOS_CHECKBOX", 60, 17, 24},
        SizeCase{"WINXP_CHECKBOX", 52, 13, 24}, SizeCase{"DEEPBLUE_CHECKBOX", 52, 13, 24},
        SizeCase{"PROTEIN_CHECKBOX", 52, 13, 24}, SizeCase{"BLUEGLASS_CHECKBOX", 52, 13, 24},
        SizeCase{"MACOS_RADIOBUTTON", 64, 17, 24}, SizeCase{"WINXP_RADIOBUTTON", 52, 13, 24},
        SizeCase{"DEEPBLUE_RADIOBUTTON", 52, 13, 24}, SizeCase{"PROTEIN_RADIOBUTTON", 52, 13, 24},
        SizeCase{"BLUEGLASS_RADIOBUTTON", 52, 13, 24}, SizeCase{"MACOS_TITLEBTN", 306, 17, 24},
        SizeCase{"WINXP_TITLEBTN", 378, 21, 24}, SizeCase{"DEEPBLUE_TITLEBTN", 342, 19, 24},
        SizeCase{"PROTEIN_TITLEBTN", 342, 19, 24}, SizeCase{"BLUEGLASS_TITLEBTN", 342, 19, 24},
        SizeCase{"MACOS_TITLE_LEFT", 48, 23, 24}, SizeCase{"MACOS_TITLE_CLIENT", 49, 23, 24},
        SizeCase{"MACOS_TITLE_RIGHT", 48, 23, 24}, SizeCase{"WINXP_TITLE_LEFT", 35, 29, 24},
        SizeCase{"WINXP_TITLE_CLIENT", 37, 29, 24}, SizeCase{"WINXP_TITLE_RIGHT", 35, 29, 24},
        SizeCase{"DEEPBLUE_TITLE_LEFT", 97, 32, 24}, SizeCase{"DEEPBLUE_TITLE_CLIENT", 98, 32, 24},
        SizeCase{"DEEPBLUE_TITLE_RIGHT", 97, 32, 24}, SizeCase{"PROTEIN_TITLE_LEFT", 441, 23, 24},
        SizeCase{"PROTEIN_TITLE_CLIENT", 1, 23, 24}, SizeCase{"PROTEIN_TITLE_RIGHT", 1, 23, 24},
        SizeCase{"BLUEGLASS_TITLE_LEFT", 162, 33, 24}, SizeCase{"BLUEGLASS_TITLE_CLIENT", 179, 33, 24},
        SizeCase{"BLUEGLASS_TITLE_RIGHT", 101, 33, 24}, SizeCase{"MACOS_MENU_BAR", 1, 22, 24},
        SizeCase{"MACOS_MENU_SELECT", 1, 21, 24}, SizeCase{"MENU_CHECKED", 16, 16, 24},
        SizeCase{"MACOS_FORM_BACKGROUND", 8, 8, 24}, SizeCase{"PROTEIN_FORM_BACKGROUND", 8, 8, 24},
        SizeCase{"MACOS_COMBOBOX_BUTTON", 51, 20, 24}, SizeCase{"WINXP_COMBOBOX_BUTTON", 51, 20, 24},
        SizeCase{"MORE_SCROLLBUTTON", 60, 15, 24},
        SizeCase{"TITLEBTN_CLOSE_NORMAL", 17, 17, 32, "main_window"},
        SizeCase{"TITLEBTN_CLOSE_HOVER", 17, 17, 32, "main_window"},
        SizeCase{"TITLEBTN_CLOSE_PRESSED", 17, 17, 32, "main_window"},
        SizeCase{"TITLEBTN_MINIMIZE_NORMAL", 17, 17, 32, "main_window"},
        SizeCase{"TITLEBTN_MINIMIZE_HOVER", 17, 17, 32, "main_window"},
        SizeCase{"TITLEBTN_MINIMIZE_PRESSED", 17, 17, 32, "main_window"},
        SizeCase{"TITLE_LEFT", 48, 23, 8, "main_window"}, SizeCase{"TITLE_RIGHT", 48, 23, 8, "main_window"},
        SizeCase{"TITLE_CLIENT", 49, 23, 8, "main_window"}),
    [](const testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.folder) + "_" + info.param.name; });

TEST(StylePicturesTest, MainWindowSectionsMatchTheMacOSPictures) {
  for (const char* section : {"TITLE_LEFT", "TITLE_RIGHT", "TITLE_CLIENT"}) {
    const auto own = BmpProbe::Parse(ReadFile(kResources / "main_window" / (std::string(section) + ".bmp")));
    const BmpProbe mac = LoadStyleBitmap(std::string("MACOS_") + section);
    ASSERT_TRUE(own.has_value()) << section;
    ASSERT_EQ(own->width, mac.width) << section;
    for (int y = 0; y < mac.height; ++y)
      for (int x = 0; x < mac.width; ++x)
        ASSERT_EQ(own->Pixel(x, y), mac.Pixel(x, y)) << section << " at " << x << "," << y;
  }
}

TEST(StylePicturesTest, ProgramIconIsOne16By16ImageWithAlpha) {
  const std::vector<std::uint8_t> icon = ReadFile(kResources / "main_window" / "TARNWICK.ico");
  ASSERT_EQ(icon.size(), 6u + 16u + 40u + 16u * 16u * 4u + 16u * 4u);
  EXPECT_EQ(icon[2], 1);  // icon, not cursor
  EXPECT_EQ(icon[4], 1);  // one image
  EXPECT_EQ(icon[6], 16);
  EXPECT_EQ(icon[7], 16);
  EXPECT_EQ(icon[12], 32);  // bits per pixel
  EXPECT_EQ(icon[22 + 8], 32);  // the image's header counts colour and mask rows
  std::set<int> alphas;
  for (size_t i = 62; i < 62 + 16 * 16 * 4; i += 4) alphas.insert(icon[i + 3]);
  EXPECT_TRUE(alphas.contains(0)) << "the corners outside the round icon are clear";
  EXPECT_TRUE(alphas.contains(255));
  EXPECT_GT(alphas.size(), 2u) << "the rim is blended";
}

// ---------------------------------------------------------------------------------------
// Pixel rules that the drawing code relies on.

struct StripCase {
  const char* name;
  int frames;
  bool keyed;  // magenta marks the transparent area
};

std::ostream& operator<<(std::ostream& out, const StripCase& c) { return out << c.name; }

class ButtonStripTest : public testing::TestWithParam<StripCase> {};

TEST_P(ButtonStripTest, MagentaOnlyWhereTheStyleDrawsTransparent) {
  const StripCase& c = GetParam();
  const BmpProbe strip = LoadStyleBitmap(c.name);
  const int frameWidth = strip.width / c.frames;
  int magenta = 0;
  for (int y = 0; y < strip.height; ++y)
    for (int x = 0; x < strip.width; ++x) magenta += strip.Pixel(x, y) == kMagentaRgb;
  if (!c.keyed) {
    // These faces are drawn with opaque corners, where a magenta key would show.
    EXPECT_EQ(magenta, 0);
    return;
  }
  for (int frame = 0; frame < c.frames; ++frame) {
    const int left = frame * frameWidth;
    EXPECT_EQ(strip.Pixel(left, 0), kMagentaRgb) << "frame " << frame + 1 << " top-left";
    EXPECT_EQ(strip.Pixel(left + frameWidth - 1, strip.height - 1), kMagentaRgb) << "frame " << frame + 1;
    EXPECT_NE(strip.Pixel(left + frameWidth / 2, strip.height / 2), kMagentaRgb) << "frame " << frame + 1;
    EXPECT_NE(strip.Pixel(left, strip.height / 2), kMagentaRgb) << "frame " << frame + 1 << " left edge";
  }
}

INSTANTIATE_TEST_SUITE_P(Faces, ButtonStripTest,
                         testing::Values(StripCase{"MACOS_BUTTON", 3, true}, StripCase{"WINXP_BUTTON", 3, false},
                                         StripCase{"DEEPBLUE_BUTTON", 3, false},
                                         StripCase{"PROTEIN_BUTTON", 3, false},
                                         StripCase{"BLUEGLASS_BUTTON", 3, true}),
                         [](const testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });

class TitleButtonStripTest : public testing::TestWithParam<StripCase> {};

TEST_P(TitleButtonStripTest, KeyedByBottomLeftPixelOnlyWhenTransparent) {
  const StripCase& c = GetParam();
  const BmpProbe strip = LoadStyleBitmap(c.name);
  const int size = strip.width / c.frames;
  for (int frame = 0; frame < c.frames; ++frame) {
    const int left = frame * size;
    const bool keyLeft = strip.Pixel(left, size - 1) == kMagentaRgb;
    EXPECT_EQ(keyLeft, c.keyed) << "frame " << frame + 1 << " bottom-left pixel";
    EXPECT_NE(strip.Pixel(left + size / 2, size / 2 + 1), kMagentaRgb) << "frame " << frame + 1;
  }
}

TEST_P(TitleButtonStripTest, NormalHoverAndPressedDiffer) {
  const StripCase& c = GetParam();
  const BmpProbe strip = LoadStyleBitmap(c.name);
  const int size = strip.width / c.frames;
  auto differingPixels = [&](int a, int b) {
    int count = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) count += strip.Pixel(a * size + x, y) != strip.Pixel(b * size + x, y);
    return count;
  };
  for (int group = 0; group < 6; ++group) {
    const int normal = group * 3, hover = normal + 1, pressed = normal + 2;
    // A state change must be seen, not guessed: a good share of the button changes.
    EXPECT_GT(differingPixels(normal, hover), size * size / 4) << "group " << group + 1;
    EXPECT_GT(differingPixels(normal, pressed), size * size / 4) << "group " << group + 1;
    EXPECT_GT(differingPixels(hover, pressed), size * size / 4) << "group " << group + 1;
    if (group > 0) {
      EXPECT_GT(differingPixels(normal, normal - 3), 4) << "glyphs of groups " << group << ", " << group + 1;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(TitleButtons, TitleButtonStripTest,
                         testing::Values(StripCase{"MACOS_TITLEBTN", 18, false},
                                         StripCase{"WINXP_TITLEBTN", 18, false},
                                         StripCase{"DEEPBLUE_TITLEBTN", 18, false},
                                         StripCase{"PROTEIN_TITLEBTN", 18, true},
                                         StripCase{"BLUEGLASS_TITLEBTN", 18, true}),
                         [](const testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });

class CheckBoxStripTest : public testing::TestWithParam<StripCase> {};

TEST_P(CheckBoxStripTest, FourStatesAreDistinctAndCheckedOnesCarryAMark) {
  const StripCase& c = GetParam();
  const BmpProbe strip = LoadStyleBitmap(c.name);
  const int frameWidth = strip.width / c.frames;
  auto differingPixels = [&](int a, int b) {
    int count = 0;
    for (int y = 0; y < strip.height; ++y)
      for (int x = 0; x < frameWidth; ++x)
        count += strip.Pixel(a * frameWidth + x, y) != strip.Pixel(b * frameWidth + x, y);
    return count;
  };
  for (int a = 0; a < c.frames; ++a)
    for (int b = a + 1; b < c.frames; ++b) EXPECT_GT(differingPixels(a, b), 5) << "frames " << a + 1 << ", " << b + 1;
  // Checked (1) against unchecked (2) and checked disabled (3) against unchecked disabled (4):
  // the mark is the difference, so it must cover a visible part of the box.
  EXPECT_GT(differingPixels(0, 1), 10);
  EXPECT_GT(differingPixels(2, 3), 10);
}

INSTANTIATE_TEST_SUITE_P(Boxes, CheckBoxStripTest,
                         testing::Values(StripCase{"MACOS_CHECKBOX", 4, false}, StripCase{"WINXP_CHECKBOX", 4, false},
                                         StripCase{"DEEPBLUE_CHECKBOX", 4, false},
                                         StripCase{"PROTEIN_CHECKBOX", 4, false},
                                         StripCase{"BLUEGLASS_CHECKBOX", 4, false},
                                         StripCase{"MACOS_RADIOBUTTON", 4, false}),
                         [](const testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });

TEST(StylePicturesTest, MenuCheckMarkIsBlackOnTransparentWhite) {
  const BmpProbe mark = LoadStyleBitmap("MENU_CHECKED");
  int white = 0, dark = 0;
  for (int y = 0; y < mark.height; ++y) {
    for (int x = 0; x < mark.width; ++x) {
      const std::uint32_t p = mark.Pixel(x, y);
      white += p == 0xFFFFFF;
      dark += p == 0x000000;
    }
  }
  EXPECT_EQ(mark.Pixel(0, 0), 0xFFFFFFu);
  EXPECT_GT(white, 16 * 16 / 2);
  EXPECT_GT(dark, 10);
}

TEST(StylePicturesTest, RoundedStylesKeyTheirTitleCorners) {
  for (const char* style : {"WINXP", "BLUEGLASS"}) {
    const BmpProbe left = LoadStyleBitmap(std::string(style) + "_TITLE_LEFT");
    const BmpProbe right = LoadStyleBitmap(std::string(style) + "_TITLE_RIGHT");
    EXPECT_EQ(left.Pixel(0, 0), kMagentaRgb) << style;
    EXPECT_EQ(right.Pixel(right.width - 1, 0), kMagentaRgb) << style;
    EXPECT_NE(left.Pixel(0, left.height - 1), kMagentaRgb) << style;
  }
  for (const char* style : {"MACOS", "DEEPBLUE", "PROTEIN"}) {
    EXPECT_NE(LoadStyleBitmap(std::string(style) + "_TITLE_LEFT").Pixel(0, 0), kMagentaRgb) << style;
  }
}

}  // namespace
