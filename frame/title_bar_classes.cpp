#include "frame/title_bar_classes.h"

#include "frame/title_bar.h"
#include "toolkit/class_registry.h"

void RegisterTitleBarClasses() { RegisterComponentClass<TsuiTitleBar>("TsuiTitleBar"); }
