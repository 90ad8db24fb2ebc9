// A development update server: lets the client's whole cycle be tried without the real
// service. It answers "/lo.php" on 127.0.0.1 and logs every request line.
//
//   tarnwick-devserver --port 8053                      (accepts the demo account)
//   tarnwick-devserver --port 0 --account alice:secret  (prints the port it took)
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tools/devserver/account_list.h"
#include "tools/devserver/update_service.h"

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

namespace {

// A caller that connects and says nothing must not hold the server.
constexpr std::chrono::seconds kRequestTimeLimit{5};

constexpr char kUsage[] =
    "usage: tarnwick-devserver [--port N] [--account NAME:PASSWORD]... [--accounts FILE] [--requests N]\n"
    "  --port N        port on 127.0.0.1 (default 8053; 0 picks a free one)\n"
    "  --account       an account to accept (may be repeated)\n"
    "  --accounts FILE one NAME:PASSWORD a line, '#' starts a comment line\n"
    "  --requests N    stop after N requests (default: run until stopped)\n"
    "Without accounts the demo account demo:tarnwick is accepted.\n";

struct Options {
  unsigned short port = 8053;
  AccountList accounts;
  long requests = -1;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    try {
      if (option == "--port") {
        const unsigned long port = std::stoul(value);
        if (port > 65535) return false;
        options.port = static_cast<unsigned short>(port);
      } else if (option == "--account") {
        if (!options.accounts.Add(value)) return false;
      } else if (option == "--accounts") {
        std::ifstream file(value, std::ios::binary);
        if (!file) {
          std::cerr << "tarnwick-devserver: cannot read " << value << "\n";
          return false;
        }
        std::ostringstream text;
        text << file.rdbuf();
        if (const auto error = options.accounts.AddFromText(text.str())) {
          std::cerr << "tarnwick-devserver: " << value << ": " << *error << "\n";
          return false;
        }
      } else if (option == "--requests") {
        options.requests = std::stol(value);
      } else {
        return false;
      }
    } catch (const std::exception&) {
      return false;
    }
  }
  if (options.accounts.empty()) options.accounts.Add(std::string(kDemoUserName) + ":" + kDemoPassword);
  return true;
}

// One request per connection, bounded in time, on the acceptor's io_context.
void Serve(asio::io_context& io, tcp::socket socket, const AccountList& accounts) {
  boost::system::error_code error;
  const std::string caller = socket.remote_endpoint(error).address().to_string();
  beast::tcp_stream stream(std::move(socket));

  beast::flat_buffer buffer;
  http::request<http::empty_body> request;
  http::response<http::string_body> response;
  stream.expires_after(kRequestTimeLimit);
  http::async_read(stream, buffer, request, [&](beast::error_code read_error, std::size_t) {
    if (read_error) {
      std::cout << "(" << caller << ") unreadable request: " << read_error.message() << std::endl;
      return;
    }
    const std::string target(request.target());
    const UpdateAnswer answer = AnswerUpdateRequest(target, caller, accounts);
    std::cout << request.method_string() << " " << target << " -> " << answer.status << " " << answer.note
              << " (" << caller << ")" << std::endl;
    response.result(answer.status);
    response.version(11);
    response.set(http::field::content_type, "text/plain");
    response.body() = answer.body;
    response.keep_alive(false);
    response.prepare_payload();
    http::async_write(stream, response, [&](beast::error_code, std::size_t) {
      beast::error_code ignored;
      stream.socket().shutdown(tcp::socket::shutdown_both, ignored);
    });
  });
  io.restart();
  io.run();
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    asio::io_context io;
    tcp::acceptor acceptor(io, tcp::endpoint(asio::ip::make_address("127.0.0.1"), options.port));
    std::cout << "listening on 127.0.0.1:" << acceptor.local_endpoint().port() << std::endl;
    for (long served = 0; options.requests < 0 || served < options.requests; ++served) {
      tcp::socket socket(io);
      acceptor.accept(socket);
      Serve(io, std::move(socket), options.accounts);
    }
  } catch (const std::exception& error) {
    std::cerr << "tarnwick-devserver: " << error.what() << "\n";
    return 1;
  }
}
