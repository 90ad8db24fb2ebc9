// The client's whole persistent state: five byte strings (GBK on the target system),
// one per line of the settings file, in this order.
#pragma once

#include <string>
#include <string_view>

struct ClientSettings {
  std::string UserName;
  std::string UserPassword;
  std::string ReservedFlag;     // carried through every rewrite, never interpreted
  std::string ConnectionState;  // "1" connected, "0" not connected
  std::string AddressText;      // last address the server answered, "127.0.0.1" when none

  bool operator==(const ClientSettings&) const = default;
};

// The record a first start writes when there is no settings file yet.
ClientSettings DefaultClientSettings();

// Five lines, each ended by CR LF.
std::string FormatSettingsText(const ClientSettings& settings);

// A line ends at LF or CR LF; a CR not followed by LF is dropped; byte 0x1A ends the
// input; lines after the fifth are ignored and missing lines read as empty.
ClientSettings ParseSettingsText(std::string_view text);
