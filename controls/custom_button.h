// The state, input handling, painting sequence and auto-repeat of a skinned push button:
// the face is a frame of the style's button strip, chosen by the button's state.
//
//   auto* button = new TsuiButton(form);          // see controls/button.h
//   button->OnMouseContinuouslyDown = [&](TComponent*) { Step(); };   // while held down
//   if (SendMessageA(GetFocus(), WM_SKINBUTTONQUERY, 0, 0) == 1) ...  // a skinned button has the focus
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "skin/file_theme.h"
#include "skin/ui_style.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/custom_control.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

// Every skinned button answers 1, so that a focused one lets plain letters reach the
// accelerators of its sibling buttons.
inline constexpr UINT WM_SKINBUTTONQUERY = WM_APP + 3000;

class TsuiCustomButton : public TCustomControl {
 public:
  explicit TsuiCustomButton(TComponent* owner);

  std::string_view ClassName() const override { return "TsuiCustomButton"; }
  const ::ClassInfo& ClassInfo() const override;

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }
  bool Default() const { return default_; }
  void SetDefault(bool is_default);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  TsuiUIStyle UIStyle() const { return ui_style_; }
  void SetUIStyle(TsuiUIStyle style);
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  void SetFileTheme(TsuiFileTheme* theme);
  bool BoldCaptionOnce() const { return bold_caption_once_; }
  void SetBoldCaptionOnce(bool bold) { bold_caption_once_ = bold; }
  bool SkinTransparent() const { return skin_transparent_; }
  void SetSkinTransparent(bool transparent) { skin_transparent_ = transparent; }
  // Lives from a left-button press until the press ends (release, leaving, cancel mode).
  TTimer* RepeatTimer() const { return repeat_timer_.get(); }
  // Read when the repeat timer is made; a negative interval counts as 0.
  int MouseContinuouslyDownInterval() const { return repeat_interval_; }
  void SetMouseContinuouslyDownInterval(int interval) { repeat_interval_ = interval; }
  int FocusedRectMargin() const { return focused_rect_margin_; }
  void SetFocusedRectMargin(int margin);
  // Stored by older descriptions; there is no resource module to choose.
  int ResHandle() const { return 0; }
  void SetResHandle(int) {}

  // This is the button that Enter activates now: the focused skinned button, or the
  // default button while the focus is on another kind of control.
  bool ActiveDefault() const { return active_default_; }
  bool IsHovered() const { return is_hovered_; }
  bool IsPressed() const { return is_pressed_; }

  void Click() override;

  TNotifyEvent OnMouseExit;
  TNotifyEvent OnMouseContinuouslyDown;

  void Notification(TComponent* component, Operation operation) override;

 protected:
  // What derived buttons change: reactions to property changes, the drawing steps and
  // the faces of the states.
  virtual void UpdateAutoSize();
  virtual void AfterCaptionChange() {}
  virtual void AfterFontChange();
  virtual void AfterTransparentChange();
  virtual void AfterEnabledChange() {}
  virtual void AfterStyleChange() {}
  virtual void PaintSkinImage(::Canvas& canvas, Bitmap& image);
  virtual void PaintCaptionText(::Canvas& canvas, const std::string& text);
  virtual void PaintFocusMark(::Canvas& canvas);
  virtual void LoadNormalImage(Bitmap& image);
  virtual void LoadHoverImage(Bitmap& image);
  virtual void LoadPressedImage(Bitmap& image);
  virtual void LoadDisabledImage(Bitmap& image);

  // Frame `frame` (1 normal and disabled, 2 mouse over, 3 pressed) of the button strip
  // of the file theme or the built-in style.
  void LoadSkinFrame(Bitmap& image, int frame);

  void Paint() override;
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void TextChanged() override;
  void FontChanged() override;
  void EnabledChanged() override;

 private:
  void LoadStateFace(Bitmap& image);
  void StartRepeatTimer();
  void ReleaseRepeatTimer();
  void HandleDialogKey(TMessage& message);
  void HandleDialogChar(TMessage& message);
  void HandleFocusChanged(const TMessage& message);
  TForm* ParentForm();

  bool auto_size_ = false;
  bool cancel_ = false;
  bool default_ = false;
  bool transparent_ = false;
  TModalResult modal_result_ = 0;
  TsuiUIStyle ui_style_;
  TsuiFileTheme* file_theme_ = nullptr;
  bool bold_caption_once_ = false;
  bool skin_transparent_ = false;
  std::unique_ptr<TTimer> repeat_timer_;
  std::unique_ptr<TTimer> retired_timer_;
  bool in_repeat_tick_ = false;
  int repeat_interval_ = 100;
  int focused_rect_margin_ = 2;
  bool active_default_ = false;
  bool is_hovered_ = false;
  bool is_pressed_ = false;
};
