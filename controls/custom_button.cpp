#include "controls/custom_button.h"

#include <algorithm>

#include "controls/button.h"
#include "skin/style_resolution.h"
#include "skin/ui_style_property.h"
#include "toolkit/accelerator.h"
#include "toolkit/published_properties.h"

namespace {

bool ModifierKeyHeld() {
  return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

bool FocusIsOnSkinnedButton() {
  const HWND focus = GetFocus();
  return focus && SendMessageA(focus, WM_SKINBUTTONQUERY, 0, 0) == 1;
}

}  // namespace

TsuiCustomButton::TsuiCustomButton(TComponent* owner)
    : TCustomControl(owner), ui_style_(GetFormUIStyle(owner)) {
  SetBounds(0, 0, 80, 27);
  SetTabStop(true);
}

const ClassInfo& TsuiCustomButton::ClassInfo() const {
  using B = TsuiCustomButton;
  static const ::ClassInfo info(
      "TsuiCustomButton", &TCustomControl::ClassInfo(),
      {ReferenceProperty<B, TsuiFileTheme>("FileTheme", &B::FileTheme, &B::SetFileTheme),
       EnumProperty<B>("UIStyle", kUIStyleNames, &B::UIStyle, &B::SetUIStyle),
       BooleanProperty<B>("Cancel", &B::Cancel, &B::SetCancel),
       BooleanProperty<B>("Default", &B::Default, &B::SetDefault),
       BooleanProperty<B>("Transparent", &B::Transparent, &B::SetTransparent),
       IntegerProperty<B>("ModalResult", &B::ModalResult, &B::SetModalResult),
       BooleanProperty<B>("AutoSize", &B::AutoSize, &B::SetAutoSize),
       IntegerProperty<B>("FocusedRectMargin", &B::FocusedRectMargin, &B::SetFocusedRectMargin),
       IntegerProperty<B>("MouseContinuouslyDownInterval", &B::MouseContinuouslyDownInterval,
                          &B::SetMouseContinuouslyDownInterval),
       IntegerProperty<B>("ResHandle", &B::ResHandle, &B::SetResHandle),
       EventMember<B, TNotifyEvent>("OnMouseExit", &B::OnMouseExit),
       EventMember<B, TNotifyEvent>("OnMouseContinuouslyDown", &B::OnMouseContinuouslyDown)});
  return info;
}

void TsuiCustomButton::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  UpdateAutoSize();
  Repaint();
}

void TsuiCustomButton::SetDefault(bool is_default) {
  default_ = is_default;
  if (!HandleAllocated()) return;
  // Every button of the form works out again which of them Enter activates now.
  if (TForm* form = ParentForm()) {
    form->Perform(CM_FOCUS_CHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
  }
}

void TsuiCustomButton::SetTransparent(bool transparent) {
  transparent_ = transparent;
  AfterTransparentChange();
  Repaint();
}

void TsuiCustomButton::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  AfterStyleChange();
  Repaint();
}

void TsuiCustomButton::SetFileTheme(TsuiFileTheme* theme) {
  if (file_theme_) file_theme_->RemoveFreeNotification(this);
  file_theme_ = theme;
  if (file_theme_) file_theme_->FreeNotification(this);
  SetUIStyle(ui_style_);
}

void TsuiCustomButton::SetFocusedRectMargin(int margin) {
  focused_rect_margin_ = margin;
  Repaint();
}

void TsuiCustomButton::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove && component == file_theme_) {
    file_theme_ = nullptr;
    SetUIStyle(TsuiUIStyle::DeepBlue);
  }
  TCustomControl::Notification(component, operation);
}

TForm* TsuiCustomButton::ParentForm() {
  TControl* top = this;
  while (top->Parent()) top = top->Parent();
  return top == this ? nullptr : dynamic_cast<TForm*>(top);
}

void TsuiCustomButton::AfterFontChange() {
  Canvas().Font().Assign(Font());
  Repaint();
}

void TsuiCustomButton::AfterTransparentChange() { SetSkinTransparent(transparent_); }

void TsuiCustomButton::TextChanged() {
  TCustomControl::TextChanged();
  AfterCaptionChange();
  Repaint();
}

void TsuiCustomButton::FontChanged() {
  TCustomControl::FontChanged();
  AfterFontChange();
}

void TsuiCustomButton::EnabledChanged() {
  TCustomControl::EnabledChanged();
  AfterEnabledChange();
  Repaint();
}

void TsuiCustomButton::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  // A quick second click is a click of its own, not a double click.
  params.class_style &= ~static_cast<UINT>(CS_DBLCLKS);
}

void TsuiCustomButton::CreateHandleDone() {
  TCustomControl::CreateHandleDone();
  active_default_ = default_;
}

void TsuiCustomButton::StartRepeatTimer() {
  if (!in_repeat_tick_) retired_timer_.reset();
  repeat_timer_ = std::make_unique<TTimer>(nullptr);
  repeat_timer_->SetInterval(static_cast<unsigned>(std::max(repeat_interval_, 0)));
  repeat_timer_->SetOnTimer([this](TComponent*) {
    in_repeat_tick_ = true;
    try {
      if (OnMouseContinuouslyDown) OnMouseContinuouslyDown(this);
    } catch (...) {
      in_repeat_tick_ = false;
      throw;
    }
    in_repeat_tick_ = false;
  });
}

