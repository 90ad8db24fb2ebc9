// Controls with a window of their own, made on demand. Each window's messages go through
// one static procedure to the object's WindowProc, which starts out as WndProc and can be
// saved and replaced (the skinned form hooks its host's that way); what no handler takes
// goes to DefaultHandler, the raw Win32 procedure of the window's class.
//
//   auto* panel = new TPanel(form);
//   panel->SetParent(form);
//   HWND window = panel->Handle();                  // created now, with the parent's first
//   TWndMethod saved = form->WindowProc;
//   form->WindowProc = [&](TMessage& m) { saved(m); if (m.msg == WM_NCPAINT) PaintFrame(); };
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/control.h"

struct TCreateParams {
  std::string caption;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  DWORD ex_style = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;
  HMENU menu_or_id = nullptr;
  // Our window class, registered on first use. A system class to build on ("EDIT",
  // "BUTTON") is named in system_class; the window then gets that class's behaviour and
  // our procedure in front of it.
  std::string window_class;
  std::string system_class;
  UINT class_style = CS_DBLCLKS;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  std::string_view ClassName() const override { return "TWinControl"; }
  const ::ClassInfo& ClassInfo() const override;

  // The window, created (with the parent's) if it does not exist yet. Throws
  // std::runtime_error when the system refuses to create it.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Destroys and creates the window again, e.g. after a style that needs it changed;
  // the control then receives CM_RECREATED.
  void RecreateWnd();
  // Calls the Win32 procedure behind our own: the class's default handling (forms of a
  // multiple-document window hand it to the frame's or the child's instead).
  virtual void DefaultHandler(TMessage& message);
  WNDPROC DefWndProc() const { return default_procedure_; }

  const std::vector<TControl*>& Controls() const { return controls_; }
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // The windowed children in tab order.
  std::vector<TWinControl*> TabList() const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop) { tab_stop_ = tab_stop; }
  // A non-client frame of this many pixels on every side, inside the system's border.
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  // Showing and enabled, and so are all its parents.
  virtual bool CanFocus() const;
  virtual void SetFocus();
  bool Focused() const;

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetParent(TWinControl* parent) override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  // Places the aligned children, in the order top, bottom, left, right, client.
  void Realign();
  // Moves every child (and the drawn contents) by dx, dy.
  void ScrollBy(int dx, int dy);
  // Sends the message to every child control, windowed or not, and their children.
  void Broadcast(TMessage& message);
  // The (deepest) child without a window of its own under the point, or null.
  TControl* PaintedControlAt(POINT client_point) const;

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // The object of one of our windows, or null.
  static TWinControl* FromHandle(HWND window);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // The window exists (first time or after a re-creation); apply what it must carry.
  virtual void CreateHandleDone() {}
  void WndProc(TMessage& message) override;
  // Painting of the window's own face; the painted children come after it.
  virtual void PaintWindow(HDC dc);
  void PaintControls(HDC dc);
  void FontChanged() override;
  void ColorChanged() override;
  void TextChanged() override;
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void DoEnter();
  virtual void DoExit();

 private:
  friend class TControl;
  friend LRESULT CALLBACK ControlWindowProcedure(HWND, UINT, WPARAM, LPARAM);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void Attach(HWND window);
  void Detach();
  bool Reflect(TMessage& message);
  void TrackMouseLeave();
  void HoverPaintedChild(TControl* child);
  // True for a top-level window, and for a child with a frame, edges, scroll bars or a border.
  bool HasNonClientArea() const;

  HWND handle_ = nullptr;
  WNDPROC default_procedure_ = DefWindowProcA;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
  bool tab_stop_ = false;
  int border_width_ = 0;
  bool tracking_leave_ = false;
  bool destroying_ = false;
  bool syncing_from_window_ = false;
  TControl* hovered_child_ = nullptr;
  TControl* captured_child_ = nullptr;
};
