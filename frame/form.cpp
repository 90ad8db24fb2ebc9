#include "frame/form.h"

#include "controls/main_menu.h"
#include "frame/frame_messages.h"
#include "frame/menu_bar.h"
#include "skin/component_styling.h"
#include "skin/file_theme.h"
#include "skin/ui_style_property.h"
#include "toolkit/color_property.h"
#include "toolkit/published_properties.h"

namespace {

// The system's frame flags for "recompute the frame, change nothing else".
constexpr UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
static_assert(kFrameChanged == 0x37);

// The frame queries an MDI child's form puts to the main window (no window of ours answers
// them, so the child falls back to the default thickness).
constexpr UINT kFrameBottomQuery = 0x87D0;
constexpr UINT kFrameLeftQuery = 0x87D1;

constexpr char kAboutAddress[] = "http://www.tarn.cn";

int SaneFrameValue(LRESULT value) { return value < 0 || value > 12 ? 4 : static_cast<int>(value); }

bool IsActiveSkinnedForm(const TComponent* component, const TsuiForm* except) {
  const auto* form = dynamic_cast<const TsuiForm*>(component);
  return form && form != except && form->HostForm() != nullptr;
}

bool HostCarriesSkinnedForm(const TForm& host, const TsuiForm* except) {
  for (const TControl* control : host.Controls()) {
    if (IsActiveSkinnedForm(control, except)) return true;
  }
  for (const TComponent* component : host.Components()) {
    if (IsActiveSkinnedForm(component, except)) return true;
  }
  return false;
}

void SetFrameChanged(HWND window) { SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameChanged); }

}  // namespace

TsuiForm::TsuiForm(TComponent* owner) : TPanel(owner) {
  auto* host = dynamic_cast<TForm*>(owner);
  if (!host || HostCarriesSkinnedForm(*host, this)) return;
  host_ = host;
  TakeOverHost();
}

void TsuiForm::TakeOverHost() {
  // A host whose description is still being read has no window yet. Making it now would
  // turn every control that follows into a window at once, and every property after that
  // into window traffic; the window is taken over when it is made, with everything in it
  // already in its final state.
  take_over_window_pending_ = host_->Loading() && !host_->HandleAllocated();
  if (!take_over_window_pending_) MeasureHostFrame();
  bottom_image_.SetPixelFormat(PixelFormat::pf24bit);
  host_->TWinControl::SetBorderWidth(0);
  saved_bounds_ = host_->BoundsRect();
  created_maximized_ = host_->WindowState() == TWindowState::wsMaximized;

  SetParent(host_);
  title_bar_ = new TsuiTitleBar(this);
  title_bar_->SetParent(this);
  menu_bar_color_ = menu_bar_to_color_ = Color();
  menu_bar_height_ = 22;
  SetUIStyle(TsuiUIStyle::DeepBlue);
  auto_update_sub_ = false;

  SetBevelOuter(TBevelCut::bvNone);
  SetAlign(TAlign::alClient);
  SetCaption(host_->Caption());
  title_bar_wanted_ = true;
  TPanel::SetText(" ");

  host_->SetScaled(false);
  saved_border_style_ = host_->BorderStyle();
  if (saved_border_style_ == TFormBorderStyle::bsNone || saved_border_style_ == TFormBorderStyle::bsSingle ||
      saved_border_style_ == TFormBorderStyle::bsToolWindow) {
    host_->SetBorderStyle(TFormBorderStyle::bsDialog);
  }
  if (!take_over_window_pending_) TakeOverHostWindow();
}

void TsuiForm::TakeOverHostWindow() {
  // The frame change below makes the system measure the frame without the caption.
  StripHostCaptionStyle();
  host_->SetAutoScroll(false);

  saved_window_proc_ = host_->WindowProc;
  host_->WindowProc = [this](TMessage& message) { HostWindowHook(message); };
  app_events_ = std::make_unique<MessageHook>([this](MSG& message, bool& handled) { AppMessageHook(message, handled); });
  SetFrameChanged(host_->Handle());
}

void TsuiForm::MeasureHostFrame() {
  if (HostIsMDIChild()) {
    TForm* main = Application().MainForm();
    const HWND main_window = main && main->HandleAllocated() ? main->Handle() : nullptr;
    frame_bottom_ = SaneFrameValue(main_window ? SendMessageA(main_window, kFrameBottomQuery, 0, 0) : 0);
    frame_left_ = SaneFrameValue(main_window ? SendMessageA(main_window, kFrameLeftQuery, 0, 0) : 0);
    return;
  }
  const HWND window = host_->Handle();
  RECT outer;
  GetWindowRect(window, &outer);
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  frame_bottom_ = SaneFrameValue(outer.bottom - client.bottom);
  frame_left_ = SaneFrameValue(client.left - outer.left);
}

