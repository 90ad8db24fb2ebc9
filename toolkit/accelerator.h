// The access key of a caption: the character after a single "&" ("&&" is a literal
// ampersand), compared without regard to the case of ASCII letters.
//
//   IsAccelerator('s', "&Save");   // true
//   IsAccelerator('a', "A&&B");    // false: no access key
#pragma once

#include <string_view>

// The caption's access key in upper case, or 0 when it has none. A GBK trail byte is
// never 0x26, so a byte-wise scan cannot mistake half a Chinese character for "&".
inline char AcceleratorOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const char c = caption[i + 1];
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return 0;
}

inline bool IsAccelerator(char key, std::string_view caption) {
  const char upper = (key >= 'a' && key <= 'z') ? static_cast<char>(key - 'a' + 'A') : key;
  return upper != 0 && upper == AcceleratorOf(caption);
}
