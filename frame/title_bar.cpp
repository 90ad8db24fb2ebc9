#include "frame/title_bar.h"

#include <windows.h>

#include "frame/frame_messages.h"
#include "frame/title_bar_popup_menu.h"
#include "frame/title_bar_theme_keys.h"
#include "skin/builtin_bitmaps.h"
#include "skin/file_theme.h"
#include "skin/style_resolution.h"
#include "skin/ui_style_property.h"
#include "toolkit/application.h"
#include "toolkit/color_property.h"

namespace keys = title_bar_keys;

TsuiTitleBar::TsuiTitleBar(TComponent* owner)
    : TCustomControl(owner),
      ui_style_(GetFormUIStyle(owner)),
      sections_(this, [this] { Repaint(); }),
      buttons_(this),
      popup_menu_(std::make_unique<TsuiTitleBarPopupMenu>(*this)) {
  Font().SetName("Tahoma");
  Font().SetBold(true);
  Font().SetColor(clWhite);
  SetAlign(TAlign::alTop);
  for (const auto type : {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose,
                          TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin}) {
    buttons_.Add().SetButtonType(type);
  }
  SetUIStyle(ui_style_);
}

TsuiTitleBar::~TsuiTitleBar() {
  if (file_theme_) file_theme_->RemoveFreeNotification(this);
  for (int i = 0; i < buttons_.Count(); ++i) {
    if (TPopupMenu* menu = buttons_.Item(i).ControlBoxMenu()) menu->RemoveFreeNotification(this);
  }
}

const ClassInfo& TsuiTitleBar::ClassInfo() const {
  static const ::ClassInfo info(
      "TsuiTitleBar", &TCustomControl::ClassInfo(),
      {BooleanProperty<TsuiTitleBar>("Custom", &TsuiTitleBar::Custom, &TsuiTitleBar::SetCustom),
       ReferenceProperty<TsuiTitleBar, TsuiFileTheme>("FileTheme", &TsuiTitleBar::FileTheme,
                                                      &TsuiTitleBar::SetFileTheme),
       EnumProperty<TsuiTitleBar>("UIStyle", kUIStyleNames, &TsuiTitleBar::UIStyle, &TsuiTitleBar::SetUIStyle),
       BooleanProperty<TsuiTitleBar>("AutoSize", &TsuiTitleBar::AutoSize, &TsuiTitleBar::SetAutoSize),
       CollectionProperty<TsuiTitleBar>("Sections", &TsuiTitleBar::ClearSectionItems, &TsuiTitleBar::AddSectionItem),
       CollectionProperty<TsuiTitleBar>("Buttons", &TsuiTitleBar::ClearButtonItems, &TsuiTitleBar::AddButtonItem),
       IntegerProperty<TsuiTitleBar>("ButtonInterval", &TsuiTitleBar::ButtonInterval,
                                     &TsuiTitleBar::SetButtonInterval),
       BooleanProperty<TsuiTitleBar>("FormActive", &TsuiTitleBar::FormActive, &TsuiTitleBar::SetFormActive),
       IntegerProperty<TsuiTitleBar>("LeftBtnXOffset", &TsuiTitleBar::LeftBtnXOffset,
                                     &TsuiTitleBar::SetLeftBtnXOffset),
       IntegerProperty<TsuiTitleBar>("RightBtnXOffset", &TsuiTitleBar::RightBtnXOffset,
                                     &TsuiTitleBar::SetRightBtnXOffset),
       BooleanProperty<TsuiTitleBar>("DrawAppIcon", &TsuiTitleBar::DrawAppIcon, &TsuiTitleBar::SetDrawAppIcon),
       IntegerProperty<TsuiTitleBar>("RoundCorner", &TsuiTitleBar::RoundCorner, &TsuiTitleBar::SetRoundCorner),
       IntegerProperty<TsuiTitleBar>("RoundCornerBottom", &TsuiTitleBar::RoundCornerBottom,
                                     &TsuiTitleBar::SetRoundCornerBottom),
       ColorProperty<TsuiTitleBar>("InactiveCaptionColor", &TsuiTitleBar::InactiveCaptionColor,
                                   &TsuiTitleBar::SetInactiveCaptionColor),
       EventMember<TsuiTitleBar, TsuiTitleBarButtonClickEvent>("OnCustomBtnsClick", &TsuiTitleBar::OnCustomBtnsClick),
       EventMember<TsuiTitleBar, TsuiTitleBarButtonClickEvent>("OnHelpBtnClick", &TsuiTitleBar::OnHelpBtnClick),
       EventMember<TsuiTitleBar, TsuiTitleBarButtonClickEvent2>("OnMinClick", &TsuiTitleBar::OnMinClick),
       EventMember<TsuiTitleBar, TsuiTitleBarButtonClickEvent2>("OnMaxClick", &TsuiTitleBar::OnMaxClick)});
  return info;
}

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* theme) {
  if (file_theme_ && file_theme_ != theme) file_theme_->RemoveFreeNotification(this);
  file_theme_ = theme;
  if (theme) theme->FreeNotification(this);
  applying_file_theme_ = true;
  SetUIStyle(ui_style_);
  applying_file_theme_ = false;
}

