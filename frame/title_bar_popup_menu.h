// The window menu of a skinned title bar: Minimize, Maximize/Restore and Close, each
// enabled only while the title bar shows a button for it. Opened from a control box
// without a menu of its own and by Alt+Space.
//
//   TsuiTitleBarPopupMenu& menu = title_bar->PopupMenu();
//   menu.Popup(x, y);                    // screen point; returns once the menu closed
//   if (OpenWindowMenuOnAltSpace(*title_bar, msg)) handled = true;   // in an application message hook
#pragma once

#include <windows.h>

#include "controls/popup_menu.h"

class TsuiTitleBar;

class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
 public:
  explicit TsuiTitleBarPopupMenu(TsuiTitleBar& title_bar);

  std::string_view ClassName() const override { return "TsuiTitleBarPopupMenu"; }

  // Enables the entries by the visible buttons, then shows the menu (176 pixels further
  // right in a right-to-left layout).
  void Popup(int x, int y);

 private:
  void Minimize(TComponent* sender);
  void MaximizeOrRestore(TComponent* sender);
  void Close(TComponent* sender);

  TsuiTitleBar& title_bar_;
};

// Alt+Space: the window menu of the title bar opens below the main window's caption
// (the title bar's own window's when there is no main form). True when the message was
// taken.
bool OpenWindowMenuOnAltSpace(TsuiTitleBar& title_bar, const MSG& message);
