#include "controls/edit.h"

#include "skin/builtin_style_table.h"
#include "skin/style_resolution.h"
#include "skin/ui_style_property.h"
#include "skin/window_drawing.h"
#include "toolkit/class_registry.h"
#include "toolkit/color_property.h"
#include "toolkit/published_properties.h"

namespace {

constexpr int kThemeControlBorderColor = 22;  // "SKIN2_CONTROLBORDERCOLOR"

}  // namespace

TsuiEdit::TsuiEdit(TComponent* owner) : TEdit(owner) {
  SetEditBorderStyle(TEditBorderStyle::bsNone);
  // Exactly the two lines that the border draws.
  SetBorderWidth(2);
  SetUIStyle(GetFormUIStyle(owner));
}

const ClassInfo& TsuiEdit::ClassInfo() const {
  static const ::ClassInfo info(
      "TsuiEdit", &TEdit::ClassInfo(),
      {ReferenceProperty<TsuiEdit, TsuiFileTheme>("FileTheme", &TsuiEdit::FileTheme, &TsuiEdit::SetFileTheme),
       EnumProperty<TsuiEdit>("UIStyle", kUIStyleNames, &TsuiEdit::UIStyle, &TsuiEdit::SetUIStyle),
       ColorProperty<TsuiEdit>("BorderColor", &TsuiEdit::BorderColor, &TsuiEdit::SetBorderColor)});
  return info;
}

void TsuiEdit::SetFileTheme(TsuiFileTheme* theme) {
  if (file_theme_ && file_theme_ != theme) file_theme_->RemoveFreeNotification(this);
  file_theme_ = theme;
  if (theme) theme->FreeNotification(this);
  SetUIStyle(ui_style_);
}

void TsuiEdit::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  TsuiUIStyle effective = TsuiUIStyle::DeepBlue;
  if (ResolveUIStyle(file_theme_, style, effective)) {
    border_color_ = file_theme_->GetColor(kThemeControlBorderColor);
  } else {
    border_color_ = GetBuiltInColor(effective, kControlBorderColor);
  }
  UIStyleChanged();
  Invalidate();
}

void TsuiEdit::SetBorderColor(TColor color) {
  border_color_ = color;
  Invalidate();
}

void TsuiEdit::Notification(TComponent* component, Operation operation) {
  TEdit::Notification(component, operation);
  if (operation == Operation::Remove && component == file_theme_) {
    file_theme_ = nullptr;
    SetUIStyle(TsuiUIStyle::DeepBlue);
  }
}

// The system control paints its text and background; the border goes on top, over the
// non-client frame that no one else draws.
void TsuiEdit::WndProc(TMessage& message) {
  TEdit::WndProc(message);
  if ((message.msg == WM_PAINT || message.msg == WM_ERASEBKGND) && HandleAllocated()) {
    DrawControlBorder(*this, border_color_, Color(), true);
  }
}

void RegisterEditClass() { RegisterComponentClass<TsuiEdit>("TsuiEdit"); }