TsuiForm::~TsuiForm() {
  closing_ = true;
  app_events_.reset();
  if (auto* menu = dynamic_cast<TsuiMainMenu*>(menu_); menu && menu->MenuForm() == this) menu->SetMenuForm(nullptr);
  ReleaseHost();
  delete menu_bar_;
  menu_bar_ = nullptr;
  delete title_bar_;
  title_bar_ = nullptr;
}

void TsuiForm::ReleaseHost() {
  if (!host_ || take_over_window_pending_) return;
  host_->WindowProc = saved_window_proc_;
  if (!host_->HandleAllocated()) return;
  const HWND window = host_->Handle();
  SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_CAPTION);
  // The system frame and caption come back whole: a shape cut for the skinned frame
  // would clip them.
  SetWindowRgn(window, nullptr, TRUE);
  given_shape_.reset();
  SetFrameChanged(window);
}

void TsuiForm::RemoveHostCaption() {
  if (StripHostCaptionStyle()) SetFrameChanged(host_->Handle());
}

bool TsuiForm::StripHostCaptionStyle() {
  if (!host_ || !host_->HandleAllocated()) return false;
  const HWND window = host_->Handle();
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  if (!(style & WS_CAPTION)) return false;
  SetWindowLongA(window, GWL_STYLE, style & ~static_cast<LONG>(WS_CAPTION));
  return true;
}

void TsuiForm::RefreshFrame() {
  if (!host_ || !host_->HandleAllocated()) return;
  SetFrameChanged(host_->Handle());
  Repaint();
  PaintFrame();
  UpdateRegion();
}

bool TsuiForm::HostIsMDIChild() const { return host_ && host_->FormStyle() == TFormStyle::fsMDIChild; }

const ClassInfo& TsuiForm::ClassInfo() const {
  static const ::ClassInfo info(
      "TsuiForm", &TPanel::ClassInfo(),
      Concatenate(
          {BooleanProperty<TsuiForm>("TitleBarCustom", &TsuiForm::TitleBarCustom, &TsuiForm::SetTitleBarCustom),
           ReferenceProperty<TsuiForm, TsuiFileTheme>("FileTheme", &TsuiForm::FileTheme, &TsuiForm::SetFileTheme),
           EnumProperty<TsuiForm>("UIStyle", kUIStyleNames, &TsuiForm::UIStyle, &TsuiForm::SetUIStyle),
           BooleanProperty<TsuiForm>("UIStyleAutoUpdateSub", &TsuiForm::UIStyleAutoUpdateSub,
                                     &TsuiForm::SetUIStyleAutoUpdateSub),
           ColorProperty<TsuiForm>("BorderColor", &TsuiForm::BorderColor, &TsuiForm::SetBorderColor),
           IntegerProperty<TsuiForm>("BorderWidth", &TsuiForm::BorderWidth, &TsuiForm::SetBorderWidth),
           BooleanProperty<TsuiForm>("TitleBarVisible", &TsuiForm::TitleBarVisible, &TsuiForm::SetTitleBarVisible),
           StringProperty<TsuiForm>("Caption", &TsuiForm::Caption, &TsuiForm::SetCaption),
           ReferenceProperty<TsuiForm, TPanel>("FormPanel", &TsuiForm::FormPanel, &TsuiForm::SetFormPanel),
           CollectionProperty<TsuiForm>("TitleBarButtons", &TsuiForm::ClearTitleBarButtons,
                                        &TsuiForm::AddTitleBarButton),
           CollectionProperty<TsuiForm>("TitleBarSections", &TsuiForm::ClearTitleBarSections,
                                        &TsuiForm::AddTitleBarSection),
           BooleanProperty<TsuiForm>("TitleBarDrawAppIcon", &TsuiForm::TitleBarDrawAppIcon,
                                     &TsuiForm::SetTitleBarDrawAppIcon),
           ReferenceProperty<TsuiForm, TMainMenu>("Menu", &TsuiForm::Menu, &TsuiForm::SetMenu),
           ColorProperty<TsuiForm>("MenuBarColor", &TsuiForm::MenuBarColor, &TsuiForm::SetMenuBarColor),
           ColorProperty<TsuiForm>("MenuBarToColor", &TsuiForm::MenuBarToColor, &TsuiForm::SetMenuBarToColor),
           IntegerProperty<TsuiForm>("MenuBarHeight", &TsuiForm::MenuBarHeight, &TsuiForm::SetMenuBarHeight),
           IntegerProperty<TsuiForm>("RoundCorner", &TsuiForm::RoundCorner, &TsuiForm::SetRoundCorner),
           IntegerProperty<TsuiForm>("RoundCornerBottom", &TsuiForm::RoundCornerBottom,
                                     &TsuiForm::SetRoundCornerBottom),
           StringProperty<TsuiForm>("Version", &TsuiForm::Version, &TsuiForm::SetVersion),
           StringProperty<TsuiForm>("About", &TsuiForm::About, &TsuiForm::SetAbout),
           ColorProperty<TsuiForm>("InactiveCaptionColor", &TsuiForm::InactiveCaptionColor,
                                   &TsuiForm::SetInactiveCaptionColor),
           EventProperty<TsuiForm, TsuiTitleBarButtonClickEvent>("OnTitleBarCustomBtnsClick",
                                                                 &TsuiForm::SetOnTitleBarCustomBtnsClick),
           EventProperty<TsuiForm, TsuiTitleBarButtonClickEvent>("OnTitleBarHelpBtnClick",
                                                                 &TsuiForm::SetOnTitleBarHelpBtnClick),
           EventProperty<TsuiForm, TsuiTitleBarButtonClickEvent2>("OnTitleBarMinBtnClick",
                                                                  &TsuiForm::SetOnTitleBarMinBtnClick),
           EventProperty<TsuiForm, TsuiTitleBarButtonClickEvent2>("OnTitleBarMaxBtnClick",
                                                                  &TsuiForm::SetOnTitleBarMaxBtnClick)},
          FontProperties<TsuiForm>("Font", &TsuiForm::Font)));
  return info;
}

