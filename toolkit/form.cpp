#include "toolkit/form.h"

#include <algorithm>
#include <cstring>

#include "toolkit/application.h"
#include "toolkit/color_property.h"
#include "toolkit/menu.h"
#include "toolkit/menu_owner_draw.h"
#include "toolkit/published_properties.h"

namespace {

const EnumName<TFormBorderStyle> kBorderStyleNames[] = {
    {"bsNone", TFormBorderStyle::bsNone},       {"bsSingle", TFormBorderStyle::bsSingle},
    {"bsSizeable", TFormBorderStyle::bsSizeable}, {"bsDialog", TFormBorderStyle::bsDialog},
    {"bsToolWindow", TFormBorderStyle::bsToolWindow}, {"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin}};
const EnumName<std::uint32_t> kBorderIconNames[] = {
    {"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize}, {"biMaximize", biMaximize}, {"biHelp", biHelp}};
const EnumName<TPosition> kPositionNames[] = {
    {"poDesigned", TPosition::poDesigned}, {"poDefault", TPosition::poDefault},
    {"poScreenCenter", TPosition::poScreenCenter}, {"poDesktopCenter", TPosition::poDesktopCenter},
    {"poMainFormCenter", TPosition::poMainFormCenter}};
const EnumName<TWindowState> kWindowStateNames[] = {{"wsNormal", TWindowState::wsNormal},
                                                    {"wsMinimized", TWindowState::wsMinimized},
                                                    {"wsMaximized", TWindowState::wsMaximized}};

// The window whose object is nearest above (or at) `window`: the inner windows of a
// system control belong to the control.
TWinControl* OwningControl(HWND window) {
  for (int depth = 0; window && depth < 64; ++depth, window = GetParent(window)) {
    if (TWinControl* control = TWinControl::FromHandle(window)) return control;
  }
  return nullptr;
}

// Offers the message to the controls in their order until one sets a result.
bool OfferUntilTaken(TWinControl& parent, TMessage& message) {
  const std::vector<TControl*> snapshot = parent.Controls();
  for (TControl* child : snapshot) {
    if (!child->Visible() || !child->Enabled()) continue;
    child->WindowProc(message);
    if (message.result != 0) return true;
    if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && OfferUntilTaken(*windowed, message)) {
      return true;
    }
  }
  return false;
}

void CollectTabOrder(const TWinControl& parent, std::vector<TWinControl*>& out) {
  for (TWinControl* child : parent.TabList()) {
    out.push_back(child);
    CollectTabOrder(*child, out);
  }
}

TShiftState KeyboardShift() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) shift |= MK_CONTROL;
  return shift;
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 320, 240);
  Application().FormCreated(this);
}

TForm::~TForm() {
  Application().FormDestroyed(this);
  if (OnDestroy) OnDestroy(this);
  // The controls' windows are children of this one: they go while the form still stands.
  DestroyComponents();
  menu_ = nullptr;
}

const ClassInfo& TForm::ClassInfo() const {
  static const ::ClassInfo info(
      "TForm", &TWinControl::ClassInfo(),
      {EnumProperty<TForm>("BorderStyle", kBorderStyleNames, &TForm::BorderStyle, &TForm::SetBorderStyle),
       SetProperty<TForm>("BorderIcons", kBorderIconNames, &TForm::BorderIcons, &TForm::SetBorderIcons),
       EnumProperty<TForm>("Position", kPositionNames, &TForm::Position, &TForm::SetPosition),
       EnumProperty<TForm>("WindowState", kWindowStateNames, &TForm::WindowState, &TForm::SetWindowState),
       IntegerProperty<TForm>("Constraints.MinWidth", &TForm::MinWidth, &TForm::SetMinWidth),
       IntegerProperty<TForm>("Constraints.MinHeight", &TForm::MinHeight, &TForm::SetMinHeight),
       IntegerProperty<TForm>("ClientWidth", &TForm::StoredClientWidth, &TForm::SetStoredClientWidth),
       IntegerProperty<TForm>("ClientHeight", &TForm::StoredClientHeight, &TForm::SetStoredClientHeight),
       ReferenceProperty<TForm, TMainMenu>("Menu", &TForm::Menu, &TForm::SetMenu),
       ReferenceProperty<TForm, TWinControl>("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl),
       BooleanProperty<TForm>("Scaled", &TForm::Scaled, &TForm::SetScaled),
       IntegerProperty<TForm>("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch),
       BooleanProperty<TForm>("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll),
       EventMember<TForm, TNotifyEvent>("OnCreate", &TForm::OnCreate),
       EventMember<TForm, TNotifyEvent>("OnDestroy", &TForm::OnDestroy),
       EventMember<TForm, TNotifyEvent>("OnActivate", &TForm::OnActivate),
       EventMember<TForm, TNotifyEvent>("OnDeactivate", &TForm::OnDeactivate),
       EventMember<TForm, TCloseQueryEvent>("OnCloseQuery", &TForm::OnCloseQuery)});
  return info;
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  RecreateWnd();
}

void TForm::SetBorderIcons(std::uint32_t icons) {
  if (icons == border_icons_) return;
  border_icons_ = icons;
  RecreateWnd();
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.parent = nullptr;
  params.menu_or_id = nullptr;
  params.style = WS_CLIPCHILDREN;  // shown by Show, never at creation
  params.ex_style &= WS_EX_RTLREADING;
  const bool tool = border_style_ == TFormBorderStyle::bsToolWindow || border_style_ == TFormBorderStyle::bsSizeToolWin;
  switch (border_style_) {
    case TFormBorderStyle::bsNone: params.style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle: params.style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable: params.style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
      params.style |= WS_POPUP | WS_CAPTION;
      params.ex_style |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case TFormBorderStyle::bsToolWindow:
      params.style |= WS_CAPTION;
      params.ex_style |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      params.style |= WS_CAPTION | WS_THICKFRAME;
      params.ex_style |= WS_EX_TOOLWINDOW;
      break;
  }
  if (border_style_ != TFormBorderStyle::bsNone && (border_icons_ & biSystemMenu)) {
    params.style |= WS_SYSMENU;
    if (!tool && (border_icons_ & biMinimize)) params.style |= WS_MINIMIZEBOX;
    // A dialog border cannot be resized, so it has nothing to maximise to.
    if (!tool && border_style_ != TFormBorderStyle::bsDialog && (border_icons_ & biMaximize)) {
      params.style |= WS_MAXIMIZEBOX;
    }
    if (border_icons_ & biHelp) params.ex_style |= WS_EX_CONTEXTHELP;
  }
  params.window_class = "Tarnwick.TForm";
}

RECT TForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  // Before the window exists the frame is worked out from the style it will have.
  TCreateParams params;
  const_cast<TForm*>(this)->CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.style, menu_ != nullptr, params.ex_style);
  return {0, 0, std::max<int>(Width() - (frame.right - frame.left), 0),
          std::max<int>(Height() - (frame.bottom - frame.top), 0)};
}

void TForm::CreateHandleDone() {
  if (menu_) ::SetMenu(Handle(), menu_->Handle());
  if (!icon_.Empty()) {
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
  }
}

TWindowState TForm::WindowState() const {
  if (!HandleAllocated() || !IsWindowVisible(const_cast<TForm*>(this)->Handle())) return window_state_;
  const HWND window = const_cast<TForm*>(this)->Handle();
  if (IsIconic(window)) return TWindowState::wsMinimized;
  if (IsZoomed(window)) return TWindowState::wsMaximized;
  return TWindowState::wsNormal;
}

void TForm::SetWindowState(TWindowState state) {
  window_state_ = state;
  if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
  const int command = state == TWindowState::wsMinimized   ? SW_MINIMIZE
                      : state == TWindowState::wsMaximized ? SW_MAXIMIZE
                                                           : SW_RESTORE;
  ShowWindow(Handle(), command);
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) menu_->RemoveFreeNotification(this);
  menu_ = menu;
  if (menu_) menu_->FreeNotification(this);
  MenuChanged();
}

void TForm::MenuChanged() {
  if (!HandleAllocated()) return;
  ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
  DrawMenuBar(Handle());
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control == active_control_) return;
  active_control_ = control;
  if (control && !Loading() && HandleAllocated() && IsWindowVisible(Handle()) && control->CanFocus()) {
    control->SetFocus();
  }
}

