// A window message as a control's window procedure sees it, and the notifications of our
// own that controls send each other.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

struct TMessage {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result;
};

// A control's replaceable window procedure (see TWinControl::WindowProc).
using TWndMethod = std::function<void(TMessage&)>;

// Notifications between controls; never sent by the system.
enum ControlNotification : UINT {
  kControlNotificationBase = WM_APP + 0x3000,
  CM_RECREATED,        // the control's window was made anew (e.g. a style change)
  CM_PARENT_CHANGED,   // the control was moved under another window
  CM_FOCUS_CHANGED,    // lParam: the newly focused TWinControl*, told to every control of the form
  CM_DIALOG_KEY,       // wParam: VK_RETURN or VK_ESCAPE; result 1 when taken
  CM_DIALOG_CHAR,      // wParam: the accelerator character, lParam: its key data (KF_ALTDOWN in the
                       // high word when typed with Alt); result 1 when taken
  CM_CANCEL_MODE,      // give up a capture or drag, because another control took the focus
  CM_MOUSE_ENTER,
  CM_MOUSE_LEAVE,
  CM_ENABLED_CHANGED,
  CM_TEXT_CHANGED,
  CM_FONT_CHANGED,
  CM_COLOR_CHANGED,
};

// Reflected messages: what a parent receives for a child is handed to the child's object
// with this offset added, so the child handles its own drawing and commands.
inline constexpr UINT kReflectedOffset = WM_APP + 0x3800;
inline constexpr UINT CN_COMMAND = kReflectedOffset + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = kReflectedOffset + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = kReflectedOffset + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = kReflectedOffset + WM_MEASUREITEM;
inline constexpr UINT CN_CTLCOLOREDIT = kReflectedOffset + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORSTATIC = kReflectedOffset + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORBTN = kReflectedOffset + WM_CTLCOLORBTN;

using TShiftState = unsigned;  // MK_SHIFT, MK_CONTROL, MK_LBUTTON ... as the mouse messages carry them
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

class TComponent;
using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char& key)>;