void TsuiTitleBar::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  if (custom_) return;
  sections_.Clear();
  uses_file_theme_ = ResolveUIStyle(file_theme_, style, effective_style_);
  if (uses_file_theme_) {
    ApplyFileThemeLayout();
  } else {
    ApplyBuiltInLayout(effective_style_);
  }
  for (int i = 0; i < buttons_.Count(); ++i) buttons_.Item(i).SetUIStyle(effective_style_);
  popup_menu_->SetUIStyle(effective_style_);
  popup_menu_->SetFileTheme(file_theme_);
  if (!applying_file_theme_) {
    if (style == TsuiUIStyle::MacOS) {
      Font().SetColor(clBlack);
    } else if (uses_file_theme_) {
      Font().SetColor(file_theme_->GetColor(keys::kTitleFontColor));
    } else {
      Font().SetColor(clWhite);
    }
  }
  SetAutoSize(true);
  Repaint();
}

void TsuiTitleBar::ApplyBuiltInLayout(TsuiUIStyle style) {
  struct Part {
    int element;
    TsuiTitleBarAlign align;
    bool auto_size;
  };
  for (const Part part : {Part{kTitleLeftImage, TsuiTitleBarAlign::suiLeft, true},
                          Part{kTitleRightImage, TsuiTitleBarAlign::suiRight, true},
                          Part{kTitleClientImage, TsuiTitleBarAlign::suiClient, false}}) {
    TsuiTitleBarSection& section = sections_.Add();
    Picture picture;
    LoadBuiltInBitmap(style, part.element, &picture.Bitmap());
    section.SetPicture(picture);
    if (part.auto_size) section.SetAutoSize(true);
    section.SetAlign(part.align);
  }
  left_btn_x_offset_ = GetBuiltInInteger(style, kTitleLeftButtonOffsetX);
  right_btn_x_offset_ = GetBuiltInInteger(style, kTitleRightButtonOffsetX);
  button_top_ = GetBuiltInInteger(style, kTitleButtonTop) - (IsOnSkinnedForm() ? 3 : 0);
  icon_top_ = button_top_;
  back_color_ = clBlack;
  if (TForm* host = HostForm()) {
    host->SetMinWidth(GetBuiltInInteger(style, kFormMinWidth));
    host->SetMinHeight(50);
  }
  round_corner_ = GetBuiltInInteger(style, kFormRoundCorner);
  round_corner_bottom_ = 0;
}

void TsuiTitleBar::ApplyFileThemeLayout() {
  TsuiFileTheme& theme = *file_theme_;
  five_sections_ = theme.GetBoolean(keys::kFiveSections);
  trans_color_ = theme.GetColor(keys::kTransColor);
  const auto add = [&](int number) -> TsuiTitleBarSection& {
    TsuiTitleBarSection& section = sections_.Add();
    Picture picture;
    picture.SetBitmap(theme.GetBitmap(keys::kTitleBar1 + number - 1));
    section.SetPicture(picture);
    return section;
  };
  add(1).SetAutoSize(true);
  TsuiTitleBarSection& second = add(2);
  if (five_sections_) {
    second.SetCapSec(true);
  } else {
    second.SetAlign(TsuiTitleBarAlign::suiClient);
  }
  TsuiTitleBarSection& third = add(3);
  third.SetAutoSize(true);
  if (!five_sections_) third.SetAlign(TsuiTitleBarAlign::suiRight);
  if (five_sections_) {
    add(4).SetAlign(TsuiTitleBarAlign::suiClient);
    TsuiTitleBarSection& fifth = add(5);
    fifth.SetAutoSize(true);
    fifth.SetAlign(TsuiTitleBarAlign::suiRight);
  }
  left_btn_x_offset_ = theme.GetInteger(keys::kIconPosX);
  right_btn_x_offset_ = theme.GetInteger(keys::kButtonPosX);
  Bitmap* strip = theme.GetBitmap(keys::kTitleButtons);
  if (strip) strip->SetPixelFormat(PixelFormat::pf24bit);
  button_top_ = theme.GetInteger(keys::kButtonPosY);
  icon_top_ = theme.GetInteger(keys::kIconPosY);
  caption_top_ = theme.GetInteger(keys::kCaptionTop);
  back_color_ = theme.GetColor(keys::kFormColor);
  if (IsOnSkinnedForm()) {
    button_top_ -= 3;
    icon_top_ -= 3;
  }
  if (TForm* host = HostForm()) {
    const auto width_of = [&](int number) {
      const Bitmap* picture = theme.GetBitmap(keys::kTitleBar1 + number - 1);
      return picture ? picture->Width() : 0;
    };
    // A right cap also has to hold the button row.
    const auto right_part = [&](int number) {
      const int button_width = strip ? strip->Width() / 18 : 0;
      return std::max(width_of(number), button_width * buttons_.Count() + right_btn_x_offset_);
    };
    host->SetMinWidth(five_sections_ ? width_of(1) + width_of(3) + right_part(5) + 16 : width_of(1) + right_part(3));
  }
}

