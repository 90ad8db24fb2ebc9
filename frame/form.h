// The skinned form: a panel over the whole client area of its host window that takes the
// host's caption and frame over. It strips the system caption, hooks the host's window
// procedure, paints the thin frame that is left and shapes the window with a region, and
// carries the title bar and, for a main menu, the menu bar.
//
//   auto* skinned = new TsuiForm(host);       // host: a TForm; placed on it at once
//   skinned->SetUIStyle(TsuiUIStyle::MacOS);
//   skinned->SetMenu(main_menu);              // one menu-bar button per top-level item
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "controls/menu_form.h"
#include "frame/form_region.h"
#include "frame/title_bar.h"
#include "skin/ui_style.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/panel.h"

class TsuiFileTheme;
class TsuiMenuBar;
class TToolButton;
struct TToolButtonDrawState;

class TsuiForm : public TPanel, public TsuiMenuForm {
 public:
  // Only a form window as owner, without another skinned form, is taken over; with any
  // other owner the component stays inert (no title bar, no hook).
  explicit TsuiForm(TComponent* owner);
  ~TsuiForm() override;

  std::string_view ClassName() const override { return "TsuiForm"; }
  const ::ClassInfo& ClassInfo() const override;

  bool TitleBarCustom() const;
  void SetTitleBarCustom(bool custom);
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  void SetFileTheme(TsuiFileTheme* theme);
  TsuiUIStyle UIStyle() const { return ui_style_; }
  void SetUIStyle(TsuiUIStyle style);
  bool UIStyleAutoUpdateSub() const { return auto_update_sub_; }
  void SetUIStyleAutoUpdateSub(bool on) { auto_update_sub_ = on; }
  TColor BorderColor() const { return border_color_; }
  void SetBorderColor(TColor color);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  bool TitleBarVisible() const;
  void SetTitleBarVisible(bool visible);
  // The title bar's caption, mirrored to the host's own caption.
  const std::string& Caption() const;
  void SetCaption(const std::string& caption);
  TPanel* FormPanel() const { return form_panel_; }
  // The form itself is refused with an error box.
  void SetFormPanel(TPanel* panel);
  TsuiTitleBarButtons* TitleBarButtons() const;
  void SetTitleBarButtons(const TsuiTitleBarButtons& buttons);
  TsuiTitleBarSections* TitleBarSections() const;
  void SetTitleBarSections(const TsuiTitleBarSections& sections);
  bool TitleBarDrawAppIcon() const;
  void SetTitleBarDrawAppIcon(bool draw);
  // The caption font (the title bar's).
  ::Font& Font();
  TColor InactiveCaptionColor() const;
  void SetInactiveCaptionColor(TColor color);

  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  TColor MenuBarColor() const { return menu_bar_color_; }
  void SetMenuBarColor(TColor color);
  TColor MenuBarToColor() const { return menu_bar_to_color_; }
  void SetMenuBarToColor(TColor color);
  // 0 while no menu bar is shown.
  int MenuBarHeight() const;
  void SetMenuBarHeight(int height);
  // Both read 0 while the title bar is hidden.
  int RoundCorner() const;
  void SetRoundCorner(int radius);
  int RoundCornerBottom() const;
  void SetRoundCornerBottom(int radius);
  std::string Version() const { return "6.4"; }
  void SetVersion(const std::string&) {}
  std::string About() const;
  void SetAbout(const std::string&) {}

  TsuiTitleBarButtonClickEvent OnTitleBarCustomBtnsClick() const;
  void SetOnTitleBarCustomBtnsClick(TsuiTitleBarButtonClickEvent handler);
  TsuiTitleBarButtonClickEvent OnTitleBarHelpBtnClick() const;
  void SetOnTitleBarHelpBtnClick(TsuiTitleBarButtonClickEvent handler);
  TsuiTitleBarButtonClickEvent2 OnTitleBarMinBtnClick() const;
  void SetOnTitleBarMinBtnClick(TsuiTitleBarButtonClickEvent2 handler);
  TsuiTitleBarButtonClickEvent2 OnTitleBarMaxBtnClick() const;
  void SetOnTitleBarMaxBtnClick(TsuiTitleBarButtonClickEvent2 handler);

  TForm* HostForm() const { return host_; }
  TsuiTitleBar* TitleBar() const { return title_bar_; }
  TsuiMenuBar* MenuBar() const { return menu_bar_; }
  // Title-bar height + 3 while it is shown, else 0.
  int TitleBarTotalHeight() const;