void TForm::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove) {
    if (component == menu_) {
      menu_ = nullptr;
      if (HandleAllocated()) ::SetMenu(Handle(), nullptr);
    }
    if (component == active_control_) active_control_ = nullptr;
  }
  TWinControl::Notification(component, operation);
}

void TForm::PlaceOnScreen() {
  placed_ = true;
  const TForm* main = Application().MainForm();
  switch (position_) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
      SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2,
                Width(), Height());
      break;
    case TPosition::poMainFormCenter:
      if (main && main != this) {
        SetBounds(main->Left() + (main->Width() - Width()) / 2, main->Top() + (main->Height() - Height()) / 2,
                  Width(), Height());
      }
      break;
    default:
      break;
  }
}

void TForm::SetVisible(bool visible) {
  if (visible && !placed_) PlaceOnScreen();
  TWinControl::SetVisible(visible);
  if (visible) {
    if (window_state_ != TWindowState::wsNormal) SetWindowState(window_state_);
    if (active_control_ && active_control_->CanFocus()) active_control_->SetFocus();
  }
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::Close() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  if (!can_close) return;
  if (OnClose) OnClose(this);
  if (modal_result_ == 0) modal_result_ = IDCANCEL;
  Hide();
  if (Application().MainForm() == this) Application().Terminate();
}

