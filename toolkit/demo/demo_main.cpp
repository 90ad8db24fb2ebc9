// A small form read from its description resource: edit boxes, labels, buttons, a menu
// and a timer, for looking at the toolkit's controls together.
#include <windows.h>

#include <string>

#include "toolkit/application.h"
#include "toolkit/description_reader.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/standard_classes.h"
#include "toolkit/timer.h"

namespace {

class TDemoForm : public TForm {
 public:
  explicit TDemoForm(TComponent* owner) : TForm(owner) {
    HandlerTable handlers;
    handlers.Add<TNotifyEvent>("FormCreate", [this](TComponent*) { ticks_ = 0; });
    handlers.Add<TNotifyEvent>("Button1Click", [this](TComponent*) { Status("logged in"); });
    handlers.Add<TNotifyEvent>("Button2Click", [this](TComponent*) { Close(); });
    handlers.Add<TNotifyEvent>("Timer1Timer", [this](TComponent*) { Status("tick " + std::to_string(++ticks_)); });
    ReadDescriptionResource(*this, "DEMOFORM", handlers);
  }
  std::string_view ClassName() const override { return "TDemoForm"; }

 private:
  void Status(const std::string& text) {
    if (auto* label = dynamic_cast<TLabel*>(FindComponent("Label4"))) label->SetCaption(text);
  }
  int ticks_ = 0;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RegisterStandardClasses();
  Application().Initialize();
  try {
    Application().CreateForm<TDemoForm>();
  } catch (const std::exception& error) {
    Application().ShowException(error.what());
    return 1;
  }
  Application().Run();
  return 0;
}
