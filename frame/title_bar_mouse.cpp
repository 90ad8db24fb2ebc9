// The title bar under the mouse: drag to move, buttons acted on at release, double click.
#include <windows.h>

#include "frame/title_bar.h"
#include "frame/title_bar_popup_menu.h"
#include "toolkit/menu.h"

void TsuiTitleBar::WndProc(TMessage& message) {
  switch (message.msg) {
    case WM_ERASEBKGND:
      message.result = 1;
      return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE: {
      TForm* host = HostForm();
      message.result = host ? SendMessageA(host->Handle(), message.msg, message.wParam, message.lParam) : 0;
      return;
    }
    case WM_LBUTTONDBLCLK:
      DoubleClicked();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TsuiTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    mouse_is_down_ = true;
    Repaint();
    TForm* host = HostForm();
    if (host && hot_button_ == -1 && host->WindowState() != TWindowState::wsMaximized) {
      // The system moves the window with the mouse until the button goes up.
      ReleaseCapture();
      SendMessageA(host->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
      mouse_is_down_ = false;
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TsuiTitleBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    // The buttons may have been replaced since the paint that found this one.
    if (hot_button_ >= 0 && hot_button_ < buttons_.Count()) ReleasedOnButton(hot_button_);
    mouse_is_down_ = false;
    Repaint();
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TsuiTitleBar::MouseMove(TShiftState shift, int x, int y) {
  Repaint();
  TCustomControl::MouseMove(shift, x, y);
}

void TsuiTitleBar::MouseLeave() {
  Repaint();
  TCustomControl::MouseLeave();
}

void TsuiTitleBar::ReleasedOnButton(int index) {
  TsuiTitleBarButton& button = buttons_.Item(index);
  if (button.ButtonType() == TsuiTitleBarBtnType::suiControlBox && !button.ControlBoxMenu()) {
    PopupWindowMenu();
    return;
  }
  button.Click();
  if (OnCustomBtnsClick && button.ButtonType() == TsuiTitleBarBtnType::suiCustom) {
    OnCustomBtnsClick(this, index);
  } else if (OnHelpBtnClick && button.ButtonType() == TsuiTitleBarBtnType::suiHelp) {
    OnHelpBtnClick(this, index);
  }
}

void TsuiTitleBar::DoubleClicked() {
  if (hot_button_ == -1) {
    for (int i = 0; i < buttons_.Count(); ++i) {
      TsuiTitleBarButton& button = buttons_.Item(i);
      if (button.ButtonType() == TsuiTitleBarBtnType::suiMax && button.Visible()) {
        button.Click();
        return;
      }
    }
    return;
  }
  if (hot_button_ < buttons_.Count() &&
      buttons_.Item(hot_button_).ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
    if (TForm* host = HostForm()) host->Close();
  }
}
