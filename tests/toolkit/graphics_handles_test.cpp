#include "toolkit/gdi_handles.h"

#include <gtest/gtest.h>

#include "tests/toolkit/graphics_test_support.h"
#include "toolkit/bitmap.h"
#include "toolkit/icon.h"
#include "toolkit/image_list.h"
#include "toolkit/picture.h"

namespace {

struct Counts {
  int kinds[kGdiKindCount];
  static Counts Now() {
    Counts counts{};
    for (int i = 0; i < kGdiKindCount; ++i) counts.kinds[i] = LiveGdiObjectCount(static_cast<GdiKind>(i));
    return counts;
  }
  int operator[](GdiKind kind) const { return kinds[static_cast<int>(kind)]; }
};

const char* const kKindNames[] = {"pen", "brush", "font", "bitmap", "region", "device context", "icon"};

TEST(LiveGdiObjectCount, EveryKindGoesBackToItsStartWhenTheObjectsDie) {
  const Counts start = Counts::Now();
  const int total = LiveGdiObjectCount();
  {
    Bitmap surface = graphics_test::WhiteSurface(8, 8);
    Canvas& canvas = surface.Canvas();
    canvas.Pen().SetColor(clRed);
    canvas.Font().SetName("Tahoma");
    const Bitmap tile = graphics_test::BitmapOf(2, 2, {clRed, clBlue, clBlue, clRed});
    canvas.Brush().SetBitmap(&tile);
    canvas.FillRect({0, 0, 8, 8});
    ImageList list(4, 4);
    list.AddMasked(surface, clWhite);
    list.Draw(canvas, 0, 0, 0, false);
    OwnedRegion region(CreateRectRgn(0, 0, 4, 4));
    Icon icon;
    icon.Attach(CopyIcon(LoadIcon(nullptr, IDI_APPLICATION)));
    Picture picture;
    picture.SetBitmap(&surface);
    Bitmap copy = surface;
    Bitmap moved = std::move(copy);
    moved.Canvas().FillRect({0, 0, 2, 2});

    const Counts during = Counts::Now();
    for (GdiKind kind : {GdiKind::Pen, GdiKind::Brush, GdiKind::Font, GdiKind::Bitmap, GdiKind::Region,
                         GdiKind::DeviceContext, GdiKind::Icon}) {
      EXPECT_GT(during[kind], start[kind]) << kKindNames[static_cast<int>(kind)] << " is counted while alive";
    }
  }
  const Counts end = Counts::Now();
  for (int i = 0; i < kGdiKindCount; ++i) EXPECT_EQ(end.kinds[i], start.kinds[i]) << kKindNames[i];
  EXPECT_EQ(LiveGdiObjectCount(), total);
}

TEST(LiveGdiObjectCount, ChangingToolsOverAndOverHoldsOneHandleEach) {
  Bitmap surface = graphics_test::WhiteSurface(4, 4);
  Canvas& canvas = surface.Canvas();
  canvas.FillRect({0, 0, 1, 1});
  const int before = LiveGdiObjectCount();
  for (int i = 0; i < 200; ++i) {
    canvas.Pen().SetColor(RGBColor(static_cast<std::uint8_t>(i), 0, 0));
    canvas.Brush().SetColor(RGBColor(0, static_cast<std::uint8_t>(i), 0));
    canvas.Font().SetHeight(-10 - i % 7);
    canvas.MoveTo(0, 0);
    canvas.LineTo(3, 3);
    canvas.FillRect({0, 0, 2, 2});
    canvas.TextOut(0, 0, "x");
    surface.SetSize(4 + i % 3, 4);
  }
  EXPECT_EQ(LiveGdiObjectCount(), before);
}

TEST(OwnedGdiHandle, DetachGivesTheHandleAwayAndStopsCountingIt) {
  const int regions = LiveGdiObjectCount(GdiKind::Region);
  OwnedRegion region(CreateRectRgn(0, 0, 1, 1));
  ASSERT_EQ(LiveGdiObjectCount(GdiKind::Region), regions + 1);
  HRGN given = region.Detach();
  EXPECT_FALSE(region);
  EXPECT_EQ(LiveGdiObjectCount(GdiKind::Region), regions);
  EXPECT_EQ(GetObjectType(given), static_cast<DWORD>(OBJ_REGION)) << "a detached handle stays alive";
  DeleteObject(given);
}

TEST(OwnedGdiHandle, MovingHandsOwnershipOverAndResetReleases) {
  OwnedBrush first(CreateSolidBrush(RGB(1, 2, 3)));
  HBRUSH handle = first.Get();
  OwnedBrush second(std::move(first));
  EXPECT_FALSE(first);
  EXPECT_EQ(second.Get(), handle);
  second.Reset();
  EXPECT_EQ(GetObjectType(handle), 0u) << "the brush is deleted";
}

}  // namespace
