// The look of the system's own dialogs, message boxes above all. The program's windows are
// made from the plain window classes, which need no common-controls library at start; a
// message box is shown in the system's current visual style while one of these lives,
// when the program carries a manifest asking for version 6 of the common controls as
// resource ISOLATIONAWARE_MANIFEST_RESOURCE_ID (2). Without it, nothing changes.
//
//   { SystemDialogLook look;  MessageBoxA(owner, text, caption, MB_OK); }
#pragma once

#include <windows.h>

class SystemDialogLook {
 public:
  SystemDialogLook();
  ~SystemDialogLook();
  SystemDialogLook(const SystemDialogLook&) = delete;
  SystemDialogLook& operator=(const SystemDialogLook&) = delete;

  // Whether the program's manifest was found and is in force now.
  bool Active() const { return active_; }

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};
