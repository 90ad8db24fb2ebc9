#include "toolkit/win_control.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/gdi_handles.h"
#include "toolkit/menu_owner_draw.h"
#include "toolkit/published_properties.h"
#include "toolkit/window_class.h"
#include "toolkit/window_objects.h"

void SetControlBeingCreated(TWinControl* control);

namespace {

int NextChildId() {
  static int next = 100;
  return next++;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  destroying_ = true;
  DestroyWnd();
  Detach();  // a window that outlives us (another thread's) must not lead back here
  for (TControl* child : controls_) child->parent_ = nullptr;
  controls_.clear();
  tab_list_.clear();
}

const ClassInfo& TWinControl::ClassInfo() const {
  static const ::ClassInfo info(
      "TWinControl", &TControl::ClassInfo(),
      {IntegerProperty<TWinControl>("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder),
       BooleanProperty<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop),
       IntegerProperty<TWinControl>("BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth),
       EventMember<TWinControl, TKeyEvent>("OnKeyDown", &TWinControl::OnKeyDown),
       EventMember<TWinControl, TKeyEvent>("OnKeyUp", &TWinControl::OnKeyUp),
       EventMember<TWinControl, TKeyPressEvent>("OnKeyPress", &TWinControl::OnKeyPress),
       EventMember<TWinControl, TNotifyEvent>("OnEnter", &TWinControl::OnEnter),
       EventMember<TWinControl, TNotifyEvent>("OnExit", &TWinControl::OnExit)});
  return info;
}

TWinControl* TWinControl::FromHandle(HWND window) {
  return window ? WindowObject(window) : nullptr;
}

void TWinControl::Attach(HWND window) {
  handle_ = window;
  RememberWindowObject(window, this);
}

void TWinControl::Detach() {
  if (handle_) ForgetWindowObject(handle_, this);
  handle_ = nullptr;
  tracking_leave_ = false;
}

HWND TWinControl::Handle() {
  if (!handle_) CreateWnd();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.caption = Caption();
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  if (tab_stop_) params.style |= WS_TABSTOP;
  if (UseRightToLeftReading()) params.ex_style |= WS_EX_RTLREADING;
  params.window_class = "Tarnwick." + std::string(ClassName());
  if (Parent()) {
    params.parent = Parent()->Handle();
    params.menu_or_id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextChildId()));
  }
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.style & WS_CHILD) && !params.parent) {
    throw std::runtime_error("Control " + Name() + " has no parent window");
  }
  default_procedure_ = EnsureWindowClass(params);
  SetControlBeingCreated(this);
  const HWND window = CreateWindowExA(params.ex_style, params.window_class.c_str(), params.caption.c_str(),
                                      params.style, params.x, params.y, params.width, params.height,
                                      params.parent, params.menu_or_id, GetModuleHandleA(nullptr), nullptr);
  SetControlBeingCreated(nullptr);
  if (!window) throw std::runtime_error("Cannot create the window of " + Name());
  if (handle_ != window) Attach(window);  // a class that sent nothing during creation
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  CreateHandleDone();
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->Handle();
  }
  Realign();
}

void TWinControl::DestroyWnd() {
  if (handle_) DestroyWindow(handle_);  // WM_NCDESTROY detaches it and the children
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  const bool was_visible = IsWindowVisible(handle_) != FALSE;
  DestroyWnd();
  CreateWnd();
  if (was_visible) ShowWindow(handle_, SW_SHOW);
  Perform(CM_RECREATED);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_) return;
  message.result = CallWindowProcA(default_procedure_, handle_, message.msg, message.wParam, message.lParam);
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) tab_list_.push_back(windowed);
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  tab_list_.erase(std::remove(tab_list_.begin(), tab_list_.end(), control), tab_list_.end());
  if (hovered_child_ == control) hovered_child_ = nullptr;
  if (captured_child_ == control) captured_child_ = nullptr;
  if (!destroying_) Realign();
}

