// Private messages between the title bar and the skinned form that hosts it.
#pragma once

#include <windows.h>

// Sent by the title bar to the host window before it lays out: how far the thin frame
// reaches in (the skinned form's hook on the host answers; any other window gives 0).
inline constexpr UINT kFrameInsetQuery = 0x26C3;

// Performed by the title bar on its parent after it painted a caption section: the frame
// pictures round the title bar follow the section's width, so the form repaints them.
inline constexpr UINT CM_TITLE_FRAME_CHANGED = WM_APP + 0x3400;
