#include "controls/main_menu.h"
#include "frame/form.h"
#include "frame/form_theme_keys.h"
#include "frame/menu_bar.h"
#include "skin/builtin_style_table.h"
#include "skin/file_theme.h"
#include "skin/fill_drawing.h"
#include "skin/menu_setup.h"
#include "skin/style_resolution.h"

namespace keys = form_keys;

namespace {

constexpr TColor kDisabledCaptionColor = 0x808080;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

// The caption a little below the middle of the button, "&" drawn as an underline.
void DrawCaption(::Canvas& canvas, const std::string& caption, RECT rect) {
  rect.top += 2;
  canvas.DrawText(caption, rect, kCaptionFormat);
}

}  // namespace

void TsuiForm::SetMenu(TMainMenu* menu) {
  if (auto* previous = dynamic_cast<TsuiMainMenu*>(menu_)) previous->SetMenuForm(nullptr);
  if (menu_ && menu_ != menu) menu_->RemoveFreeNotification(this);
  menu_ = menu;
  if (!menu) {
    RemoveMenuBar();
    return;
  }
  menu->FreeNotification(this);
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu)) skinned->SetMenuForm(this);
  CreateMenuBar();
  RebuildMenuBar();
  if (title_bar_) title_bar_->SetTop(0);
}

void TsuiForm::CreateMenuBar() {
  if (menu_bar_ || !host_ || HostIsMDIChild()) return;
  menu_bar_ = new TsuiMenuBar(this);
  // Styles first: each of them would make the window anew once it exists.
  menu_bar_->SetFlat(true);
  menu_bar_->SetShowCaptions(true);
  menu_bar_->SetWrapable(true);
  menu_bar_->SetColor(menu_bar_color_);
  menu_bar_->SetHeight(menu_bar_height_);
  menu_bar_->OnCustomDraw = [this](TToolBar*, ::Canvas& canvas, const RECT& strip, bool&) {
    DrawMenuBarBackground(canvas, strip);
  };
  menu_bar_->OnCustomDrawButton = [this](TToolBar*, TToolButton* button, ::Canvas& canvas, const RECT& rect,
                                         TToolButtonDrawState state, bool& draw_default) {
    draw_default = false;
    DrawMenuBarButton(*button, canvas, rect, state);
  };
  // Placed after the title bar among the form's children, so it lines up below it.
  menu_bar_->SetParent(this);
  menu_bar_->SetButtonHeight(menu_bar_height_);
  menu_bar_->SetAutoSize(true);
  if (title_bar_) title_bar_->SetTop(0);
  PaintFrame();
}

void TsuiForm::RemoveMenuBar() {
  if (HostIsMDIChild()) return;
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_)) skinned->SetMenuForm(nullptr);
  if (menu_) menu_->RemoveFreeNotification(this);
  menu_ = nullptr;
  delete menu_bar_;
  menu_bar_ = nullptr;
  PaintFrame();
}

void TsuiForm::RebuildMenuBar() {
  if (!menu_bar_) return;
  if (!menu_) {
    RemoveMenuBar();
    return;
  }
  menu_bar_->SetAutoSize(false);
  if (auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_)) {
    if (skinned->UseSystemFont()) {
      CreateMenuFont(menu_bar_->Font());
    } else {
      menu_bar_->Font().SetSize(skinned->FontSize());
    }
  }
  menu_bar_->ClearButtons();
  const TMenuItem& root = menu_->Items();
  // Last item first, each new button in front: the buttons read in the menu's order.
  for (int i = root.Count() - 1; i >= 0; --i) {
    TToolButton* button = menu_bar_->AddButton(0);
    button->SetGrouped(true);
    button->SetMenuItem(root.Item(i));
    button->SetAutoSize(true);
  }
  menu_bar_->SetAutoSize(true);
  PaintFrame();
}

void TsuiForm::SyncMenuBarItems() {
  if (!menu_bar_) return;
  for (int i = 0; i < menu_bar_->ButtonCount(); ++i) {
    TToolButton* button = menu_bar_->Button(i);
    if (const TMenuItem* item = button->MenuItem()) {
      button->SetCaption(item->Caption());
      button->SetEnabled(item->Enabled());
    }
  }
  menu_bar_->Invalidate();
}

void TsuiForm::UpdateMenuBarFont() {
  auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_);
  if (!menu_bar_ || !skinned) return;
  ::Font& font = menu_bar_->Font();
  if (skinned->UseSystemFont()) {
    CreateMenuFont(font);
  } else {
    font.SetName(skinned->FontName());
    font.SetSize(skinned->FontSize());
    font.SetCharset(skinned->FontCharset());
  }
  menu_bar_->Repaint();
}

int TsuiForm::MenuBarHeight() const { return menu_bar_ && menu_bar_->Visible() ? menu_bar_height_ : 0; }

