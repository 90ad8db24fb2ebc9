// The caption strip of a skinned window: picture sections, the title-bar buttons, the
// application icon and the caption; a drag on its empty area moves the window, a double
// click maximises or restores it. It also keeps the whole title picture (FrameImage),
// wider and taller than itself by the thin frame round it, for the form to paint that
// frame from.
//
//   auto* bar = new TsuiTitleBar(skinned_form);
//   bar->SetParent(skinned_form);
//   bar->SetUIStyle(TsuiUIStyle::MacOS);   // sections, button pictures, height
//   bar->SetCaption("Tarnwick");
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "frame/title_bar_buttons.h"
#include "frame/title_bar_sections.h"
#include "skin/ui_style.h"
#include "toolkit/bitmap.h"
#include "toolkit/custom_control.h"
#include "toolkit/form.h"
#include "toolkit/icon.h"

class TsuiFileTheme;
class TsuiTitleBarPopupMenu;

// (Sender, index of the button in Buttons).
using TsuiTitleBarButtonClickEvent = std::function<void(TComponent* sender, int button_index)>;
// (Sender, Allow): true on entry; the handler sets it false to cancel the command.
using TsuiTitleBarButtonClickEvent2 = std::function<void(TComponent* sender, bool& allow)>;

class TsuiTitleBar : public TCustomControl {
 public:
  explicit TsuiTitleBar(TComponent* owner);
  ~TsuiTitleBar() override;

  std::string_view ClassName() const override { return "TsuiTitleBar"; }
  const ::ClassInfo& ClassInfo() const override;

  // While set, style changes leave sections, pictures and fonts alone.
  bool Custom() const { return custom_; }
  void SetCustom(bool custom) { custom_ = custom; }
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  void SetFileTheme(TsuiFileTheme* theme);
  TsuiUIStyle UIStyle() const { return ui_style_; }
  // Rebuilds the sections, reloads the button pictures, sets font colour and height.
  void SetUIStyle(TsuiUIStyle style);
  bool AutoSize() const { return auto_size_; }
  // Either value sets the height from the first section's picture; without sections
  // AutoSize stays false and the height as it is.
  void SetAutoSize(bool auto_size);

  TsuiTitleBarSections& Sections() { return sections_; }
  const TsuiTitleBarSections& Sections() const { return sections_; }
  void SetSections(const TsuiTitleBarSections& sections);
  TsuiTitleBarButtons& Buttons() { return buttons_; }
  const TsuiTitleBarButtons& Buttons() const { return buttons_; }
  void SetButtons(const TsuiTitleBarButtons& buttons);

  int ButtonInterval() const { return button_interval_; }
  void SetButtonInterval(int interval);
  bool FormActive() const { return form_active_; }
  void SetFormActive(bool active);
  int LeftBtnXOffset() const { return left_btn_x_offset_; }
  void SetLeftBtnXOffset(int offset);
  int RightBtnXOffset() const { return right_btn_x_offset_; }
  void SetRightBtnXOffset(int offset);
  bool DrawAppIcon() const { return draw_app_icon_; }
  void SetDrawAppIcon(bool draw);
  // Read by the form's window region; stored only.
  int RoundCorner() const { return round_corner_; }
  void SetRoundCorner(int radius) { round_corner_ = radius; }
  int RoundCornerBottom() const { return round_corner_bottom_; }
  void SetRoundCornerBottom(int radius) { round_corner_bottom_ = radius; }
  TColor InactiveCaptionColor() const { return inactive_caption_color_; }
  void SetInactiveCaptionColor(TColor color);

  TsuiTitleBarButtonClickEvent OnCustomBtnsClick;
  TsuiTitleBarButtonClickEvent OnHelpBtnClick;
  TsuiTitleBarButtonClickEvent2 OnMinClick;
  TsuiTitleBarButtonClickEvent2 OnMaxClick;

  // The off-screen steps of a paint; the image is the control's size and its canvas
  // carries the caption font and a clear brush.
  virtual void PaintSections(Bitmap& image);
  virtual void PaintButtons(Bitmap& image);

  // -1: FrameImage; -2: FrameImageOnBack; k: the picture of section k when there are
  // more than two sections. Anything else answers `unchanged`.
  Bitmap* GetFrameImage(int which, Bitmap* unchanged = nullptr);
  // Exactly three or five sections: the frame can be painted from them.
  bool HasStandardSections() const;
  bool IsOnSkinnedForm() const;
  void UpdateMaxButtonPictures();

  // The window the title bar sits on (the skinned form's host), or null.
  TForm* HostForm() const;
  TsuiTitleBarPopupMenu& PopupMenu() { return *popup_menu_; }
  // The window menu below the title bar's bottom-left corner.
  void PopupWindowMenu();
  // Asks OnMinClick, then minimises the host: the main window through the system
  // command, so that the whole application goes; any other window on its own.
  void MinimizeHost();

  void Notification(TComponent* component, Operation operation) override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;

 private:
  friend class TsuiTitleBarButton;
  void ApplyBuiltInLayout(TsuiUIStyle style);
  void ApplyFileThemeLayout();
  // The host's answer to kFrameInsetQuery.
  int FrameInset();
  void ReleasedOnButton(int index);
  void DoubleClicked();
  void LoadAppIcon();
  std::string FittedCaption(::Canvas& canvas, int space);
  void ClearSectionItems() { sections_.Clear(); }
  TPersistent& AddSectionItem() { return sections_.Add(); }
  void ClearButtonItems() { buttons_.Clear(); }
  TPersistent& AddButtonItem() { return buttons_.Add(); }

  bool custom_ = false;
  TsuiFileTheme* file_theme_ = nullptr;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  bool uses_file_theme_ = false;
  TsuiUIStyle effective_style_ = TsuiUIStyle::DeepBlue;
  bool auto_size_ = false;
  TsuiTitleBarSections sections_;
  TsuiTitleBarButtons buttons_;
  int button_interval_ = 0;
  bool form_active_ = true;
  int left_btn_x_offset_ = 0;
  int right_btn_x_offset_ = 0;
  bool draw_app_icon_ = true;
  int round_corner_ = 0;
  int round_corner_bottom_ = 0;
  TColor inactive_caption_color_ = clInactiveCaption;

  std::unique_ptr<TsuiTitleBarPopupMenu> popup_menu_;
  int hot_button_ = -1;
  bool mouse_is_down_ = false;
  bool five_sections_ = false;
  std::string section_caption_;
  Bitmap frame_image_;
  Bitmap frame_image_on_back_;
  int button_top_ = 0;
  int icon_top_ = 0;
  int caption_top_ = 0;
  TColor back_color_ = clBlack;
  TColor trans_color_ = clBlack;
  bool applying_file_theme_ = false;
  Icon app_icon_;
  bool app_icon_loaded_ = false;
};
