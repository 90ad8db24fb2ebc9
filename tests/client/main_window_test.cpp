#include "client/Unit1.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "client/md5.h"
#include "client/program_classes.h"
#include "client/ui_texts.h"
#include "frame/form.h"
#include "tests/support/message_box_watch.h"
#include "tests/support/scripted_server.h"
#include "toolkit/application.h"
#include "toolkit/control.h"
#include "toolkit/menu.h"
#include "toolkit/published_properties.h"
#include "toolkit/timer.h"
#include "toolkit/win_control.h"

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

ScriptedAnswer Address(const std::string& body) {
  return ScriptedAnswer::Reply("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
                               body);
}

// Lets the window's messages (timer ticks, clicks, paints) run until `done` or the limit.
template <typename Condition>
bool PumpUntil(Condition done, DWORD limit_ms = 5000) {
  const ULONGLONG deadline = GetTickCount64() + limit_ms;
  while (!done()) {
    if (GetTickCount64() > deadline) return false;
    Application().ProcessMessages();
    Sleep(5);
  }
  return true;
}

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterProgramClasses(); }

  void SetUp() override {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    directory_ = std::string(temp) + "tarnwick-window-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory_.c_str(), nullptr);
    settings_path_ = directory_ + "\\tarnwick.ini";
  }
  void TearDown() override {
    form_.reset();
    SetFileAttributesA(settings_path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(settings_path_.c_str());
    RemoveDirectoryA(directory_.c_str());
  }

  TForm1& Open(const std::string& script_address) {
    form_ = std::make_unique<TForm1>(nullptr, Form1Environment{settings_path_, script_address});
    form_->DoCreate();
    form_->Show();
    return *form_;
  }
  void Store(const std::string& bytes) { std::ofstream(settings_path_, std::ios::binary) << bytes; }

  TControl& Control(const char* name) { return *dynamic_cast<TControl*>(form_->FindComponent(name)); }
  TWinControl& Window(const char* name) { return *dynamic_cast<TWinControl*>(form_->FindComponent(name)); }
  TTimer& Timer1() { return *dynamic_cast<TTimer*>(form_->FindComponent("Timer1")); }

  // Types into an edit box as the keyboard would, character by character.
  void Type(const char* edit, const std::string& text) {
    const HWND window = Window(edit).Handle();
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (char c : text) SendMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  // Presses and releases the left mouse button in the middle of a button, as a user would.
  void Click(const char* button) {
    const HWND window = Window(button).Handle();
    RECT area;
    GetClientRect(window, &area);
    const LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(window, WM_LBUTTONUP, 0, middle);
  }

  std::string directory_;
  std::string settings_path_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(MainWindowTest, AFirstStartCreatesTheSettingsAndShowsNotConnected) {
  ScriptedServer server({});
  Open(server.Address("/lo.php?"));
  EXPECT_EQ(ReadBytes(settings_path_), "\r\n\r\n1\r\n0\r\n127.0.0.1\r\n");
  EXPECT_EQ(Control("suiEdit1").Text(), "");
  EXPECT_EQ(Control("Label5").Caption(), ui_text::kNotConnected);
  EXPECT_EQ(Control("Label7").Caption(), "127.0.0.1");
  EXPECT_TRUE(Control("suiButton1").Enabled());
  EXPECT_FALSE(Control("suiButton2").Enabled());
  EXPECT_EQ(Timer1().Interval(), 300000u);
  EXPECT_TRUE(Timer1().Enabled());
  EXPECT_TRUE(server.Requests().empty()) << "no request at start-up";
}

TEST_F(MainWindowTest, AStoredConnectionShowsAtOnce) {
  Store("alice\r\n\xc3\xdc\xc2\xeb\r\n1\r\n1\r\n10.0.0.9\r\n");
  ScriptedServer server({});
  Open(server.Address("/lo.php?"));
  EXPECT_EQ(Control("suiEdit1").Text(), "alice");
  EXPECT_EQ(Control("suiEdit2").Text(), "\xc3\xdc\xc2\xeb");
  EXPECT_EQ(Control("Label5").Caption(), ui_text::kConnected);
  EXPECT_EQ(Control("Label7").Caption(), "10.0.0.9");
  EXPECT_FALSE(Control("suiButton1").Enabled());
  EXPECT_TRUE(Control("suiButton2").Enabled());
}

TEST_F(MainWindowTest, TypingAndClickingLoginConnects) {
  ScriptedServer server({Address("10.1.2.3")});
  Open(server.Address("/lo.php?"));
  Type("suiEdit1", "demo");
  Type("suiEdit2", "tarnwick");
  Click("suiButton1");

  EXPECT_EQ(Control("Label5").Caption(), ui_text::kConnected);
  EXPECT_EQ(Control("Label7").Caption(), "10.1.2.3");
  EXPECT_FALSE(Control("suiButton1").Enabled());
  EXPECT_TRUE(Control("suiButton2").Enabled());
  EXPECT_EQ(ReadBytes(settings_path_), "demo\r\ntarnwick\r\n1\r\n1\r\n10.1.2.3\r\n");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_NE(server.Requests()[0].find("GET /lo.php?user=demo&pass=" + DigestToHex(DigestOfString("tarnwick")) +
                                      "&c=md5&ver=1.7.1&str="),
            std::string::npos)
      << server.Requests()[0];
}

TEST_F(MainWindowTest, ATimerTickLogsInWithTheBoxesText) {
  Store("alice\r\npw\r\n1\r\n0\r\n127.0.0.1\r\n");
  ScriptedServer server({Address("10.1.2.3")});
  Open(server.Address("/lo.php?"));
  Type("suiEdit1", "bob");
  Timer1().SetInterval(100);
  ASSERT_TRUE(PumpUntil([&] { return Control("Label5").Caption() == ui_text::kConnected; }));
  EXPECT_NE(server.Requests()[0].find("user=bob&"), std::string::npos);
  EXPECT_EQ(Timer1().Interval(), 300000u) << "connected: the next tick in five minutes";
}

TEST_F(MainWindowTest, AnUnwritableSettingsFileShowsTheErrorAndSendsNothing) {
  ScriptedServer server({});
  Open(server.Address("/lo.php?"));
  ASSERT_TRUE(SetFileAttributesA(settings_path_.c_str(), FILE_ATTRIBUTE_READONLY));
  const SeenMessageBox seen = WatchMessageBox([&] { Click("suiButton1"); });
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "File access denied.");
  EXPECT_EQ(seen.caption, Application().Title());
  EXPECT_TRUE(seen.has_icon);
  EXPECT_TRUE(server.Requests().empty());
  EXPECT_EQ(Control("Label5").Caption(), ui_text::kConnecting);
  EXPECT_FALSE(Control("suiButton1").Enabled());
  EXPECT_TRUE(IsWindowVisible(form_->Handle())) << "the window keeps running";
}

TEST_F(MainWindowTest, DisconnectStopsTheTimerAndALoginClickStartsItAgain) {
  Store("alice\r\npw\r\n1\r\n1\r\n10.0.0.9\r\n");
  ScriptedServer server({Address("bye"), Address("10.1.2.3")});
  Open(server.Address("/lo.php?"));
  Click("suiButton2");
  EXPECT_EQ(Control("Label5").Caption(), ui_text::kNotConnected);
  EXPECT_EQ(Control("Label7").Caption(), "127.0.0.1");
  EXPECT_FALSE(Timer1().Enabled());
  EXPECT_EQ(ReadBytes(settings_path_), "alice\r\npw\r\n1\r\n0\r\n127.0.0.1\r\n");

  Click("suiButton1");
  EXPECT_EQ(Control("Label5").Caption(), ui_text::kConnected);
  EXPECT_TRUE(Timer1().Enabled());
}

TEST_F(MainWindowTest, InstallWithoutTheServiceProgramSaysWhy) {
  ScriptedServer server({});
  Open(server.Address("/lo.php?"));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA(directory_.c_str());
  const SeenMessageBox seen = WatchMessageBox([&] { Click("suiButton3"); });
  SetCurrentDirectoryA(previous);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, std::string(ui_text::kInstallFailed) + "\r\n" + ui_text::kServiceProgramNotFound);
  EXPECT_FALSE(seen.has_icon);
}

