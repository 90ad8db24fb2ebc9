#include "client/http_client.h"

#include <gtest/gtest.h>

#include <optional>

#include "client/update_request.h"
#include "tests/support/scripted_server.h"

namespace {

HttpClient UpdateClient() {
  HttpClient client;
  client.Request.ContentType = "Text/Html";
  client.Request.UserAgent = "TarnWick+";
  return client;
}

std::string ExpectedHead(const std::string& target, unsigned short port) {
  return "GET " + target + " HTTP/1.1\r\n"
         "Content-Type: Text/Html\r\n"
         "Host: 127.0.0.1:" + std::to_string(port) + "\r\n"
         "Accept: text/html, */*\r\n"
         "User-Agent: TarnWick+\r\n"
         "\r\n";
}

enum class Outcome { Body, Socket, Protocol };

struct AnswerCase {
  const char* description;
  ScriptedAnswer answer;
  Outcome outcome;
  std::string body;  // with Outcome::Body
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.description; }

class AnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerTest, IsJudgedByTheOutcomeTable) {
  const AnswerCase& c = GetParam();
  ScriptedServer server({c.answer});
  HttpClient client = UpdateClient();
  std::optional<std::string> body;
  try {
    body = FetchText(client, server.Address("/lo.php?user=a"));
    EXPECT_EQ(c.outcome, Outcome::Body) << "got body " << ::testing::PrintToString(*body);
    EXPECT_EQ(*body, c.body);
  } catch (const SocketError& error) {
    EXPECT_EQ(c.outcome, Outcome::Socket) << "socket error: " << error.what();
  } catch (const HttpProtocolError& error) {
    EXPECT_EQ(c.outcome, Outcome::Protocol) << "protocol error: " << error.what();
  }
  ASSERT_EQ(server.Requests().size(), 1u);
}

using A = ScriptedAnswer;

INSTANTIATE_TEST_SUITE_P(Success, AnswerTest, ::testing::Values(
    AnswerCase{"ok_with_length", A::Reply("HTTP/1.1 200 OK\r\nContent-Length: 7\r\n\r\n1.2.3.4"),
               Outcome::Body, "1.2.3.4"},
    AnswerCase{"ok_body_keeps_crlf", A::Reply("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n1.2.3.4\r\n"),
               Outcome::Body, "1.2.3.4\r\n"},
    AnswerCase{"ok_to_the_close", A::Reply("HTTP/1.1 200 OK\r\n\r\n10.0.0.1"), Outcome::Body, "10.0.0.1"},
    AnswerCase{"ok_chunked",
               A::Reply("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\n1.2\r\n4\r\n.3.4\r\n0\r\n\r\n"),
               Outcome::Body, "1.2.3.4"},
    AnswerCase{"ok_body_cut_short_by_close", A::Reply("HTTP/1.1 200 OK\r\nContent-Length: 20\r\n\r\n1.2.3"),
               Outcome::Body, "1.2.3"},
    AnswerCase{"other_2xx", A::Reply("HTTP/1.1 202 Accepted\r\nContent-Length: 2\r\n\r\nok"), Outcome::Body, "ok"},
    AnswerCase{"interim_100_skipped",
               A::Reply("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n5.6."),
               Outcome::Body, "5.6."},
    AnswerCase{"error_page_with_200_is_an_address",
               A::Reply("HTTP/1.1 200 OK\r\nContent-Length: 14\r\n\r\n<html>x</html>"), Outcome::Body,
               "<html>x</html>"},
    AnswerCase{"gbk_body_untouched", A::Reply("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n\xd5\xc5\xc8\xfd"),
               Outcome::Body, "\xd5\xc5\xc8\xfd"}),
    [](const auto& info) { return std::string(info.param.description); });

INSTANTIATE_TEST_SUITE_P(EmptyBody, AnswerTest, ::testing::Values(
    AnswerCase{"no_content_204", A::Reply("HTTP/1.1 204 No Content\r\n\r\n"), Outcome::Body, ""},
    AnswerCase{"length_zero", A::Reply("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"), Outcome::Body, ""},
    AnswerCase{"close_without_body", A::Reply("HTTP/1.1 200 OK\r\n\r\n"), Outcome::Body, ""}),
    [](const auto& info) { return std::string(info.param.description); });

