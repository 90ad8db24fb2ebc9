// Top-level windows. A form is the owner of the components of its description and the
// parent of its controls; it takes the keyboard's dialog keys (Tab, Enter, Escape,
// accelerators) before the focused control does, through Application's message loop.
//
//   auto* form = new TForm1();                 // reads its description in the constructor
//   form->SetPosition(TPosition::poScreenCenter);
//   form->Show();
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "toolkit/icon.h"
#include "toolkit/win_control.h"

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum BorderIcon : std::uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
// A multiple-document window: the frame (fsMDIForm) holds the system's MDI client window,
// and its child forms (fsMDIChild, owned by the frame) live inside that client.
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm };
using TModalResult = int;  // 0 while running, IDOK, IDCANCEL ... when done
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& can_close)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  std::string_view ClassName() const override { return "TForm"; }
  const ::ClassInfo& ClassInfo() const override;

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  std::uint32_t BorderIcons() const { return border_icons_; }
  void SetBorderIcons(std::uint32_t icons);
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle style);
  // The MDI client window of a frame form (made with the frame's window), else null.
  HWND ClientHandle() const { return mdi_client_; }
  // The frame's active child form, or null.
  TForm* ActiveMDIChild() const;
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  // Read from the window while it exists, so a minimise by the user shows.
  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);
  int MinWidth() const { return min_width_; }
  void SetMinWidth(int width) { min_width_ = std::max(width, 0); }
  int MinHeight() const { return min_height_; }
  void SetMinHeight(int height) { min_height_ = std::max(height, 0); }
  // A client size set here holds when the menu bar comes or goes (the window grows or
  // shrinks instead), until the form is sized some other way.
  int StoredClientWidth() const { return ClientWidth(); }
  void SetStoredClientWidth(int width);
  int StoredClientHeight() const { return ClientHeight(); }
  void SetStoredClientHeight(int height);
  RECT ClientRect() const override;
  void SetBounds(int left, int top, int width, int height) override;

  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // Brings the menu bar up to date after the menu's items changed.
  void MenuChanged();

  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  ::Icon& Icon() { return icon_; }
  // The window's icon from the bytes of an .ico file, or from an icon resource of the
  // program. Throws PropertyValueError (the icon unchanged) for bytes that are no icon
  // file and for a resource the program does not have.
  void SetIconFromFile(std::span<const std::uint8_t> ico_file);
  void SetIconFromResource(const std::string& resource_name);
  bool Scaled() const { return scaled_; }
  void SetScaled(bool scaled) { scaled_ = scaled; }
  int PixelsPerInch() const { return pixels_per_inch_; }
  void SetPixelsPerInch(int ppi) { pixels_per_inch_ = ppi; }
  bool AutoScroll() const { return auto_scroll_; }
  void SetAutoScroll(bool auto_scroll) { auto_scroll_ = auto_scroll; }

  void SetVisible(bool visible) override;
  // Asks OnCloseQuery; then hides the form, or ends the program for the main form.
  void Close();
  // Runs until ModalResult is set (or the form is closed); the other windows of the
  // thread are disabled meanwhile.
  TModalResult ShowModal();
  // Tab and Shift+Tab, Enter and Escape, accelerators and menu shortcuts of a queued
  // message aimed at one of this form's windows. True when taken.
  bool HandleDialogMessage(const MSG& message);
  // The next control in tab order after `current` that can take the focus and stops
  // for Tab, wrapping around; null when there is none.
  TWinControl* FindNextControl(TWinControl* current, bool forward) const;
  void SelectNext(TWinControl* current, bool forward);

  // OnCreate is called by Application::CreateForm once the form is built.
  void DoCreate();
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnClose;

  void Notification(TComponent* component, Operation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

 private:
  bool OfferDialogKey(WPARAM key);
  bool OfferDialogChar(WPARAM character, LPARAM key_data);
  void PlaceOnScreen();
  void KeepWantedClientSize();
  void ShowIcon();
  void CreateMDIClient();
  // The frame whose MDI client a child form lives in: its owner when that is a frame,
  // else the application's main form.
  TForm* MDIFrame() const;

  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  std::uint32_t border_icons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = TPosition::poDesigned;
  TWindowState window_state_ = TWindowState::wsNormal;
  int min_width_ = 0;
  int min_height_ = 0;
  TMainMenu* menu_ = nullptr;
  TWinControl* active_control_ = nullptr;
  TModalResult modal_result_ = 0;
  ::Icon icon_;
  bool scaled_ = true;
  int pixels_per_inch_ = 96;
  bool auto_scroll_ = false;
  bool placed_ = false;
  // Shown and not yet activated since: see WM_ACTIVATE.
  bool paint_on_activation_ = false;
  // -1: not asked for.
  int wanted_client_width_ = -1;
  int wanted_client_height_ = -1;
  bool keeping_client_size_ = false;
  TFormStyle form_style_ = TFormStyle::fsNormal;
  // A child of our window, destroyed with it by the system; forgotten at WM_DESTROY.
  HWND mdi_client_ = nullptr;
};