TModalResult TForm::ShowModal() {
  modal_result_ = 0;
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        if (IsWindowVisible(window) && IsWindowEnabled(window)) {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  for (HWND window : disabled) EnableWindow(window, FALSE);
  Show();
  while (modal_result_ == 0 && !Application().Terminated()) Application().HandleMessage();
  for (HWND window : disabled) EnableWindow(window, TRUE);
  Hide();
  return modal_result_;
}

TWinControl* TForm::FindNextControl(TWinControl* current, bool forward) const {
  std::vector<TWinControl*> order;
  CollectTabOrder(*this, order);
  if (order.empty()) return nullptr;
  if (!forward) std::reverse(order.begin(), order.end());
  const auto at = std::find(order.begin(), order.end(), current);
  const std::size_t start = at == order.end() ? order.size() - 1 : static_cast<std::size_t>(at - order.begin());
  for (std::size_t step = 1; step <= order.size(); ++step) {
    TWinControl* candidate = order[(start + step) % order.size()];
    if (candidate->TabStop() && candidate->CanFocus() && candidate->HandleAllocated()) return candidate;
  }
  return nullptr;
}

void TForm::SelectNext(TWinControl* current, bool forward) {
  if (TWinControl* next = FindNextControl(current, forward)) next->SetFocus();
}

bool TForm::OfferDialogKey(WPARAM key) {
  TMessage message{CM_DIALOG_KEY, key, 0, 0};
  return OfferUntilTaken(*this, message);
}

bool TForm::OfferDialogChar(WPARAM character) {
  TMessage message{CM_DIALOG_CHAR, character, 0, 0};
  return OfferUntilTaken(*this, message);
}

bool TForm::HandleDialogMessage(const MSG& message) {
  TWinControl* target = OwningControl(message.hwnd);
  if (!target) return false;
  TWinControl* top = target;
  while (top->Parent()) top = top->Parent();
  if (top != this) return false;
  const LRESULT wants = message.hwnd ? SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam,
                                                    reinterpret_cast<LPARAM>(&message))
                                     : 0;
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (menu_ && menu_->DispatchShortCut(static_cast<WORD>(message.wParam), KeyboardShift(),
                                           GetKeyState(VK_MENU) < 0)) {
        return true;
      }
      if (message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        if (wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
        SelectNext(target == this ? nullptr : target, GetKeyState(VK_SHIFT) >= 0);
        return true;
      }
      if (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE) {
        if (wants & DLGC_WANTALLKEYS) return false;
        return OfferDialogKey(message.wParam);
      }
      return false;
    case WM_SYSCHAR:
      return OfferDialogChar(message.wParam);
    case WM_CHAR:
      if (wants & DLGC_WANTCHARS) return false;
      return OfferDialogChar(message.wParam);
    default:
      return false;
  }
}

void TForm::WndProc(TMessage& message) {
  switch (message.msg) {
    case WM_GETMINMAXINFO: {
      DefaultHandler(message);
      auto* limits = reinterpret_cast<MINMAXINFO*>(message.lParam);
      if (min_width_ > 0) limits->ptMinTrackSize.x = std::max<LONG>(limits->ptMinTrackSize.x, min_width_);
      if (min_height_ > 0) limits->ptMinTrackSize.y = std::max<LONG>(limits->ptMinTrackSize.y, min_height_);
      return;
    }
    case WM_CLOSE:
      Close();
      return;
    case WM_COMMAND:
      if (message.lParam == 0 && HIWORD(message.wParam) == 0 && DispatchMenuCommand(LOWORD(message.wParam))) return;
      break;
    case WM_MENUCHAR:
      if (HandleMenuChar(message)) return;
      break;
    case WM_ACTIVATE:
      TWinControl::WndProc(message);
      if (LOWORD(message.wParam) != WA_INACTIVE) {
        Application().SetActive(true);
        if (active_control_ && active_control_->CanFocus()) active_control_->SetFocus();
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    case WM_SIZE:
      if (message.wParam == SIZE_MINIMIZED) window_state_ = TWindowState::wsMinimized;
      if (message.wParam == SIZE_MAXIMIZED) window_state_ = TWindowState::wsMaximized;
      if (message.wParam == SIZE_RESTORED) window_state_ = TWindowState::wsNormal;
      break;
    case CM_FOCUS_CHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(message.lParam);
      // The control that had the focus gives up whatever press or drag it was in.
      if (active_control_ && active_control_ != focused) active_control_->Perform(CM_CANCEL_MODE);
      if (focused != this) active_control_ = focused;
      break;
    }
    default:
      break;
  }
  TWinControl::WndProc(message);
}