void TsuiForm::SetMenuBarHeight(int height) {
  menu_bar_height_ = height;
  if (!menu_bar_) return;
  menu_bar_->SetButtonHeight(height);
  menu_bar_->SetHeight(height);
  PaintFrame();
}

void TsuiForm::SetMenuBarColor(TColor color) {
  menu_bar_color_ = color;
  if (menu_bar_) menu_bar_->SetColor(color);
  PaintFrame();
}

void TsuiForm::SetMenuBarToColor(TColor color) {
  menu_bar_to_color_ = color;
  if (menu_bar_) menu_bar_->Repaint();
  PaintFrame();
}

TsuiUIStyle TsuiForm::MenuStyle() const {
  if (const auto* skinned = dynamic_cast<const TsuiMainMenu*>(menu_)) return skinned->UIStyle();
  return ui_style_;
}

TsuiFileTheme* TsuiForm::MenuFileTheme() const {
  if (const auto* skinned = dynamic_cast<const TsuiMainMenu*>(menu_)) return skinned->FileTheme();
  return file_theme_;
}

void TsuiForm::DrawMenuBarBackground(::Canvas& canvas, const RECT& strip) {
  if (MenuStyle() == TsuiUIStyle::MacOS) {
    Bitmap picture;
    picture.LoadFromResourceName(GetModuleHandleA(nullptr), "MACOS_MENU_BAR");
    canvas.StretchDraw(strip, picture);
  } else if (menu_bar_to_color_ != menu_bar_color_) {
    FillGradientVertical(canvas, strip, menu_bar_color_, menu_bar_to_color_);
  } else {
    // The system bar lets the form's client show through; the strip keeps its own colour.
    FillRectColor(canvas, strip, menu_bar_color_);
  }
}

void TsuiForm::DrawMenuBarButton(TToolButton& button, ::Canvas& canvas, const RECT& rect, TToolButtonDrawState state) {
  button.SetTag(0);
  TsuiFileTheme* theme = MenuFileTheme();
  TsuiUIStyle effective = TsuiUIStyle::DeepBlue;
  const bool themed = ResolveUIStyle(theme, MenuStyle(), effective);
  auto* skinned = dynamic_cast<TsuiMainMenu*>(menu_);
  ::Font& font = canvas.Font();
  font.Assign(menu_bar_->Font());
  if (skinned && skinned->UseSystemFont()) {
    CreateMenuFont(font);
  } else if (skinned) {
    font.SetName(skinned->FontName());
    font.SetSize(skinned->FontSize());
    font.SetCharset(skinned->FontCharset());
    font.SetColor(skinned->FontColor());
  }
  const std::string& caption = button.Caption();
  if (state.hot || state.pressed) {
    button.SetTag(TsuiMenuBar::kHotOrPressedMark);
    if (!themed && effective == TsuiUIStyle::MacOS) {
      Bitmap face;
      face.SetSize(rect.right - rect.left, rect.bottom - rect.top);
      Bitmap select;
      select.LoadFromResourceName(GetModuleHandleA(nullptr), "MACOS_MENU_SELECT");
      face.Canvas().StretchDraw({0, 0, face.Width(), face.Height()}, select);
      ::Canvas& face_canvas = face.Canvas();
      face_canvas.Brush().SetStyle(BrushStyle::bsClear);
      face_canvas.Font().Assign(font);
      face_canvas.Font().SetColor(GetBuiltInColor(TsuiUIStyle::MacOS, kMenuSelectedFontColor));
      DrawCaption(face_canvas, caption, {0, 0, face.Width(), face.Height()});
      canvas.Draw(rect.left, rect.top, face);
      return;
    }
    FillRectColor(canvas, rect, themed ? theme->GetColor(keys::kTopSelectedMenuColor)
                                       : GetBuiltInColor(effective, kMenuSelectedColor));
    FrameRectColor(canvas, rect, themed ? theme->GetColor(keys::kTopSelectedMenuBorderColor)
                                        : GetBuiltInColor(effective, kMenuSelectedBorderColor));
    canvas.Brush().SetStyle(BrushStyle::bsClear);
    font.SetColor(themed ? theme->GetColor(keys::kTopSelectedMenuFontColor)
                         : GetBuiltInColor(effective, kMenuSelectedFontColor));
    DrawCaption(canvas, caption, rect);
    return;
  }
  canvas.Brush().SetStyle(BrushStyle::bsClear);
  if (state.disabled || !button.Enabled()) {
    font.SetColor(kDisabledCaptionColor);
  } else {
    font.SetColor(themed ? theme->GetColor(keys::kTopMenuFontColor) : GetBuiltInColor(effective, kMenuFontColor));
  }
  DrawCaption(canvas, caption, rect);
}
