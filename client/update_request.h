// The two requests the client sends to the update server: login (also the periodic
// update) and quit. Both are a GET on one script address whose query carries the user
// name as typed, the password's MD5 digest, the method tag, the version and a time stamp.
//
//   std::string address = BuildLoginAddress(settings.UserName, settings.UserPassword);
#pragma once

#include <string>
#include <string_view>

struct LocalTime {
  int year;  // four digits
  int month;
  int day;
  int hour;  // 0..23
  int minute;
  int second;
};

LocalTime CurrentLocalTime();

// "yyMMddHHmmss": 12 digits, local time, no zone.
std::string FormatTimeStamp(const LocalTime& time);

// "http://" + update host + "/lo.php?".
std::string UpdateScriptAddress();

// Nothing in the query is escaped: the bytes go to the server as they are stored.
std::string BuildLoginAddress(std::string_view script_address, std::string_view user_name,
                              std::string_view password, const LocalTime& now);
std::string BuildQuitAddress(std::string_view script_address, std::string_view user_name,
                             std::string_view password, const LocalTime& now);

std::string BuildLoginAddress(std::string_view user_name, std::string_view password);
std::string BuildQuitAddress(std::string_view user_name, std::string_view password);
