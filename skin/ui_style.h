// The five built-in visual styles and the "take the look from a file theme" marker.
//
//   auto style = UIStyleFromIdentifier("WinXP");          // std::optional<TsuiUIStyle>
//   std::string_view text = UIStyleIdentifier(TsuiUIStyle::MacOS);   // "MacOS"
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum class TsuiUIStyle : std::uint8_t {
  FromThemeFile = 0,
  MacOS = 1,
  WinXP = 2,
  DeepBlue = 3,
  Protein = 4,
  BlueGlass = 5,
};

// The identifier under which a stored form description writes the style ("MacOS", ...).
// A byte outside 0..5 has no identifier and yields an empty view.
std::string_view UIStyleIdentifier(TsuiUIStyle style);

// The style a stored identifier names; identifiers compare exactly, as they are written.
std::optional<TsuiUIStyle> UIStyleFromIdentifier(std::string_view identifier);
