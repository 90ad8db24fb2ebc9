// The program: one window, the main window, until it closes.
#include <windows.h>

#include "client/Unit1.h"
#include "toolkit/application.h"
#include "toolkit/standard_classes.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RegisterStandardClasses();
  Application().Initialize();
  Application().CreateForm<TForm1>();
  Application().Run();
  return 0;
}
