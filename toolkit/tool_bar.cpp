#include "toolkit/tool_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/menu.h"
#include "toolkit/menu_owner_draw.h"

namespace {

void EnsureToolBarClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
}

BYTE ButtonStyle(const TToolButton& button) {
  BYTE style = BTNS_BUTTON | BTNS_SHOWTEXT;
  if (button.Grouped()) style |= BTNS_GROUP;
  if (button.AutoSize()) style |= BTNS_AUTOSIZE;
  return style;
}

}  // namespace

TToolButton::TToolButton(TToolBar& bar, int command) : TComponent(&bar), command_(command), bar_(bar) {}

TToolButton::~TToolButton() {
  if (menu_item_) menu_item_->RemoveFreeNotification(this);
  bar_.ButtonGone(*this);
}

int TToolButton::Index() const { return bar_.IndexOf(this); }

void TToolButton::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  bar_.ButtonChanged(*this);
}

void TToolButton::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (bar_.HandleAllocated()) SendMessageA(bar_.Handle(), TB_ENABLEBUTTON, command_, MAKELONG(enabled ? TRUE : FALSE, 0));
}

void TToolButton::SetGrouped(bool grouped) {
  if (grouped == grouped_) return;
  grouped_ = grouped;
  bar_.ButtonChanged(*this);
}

void TToolButton::SetAutoSize(bool auto_size) {
  if (auto_size == auto_size_) return;
  auto_size_ = auto_size;
  bar_.ButtonChanged(*this);
}

void TToolButton::SetMenuItem(TMenuItem* item) {
  if (item == menu_item_) return;
  if (menu_item_) menu_item_->RemoveFreeNotification(this);
  menu_item_ = item;
  if (!item) return;
  item->FreeNotification(this);
  caption_ = item->Caption();
  enabled_ = item->Enabled();
  bar_.ButtonChanged(*this);
}

void TToolButton::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove && component == menu_item_) menu_item_ = nullptr;
  TComponent::Notification(component, operation);
}

RECT TToolButton::BoundsRect() const {
  RECT rect{0, 0, 0, 0};
  if (bar_.HandleAllocated()) SendMessageA(bar_.Handle(), TB_GETRECT, command_, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void TToolButton::Click() {
  if (!enabled_) return;
  if (menu_item_ && menu_item_->Count() > 0) {
    bar_.DropDown(*this);
    return;
  }
  if (menu_item_) menu_item_->Click();
  if (OnClick) OnClick(this);
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
}

TToolBar::~TToolBar() {
  auto_size_ = false;  // no resizing of a bar on its way out
  ClearButtons();
}

void TToolBar::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  RecreateWnd();
}

void TToolBar::SetShowCaptions(bool show) {
  if (show == show_captions_) return;
  show_captions_ = show;
  RecreateWnd();
}

void TToolBar::SetWrapable(bool wrapable) {
  if (wrapable == wrapable_) return;
  wrapable_ = wrapable;
  RecreateWnd();
}

void TToolBar::SetAutoSize(bool auto_size) {
  if (auto_size == auto_size_) return;
  auto_size_ = auto_size;
  FitHeight();
}

void TToolBar::SetButtonHeight(int height) {
  height = std::clamp(height, 1, 1000);
  if (height == button_height_) return;
  button_height_ = height;
  if (!HandleAllocated()) return;
  // The height of a text-only button is what the bar asks; the width follows each caption.
  SendMessageA(Handle(), TB_SETBUTTONSIZE, 0, MAKELONG(0, height));
  FitHeight();
}

void TToolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  EnsureToolBarClass();
  params.system_class = TOOLBARCLASSNAMEA;
  params.window_class = "Tarnwick.TToolBar";
  // The bar stays where our alignment puts it instead of placing itself at the top.
  params.style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_LIST;
  if (flat_) params.style |= TBSTYLE_FLAT | TBSTYLE_TRANSPARENT;
  if (wrapable_) params.style |= TBSTYLE_WRAPABLE;
}

