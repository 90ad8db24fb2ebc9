// The style bitmaps linked into a program load by their resource names.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/builtin_style_table.h"

namespace {

class LoadedBitmap {
 public:
  explicit LoadedBitmap(const std::string& name)
      : handle_(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {}
  ~LoadedBitmap() {
    if (handle_) DeleteObject(handle_);
  }
  LoadedBitmap(const LoadedBitmap&) = delete;
  LoadedBitmap& operator=(const LoadedBitmap&) = delete;

  HBITMAP Get() const { return handle_; }

 private:
  HBITMAP handle_;
};

SIZE SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

TEST(StyleResourcesTest, EveryTableBitmapLoadsByName) {
  for (int style = 1; style <= 5; ++style) {
    for (int element = 1; element <= kBuiltInElementCount; ++element) {
      const std::string name(GetBuiltInBitmapName(static_cast<std::uint8_t>(style), element));
      if (name.empty()) continue;
      LoadedBitmap bitmap(name);
      EXPECT_NE(bitmap.Get(), nullptr) << name << " (error " << GetLastError() << ")";
    }
  }
}

struct NamedSize {
  const char* name;
  LONG width, height;
};

class StyleResourceSizeTest : public testing::TestWithParam<NamedSize> {};

TEST_P(StyleResourceSizeTest, LoadsAtItsListedSize) {
  const NamedSize& c = GetParam();
  LoadedBitmap bitmap(c.name);
  ASSERT_NE(bitmap.Get(), nullptr) << c.name;
  const SIZE size = SizeOf(bitmap.Get());
  EXPECT_EQ(size.cx, c.width) << c.name;
  EXPECT_EQ(size.cy, c.height) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Named, StyleResourceSizeTest,
                         testing::Values(NamedSize{"WINXP_BUTTON", 54, 21}, NamedSize{"MACOS_CHECKBOX", 60, 17},
                                         NamedSize{"BLUEGLASS_TITLE_LEFT", 162, 33},
                                         NamedSize{"MACOS_MENU_BAR", 1, 22}, NamedSize{"MACOS_MENU_SELECT", 1, 21},
                                         NamedSize{"MENU_CHECKED", 16, 16},
                                         NamedSize{"PROTEIN_FORM_BACKGROUND", 8, 8}),
                         [](const testing::TestParamInfo<NamedSize>& info) { return std::string(info.param.name); });

TEST(StyleResourcesTest, PixelsSurviveTheResourceRoundTrip) {
  // MENU_CHECKED is white around a black mark; read real pixels through a memory DC.
  LoadedBitmap bitmap("MENU_CHECKED");
  ASSERT_NE(bitmap.Get(), nullptr);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap.Get());
  int black = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) black += GetPixel(memory, x, y) == RGB(0, 0, 0);
  const COLORREF corner = GetPixel(memory, 0, 0);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(corner, RGB(255, 255, 255));
  EXPECT_GT(black, 10);
}

TEST(StyleResourcesTest, UnknownNameLoadsNothing) {
  LoadedBitmap bitmap("NO_SUCH_STYLE_BITMAP");
  EXPECT_EQ(bitmap.Get(), nullptr);
}

}  // namespace
