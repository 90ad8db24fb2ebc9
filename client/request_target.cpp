#include "client/request_target.h"

namespace {

constexpr std::string_view kScheme = "http://";
constexpr std::string_view kDefaultPort = "80";

// Lead bytes of GBK double-byte characters; the byte after one may be any value,
// including 0x5C, which must not be taken for a backslash.
bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::string SlashesForBackslashes(std::string_view address) {
  std::string result(address);
  for (std::size_t i = 0; i < result.size(); ++i) {
    if (IsGbkLeadByte(static_cast<unsigned char>(result[i]))) {
      ++i;
    } else if (result[i] == '\\') {
      result[i] = '/';
    }
  }
  return result;
}

bool IsDecimal(std::string_view text) {
  if (text.empty() || text.size() > 5) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::optional<RequestTarget> ParseRequestAddress(std::string_view raw_address) {
  std::string address = SlashesForBackslashes(raw_address);
  if (address.compare(0, kScheme.size(), kScheme) != 0) return std::nullopt;
  const std::string_view rest = std::string_view(address).substr(kScheme.size());

  const std::size_t authority_end = rest.find_first_of("/?#");
  const std::string_view authority = rest.substr(0, authority_end);
  std::string_view path_and_query =
      authority_end == std::string_view::npos ? std::string_view() : rest.substr(authority_end);
  path_and_query = path_and_query.substr(0, path_and_query.find('#'));

  RequestTarget request;
  const std::size_t colon = authority.rfind(':');
  if (colon == std::string_view::npos) {
    request.host = authority;
    request.port = kDefaultPort;
  } else {
    request.host = authority.substr(0, colon);
    request.port = authority.substr(colon + 1);
    if (!IsDecimal(request.port)) return std::nullopt;
  }
  if (request.host.empty()) return std::nullopt;
  request.host_header = request.host;
  if (request.port != kDefaultPort) request.host_header += ":" + request.port;

  request.target = path_and_query.empty() || path_and_query.front() != '/'
                       ? "/" + std::string(path_and_query)
                       : std::string(path_and_query);
  return request;
}
