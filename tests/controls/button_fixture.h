// One visible form for a whole test program (Wine is slow to destroy top-level windows),
// buttons made on it per test, and pictures of what the buttons paint.
//
//   class MyTest : public ButtonFormTest {};
//   TsuiButton* b = AddButton(TsuiUIStyle::WinXP, 10, 10);
//   Bitmap shot = Shoot(*b);                        // the button's own paint, off-screen
//   Bitmap face = ReferenceFace(TsuiUIStyle::WinXP, 2, b->Color(), 80, 27, false);
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "controls/button.h"
#include "skin/builtin_bitmaps.h"
#include "skin/strip_drawing.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"

inline constexpr TColor kFormBackground = RGBColor(10, 200, 30);
inline constexpr TColor kButtonBackground = RGBColor(200, 40, 120);

inline void Pump() { Application().ProcessMessages(); }

// Pumps until the condition holds or the bound runs out; answers the condition.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD bound_ms = 5000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > bound_ms) return false;
    Application().ProcessMessages();
    Sleep(5);
  }
  return true;
}

// Pumps for a while, for checks that nothing more arrives.
inline void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

inline LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

// The button's paint into a fresh off-screen picture of its size, pre-filled with a
// colour that no face uses so that unpainted pixels show.
inline Bitmap Shoot(TsuiCustomButton& button) {
  Bitmap shot;
  shot.SetSize(button.Width(), button.Height());
  shot.Canvas().Brush().SetColor(RGBColor(1, 2, 3));
  shot.Canvas().FillRect({0, 0, button.Width(), button.Height()});
  button.PaintTo(shot.Canvas().Handle());
  return shot;
}

// What a face of the strip looks like stretched over a button of that size on that
// background, with or without the focus rectangle at the default margin.
inline Bitmap ReferenceFace(TsuiUIStyle style, int frame, TColor background, int width, int height,
                            bool transparent, bool focus_rect = false) {
  Bitmap face;
  GetBuiltInBitmap(style, kButtonImage, &face, frame, 3);
  Bitmap picture;
  picture.SetSize(width, height);
  picture.Canvas().Brush().SetColor(background);
  picture.Canvas().FillRect({0, 0, width, height});
  DrawNinePartBitmap(face, picture.Canvas(), {0, 0, width, height}, transparent);
  if (focus_rect) picture.Canvas().DrawFocusRect({2, 2, width - 2, height - 2});
  return picture;
}

// The first pixel where the two pictures differ, as text, or "" when they are equal.
inline std::string FirstDifference(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) {
        char text[96];
        wsprintfA(text, "at %d,%d: %06X against %06X", x, y, a.Pixel(x, y), b.Pixel(x, y));
        return text;
      }
    }
  }
  return "";
}

// The pixels where a picture with a caption differs from the same face without it.
struct Ink {
  std::vector<POINT> points;
  RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

inline Ink InkBetween(const Bitmap& with_caption, const Bitmap& without_caption) {
  Ink ink;
  for (int y = 0; y < with_caption.Height(); ++y) {
    for (int x = 0; x < with_caption.Width(); ++x) {
      if (with_caption.Pixel(x, y) == without_caption.Pixel(x, y)) continue;
      ink.points.push_back({x, y});
      ink.bounds.left = std::min<LONG>(ink.bounds.left, x);
      ink.bounds.top = std::min<LONG>(ink.bounds.top, y);
      ink.bounds.right = std::max<LONG>(ink.bounds.right, x + 1);
      ink.bounds.bottom = std::max<LONG>(ink.bounds.bottom, y + 1);
    }
  }
  return ink;
}

// The form lives from the first test that asks for it to the end of the program.
class SharedFormEnvironment : public ::testing::Environment {
 public:
  static TForm* Form() {
    if (!form_) {
      RegisterButtonClass();
      form_ = new TForm(nullptr);
      form_->SetCaption("Skinned buttons");
      form_->SetColor(kFormBackground);
      form_->SetBounds(60, 60, 400, 260);
      form_->Show();
      SetForegroundWindow(form_->Handle());
      Pump();
    }
    return form_;
  }
  void TearDown() override {
    delete form_;
    form_ = nullptr;
  }

 private:
  static inline TForm* form_ = nullptr;
};

inline ::testing::Environment* const kSharedFormEnvironment =
    ::testing::AddGlobalTestEnvironment(new SharedFormEnvironment);

class ButtonFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = SharedFormEnvironment::Form();
    SetForegroundWindow(form_->Handle());
    form_->SetModalResult(0);
    ParkCursor();
  }
  void TearDown() override {
    for (TComponent* component : made_) delete component;
    made_.clear();
    Pump();
  }

  TsuiButton* AddButton(TsuiUIStyle style, int left, int top, const std::string& caption = "") {
    auto* button = new TsuiButton(form_);
    made_.push_back(button);
    button->SetParent(form_);
    button->SetUIStyle(style);
    button->SetColor(kButtonBackground);
    button->SetBounds(left, top, 80, 27);
    button->SetCaption(caption);
    return button;
  }
  template <typename T>
  T* Keep(T* component) {
    made_.push_back(component);
    return component;
  }

  // Keeps the real pointer off every button, so that no mouse-over comes from it.
  void ParkCursor() const {
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    SetCursorPos(window.right + 40, window.bottom + 40);
  }
  void CursorOver(TWinControl& control) {
    POINT centre{control.Width() / 2, control.Height() / 2};
    ClientToScreen(control.Handle(), &centre);
    SetCursorPos(centre.x, centre.y);
  }

  TForm* form_ = nullptr;
  std::vector<TComponent*> made_;
};
