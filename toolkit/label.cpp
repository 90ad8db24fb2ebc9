#include "toolkit/label.h"

#include "toolkit/accelerator.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/published_properties.h"
#include "toolkit/win_control.h"

TLabel::TLabel(TComponent* owner) : TControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

const ClassInfo& TLabel::ClassInfo() const {
  static const ::ClassInfo info(
      "TLabel", &TControl::ClassInfo(),
      {BooleanProperty<TLabel>("Transparent", &TLabel::Transparent, &TLabel::SetTransparent),
       BooleanProperty<TLabel>("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize),
       ReferenceProperty<TLabel, TWinControl>("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)});
  return info;
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void TLabel::SetAutoSize(bool auto_size) {
  if (auto_size == auto_size_) return;
  auto_size_ = auto_size;
  AdjustSize();
}

void TLabel::SetFocusControl(TWinControl* control) {
  if (focus_control_) focus_control_->RemoveFreeNotification(this);
  focus_control_ = control;
  if (control) control->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove && component == focus_control_) focus_control_ = nullptr;
  TControl::Notification(component, operation);
}

void TLabel::Loaded() {
  TControl::Loaded();
  AdjustSize();
}

void TLabel::TextChanged() {
  AdjustSize();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustSize();
  Invalidate();
}

// A stored size is the designer's; the text is measured once the description is read.
void TLabel::AdjustSize() {
  if (!auto_size_ || Loading()) return;
  ClientDC screen(nullptr);
  Canvas canvas(screen.Get());
  canvas.Font().Assign(Font());
  RECT extent{0, 0, 0, 0};
  const std::string measured = Caption().empty() ? std::string(" ") : Caption();
  canvas.DrawText(measured, extent, DT_CALCRECT | DT_SINGLELINE);
  const int width = Caption().empty() ? 0 : extent.right;
  SetBounds(Left(), Top(), width, extent.bottom);
}

void TLabel::PaintOnParent(Canvas& canvas) {
  RECT rect{0, 0, Width(), Height()};
  if (!transparent_) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
  }
  canvas.Brush().SetStyle(BrushStyle::bsClear);
  canvas.Font().Assign(Font());
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  UINT flags = DT_SINGLELINE;
  if (UseRightToLeftReading()) flags |= DT_RTLREADING | DT_RIGHT;
  canvas.DrawText(Caption(), rect, flags);
}

void TLabel::WndProc(TMessage& message) {
  if (message.msg == CM_DIALOG_CHAR && focus_control_ && Enabled() && Visible()) {
    const char key = static_cast<char>(message.wParam);
    const char upper = (key >= 'a' && key <= 'z') ? static_cast<char>(key - 'a' + 'A') : key;
    if (upper != 0 && upper == AcceleratorOf(Caption()) && focus_control_->CanFocus()) {
      focus_control_->SetFocus();
      message.result = 1;
      return;
    }
  }
  TControl::WndProc(message);
}
