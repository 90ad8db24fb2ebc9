// Geometry and activity of forms as the skinned frame sees them.
//
//   RECT area;
//   GetWorkArea(area);                 // the main form's monitor, without the task bar
//   SetBoundsFromRect(*form, area);
//   bool active = IsFormActive(form);  // paint the caption as active?
#pragma once

#include <windows.h>

#include "toolkit/control.h"
#include "toolkit/form.h"

// The work area of the monitor nearest to the main form's window, or the primary work
// area when there is no main form window.
void GetWorkArea(RECT& area);

// Left, top, width and height, in that order, each through the control's own setter.
void SetBoundsFromRect(TControl& control, const RECT& rect);

// Whether the form is to be painted as active: the main form of an MDI frame always;
// otherwise not while the application is inactive; then a missing form or the main form
// yes, the frame's active MDI child yes, any other form when its window is the active one.
bool IsFormActive(TForm* form);
