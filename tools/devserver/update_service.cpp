#include "tools/devserver/update_service.h"

#include <map>

namespace {

constexpr std::string_view kScriptPath = "/lo.php";
constexpr std::string_view kQuitAnswer = "bye";

// The client sends the query raw, so a value runs up to the next "&".
std::map<std::string, std::string, std::less<>> SplitQuery(std::string_view query) {
  std::map<std::string, std::string, std::less<>> values;
  while (!query.empty()) {
    const std::size_t end = query.find('&');
    const std::string_view pair = query.substr(0, end);
    query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) continue;
    values.emplace(std::string(pair.substr(0, equals)), std::string(pair.substr(equals + 1)));
  }
  return values;
}

bool IsTimeStamp(std::string_view text) {
  if (text.size() != 12) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

UpdateAnswer AnswerUpdateRequest(std::string_view target, std::string_view caller_address,
                                 const AccountList& accounts) {
  const std::size_t question = target.find('?');
  if (target.substr(0, question) != kScriptPath) return {404, "", "not the update script"};
  const auto query = SplitQuery(question == std::string_view::npos ? "" : target.substr(question + 1));

  const auto value = [&](std::string_view key) -> std::string_view {
    const auto found = query.find(key);
    return found == query.end() ? std::string_view() : std::string_view(found->second);
  };
  if (value("c") != "md5") return {200, "", "method is not md5"};
  if (!IsTimeStamp(value("str"))) return {200, "", "time stamp is not 12 digits"};
  if (!accounts.Accepts(value("user"), value("pass"))) return {200, "", "unknown user or wrong password"};
  if (value("q") == "quit") return {200, std::string(kQuitAnswer), "quit"};
  return {200, std::string(caller_address), "login"};
}
