// A plain push button over the system "BUTTON" class: clicked by the mouse, the space
// bar, its accelerator, Enter when it is the Default button and Escape when it is the
// Cancel button. A non-zero ModalResult ends its form's modal run.
#pragma once

#include "toolkit/form.h"
#include "toolkit/win_control.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  std::string_view ClassName() const override { return "TButton"; }
  const ::ClassInfo& ClassInfo() const override;

  bool Default() const { return default_; }
  void SetDefault(bool is_default);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }

  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modal_result_ = 0;
};
