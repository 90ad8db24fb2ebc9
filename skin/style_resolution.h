// Which source a skinned component takes its look from, and the style a new component
// starts in.
//
//   TsuiUIStyle effective;
//   if (ResolveUIStyle(FileTheme(), UIStyle(), effective)) colour = FileTheme()->GetColor(2);
//   else colour = GetBuiltInColor(effective, kFormColor);
//   TsuiUIStyle initial = GetFormUIStyle(owner);   // in a component's constructor
#pragma once

#include "skin/ui_style.h"

class TComponent;
class TsuiFileTheme;

// True: read the ready file theme (effective style FromThemeFile). False: read the
// built-in table with the effective style, which is DeepBlue when FromThemeFile was asked
// for without a ready theme. Only the low seven bits of the style count.
bool ResolveUIStyle(const TsuiFileTheme* file_theme, TsuiUIStyle style, TsuiUIStyle& effective);

// The `UIStyle` of the first child control of class "TsuiForm" on the owner form, read
// through its published properties; DeepBlue when the owner is absent, is not a form,
// holds no skinned form, or its style has no name.
TsuiUIStyle GetFormUIStyle(const TComponent* owner);
