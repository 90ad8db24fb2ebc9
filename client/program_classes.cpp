#include "client/program_classes.h"

#include "controls/button.h"
#include "controls/check_box.h"
#include "controls/edit.h"
#include "controls/menu_classes.h"
#include "frame/form_classes.h"
#include "frame/title_bar_classes.h"
#include "skin/file_theme.h"
#include "toolkit/standard_classes.h"

void RegisterProgramClasses() {
  RegisterStandardClasses();
  RegisterFileThemeClass();
  RegisterButtonClass();
  RegisterCheckBoxClass();
  RegisterEditClass();
  RegisterMenuClasses();
  RegisterTitleBarClasses();
  RegisterFormClasses();
}
