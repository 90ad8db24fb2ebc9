#include "frame/title_bar_buttons.h"

#include <windows.h>

#include "frame/title_bar.h"
#include "frame/title_bar_theme_keys.h"
#include "skin/builtin_bitmaps.h"
#include "skin/file_theme.h"
#include "skin/form_state.h"
#include "skin/strip_drawing.h"
#include "skin/style_resolution.h"
#include "skin/ui_style_property.h"
#include "toolkit/application.h"
#include "toolkit/menu.h"
#include "toolkit/system_locale.h"

namespace keys = title_bar_keys;

namespace {

constexpr char kSecondControlBox[] = "Sorry, only one button's ButtonType property can be \"suiControlBox\"";

constexpr int kStripFrames = 18;
constexpr int kRestoreFrames = 10;
// The first of the three frames (normal, mouse on, mouse down) of each type; a custom
// button has none.
constexpr int kNoFrames = 0;
int FirstFrame(TsuiTitleBarBtnType type) {
  switch (type) {
    case TsuiTitleBarBtnType::suiControlBox: return 1;
    case TsuiTitleBarBtnType::suiHelp: return 4;
    case TsuiTitleBarBtnType::suiMax: return 7;
    case TsuiTitleBarBtnType::suiMin: return 13;
    case TsuiTitleBarBtnType::suiClose: return 16;
    case TsuiTitleBarBtnType::suiCustom: break;
  }
  return kNoFrames;
}

bool IsMaximized(const TForm* host) { return host && host->WindowState() == TWindowState::wsMaximized; }

}  // namespace

TsuiTitleBarButton::TsuiTitleBarButton(TsuiTitleBarButtons& collection) : collection_(collection) {}

const ClassInfo& TsuiTitleBarButton::ClassInfo() const {
  using B = TsuiTitleBarButton;
  static const ::ClassInfo info(
      "TsuiTitleBarButton", nullptr,
      {EnumProperty<B>("UIStyle", kUIStyleNames, &B::UIStyle, &B::SetUIStyle),
       EnumProperty<B>("ButtonType", kTitleBarBtnTypeNames, &B::ButtonType, &B::SetButtonType),
       BooleanProperty<B>("Transparent", &B::Transparent, &B::SetTransparent),
       IntegerProperty<B>("Top", &B::Top, &B::SetTop),
       ReferenceProperty<B, TPopupMenu>("ControlBoxMenu", &B::ControlBoxMenu, &B::SetControlBoxMenu),
       BooleanProperty<B>("Visible", &B::Visible, &B::SetVisible),
       PictureProperty<B>("PicNormal", &B::SetPicNormalFromBmpBytes, &B::SetPicNormalFromResource),
       PictureProperty<B>("PicMouseOn", &B::SetPicMouseOnFromBmpBytes, &B::SetPicMouseOnFromResource),
       PictureProperty<B>("PicMouseDown", &B::SetPicMouseDownFromBmpBytes, &B::SetPicMouseDownFromResource)});
  return info;
}

TsuiTitleBar* TsuiTitleBarButton::TitleBar() const { return collection_.Owner(); }

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  LoadStylePictures();
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type) {
  if (type == TsuiTitleBarBtnType::suiControlBox) {
    for (int i = 0; i < collection_.Count(); ++i) {
      if (collection_.Item(i).ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
        Application().MessageBox(kSecondControlBox);
        return;
      }
    }
  }
  button_type_ = type;
  LoadStylePictures();
}

void TsuiTitleBarButton::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Changed();
}

void TsuiTitleBarButton::SetTop(int top) {
  top_ = top;
  Changed();
}

void TsuiTitleBarButton::SetControlBoxMenu(TPopupMenu* menu) {
  TsuiTitleBar* title_bar = TitleBar();
  if (title_bar && control_box_menu_ && control_box_menu_ != menu) control_box_menu_->RemoveFreeNotification(title_bar);
  control_box_menu_ = menu;
  // The title bar forgets the menu for us when it is freed.
  if (title_bar && menu) menu->FreeNotification(title_bar);
}

