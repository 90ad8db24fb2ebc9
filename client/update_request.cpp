#include "client/update_request.h"

#include <cstdio>
#include <ctime>

#include "client/md5.h"
#include "client/service_names.h"

namespace {

constexpr char kScriptPath[] = "/lo.php?";
constexpr char kLoginTail[] = "&c=md5&ver=1.7.1&str=";
constexpr char kQuitTail[] = "&c=md5&q=quit&ver=1.7.1&str=";

std::string BuildAddress(std::string_view script_address, std::string_view user_name,
                         std::string_view password, std::string_view tail, const LocalTime& now) {
  std::string address(script_address);
  address += "user=";
  address += user_name;
  address += "&pass=";
  address += DigestToHex(DigestOfString(password));
  address += tail;
  address += FormatTimeStamp(now);
  return address;
}

}  // namespace

LocalTime CurrentLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string FormatTimeStamp(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d%02d%02d%02d%02d%02d", time.year % 100, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

std::string UpdateScriptAddress() { return std::string("http://") + kUpdateHost + kScriptPath; }

std::string BuildLoginAddress(std::string_view script_address, std::string_view user_name,
                              std::string_view password, const LocalTime& now) {
  return BuildAddress(script_address, user_name, password, kLoginTail, now);
}

std::string BuildQuitAddress(std::string_view script_address, std::string_view user_name,
                             std::string_view password, const LocalTime& now) {
  return BuildAddress(script_address, user_name, password, kQuitTail, now);
}

std::string BuildLoginAddress(std::string_view user_name, std::string_view password) {
  return BuildLoginAddress(UpdateScriptAddress(), user_name, password, CurrentLocalTime());
}

std::string BuildQuitAddress(std::string_view user_name, std::string_view password) {
  return BuildQuitAddress(UpdateScriptAddress(), user_name, password, CurrentLocalTime());
}
