// The names under which a component publishes its `UIStyle`, for EnumProperty:
//
//   EnumProperty<TsuiButton>("UIStyle", kUIStyleNames, &TsuiButton::UIStyle, &TsuiButton::SetUIStyle)
#pragma once

#include "skin/ui_style.h"
#include "toolkit/published_properties.h"

inline constexpr EnumName<TsuiUIStyle> kUIStyleNames[] = {
    {"FromThemeFile", TsuiUIStyle::FromThemeFile}, {"MacOS", TsuiUIStyle::MacOS},
    {"WinXP", TsuiUIStyle::WinXP},                 {"DeepBlue", TsuiUIStyle::DeepBlue},
    {"Protein", TsuiUIStyle::Protein},             {"BlueGlass", TsuiUIStyle::BlueGlass},
};
