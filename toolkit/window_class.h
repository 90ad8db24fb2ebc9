// Window classes of our own, registered once per class name with the one static window
// procedure; a class built on a system class ("EDIT") keeps that class's procedure as
// the default handling.
#pragma once

#include <windows.h>

#include <string>

struct TCreateParams;

// Registers the class if needed; returns the Win32 procedure behind ours.
WNDPROC EnsureWindowClass(const TCreateParams& params);

LRESULT CALLBACK ControlWindowProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