void TsuiTitleBarButton::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void TsuiTitleBarButton::SetPicNormal(const Picture& picture) {
  pic_normal_.Assign(picture);
  Changed();
}

void TsuiTitleBarButton::SetPicMouseOn(const Picture& picture) {
  pic_mouse_on_.Assign(picture);
  Changed();
}

void TsuiTitleBarButton::SetPicMouseDown(const Picture& picture) {
  pic_mouse_down_.Assign(picture);
  Changed();
}

void TsuiTitleBarButton::LoadResource(Picture& picture, const std::string& name) {
  Bitmap loaded;
  loaded.LoadFromResourceName(GetModuleHandleA(nullptr), name);
  picture.SetBitmap(&loaded);
}

void TsuiTitleBarButton::SetPicNormalFromBmpBytes(std::span<const std::uint8_t> file) {
  pic_normal_.LoadFromBmpBytes(file);
  Changed();
}

void TsuiTitleBarButton::SetPicNormalFromResource(const std::string& name) {
  LoadResource(pic_normal_, name);
  Changed();
}

void TsuiTitleBarButton::SetPicMouseOnFromBmpBytes(std::span<const std::uint8_t> file) {
  pic_mouse_on_.LoadFromBmpBytes(file);
  Changed();
}

void TsuiTitleBarButton::SetPicMouseOnFromResource(const std::string& name) {
  LoadResource(pic_mouse_on_, name);
  Changed();
}

void TsuiTitleBarButton::SetPicMouseDownFromBmpBytes(std::span<const std::uint8_t> file) {
  pic_mouse_down_.LoadFromBmpBytes(file);
  Changed();
}

void TsuiTitleBarButton::SetPicMouseDownFromResource(const std::string& name) {
  LoadResource(pic_mouse_down_, name);
  Changed();
}

bool TsuiTitleBarButton::HasAllPictures() const {
  return pic_normal_.HasImage() && pic_mouse_on_.HasImage() && pic_mouse_down_.HasImage();
}

void TsuiTitleBarButton::LoadStylePictures() {
  const TsuiTitleBar* title_bar = TitleBar();
  TsuiFileTheme* theme = title_bar ? title_bar->FileTheme() : nullptr;
  TsuiUIStyle effective;
  const bool from_theme = ResolveUIStyle(theme, ui_style_, effective);
  transparent_ = from_theme ? theme->GetBoolean(keys::kButtonsTransparent)
                            : GetBuiltInBoolean(effective, kTitleButtonsTransparent);
  if (button_type_ != TsuiTitleBarBtnType::suiCustom) {
    LoadFrames(FirstFrame(button_type_));
    top_ = from_theme ? theme->GetInteger(keys::kButtonPosY) : GetBuiltInInteger(effective, kTitleButtonTop);
    if (button_type_ == TsuiTitleBarBtnType::suiMax) UpdateMaxPicture();
  }
  Changed();
}

void TsuiTitleBarButton::UpdateMaxPicture() {
  if (button_type_ != TsuiTitleBarBtnType::suiMax) return;
  const TsuiTitleBar* title_bar = TitleBar();
  if (title_bar && title_bar->Custom()) return;
  LoadFrames(IsMaximized(title_bar ? title_bar->HostForm() : nullptr) ? kRestoreFrames
                                                                       : FirstFrame(TsuiTitleBarBtnType::suiMax));
  Changed();
}

