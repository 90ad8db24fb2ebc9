#include "tools/devserver/update_service.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "client/http_client.h"
#include "client/md5.h"
#include "client/update_request.h"

namespace {

constexpr LocalTime kNow{2026, 1, 3, 9, 5, 7};

AccountList DemoAccounts() {
  AccountList accounts;
  accounts.Add("demo:tarnwick");
  accounts.Add("\xd5\xc5\xc8\xfd:\xc3\xdc\xc2\xeb");
  return accounts;
}

std::string Target(const std::string& address) { return address.substr(address.find("/lo.php")); }

struct AnswerCase {
  const char* description;
  std::string target;
  std::string body;
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.description; }

class DevServerAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(DevServerAnswerTest, AnswersTheCallerAddressOnlyForAGoodLogin) {
  const AnswerCase& c = GetParam();
  const UpdateAnswer answer = AnswerUpdateRequest(c.target, "10.9.8.7", DemoAccounts());
  EXPECT_EQ(answer.status, 200u);
  EXPECT_EQ(answer.body, c.body) << c.target << " (" << answer.note << ")";
}

const std::string kScript = "http://h/lo.php?";

INSTANTIATE_TEST_SUITE_P(Requests, DevServerAnswerTest, ::testing::Values(
    AnswerCase{"login", Target(BuildLoginAddress(kScript, "demo", "tarnwick", kNow)), "10.9.8.7"},
    AnswerCase{"quit", Target(BuildQuitAddress(kScript, "demo", "tarnwick", kNow)), "bye"},
    AnswerCase{"gbk_account", Target(BuildLoginAddress(kScript, "\xd5\xc5\xc8\xfd", "\xc3\xdc\xc2\xeb", kNow)),
               "10.9.8.7"},
    AnswerCase{"wrong_password", Target(BuildLoginAddress(kScript, "demo", "nope", kNow)), ""},
    AnswerCase{"unknown_user", Target(BuildLoginAddress(kScript, "eve", "tarnwick", kNow)), ""},
    AnswerCase{"short_time_stamp", "/lo.php?user=demo&pass=f1b736610cba519cfcb74a1ab5802728&c=md5&ver=1.7.1&str=2601030905", ""},
    AnswerCase{"letters_in_time_stamp", "/lo.php?user=demo&pass=f1b736610cba519cfcb74a1ab5802728&c=md5&ver=1.7.1&str=26010309050x", ""},
    AnswerCase{"other_method", "/lo.php?user=demo&pass=f1b736610cba519cfcb74a1ab5802728&c=sha&ver=1.7.1&str=260103090507", ""},
    AnswerCase{"cut_at_hash", "/lo.php?user=de", ""}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(DevServerAnswerTest, AnythingButTheScriptIsNotFound) {
  EXPECT_EQ(AnswerUpdateRequest("/index.html", "10.9.8.7", DemoAccounts()).status, 404u);
  EXPECT_EQ(AnswerUpdateRequest("/lo.phpx?user=demo", "10.9.8.7", DemoAccounts()).status, 404u);
}

TEST(AccountListTest, ReadsEntriesAndNamesTheFirstBadLine) {
  AccountList accounts;
  EXPECT_EQ(accounts.AddFromText("# accounts\r\nalice:se:cret\r\n\r\nbob:pw\n"), std::nullopt);
  EXPECT_TRUE(accounts.Accepts("alice", DigestToHex(DigestOfString("se:cret"))));
  EXPECT_TRUE(accounts.Accepts("bob", DigestToHex(DigestOfString("pw"))));
  EXPECT_EQ(accounts.AddFromText("carol:x\nno colon here\n"), "line 2 is not name:password");
}

// The real program on a free port, spoken to by the client's own HTTP exchange.
class DevServerProcess {
 public:
  explicit DevServerProcess(const char* requests) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    char* const argv[] = {const_cast<char*>(DEVSERVER_PROGRAM), const_cast<char*>("--port"),
                          const_cast<char*>("0"), const_cast<char*>("--requests"), const_cast<char*>(requests),
                          nullptr};
    if (posix_spawn(&pid_, DEVSERVER_PROGRAM, &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    output_ = fdopen(pipe_ends[0], "r");
  }
  ~DevServerProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (output_) fclose(output_);
  }
  std::string ReadLine() {
    char line[512] = {};
    if (!output_ || !fgets(line, sizeof line, output_)) return "";
    std::string text(line);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }

 private:
  pid_t pid_ = -1;
  FILE* output_ = nullptr;
};

TEST(DevServerProgramTest, LogsInAndQuitsTheDemoAccount) {
  DevServerProcess server("2");
  const std::string listening = server.ReadLine();
  ASSERT_EQ(listening.rfind("listening on 127.0.0.1:", 0), 0u) << listening;
  const std::string script = "http://127.0.0.1:" + listening.substr(listening.rfind(':') + 1) + "/lo.php?";

  HttpClient login;
  login.Request = {"Text/Html", "TarnWick+"};
  EXPECT_EQ(FetchText(login, BuildLoginAddress(script, "demo", "tarnwick", CurrentLocalTime())), "127.0.0.1");
  EXPECT_NE(server.ReadLine().find("/lo.php?user=demo&pass=f1b736610cba519cfcb74a1ab5802728&c=md5&ver=1.7.1&str="),
            std::string::npos);

  HttpClient quit;
  quit.Request = {"Text/Html", "TarnWick+"};
  EXPECT_EQ(FetchText(quit, BuildQuitAddress(script, "demo", "tarnwick", CurrentLocalTime())), "bye");
  EXPECT_NE(server.ReadLine().find("&q=quit&"), std::string::npos);
}

}  // namespace
