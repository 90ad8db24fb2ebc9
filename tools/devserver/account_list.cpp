#include "tools/devserver/account_list.h"

#include "client/md5.h"

bool AccountList::Add(std::string_view entry) {
  const std::size_t colon = entry.find(':');
  if (colon == std::string_view::npos) return false;
  digests_.insert_or_assign(std::string(entry.substr(0, colon)), DigestToHex(DigestOfString(entry.substr(colon + 1))));
  return true;
}

std::optional<std::string> AccountList::AddFromText(std::string_view text) {
  int line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (!Add(line)) return "line " + std::to_string(line_number) + " is not name:password";
  }
  return std::nullopt;
}

bool AccountList::Accepts(std::string_view user_name, std::string_view password_digest) const {
  const auto account = digests_.find(user_name);
  return account != digests_.end() && account->second == password_digest;
}
