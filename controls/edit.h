// The skinned single-line text box: the system edit control without its sunken edge,
// framed by a thin line in the colour of its style or file theme with a one-pixel gap in
// its own colour. Typing, selection, the clipboard and password masking are the system's.
//
//   auto* password = new TsuiEdit(form);      // starts in the style of the form's TsuiForm
//   password->SetParent(form);
//   password->SetPasswordChar('*');
//   password->SetBorderColor(clRed);          // until the next change of style
#pragma once

#include "skin/file_theme.h"
#include "skin/ui_style.h"
#include "toolkit/color.h"
#include "toolkit/edit.h"

class TsuiEdit : public TEdit {
 public:
  explicit TsuiEdit(TComponent* owner);

  std::string_view ClassName() const override { return "TsuiEdit"; }
  const ::ClassInfo& ClassInfo() const override;

  TsuiFileTheme* FileTheme() const { return file_theme_; }
  // Applies the current style again, now with this theme.
  void SetFileTheme(TsuiFileTheme* theme);
  TsuiUIStyle UIStyle() const { return ui_style_; }
  // Replaces the border colour with the style's (or the ready file theme's).
  void SetUIStyle(TsuiUIStyle style);
  TColor BorderColor() const { return border_color_; }
  void SetBorderColor(TColor color);

  void Notification(TComponent* component, Operation operation) override;

 protected:
  // Called after every change of style; the edit box itself has nothing more to do.
  virtual void UIStyleChanged() {}

  void WndProc(TMessage& message) override;

 private:
  TsuiFileTheme* file_theme_ = nullptr;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  TColor border_color_ = clBlack;
};

// Makes "TsuiEdit" known to the description reader.
void RegisterEditClass();