bool TsuiForm::TitleBarCustom() const { return title_bar_ && title_bar_->Custom(); }

void TsuiForm::SetTitleBarCustom(bool custom) {
  if (title_bar_) title_bar_->SetCustom(custom);
}

void TsuiForm::SetBorderColor(TColor color) {
  border_color_ = color;
  PaintFrame();
}

void TsuiForm::SetBorderWidth(int width) {
  border_width_ = width;
  PaintFrame();
}

bool TsuiForm::TitleBarVisible() const { return title_bar_ && title_bar_->Visible(); }

void TsuiForm::SetTitleBarVisible(bool visible) {
  if (!title_bar_ || visible == title_bar_->Visible()) return;
  if (!toggling_title_bar_) title_bar_wanted_ = visible;
  title_bar_->SetVisible(visible);
  title_bar_->SetTop(0);
  PaintFrame();
  // The corners are rounded only under a title bar.
  UpdateRegion();
}

int TsuiForm::TitleBarTotalHeight() const { return TitleBarVisible() ? title_bar_->Height() + 3 : 0; }

const std::string& TsuiForm::Caption() const {
  static const std::string kNone;
  return title_bar_ ? title_bar_->Caption() : kNone;
}

void TsuiForm::SetCaption(const std::string& caption) {
  if (!title_bar_) return;
  title_bar_->SetCaption(caption);
  host_->SetCaption(caption);
}

void TsuiForm::SetFormPanel(TPanel* panel) {
  if (panel == this) {
    Application().MessageBox("Sorry, you can't select the Form assign to FormPanel property");
    return;
  }
  if (form_panel_ && form_panel_ != panel) form_panel_->RemoveFreeNotification(this);
  form_panel_ = panel;
  if (!panel) return;
  panel->FreeNotification(this);
  panel->SetAlign(TAlign::alClient);
  if (panel->ClassName() == "TPanel") {
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->TWinControl::SetBorderWidth(0);
    panel->SetCaption("");
  }
}

TsuiTitleBarButtons* TsuiForm::TitleBarButtons() const { return title_bar_ ? &title_bar_->Buttons() : nullptr; }

void TsuiForm::SetTitleBarButtons(const TsuiTitleBarButtons& buttons) {
  if (title_bar_) title_bar_->SetButtons(buttons);
}

TsuiTitleBarSections* TsuiForm::TitleBarSections() const { return title_bar_ ? &title_bar_->Sections() : nullptr; }

void TsuiForm::SetTitleBarSections(const TsuiTitleBarSections& sections) {
  if (title_bar_) title_bar_->SetSections(sections);
}

void TsuiForm::ClearTitleBarButtons() { title_bar_->Buttons().Clear(); }
TPersistent& TsuiForm::AddTitleBarButton() { return title_bar_->Buttons().Add(); }
void TsuiForm::ClearTitleBarSections() { title_bar_->Sections().Clear(); }
TPersistent& TsuiForm::AddTitleBarSection() { return title_bar_->Sections().Add(); }

bool TsuiForm::TitleBarDrawAppIcon() const { return !title_bar_ || title_bar_->DrawAppIcon(); }

