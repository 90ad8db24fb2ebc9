#include "client/connection_controller.h"

#include <gtest/gtest.h>

#include <optional>

#include "client/io_error.h"
#include "client/ui_texts.h"
#include "tests/support/scripted_server.h"

namespace {

// The window as the controller leaves it.
class RecordingView : public ConnectionView {
 public:
  std::string user_name, password, status, address;
  bool login_enabled = true, disconnect_enabled = true, timer_enabled = true;
  unsigned timer_interval = 5000;

  std::string UserNameText() const override { return user_name; }
  void SetUserNameText(const std::string& text) override { user_name = text; }
  std::string PasswordText() const override { return password; }
  void SetPasswordText(const std::string& text) override { password = text; }
  void SetStatusText(const std::string& text) override { status = text; }
  void SetAddressText(const std::string& text) override { address = text; }
  void SetLoginEnabled(bool enabled) override { login_enabled = enabled; }
  void SetDisconnectEnabled(bool enabled) override { disconnect_enabled = enabled; }
  void SetTimerInterval(unsigned milliseconds) override { timer_interval = milliseconds; }
  void SetTimerEnabled(bool enabled) override { timer_enabled = enabled; }
};

// Settings kept in memory; a save can be made to fail like a write-protected file.
class MemoryStore : public SettingsStore {
 public:
  std::optional<ClientSettings> stored;
  bool refuse_saves = false;
  int saves = 0;

  ClientSettings Load() override {
    if (!stored) stored = DefaultClientSettings();
    return *stored;
  }
  void Save(const ClientSettings& values) override {
    if (refuse_saves) throw InOutError(5);
    ++saves;
    stored = values;
  }
  ClientSettings Reload() override { return *stored; }
};

ScriptedAnswer Address(const std::string& body) {
  return ScriptedAnswer::Reply("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
                               body);
}
ScriptedAnswer Empty() { return ScriptedAnswer::Reply("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"); }

class ConnectionControllerTest : public ::testing::Test {
 protected:
  void StartWith(std::optional<ClientSettings> stored, const std::string& script_address) {
    store.stored = std::move(stored);
    controller.SetScriptAddress(script_address);
    controller.SetClock([] { return LocalTime{2026, 1, 3, 9, 5, 7}; });
    controller.StartUp();
  }
  // Nothing listens there: every exchange is refused.
  static std::string DownServer() {
    return "http://127.0.0.1:" + std::to_string(UnusedLocalPort()) + "/lo.php?";
  }

