// The accounts the development update server accepts: user name and password, read
// from "name:password" arguments or from a file of such lines.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// Documented in the README: log in with this when trying the client against the server.
inline constexpr char kDemoUserName[] = "demo";
inline constexpr char kDemoPassword[] = "tarnwick";

class AccountList {
 public:
  // "name:password"; the first colon splits. False for text without one.
  bool Add(std::string_view entry);
  // One entry a line; empty lines and lines starting with "#" are skipped. The error
  // names the first line that is not an entry.
  std::optional<std::string> AddFromText(std::string_view text);

  // The password's MD5 digest in lowercase hex, as the client sends it.
  bool Accepts(std::string_view user_name, std::string_view password_digest) const;
  bool empty() const { return digests_.empty(); }

 private:
  std::map<std::string, std::string, std::less<>> digests_;
};
