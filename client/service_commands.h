// The commands that drive the companion programs and open the service's web pages:
// install and remove the Windows service "tarnwick" through tarnsvc.exe, start the
// updater tarnupd.exe, open help, open-source, home, registration and password pages.
//
//   ServiceCommands commands(platform);
//   commands.InstallService();  // "安装" and "安装服务(&I)"
#pragma once

#include <chrono>
#include <string>

// How a command line ended.
struct CommandOutcome {
  enum class Kind { Exited, NotStarted, TimedOut };
  Kind kind;
  unsigned long exit_code = 0;  // with Kind::Exited
};

// The platform calls the commands make; a seam so that tests can record them.
class CommandPlatform {
 public:
  virtual ~CommandPlatform() = default;
  // Starts the command line with the show flag and waits for it up to the limit, with
  // the window still answering meanwhile.
  virtual CommandOutcome RunAndWait(const std::string& command_line, int show_flag,
                                    std::chrono::milliseconds limit) = 0;
  // Starts the command line and returns at once; false when it could not be started.
  virtual bool Start(const std::string& command_line, int show_flag) = 0;
  // Opens the address with the shell's "Open" verb, owned by the main window.
  virtual void OpenPage(const std::string& address) = 0;
  virtual void ShowMessage(const std::string& text) = 0;  // the plain application message box
  virtual void ShowError(const std::string& text) = 0;    // the application's error box
  virtual void CloseMainWindow() = 0;
};

inline constexpr int kShowHidden = 0;  // SW_HIDE
inline constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
// Long enough for a service to register and start, short enough not to look hung.
inline constexpr std::chrono::milliseconds kServiceCommandTimeLimit{60'000};
// What cmd reports when it cannot find the program it is asked to run.
inline constexpr unsigned long kCommandNotFoundExitCode = 9009;

class ServiceCommands {
 public:
  explicit ServiceCommands(CommandPlatform& platform) : platform_(platform) {}

  void InstallService();
  void UninstallService();
  void OnlineUpgrade();
  void OpenHelpPage();
  void OpenOpenSourcePage();
  void OpenHomePage();
  void OpenRegistrationPage();
  void OpenPasswordRecoveryPage();

 private:
  // Runs the fixed sequence; the line that runs tarnsvc.exe decides the outcome (the
  // repeated "net start"/"net stop" lines fail by design once the service is running).
  void RunServiceSequence(const char* const* lines, std::size_t count, const char* done_text,
                          const char* failed_text);

  CommandPlatform& platform_;
};
