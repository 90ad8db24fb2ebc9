// One plain form per test program (Wine is slow to destroy top-level windows), a fresh
// title bar on it for each test, and the pixel and mouse helpers the title-bar tests share.
//
//   TitleBarTest fixture: form_, bar_ (MacOS unless a test changes it)
//   Bitmap shot = Snapshot(*bar_);
//   EXPECT_TRUE(ShowsFrame(shot, x, top, StripFrame(TsuiUIStyle::MacOS, 16), false));
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "frame/frame_messages.h"
#include "frame/title_bar.h"
#include "skin/builtin_bitmaps.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

inline void Pump() {
  for (int i = 0; i < 4; ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

inline TForm& SharedForm() {
  static TForm* form = [] {
    auto* made = new TForm(nullptr);
    made->SetBorderStyle(TFormBorderStyle::bsSizeable);
    made->SetBounds(120, 110, 330, 220);
    made->Show();
    return made;
  }();
  return *form;
}

// What the title bar shows now, painted into a bitmap of its size.
inline Bitmap Snapshot(TsuiTitleBar& bar) {
  Bitmap shot;
  shot.SetSize(bar.Width(), bar.Height());
  bar.PaintTo(shot.Canvas().Handle());
  return shot;
}

inline Bitmap StripFrame(TsuiUIStyle style, int frame) {
  Bitmap picture;
  GetBuiltInBitmap(style, kTitleButtonsImage, &picture, frame, 18);
  return picture;
}

// The picture appears at (x, y); a transparent picture only with its opaque pixels (its
// key colour is its bottom-left pixel).
inline ::testing::AssertionResult ShowsFrame(const Bitmap& shot, int x, int y, const Bitmap& frame, bool transparent) {
  if (frame.Empty()) return ::testing::AssertionFailure() << "no picture to look for";
  const TColor key = frame.Pixel(0, frame.Height() - 1);
  for (int fy = 0; fy < frame.Height(); ++fy) {
    for (int fx = 0; fx < frame.Width(); ++fx) {
      const TColor wanted = frame.Pixel(fx, fy);
      if (transparent && wanted == key) continue;
      const int sx = x + fx, sy = y + fy;
      if (sx < 0 || sy < 0 || sx >= shot.Width() || sy >= shot.Height()) {
        return ::testing::AssertionFailure() << "pixel " << fx << "," << fy << " falls outside the title bar";
      }
      if (shot.Pixel(sx, sy) != wanted) {
        return ::testing::AssertionFailure() << "at " << sx << "," << sy << ": 0x" << std::hex << shot.Pixel(sx, sy)
                                             << " instead of 0x" << wanted;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

inline POINT ScreenPoint(TsuiTitleBar& bar, POINT client) {
  ClientToScreen(bar.Handle(), &client);
  return client;
}

inline void MoveCursorAway() { SetCursorPos(1, 1); }

inline LPARAM At(POINT client) { return MAKELPARAM(client.x, client.y); }

// The cursor over the title-bar point, then the move the system would send for it.
inline void HoverAt(TsuiTitleBar& bar, POINT client) {
  const POINT screen = ScreenPoint(bar, client);
  SetCursorPos(screen.x, screen.y);
  SendMessageA(bar.Handle(), WM_MOUSEMOVE, 0, At(client));
}

inline void ClickAt(TsuiTitleBar& bar, POINT client) {
  HoverAt(bar, client);
  SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(client));
  SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, At(client));
}

// A panel that stands in for the skinned form round the title bar: the host answers the
// frame-inset query as the form's hook does over a 3-pixel frame.
class SkinnedFormStandIn : public TPanel {
 public:
  using TPanel::TPanel;
  std::string_view ClassName() const override { return "TsuiForm"; }
  const ::ClassInfo& ClassInfo() const override {
    static const ::ClassInfo info("TsuiForm", &TPanel::ClassInfo(), {});
    return info;
  }
  int frame_changes = 0;

 protected:
  void WndProc(TMessage& message) override {
    if (message.msg == CM_TITLE_FRAME_CHANGED) ++frame_changes;
    TPanel::WndProc(message);
  }
};

class HostAnswersFrameInset {
 public:
  HostAnswersFrameInset(TForm& host, int inset) : host_(host), saved_(host.WindowProc) {
    host.WindowProc = [this, inset](TMessage& message) {
      if (message.msg == kFrameInsetQuery) {
        message.result = inset;
        return;
      }
      saved_(message);
    };
  }
  ~HostAnswersFrameInset() { host_.WindowProc = saved_; }
  HostAnswersFrameInset(const HostAnswersFrameInset&) = delete;
  HostAnswersFrameInset& operator=(const HostAnswersFrameInset&) = delete;

 private:
  TForm& host_;
  TWndMethod saved_;
};

class TitleBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.SetWindowState(TWindowState::wsNormal);
    form_.Show();
    form_.SetBounds(120, 110, 330, 220);
    SetForegroundWindow(form_.Handle());
    bar_ = new TsuiTitleBar(&form_);
    bar_->SetParent(&form_);
    bar_->SetUIStyle(TsuiUIStyle::MacOS);
    MoveCursorAway();
    Pump();
  }
  void TearDown() override {
    delete bar_;
    Pump();
  }

  // Moves the title bar onto a stand-in skinned form that fills the form; the caller
  // deletes the stand-in.
  SkinnedFormStandIn* PutOnSkinnedStandIn() {
    auto* skinned = new SkinnedFormStandIn(&form_);
    skinned->SetParent(&form_);
    skinned->SetAlign(TAlign::alClient);
    bar_->SetParent(skinned);
    return skinned;
  }

  TForm& form_ = SharedForm();
  TsuiTitleBar* bar_ = nullptr;
};
