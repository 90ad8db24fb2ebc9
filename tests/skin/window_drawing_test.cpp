#include "skin/window_drawing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "skin/fill_drawing.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/panel.h"

namespace {

constexpr TColor kMarker = RGBColor(1, 2, 3);
constexpr TColor kPanelColor = RGBColor(10, 200, 30);
constexpr TColor kBorder = RGBColor(200, 20, 40);
constexpr TColor kInner = RGBColor(30, 60, 220);

void Pump() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

struct BorderCase {
  const char* description;
  bool draw_inner;
  TColor expected_inner_ring;
};

void PrintTo(const BorderCase& c, std::ostream* os) { *os << c.description; }

class DrawControlBorderTest : public ::testing::TestWithParam<BorderCase> {
 protected:
  void SetUp() override {
    form_->SetBounds(40, 40, 200, 150);
    panel_->SetParent(form_);
    panel_->SetBevelOuter(TBevelCut::bvNone);
    panel_->SetColor(kPanelColor);
    panel_->SetBounds(20, 20, 60, 30);
    form_->Show();
    Pump();
  }
  void TearDown() override { delete form_; }

  TForm* form_ = new TForm(nullptr);
  TPanel* panel_ = new TPanel(form_);
};

TEST_P(DrawControlBorderTest, FramesTheWholeWindowOnItsWindowDeviceContext) {
  const BorderCase& c = GetParam();
  DrawControlBorder(*panel_, kBorder, kInner, c.draw_inner);
  const WindowDC dc(panel_->Handle());
  const auto pixel = [&](int x, int y) { return static_cast<TColor>(GetPixel(dc.Get(), x, y)); };
  for (const POINT p : {POINT{0, 0}, POINT{59, 0}, POINT{0, 29}, POINT{59, 29}, POINT{30, 0}, POINT{0, 15}, POINT{30, 29}})
    EXPECT_EQ(pixel(p.x, p.y), kBorder) << "outer ring at " << p.x << "," << p.y;
  for (const POINT p : {POINT{1, 1}, POINT{58, 1}, POINT{1, 28}, POINT{58, 28}, POINT{30, 1}})
    EXPECT_EQ(pixel(p.x, p.y), c.expected_inner_ring) << "inner ring at " << p.x << "," << p.y;
  EXPECT_EQ(pixel(2, 2), kPanelColor) << "inside the rings the face stays";
  EXPECT_EQ(pixel(30, 15), kPanelColor);
}

INSTANTIATE_TEST_SUITE_P(Rings, DrawControlBorderTest, ::testing::Values(
    BorderCase{"border_and_inner_ring", true, kInner},
    BorderCase{"border_only", false, kPanelColor}),
    [](const auto& info) { return std::string(info.param.description); });

// Paints a pattern in which every pixel names its own position, into whatever device
// context its paint messages carry, and logs the order of those messages.
class PatternParent : public TWinControl {
 public:
  using TWinControl::TWinControl;
  static TColor PatternAt(int x, int y) {
    return RGBColor(static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 6), 99);
  }
  std::string log;

 protected:
  void WndProc(TMessage& message) override {
    const HDC dc = reinterpret_cast<HDC>(message.wParam);
    if (message.msg == WM_ERASEBKGND && dc) {
      log += "erase;";
      message.result = 1;
      return;
    }
    if (message.msg == WM_PAINT && dc) {
      log += "paint;";
      // Far beyond the client area: the clip decides what arrives.
      for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) SetPixelV(dc, x, y, PatternAt(x, y));
      return;
    }
    TWinControl::WndProc(message);
  }
};

struct ParentBackgroundCase {
  const char* description;
  int left, top;
};

void PrintTo(const ParentBackgroundCase& c, std::ostream* os) { *os << c.description; }

class DrawParentBackgroundTest : public ::testing::TestWithParam<ParentBackgroundCase> {
 protected:
  void SetUp() override {
    form_->SetBounds(40, 40, 200, 150);
    parent_->SetParent(form_);
    parent_->SetBounds(5, 5, 60, 40);
  }
  void TearDown() override { delete form_; }

