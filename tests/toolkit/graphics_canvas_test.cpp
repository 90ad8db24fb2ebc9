#include "toolkit/canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/toolkit/graphics_test_support.h"
#include "toolkit/bitmap.h"

namespace {

using graphics_test::BitmapOf;
using graphics_test::Hex;
using graphics_test::WhiteSurface;

constexpr TColor kMagenta = 0xFF00FF;

struct Probe {
  int x, y;
  TColor expected;
};

struct DrawCase {
  const char* description;
  std::function<void(Canvas&)> draw;
  std::vector<Probe> probes;
};

const std::vector<DrawCase>& DrawCases() {
  static const std::vector<DrawCase> cases = {
      {"fill_rect_excludes_right_and_bottom",
       [](Canvas& c) { c.Brush().SetColor(clRed); c.FillRect({2, 3, 7, 6}); },
       {{2, 3, clRed}, {6, 5, clRed}, {7, 5, clWhite}, {6, 6, clWhite}, {1, 3, clWhite}, {2, 2, clWhite}}},
      {"fill_rect_with_a_clear_brush_paints_nothing",
       [](Canvas& c) { c.Brush().SetStyle(BrushStyle::bsClear); c.FillRect({0, 0, 10, 10}); },
       {{0, 0, clWhite}, {5, 5, clWhite}}},
      {"frame_rect_is_one_pixel_inside_the_rectangle",
       [](Canvas& c) { c.Brush().SetColor(clBlue); c.FrameRect({1, 1, 6, 5}); },
       {{1, 1, clBlue}, {5, 4, clBlue}, {3, 1, clBlue}, {3, 4, clBlue}, {1, 3, clBlue}, {5, 2, clBlue},
        {3, 2, clWhite}, {6, 1, clWhite}, {3, 5, clWhite}}},
      {"line_leaves_out_its_end_pixel",
       [](Canvas& c) { c.Pen().SetColor(clGreen); c.MoveTo(1, 4); c.LineTo(8, 4); },
       {{1, 4, clGreen}, {7, 4, clGreen}, {8, 4, clWhite}, {4, 3, clWhite}, {4, 5, clWhite}}},
      {"lines_continue_from_the_pen_position",
       [](Canvas& c) { c.Pen().SetColor(clNavy); c.MoveTo(1, 1); c.LineTo(5, 1); c.LineTo(5, 6); },
       {{1, 1, clNavy}, {4, 1, clNavy}, {5, 1, clNavy}, {5, 5, clNavy}, {5, 6, clWhite}, {0, 1, clWhite}}},
      {"pen_in_a_system_colour_draws_the_system_value",
       [](Canvas& c) { c.Pen().SetColor(clBtnShadow); c.MoveTo(0, 0); c.LineTo(10, 0); },
       {{3, 0, ColorToRGB(clBtnShadow)}}},
      {"clear_pen_draws_no_line",
       [](Canvas& c) { c.Pen().SetStyle(PenStyle::psClear); c.MoveTo(0, 2); c.LineTo(10, 2); },
       {{3, 2, clWhite}}},
      {"pattern_brush_repeats_its_tile_from_the_origin",
       [](Canvas& c) {
         const Bitmap tile = BitmapOf(2, 2, {clRed, clBlue, clLime, clBlack});
         c.Brush().SetBitmap(&tile);
         c.FillRect({0, 0, 8, 8});
       },
       {{0, 0, clRed}, {1, 0, clBlue}, {0, 1, clLime}, {1, 1, clBlack}, {6, 4, clRed}, {7, 5, clBlack}, {5, 6, clBlue}}},
      {"pattern_brush_keeps_its_own_copy_of_the_tile",
       [](Canvas& c) {
         Bitmap tile = BitmapOf(1, 1, {clRed});
         c.Brush().SetBitmap(&tile);
         tile.Canvas().SetPixel(0, 0, clBlue);
         c.FillRect({0, 0, 3, 3});
       },
       {{1, 1, clRed}}},
      {"draw_copies_an_opaque_bitmap_at_its_size",
       [](Canvas& c) { c.Draw(4, 5, BitmapOf(3, 2, {clRed, clLime, clBlue, clBlack, kMagenta, clYellow})); },
       {{4, 5, clRed}, {5, 5, clLime}, {6, 5, clBlue}, {4, 6, clBlack}, {5, 6, kMagenta}, {6, 6, clYellow},
        {7, 5, clWhite}, {4, 7, clWhite}, {3, 5, clWhite}}},
      {"draw_leaves_out_a_fixed_transparent_colour",
       [](Canvas& c) {
         Bitmap b = BitmapOf(3, 1, {kMagenta, clRed, kMagenta});
         b.SetTransparentColor(kMagenta);
         b.SetTransparent(true);
         c.Draw(2, 2, b);
       },
       {{2, 2, clWhite}, {3, 2, clRed}, {4, 2, clWhite}}},
      {"draw_takes_the_bottom_left_colour_as_transparent",
       [](Canvas& c) {
         Bitmap b = BitmapOf(2, 2, {clRed, clLime, clLime, clBlue});  // bottom-left is lime
         b.SetTransparent(true);
         c.Draw(1, 1, b);
       },
       {{1, 1, clRed}, {2, 1, clWhite}, {1, 2, clWhite}, {2, 2, clBlue}}},
      {"draw_takes_the_top_left_colour_when_told",
       [](Canvas& c) {
         Bitmap b = BitmapOf(2, 2, {clRed, clLime, clLime, clRed});
         b.SetTransparentMode(TransparentMode::tmTopLeft);
         b.SetTransparent(true);
         c.Draw(1, 1, b);
       },
       {{1, 1, clWhite}, {2, 1, clLime}, {1, 2, clLime}, {2, 2, clWhite}}},
      {"transparent_colour_set_but_not_transparent_draws_everything",
       [](Canvas& c) {
         Bitmap b = BitmapOf(2, 1, {kMagenta, clRed});
         b.SetTransparentColor(kMagenta);
         c.Draw(0, 0, b);
       },
       {{0, 0, kMagenta}, {1, 0, clRed}}},
      {"draw_of_an_eight_bit_bitmap_with_transparency",
       [](Canvas& c) {
         Bitmap b = BitmapOf(3, 1, {clRed, clWhite, clBlack});
         b.SetPixelFormat(PixelFormat::pf8bit);
         b.SetTransparentColor(clBlack);
         b.SetTransparent(true);
         c.Brush().SetColor(clBlue);
         c.FillRect({0, 0, 10, 10});
         c.Draw(0, 0, b);
       },
       {{0, 0, clRed}, {1, 0, clWhite}, {2, 0, clBlue}}},
      {"stretch_draw_repeats_each_pixel_over_its_share",
       [](Canvas& c) { c.StretchDraw({1, 1, 7, 5}, BitmapOf(2, 2, {clRed, clLime, clBlue, clBlack})); },
       {{1, 1, clRed}, {3, 2, clRed}, {4, 1, clLime}, {6, 2, clLime}, {1, 3, clBlue}, {3, 4, clBlue},
        {4, 3, clBlack}, {6, 4, clBlack}, {7, 1, clWhite}, {1, 5, clWhite}}},
      {"stretch_draw_honours_transparency",
       [](Canvas& c) {
         Bitmap b = BitmapOf(2, 1, {kMagenta, clRed});
         b.SetTransparentColor(kMagenta);
         b.SetTransparent(true);
         c.StretchDraw({0, 0, 6, 2}, b);
       },
       {{0, 0, clWhite}, {2, 1, clWhite}, {3, 0, clRed}, {5, 1, clRed}}},
      {"draw_at_a_negative_position_clips",
       [](Canvas& c) { c.Draw(-1, -1, BitmapOf(2, 2, {clRed, clLime, clBlue, clBlack})); },
       {{0, 0, clBlack}, {1, 0, clWhite}, {0, 1, clWhite}}},
      {"copy_rect_takes_part_of_another_canvas",
       [](Canvas& c) {
         Bitmap source = BitmapOf(3, 1, {clRed, clLime, clBlue});
         c.CopyRect({5, 5, 7, 6}, source.Canvas(), {1, 0, 3, 1});
       },
       {{5, 5, clLime}, {6, 5, clBlue}, {7, 5, clWhite}, {4, 5, clWhite}}},
      {"copy_rect_stretches_when_sizes_differ",
       [](Canvas& c) {
         Bitmap source = BitmapOf(1, 1, {clRed});
         c.CopyRect({0, 0, 3, 2}, source.Canvas(), {0, 0, 1, 1});
       },
       {{0, 0, clRed}, {2, 1, clRed}, {3, 0, clWhite}}},
  };
  return cases;
}

class CanvasDrawing : public testing::TestWithParam<DrawCase> {};

TEST_P(CanvasDrawing, PaintsExactlyTheExpectedPixels) {
  const DrawCase& c = GetParam();
  Bitmap surface = WhiteSurface(10, 10);
  c.draw(surface.Canvas());
  for (const Probe& probe : c.probes) {
    EXPECT_EQ(surface.Canvas().Pixel(probe.x, probe.y), probe.expected)
        << c.description << " at (" << probe.x << ", " << probe.y << "): got " << Hex(surface.Canvas().Pixel(probe.x, probe.y))
        << ", expected " << Hex(probe.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Operations, CanvasDrawing, testing::ValuesIn(DrawCases()),
                         [](const auto& info) { return std::string(info.param.description); });

// Pixels of `surface` that match, counted inside and outside a rectangle.
struct InkCount {
  int inside = 0, outside = 0;
  int left = INT32_MAX, right = -1;
};

InkCount CountWhere(Bitmap& surface, const RECT& box, const std::function<bool(TColor)>& match) {
  InkCount count;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      if (!match(surface.Pixel(x, y))) continue;
      const bool in = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
      (in ? count.inside : count.outside)++;
      count.left = std::min(count.left, x);
      count.right = std::max(count.right, x);
    }
  }
  return count;
}

InkCount CountInk(Bitmap& surface, const RECT& box, TColor ink) {
  return CountWhere(surface, box, [ink](TColor c) { return c == ink; });
}

// Text may be smoothed: every pixel that is not the background counts as its ink.
InkCount CountNot(Bitmap& surface, const RECT& box, TColor background) {
  return CountWhere(surface, box, [background](TColor c) { return c != background; });
}

TEST(CanvasArc, TracesOnlyTheUpperHalfFromStartToEndCounterClockwise) {
  Bitmap surface = WhiteSurface(21, 21);
  Canvas& canvas = surface.Canvas();
  canvas.Pen().SetColor(clRed);
  // From the right-hand point round over the top to the left-hand point.
  canvas.Arc(0, 0, 21, 21, 21, 10, 0, 10);
  EXPECT_GT(CountInk(surface, {0, 0, 21, 3}, clRed).inside, 0) << "the top of the circle is drawn";
  EXPECT_EQ(CountInk(surface, {0, 13, 21, 21}, clRed).inside, 0) << "the lower half stays empty";
  const InkCount ink = CountInk(surface, {0, 0, 21, 21}, clRed);
  EXPECT_LE(ink.left, 1) << "reaches the left-hand end point";
  EXPECT_GE(ink.right, 19) << "starts at the right-hand point";
}

TEST(CanvasText, ExtentGrowsWithTheTextAndTheFont) {
  Bitmap surface = WhiteSurface(10, 10);
  Canvas& canvas = surface.Canvas();
  canvas.Font().SetName("Tahoma");
  canvas.Font().SetHeight(-11);
  EXPECT_EQ(canvas.TextWidth(""), 0);
  const int one = canvas.TextWidth("W");
  ASSERT_GT(one, 0);
  EXPECT_EQ(canvas.TextWidth("WWW"), 3 * one) << "advance widths add up";
  const int small_height = canvas.TextHeight("W");
  EXPECT_GE(small_height, 11);
  canvas.Font().SetHeight(-24);
  EXPECT_GE(canvas.TextHeight("W"), 24);
  EXPECT_GT(canvas.TextWidth("W"), one);
  canvas.Font().SetHeight(-11);
  canvas.Font().SetBold(true);
  EXPECT_GT(canvas.TextWidth("WWWWWWWWWW"), 10 * one) << "bold text is wider";
}

TEST(CanvasText, TextOutInksOnlyItsOwnBoxAndFillsTheBackgroundUnlessClear) {
  Bitmap surface = WhiteSurface(80, 30);
  Canvas& canvas = surface.Canvas();
  canvas.Font().SetName("Tahoma");
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetStyle(BrushStyle::bsClear);
  const SIZE size = canvas.TextExtent("Tarn");
  canvas.TextOut(5, 4, "Tarn");
  const RECT box{5, 4, 5 + size.cx, 4 + size.cy};
  const InkCount ink = CountNot(surface, box, clWhite);
  EXPECT_GT(ink.inside, 4);
  EXPECT_EQ(ink.outside, 0);
  EXPECT_GT(CountInk(surface, box, clWhite).inside, 0) << "a clear brush leaves the white background";
  EXPECT_EQ(canvas.PenPos().x, 5 + size.cx) << "the pen position moves to the end of the text";

  canvas.Brush().SetColor(clYellow);
  canvas.TextOut(5, 4, "Tarn");
  EXPECT_EQ(CountInk(surface, box, clWhite).inside, 0) << "an opaque brush fills the box";
  EXPECT_GT(CountInk(surface, box, clYellow).inside, 0);
  EXPECT_EQ(CountInk(surface, {0, 0, 80, 30}, clYellow).outside, 0);
}

TEST(CanvasText, DrawTextMeasuresAndCentres) {
  Bitmap surface = WhiteSurface(100, 20);
  Canvas& canvas = surface.Canvas();
  canvas.Font().SetName("Tahoma");
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetStyle(BrushStyle::bsClear);
  RECT measured{0, 0, 100, 20};
  const int height = canvas.DrawText("Login", measured, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(measured.right - measured.left, canvas.TextWidth("Login"));
  EXPECT_EQ(height, canvas.TextHeight("Login"));
  EXPECT_EQ(CountNot(surface, {0, 0, 100, 20}, clWhite).inside, 0) << "measuring draws nothing";

  RECT whole{0, 0, 100, 20};
  canvas.DrawText("Login", whole, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  const InkCount ink = CountNot(surface, {0, 0, 100, 20}, clWhite);
  ASSERT_GT(ink.inside, 0);
  const int left_margin = ink.left, right_margin = 99 - ink.right;
  EXPECT_LE(std::abs(left_margin - right_margin), 3) << "ink from " << ink.left << " to " << ink.right;
}

TEST(CanvasStateGuard, RestoresOriginClipAndKeepsTheCurrentTools) {
  Bitmap surface = WhiteSurface(20, 20);
  Canvas& canvas = surface.Canvas();
  canvas.Pen().SetColor(clRed);
  HDC dc = canvas.Handle();
  ASSERT_EQ(GetCurrentObject(dc, OBJ_PEN), canvas.Pen().Handle());
  {
    CanvasStateGuard keep(canvas);
    SetViewportOrgEx(canvas.Handle(), 5, 5, nullptr);
    IntersectClipRect(canvas.Handle(), 0, 0, 3, 3);
    canvas.Pen().SetColor(clBlue);  // a new pen handle, the red one is deleted
    canvas.Font().SetHeight(-30);
    canvas.MoveTo(0, 0);
    canvas.LineTo(3, 0);
  }
  POINT origin{-1, -1};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc, clip), 0) << "no clip region after the scope";
  DeleteObject(clip);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), canvas.Pen().Handle()) << "the canvas's current pen is selected";
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), canvas.Font().Handle());
  EXPECT_EQ(GetObjectType(GetCurrentObject(dc, OBJ_PEN)), static_cast<DWORD>(OBJ_PEN));
  EXPECT_EQ(surface.Canvas().Pixel(6, 5), clBlue) << "drawn inside the scope, shifted";
  canvas.MoveTo(0, 10);
  canvas.LineTo(10, 10);
  EXPECT_EQ(canvas.Pixel(8, 10), clBlue) << "after the scope lines are neither shifted nor clipped";
}

