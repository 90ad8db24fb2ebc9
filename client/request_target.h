// How an update address becomes what goes on the wire: the host to connect to, the
// Host header and the request target.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct RequestTarget {
  std::string host;         // name or address to resolve
  std::string port;         // "80" unless the address names one
  std::string host_header;  // host, plus ":port" only when the port is not 80
  std::string target;       // path and query, sent raw
};

// Backslashes become slashes (except the trail bytes of GBK double-byte characters),
// everything from the first "#" is cut. No percent-encoding. Empty for an address that
// is not "http://host[:port]/...".
std::optional<RequestTarget> ParseRequestAddress(std::string_view address);