void TsuiTitleBarButton::LoadFrames(int first_frame) {
  const TsuiTitleBar* title_bar = TitleBar();
  TsuiFileTheme* theme = title_bar ? title_bar->FileTheme() : nullptr;
  TsuiUIStyle effective;
  const bool from_theme = ResolveUIStyle(theme, ui_style_, effective);
  Picture* const pictures[] = {&pic_normal_, &pic_mouse_on_, &pic_mouse_down_};
  if (from_theme) {
    for (int k = 0; k < 3; ++k) {
      theme->CopyThemeBitmap(keys::kTitleButtons, pictures[k]->Bitmap(), first_frame + k, kStripFrames);
    }
    return;
  }
  // The style's strip is loaded once for the three frames.
  Bitmap strip;
  LoadBuiltInBitmap(effective, kTitleButtonsImage, &strip);
  for (int k = 0; k < 3; ++k) ExtractStripFrame(strip, pictures[k]->Bitmap(), kStripFrames, first_frame + k);
}

void TsuiTitleBarButton::Click() {
  TsuiTitleBar* title_bar = TitleBar();
  TForm* host = title_bar ? title_bar->HostForm() : nullptr;
  if (!host) return;
  switch (button_type_) {
    case TsuiTitleBarBtnType::suiMax: {
      bool allow = true;
      if (title_bar->OnMaxClick) title_bar->OnMaxClick(title_bar, allow);
      if (!allow) return;
      if (IsMaximized(host)) {
        host->SetWindowState(TWindowState::wsNormal);
      } else {
        host->SetWindowState(TWindowState::wsMaximized);
        // A skinned form puts its maximised host there itself, after the size change.
        if (!title_bar->IsOnSkinnedForm()) {
          RECT area;
          GetWorkArea(area);
          SetBoundsFromRect(*host, {area.left - 2, area.top - 2, area.right + 2, area.bottom - 1});
        }
      }
      UpdateMaxPicture();
      break;
    }
    case TsuiTitleBarBtnType::suiMin:
      title_bar->MinimizeHost();
      break;
    case TsuiTitleBarBtnType::suiClose:
      host->Close();
      break;
    case TsuiTitleBarBtnType::suiControlBox: {
      if (!control_box_menu_) break;
      const bool mirrored = title_bar->UseRightToLeftReading() && SystemLocaleReadsRightToLeft();
      POINT corner{mirrored ? 176 : 0, title_bar->Height()};
      if (title_bar->HandleAllocated()) ClientToScreen(title_bar->Handle(), &corner);
      control_box_menu_->Popup(std::max<LONG>(corner.x, 0), corner.y);
      break;
    }
    case TsuiTitleBarBtnType::suiHelp:
    case TsuiTitleBarBtnType::suiCustom:
      break;
  }
}

void TsuiTitleBarButton::Assign(const TsuiTitleBarButton& other) {
  if (&other == this) return;
  SetVisible(other.Visible());
  // Setting a control box again would count this button as the second one.
  if (other.ButtonType() != button_type_) SetButtonType(other.ButtonType());
  SetTransparent(other.Transparent());
  SetTop(other.Top());
  SetUIStyle(other.UIStyle());
  SetPicNormal(other.PicNormal());
  SetPicMouseOn(other.PicMouseOn());
  SetPicMouseDown(other.PicMouseDown());
  SetControlBoxMenu(other.ControlBoxMenu());
}

void TsuiTitleBarButton::Changed() { collection_.Changed(); }

TsuiTitleBarButtons::TsuiTitleBarButtons(TsuiTitleBar* title_bar) : title_bar_(title_bar) {}

int TsuiTitleBarButtons::IndexOf(const TsuiTitleBarButton& button) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == &button) return static_cast<int>(i);
  }
  return -1;
}

TsuiTitleBarButton& TsuiTitleBarButtons::Add() {
  items_.push_back(std::make_unique<TsuiTitleBarButton>(*this));
  Changed();
  return *items_.back();
}

void TsuiTitleBarButtons::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TsuiTitleBarButtons::Assign(const TsuiTitleBarButtons& other) {
  if (&other == this) return;
  Clear();
  for (const auto& item : other.items_) Add().Assign(*item);
}

void TsuiTitleBarButtons::Changed() {
  if (title_bar_) title_bar_->Repaint();
}
