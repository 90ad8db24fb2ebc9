#include "frame/form_classes.h"

#include "frame/form.h"
#include "toolkit/class_registry.h"

void RegisterFormClasses() { RegisterComponentClass<TsuiForm>("TsuiForm"); }
