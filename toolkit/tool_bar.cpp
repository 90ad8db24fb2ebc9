#include "toolkit/tool_bar.h"

#include <algorithm>

#include "toolkit/gdi_handles.h"
#include "toolkit/menu.h"
#include "toolkit/menu_owner_draw.h"

namespace {

// Room on each side of a caption, so that a hot button's edge keeps clear of the text.
constexpr int kCaptionPadding = 8;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

}  // namespace

TToolButton::TToolButton(TToolBar& bar) : TComponent(&bar), bar_(bar) {}

TToolButton::~TToolButton() {
  if (menu_item_) menu_item_->RemoveFreeNotification(this);
  bar_.ButtonGone(*this);
}

int TToolButton::Index() const { return bar_.IndexOf(this); }

void TToolButton::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  bar_.ButtonChanged();
}

void TToolButton::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled && bar_.hot_index_ == Index()) bar_.hot_index_ = -1;
  bar_.InvalidateButton(this);
}

void TToolButton::SetGrouped(bool grouped) { grouped_ = grouped; }

void TToolButton::SetAutoSize(bool auto_size) {
  if (auto_size == auto_size_) return;
  auto_size_ = auto_size;
  bar_.ButtonChanged();
}

void TToolButton::SetPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  bar_.InvalidateButton(this);
}

void TToolButton::SetMenuItem(TMenuItem* item) {
  if (item == menu_item_) return;
  if (menu_item_) menu_item_->RemoveFreeNotification(this);
  menu_item_ = item;
  if (!item) return;
  item->FreeNotification(this);
  caption_ = item->Caption();
  enabled_ = item->Enabled();
  bar_.ButtonChanged();
}

void TToolButton::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove && component == menu_item_) menu_item_ = nullptr;
  TComponent::Notification(component, operation);
}

RECT TToolButton::BoundsRect() const {
  const int index = Index();
  if (index < 0) return {0, 0, 0, 0};
  bar_.EnsureLayout();
  return bar_.layout_[static_cast<std::size_t>(index)];
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

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
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
  Invalidate();
}

void TToolBar::SetShowCaptions(bool show) {
  if (show == show_captions_) return;
  show_captions_ = show;
  ButtonChanged();
}

void TToolBar::SetWrapable(bool wrapable) {
  if (wrapable == wrapable_) return;
  wrapable_ = wrapable;
  ButtonChanged();
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
  ButtonChanged();
}

TToolButton* TToolBar::AddButton(int index) {
  if (index < 0 || index > ButtonCount()) index = ButtonCount();
  auto* button = new TToolButton(*this);
  buttons_.insert(buttons_.begin() + index, button);
  ButtonChanged();
  return button;
}

void TToolBar::DeleteButton(TToolButton* button) {
  if (IndexOf(button) >= 0) delete button;
}

void TToolBar::ButtonGone(TToolButton& button) {
  const int index = IndexOf(&button);
  if (index < 0) return;
  buttons_.erase(buttons_.begin() + index);
  if (mouse_pressed_ == &button) mouse_pressed_ = nullptr;
  hot_index_ = -1;
  ButtonChanged();
}

void TToolBar::ClearButtons() {
  while (!buttons_.empty()) DeleteButton(buttons_.back());
}

int TToolBar::IndexOf(const TToolButton* button) const {
  const auto found = std::find(buttons_.begin(), buttons_.end(), button);
  return found == buttons_.end() ? -1 : static_cast<int>(found - buttons_.begin());
}

int TToolBar::RowCount() const {
  EnsureLayout();
  return layout_rows_;
}

void TToolBar::SetHotIndex(int index) {
  if (index < 0 || index >= ButtonCount() || !buttons_[static_cast<std::size_t>(index)]->Enabled()) index = -1;
  if (index == hot_index_) return;
  if (hot_index_ >= 0) InvalidateButton(buttons_[static_cast<std::size_t>(hot_index_)]);
  hot_index_ = index;
  if (index >= 0) InvalidateButton(buttons_[static_cast<std::size_t>(index)]);
}

void TToolBar::ButtonChanged() {
  layout_valid_ = false;
  FitHeight();
  Invalidate();
}

void TToolBar::InvalidateButton(const TToolButton* button) {
  if (!HandleAllocated() || IndexOf(button) < 0) return;
  const RECT rect = button->BoundsRect();
  InvalidateRect(Handle(), &rect, FALSE);
}

void TToolBar::EnsureLayout() const {
  if (layout_valid_ && layout_width_ == Width()) return;
  // Captions are measured as they are drawn: "&" marks the underlined letter and takes no room.
  std::vector<int> caption_widths;
  caption_widths.reserve(buttons_.size());
  {
    MemoryDC dc;
    ::Canvas measure(dc.Get());
    measure.Font().Assign(Font());
    for (const TToolButton* button : buttons_) {
      RECT text{0, 0, 0, 0};
      if (show_captions_ && !button->Caption().empty()) {
        measure.DrawText(button->Caption(), text, DT_SINGLELINE | DT_CALCRECT);
      }
      caption_widths.push_back(text.right - text.left);
    }
  }
  // Buttons that do not size themselves all take the widest caption's width.
  const int widest = caption_widths.empty() ? 0 : *std::max_element(caption_widths.begin(), caption_widths.end());
  layout_.clear();
  layout_rows_ = buttons_.empty() ? 0 : 1;
  int x = 0;
  int y = 0;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const int width = (buttons_[i]->AutoSize() ? caption_widths[i] : widest) + 2 * kCaptionPadding;
    if (wrapable_ && x > 0 && x + width > Width()) {
      x = 0;
      y += button_height_;
      ++layout_rows_;
    }
    layout_.push_back({x, y, x + width, y + button_height_});
    x += width;
  }
  layout_width_ = Width();
  layout_valid_ = true;
}