void TsuiTitleBar::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (sections_.Count() == 0) {
    auto_size_ = false;
    return;
  }
  SetHeight(std::max(sections_.Item(0).Picture().Height() - (IsOnSkinnedForm() ? 3 : 0), 0));
}

void TsuiTitleBar::SetSections(const TsuiTitleBarSections& sections) {
  sections_.Assign(sections);
  Repaint();
}

void TsuiTitleBar::SetButtons(const TsuiTitleBarButtons& buttons) {
  buttons_.Assign(buttons);
  Repaint();
}

void TsuiTitleBar::SetButtonInterval(int interval) {
  button_interval_ = interval;
  Repaint();
}

void TsuiTitleBar::SetFormActive(bool active) {
  form_active_ = active;
  Repaint();
}

void TsuiTitleBar::SetLeftBtnXOffset(int offset) {
  left_btn_x_offset_ = offset;
  Repaint();
}

void TsuiTitleBar::SetRightBtnXOffset(int offset) {
  right_btn_x_offset_ = offset;
  Repaint();
}

void TsuiTitleBar::SetDrawAppIcon(bool draw) {
  draw_app_icon_ = draw;
  Repaint();
}

void TsuiTitleBar::SetInactiveCaptionColor(TColor color) {
  inactive_caption_color_ = color;
  Repaint();
}

Bitmap* TsuiTitleBar::GetFrameImage(int which, Bitmap* unchanged) {
  if (which == -1) return &frame_image_;
  if (which == -2) return &frame_image_on_back_;
  if (which >= 0 && which < sections_.Count() && sections_.Count() > 2) {
    if (Bitmap* picture = sections_.Item(which).PictureBitmap()) return picture;
  }
  return unchanged;
}

bool TsuiTitleBar::HasStandardSections() const { return sections_.Count() == 3 || sections_.Count() == 5; }

bool TsuiTitleBar::IsOnSkinnedForm() const {
  const TWinControl* parent = Parent();
  return parent && (parent->ClassName() == "TsuiForm" || parent->ClassInfo().InheritsFrom("TsuiForm"));
}

void TsuiTitleBar::UpdateMaxButtonPictures() {
  for (int i = 0; i < buttons_.Count(); ++i) {
    if (buttons_.Item(i).ButtonType() == TsuiTitleBarBtnType::suiMax) buttons_.Item(i).UpdateMaxPicture();
  }
}

TForm* TsuiTitleBar::HostForm() const {
  for (TWinControl* parent = Parent(); parent; parent = parent->Parent()) {
    if (auto* form = dynamic_cast<TForm*>(parent)) return form;
  }
  return nullptr;
}

int TsuiTitleBar::FrameInset() {
  TForm* host = HostForm();
  if (!host || !host->HandleAllocated()) return 0;
  return static_cast<int>(SendMessageA(host->Handle(), kFrameInsetQuery, 0, 0));
}

void TsuiTitleBar::PopupWindowMenu() {
  POINT corner{0, Height()};
  if (HandleAllocated()) ClientToScreen(Handle(), &corner);
  popup_menu_->Popup(corner.x, corner.y);
}

void TsuiTitleBar::MinimizeHost() {
  bool allow = true;
  if (OnMinClick) OnMinClick(this, allow);
  TForm* host = HostForm();
  if (!allow || !host) return;
  if (host == Application().MainForm()) {
    SendMessageA(host->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else {
    host->SetWindowState(TWindowState::wsMinimized);
  }
}

void TsuiTitleBar::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove && component) {
    for (int i = 0; i < buttons_.Count(); ++i) {
      TsuiTitleBarButton& button = buttons_.Item(i);
      if (button.ControlBoxMenu() == component) button.ForgetControlBoxMenu();
    }
    if (component == file_theme_) {
      file_theme_ = nullptr;
      SetUIStyle(TsuiUIStyle::DeepBlue);
    }
  }
  TCustomControl::Notification(component, operation);
}
