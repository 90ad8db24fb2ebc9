#include "controls/main_menu.h"
#include "frame/form.h"
#include "frame/form_theme_keys.h"
#include "frame/menu_bar.h"
#include "skin/builtin_style_table.h"
#include "skin/component_styling.h"
#include "skin/file_theme.h"
#include "skin/form_state.h"
#include "skin/style_resolution.h"

namespace keys = form_keys;

void TsuiForm::SetUIStyle(TsuiUIStyle style) {
  ui_style_ = style;
  if (!host_) return;
  const RECT host_bounds = host_->BoundsRect();
  uses_file_theme_ = ResolveUIStyle(file_theme_, style, effective_style_);
  if (uses_file_theme_) {
    ApplyFileThemeStyle();
  } else {
    ApplyBuiltInStyle(effective_style_);
  }
  // Setting the theme re-applies the title bar's style on its own; the style is applied
  // right after anyway, so the theme is only handed over when it changes.
  if (title_bar_->FileTheme() != file_theme_) title_bar_->SetFileTheme(file_theme_);
  title_bar_->SetUIStyle(style);
  if (uses_file_theme_ && title_needs_region_) {
    // The region and the frame are cut from the title picture as the title bar has just
    // drawn it for the new theme.
    Bitmap* frame_image = title_bar_->GetFrameImage(-1);
    frame_image->SetTransparentColor(region_trans_color_);
    frame_image->SetTransparent(true);
    title_bar_->Repaint();
  }
  if (auto* menu = dynamic_cast<TsuiMainMenu*>(menu_)) {
    menu->SetUIStyle(style);
    menu->SetFileTheme(file_theme_);
  }
  if (menu_bar_) {
    menu_bar_->SetColor(menu_bar_color_);
    menu_bar_->Invalidate();
  }
  if (auto_update_sub_) ApplyStyleToChildren(*this, style, file_theme_);
  if (HostIsMDIChild()) SetBoundsFromRect(*host_, host_bounds);
  RefreshFrame();
  host_->SetMinHeight(MenuBarHeight() + title_bar_->Height() + bottom_border_height_ + 3);
}

void TsuiForm::ApplyBuiltInStyle(TsuiUIStyle style) {
  title_bar_->SetRoundCornerBottom(0);
  left_border_width_ = right_border_width_ = bottom_border_height_ = 0;
  title_needs_region_ = bottom_needs_region_ = false;
  region_trans_color_ = 0xFF00FF;
  border_color_ = GetBuiltInColor(style, kFormBorderColor);
  border_width_ = GetBuiltInInteger(style, kFormBorderWidth);
  SetColor(GetBuiltInColor(style, kFormColor));
  menu_bar_color_ = menu_bar_to_color_ = Color();
  title_bar_->SetRoundCorner(GetBuiltInInteger(style, kFormRoundCorner));
}

void TsuiForm::ApplyFileThemeStyle() {
  TsuiFileTheme& theme = *file_theme_;
  SetColor(theme.GetColor(keys::kFormColor));
  menu_bar_color_ = theme.GetColor(keys::kMenuBarStartColor);
  menu_bar_to_color_ = theme.GetColor(keys::kMenuBarEndColor);
  const auto width_of = [&](int key) {
    const Bitmap* picture = theme.GetBitmap(key);
    return picture ? picture->Width() : 0;
  };
  left_border_width_ = width_of(keys::kLeftBorder);
  right_border_width_ = width_of(keys::kRightBorder);
  const Bitmap* bottom = theme.GetBitmap(keys::kBottomBorder1);
  bottom_border_height_ = bottom ? bottom->Height() : 0;
  region_trans_color_ = theme.GetColor(keys::kTransColor);
  title_needs_region_ = theme.GetBoolean(keys::kTitleNeedsRegion);
  bottom_needs_region_ = theme.GetBoolean(keys::kBottomNeedsRegion);
  bottom_image_.SetTransparentColor(region_trans_color_);
  bottom_image_.SetTransparent(bottom_needs_region_);
  region_limits_ = {theme.GetInteger(keys::kTitleRegionMinY), theme.GetInteger(keys::kTitleRegionMaxY),
                    theme.GetInteger(keys::kBottomRegionMinY), theme.GetInteger(keys::kBottomRegionMaxY)};
}

void TsuiForm::SetFileTheme(TsuiFileTheme* theme) {
  if (theme == file_theme_) return;
  if (Loading() && theme && host_ && theme->Owner() != host_) {
    host_->SetClientSize(host_->ClientWidth() + 4, host_->ClientHeight() + 3);
  }
  if (file_theme_) file_theme_->RemoveFreeNotification(this);
  file_theme_ = theme;
  if (theme) theme->FreeNotification(this);
  SetUIStyle(ui_style_);
}