void TsuiForm::SetTitleBarDrawAppIcon(bool draw) {
  if (title_bar_) title_bar_->SetDrawAppIcon(draw);
}

::Font& TsuiForm::Font() { return title_bar_ ? title_bar_->Font() : no_title_bar_font_; }

TColor TsuiForm::InactiveCaptionColor() const {
  return title_bar_ ? title_bar_->InactiveCaptionColor() : clInactiveCaption;
}

void TsuiForm::SetInactiveCaptionColor(TColor color) {
  if (title_bar_) title_bar_->SetInactiveCaptionColor(color);
}

int TsuiForm::RoundCorner() const { return TitleBarVisible() ? title_bar_->RoundCorner() : 0; }

void TsuiForm::SetRoundCorner(int radius) {
  if (!title_bar_) return;
  title_bar_->SetRoundCorner(radius);
  UpdateRegion();
}

int TsuiForm::RoundCornerBottom() const { return TitleBarVisible() ? title_bar_->RoundCornerBottom() : 0; }

void TsuiForm::SetRoundCornerBottom(int radius) {
  if (!title_bar_) return;
  title_bar_->SetRoundCornerBottom(radius);
  UpdateRegion();
}

std::string TsuiForm::About() const { return kAboutAddress; }

TsuiTitleBarButtonClickEvent TsuiForm::OnTitleBarCustomBtnsClick() const {
  return title_bar_ ? title_bar_->OnCustomBtnsClick : nullptr;
}
void TsuiForm::SetOnTitleBarCustomBtnsClick(TsuiTitleBarButtonClickEvent handler) {
  if (title_bar_) title_bar_->OnCustomBtnsClick = std::move(handler);
}
TsuiTitleBarButtonClickEvent TsuiForm::OnTitleBarHelpBtnClick() const {
  return title_bar_ ? title_bar_->OnHelpBtnClick : nullptr;
}
void TsuiForm::SetOnTitleBarHelpBtnClick(TsuiTitleBarButtonClickEvent handler) {
  if (title_bar_) title_bar_->OnHelpBtnClick = std::move(handler);
}
TsuiTitleBarButtonClickEvent2 TsuiForm::OnTitleBarMinBtnClick() const {
  return title_bar_ ? title_bar_->OnMinClick : nullptr;
}
void TsuiForm::SetOnTitleBarMinBtnClick(TsuiTitleBarButtonClickEvent2 handler) {
  if (title_bar_) title_bar_->OnMinClick = std::move(handler);
}
TsuiTitleBarButtonClickEvent2 TsuiForm::OnTitleBarMaxBtnClick() const {
  return title_bar_ ? title_bar_->OnMaxClick : nullptr;
}
void TsuiForm::SetOnTitleBarMaxBtnClick(TsuiTitleBarButtonClickEvent2 handler) {
  if (title_bar_) title_bar_->OnMaxClick = std::move(handler);
}

void TsuiForm::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove && component && host_) {
    if (component == form_panel_) form_panel_ = nullptr;
    if (component == menu_) {
      // The menu is on its way out: it is not asked anything any more.
      menu_ = nullptr;
      RemoveMenuBar();
    }
    if (component == file_theme_) {
      file_theme_ = nullptr;
      ApplyStyleToChildren(*this, TsuiUIStyle::DeepBlue, nullptr);
      SetUIStyle(TsuiUIStyle::DeepBlue);
    }
  }
  TPanel::Notification(component, operation);
}

void TsuiForm::Loaded() {
  TPanel::Loaded();
  if (HostIsMDIChild()) UpdateRegion();
}

void TsuiForm::CreateWnd() {
  // Ours is made among the host's children, so the host's window has just been made. It is
  // taken over before ours is made: losing its caption changes the client area that we
  // fill, and so we are made at our final size instead of made and resized.
  if (take_over_window_pending_ && host_->HandleAllocated()) TakeOverPendingHostWindow();
  TPanel::CreateWnd();
}

void TsuiForm::CreateHandleDone() {
  TPanel::CreateHandleDone();
  if (take_over_window_pending_) TakeOverPendingHostWindow();
}

void TsuiForm::TakeOverPendingHostWindow() {
  // The host is not shown yet: its frame is measured and it paints when it appears; only
  // its shape has to be ready before that.
  take_over_window_pending_ = false;
  MeasureHostFrame();
  TakeOverHostWindow();
  UpdateRegion();
}

void TsuiForm::ColorChanged() {
  TPanel::ColorChanged();
  PaintFrame();
}

void TsuiForm::WndProc(TMessage& message) {
  if (message.msg == CM_TITLE_FRAME_CHANGED) {
    PaintFrame();
    return;
  }
  TPanel::WndProc(message);
}