void TsuiCustomButton::ReleaseRepeatTimer() {
  if (!repeat_timer_) return;
  if (in_repeat_tick_) {
    // Freed by its own tick's handler (which disabled the button, say): a timer cannot
    // be destroyed while it calls out, so it is stopped and kept until the next press.
    repeat_timer_->SetEnabled(false);
    retired_timer_ = std::move(repeat_timer_);
    return;
  }
  repeat_timer_.reset();
}

void TsuiCustomButton::Click() {
  if (is_pressed_) {
    ReleaseRepeatTimer();
    is_pressed_ = false;
    Repaint();
  }
  if (TForm* form = ParentForm()) form->SetModalResult(modal_result_);
  TCustomControl::Click();
}

void TsuiCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    is_pressed_ = true;
    if (!repeat_timer_) StartRepeatTimer();
    // CanFocus covers enabled and visible; the system may still refuse, which is fine.
    if (TabStop() && CanFocus()) SetFocus();
    Repaint();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TsuiCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  // A press that moved off the button and back no longer counts as pressed, so the click
  // does not end its repeat; the released button always does.
  if (button == TMouseButton::mbLeft) ReleaseRepeatTimer();
}

void TsuiCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (x < 0 || x > Width() || y < 0 || y > Height()) {
    is_hovered_ = false;
    is_pressed_ = false;
    Repaint();
  }
}

void TsuiCustomButton::MouseEnter() {
  if (!Designing()) {
    is_hovered_ = true;
    Repaint();
  }
  TCustomControl::MouseEnter();
}

void TsuiCustomButton::MouseLeave() {
  is_hovered_ = false;
  is_pressed_ = false;
  ReleaseRepeatTimer();
  Repaint();
  TCustomControl::MouseLeave();
  if (OnMouseExit) OnMouseExit(this);
}

void TsuiCustomButton::HandleDialogKey(TMessage& message) {
  const bool wanted =
      (message.wParam == VK_RETURN && active_default_) || (message.wParam == VK_ESCAPE && cancel_);
  if (wanted && !ModifierKeyHeld() && CanFocus()) {
    Click();
    message.result = 1;
    return;
  }
  TCustomControl::WndProc(message);
}

void TsuiCustomButton::HandleDialogChar(TMessage& message) {
  TCustomControl::WndProc(message);
  const bool matches = IsAccelerator(static_cast<char>(message.wParam), Caption());
  const bool reachable = GetKeyState(VK_MENU) < 0 || FocusIsOnSkinnedButton();
  if (matches && reachable && Parent() && Parent()->Enabled() && Enabled() && Visible()) {
    Click();
    message.result = 1;
  } else {
    message.result = 0;
  }
}

void TsuiCustomButton::HandleFocusChanged(const TMessage& message) {
  const auto* focused = reinterpret_cast<const TWinControl*>(message.lParam);
  // A push button that takes the focus takes Enter with it; any other control leaves
  // Enter to the default button.
  active_default_ = dynamic_cast<const TsuiButton*>(focused) ? focused == this : default_;
  // Every button hears of every focus change; they are painted together afterwards rather
  // than each at once on its own.
  Invalidate();
}

void TsuiCustomButton::WndProc(TMessage& message) {
  switch (message.msg) {
    case WM_ERASEBKGND:
      message.result = 1;  // the paint covers every pixel
      return;
    case WM_SKINBUTTONQUERY:
      message.result = 1;
      return;
    case CM_DIALOG_KEY:
      HandleDialogKey(message);
      return;
    case CM_DIALOG_CHAR:
      HandleDialogChar(message);
      return;
    default:
      break;
  }
  TCustomControl::WndProc(message);
  switch (message.msg) {
    case CM_FOCUS_CHANGED:
      HandleFocusChanged(message);
      break;
    case WM_KEYDOWN:
      if ((message.wParam == VK_SPACE || message.wParam == VK_RETURN) && Focused() && Enabled()) {
        is_pressed_ = true;
        Repaint();
      }
      break;
    case WM_KEYUP:
      if ((message.wParam == VK_SPACE || message.wParam == VK_RETURN) && Focused() && is_pressed_ && Enabled()) {
        is_pressed_ = false;
        Repaint();
        Click();
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Repaint();
      break;
    case WM_CANCELMODE:
    case CM_CANCEL_MODE:
      is_hovered_ = false;
      is_pressed_ = false;
      ReleaseRepeatTimer();
      Repaint();
      break;
    case WM_SETTEXT: {
      // Text set on the window directly becomes the caption.
      std::string text(static_cast<std::size_t>(GetWindowTextLengthA(Handle())) + 1, '\0');
      text.resize(static_cast<std::size_t>(GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()))));
      SetCaption(text);
      break;
    }
    default:
      break;
  }
}
