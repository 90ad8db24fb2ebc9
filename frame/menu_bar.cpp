#include "frame/menu_bar.h"

#include "frame/form.h"
#include "toolkit/accelerator.h"
#include "toolkit/menu.h"
#include "toolkit/menu_owner_draw.h"

namespace {

// The bar whose menu is open now; the system's menu loop runs on this thread only.
TsuiMenuBar* g_tracking_bar = nullptr;

}  // namespace

TsuiMenuBar::TsuiMenuBar(TsuiForm* form) : TToolBar(form), form_(form) {}

TsuiMenuBar::~TsuiMenuBar() {
  if (g_tracking_bar == this) g_tracking_bar = nullptr;
}

int TsuiMenuBar::ButtonAt(POINT point) const {
  for (int i = 0; i < ButtonCount(); ++i) {
    const RECT bounds = Button(i)->BoundsRect();
    if (PtInRect(&bounds, point)) return i;
  }
  return -1;
}

bool TsuiMenuBar::AnyButtonMarked() const {
  for (int i = 0; i < ButtonCount(); ++i) {
    if (Button(i)->Tag() == kHotOrPressedMark) return true;
  }
  return false;
}

bool TsuiMenuBar::HasDropDown(int index) const {
  if (index < 0 || index >= ButtonCount()) return false;
  const TToolButton* button = Button(index);
  return button->Enabled() && button->MenuItem() && button->MenuItem()->Count() > 0;
}

int TsuiMenuBar::NeighbourWithMenu(int from, int step) const {
  const int count = ButtonCount();
  for (int i = 1; i < count; ++i) {
    const int candidate = ((from + step * i) % count + count) % count;
    if (HasDropDown(candidate)) return candidate;
  }
  return -1;
}

void TsuiMenuBar::TrackMenus(int index) {
  while (HasDropDown(index) && HandleAllocated()) {
    TMenuItem* item = Button(index)->MenuItem();
    if (TMenu* menu = item->OwningMenu()) menu->Handle();  // builds the sub-menus
    const HMENU sub_menu = item->SubMenuHandle();
    if (!sub_menu) return;
    tracked_ = index;
    next_ = -1;
    top_menu_ = selected_menu_ = sub_menu;
    selected_item_opens_menu_ = false;
    g_tracking_bar = this;
    const HHOOK filter = SetWindowsHookExA(WH_MSGFILTER, MenuMessageFilter, nullptr, GetCurrentThreadId());
    const int chosen = TrackButtonMenu(index, sub_menu);
    if (filter) UnhookWindowsHookEx(filter);
    g_tracking_bar = nullptr;
    tracked_ = -1;
    if (chosen != 0) {
      DispatchMenuCommand(static_cast<WORD>(chosen));
      return;
    }
    index = next_;
  }
}

void TsuiMenuBar::DropDown(TToolButton& button) { TrackMenus(button.Index()); }

LRESULT CALLBACK TsuiMenuBar::MenuMessageFilter(int code, WPARAM wparam, LPARAM lparam) {
  if (code == MSGF_MENU && g_tracking_bar && g_tracking_bar->FilterMenuMessage(*reinterpret_cast<MSG*>(lparam))) {
    return 1;
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

bool TsuiMenuBar::FilterMenuMessage(const MSG& message) {
  const auto switch_to = [this](int index) {
    next_ = index;
    EndMenu();
    return true;
  };
  switch (message.message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: {
      POINT point = message.pt;
      ScreenToClient(Handle(), &point);
      const int over = ButtonAt(point);
      if (over < 0) return false;
      if (message.message == WM_LBUTTONDOWN) {
        // A press on the open menu's own button closes it, as on any menu bar.
        return switch_to(over != tracked_ && HasDropDown(over) ? over : -1);
      }
      if (over != tracked_ && HasDropDown(over)) return switch_to(over);
      return false;
    }
    case WM_KEYDOWN:
      // Left leaves the drop-down itself only; Right only where no sub-menu opens.
      if (message.wParam == VK_LEFT && selected_menu_ == top_menu_) return switch_to(NeighbourWithMenu(tracked_, -1));
      if (message.wParam == VK_RIGHT && !selected_item_opens_menu_) return switch_to(NeighbourWithMenu(tracked_, 1));
      return false;
    default:
      return false;
  }
}

bool TsuiMenuBar::HandleAccelerator(TMessage& message) {
  const bool alt = (HIWORD(message.lParam) & KF_ALTDOWN) != 0 || GetKeyState(VK_MENU) < 0;
  if (!alt && !AnyButtonMarked()) return false;
  const char key = static_cast<char>(message.wParam);
  for (int i = 0; i < ButtonCount(); ++i) {
    if (!Button(i)->Enabled() || !IsAccelerator(key, Button(i)->Caption())) continue;
    message.result = 1;
    if (HasDropDown(i)) {
      TrackMenus(i);
    } else {
      Button(i)->Click();
    }
    return true;
  }
  return false;
}

void TsuiMenuBar::WndProc(TMessage& message) {
  switch (message.msg) {
    case CM_DIALOG_CHAR:
      HandleAccelerator(message);
      return;
    case WM_LBUTTONDOWN: {
      const POINT point{static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
      const int index = ButtonAt(point);
      if (HasDropDown(index)) {
        TrackMenus(index);
        return;
      }
      break;
    }
    case WM_MENUSELECT:
      selected_menu_ = reinterpret_cast<HMENU>(message.lParam);
      selected_item_opens_menu_ = (HIWORD(message.wParam) & MF_POPUP) != 0;
      break;
    default:
      break;
  }
  TToolBar::WndProc(message);
}
