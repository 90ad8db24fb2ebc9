// What the development update server answers to one request target: the caller's
// address for a good login, a short text for a good quit, an empty body otherwise.
//
//   UpdateAnswer answer = AnswerUpdateRequest("/lo.php?user=demo&...", "127.0.0.1", accounts);
#pragma once

#include <string>
#include <string_view>

#include "tools/devserver/account_list.h"

struct UpdateAnswer {
  unsigned status;   // 200, or 404 for anything but the script
  std::string body;  // empty when the request is refused
  std::string note;  // why, for the log
};

UpdateAnswer AnswerUpdateRequest(std::string_view target, std::string_view caller_address,
                                 const AccountList& accounts);
