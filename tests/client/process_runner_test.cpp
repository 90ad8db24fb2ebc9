#include "client/process_runner.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "client/ui_texts.h"

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A working directory holding (or not) the stand-in tarnsvc.exe, as the user's would.
class ServiceDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    directory_ = std::string(temp) + "tarnwick-svc-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory_.c_str(), nullptr);
    GetCurrentDirectoryA(MAX_PATH, previous_);
    SetCurrentDirectoryA(directory_.c_str());
  }
  void TearDown() override {
    SetCurrentDirectoryA(previous_);
    for (const char* name : {"tarnsvc.exe", "tarnsvc-calls.txt", "tarnsvc-exit-status.txt"})
      DeleteFileA((directory_ + "\\" + name).c_str());
    RemoveDirectoryA(directory_.c_str());
  }
  void PlaceStubProgram() {
    ASSERT_TRUE(CopyFileA(STUB_TARNSVC, (directory_ + "\\tarnsvc.exe").c_str(), FALSE)) << STUB_TARNSVC;
  }

  std::string directory_;
  char previous_[MAX_PATH] = {};
};

// The real platform calls of the commands, with the stand-in program.
class RealPlatform : public CommandPlatform {
 public:
  std::vector<std::string> messages;
  CommandOutcome RunAndWait(const std::string& line, int show, std::chrono::milliseconds limit) override {
    return ::RunAndWait(line, show, limit);
  }
  bool Start(const std::string& line, int show) override { return StartDetached(line, show); }
  void OpenPage(const std::string&) override {}
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { messages.push_back(text); }
  void CloseMainWindow() override { messages.push_back("closed"); }
};

TEST_F(ServiceDirectoryTest, CmdRunsTheServiceProgramFromTheCurrentDirectory) {
  PlaceStubProgram();
  const CommandOutcome outcome = RunAndWait("cmd /c tarnsvc.exe /install /silent", 0, std::chrono::seconds(60));
  EXPECT_EQ(outcome.kind, CommandOutcome::Kind::Exited);
  EXPECT_EQ(outcome.exit_code, 0u);
  EXPECT_EQ(ReadText("tarnsvc-calls.txt"), "/install /silent\n");
}

TEST_F(ServiceDirectoryTest, TheExitStatusComesThroughCmd) {
  PlaceStubProgram();
  std::ofstream("tarnsvc-exit-status.txt") << 7;
  const CommandOutcome outcome = RunAndWait("cmd /c tarnsvc.exe /uninstall /silent", 0, std::chrono::seconds(60));
  EXPECT_EQ(outcome.kind, CommandOutcome::Kind::Exited);
  EXPECT_EQ(outcome.exit_code, 7u);
}

TEST_F(ServiceDirectoryTest, InstallRecordsTheCallAndReportsCompletion) {
  PlaceStubProgram();
  RealPlatform platform;
  ServiceCommands(platform).InstallService();
  EXPECT_EQ(ReadText("tarnsvc-calls.txt"), "/install /silent\n");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], ui_text::kInstallDone);
}

TEST_F(ServiceDirectoryTest, InstallWithoutTheServiceProgramFails) {
  RealPlatform platform;
  ServiceCommands(platform).InstallService();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], std::string(ui_text::kInstallFailed) + "\r\n" + ui_text::kServiceProgramNotFound);
}

TEST_F(ServiceDirectoryTest, AProgramThatRunsTooLongTimesOut) {
  const CommandOutcome outcome = RunAndWait("cmd /c ping -n 3 127.0.0.1", 0, std::chrono::milliseconds(300));
  EXPECT_EQ(outcome.kind, CommandOutcome::Kind::TimedOut);
}

TEST_F(ServiceDirectoryTest, AMissingProgramCannotBeStartedDetached) {
  EXPECT_FALSE(StartDetached("tarnupd.exe", 1));
  RealPlatform platform;
  ServiceCommands(platform).OnlineUpgrade();
  EXPECT_EQ(platform.messages, std::vector<std::string>{ui_text::kUpdaterNotStarted});
}

}  // namespace
