#include "tests/support/scripted_server.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/streambuf.hpp>
#include <boost/asio/write.hpp>
#include <atomic>
#include <chrono>

#include "client/winsock_session.h"

namespace asio = boost::asio;
using tcp = asio::ip::tcp;

namespace {

// Made before any of the server's sockets.
struct SocketsStarted {
  SocketsStarted() { StartWinsock(); }
};

}  // namespace

struct ScriptedServer::Impl {
  SocketsStarted sockets_started;
  asio::io_context io;
  tcp::acceptor acceptor{io, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0)};
  std::vector<ScriptedAnswer> answers;
  mutable std::mutex mutex;
  std::vector<std::string> requests;
  std::vector<std::unique_ptr<tcp::socket>> hanging;
  std::atomic<bool> stopping{false};
  std::thread thread;

  void Serve() {
    for (const ScriptedAnswer& answer : answers) {
      auto socket = std::make_unique<tcp::socket>(io);
      boost::system::error_code error;
      acceptor.accept(*socket, error);
      if (error || stopping) return;

      std::string head;
      asio::read_until(*socket, asio::dynamic_buffer(head), "\r\n\r\n", error);
      {
        std::lock_guard lock(mutex);
        requests.push_back(head.substr(0, head.find("\r\n\r\n") + 4));
      }
      asio::write(*socket, asio::buffer(answer.reply), error);
      switch (answer.ending) {
        case ScriptedAnswer::Ending::Close:
          socket->shutdown(tcp::socket::shutdown_both, error);
          socket->close(error);
          break;
        case ScriptedAnswer::Ending::Reset:
          socket->set_option(asio::socket_base::linger(true, 0), error);
          socket->close(error);
          break;
        case ScriptedAnswer::Ending::Hang:
          hanging.push_back(std::move(socket));
          break;
      }
    }
  }
};

ScriptedServer::ScriptedServer(std::vector<ScriptedAnswer> answers) : impl_(std::make_unique<Impl>()) {
  impl_->answers = std::move(answers);
  port_ = impl_->acceptor.local_endpoint().port();
  impl_->thread = std::thread([impl = impl_.get()] { impl->Serve(); });
}

ScriptedServer::~ScriptedServer() {
  impl_->stopping = true;
  boost::system::error_code error;
  // Wake a pending accept by connecting once; the server thread then sees the stop flag.
  tcp::socket waker(impl_->io);
  waker.connect(impl_->acceptor.local_endpoint(), error);
  impl_->thread.join();
}

std::string ScriptedServer::Address(const std::string& path_and_query) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path_and_query;
}

std::vector<std::string> ScriptedServer::Requests() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->requests;
}

unsigned short UnusedLocalPort() {
  StartWinsock();
  asio::io_context io;
  tcp::acceptor acceptor(io, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0));
  return acceptor.local_endpoint().port();
}
