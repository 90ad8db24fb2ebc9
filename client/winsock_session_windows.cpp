#include "client/winsock_session.h"

#include <winsock2.h>

#include <boost/asio/detail/winsock_init.hpp>
#include <string>

#include "client/http_client.h"

namespace {

// Boost.Asio starts Windows sockets from a static object of its own, before WinMain. Its
// documented way of leaving that to the program is an object of its "manual" kind made
// before any of its own: here by the earliest construction priority GCC offers programs.
__attribute__((init_priority(101))) const boost::asio::detail::winsock_init<>::manual kSocketsStartedByUs;

constexpr WORD kWinsockVersion = MAKEWORD(2, 2);

class WinsockSession {
 public:
  WinsockSession() {
    WSADATA details;
    if (const int error = WSAStartup(kWinsockVersion, &details); error != 0) {
      throw SocketError("Windows sockets cannot start (error " + std::to_string(error) + ")");
    }
  }
  ~WinsockSession() { WSACleanup(); }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
};

}  // namespace

void StartWinsock() {
  // A start that threw is tried again by the next caller.
  static const WinsockSession session;
}
