#include "toolkit/standard_classes.h"

#include "toolkit/class_registry.h"
#include "toolkit/edit.h"
#include "toolkit/label.h"
#include "toolkit/menu.h"
#include "toolkit/panel.h"
#include "toolkit/push_button.h"
#include "toolkit/timer.h"

void RegisterStandardClasses() {
  RegisterComponentClass<TLabel>("TLabel");
  RegisterComponentClass<TEdit>("TEdit");
  RegisterComponentClass<TButton>("TButton");
  RegisterComponentClass<TPanel>("TPanel");
  RegisterComponentClass<TTimer>("TTimer");
  RegisterComponentClass<TMainMenu>("TMainMenu");
  RegisterComponentClass<TPopupMenu>("TPopupMenu");
  RegisterComponentClass<TMenuItem>("TMenuItem");
}