void TToolBar::CreateHandleDone() {
  const HWND bar = Handle();
  SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(bar, TB_SETBITMAPSIZE, 0, MAKELONG(0, 0));  // text buttons, no pictures
  SendMessageA(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
  SendMessageA(bar, TB_SETBUTTONSIZE, 0, MAKELONG(0, button_height_));
  for (std::size_t i = 0; i < buttons_.size(); ++i) InsertIntoWindow(*buttons_[i], static_cast<int>(i));
  FitHeight();
}

TToolButton* TToolBar::AddButton(int index) {
  if (index < 0 || index > ButtonCount()) index = ButtonCount();
  auto* button = new TToolButton(*this, next_command_++);
  buttons_.insert(buttons_.begin() + index, button);
  if (HandleAllocated()) {
    InsertIntoWindow(*button, index);
    FitHeight();
  }
  return button;
}

void TToolBar::DeleteButton(TToolButton* button) {
  if (IndexOf(button) >= 0) delete button;
}

void TToolBar::ButtonGone(TToolButton& button) {
  const int index = IndexOf(&button);
  if (index < 0) return;
  buttons_.erase(buttons_.begin() + index);
  if (HandleAllocated()) SendMessageA(Handle(), TB_DELETEBUTTON, index, 0);
  FitHeight();
}

void TToolBar::ClearButtons() {
  while (!buttons_.empty()) DeleteButton(buttons_.back());
}

int TToolBar::IndexOf(const TToolButton* button) const {
  const auto found = std::find(buttons_.begin(), buttons_.end(), button);
  return found == buttons_.end() ? -1 : static_cast<int>(found - buttons_.begin());
}

int TToolBar::RowCount() {
  return HandleAllocated() ? static_cast<int>(SendMessageA(Handle(), TB_GETROWS, 0, 0)) : 0;
}

TToolButton* TToolBar::ButtonOfCommand(int command) const {
  for (TToolButton* button : buttons_) {
    if (button->command_ == command) return button;
  }
  return nullptr;
}

void TToolBar::InsertIntoWindow(TToolButton& button, int index) {
  TBBUTTON item{};
  item.iBitmap = I_IMAGENONE;
  item.idCommand = button.command_;
  item.fsState = button.Enabled() ? TBSTATE_ENABLED : 0;
  item.fsStyle = ButtonStyle(button);
  // The bar copies the text.
  item.iString = reinterpret_cast<INT_PTR>(show_captions_ ? button.Caption().c_str() : "");
  SendMessageA(Handle(), TB_INSERTBUTTONA, index, reinterpret_cast<LPARAM>(&item));
}

void TToolBar::ButtonChanged(TToolButton& button) {
  if (!HandleAllocated()) return;
  // Text and style changes that alter a button's size are simplest as a fresh button.
  const int index = IndexOf(&button);
  SendMessageA(Handle(), TB_DELETEBUTTON, index, 0);
  InsertIntoWindow(button, index);
  FitHeight();
}

void TToolBar::FitHeight() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), TB_AUTOSIZE, 0, 0);
  if (!auto_size_ || buttons_.empty()) return;
  int bottom = 0;
  for (TToolButton* button : buttons_) bottom = std::max<int>(bottom, button->BoundsRect().bottom);
  if (bottom != Height()) SetBounds(Left(), Top(), Width(), bottom);
}

void TToolBar::DropDown(TToolButton& button) {
  TMenuItem* item = button.MenuItem();
  if (!item) return;
  if (TMenu* menu = item->OwningMenu()) menu->Handle();  // builds the sub-menus
  const HMENU sub_menu = item->SubMenuHandle();
  if (!sub_menu) return;
  RECT rect = button.BoundsRect();
  MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
  SendMessageA(Handle(), TB_PRESSBUTTON, button.command_, MAKELONG(TRUE, 0));
  const int command = TrackPopupMenu(sub_menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_LEFTBUTTON,
                                     rect.left, rect.bottom, 0, Handle(), nullptr);
  SendMessageA(Handle(), TB_PRESSBUTTON, button.command_, MAKELONG(FALSE, 0));
  if (command != 0) DispatchMenuCommand(static_cast<WORD>(command));
}

LRESULT TToolBar::CustomDraw(NMCUSTOMDRAW& draw) {
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT: {
      bool draw_default = true;
      if (OnCustomDraw) {
        // The whole strip: the rectangle in the notice is only the part being repainted.
        RECT strip{0, 0, 0, 0};
        GetClientRect(Handle(), &strip);
        Canvas canvas(draw.hdc);
        OnCustomDraw(this, canvas, strip, draw_default);
      }
      if (OnCustomDrawButton) return CDRF_NOTIFYITEMDRAW;
      return draw_default ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
    }
    case CDDS_ITEMPREPAINT: {
      TToolButton* button = ButtonOfCommand(static_cast<int>(draw.dwItemSpec));
      if (!button || !OnCustomDrawButton) return CDRF_DODEFAULT;
      TToolButtonDrawState state;
      state.hot = (draw.uItemState & CDIS_HOT) != 0;
      state.pressed = (draw.uItemState & (CDIS_SELECTED | CDIS_CHECKED)) != 0 ||
                      (SendMessageA(Handle(), TB_ISBUTTONPRESSED, button->command_, 0) != 0);
      state.disabled = (draw.uItemState & CDIS_DISABLED) != 0;
      bool draw_default = true;
      Canvas canvas(draw.hdc);
      OnCustomDrawButton(this, button, canvas, draw.rc, state, draw_default);
      return draw_default ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void TToolBar::WndProc(TMessage& message) {
  switch (message.msg) {
    case CN_COMMAND:
      if (TToolButton* button = ButtonOfCommand(LOWORD(message.wParam))) button->Click();
      return;
    case CN_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(message.lParam);
      if (header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
        message.result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(message.lParam));
        return;
      }
      break;
    }
    case WM_SIZE:
      TWinControl::WndProc(message);
      // A wrapping bar finds its rows again for the new width.
      if (wrapable_) FitHeight();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
