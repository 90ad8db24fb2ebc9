// The skinned form's non-client frame: the client area the window-procedure hook leaves
// over the host's dialog frame, and every pixel of the MacOS frame round it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "frame/menu_bar.h"
#include "skin/builtin_bitmaps.h"
#include "tests/frame/form_test_support.h"

namespace {

using FrameTest = SkinnedFormTest;

struct InsetCase {
  const char* description;
  TsuiUIStyle style;
  RECT inset;  // left, top, right, bottom
};

std::ostream& operator<<(std::ostream& out, const InsetCase& c) { return out << c.description; }

// Over the host's 3-pixel dialog frame: one-pixel borders leave 2 pixels at the bottom,
// WinXP's 3-pixel border the full 3.
const InsetCase kInsetCases[] = {
    {"MacOS", TsuiUIStyle::MacOS, {3, 3, 3, 2}},         {"WinXP", TsuiUIStyle::WinXP, {3, 3, 3, 3}},
    {"DeepBlue", TsuiUIStyle::DeepBlue, {3, 3, 3, 2}},   {"Protein", TsuiUIStyle::Protein, {3, 3, 3, 2}},
    {"BlueGlass", TsuiUIStyle::BlueGlass, {3, 3, 3, 2}},
};

class FrameInsetTest : public SkinnedFormTest, public ::testing::WithParamInterface<InsetCase> {};

TEST_P(FrameInsetTest, ClientAreaIsInsetByTheThinFrame) {
  form_->SetUIStyle(GetParam().style);
  const RECT inset = ClientInset(host_.Handle());
  EXPECT_EQ(inset.left, GetParam().inset.left);
  EXPECT_EQ(inset.top, GetParam().inset.top);
  EXPECT_EQ(inset.right, GetParam().inset.right);
  EXPECT_EQ(inset.bottom, GetParam().inset.bottom);
  // The system caption is gone, and the skinned form covers the whole client area.
  EXPECT_EQ(GetWindowLongA(host_.Handle(), GWL_STYLE) & WS_CAPTION, 0);
  RECT client;
  GetClientRect(host_.Handle(), &client);
  EXPECT_EQ(form_->Width(), client.right);
  EXPECT_EQ(form_->Height(), client.bottom);
  // The title bar hears the frame thickness less one.
  EXPECT_EQ(SendMessageA(host_.Handle(), 0x26C3, 0, 0), 2);
}

INSTANTIATE_TEST_SUITE_P(Styles, FrameInsetTest, ::testing::ValuesIn(kInsetCases),
                         [](const auto& info) { return std::string(info.param.description); });

// What one window pixel of the MacOS frame is expected to be.
struct MacFrame {
  int w, h, t, mb;
  Bitmap left, right;
  TColor border = 0x7F7F7F;
  TColor color = 0xE7E7E7;
  TColor menu_fill = 0x3050A0;
};

class MacFrameTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    menu_ = new TMainMenu(&host_);
    for (const char* caption : {"&File", "&Help"}) {
      auto* item = new TMenuItem(menu_);
      item->SetCaption(caption);
      menu_->Items().Add(item);
    }
    form_->SetMenu(menu_);
    form_->SetMenuBarColor(frame_.menu_fill);
    form_->SetMenuBarToColor(frame_.menu_fill);
    Pump();
    const SIZE size = WindowSize(host_.Handle());
    frame_.w = size.cx;
    frame_.h = size.cy;
    frame_.t = form_->TitleBar()->Height() + 3;
    frame_.mb = form_->MenuBar()->Height();
    LoadBuiltInBitmap(TsuiUIStyle::MacOS, kTitleLeftImage, &frame_.left);
    LoadBuiltInBitmap(TsuiUIStyle::MacOS, kTitleRightImage, &frame_.right);
  }
  void TearDown() override {
    SkinnedFormTest::TearDown();
    delete menu_;
    Pump();
  }
  TMainMenu* menu_ = nullptr;
  MacFrame frame_;
};

