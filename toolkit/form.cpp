#include "toolkit/form.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "toolkit/application.h"
#include "toolkit/color_property.h"
#include "toolkit/display_format.h"
#include "toolkit/icon_file.h"
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
const EnumName<TFormStyle> kFormStyleNames[] = {{"fsNormal", TFormStyle::fsNormal},
                                                {"fsMDIChild", TFormStyle::fsMDIChild},
                                                {"fsMDIForm", TFormStyle::fsMDIForm}};
constexpr UINT kFirstMDIChildId = 0xFF00;  // above every menu command number we hand out
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
  // The MDI client keeps a list of its children: it must do the destroying itself.
  if (form_style_ == TFormStyle::fsMDIChild && HandleAllocated() && GetParent(Handle())) {
    SendMessageA(GetParent(Handle()), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
  }
  if (OnDestroy) OnDestroy(this);
  // The window is going: a menu freed below must not size it.
  wanted_client_width_ = -1;
  wanted_client_height_ = -1;
  // The controls' windows are children of this one: they go while the form still stands.
  DestroyComponents();
  menu_ = nullptr;
}

const ClassInfo& TForm::ClassInfo() const {
  static const ::ClassInfo info(
      "TForm", &TWinControl::ClassInfo(),
      {EnumProperty<TForm>("BorderStyle", kBorderStyleNames, &TForm::BorderStyle, &TForm::SetBorderStyle),
       EnumProperty<TForm>("FormStyle", kFormStyleNames, &TForm::FormStyle, &TForm::SetFormStyle),
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
       EventMember<TForm, TCloseQueryEvent>("OnCloseQuery", &TForm::OnCloseQuery),
       EventMember<TForm, TNotifyEvent>("OnClose", &TForm::OnClose),
       PictureProperty<TForm>("Icon", &TForm::SetIconFromFile, &TForm::SetIconFromResource)});
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

void TForm::SetFormStyle(TFormStyle style) {
  if (style == form_style_) return;
  form_style_ = style;
  RecreateWnd();
}

TForm* TForm::MDIFrame() const {
  if (auto* owner = dynamic_cast<TForm*>(Owner()); owner && owner->form_style_ == TFormStyle::fsMDIForm) return owner;
  TForm* main = Application().MainForm();
  return main && main->form_style_ == TFormStyle::fsMDIForm ? main : nullptr;
}

TForm* TForm::ActiveMDIChild() const {
  if (!mdi_client_) return nullptr;
  const auto active = reinterpret_cast<HWND>(SendMessageA(mdi_client_, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TForm*>(TWinControl::FromHandle(active));
}

void TForm::CreateMDIClient() {
  CLIENTCREATESTRUCT client{};
  client.hWindowMenu = nullptr;
  client.idFirstChild = kFirstMDIChildId;
  RECT area;
  GetClientRect(Handle(), &area);
  mdi_client_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL,
                                0, 0, area.right, area.bottom, Handle(), nullptr, GetModuleHandleA(nullptr), &client);
  if (!mdi_client_) throw std::runtime_error("Cannot create the MDI client window of " + Name());
}

void TForm::CreateWnd() {
  if (form_style_ == TFormStyle::fsMDIChild) {
    TForm* frame = MDIFrame();
    if (!frame) throw std::runtime_error("The MDI child form " + Name() + " has no MDI frame form");
    frame->Handle();
    if (!frame->ClientHandle()) throw std::runtime_error("The MDI frame form of " + Name() + " has no client window");
  }
  TWinControl::CreateWnd();
}

void TForm::DefaultHandler(TMessage& message) {
  if (!HandleAllocated()) return;
  if (form_style_ == TFormStyle::fsMDIForm && mdi_client_) {
    message.result = DefFrameProcA(Handle(), mdi_client_, message.msg, message.wParam, message.lParam);
  } else if (form_style_ == TFormStyle::fsMDIChild) {
    message.result = DefMDIChildProcA(Handle(), message.msg, message.wParam, message.lParam);
  } else {
    TWinControl::DefaultHandler(message);
  }
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
  if (form_style_ == TFormStyle::fsMDIChild) {
    // Created in the client, which gives it its place among the children (CreateWnd makes
    // sure the client is there); a child has a caption and a sizing frame whatever the
    // border style says.
    if (TForm* frame = MDIFrame()) params.parent = frame->ClientHandle();
    params.style &= ~static_cast<DWORD>(WS_POPUP);
    params.style |= WS_CHILD | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                    WS_MAXIMIZEBOX;
    params.ex_style &= ~static_cast<DWORD>(WS_EX_DLGMODALFRAME);
    params.ex_style |= WS_EX_MDICHILD;
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

void TForm::SetStoredClientWidth(int width) {
  wanted_client_width_ = std::max(width, 0);
  KeepWantedClientSize();
}

void TForm::SetStoredClientHeight(int height) {
  wanted_client_height_ = std::max(height, 0);
  KeepWantedClientSize();
}

void TForm::SetBounds(int left, int top, int width, int height) {
  // Any other sizing (by the program or by the user's drag) replaces the wanted client size.
  if (!keeping_client_size_ && (width != Width() || height != Height())) {
    wanted_client_width_ = -1;
    wanted_client_height_ = -1;
  }
  TWinControl::SetBounds(left, top, width, height);
}

void TForm::KeepWantedClientSize() {
  if (wanted_client_width_ < 0 && wanted_client_height_ < 0) return;
  const int width = wanted_client_width_ >= 0 ? wanted_client_width_ : ClientWidth();
  const int height = wanted_client_height_ >= 0 ? wanted_client_height_ : ClientHeight();
  keeping_client_size_ = true;
  // Some systems lay a wrapping menu bar out only when they draw it, and only then does
  // the client area show its true height: draw the frame and look again.
  constexpr int kLayoutPasses = 3;
  for (int pass = 0; pass < kLayoutPasses; ++pass) {
    SetClientSize(width, height);
    if (!HandleAllocated() || !IsWindowVisible(Handle())) break;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    if (ClientWidth() == width && ClientHeight() == height) break;
  }
  keeping_client_size_ = false;
}

void TForm::SetIconFromFile(std::span<const std::uint8_t> ico_file) {
  const int width = GetSystemMetrics(SM_CXICON);
  const int height = GetSystemMetrics(SM_CYICON);
  const std::optional<IconImageLocation> image = ChooseIconImage(ico_file, width, height);
  if (!image) throw PropertyValueError("the icon bytes are no well-formed icon file");
  constexpr DWORD kIconFormatVersion = 0x00030000;
  // The system only reads the image; the parameter is not const for historical reasons.
  auto* bits = const_cast<std::uint8_t*>(ico_file.data() + image->offset);
  HICON made = CreateIconFromResourceEx(bits, static_cast<DWORD>(image->size), TRUE, kIconFormatVersion,
                                        image->width, image->height, LR_DEFAULTCOLOR);
  if (!made) throw PropertyValueError("the icon image cannot be made into an icon");
  icon_.Attach(made);
  ShowIcon();
}

void TForm::SetIconFromResource(const std::string& resource_name) {
  if (!icon_.LoadFromResourceName(GetModuleHandleA(nullptr), resource_name, 0, 0)) {
    throw PropertyValueError("the program has no icon resource " + resource_name);
  }
  ShowIcon();
}

void TForm::ShowIcon() {
  if (!HandleAllocated() || icon_.Empty()) return;
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
}

void TForm::CreateHandleDone() {
  if (form_style_ == TFormStyle::fsMDIForm) CreateMDIClient();
  if (menu_) ::SetMenu(Handle(), menu_->Handle());
  // The frame was estimated before the window existed (a one-line menu bar, the border of
  // the style then): the real one decides.
  KeepWantedClientSize();
  ShowIcon();
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
  if (form_style_ == TFormStyle::fsMDIChild && state != TWindowState::wsMinimized) {
    // Through the client, which maximises or restores all its children together.
    SendMessageA(GetParent(Handle()), state == TWindowState::wsMaximized ? WM_MDIMAXIMIZE : WM_MDIRESTORE,
                 reinterpret_cast<WPARAM>(Handle()), 0);
    return;
  }
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
  if (HandleAllocated()) {
    ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
    DrawMenuBar(Handle());
  }
  // New items can wrap the menu bar onto another line.
  KeepWantedClientSize();
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
      KeepWantedClientSize();
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
  if (visible && !(HandleAllocated() && IsWindowVisible(Handle()))) paint_on_activation_ = true;
  TWinControl::SetVisible(visible);
  if (visible) {
    if (menu_) KeepWantedClientSize();
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

bool TForm::OfferDialogChar(WPARAM character, LPARAM key_data) {
  TMessage message{CM_DIALOG_CHAR, character, key_data, 0};
  return OfferUntilTaken(*this, message);
}

bool TForm::HandleDialogMessage(const MSG& message) {
  // Ctrl+F4, Ctrl+F6 and the children's system menus.
  if (mdi_client_ && TranslateMDISysAccel(mdi_client_, const_cast<MSG*>(&message))) return true;
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
      return OfferDialogChar(message.wParam, message.lParam);
    case WM_CHAR:
      if (wants & DLGC_WANTCHARS) return false;
      return OfferDialogChar(message.wParam, message.lParam);
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
        if (paint_on_activation_) {
          // A window that has just appeared is activated before the system erases its
          // controls one by one, each through a device context of its own, and only later
          // are they painted through another. Painted whole now, nothing is left for that
          // erasing pass, and each control is drawn through a single device context.
          paint_on_activation_ = false;
          UpdateWindow(Handle());
        }
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    case WM_SIZE:
      if (message.wParam == SIZE_MINIMIZED) window_state_ = TWindowState::wsMinimized;
      if (message.wParam == SIZE_MAXIMIZED) window_state_ = TWindowState::wsMaximized;
      if (message.wParam == SIZE_RESTORED) window_state_ = TWindowState::wsNormal;
      break;
    case WM_MDIACTIVATE:
      TWinControl::WndProc(message);
      if (reinterpret_cast<HWND>(message.lParam) == Handle()) {
        if (OnActivate) OnActivate(this);
      } else if (reinterpret_cast<HWND>(message.wParam) == Handle() && OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    case WM_DESTROY:
      mdi_client_ = nullptr;
      break;
    case WM_DISPLAYCHANGE:
      ForgetDisplayPixelFormat();
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