  TForm* form_ = new TForm(nullptr);
  PatternParent* parent_ = new PatternParent(form_);
};

TEST_P(DrawParentBackgroundTest, TheParentPaintsShiftedAndClippedToItsClientArea) {
  const ParentBackgroundCase& c = GetParam();
  auto* child = new TPanel(form_);
  child->SetParent(parent_);
  child->SetBounds(c.left, c.top, 16, 16);
  Bitmap target;
  target.SetSize(16, 16);
  FillRectColor(target.Canvas(), {0, 0, 16, 16}, kMarker);
  parent_->log.clear();

  DrawParentBackground(target.Canvas(), *child);

  EXPECT_EQ(parent_->log, "erase;paint;");
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int px = c.left + x, py = c.top + y;
      const bool inside_parent = px < 60 && py < 40;
      ASSERT_EQ(target.Pixel(x, y), inside_parent ? PatternParent::PatternAt(px, py) : kMarker)
          << "target pixel " << x << "," << y;
    }
  }
  POINT origin{-1, -1};
  GetViewportOrgEx(target.Canvas().Handle(), &origin);
  EXPECT_EQ(origin.x, 0) << "the canvas's origin comes back";
  EXPECT_EQ(origin.y, 0);
  FillRectColor(target.Canvas(), {0, 0, 16, 16}, kMarker);
  EXPECT_EQ(target.Pixel(15, 15), kMarker) << "and so does its clip";
}

INSTANTIATE_TEST_SUITE_P(Positions, DrawParentBackgroundTest, ::testing::Values(
    ParentBackgroundCase{"at_the_origin", 0, 0},
    ParentBackgroundCase{"shifted", 20, 10},
    ParentBackgroundCase{"across_the_right_and_bottom_edge", 50, 30}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(DrawParentBackgroundWithoutParentTest, DrawsNothing) {
  TPanel orphan(nullptr);
  orphan.SetBounds(3, 3, 10, 10);
  Bitmap target;
  target.SetSize(4, 4);
  FillRectColor(target.Canvas(), {0, 0, 4, 4}, kMarker);
  DrawParentBackground(target.Canvas(), orphan);
  EXPECT_EQ(target.Pixel(1, 1), kMarker);
}


TEST(DrawMenuShadowFrameTest, DrawsTheFrameTheWhiteRingAndTheLinesOnTheScreen) {
  constexpr TColor kFrame = RGBColor(0, 0, 0);
  constexpr TColor kLine = RGBColor(200, 0, 0);
  TForm menu_like(nullptr);
  menu_like.SetBorderStyle(TFormBorderStyle::bsNone);
  menu_like.SetColor(kPanelColor);
  menu_like.SetBounds(300, 200, 60, 40);
  menu_like.Show();
  Pump();
  RECT r;
  ASSERT_TRUE(GetWindowRect(menu_like.Handle(), &r));
  DrawMenuShadowFrame(menu_like.Handle(), kFrame, kLine);
  const ClientDC screen(nullptr);
  struct Expected {
    const char* where;
    int x, y;
    TColor color;
  };
  for (const Expected& e : {Expected{"frame, left column", r.left, r.top + 5, kFrame},
                            Expected{"frame, top row one down", r.left + 5, r.top + 1, kFrame},
                            Expected{"frame, right column one in", r.right - 2, r.top + 5, kFrame},
                            Expected{"frame, bottom row one up", r.left + 5, r.bottom - 2, kFrame},
                            Expected{"white ring", r.left + 1, r.top + 5, clWhite},
                            Expected{"white ring, top", r.left + 5, r.top + 2, clWhite},
                            Expected{"line along the bottom", r.left + 5, r.bottom - 1, kLine},
                            Expected{"line down the right", r.right - 1, r.top + 5, kLine},
                            Expected{"line along the top", r.left + 5, r.top, kLine},
                            Expected{"the menu's face", r.left + 5, r.top + 5, kPanelColor}}) {
    EXPECT_EQ(static_cast<TColor>(GetPixel(screen.Get(), e.x, e.y)), e.color) << e.where;
  }
}

}  // namespace
