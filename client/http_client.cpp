// The only translation unit that includes Beast: it is slow to compile.
#include "client/http_client.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http.hpp>
#include <memory>
#include <optional>

#include "client/request_target.h"
#include "client/winsock_session.h"

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

namespace {

using ResponseParser = http::response_parser<http::string_body>;

constexpr unsigned kHttp11 = 11;

// The connection ending early is the network's failure; anything else the parser
// refuses is an answer that is not HTTP as we accept it.
bool IsMalformedAnswer(beast::error_code error) {
  return error.category() == beast::error_code(http::error::bad_version).category() &&
         error != http::error::end_of_stream && error != http::error::partial_message;
}
constexpr char kAccept[] = "text/html, */*";

// One exchange as a chain of asynchronous steps on a private io_context, so that the
// caller can bound it as a whole and still wait for it like a plain function call.
class Exchange {
 public:
  Exchange(asio::io_context& io, const RequestTarget& target, const HttpRequestHeaders& headers,
           std::size_t body_limit)
      : resolver_(io), stream_(io), target_(target), body_limit_(body_limit) {
    request_.method(http::verb::get);
    request_.target(target.target);
    request_.version(kHttp11);
    // The server sees exactly these headers, in this order.
    request_.set(http::field::content_type, headers.ContentType);
    request_.set(http::field::host, target.host_header);
    request_.set(http::field::accept, kAccept);
    request_.set(http::field::user_agent, headers.UserAgent);
  }

  void Start() {
    resolver_.async_resolve(target_.host, target_.port,
                            [this](beast::error_code error, tcp::resolver::results_type endpoints) {
                              if (error) return Fail<SocketError>("resolving " + target_.host, error);
                              Connect(endpoints);
                            });
  }

  // Called when the time limit has run out: every pending step ends with an error,
  // which the steps ignore once an outcome is set.
  void Abandon() {
    if (outcome_) return;
    outcome_ = std::make_exception_ptr(SocketError("no answer within the time limit"));
    resolver_.cancel();
    beast::error_code ignored;
    stream_.socket().close(ignored);
  }

  std::string TakeBody() {
    if (outcome_) std::rethrow_exception(outcome_);
    return std::move(body_);
  }

 private:
  void Connect(const tcp::resolver::results_type& endpoints) {
    stream_.async_connect(endpoints, [this](beast::error_code error, const tcp::endpoint&) {
      if (error) return Fail<SocketError>("connecting", error);
      Send();
    });
  }

  void Send() {
    http::async_write(stream_, request_, [this](beast::error_code error, std::size_t) {
      if (error) return Fail<SocketError>("sending", error);
      ReadHeader();
    });
  }

  void ReadHeader() {
    parser_.emplace();
    parser_->body_limit(body_limit_);
    http::async_read_header(stream_, buffer_, *parser_, [this](beast::error_code error, std::size_t) {
      if (outcome_) return;
      if (IsMalformedAnswer(error)) return Fail<HttpProtocolError>("reading the headers", error);
      if (error) return Fail<SocketError>("reading the headers", error);
      JudgeHeader();
    });
  }

  void JudgeHeader() {
    const auto& header = parser_->get();
    const unsigned status = header.result_int();
    if (status == 100) return ReadHeader();  // interim answer; the final one follows
    if (header.find(http::field::location) != header.end())
      return Fail<HttpProtocolError>("answer " + std::to_string(status) + " redirects elsewhere");
    if (status < 200 || status > 299)
      return Fail<HttpProtocolError>("answer " + std::to_string(status) + " " +
                                     std::string(header.reason()));
    if (parser_->is_done()) return Finish();
    ReadBody();
  }

  void ReadBody() {
    http::async_read(stream_, buffer_, *parser_, [this](beast::error_code error, std::size_t) {
      if (outcome_) return;
      // A server that closes before the announced end still delivered what it sent.
      if (error && error != http::error::partial_message) {
        if (IsMalformedAnswer(error)) return Fail<HttpProtocolError>("reading the body", error);
        return Fail<SocketError>("reading the body", error);
      }
      Finish();
    });
  }

  void Finish() {
    body_ = std::move(parser_->get().body());
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
    stream_.socket().close(ignored);
  }

  template <typename Error>
  void Fail(const std::string& step, beast::error_code error = {}) {
    if (outcome_) return;
    outcome_ = std::make_exception_ptr(Error(error ? step + ": " + error.message() : step));
    beast::error_code ignored;
    stream_.socket().close(ignored);
  }

  tcp::resolver resolver_;
  beast::tcp_stream stream_;
  const RequestTarget& target_;
  std::size_t body_limit_;
  http::request<http::empty_body> request_;
  beast::flat_buffer buffer_;
  std::optional<ResponseParser> parser_;
  std::string body_;
  std::exception_ptr outcome_;
};

}  // namespace

std::string HttpClient::Get(std::string_view address) {
  const std::optional<RequestTarget> target = ParseRequestAddress(address);
  if (!target) throw HttpProtocolError("not an http address: " + std::string(address));

  StartWinsock();
  asio::io_context io;
  Exchange exchange(io, *target, Request, BodyLimit);
  exchange.Start();
  io.run_for(TimeLimit);
  if (!io.stopped()) {
    exchange.Abandon();
    io.restart();
    io.run();
  }
  return exchange.TakeBody();
}
