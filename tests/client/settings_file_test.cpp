#include "client/settings_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "client/io_error.h"

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    directory_ = std::string(temp) + "tarnwick-settings-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory_.c_str(), nullptr);
    path_ = directory_ + "\\tarnwick.ini";
  }
  void TearDown() override {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
    RemoveDirectoryA((path_ + ".new").c_str());
    DeleteFileA((path_ + ".new").c_str());
    RemoveDirectoryA(directory_.c_str());
  }

  std::string directory_;
  std::string path_;
};

TEST_F(SettingsFileTest, PathIsTheSystemDirectoryPlusTheFileName) {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(SettingsFilePath(), std::string(system) + "\\tarnwick.ini");
}

TEST_F(SettingsFileTest, FirstStartCreatesTheFileWithTheDefaultLines) {
  const ClientSettings loaded = LoadSettings(path_);
  EXPECT_EQ(loaded, (ClientSettings{"", "", "1", "0", "127.0.0.1"}));
  EXPECT_EQ(ReadBytes(path_), "\r\n\r\n1\r\n0\r\n127.0.0.1\r\n");
}

TEST_F(SettingsFileTest, AnExistingFileIsReadAndLeftAlone) {
  WriteBytes(path_, "alice\npw\n");
  EXPECT_EQ(LoadSettings(path_), (ClientSettings{"alice", "pw", "", "", ""}));
  EXPECT_EQ(ReadBytes(path_), "alice\npw\n");
}

TEST_F(SettingsFileTest, SaveWritesFiveLinesAndReloadReadsThemBack) {
  WriteBytes(path_, "a\nb\nc\nd\ne\nf\ng\n");
  const ClientSettings values{"\xd5\xc5\xc8\xfd", "\xc3\xdc\xc2\xeb", "1", "1", "10.1.2.3"};
  SaveSettings(path_, values);
  EXPECT_EQ(ReadBytes(path_), "\xd5\xc5\xc8\xfd\r\n\xc3\xdc\xc2\xeb\r\n1\r\n1\r\n10.1.2.3\r\n");

  ClientSettings reloaded;
  ReloadSettings(path_, reloaded);
  EXPECT_EQ(reloaded, values);
  EXPECT_EQ(GetFileAttributesA((path_ + ".new").c_str()), INVALID_FILE_ATTRIBUTES) << "no file left beside it";
}

TEST_F(SettingsFileTest, AFailedSaveRaisesAccessDeniedAndKeepsTheOldFile) {
  const std::string old_content = "alice\r\nsecret\r\n1\r\n1\r\n1.2.3.4\r\n";
  WriteBytes(path_, old_content);
  // Something that cannot be opened for writing stands where the new lines would go.
  ASSERT_TRUE(CreateDirectoryA((path_ + ".new").c_str(), nullptr));

  try {
    SaveSettings(path_, {"bob", "other", "1", "0", "127.0.0.1"});
    FAIL() << "the save did not fail";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.Code(), 5);
    EXPECT_STREQ(error.what(), "File access denied");
  }
  EXPECT_EQ(ReadBytes(path_), old_content);
}

TEST_F(SettingsFileTest, AReadOnlyFileRefusesTheSaveAndKeepsItsContent) {
  const std::string old_content = "alice\r\nsecret\r\n1\r\n1\r\n1.2.3.4\r\n";
  WriteBytes(path_, old_content);
  ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_THROW(SaveSettings(path_, {"bob", "", "1", "0", "127.0.0.1"}), InOutError);
  EXPECT_EQ(ReadBytes(path_), old_content);
  EXPECT_EQ(GetFileAttributesA((path_ + ".new").c_str()), INVALID_FILE_ATTRIBUTES) << "no file left beside it";
}

TEST_F(SettingsFileTest, AMissingDirectoryIsReportedWithItsCode) {
  const std::string nowhere = directory_ + "\\missing\\tarnwick.ini";
  try {
    LoadSettings(nowhere);
    FAIL() << "loading from a missing directory did not fail";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.Code(), 3);
    EXPECT_STREQ(error.what(), "Invalid filename");
  }
  EXPECT_THROW(ReloadSettings(directory_ + "\\absent.ini", *std::make_unique<ClientSettings>()), InOutError);
}

}  // namespace