  RecordingView view;
  MemoryStore store;
  ConnectionController controller{view, store};
};

struct StartUpCase {
  const char* description;
  std::optional<ClientSettings> stored;
  std::string status;
  bool login_enabled;
  bool disconnect_enabled;
};

void PrintTo(const StartUpCase& c, std::ostream* os) { *os << c.description; }

class StartUpTest : public ConnectionControllerTest, public ::testing::WithParamInterface<StartUpCase> {};

TEST_P(StartUpTest, ShowsTheStoredStateWithoutARequest) {
  const StartUpCase& c = GetParam();
  ScriptedServer server({});
  StartWith(c.stored, server.Address("/lo.php?"));
  const ClientSettings expected = c.stored.value_or(DefaultClientSettings());
  EXPECT_EQ(view.user_name, expected.UserName);
  EXPECT_EQ(view.password, expected.UserPassword);
  EXPECT_EQ(view.address, expected.AddressText);
  EXPECT_EQ(view.status, c.status);
  EXPECT_EQ(view.login_enabled, c.login_enabled);
  EXPECT_EQ(view.disconnect_enabled, c.disconnect_enabled);
  EXPECT_EQ(view.timer_interval, kConnectedInterval);
  EXPECT_TRUE(view.timer_enabled);
  EXPECT_TRUE(server.Requests().empty());
  EXPECT_EQ(store.stored, expected) << "start-up writes only a missing file";
}

INSTANTIATE_TEST_SUITE_P(States, StartUpTest, ::testing::Values(
    StartUpCase{"no_file", std::nullopt, ui_text::kNotConnected, true, false},
    StartUpCase{"not_connected", ClientSettings{"alice", "pw", "1", "0", "127.0.0.1"}, ui_text::kNotConnected, true,
                false},
    StartUpCase{"connected", ClientSettings{"alice", "pw", "1", "1", "10.0.0.9"}, ui_text::kConnected, false, true},
    StartUpCase{"neither", ClientSettings{"alice", "pw", "", "", ""}, "", true, true}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(ConnectionControllerTest, ALoginWithAnAnswerConnects) {
  ScriptedServer server({Address("10.1.2.3")});
  StartWith(ClientSettings{"", "", "1", "0", "127.0.0.1"}, server.Address("/lo.php?"));
  view.user_name = "alice";
  view.password = "pw";

  controller.Login();

  EXPECT_EQ(view.status, ui_text::kConnected);
  EXPECT_EQ(view.address, "10.1.2.3");
  EXPECT_FALSE(view.login_enabled);
  EXPECT_TRUE(view.disconnect_enabled);
  EXPECT_EQ(view.timer_interval, kConnectedInterval);
  EXPECT_EQ(store.stored, (ClientSettings{"alice", "pw", "1", "1", "10.1.2.3"}));
  EXPECT_EQ(store.saves, 2) << "once before the request, once after";
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].substr(0, server.Requests()[0].find(" HTTP/1.1")),
            "GET /lo.php?user=alice&pass=8fe4c11451281c094a6578e6ddbf5eed&c=md5&ver=1.7.1&str=260103090507");
}

TEST_F(ConnectionControllerTest, ALoginWithTheServerDownBeforeAnySuccessDoesNotConnect) {
  StartWith(ClientSettings{"alice", "pw", "1", "1", "10.0.0.9"}, DownServer());
  controller.Login();
  EXPECT_EQ(view.status, ui_text::kNotConnected);
  EXPECT_EQ(view.address, "10.0.0.9") << "the address label is not changed by a failure";
  EXPECT_TRUE(view.login_enabled);
  EXPECT_FALSE(view.disconnect_enabled);
  EXPECT_EQ(view.timer_interval, kNotConnectedInterval);
  EXPECT_EQ(store.stored, (ClientSettings{"alice", "pw", "1", "0", "127.0.0.1"}));
}

TEST_F(ConnectionControllerTest, AFailureAfterASuccessKeepsTheEarlierAddressOnShow) {
  ScriptedServer server({Address("10.1.2.3"), Empty()});
  StartWith(std::nullopt, server.Address("/lo.php?"));
  view.user_name = "alice";
  controller.Login();
  controller.Login();
  EXPECT_EQ(view.status, ui_text::kNotConnected);
  EXPECT_EQ(view.address, "10.1.2.3");
  EXPECT_EQ(store.stored->ConnectionState, "0");
  EXPECT_EQ(store.stored->AddressText, "127.0.0.1");
  EXPECT_EQ(view.timer_interval, kNotConnectedInterval);
}

TEST_F(ConnectionControllerTest, DisconnectWithAWorkingServerStopsTheTimer) {
  ScriptedServer server({Address("bye")});
  StartWith(ClientSettings{"alice", "pw", "1", "1", "10.0.0.9"}, server.Address("/lo.php?"));
  view.user_name = "typed-but-not-used";

  controller.Disconnect();

  EXPECT_EQ(view.status, ui_text::kNotConnected);
  EXPECT_EQ(view.address, "127.0.0.1");
  EXPECT_TRUE(view.login_enabled);
  EXPECT_FALSE(view.disconnect_enabled);
  EXPECT_FALSE(view.timer_enabled);
  EXPECT_EQ(store.stored, (ClientSettings{"alice", "pw", "1", "0", "127.0.0.1"}));
  EXPECT_EQ(controller.Settings().ConnectionState, "1") << "the record keeps its state";
  EXPECT_EQ(controller.Settings().AddressText, "10.0.0.9");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_NE(server.Requests()[0].find("GET /lo.php?user=alice&pass=8fe4c11451281c094a6578e6ddbf5eed&c=md5&q=quit&"),
            std::string::npos)
      << "the quit request names the user of the record, not the box";
}

TEST_F(ConnectionControllerTest, DisconnectWithoutAnAnswerChangesNothingButTheStatus) {
  for (const bool down : {true, false}) {
    SCOPED_TRACE(down ? "server down" : "empty answer");
    ScriptedServer server({Empty()});
    store.saves = 0;
    StartWith(ClientSettings{"alice", "pw", "1", "1", "10.0.0.9"}, down ? DownServer() : server.Address("/lo.php?"));
    controller.Disconnect();
    EXPECT_EQ(view.status, ui_text::kRequestFailed);
    EXPECT_FALSE(view.login_enabled);
    EXPECT_TRUE(view.disconnect_enabled);
    EXPECT_TRUE(view.timer_enabled);
    EXPECT_EQ(view.address, "10.0.0.9");
    EXPECT_EQ(store.saves, 0);
  }
}

TEST_F(ConnectionControllerTest, ALoginClickAfterADisconnectStartsTheTimerAgain) {
  ScriptedServer server({Address("bye")});
  StartWith(ClientSettings{"alice", "pw", "1", "1", "10.0.0.9"}, server.Address("/lo.php?"));
  controller.Disconnect();
  ASSERT_FALSE(view.timer_enabled);

  controller.SetScriptAddress(DownServer());
  controller.LoginClicked();
  EXPECT_EQ(view.status, ui_text::kNotConnected);
  EXPECT_EQ(store.stored->ConnectionState, "0");
  EXPECT_TRUE(view.timer_enabled) << "updates go on after a manual login";
  EXPECT_EQ(view.timer_interval, kNotConnectedInterval);
}

TEST_F(ConnectionControllerTest, ATickAfterADisconnectIsNotWhatRestartsTheTimer) {
  ScriptedServer server({Address("bye"), Address("10.1.1.1")});
  StartWith(ClientSettings{"alice", "pw", "1", "1", "10.0.0.9"}, server.Address("/lo.php?"));
  controller.Disconnect();
  controller.Login();  // a tick already under way when the timer stopped
  EXPECT_FALSE(view.timer_enabled);
  EXPECT_EQ(view.status, ui_text::kConnected);
}

TEST_F(ConnectionControllerTest, ANameTypedWhileConnectedIsUsedAtTheNextTick) {
  ScriptedServer server({Address("10.1.2.3"), Address("10.1.2.4")});
  StartWith(ClientSettings{"alice", "pw", "1", "0", "127.0.0.1"}, server.Address("/lo.php?"));
  controller.Login();
  view.user_name = "bob";
  controller.Login();
  ASSERT_EQ(server.Requests().size(), 2u);
  EXPECT_NE(server.Requests()[1].find("user=bob&"), std::string::npos) << server.Requests()[1];
  EXPECT_EQ(store.stored->UserName, "bob");
  EXPECT_EQ(view.address, "10.1.2.4");
}

TEST_F(ConnectionControllerTest, AFailingFirstSaveSendsNoRequestAndStaysConnecting) {
  ScriptedServer server({});
  StartWith(ClientSettings{"alice", "pw", "1", "0", "127.0.0.1"}, server.Address("/lo.php?"));
  store.refuse_saves = true;
  try {
    controller.Login();
    FAIL() << "the save error did not reach the caller";
  } catch (const InOutError& error) {
    EXPECT_STREQ(error.what(), "File access denied");
  }
  EXPECT_EQ(view.status, ui_text::kConnecting);
  EXPECT_FALSE(view.login_enabled);
  EXPECT_EQ(view.timer_interval, kConnectedInterval) << "the timer keeps its interval";
  EXPECT_TRUE(server.Requests().empty());
}

TEST_F(ConnectionControllerTest, AServerThatNeverAnswersEndsAsNotConnectedAfterTheTimeLimit) {
  ScriptedServer server({ScriptedAnswer::Silence()});
  StartWith(ClientSettings{"alice", "pw", "1", "1", "10.0.0.9"}, server.Address("/lo.php?"));
  controller.SetExchangeTimeLimit(std::chrono::milliseconds(200));
  controller.Login();
  EXPECT_EQ(view.status, ui_text::kNotConnected);
  EXPECT_EQ(store.stored->ConnectionState, "0");
}

}  // namespace
