// Text painted by the parent, in the label's own font and charset; transparent labels
// leave the parent's background showing. An "&" in the caption marks the accelerator
// that moves the focus to FocusControl.
#pragma once

#include "toolkit/control.h"

class TWinControl;

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* owner);

  std::string_view ClassName() const override { return "TLabel"; }
  const ::ClassInfo& ClassInfo() const override;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // Width and height follow the text's extent whenever text or font change.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* control);

  void PaintOnParent(Canvas& canvas) override;
  void Notification(TComponent* component, Operation operation) override;
  void Loaded() override;

 protected:
  void WndProc(TMessage& message) override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  void AdjustSize();

  bool transparent_ = false;
  bool auto_size_ = true;
  TWinControl* focus_control_ = nullptr;
};