TEST(CanvasHandle, LettingGoPutsTheDeviceContextsOwnObjectsBack) {
  MemoryDC dc;
  const HGDIOBJ own_pen = GetCurrentObject(dc.Get(), OBJ_PEN);
  const HGDIOBJ own_brush = GetCurrentObject(dc.Get(), OBJ_BRUSH);
  const HGDIOBJ own_font = GetCurrentObject(dc.Get(), OBJ_FONT);
  {
    Canvas canvas(dc.Get());
    canvas.Pen().SetColor(clRed);
    canvas.FillRect({0, 0, 1, 1});
    EXPECT_NE(GetCurrentObject(dc.Get(), OBJ_PEN), own_pen);
    const HGDIOBJ regular = GetCurrentObject(dc.Get(), OBJ_FONT);
    ASSERT_EQ(regular, canvas.Font().Handle());
    canvas.Font().SetBold(true);  // the regular font's handle is deleted: it must leave first
    EXPECT_NE(GetCurrentObject(dc.Get(), OBJ_FONT), regular);
    canvas.TextOut(0, 0, "x");
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), canvas.Font().Handle()) << "the bold font is selected for drawing";
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), own_pen);
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), own_brush);
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), own_font);
}

TEST(ObjectSelection, PutsTheReplacedObjectBack) {
  MemoryDC dc;
  const HGDIOBJ own_brush = GetCurrentObject(dc.Get(), OBJ_BRUSH);
  OwnedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
  {
    ObjectSelection select(dc.Get(), red.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), red.Get());
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), own_brush);
}

TEST(SavedDC, RestoresTheViewportOrigin) {
  MemoryDC dc;
  {
    SavedDC keep(dc.Get());
    SetViewportOrgEx(dc.Get(), 7, 3, nullptr);
  }
  POINT origin{-1, -1};
  GetViewportOrgEx(dc.Get(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
}

}  // namespace
