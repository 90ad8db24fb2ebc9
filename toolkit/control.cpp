#include "toolkit/control.h"

#include <algorithm>

#include "toolkit/color_property.h"
#include "toolkit/published_properties.h"
#include "toolkit/win_control.h"

namespace {

const EnumName<TAlign> kAlignNames[] = {{"alNone", TAlign::alNone},     {"alTop", TAlign::alTop},
                                        {"alBottom", TAlign::alBottom}, {"alLeft", TAlign::alLeft},
                                        {"alRight", TAlign::alRight},   {"alClient", TAlign::alClient}};
const EnumName<TBiDiMode> kBiDiNames[] = {{"bdLeftToRight", TBiDiMode::bdLeftToRight},
                                          {"bdRightToLeft", TBiDiMode::bdRightToLeft},
                                          {"bdRightToLeftNoAlign", TBiDiMode::bdRightToLeftNoAlign},
                                          {"bdRightToLeftReadingOnly", TBiDiMode::bdRightToLeftReadingOnly}};

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return TMouseButton::mbRight;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  font_.OnChange = [this] {
    if (!taking_parent_font_) parent_font_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  font_.OnChange = nullptr;
  if (parent_) parent_->RemoveControl(this);
}

const ClassInfo& TControl::ClassInfo() const {
  static const ::ClassInfo info(
      "TControl", &TComponent::ClassInfo(),
      Concatenate(
          {IntegerProperty<TControl>("Left", &TControl::Left, &TControl::SetLeft),
           IntegerProperty<TControl>("Top", &TControl::Top, &TControl::SetTop),
           IntegerProperty<TControl>("Width", &TControl::Width, &TControl::SetWidth),
           IntegerProperty<TControl>("Height", &TControl::Height, &TControl::SetHeight),
           EnumProperty<TControl>("Align", kAlignNames, &TControl::Align, &TControl::SetAlign),
           BooleanProperty<TControl>("Visible", &TControl::Visible, &TControl::SetVisible),
           BooleanProperty<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled),
           StringProperty<TControl>("Caption", &TControl::Caption, &TControl::SetCaption),
           StringProperty<TControl>("Text", &TControl::Text, &TControl::SetText),
           ColorProperty<TControl>("Color", &TControl::Color, &TControl::SetColor),
           BooleanProperty<TControl>("ParentColor", &TControl::ParentColor, &TControl::SetParentColor),
           BooleanProperty<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
           EnumProperty<TControl>("BiDiMode", kBiDiNames, &TControl::BiDiMode, &TControl::SetBiDiMode),
           IntegerProperty<TControl>("Tag", &TControl::Tag, &TControl::SetTag),
           EventMember<TControl, TNotifyEvent>("OnClick", &TControl::OnClick),
           EventMember<TControl, TNotifyEvent>("OnDblClick", &TControl::OnDblClick),
           EventMember<TControl, TMouseEvent>("OnMouseDown", &TControl::OnMouseDown),
           EventMember<TControl, TMouseEvent>("OnMouseUp", &TControl::OnMouseUp),
           EventMember<TControl, TMouseMoveEvent>("OnMouseMove", &TControl::OnMouseMove),
           EventMember<TControl, TNotifyEvent>("OnMouseEnter", &TControl::OnMouseEnter),
           EventMember<TControl, TNotifyEvent>("OnMouseLeave", &TControl::OnMouseLeave),
           EventMember<TControl, TNotifyEvent>("OnResize", &TControl::OnResize)},
          FontProperties<TControl>("Font", &TControl::Font)));
  return info;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw std::invalid_argument("A control cannot be its own parent");
  if (parent_) {
    Invalidate();
    parent_->RemoveControl(this);
  }
  parent_ = nullptr;
  if (parent) {
    parent->InsertControl(this);
    parent_ = parent;
    if (parent_font_) TakeParentFont();
    if (parent_color_) TakeParentColor();
    Perform(CM_PARENT_CHANGED);
    parent_->Realign();
    Invalidate();
  }
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  if (parent_ && align_ != TAlign::alNone && !aligning_) parent_->Realign();
  if (resized) Resize();
}

void TControl::SetBoundsByAlignment(int left, int top, int width, int height) {
  aligning_ = true;
  try {
    SetBounds(left, top, width, height);
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

void TControl::SetClientSize(int width, int height) {
  const RECT client = ClientRect();
  SetBounds(left_, top_, width_ + width - client.right, height_ + height - client.bottom);
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->Realign();
}

bool TControl::Showing() const {
  if (!visible_) return false;
  return parent_ ? parent_->Showing() : true;
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  if (visible) Invalidate();
  if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
}

void TControl::SetText(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  TextChanged();
}

void TControl::SetParentFont(bool parent_font) {
  if (parent_font == parent_font_) return;
  parent_font_ = parent_font;
  if (parent_font && parent_) TakeParentFont();
}

void TControl::SetColor(TColor color) {
  if (color == color_ && !parent_color_) return;
  color_ = color;
  parent_color_ = false;
  ColorChanged();
}

void TControl::SetParentColor(bool parent_color) {
  if (parent_color == parent_color_) return;
  parent_color_ = parent_color;
  if (parent_color && parent_) TakeParentColor();
}

void TControl::SetBiDiMode(TBiDiMode mode) {
  if (mode == bidi_mode_) return;
  bidi_mode_ = mode;
  Invalidate();
}

void TControl::TakeParentFont() {
  taking_parent_font_ = true;
  font_.Assign(parent_->Font());
  taking_parent_font_ = false;
  parent_font_ = true;
}

void TControl::TakeParentColor() {
  color_ = parent_->Color();
  ColorChanged();
  parent_color_ = true;
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !Showing()) return;
  const RECT bounds = BoundsRect();
  InvalidateRect(parent_->Handle(), &bounds, TRUE);
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{msg, wparam, lparam, 0};
  WindowProc(message);
  return message.result;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::WndProc(TMessage& message) {
  switch (message.msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK: case WM_MOUSEMOVE:
      HandleMouseMessage(message);
      break;
    case CM_MOUSE_ENTER:
      MouseEnter();
      break;
    case CM_MOUSE_LEAVE:
      MouseLeave();
      break;
    case CM_CANCEL_MODE:
      pressed_ = false;
      break;
    default:
      break;
  }
}

void TControl::HandleMouseMessage(TMessage& message) {
  const int x = static_cast<short>(LOWORD(message.lParam));
  const int y = static_cast<short>(HIWORD(message.lParam));
  const auto shift = static_cast<TShiftState>(message.wParam);
  switch (message.msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(this);
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      pressed_ = true;
      break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
      if (message.msg == WM_LBUTTONDOWN) pressed_ = true;
      MouseDown(ButtonOf(message.msg), shift, x, y);
      break;
    default: {  // a button went up
      const bool click = message.msg == WM_LBUTTONUP && pressed_ && x >= 0 && y >= 0 && x < width_ && y < height_;
      if (message.msg == WM_LBUTTONUP) pressed_ = false;
      if (click) Click();
      MouseUp(ButtonOf(message.msg), shift, x, y);
      break;
    }
  }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseEnter() {
  mouse_inside_ = true;
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
  mouse_inside_ = false;
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::FontChanged() { Invalidate(); }
void TControl::ColorChanged() { Invalidate(); }
void TControl::TextChanged() { Invalidate(); }
void TControl::EnabledChanged() { Invalidate(); }