TEST_F(MacFrameTest, BordersAndBandsTakeTheirColours) {
  const MacFrame& f = frame_;
  ASSERT_GT(f.mb, 0);
  const Bitmap picture = FramePicture(*form_);
  for (int y = 0; y < f.h; y += 7) {
    EXPECT_EQ(picture.Pixel(0, y), f.border) << "left border, row " << y;
    EXPECT_EQ(picture.Pixel(f.w - 1, y), f.border) << "right border, row " << y;
  }
  for (int x = 0; x < f.w; x += 7) EXPECT_EQ(picture.Pixel(x, f.h - 1), f.border) << "bottom border, column " << x;
  for (int x = 1; x < f.w - 1; x += 7) EXPECT_EQ(picture.Pixel(x, f.h - 2), f.color) << "row above it, column " << x;
  for (const int x : {1, 2, f.w - 3, f.w - 2}) {
    for (int y = f.t + f.mb; y < f.h - 1; ++y) {
      ASSERT_EQ(picture.Pixel(x, y), f.color) << "inner column " << x << ", row " << y;
    }
    for (int y = f.t; y < f.t + f.mb; ++y) {
      ASSERT_EQ(picture.Pixel(x, y), f.menu_fill) << "beside the menu bar, column " << x << ", row " << y;
    }
  }
  // Nothing of the client area is touched.
  EXPECT_EQ(picture.Pixel(f.w / 2, f.h / 2), kMarker);
}

TEST_F(MacFrameTest, TitlePicturesContinueIntoTheFrame) {
  const MacFrame& f = frame_;
  const Bitmap picture = FramePicture(*form_);
  const int rw = f.right.Width();
  for (int y = 0; y < f.left.Height(); ++y) {
    ASSERT_EQ(picture.Pixel(1, y), f.left.Pixel(0, y)) << "column 1, row " << y;
    ASSERT_EQ(picture.Pixel(2, y), f.left.Pixel(y < 3 ? 2 : 1, y)) << "column 2, row " << y;
    ASSERT_EQ(picture.Pixel(f.w - 3, y), f.right.Pixel(rw - 2, y)) << "column W-3, row " << y;
    ASSERT_EQ(picture.Pixel(f.w - 2, y), f.right.Pixel(rw - 1, y)) << "column W-2, row " << y;
  }
  for (int y = 0; y < 3; ++y) {
    for (int x = 3; x < f.left.Width(); ++x) {
      ASSERT_EQ(picture.Pixel(x, y), f.left.Pixel(x, y)) << "top rows over the left picture, " << x << "," << y;
    }
    for (int x = f.w - rw; x < f.w - 3; ++x) {
      ASSERT_EQ(picture.Pixel(x, y), f.right.Pixel(x - (f.w - rw), y)) << "top rows over the right picture, " << x
                                                                        << "," << y;
    }
  }
}

TEST_F(MacFrameTest, WindowShowsTheFrameAndFollowsBorderChangesAtOnce) {
  RedrawWindow(host_.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
  const int mid = frame_.h / 2;
  EXPECT_EQ(WindowShot(host_.Handle()).Pixel(0, mid), frame_.border);
  EXPECT_EQ(WindowShot(host_.Handle()).Pixel(1, mid), frame_.color);
  form_->SetBorderColor(0x0000C0);
  EXPECT_EQ(WindowShot(host_.Handle()).Pixel(0, mid), 0x0000C0u);
  form_->SetBorderWidth(2);
  const Bitmap shot = WindowShot(host_.Handle());
  EXPECT_EQ(shot.Pixel(1, mid), 0x0000C0u);
  EXPECT_EQ(shot.Pixel(2, mid), frame_.color);
}

TEST_F(FrameTest, HiddenTitleBarLeavesABorderLineAndTheFormColourOnTop) {
  form_->SetTitleBarVisible(false);
  EXPECT_EQ(form_->RoundCorner(), 0);
  const Bitmap picture = FramePicture(*form_);
  const SIZE size = WindowSize(host_.Handle());
  for (int x = 0; x < size.cx; x += 9) EXPECT_EQ(picture.Pixel(x, 0), 0x7F7F7Fu) << "column " << x;
  for (const int y : {1, 2}) {
    for (int x = 1; x < size.cx - 1; x += 9) EXPECT_EQ(picture.Pixel(x, y), 0xE7E7E7u) << x << "," << y;
  }
  form_->SetTitleBarVisible(true);
}

TEST_F(FrameTest, ClientAreaShowsTheStyleTileOrItsColour) {
  const auto client_picture = [&] {
    Bitmap shot;
    shot.SetSize(form_->Width(), form_->Height());
    form_->PaintTo(shot.Canvas().Handle());
    return shot;
  };
  Bitmap tile;
  tile.LoadFromResourceName(GetModuleHandleA(nullptr), "MACOS_FORM_BACKGROUND");
  const Bitmap mac = client_picture();
  for (int y = 0; y < tile.Height(); ++y) {
    for (int x = 0; x < tile.Width(); ++x) {
      ASSERT_EQ(mac.Pixel(x + tile.Width(), y + tile.Height()), tile.Pixel(x, y)) << x << "," << y;
    }
  }
  form_->SetUIStyle(TsuiUIStyle::WinXP);
  EXPECT_EQ(client_picture().Pixel(5, 60), 0xDEEBEFu);
}

}  // namespace
