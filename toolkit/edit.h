// A single-line text box over the system "EDIT" class. Text is ANSI (GBK) bytes and is
// read from the window while it exists, so typing shows in Text at once.
//
//   auto* password = new TEdit(form);
//   password->SetParent(form);
//   password->SetPasswordChar('*');
//   std::string typed = password->Text();   // the real characters, not the stars
#pragma once

#include "toolkit/gdi_handles.h"
#include "toolkit/win_control.h"

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum class TEditBorderStyle { bsNone, bsSingle };

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);

  std::string_view ClassName() const override { return "TEdit"; }
  const ::ClassInfo& ClassInfo() const override;

  const std::string& Text() const override;
  void SetText(const std::string& text) override;
  char PasswordChar() const { return password_char_; }
  void SetPasswordChar(char character);
  void SetPasswordCharText(const std::string& text);
  std::string PasswordCharText() const { return password_char_ ? std::string(1, password_char_) : std::string(); }
  // 0 means no limit of our own (the system's then applies).
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int length);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only);
  bool AutoSelect() const { return auto_select_; }
  void SetAutoSelect(bool auto_select) { auto_select_ = auto_select; }
  TEditCharCase CharCase() const { return char_case_; }
  void SetCharCase(TEditCharCase char_case);
  TEditBorderStyle EditBorderStyle() const { return border_style_; }
  void SetEditBorderStyle(TEditBorderStyle style);
  void SelectAll();

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void DoEnter() override;
  void ColorChanged() override;

 private:
  mutable std::string text_cache_;
  char password_char_ = 0;
  int max_length_ = 0;
  bool read_only_ = false;
  bool auto_select_ = true;
  TEditCharCase char_case_ = TEditCharCase::ecNormal;
  TEditBorderStyle border_style_ = TEditBorderStyle::bsSingle;
  OwnedBrush background_;
};
