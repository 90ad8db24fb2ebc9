// One dialog-framed host window per test program (Wine is slow to destroy top-level
// windows), a fresh skinned form on it for each test, and the window and pixel helpers
// the skinned-form tests share.
//
//   SkinnedFormTest fixture: host_, form_ (MacOS unless a test changes it)
//   Bitmap frame = FramePicture(*form_);            // PaintFrameTo into a window-sized picture
//   RECT inset = ClientInset(host_.Handle());       // left, top, right, bottom frame widths
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "frame/form.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/gdi_handles.h"

inline void Pump() {
  for (int i = 0; i < 4; ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

inline constexpr RECT kHostBounds{140, 120, 140 + 330, 120 + 230};

inline TForm& SharedHost() {
  static TForm* form = [] {
    auto* made = new TForm(nullptr);
    made->SetBorderStyle(TFormBorderStyle::bsDialog);
    made->SetBorderIcons(biSystemMenu | biMinimize);
    made->SetBounds(kHostBounds.left, kHostBounds.top, kHostBounds.right - kHostBounds.left,
                    kHostBounds.bottom - kHostBounds.top);
    made->Show();
    return made;
  }();
  return *form;
}

inline SIZE WindowSize(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// How far the client area lies inside the window on each side.
inline RECT ClientInset(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return {client.left - outer.left, client.top - outer.top, outer.right - client.right, outer.bottom - client.bottom};
}

// The frame as the form paints it, on a window-sized picture filled with a marker first.
inline constexpr TColor kMarker = 0x00FE01FD;
inline Bitmap FramePicture(TsuiForm& form) {
  const SIZE size = WindowSize(form.HostForm()->Handle());
  Bitmap picture;
  picture.SetSize(size.cx, size.cy);
  picture.Canvas().Brush().SetColor(kMarker);
  picture.Canvas().FillRect({0, 0, size.cx, size.cy});
  form.PaintFrameTo(picture.Canvas().Handle());
  return picture;
}

// What the window shows on the screen now, its frame included.
inline Bitmap WindowShot(HWND window) {
  const SIZE size = WindowSize(window);
  Bitmap shot;
  shot.SetSize(size.cx, size.cy);
  const WindowDC dc(window);
  BitBlt(shot.Canvas().Handle(), 0, 0, size.cx, size.cy, dc.Get(), 0, 0, SRCCOPY);
  return shot;
}

inline bool InWindowRegion(HWND window, int x, int y) {
  OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region.Get()) == ERROR) return true;  // no region: the whole window
  return PtInRegion(region.Get(), x, y) != FALSE;
}

class SkinnedFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.SetWindowState(TWindowState::wsNormal);
    host_.SetBounds(kHostBounds.left, kHostBounds.top, kHostBounds.right - kHostBounds.left,
                    kHostBounds.bottom - kHostBounds.top);
    SetForegroundWindow(host_.Handle());
    form_ = new TsuiForm(&host_);
    form_->SetUIStyle(TsuiUIStyle::MacOS);
    Pump();
  }
  void TearDown() override {
    delete form_;
    host_.SetWindowState(TWindowState::wsNormal);
    Pump();
  }

  TForm& host_ = SharedHost();
  TsuiForm* form_ = nullptr;
};
