// A one-thread HTTP server on 127.0.0.1 for tests: it records each request exactly as
// the bytes arrived and plays back one scripted answer per connection.
//
//   ScriptedServer server({ScriptedAnswer::Reply("HTTP/1.1 200 OK\r\n\r\n1.2.3.4")});
//   std::string body = client.Get(server.Address("/lo.php?user=a"));
//   EXPECT_EQ(server.Requests()[0], "GET /lo.php?user=a HTTP/1.1\r\n...");
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ScriptedAnswer {
  enum class Ending {
    Close,  // orderly close after the reply
    Reset,  // abortive close (RST) after the reply
    Hang,   // keep the connection open, never say more
  };
  std::string reply;
  Ending ending = Ending::Close;

  static ScriptedAnswer Reply(std::string bytes) { return {std::move(bytes), Ending::Close}; }
  static ScriptedAnswer ReplyThenReset(std::string bytes) { return {std::move(bytes), Ending::Reset}; }
  static ScriptedAnswer Silence() { return {"", Ending::Hang}; }
};

class ScriptedServer {
 public:
  explicit ScriptedServer(std::vector<ScriptedAnswer> answers);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  unsigned short Port() const { return port_; }
  // "http://127.0.0.1:PORT" followed by the path.
  std::string Address(const std::string& path_and_query) const;
  // The raw bytes of each request head received so far, up to and including the empty line.
  std::vector<std::string> Requests() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  unsigned short port_ = 0;
};

// A port on 127.0.0.1 that nothing listens on.
unsigned short UnusedLocalPort();