INSTANTIATE_TEST_SUITE_P(ProtocolErrors, AnswerTest, ::testing::Values(
    AnswerCase{"moved_301", A::Reply("HTTP/1.1 301 Moved\r\nLocation: http://elsewhere/\r\nContent-Length: 0\r\n\r\n"),
               Outcome::Protocol, ""},
    AnswerCase{"not_modified_304", A::Reply("HTTP/1.1 304 Not Modified\r\n\r\n"), Outcome::Protocol, ""},
    AnswerCase{"location_on_200", A::Reply("HTTP/1.1 200 OK\r\nLocation: /x\r\nContent-Length: 7\r\n\r\n1.2.3.4"),
               Outcome::Protocol, ""},
    AnswerCase{"unauthorized_401", A::Reply("HTTP/1.1 401 Unauthorized\r\nContent-Length: 3\r\n\r\nno!"),
               Outcome::Protocol, ""},
    AnswerCase{"not_found_404", A::Reply("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"),
               Outcome::Protocol, ""},
    AnswerCase{"server_error_500", A::Reply("HTTP/1.1 500 Internal Server Error\r\n\r\noops"), Outcome::Protocol, ""},
    AnswerCase{"garbage_instead_of_status", A::Reply("hello there\r\n\r\n"), Outcome::Protocol, ""},
    AnswerCase{"headers_over_the_limit", A::Reply("HTTP/1.1 200 OK\r\nX: " + std::string(20000, 'h') + "\r\n\r\n"),
               Outcome::Protocol, ""},
    AnswerCase{"body_over_the_limit",
               A::Reply("HTTP/1.1 200 OK\r\nContent-Length: 2000000\r\n\r\n" + std::string(2000000, 'x')),
               Outcome::Protocol, ""}),
    [](const auto& info) { return std::string(info.param.description); });

INSTANTIATE_TEST_SUITE_P(SocketErrors, AnswerTest, ::testing::Values(
    AnswerCase{"close_before_headers", A::Reply(""), Outcome::Socket, ""},
    AnswerCase{"close_inside_headers", A::Reply("HTTP/1.1 200 OK\r\nContent-Le"), Outcome::Socket, ""},
    AnswerCase{"reset_before_headers", A::ReplyThenReset(""), Outcome::Socket, ""}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(HttpClientTest, ANeverAnsweringServerTimesOutAsASocketError) {
  ScriptedServer server({ScriptedAnswer::Silence()});
  HttpClient client = UpdateClient();
  client.TimeLimit = std::chrono::milliseconds(300);
  EXPECT_THROW(FetchText(client, server.Address("/lo.php?user=a")), SocketError);
  EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(HttpClientTest, ARefusedConnectionIsASocketError) {
  HttpClient client = UpdateClient();
  const std::string address = "http://127.0.0.1:" + std::to_string(UnusedLocalPort()) + "/lo.php?user=a";
  EXPECT_THROW(FetchText(client, address), SocketError);
}

TEST(HttpClientTest, AnUnresolvableHostIsASocketError) {
  HttpClient client = UpdateClient();
  EXPECT_THROW(FetchText(client, "http://no-such-host.invalid/lo.php?user=a"), SocketError);
}

constexpr LocalTime kThirdOfJanuary{2026, 1, 3, 9, 5, 7};

struct WireCase {
  const char* description;
  bool quit;
  std::string user;
  std::string user_on_wire;  // the query's user value as sent, up to where the request is cut
  bool cut;                  // a "#" in the name: nothing after it reaches the server
};

void PrintTo(const WireCase& c, std::ostream* os) { *os << c.description; }

class WireTest : public ::testing::TestWithParam<WireCase> {};

TEST_P(WireTest, PutsExactlyTheSpecifiedRequestOnTheWire) {
  const WireCase& c = GetParam();
  ScriptedServer server({ScriptedAnswer::Reply("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok")});
  const std::string script = server.Address("/lo.php?");
  const std::string address = c.quit ? BuildQuitAddress(script, c.user, "pw", kThirdOfJanuary)
                                     : BuildLoginAddress(script, c.user, "pw", kThirdOfJanuary);
  HttpClient client = UpdateClient();
  EXPECT_EQ(FetchText(client, address), "ok");

  std::string target = "/lo.php?user=" + c.user_on_wire;
  if (!c.cut) {
    target += "&pass=8fe4c11451281c094a6578e6ddbf5eed";
    target += c.quit ? "&c=md5&q=quit&ver=1.7.1&str=260103090507" : "&c=md5&ver=1.7.1&str=260103090507";
  }
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], ExpectedHead(target, server.Port()));
}

INSTANTIATE_TEST_SUITE_P(Requests, WireTest, ::testing::Values(
    WireCase{"login", false, "alice", "alice", false},
    WireCase{"quit", true, "alice", "alice", false},
    WireCase{"empty_user", false, "", "", false},
    WireCase{"spaces_and_reserved", false, "a b&c=d?e", "a b&c=d?e", false},
    WireCase{"gbk_user", false, "\xd5\xc5\xc8\xfd", "\xd5\xc5\xc8\xfd", false},
    WireCase{"gbk_trail_byte_0x5c", false, "\x95\x5c", "\x95\x5c", false},
    WireCase{"backslash", false, "dom\\alice", "dom/alice", false},
    WireCase{"hash_cuts_everything_after", false, "al#ice", "al", true}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(HttpClientTest, EveryExchangeOpensItsOwnConnection) {
  ScriptedServer server({ScriptedAnswer::Reply("HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\na"),
                         ScriptedAnswer::Reply("HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nb")});
  HttpClient first = UpdateClient();
  EXPECT_EQ(FetchText(first, server.Address("/lo.php?1")), "a");
  HttpClient second = UpdateClient();
  EXPECT_EQ(FetchText(second, server.Address("/lo.php?2")), "b");
  EXPECT_EQ(server.Requests().size(), 2u);
}

}  // namespace