void TWinControl::SetParent(TWinControl* parent) {
  const bool had_window = handle_ != nullptr;
  TControl::SetParent(parent);
  if (!parent) {
    if (had_window) DestroyWnd();
    return;
  }
  if (had_window) {
    ::SetParent(handle_, parent->Handle());
    Perform(CM_RECREATED);
  } else if (parent->HandleAllocated()) {
    Handle();
  }
}

std::vector<TWinControl*> TWinControl::TabList() const { return tab_list_; }

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tab_list_;
  const auto found = std::find(list.begin(), list.end(), this);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& list = Parent()->tab_list_;
  const auto found = std::find(list.begin(), list.end(), this);
  if (found == list.end()) return;
  list.erase(found);
  // Orders past the end (a description sets them one control at a time) go to the end.
  const int position = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + position, this);
}

void TWinControl::SetBorderWidth(int width) {
  width = std::clamp(width, 0, 1000);
  if (width == border_width_) return;
  border_width_ = width;
  if (handle_) {
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Realign();
}

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw std::runtime_error("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetBounds(int left, int top, int width, int height) {
  const RECT before = BoundsRect();
  TControl::SetBounds(left, top, width, height);
  if (syncing_from_window_) return;
  if (!handle_) {
    Realign();
    return;
  }
  // Our record follows the window (WM_WINDOWPOSCHANGED), so a window that already has these
  // bounds needs no trip to the window system, which realigning asks for again and again.
  const RECT after = BoundsRect();
  if (!EqualRect(&before, &after)) {
    SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

RECT TWinControl::ClientRect() const {
  RECT client{0, 0, Width(), Height()};
  if (handle_) GetClientRect(handle_, &client);
  return client;
}

void TWinControl::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (visible && !handle_ && (!Parent() || Parent()->HandleAllocated())) Handle();
  if (handle_) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (handle_) EnableWindow(handle_, enabled);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  if (handle_) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TWinControl::Realign() {
  if (destroying_) return;
  RECT space = ClientRect();
  const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
  for (const TAlign align : order) {
    for (TControl* child : controls_) {
      if (child->Align() != align || !child->Visible()) continue;
      const int w = child->Width();
      const int h = child->Height();
      const int space_w = std::max<int>(space.right - space.left, 0);
      const int space_h = std::max<int>(space.bottom - space.top, 0);
      switch (align) {
        case TAlign::alTop:
          child->SetBoundsByAlignment(space.left, space.top, space_w, h);
          space.top += h;
          break;
        case TAlign::alBottom:
          child->SetBoundsByAlignment(space.left, space.bottom - h, space_w, h);
          space.bottom -= h;
          break;
        case TAlign::alLeft:
          child->SetBoundsByAlignment(space.left, space.top, w, space_h);
          space.left += w;
          break;
        case TAlign::alRight:
          child->SetBoundsByAlignment(space.right - w, space.top, w, space_h);
          space.right -= w;
          break;
        default:
          child->SetBoundsByAlignment(space.left, space.top, space_w, space_h);
          break;
      }
    }
  }
}

void TWinControl::ScrollBy(int dx, int dy) {
  for (TControl* child : controls_) {
    child->SetBoundsByAlignment(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
  }
  Invalidate();
}

void TWinControl::Broadcast(TMessage& message) {
  const std::vector<TControl*> snapshot = controls_;
  for (TControl* child : snapshot) {
    child->WindowProc(message);
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->Broadcast(message);
  }
}

TControl* TWinControl::PaintedControlAt(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* child = *it;
    if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
    const RECT bounds = child->BoundsRect();
    if (PtInRect(&bounds, point)) return child;
  }
  return nullptr;
}

void TWinControl::PaintWindow(HDC dc) {
  OwnedBrush brush(CreateSolidBrush(ColorToRGB(Color())));
  const RECT client = ClientRect();
  FillRect(dc, &client, brush.Get());
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* child : controls_) {
    if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
    SavedDC saved(dc);
    SetViewportOrgEx(dc, child->Left(), child->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
    Canvas canvas(dc);
    child->PaintOnParent(canvas);
  }
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* child : controls_) {
    if (child->ParentFont()) child->TakeParentFont();
  }
  Invalidate();
}

void TWinControl::ColorChanged() {
  for (TControl* child : controls_) {
    if (child->ParentColor()) child->TakeParentColor();
  }
  Invalidate();
}

void TWinControl::TextChanged() {
  if (handle_) SetWindowTextA(handle_, Caption().c_str());
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// What a parent gets about a child window (its commands, notifications, owner drawing,
// colours) is the child's business: the child's object receives it as CN_xxx.
bool TWinControl::Reflect(TMessage& message) {
  HWND child = nullptr;
  switch (message.msg) {
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(message.lParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<const NMHDR*>(message.lParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam);
      if (item->CtlType == ODT_MENU) return HandleMenuOwnerDraw(message);
      child = item->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.lParam);
      if (item->CtlType == ODT_MENU) return HandleMenuOwnerDraw(message);
      if (handle_) child = GetDlgItem(handle_, static_cast<int>(item->CtlID));
      break;
    }
    case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSCROLLBAR:
      child = reinterpret_cast<HWND>(message.lParam);
      break;
    default:
      return false;
  }
  TWinControl* target = FromHandle(child);
  if (!target || target == this) return false;
  TMessage reflected{message.msg + kReflectedOffset, message.wParam, message.lParam, 0};
  target->WindowProc(reflected);
  message.result = reflected.result;
  return true;
}

bool TWinControl::HasNonClientArea() const {
  const auto style = static_cast<DWORD>(GetWindowLongA(handle_, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongA(handle_, GWL_EXSTYLE));
  constexpr DWORD kFrameStyles = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL;
  constexpr DWORD kEdgeStyles = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
  return !(style & WS_CHILD) || (style & kFrameStyles) || (ex_style & kEdgeStyles) || border_width_ > 0;
}

void TWinControl::TrackMouseLeave() {
  if (tracking_leave_ || !handle_) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
  tracking_leave_ = TrackMouseEvent(&track) != FALSE;
}

void TWinControl::HoverPaintedChild(TControl* child) {
  if (child == hovered_child_) return;
  if (hovered_child_) hovered_child_->Perform(CM_MOUSE_LEAVE);
  hovered_child_ = child;
  if (child) child->Perform(CM_MOUSE_ENTER);
}

void TWinControl::WndProc(TMessage& message) {
  const bool own_class = default_procedure_ == DefWindowProcA;
  switch (message.msg) {
    case WM_PAINT:
      if (!own_class) break;
      // A caller that passes its own device context (a parent drawing this control
      // behind a transparent sibling, say) gets the face there and no validation.
      if (const auto lent = reinterpret_cast<HDC>(message.wParam)) {
        PaintWindow(lent);
        PaintControls(lent);
        return;
      }
      {
        PaintDC paint(handle_);
        PaintWindow(paint.Get());
        PaintControls(paint.Get());
      }
      return;
    case WM_ERASEBKGND:
      if (!own_class) break;
      message.result = 1;  // PaintWindow covers the whole client area
      return;
    case WM_WINDOWPOSCHANGED: {
      DefaultHandler(message);
      RECT window_rect;
      GetWindowRect(handle_, &window_rect);
      if (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) {
        MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&window_rect), 2);
      }
      // The window is already where it says; only our record of it follows.
      syncing_from_window_ = true;
      SetBoundsByAlignment(window_rect.left, window_rect.top, window_rect.right - window_rect.left,
                           window_rect.bottom - window_rect.top);
      syncing_from_window_ = false;
      return;
    }
    case WM_SIZE:
      DefaultHandler(message);
      Realign();
      return;
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: case WM_LBUTTONDBLCLK: {
      if (message.msg == WM_MOUSEMOVE) {
        TrackMouseLeave();
        if (!MouseInControl()) Perform(CM_MOUSE_ENTER);
      }
      const POINT point{static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
      TControl* child = captured_child_ ? captured_child_ : PaintedControlAt(point);
      if (message.msg == WM_MOUSEMOVE) HoverPaintedChild(captured_child_ ? hovered_child_ : child);
      if (child && child->Enabled()) {
        if (message.msg == WM_LBUTTONDOWN || message.msg == WM_LBUTTONDBLCLK) {
          captured_child_ = child;
          SetCapture(handle_);
        }
        TMessage forwarded{message.msg, message.wParam,
                           MAKELPARAM(point.x - child->Left(), point.y - child->Top()), 0};
        if (message.msg == WM_LBUTTONUP) {
          captured_child_ = nullptr;
          ReleaseCapture();
        }
        child->WindowProc(forwarded);
        return;
      }
      if (own_class && message.msg == WM_LBUTTONDOWN) SetCapture(handle_);
      if (own_class && message.msg == WM_LBUTTONUP && GetCapture() == handle_) ReleaseCapture();
      TControl::WndProc(message);
      break;
    }
    case WM_NCPAINT:
      // A child of our own class without frame, edges, scroll bars or border has nothing
      // outside its client area; the system's handling would only fetch a window DC.
      if (own_class && !HasNonClientArea()) return;
      break;
    case WM_NCCALCSIZE:
      DefaultHandler(message);
      if (border_width_ > 0) {
        RECT& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.lParam)->rgrc[0];
        InflateRect(&client, -border_width_, -border_width_);
        if (client.right < client.left) client.right = client.left;
        if (client.bottom < client.top) client.bottom = client.top;
      }
      return;
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      HoverPaintedChild(nullptr);
      Perform(CM_MOUSE_LEAVE);
      break;
    case WM_CANCELMODE:
    case CM_CANCEL_MODE:
      if (captured_child_) {
        captured_child_->Perform(CM_CANCEL_MODE);
        captured_child_ = nullptr;
      }
      if (handle_ && GetCapture() == handle_) ReleaseCapture();
      TControl::WndProc(message);
      if (message.msg == CM_CANCEL_MODE) return;
      break;
    case WM_SETFOCUS: {
      DefaultHandler(message);
      TWinControl* top = this;
      while (top->Parent()) top = top->Parent();
      TMessage changed{CM_FOCUS_CHANGED, 0, reinterpret_cast<LPARAM>(this), 0};
      top->WindowProc(changed);
      DoEnter();
      return;
    }
    case WM_KILLFOCUS:
      DefaultHandler(message);
      DoExit();
      return;
    case WM_KEYDOWN: case WM_SYSKEYDOWN: {
      WORD key = static_cast<WORD>(message.wParam);
      KeyDown(key, 0);
      if (key == 0) return;
      message.wParam = key;
      break;
    }
    case WM_KEYUP: case WM_SYSKEYUP: {
      WORD key = static_cast<WORD>(message.wParam);
      if (OnKeyUp) OnKeyUp(this, key, 0);
      if (key == 0) return;
      message.wParam = key;
      break;
    }
    case WM_CHAR: {
      char key = static_cast<char>(message.wParam);
      KeyPress(key);
      if (key == 0) return;
      message.wParam = static_cast<unsigned char>(key);
      break;
    }
    case CM_FOCUS_CHANGED:
      // Told to every control of the window, so that each can repaint its focus mark.
      if (!Parent()) Broadcast(message);
      return;
    default:
      if (Reflect(message)) return;
      if (message.msg >= kControlNotificationBase && message.msg < kControlNotificationBase + 0x1000) {
        TControl::WndProc(message);
        return;
      }
      if (message.msg >= kReflectedOffset && message.msg < kReflectedOffset + 0x400) return;
      break;
  }
  DefaultHandler(message);
}
