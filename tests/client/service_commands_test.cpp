#include "client/service_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "client/ui_texts.h"

namespace {

class RecordingPlatform : public CommandPlatform {
 public:
  std::vector<std::string> calls;
  std::map<std::string, CommandOutcome> outcomes;  // by command line; others exit with 0
  bool can_start = true;

  CommandOutcome RunAndWait(const std::string& line, int show, std::chrono::milliseconds limit) override {
    calls.push_back("run[" + std::to_string(show) + "," + std::to_string(limit.count()) + "] " + line);
    const auto outcome = outcomes.find(line);
    return outcome == outcomes.end() ? CommandOutcome{CommandOutcome::Kind::Exited, 0} : outcome->second;
  }
  bool Start(const std::string& line, int show) override {
    calls.push_back("start[" + std::to_string(show) + "] " + line);
    return can_start;
  }
  void OpenPage(const std::string& address) override { calls.push_back("open " + address); }
  void ShowMessage(const std::string& text) override { calls.push_back("message " + text); }
  void ShowError(const std::string& text) override { calls.push_back("error " + text); }
  void CloseMainWindow() override { calls.push_back("close"); }
};

const std::vector<std::string> kInstallRuns = {
    "run[0,60000] cmd /c tarnsvc.exe /install /silent", "run[0,60000] cmd /c net start tarnwick",
    "run[0,60000] cmd /c net stop tarnwick",           "run[0,60000] cmd /c net start tarnwick",
    "run[0,60000] cmd /c net start tarnwick"};
const std::vector<std::string> kUninstallRuns = {"run[0,60000] cmd /c net stop tarnwick",
                                                 "run[0,60000] cmd /c tarnsvc.exe /uninstall /silent"};

std::vector<std::string> Then(std::vector<std::string> runs, const std::string& last) {
  runs.push_back(last);
  return runs;
}

TEST(ServiceCommandsTest, InstallRunsTheFiveLinesHiddenThenReportsCompletion) {
  RecordingPlatform platform;
  platform.outcomes["cmd /c net start tarnwick"] = {CommandOutcome::Kind::Exited, 2};  // already running
  ServiceCommands(platform).InstallService();
  EXPECT_EQ(platform.calls, Then(kInstallRuns, std::string("message ") + ui_text::kInstallDone));
}

TEST(ServiceCommandsTest, UninstallRunsTheTwoLinesHiddenThenReportsCompletion) {
  RecordingPlatform platform;
  platform.outcomes["cmd /c net stop tarnwick"] = {CommandOutcome::Kind::Exited, 2};
  ServiceCommands(platform).UninstallService();
  EXPECT_EQ(platform.calls, Then(kUninstallRuns, std::string("message ") + ui_text::kUninstallDone));
}

struct FailureCase {
  const char* description;
  bool install;
  CommandOutcome outcome;
  std::string message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.description; }

class ServiceFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ServiceFailureTest, NamesTheCauseAfterTheWholeSequence) {
  const FailureCase& c = GetParam();
  RecordingPlatform platform;
  platform.outcomes[c.install ? "cmd /c tarnsvc.exe /install /silent" : "cmd /c tarnsvc.exe /uninstall /silent"] =
      c.outcome;
  ServiceCommands commands(platform);
  c.install ? commands.InstallService() : commands.UninstallService();
  EXPECT_EQ(platform.calls, Then(c.install ? kInstallRuns : kUninstallRuns, "message " + c.message));
}

const std::string kInstallFailed = std::string(ui_text::kInstallFailed) + "\r\n";
const std::string kUninstallFailed = std::string(ui_text::kUninstallFailed) + "\r\n";

INSTANTIATE_TEST_SUITE_P(Outcomes, ServiceFailureTest, ::testing::Values(
    FailureCase{"install_program_missing", true, {CommandOutcome::Kind::Exited, kCommandNotFoundExitCode},
                kInstallFailed + ui_text::kServiceProgramNotFound},
    FailureCase{"install_exit_status", true, {CommandOutcome::Kind::Exited, 5},
                kInstallFailed + ui_text::kServiceProgramExitStatus + "5"},
    FailureCase{"install_time_out", true, {CommandOutcome::Kind::TimedOut, 0},
                kInstallFailed + ui_text::kServiceProgramTimedOut},
    FailureCase{"install_cmd_not_started", true, {CommandOutcome::Kind::NotStarted, 0},
                kInstallFailed + ui_text::kServiceProgramNotFound},
    FailureCase{"uninstall_program_missing", false, {CommandOutcome::Kind::Exited, kCommandNotFoundExitCode},
                kUninstallFailed + ui_text::kServiceProgramNotFound},
    FailureCase{"uninstall_exit_status", false, {CommandOutcome::Kind::Exited, 1060},
                kUninstallFailed + ui_text::kServiceProgramExitStatus + "1060"}),
    [](const auto& info) { return std::string(info.param.description); });

TEST(ServiceCommandsTest, OnlineUpgradeStartsTheUpdaterThenCloses) {
  RecordingPlatform platform;
  ServiceCommands(platform).OnlineUpgrade();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"start[1] tarnupd.exe", "close"}));
}

TEST(ServiceCommandsTest, OnlineUpgradeWithoutAnUpdaterKeepsTheWindowOpen) {
  RecordingPlatform platform;
  platform.can_start = false;
  ServiceCommands(platform).OnlineUpgrade();
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"start[1] tarnupd.exe", std::string("error ") + ui_text::kUpdaterNotStarted}));
}

TEST(ServiceCommandsTest, PagesOpenOnTheWebSiteAndTheServiceDomain) {
  RecordingPlatform platform;
  ServiceCommands commands(platform);
  commands.OpenHelpPage();
  commands.OpenOpenSourcePage();
  commands.OpenHomePage();
  commands.OpenRegistrationPage();
  commands.OpenPasswordRecoveryPage();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{
                                "open http://www.tarn.cn/help.html", "open http://www.tarn.cn/ym.html",
                                "open http://www.tarn.cn/", "open https://tarn.cn/reg.php",
                                "open https://tarn.cn/findpass.php"}));
}

}  // namespace