TEST_F(MainWindowTest, TheQuitMenuItemClosesTheWindow) {
  ScriptedServer server({});
  Open(server.Address("/lo.php?"));
  ASSERT_TRUE(IsWindowVisible(form_->Handle()));
  dynamic_cast<TMenuItem*>(form_->FindComponent("QF1"))->Click();
  EXPECT_TRUE(PumpUntil([&] { return !form_->HandleAllocated() || !IsWindowVisible(form_->Handle()); }));
  EXPECT_TRUE(server.Requests().empty()) << "closing sends nothing";
}

TEST_F(MainWindowTest, TabWalksTheControlsInTheirOrderAndSkipsTheDisabledCheckBox) {
  ScriptedServer server({});
  Open(server.Address("/lo.php?"));
  // Every button enabled, so that the walk meets all of them.
  Control("suiButton2").SetEnabled(true);
  SetFocus(Window("suiEdit1").Handle());
  std::string walk = "suiEdit1";
  for (int step = 0; step < 6; ++step) {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    Application().ProcessMessages();
    const TWinControl* focused = TWinControl::FromHandle(GetFocus());
    walk += " " + (focused ? focused->Name() : std::string("?"));
  }
  EXPECT_EQ(walk, "suiEdit1 suiButton1 suiButton2 suiButton3 suiEdit2 suiButton4 suiEdit1");
}

TEST_F(MainWindowTest, TheWindowCannotBeResizedOrMaximisedAndTheCheckBoxIsCheckedAndDisabled) {
  ScriptedServer server({});
  TForm1& form = Open(server.Address("/lo.php?"));
  const LONG style = GetWindowLongA(form.Handle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  // Neither the frame nor the title bar offers maximising: its buttons are close and minimise.
  auto& skinned = dynamic_cast<TsuiForm&>(Control("suiForm1"));
  ASSERT_NE(skinned.TitleBarButtons(), nullptr);
  ASSERT_EQ(skinned.TitleBarButtons()->Count(), 2);
  EXPECT_EQ(skinned.TitleBarButtons()->Item(0).ButtonType(), TsuiTitleBarBtnType::suiClose);
  EXPECT_EQ(skinned.TitleBarButtons()->Item(1).ButtonType(), TsuiTitleBarBtnType::suiMin);

  // Disabled: the system gives it neither mouse nor keyboard input, and it shows checked.
  EXPECT_FALSE(IsWindowEnabled(Window("suiCheckBox1").Handle()));
  EXPECT_EQ(GetPublishedProperty(Control("suiCheckBox1"), "Checked"), "True");
}

}  // namespace
