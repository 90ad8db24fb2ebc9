// Controls: components with a place on a parent window. A TControl without a window of
// its own (a label) is painted by its parent after the parent has painted itself, and
// receives the mouse through it; TWinControl (win_control.h) has a window.
//
//   auto* label = new TLabel(form);
//   label->SetParent(panel);
//   label->SetBounds(20, 55, 48, 12);
//   label->SetAlign(TAlign::alTop);   // re-aligned whenever the panel is resized
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/canvas.h"
#include "toolkit/color.h"
#include "toolkit/component.h"
#include "toolkit/font.h"
#include "toolkit/message.h"

class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  std::string_view ClassName() const override { return "TControl"; }
  const ::ClassInfo& ClassInfo() const override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  // Sizes below 0 become 0. The parent re-aligns its aligned children afterwards.
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return {0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }
  void SetClientSize(int width, int height);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and on a showing parent.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { SetText(caption); }
  virtual const std::string& Text() const { return caption_; }
  virtual void SetText(const std::string& text);

  ::Font& Font() { return font_; }
  const ::Font& Font() const { return font_; }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parent_font);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool parent_color);
  TBiDiMode BiDiMode() const { return bidi_mode_; }
  void SetBiDiMode(TBiDiMode mode);
  bool UseRightToLeftReading() const { return bidi_mode_ != TBiDiMode::bdLeftToRight; }

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // Marks the control's area for painting; Repaint paints it at once.
  virtual void Invalidate();
  virtual void Repaint();
  virtual void Update();

  // Hands a message to the control's procedure, as the system would.
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
  // The message procedure of a control without a window; TWinControl replaces it with
  // the window's.
  TWndMethod WindowProc;

  // Painted without a window, onto the parent's canvas at the control's position.
  virtual void PaintOnParent(Canvas&) {}

  bool MouseInControl() const { return mouse_inside_; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;

  virtual void Click();

 protected:
  virtual void WndProc(TMessage& message);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Resize();
  // Tells the control that its font or colour changed, by whatever route.
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged();
  virtual void EnabledChanged();
  // The parent's font and colour came down to this control (when it follows them).
  void TakeParentFont();
  void TakeParentColor();

  // A control whose own bounds were set by aligning does not trigger a new alignment.
  void SetBoundsByAlignment(int left, int top, int width, int height);

  bool pressed_ = false;  // left button went down on the control and is not yet up

 private:
  friend class TWinControl;
  void HandleMouseMessage(TMessage& message);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  ::Font font_;
  bool parent_font_ = true;
  bool taking_parent_font_ = false;
  TColor color_ = clBtnFace;
  bool parent_color_ = false;
  TBiDiMode bidi_mode_ = TBiDiMode::bdLeftToRight;
  int tag_ = 0;
  bool mouse_inside_ = false;
  bool aligning_ = false;
};
