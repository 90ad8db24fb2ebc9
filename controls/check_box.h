// The skinned two-state check box: a frame of the style's check-box strip beside a
// one-line caption. It sizes itself to both, toggles on click, Space or Enter release and
// its accelerator, and fires OnClick after every change of Checked.
//
//   auto* save = new TsuiCheckBox(form);     // starts in the style of the form's TsuiForm
//   save->SetParent(form);
//   save->SetCaption("&Save");
//   save->OnClick = [](TComponent*) { ... };   // after each toggle
#pragma once

#include "skin/file_theme.h"
#include "skin/ui_style.h"
#include "toolkit/bitmap.h"
#include "toolkit/custom_control.h"

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TsuiCheckBox : public TCustomControl {
 public:
  explicit TsuiCheckBox(TComponent* owner);

  std::string_view ClassName() const override { return "TsuiCheckBox"; }
  const ::ClassInfo& ClassInfo() const override;

  bool Checked() const { return checked_; }
  // A change repaints and fires OnClick (not while a description is being read).
  void SetChecked(bool checked);
  // A view of Checked: there is no third state, so cbGrayed unchecks.
  TCheckBoxState State() const { return checked_ ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked; }
  void SetState(TCheckBoxState state) { SetChecked(state == TCheckBoxState::cbChecked); }

  TsuiUIStyle UIStyle() const { return ui_style_; }
  void SetUIStyle(TsuiUIStyle style);
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  void SetFileTheme(TsuiFileTheme* theme);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // Width and height follow image and caption at every paint.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);

  // A click toggles; OnClick then comes from the change itself, once.
  void Click() override;

  void Notification(TComponent* component, Operation operation) override;

 protected:
  virtual bool ShowFocusMark();
  virtual bool ImageTransparent() { return false; }
  // The built-in style element and the file-theme bitmap of the image strip.
  virtual int BuiltInElement() { return 3; }
  virtual int FileThemeElement() { return 16; }
  virtual void NotifyClick();
  virtual void BeforeToggle() {}
  virtual void Toggle();
  // Space and Enter toggle.
  virtual bool KeyToggles() { return true; }

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void Paint() override;
  void TextChanged() override;

 private:
  void TakeFocusIfPossible();
  // The frame of the style's strip for the current state.
  void LoadFace(Bitmap& image);
  // With AutoSize, as wide and high as the face and the caption in the canvas's font.
  void FitToFace(const Bitmap& image, ::Canvas& canvas);

  bool checked_ = false;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  TsuiFileTheme* file_theme_ = nullptr;
  bool transparent_ = false;
  bool auto_size_ = true;
};

// Makes "TsuiCheckBox" known to the description reader.
void RegisterCheckBoxClass();
