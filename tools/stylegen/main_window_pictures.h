// The main window's own pictures, stored with its form description: title-bar buttons,
// title sections and the program icon, all in the MacOS look of its frame.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/stylegen/image.h"

enum class MainWindowButton { Close, Minimize };
enum class ButtonState { Normal, Hover, Pressed };

Image MainWindowButtonPicture(MainWindowButton button, ButtonState state);  // 17x17

// 16x16 colours plus one alpha byte per pixel.
struct IconPicture {
  Image colours;
  std::vector<std::uint8_t> alpha;
};
IconPicture ProgramIcon();
