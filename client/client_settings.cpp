#include "client/client_settings.h"

#include <array>

namespace {

constexpr char kEndOfFileMark = '\x1a';
constexpr std::size_t kLineCount = 5;

}  // namespace

ClientSettings DefaultClientSettings() { return {"", "", "1", "0", "127.0.0.1"}; }

std::string FormatSettingsText(const ClientSettings& settings) {
  std::string text;
  for (const std::string* value : {&settings.UserName, &settings.UserPassword, &settings.ReservedFlag,
                                   &settings.ConnectionState, &settings.AddressText}) {
    text += *value;
    text += "\r\n";
  }
  return text;
}

ClientSettings ParseSettingsText(std::string_view text) {
  std::array<std::string, kLineCount> lines;
  std::size_t line = 0;
  for (std::size_t i = 0; i < text.size() && line < kLineCount; ++i) {
    const char byte = text[i];
    if (byte == kEndOfFileMark) break;
    if (byte == '\n') {
      ++line;
    } else if (byte != '\r') {
      lines[line] += byte;
    }
  }
  return {std::move(lines[0]), std::move(lines[1]), std::move(lines[2]), std::move(lines[3]),
          std::move(lines[4])};
}
