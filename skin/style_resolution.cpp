#include "skin/style_resolution.h"

#include <cstdint>

#include "skin/file_theme.h"
#include "toolkit/form.h"
#include "toolkit/published_properties.h"

namespace {

bool IsSkinnedForm(const TControl& control) {
  return control.ClassName() == "TsuiForm" || control.ClassInfo().InheritsFrom("TsuiForm");
}

}  // namespace

bool ResolveUIStyle(const TsuiFileTheme* file_theme, TsuiUIStyle style, TsuiUIStyle& effective) {
  const auto masked = static_cast<TsuiUIStyle>(static_cast<std::uint8_t>(style) & 0x7F);
  if (masked != TsuiUIStyle::FromThemeFile) {
    effective = masked;
    return false;
  }
  if (file_theme && file_theme->Ready()) {
    effective = TsuiUIStyle::FromThemeFile;
    return true;
  }
  effective = TsuiUIStyle::DeepBlue;
  return false;
}

TsuiUIStyle GetFormUIStyle(const TComponent* owner) {
  const auto* form = dynamic_cast<const TForm*>(owner);
  if (!form) return TsuiUIStyle::DeepBlue;
  for (const TControl* child : form->Controls()) {
    if (!IsSkinnedForm(*child)) continue;
    if (!HasPublishedProperty(*child, "UIStyle")) return TsuiUIStyle::DeepBlue;
    return UIStyleFromIdentifier(GetPublishedProperty(*child, "UIStyle")).value_or(TsuiUIStyle::DeepBlue);
  }
  return TsuiUIStyle::DeepBlue;
}
