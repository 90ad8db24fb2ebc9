#include <algorithm>

#include "frame/form.h"
#include "frame/frame_messages.h"
#include "frame/title_bar_popup_menu.h"
#include "skin/form_state.h"

namespace {

// How often a form that started maximised has been sized while maximised, over all
// skinned forms of the program.
int g_maximized_size_count = 0;

int AtLeastFour(int value) { return std::max(value, 4); }

TShiftState KeyboardShift() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) shift |= MK_CONTROL;
  return shift;
}

HWND MainMDIClient() {
  TForm* main = Application().MainForm();
  return main ? main->ClientHandle() : nullptr;
}

int MDIChildCount(HWND client) {
  int count = 0;
  for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

class ReentryGuard {
 public:
  explicit ReentryGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~ReentryGuard() { flag_ = false; }
  ReentryGuard(const ReentryGuard&) = delete;
  ReentryGuard& operator=(const ReentryGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace

int TsuiForm::FrameInsetAnswer() const {
  return left_border_width_ != 0 ? AtLeastFour(left_border_width_) : frame_bottom_ - 1;
}

void TsuiForm::HostWindowHook(TMessage& message) {
  if (closing_) {
    saved_window_proc_(message);
    return;
  }
  switch (message.msg) {
    case WM_NCCALCSIZE:
      if (message.wParam != 0) {
        // The rectangle is widened so that the system's own frame, taken off it by the
        // default handling, leaves the thin frame the skin paints.
        auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(message.lParam);
        const WINDOWPOS& pos = *params.lppos;
        RECT& r = params.rgrc[0];
        r.top = pos.y + 4 - AtLeastFour(frame_bottom_);
        if (left_border_width_ != 0) {
          r.left = pos.x + AtLeastFour(left_border_width_) - AtLeastFour(frame_left_) + 1;
          r.right = pos.x + pos.cx - AtLeastFour(right_border_width_) + AtLeastFour(frame_left_) - 1;
        } else {
          r.left = pos.x - AtLeastFour(frame_left_) + 4;
          r.right = pos.x + pos.cx + AtLeastFour(frame_left_) - 4;
        }
        if (bottom_border_height_ != 0) {
          r.bottom = pos.y + pos.cy - AtLeastFour(bottom_border_height_) + AtLeastFour(frame_bottom_) - 1;
        } else if (border_width_ == 3) {
          r.bottom = pos.y + pos.cy + AtLeastFour(frame_bottom_) - 4;
        } else {
          r.bottom = pos.y + pos.cy - border_width_ + 2 + AtLeastFour(frame_bottom_) - 4;
        }
      }
      break;
    case kFrameInsetQuery:
      message.result = FrameInsetAnswer();
      return;
    // The title bar is a window of its own: it is marked for painting here and painted
    // once, with the rest of the window or by the activation that follows, instead of once
    // for each of the two or three frame messages that come together.
    case WM_NCACTIVATE:
      if (IsIconic(host_->Handle())) break;
      title_bar_->Invalidate();
      PaintFrame();
      message.result = 1;
      return;
    case WM_NCPAINT:
      if (IsIconic(host_->Handle())) break;
      title_bar_->Invalidate();
      PaintFrame();
      return;
    default:
      break;
  }
  saved_window_proc_(message);

  switch (message.msg) {
    case WM_MDIACTIVATE:
      if (reinterpret_cast<HWND>(message.lParam) == host_->Handle()) {
        if (const HWND client = MainMDIClient()) {
          SendMessageA(client, WM_MDIREFRESHMENU, reinterpret_cast<WPARAM>(host_->Handle()), 0);
        }
        title_bar_->SetFormActive(true);
      } else {
        title_bar_->SetFormActive(false);
      }
      break;
    case WM_KEYDOWN:
      HandleMenuShortcut(MSG{host_->Handle(), message.msg, message.wParam, message.lParam, 0, {0, 0}});
      break;
    case WM_SHOWWINDOW:
      // The menu is shown by the menu bar; a system menu bar would be a second one.
      if (host_->Menu()) host_->SetMenu(nullptr);
      break;
    case WM_DESTROY:
      if (HostIsMDIChild()) {
        if (const HWND client = MainMDIClient()) {
          if (MDIChildCount(client) == 1) {
            SendMessageA(client, WM_MDIREFRESHMENU, reinterpret_cast<WPARAM>(host_->Handle()), 0);
          }
          if (IsZoomed(host_->Handle())) {
            SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(host_->Handle()), 0);
          }
        }
      }
      break;
    case WM_ACTIVATE: {
      const bool active = LOWORD(message.wParam) != WA_INACTIVE;
      if (title_bar_->FormActive() != active) title_bar_->SetFormActive(active);
      PaintFrame();
      break;
    }
    case CM_RECREATED:
    case CM_PARENT_CHANGED:
      RemoveHostCaption();
      break;
    case WM_SIZE:
      HostSizeChanged();
      break;
    case WM_NCHITTEST:
      if (HostIsMDIChild() && saved_border_style_ == TFormBorderStyle::bsSingle && message.result >= HTLEFT &&
          message.result <= HTBOTTOMRIGHT) {
        message.result = HTBORDER;
      }
      break;
    default:
      break;
  }
}

void TsuiForm::HostSizeChanged() {
  // Setting the bounds below sizes the window again; that inner round is the system's alone.
  if (sizing_ || !host_->HandleAllocated()) return;
  const ReentryGuard guard(sizing_);
  const HWND window = host_->Handle();
  const bool maximised = IsZoomed(window) != FALSE;
  if (created_maximized_) {
    if (HostIsMDIChild()) {
      created_maximized_ = false;
    } else if (!maximised) {
      SetBoundsFromRect(*host_, saved_bounds_);
      created_maximized_ = false;
    } else if (g_maximized_size_count == 2) {
      host_->SetWindowState(TWindowState::wsMaximized);
    } else {
      ++g_maximized_size_count;
    }
  }
  if (maximised && !HostIsMDIChild()) {
    RECT area;
    GetWorkArea(area);
    SetBoundsFromRect(*host_, RECT{area.left - 2, area.top - 2, area.right + 2, area.bottom - 1});
  }
  title_bar_->UpdateMaxButtonPictures();
  // A host that is not shown yet (being taken over) paints when it appears.
  if (IsWindowVisible(window)) {
    title_bar_->Repaint();
    PaintFrame();
  }
  if (HostIsMDIChild()) ApplyMDIChildSize(maximised);
  UpdateRegion();
}

void TsuiForm::ApplyMDIChildSize(bool maximised) {
  const HWND client = GetParent(host_->Handle());
  // A maximised child shows its caption in the frame's title bar; its own goes away.
  const int shift = title_bar_->Height() - 3;
  toggling_title_bar_ = true;
  if (maximised) {
    SetTitleBarVisible(false);
    if (!mdi_scrolled_) {
      ScrollBy(0, -shift);
      mdi_scrolled_ = true;
    }
  } else {
    if (title_bar_wanted_) SetTitleBarVisible(true);
    if (mdi_scrolled_) {
      ScrollBy(0, shift);
      mdi_scrolled_ = false;
    }
  }
  toggling_title_bar_ = false;
  if (!client) return;
  if (maximised) {
    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(host_->Handle()), 0);
  } else {
    SendMessageA(client, WM_MDIRESTORE, 0, 0);
  }
}

bool TsuiForm::HostActive() const {
  if (!host_ || !host_->HandleAllocated()) return false;
  const HWND window = host_->Handle();
  if (HostIsMDIChild()) {
    return reinterpret_cast<HWND>(SendMessageA(GetParent(window), WM_MDIGETACTIVE, 0, 0)) == window;
  }
  return GetActiveWindow() == window;
}

bool TsuiForm::HandleMenuShortcut(const MSG& key_message) {
  if (closing_ || !host_) return false;
  if (!IsFormActive(host_) || !HostActive() || !menu_) return false;
  return menu_->DispatchShortCut(static_cast<WORD>(key_message.wParam), KeyboardShift(), GetKeyState(VK_MENU) < 0);
}

void TsuiForm::AppMessageHook(MSG& message, bool& handled) {
  if (closing_ || !host_ || !host_->HandleAllocated()) return;
  if (message.message == WM_SYSCHAR && message.wParam == ' ') {
    // Alt+Space belongs to the window it was typed in; its menu opens below its title bar.
    const HWND window = host_->Handle();
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return;
    RECT bounds;
    GetWindowRect(window, &bounds);
    title_bar_->PopupMenu().Popup(bounds.left, bounds.top + title_bar_->Height());
    handled = true;
  } else if (message.message == WM_KEYDOWN && HandleMenuShortcut(message)) {
    handled = true;
  }
}
