#include "toolkit/push_button.h"

#include "toolkit/accelerator.h"
#include "toolkit/published_properties.h"

namespace {

TForm* FormOf(TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TForm*>(control);
}

}  // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

const ClassInfo& TButton::ClassInfo() const {
  static const ::ClassInfo info(
      "TButton", &TWinControl::ClassInfo(),
      {BooleanProperty<TButton>("Default", &TButton::Default, &TButton::SetDefault),
       BooleanProperty<TButton>("Cancel", &TButton::Cancel, &TButton::SetCancel),
       IntegerProperty<TButton>("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)});
  return info;
}

void TButton::SetDefault(bool is_default) {
  if (is_default == default_) return;
  default_ = is_default;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.system_class = "BUTTON";
  params.window_class = "Tarnwick.TButton";
  params.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
  if (modal_result_ != 0) {
    if (TForm* form = FormOf(this)) form->SetModalResult(modal_result_);
  }
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.msg) {
    case CN_COMMAND:
      if (HIWORD(message.wParam) == BN_CLICKED) Click();
      return;
    case CM_DIALOG_KEY:
      if ((message.wParam == VK_RETURN && default_) || (message.wParam == VK_ESCAPE && cancel_)) {
        if (CanFocus()) {
          Click();
          message.result = 1;
        }
      }
      return;
    case CM_DIALOG_CHAR: {
      const char key = static_cast<char>(message.wParam);
      const char upper = (key >= 'a' && key <= 'z') ? static_cast<char>(key - 'a' + 'A') : key;
      if (upper != 0 && upper == AcceleratorOf(Caption()) && CanFocus()) {
        SetFocus();
        Click();
        message.result = 1;
      }
      return;
    }
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
      // The system button captures the mouse and reports the click as BN_CLICKED, so our
      // own click tracking stays out of it; only the mouse events are raised.
      DefaultHandler(message);
      return;
    default:
      TWinControl::WndProc(message);
  }
}
