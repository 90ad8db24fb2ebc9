// Names in descriptions (classes, properties, components, handlers) are compared without
// regard to the case of ASCII letters; GBK bytes compare as they are.
#pragma once

#include <string_view>

inline bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}
