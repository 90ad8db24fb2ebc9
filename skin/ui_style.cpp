#include "skin/ui_style.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<TsuiUIStyle, std::string_view>, 6> kIdentifiers{{
    {TsuiUIStyle::FromThemeFile, "FromThemeFile"},
    {TsuiUIStyle::MacOS, "MacOS"},
    {TsuiUIStyle::WinXP, "WinXP"},
    {TsuiUIStyle::DeepBlue, "DeepBlue"},
    {TsuiUIStyle::Protein, "Protein"},
    {TsuiUIStyle::BlueGlass, "BlueGlass"},
}};

}  // namespace

std::string_view UIStyleIdentifier(TsuiUIStyle style) {
  for (const auto& [candidate, identifier] : kIdentifiers) {
    if (candidate == style) return identifier;
  }
  return {};
}

std::optional<TsuiUIStyle> UIStyleFromIdentifier(std::string_view identifier) {
  for (const auto& [style, candidate] : kIdentifiers) {
    if (candidate == identifier) return style;
  }
  return std::nullopt;
}
