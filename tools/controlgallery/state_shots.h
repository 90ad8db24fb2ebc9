// Pictures of the skinned button, check box and edit box in each state, taken from real
// controls: each is made on a visible stage form, put into the state by the messages a
// user's mouse and keyboard would send (or by its property), and drawn with its own paint.
//
//   const Look look{"WinXP", TsuiUIStyle::WinXP, nullptr};
//   LookShots shots = ShootControls(*stage_form, look);   // shots.button[2] is "pressed"
#pragma once

#include <array>
#include <string>
#include <vector>

#include "skin/file_theme.h"
#include "skin/ui_style.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"

// A built-in style, or a file theme with the style that takes its look from the file.
struct Look {
  std::string name;
  TsuiUIStyle style;
  TsuiFileTheme* theme;
};

enum class ControlState { Normal, Hover, Pressed, Focused, Checked, Disabled };

inline constexpr std::array<ControlState, 6> kControlStates = {
    ControlState::Normal,  ControlState::Hover,   ControlState::Pressed,
    ControlState::Focused, ControlState::Checked, ControlState::Disabled};

const char* StateName(ControlState state);

// An empty picture: the control has no such state.
struct Shot {
  ControlState state;
  Bitmap picture;
};

struct LookShots {
  std::vector<Shot> button;
  std::vector<Shot> check_box;
  std::vector<Shot> edit;
};

LookShots ShootControls(TForm& stage, const Look& look);
