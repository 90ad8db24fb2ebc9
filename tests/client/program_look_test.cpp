// The program's windows are all drawn by the program, so it makes them without loading the
// common-controls library (which costs start-up time); the system's message boxes that it
// shows still get version 6 of the library, and so the system's visual style.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "client/Unit1.h"
#include "client/program_classes.h"
#include "toolkit/application.h"
#include "toolkit/system_dialog_look.h"

namespace {

bool CommonControlsLoaded() { return GetModuleHandleA("comctl32.dll") != nullptr; }

// The class atom that "Button" has outside any activation context: the plain system class.
ATOM PlainButtonAtom() {
  WNDCLASSEXA plain{};
  plain.cbSize = sizeof plain;
  return static_cast<ATOM>(GetClassInfoExA(nullptr, "Button", &plain));
}

struct SeenBox {
  bool found = false;
  bool library_loaded = false;
  ATOM button_atom = 0;
};
SeenBox g_seen;

void CALLBACK LookAtTheBox(HWND, UINT, UINT_PTR id, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
        g_seen.found = true;
        g_seen.library_loaded = CommonControlsLoaded();
        if (HWND ok = GetDlgItem(window, IDOK)) g_seen.button_atom = static_cast<ATOM>(GetClassWord(ok, GCW_ATOM));
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return FALSE;
      },
      0);
  if (g_seen.found) KillTimer(nullptr, id);
}

TEST(ProgramLook, TheWindowNeedsNoCommonControlsButMessageBoxesGetTheirVisualStyle) {
  RegisterProgramClasses();
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string settings = std::string(temp) + "tarnwick-look-" + std::to_string(GetCurrentProcessId()) + ".ini";
  {
    TForm1 form(nullptr, Form1Environment{settings, "http://127.0.0.1:1/lo.php?"});
    form.DoCreate();
    form.Show();
    UpdateWindow(form.Handle());
    Application().ProcessMessages();
    EXPECT_FALSE(CommonControlsLoaded()) << "the main window, its edit boxes among its controls, loaded comctl32";

    g_seen = SeenBox{};
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtTheBox);
    Application().MessageBox("已连接");
    KillTimer(nullptr, timer);
  }
  DeleteFileA(settings.c_str());
  ASSERT_TRUE(g_seen.found);
  EXPECT_TRUE(g_seen.library_loaded);
  const ATOM plain = PlainButtonAtom();
  ASSERT_NE(plain, 0);
  EXPECT_NE(g_seen.button_atom, 0);
  EXPECT_NE(g_seen.button_atom, plain) << "the box's OK button is the plain system button, not the library's";
  // The program carries the manifest that the look comes from.
  EXPECT_TRUE(SystemDialogLook().Active());
}

}  // namespace