  // The host's non-client frame, on its window device context.
  void PaintFrame();
  // The same frame onto any device context laid out like the host's whole window.
  void PaintFrameTo(HDC dc);
  void UpdateRegion();
  // A key that the menu takes as one of its shortcuts; true when one fired.
  bool HandleMenuShortcut(const MSG& key_message);

  void CreateMenuBar();
  void RemoveMenuBar();
  void RebuildMenuBar() override;
  void SyncMenuBarItems() override;
  void UpdateMenuBarFont() override;
  void DrawMenuBarBackground(::Canvas& canvas, const RECT& strip);
  void DrawMenuBarButton(TToolButton& button, ::Canvas& canvas, const RECT& rect, TToolButtonDrawState state);

  void Notification(TComponent* component, Operation operation) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void ColorChanged() override;
  void CreateWnd() override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  void TakeOverHost();
  void TakeOverHostWindow();
  void TakeOverPendingHostWindow();
  void MeasureHostFrame();
  void ApplyBuiltInStyle(TsuiUIStyle style);
  void ApplyFileThemeStyle();
  void HostWindowHook(TMessage& message);
  void HostSizeChanged();
  void ApplyMDIChildSize(bool maximised);
  void AppMessageHook(MSG& message, bool& handled);
  bool HostIsMDIChild() const;
  bool HostActive() const;
  void RemoveHostCaption();
  // Takes WS_CAPTION off the host's window without re-measuring its frame; true when it
  // was there.
  bool StripHostCaptionStyle();
  void RefreshFrame();
  void PaintBuiltInFrame(::Canvas& canvas, int width, int height);
  void PaintFileThemeFrame(::Canvas& canvas, int width, int height);
  void FillMenuBarBand(::Canvas& canvas, const RECT& band);
  void ComposeBottomImage(int width);
  void ReleaseHost();
  int FrameInsetAnswer() const;
  // The style and theme the menu bar shows: the owner-drawn menu's, else the form's.
  TsuiUIStyle MenuStyle() const;
  TsuiFileTheme* MenuFileTheme() const;
  void ClearTitleBarButtons();
  TPersistent& AddTitleBarButton();
  void ClearTitleBarSections();
  TPersistent& AddTitleBarSection();

  TForm* host_ = nullptr;
  TsuiTitleBar* title_bar_ = nullptr;
  TsuiMenuBar* menu_bar_ = nullptr;
  TsuiFileTheme* file_theme_ = nullptr;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  bool uses_file_theme_ = false;
  TsuiUIStyle effective_style_ = TsuiUIStyle::DeepBlue;
  bool auto_update_sub_ = false;
  TColor border_color_ = clBlack;
  int border_width_ = 1;
  TPanel* form_panel_ = nullptr;
  TMainMenu* menu_ = nullptr;
  TColor menu_bar_color_ = clBtnFace;
  TColor menu_bar_to_color_ = clBtnFace;
  int menu_bar_height_ = 22;
  ::Font no_title_bar_font_;

  int frame_bottom_ = 4;
  int frame_left_ = 4;
  int left_border_width_ = 0;
  int right_border_width_ = 0;
  int bottom_border_height_ = 0;
  Bitmap bottom_image_;
  TColor region_trans_color_ = 0xFF00FF;
  bool title_needs_region_ = false;
  bool bottom_needs_region_ = false;
  RegionLimits region_limits_;

  TWndMethod saved_window_proc_;
  TFormBorderStyle saved_border_style_ = TFormBorderStyle::bsSizeable;
  RECT saved_bounds_{0, 0, 0, 0};
  bool created_maximized_ = false;
  bool take_over_window_pending_ = false;
  bool title_bar_wanted_ = true;
  bool mdi_scrolled_ = false;
  bool toggling_title_bar_ = false;
  bool sizing_ = false;
  bool closing_ = false;
  std::unique_ptr<MessageHook> app_events_;
  // The rounded shape last given to the host's window: giving the same one again is a
  // round trip to the window system for nothing, and every size change asks for one.
  struct RoundedShape {
    HWND window;
    int width, height, top_radius, bottom_radius;
    bool operator==(const RoundedShape&) const = default;
  };
  std::optional<RoundedShape> given_shape_;
};