void TToolBar::FitHeight() {
  if (!auto_size_ || buttons_.empty()) return;
  const int bottom = RowCount() * button_height_;
  if (bottom != Height()) SetBounds(Left(), Top(), Width(), bottom);
}

int TToolBar::IndexAt(int x, int y) const {
  EnsureLayout();
  const POINT point{x, y};
  for (std::size_t i = 0; i < layout_.size(); ++i) {
    if (PtInRect(&layout_[i], point)) return static_cast<int>(i);
  }
  return -1;
}

void TToolBar::DropDown(TToolButton& button) {
  TMenuItem* item = button.MenuItem();
  if (!item) return;
  if (TMenu* menu = item->OwningMenu()) menu->Handle();  // builds the sub-menus
  const HMENU sub_menu = item->SubMenuHandle();
  if (!sub_menu) return;
  const int command = TrackButtonMenu(button.Index(), sub_menu);
  if (command != 0) DispatchMenuCommand(static_cast<WORD>(command));
}

int TToolBar::TrackButtonMenu(int index, HMENU menu) {
  if (index < 0 || index >= ButtonCount()) return 0;
  RECT rect = Button(index)->BoundsRect();
  MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
  Button(index)->SetPressed(true);
  Update();  // pressed on the screen before the menu's loop takes over
  const int command = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_LEFTBUTTON,
                                     rect.left, rect.bottom, 0, Handle(), nullptr);
  // Timers run in the menu's loop; by now the buttons may have been made anew.
  if (index < ButtonCount()) Button(index)->SetPressed(false);
  return command;
}

void TToolBar::Paint() {
  ::Canvas& canvas = Canvas();
  const RECT strip = ClientRect();
  bool draw_default = true;
  if (OnCustomDraw) {
    OnCustomDraw(this, canvas, strip, draw_default);
  } else {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(strip);
  }
  EnsureLayout();
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    TToolButton& button = *buttons_[i];
    const RECT& rect = layout_[i];
    if (!RectVisible(canvas.Handle(), &rect)) continue;
    TToolButtonDrawState state;
    state.disabled = !button.Enabled();
    state.hot = !state.disabled && static_cast<int>(i) == hot_index_;
    state.pressed = button.Pressed() || (mouse_pressed_ == &button && state.hot);
    bool draw_button = draw_default;
    if (OnCustomDrawButton) OnCustomDrawButton(this, &button, canvas, rect, state, draw_button);
    if (draw_button) DrawButton(button, rect, state);
  }
}

void TToolBar::DrawButton(TToolButton& button, const RECT& rect, TToolButtonDrawState state) {
  ::Canvas& canvas = Canvas();
  RECT edge = rect;
  if (state.pressed) {
    DrawEdge(canvas.Handle(), &edge, BDR_SUNKENOUTER, BF_RECT);
  } else if (state.hot || !flat_) {
    DrawEdge(canvas.Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
  }
  if (!show_captions_) return;
  canvas.Brush().SetStyle(BrushStyle::bsClear);
  canvas.Font().SetColor(state.disabled ? clGrayText : Font().Color());
  RECT text = rect;
  if (state.pressed) OffsetRect(&text, 1, 1);
  canvas.DrawText(button.Caption(), text, kCaptionFormat);
}

void TToolBar::MouseDown(TMouseButton mouse_button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(mouse_button, shift, x, y);
  const int index = IndexAt(x, y);
  if (mouse_button != TMouseButton::mbLeft || index < 0) return;
  TToolButton* button = buttons_[static_cast<std::size_t>(index)];
  if (!button->Enabled()) return;
  // A menu drops down as the button goes down, as a menu bar's does.
  if (button->MenuItem() && button->MenuItem()->Count() > 0) {
    button->Click();
    return;
  }
  mouse_pressed_ = button;
  SetHotIndex(index);
  InvalidateButton(button);
}

void TToolBar::MouseMove(TShiftState shift, int x, int y) {
  SetHotIndex(IndexAt(x, y));
  TCustomControl::MouseMove(shift, x, y);
}

void TToolBar::MouseLeave() {
  SetHotIndex(-1);
  TCustomControl::MouseLeave();
}

void TToolBar::Resize() {
  // A wrapping bar finds its rows again for the new width.
  if (wrapable_) FitHeight();
  TCustomControl::Resize();
}

void TToolBar::FontChanged() {
  ButtonChanged();
  TCustomControl::FontChanged();
}

void TToolBar::WndProc(TMessage& message) {
  switch (message.msg) {
    case WM_LBUTTONUP: {
      // Taken first: letting go of the mouse capture below reports a lost capture.
      TToolButton* pressed = std::exchange(mouse_pressed_, nullptr);
      TCustomControl::WndProc(message);
      if (!pressed) return;
      InvalidateButton(pressed);
      const int x = static_cast<short>(LOWORD(message.lParam));
      const int y = static_cast<short>(HIWORD(message.lParam));
      if (IndexAt(x, y) == IndexOf(pressed)) pressed->Click();
      return;
    }
    case WM_CAPTURECHANGED:
    case CM_CANCEL_MODE:
      if (TToolButton* pressed = std::exchange(mouse_pressed_, nullptr)) InvalidateButton(pressed);
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}
