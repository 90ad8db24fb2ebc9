#include "controls/check_box.h"

#include "skin/style_resolution.h"
#include "skin/ui_style_property.h"
#include "toolkit/accelerator.h"
#include "toolkit/class_registry.h"
#include "toolkit/published_properties.h"

namespace {

const EnumName<TCheckBoxState> kCheckBoxStateNames[] = {{"cbUnchecked", TCheckBoxState::cbUnchecked},
                                                        {"cbChecked", TCheckBoxState::cbChecked},
                                                        {"cbGrayed", TCheckBoxState::cbGrayed}};

}  // namespace

TsuiCheckBox::TsuiCheckBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 93, 17);
  SetTabStop(true);
  SetParentColor(true);
  ui_style_ = GetFormUIStyle(owner);
}

const ClassInfo& TsuiCheckBox::ClassInfo() const {
  static const ::ClassInfo info(
      "TsuiCheckBox", &TWinControl::ClassInfo(),
      {BooleanProperty<TsuiCheckBox>("Checked", &TsuiCheckBox::Checked, &TsuiCheckBox::SetChecked),
       EnumProperty<TsuiCheckBox>("UIStyle", kUIStyleNames, &TsuiCheckBox::UIStyle, &TsuiCheckBox::SetUIStyle),
       ReferenceProperty<TsuiCheckBox, TsuiFileTheme>("FileTheme", &TsuiCheckBox::FileTheme,
                                                      &TsuiCheckBox::SetFileTheme),
       BooleanProperty<TsuiCheckBox>("Transparent", &TsuiCheckBox::Transparent, &TsuiCheckBox::SetTransparent),
       BooleanProperty<TsuiCheckBox>("AutoSize", &TsuiCheckBox::AutoSize, &TsuiCheckBox::SetAutoSize),
       EnumProperty<TsuiCheckBox>("State", kCheckBoxStateNames, &TsuiCheckBox::State, &TsuiCheckBox::SetState)});
  return info;
}

void TsuiCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Invalidate();
  NotifyClick();
}

void TsuiCheckBox::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  Invalidate();
}

void TsuiCheckBox::SetFileTheme(TsuiFileTheme* theme) {
  if (file_theme_ && file_theme_ != theme) file_theme_->RemoveFreeNotification(this);
  file_theme_ = theme;
  if (theme) theme->FreeNotification(this);
  SetUIStyle(ui_style_);
}

void TsuiCheckBox::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void TsuiCheckBox::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  Invalidate();
}

void TsuiCheckBox::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove && component == file_theme_) {
    file_theme_ = nullptr;
    SetUIStyle(TsuiUIStyle::DeepBlue);
  }
  TCustomControl::Notification(component, operation);
}

bool TsuiCheckBox::ShowFocusMark() { return TabStop() && Focused() && Enabled() && Visible(); }

void TsuiCheckBox::NotifyClick() {
  if (!Loading() && OnClick) OnClick(this);
}

void TsuiCheckBox::Toggle() {
  BeforeToggle();
  SetChecked(!checked_);
}

// There are no actions to run, and the change of Checked has fired OnClick already.
void TsuiCheckBox::Click() { Toggle(); }

// Without double-click messages the system reports the second click of a double click as
// a button-down of its own, so it toggles again.
void TsuiCheckBox::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.class_style &= ~static_cast<UINT>(CS_DBLCLKS);
}

// A window that the system refuses the focus simply goes without it.
void TsuiCheckBox::TakeFocusIfPossible() {
  if (CanFocus()) SetFocus();
}

void TsuiCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbLeft) TakeFocusIfPossible();
}

void TsuiCheckBox::TextChanged() {
  TCustomControl::TextChanged();
  Invalidate();
}

void TsuiCheckBox::WndProc(TMessage& message) {
  switch (message.msg) {
    case WM_KEYUP: {
      const WPARAM key = message.wParam;
      TCustomControl::WndProc(message);
      if (KeyToggles() && (key == VK_SPACE || key == VK_RETURN) && Focused() && Enabled()) {
        Invalidate();
        Click();
      }
      return;
    }
    case CM_DIALOG_CHAR:
      TCustomControl::WndProc(message);
      if (IsAccelerator(static_cast<char>(message.wParam), Caption()) && Enabled() && Visible() && Parent() &&
          Parent()->Enabled()) {
        TakeFocusIfPossible();
        Click();
        message.result = 1;
      } else {
        message.result = 0;
      }
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FOCUS_CHANGED:
      TCustomControl::WndProc(message);
      Invalidate();
      return;
    default:
      TCustomControl::WndProc(message);
  }
}

void RegisterCheckBoxClass() { RegisterComponentClass<TsuiCheckBox>("TsuiCheckBox"); }
