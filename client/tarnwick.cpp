// The program: one window, the main window, until it closes.
#include <windows.h>

#include "client/Unit1.h"
#include "client/program_classes.h"
#include "toolkit/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RegisterProgramClasses();
  Application().Initialize();
  Application().CreateForm<TForm1>();
  Application().Run();
  return 0;
}
