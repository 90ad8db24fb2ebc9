// Reaching the skinned components' `UIStyle` and `FileTheme` through their published
// properties, so that this layer needs none of their classes.
//
//   ApplyStyleToChildren(*form, TsuiUIStyle::WinXP, nullptr);   // every direct child that publishes both
//   if (PublishedReferenceIs(*component, "FileTheme", theme)) ...
//   AssignPublishedReference(*component, "FileTheme", nullptr);
#pragma once

#include <string_view>

#include "skin/ui_style.h"
#include "toolkit/component.h"
#include "toolkit/win_control.h"

class TsuiFileTheme;

// True when the object publishes a reference property of that name that points at the
// target. A reference is published as the target's name, so an unnamed target cannot be
// recognised and gives false.
bool PublishedReferenceIs(const TPersistent& object, std::string_view property, const TComponent& target);

// Runs the property's own setter with the component itself (or none), whatever its name.
// Throws PropertyValueError when the object has no such property or refuses the value.
void AssignPublishedReference(TPersistent& object, std::string_view property, TComponent* target);

// For each direct child control of the form, in child order, that publishes both
// `FileTheme` and `UIStyle`: `FileTheme` first, then `UIStyle`. Grandchildren stay as
// they are.
void ApplyStyleToChildren(TWinControl& form, TsuiUIStyle style, TsuiFileTheme* file_theme);
