#include "controls/menu_classes.h"

#include "controls/main_menu.h"
#include "controls/popup_menu.h"
#include "toolkit/class_registry.h"

void RegisterMenuClasses() {
  RegisterComponentClass<TsuiMainMenu>("TsuiMainMenu");
  RegisterComponentClass<TsuiPopupMenu>("TsuiPopupMenu");
}
