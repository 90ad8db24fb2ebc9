#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/popup_menu.h"
#include "skin/builtin_style_table.h"
#include "toolkit/component.h"

namespace {

struct Drawn {
  std::string caption;
  RECT rect;
  TColor bar_pixel;
};

std::vector<Drawn> g_drawn;

void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

TEST(TsuiPopupMenuSystemTest, TheSystemMeasuresAndDrawsItemsThroughTheSkinnedHandlers) {
  TComponent owner(nullptr);
  auto* popup = new TsuiPopupMenu(&owner);
  popup->SetUIStyle(TsuiUIStyle::WinXP);
  popup->SetBarColor(RGBColor(0, 0, 200));
  popup->SetBarToColor(RGBColor(0, 0, 200));
  for (const char* caption : {"&Minimize", "-", "&Close"}) {
    auto* item = new TMenuItem(&owner);
    item->SetCaption(caption);
    popup->Items().Add(item);
  }
  g_drawn.clear();
  // Watch each drawing through the item's own handler, after it has run.
  for (int i = 0; i < popup->Items().Count(); ++i) {
    TMenuItem* item = popup->Items().Item(i);
    ASSERT_TRUE(item->OnDrawItem);
    item->OnDrawItem = [item, skinned = item->OnDrawItem](TComponent* sender, Canvas& canvas, RECT rect,
                                                          bool selected) {
      skinned(sender, canvas, rect, selected);
      g_drawn.push_back({item->Caption(), rect, canvas.Pixel(rect.left + 3, rect.top + 2)});
    };
  }
  SetTimer(nullptr, 0, 300, EndMenuSoon);
  popup->Popup(100, 100);

  ASSERT_GE(g_drawn.size(), 3u);
  const int heights[] = {21, 5, 21};  // WinXP item and separator heights
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(g_drawn[i].caption);
    EXPECT_EQ(g_drawn[i].rect.bottom - g_drawn[i].rect.top, heights[i]);
    EXPECT_EQ(g_drawn[i].bar_pixel, RGBColor(0, 0, 200));
  }
  EXPECT_EQ(g_drawn[1].rect.top, g_drawn[0].rect.bottom);
  EXPECT_EQ(g_drawn[2].rect.top, g_drawn[1].rect.bottom);
  // The widest item decides the width: "&Minimize" in the menu font, bar and margin.
  EXPECT_GE(g_drawn[0].rect.right - g_drawn[0].rect.left, 26 + 40);
}

struct FramePixels {
  bool window_found = false;
  TColor left_column = CLR_INVALID;
  TColor top_line = CLR_INVALID;
  TColor bottom_line = CLR_INVALID;
};

FramePixels g_frame;

TEST(TsuiPopupMenuSystemTest, FlatMenuFramesThePopupWindowInTheFormColour) {
  TComponent owner(nullptr);
  auto* popup = new TsuiPopupMenu(&owner);
  popup->SetUIStyle(TsuiUIStyle::WinXP);
  popup->SetFlatMenu(true);
  auto* item = new TMenuItem(&owner);
  item->SetCaption("&Restore");
  popup->Items().Add(item);
  g_frame = {};
  item->OnDrawItem = [skinned = item->OnDrawItem](TComponent* sender, Canvas& canvas, RECT rect, bool selected) {
    skinned(sender, canvas, rect, selected);
    const HWND window = WindowFromDC(canvas.Handle());
    RECT r;
    if (!window || !GetWindowRect(window, &r)) return;
    g_frame.window_found = true;
    const HDC screen = GetDC(nullptr);
    g_frame.left_column = GetPixel(screen, r.left, r.top + 5);
    g_frame.top_line = GetPixel(screen, r.left + 5, r.top);
    g_frame.bottom_line = GetPixel(screen, r.left + 5, r.bottom - 1);
    ReleaseDC(nullptr, screen);
  };
  SetTimer(nullptr, 0, 300, EndMenuSoon);
  popup->Popup(120, 120);

  ASSERT_TRUE(g_frame.window_found);
  const TColor form_color = GetBuiltInColor(TsuiUIStyle::WinXP, kFormColor);
  EXPECT_EQ(g_frame.left_column, clBlack);
  EXPECT_EQ(g_frame.top_line, form_color);
  EXPECT_EQ(g_frame.bottom_line, form_color);
}

}  // namespace
