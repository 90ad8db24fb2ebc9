#include "tools/controlgallery/state_shots.h"

#include <windows.h>

#include <memory>

#include "controls/button.h"
#include "controls/check_box.h"
#include "controls/edit.h"
#include "toolkit/application.h"

namespace {

constexpr int kStageLeft = 16;
constexpr int kStageTop = 16;

template <typename Control>
void ApplyLook(Control& control, const Look& look) {
  if (look.theme) control.SetFileTheme(look.theme);
  control.SetUIStyle(look.style);
}

// What the user's hand does: the pointer comes over the control, the left button goes
// down and stays down, the focus arrives; checking and disabling are properties.
void Drive(TWinControl& control, ControlState state) {
  const LPARAM centre = MAKELPARAM(control.Width() / 2, control.Height() / 2);
  switch (state) {
    case ControlState::Normal:
    case ControlState::Checked:
      break;
    case ControlState::Hover:
      SendMessageA(control.Handle(), WM_MOUSEMOVE, 0, centre);
      break;
    case ControlState::Pressed:
      SendMessageA(control.Handle(), WM_MOUSEMOVE, 0, centre);
      SendMessageA(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
      break;
    case ControlState::Focused:
      control.SetFocus();
      break;
    case ControlState::Disabled:
      control.SetEnabled(false);
      break;
  }
}

// The press never ends in a release, which would click: the mode is cancelled instead.
void Settle(TWinControl& control, ControlState state) {
  if (state != ControlState::Pressed) return;
  SendMessageA(control.Handle(), WM_CANCELMODE, 0, 0);
  if (GetCapture() == control.Handle()) ReleaseCapture();
}

Bitmap PaintedShot(TCustomControl& control, TColor background) {
  Bitmap shot;
  shot.SetSize(control.Width(), control.Height());
  shot.Canvas().Brush().SetColor(background);
  shot.Canvas().FillRect({0, 0, control.Width(), control.Height()});
  control.PaintTo(shot.Canvas().Handle());
  return shot;
}

// The edit box is the system's control with a border drawn over its frame, so its
// picture is what its window shows once it has painted.
Bitmap WindowShot(TWinControl& control) {
  UpdateWindow(control.Handle());
  Bitmap shot;
  shot.SetSize(control.Width(), control.Height());
  HDC window_dc = GetWindowDC(control.Handle());
  BitBlt(shot.Canvas().Handle(), 0, 0, control.Width(), control.Height(), window_dc, 0, 0, SRCCOPY);
  ReleaseDC(control.Handle(), window_dc);
  return shot;
}

template <typename Control, typename Make, typename Prepare, typename Take>
std::vector<Shot> ShootEach(TForm& stage, bool has_checked_state, Make make, Prepare prepare, Take take) {
  std::vector<Shot> shots;
  for (const ControlState state : kControlStates) {
    if (state == ControlState::Checked && !has_checked_state) {
      shots.push_back({state, Bitmap()});
      continue;
    }
    std::unique_ptr<Control> control(make());
    control->SetParent(&stage);
    control->SetLeft(kStageLeft);
    control->SetTop(kStageTop);
    Application().ProcessMessages();
    prepare(*control);
    Drive(*control, state);
    if constexpr (requires { control->SetChecked(true); }) {
      if (state == ControlState::Checked) control->SetChecked(true);
    }
    shots.push_back({state, take(*control)});
    Settle(*control, state);
  }
  Application().ProcessMessages();
  return shots;
}

}  // namespace

const char* StateName(ControlState state) {
  switch (state) {
    case ControlState::Normal: return "normal";
    case ControlState::Hover: return "hover";
    case ControlState::Pressed: return "pressed";
    case ControlState::Focused: return "focused";
    case ControlState::Checked: return "checked";
    case ControlState::Disabled: return "disabled";
  }
  return "";
}

LookShots ShootControls(TForm& stage, const Look& look) {
  LookShots shots;
  const TColor background = stage.Color();
  shots.button = ShootEach<TsuiButton>(
      stage, false,
      [&] {
        auto* button = new TsuiButton(&stage);
        ApplyLook(*button, look);
        button->SetWidth(76);
        button->SetHeight(25);
        button->SetCaption("Log in");
        return button;
      },
      [](TsuiButton&) {}, [&](TsuiButton& button) { return PaintedShot(button, background); });
  shots.check_box = ShootEach<TsuiCheckBox>(
      stage, true,
      [&] {
        auto* box = new TsuiCheckBox(&stage);
        ApplyLook(*box, look);
        box->SetCaption("Save");
        return box;
      },
      [](TsuiCheckBox&) {}, [&](TsuiCheckBox& box) { return PaintedShot(box, background); });
  shots.edit = ShootEach<TsuiEdit>(
      stage, false,
      [&] {
        auto* edit = new TsuiEdit(&stage);
        ApplyLook(*edit, look);
        edit->SetWidth(84);
        edit->SetHeight(21);
        edit->SetCaption("tarnwick");
        return edit;
      },
      // The whole text is selected: a focused edit box shows the selection, one without
      // the focus hides it, and a click replaces it with the caret.
      [](TsuiEdit& edit) { SendMessageA(edit.Handle(), EM_SETSEL, 0, -1); },
      [](TsuiEdit& edit) { return WindowShot(edit); });
  return shots;
}
