// The HTTP client of the update exchange: one object per exchange, one fresh connection,
// one GET, the answer body as raw bytes.
//
//   HttpClient client;
//   client.Request.ContentType = "Text/Html";
//   client.Request.UserAgent = "TarnWick+";
//   std::string body = FetchText(client, address);  // throws FetchError
#pragma once

#include <chrono>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// Any failure of the exchange.
class FetchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Name resolution, connection refused or reset, closed before the headers, time-out.
class SocketError : public FetchError {
 public:
  using FetchError::FetchError;
};

// An answer that is not a plain 2xx (redirects and Location are never followed), or one
// larger than the client accepts.
class HttpProtocolError : public FetchError {
 public:
  using FetchError::FetchError;
};

// Connecting, sending and receiving together; a server that accepts and never answers
// must not hold the window for ever.
inline constexpr std::chrono::milliseconds kExchangeTimeLimit{20'000};
// The answer is an address text; anything near this size is not one.
inline constexpr std::size_t kBodyLimit = 1 << 20;

struct HttpRequestHeaders {
  std::string ContentType;
  std::string UserAgent;
};

class HttpClient {
 public:
  HttpRequestHeaders Request;
  std::chrono::milliseconds TimeLimit = kExchangeTimeLimit;
  std::size_t BodyLimit = kBodyLimit;

  std::string Get(std::string_view address);
};

inline std::string FetchText(HttpClient& client, std::string_view address) { return client.Get(address); }
