// Text that the components draw themselves is GBK in the program's code page; it must come
// out as the same Chinese characters that a Unicode caller draws, even when the font was
// stored with ANSI_CHARSET, as the main window's "宋体" font is (drawing the bytes with the
// ANSI functions decodes them by that charset and shows boxes there).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "toolkit/bitmap.h"
#include "toolkit/label.h"
#include "toolkit/menu.h"

namespace {

constexpr int kWidth = 90;
constexpr int kHeight = 24;
constexpr const char* kStoredFace = "\xCB\xCE\xCC\xE5";  // "宋体" in GBK, as the main window stores it
constexpr const char* kGbkLogin = "\xB5\xC7\xC2\xBD";    // "登陆" in GBK
constexpr const wchar_t* kWideLogin = L"\u767B\u9646";  // the same two characters

void UseStoredFont(Font& font) {
  font.SetName(kStoredFace);
  font.SetCharset(ANSI_CHARSET);
  font.SetHeight(-16);
  font.SetColor(clBlack);
}

Bitmap Surface() {
  Bitmap surface;
  surface.SetSize(kWidth, kHeight);  // white
  return surface;
}

int InkPixels(Bitmap& surface) {
  int ink = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) ink += surface.Pixel(x, y) != clWhite;
  return ink;
}

bool SamePixels(Bitmap& a, Bitmap& b) {
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

struct TextCase {
  const char* description;
  // Has the component draw kGbkLogin onto the white surface in the stored font.
  std::function<void(Bitmap& surface)> draw;
  // Where and how the component places its text, so a reference can be drawn alike.
  RECT text_rect;
  UINT flags;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.description; }

void DrawLabel(Bitmap& surface) {
  TLabel label(nullptr);
  label.SetAutoSize(false);
  label.SetTransparent(true);
  label.SetBounds(0, 0, kWidth, kHeight);
  UseStoredFont(label.Font());
  label.SetCaption(kGbkLogin);
  label.PaintOnParent(surface.Canvas());
}

void DrawMenuItem(Bitmap& surface) {
  TMenuItem item(nullptr);
  item.SetCaption(kGbkLogin);
  UseStoredFont(surface.Canvas().Font());
  item.DrawItem(surface.Canvas(), {0, 0, kWidth, kHeight}, false);
}

void DrawUnicodeReference(Bitmap& surface, const TextCase& c) {
  Font font;
  UseStoredFont(font);
  HDC dc = surface.Canvas().Handle();
  const HGDIOBJ old = SelectObject(dc, font.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT rect = c.text_rect;
  DrawTextW(dc, kWideLogin, 2, &rect, c.flags);
  SelectObject(dc, old);
}

class ComponentTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ComponentTextTest, GbkIsDecodedByTheCodePageNotByTheFontsCharset) {
  ASSERT_EQ(GetACP(), 936u) << "the test bed runs with the GBK code page";
  const TextCase& c = GetParam();
  Bitmap drawn = Surface();
  c.draw(drawn);
  ASSERT_GT(InkPixels(drawn), 10) << "no text was drawn";

  Bitmap unicode = Surface();
  DrawUnicodeReference(unicode, c);
  EXPECT_TRUE(SamePixels(drawn, unicode)) << "differs from the two characters drawn as Unicode";
}

const TextCase kTexts[] = {
    {"label", DrawLabel, {0, 0, kWidth, kHeight}, DT_SINGLELINE},
    {"default_menu_item_drawing", DrawMenuItem, {12, 0, kWidth, kHeight}, DT_SINGLELINE | DT_VCENTER},
};

INSTANTIATE_TEST_SUITE_P(Table, ComponentTextTest, ::testing::ValuesIn(kTexts),
                         [](const auto& info) { return std::string(info.param.description); });

}  // namespace
