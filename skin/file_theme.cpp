#include "skin/file_theme.h"

#include <windows.h>

#include "skin/component_styling.h"
#include "skin/strip_drawing.h"
#include "skin/theme_file_search.h"
#include "toolkit/class_registry.h"
#include "toolkit/form.h"
#include "toolkit/published_properties.h"

namespace {

bool IsSkinnedComponentClass(std::string_view class_name) { return class_name.substr(0, 4) == "Tsui"; }

bool IsSkinnedFormClass(const TComponent& component) {
  return component.ClassName() == "TsuiForm" || component.ClassInfo().InheritsFrom("TsuiForm");
}

// The frame pictures may differ in size from the old ones: the system has to ask the
// window for its frame again, without moving or activating it.
void RecalculateFrame(TForm& form) {
  if (!form.HandleAllocated()) return;
  SetWindowPos(form.Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

TsuiFileTheme::TsuiFileTheme(TComponent* owner) : TComponent(owner) {}

TsuiFileTheme::~TsuiFileTheme() = default;

const ClassInfo& TsuiFileTheme::ClassInfo() const {
  static const ::ClassInfo info(
      "TsuiFileTheme", &TComponent::ClassInfo(),
      {StringProperty<TsuiFileTheme>("ThemeFile", &TsuiFileTheme::ThemeFile, &TsuiFileTheme::SetThemeFile),
       StringProperty<TsuiFileTheme>("Password", &TsuiFileTheme::Password, &TsuiFileTheme::SetPassword),
       BooleanProperty<TsuiFileTheme>("Ready", &TsuiFileTheme::Ready, &TsuiFileTheme::SetReady)});
  return info;
}

void TsuiFileTheme::SetThemeFile(const std::string& name) {
  const bool was_empty = theme_file_.empty();
  const std::optional<std::string> found = FindThemeFile(name);
  if (!found) return;
  theme_file_ = *found;
  ready_ = manager_.LoadSkinFile(theme_file_, password_);
  if (ready_) ReassignUsers(was_empty);
}

void TsuiFileTheme::SetPassword(const std::string& password) {
  password_ = password;
  if (!password_.empty()) SetThemeFile(theme_file_);
}

void TsuiFileTheme::ReassignUsers(bool was_empty) {
  auto* form = dynamic_cast<TForm*>(Owner());
  if (!form) return;
  bool skinned_form_uses_theme = false;
  // By index: a component that re-reads the theme may create or free components.
  for (std::size_t i = 0; i < form->Components().size(); ++i) {
    TComponent& component = *form->Components()[i];
    const bool uses_theme = PublishedReferenceIs(component, "FileTheme", *this);
    if (uses_theme && IsSkinnedFormClass(component)) skinned_form_uses_theme = true;
    if (uses_theme && IsSkinnedComponentClass(component.ClassName())) {
      AssignPublishedReference(component, "FileTheme", nullptr);
      AssignPublishedReference(component, "FileTheme", this);
    }
  }
  if (skinned_form_uses_theme && !was_empty) RecalculateFrame(*form);
}

void TsuiFileTheme::CopyThemeBitmap(int key, Bitmap& destination, int frame_index, int frame_count) {
  const Bitmap* picture = GetBitmap(key);
  if (frame_index != 0 && frame_count != 0) {
    if (picture) {
      ExtractStripFrame(*picture, destination, frame_count, frame_index);
    } else {
      destination.SetSize(0, 0);
    }
    return;
  }
  if (picture) {
    destination.Assign(*picture);
  } else {
    destination = Bitmap();
  }
}

void RegisterFileThemeClass() { RegisterComponentClass<TsuiFileTheme>("TsuiFileTheme"); }
