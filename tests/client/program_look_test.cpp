// The program makes and paints its window without loading libraries it does not need yet
// (each costs start-up time): its windows are all drawn by the program, so the common-
// controls library waits for the system's message boxes, which still get version 6 of it
// and so the system's visual style; Windows sockets wait for the first update exchange.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "client/Unit1.h"
#include "client/http_client.h"
#include "client/program_classes.h"
#include "toolkit/application.h"
#include "toolkit/system_dialog_look.h"

namespace {

bool Loaded(const char* library) { return GetModuleHandleA(library) != nullptr; }
bool CommonControlsLoaded() { return Loaded("comctl32.dll"); }

std::string TemporarySettingsPath(const char* name) {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + name + std::to_string(GetCurrentProcessId()) + ".ini";
}

// The main window as the program starts it: created, shown, painted, its start-up done.
void ShowAndPaint(TForm1& form) {
  form.DoCreate();
  form.Show();
  UpdateWindow(form.Handle());
  Application().ProcessMessages();
}

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

// First of the file: a message box loads comctl32, and comctl32 brings msimg32 along.
TEST(ProgramStart, SocketsWaitForTheFirstExchangeWhichStartsThem) {
  RegisterProgramClasses();
  const std::string settings = TemporarySettingsPath("tarnwick-sockets-");
  {
    TForm1 form(nullptr, Form1Environment{settings, "http://127.0.0.1:1/lo.php?"});
    ShowAndPaint(form);
    EXPECT_FALSE(Loaded("ws2_32.dll")) << "Windows sockets were started before any exchange";
    EXPECT_FALSE(Loaded("msimg32.dll")) << "transparent copies loaded msimg32; GDI has them itself";
  }
  DeleteFileA(settings.c_str());

  // Nothing listens on port 1: with sockets started the name resolves and the connection is
  // refused; without them, already resolving the name would fail.
  HttpClient client;
  try {
    client.Get("http://127.0.0.1:1/lo.php?");
    ADD_FAILURE() << "a connection to port 1 was accepted";
  } catch (const SocketError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("connecting", 0), 0u) << error.what();
  }
  EXPECT_TRUE(Loaded("ws2_32.dll"));
}

TEST(ProgramLook, TheWindowNeedsNoCommonControlsButMessageBoxesGetTheirVisualStyle) {
  RegisterProgramClasses();
  const std::string settings = TemporarySettingsPath("tarnwick-look-");
  {
    TForm1 form(nullptr, Form1Environment{settings, "http://127.0.0.1:1/lo.php?"});
    ShowAndPaint(form);
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
