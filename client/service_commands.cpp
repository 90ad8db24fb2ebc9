#include "client/service_commands.h"

#include <iterator>

#include "client/service_names.h"
#include "client/ui_texts.h"

namespace {

constexpr std::string_view kServiceProgram = "tarnsvc.exe";

constexpr const char* kInstallLines[] = {
    "cmd /c tarnsvc.exe /install /silent",
    "cmd /c net start tarnwick",
    "cmd /c net stop tarnwick",
    "cmd /c net start tarnwick",
    "cmd /c net start tarnwick",
};

constexpr const char* kUninstallLines[] = {
    "cmd /c net stop tarnwick",
    "cmd /c tarnsvc.exe /uninstall /silent",
};

constexpr char kUpdaterCommandLine[] = "tarnupd.exe";

std::string FailureCause(const CommandOutcome& outcome) {
  switch (outcome.kind) {
    case CommandOutcome::Kind::NotStarted: return ui_text::kServiceProgramNotFound;
    case CommandOutcome::Kind::TimedOut: return ui_text::kServiceProgramTimedOut;
    case CommandOutcome::Kind::Exited:
      if (outcome.exit_code == kCommandNotFoundExitCode) return ui_text::kServiceProgramNotFound;
      return ui_text::kServiceProgramExitStatus + std::to_string(outcome.exit_code);
  }
  return {};
}

std::string WebSitePage(const char* path) { return std::string("http://") + kWebSiteHost + path; }
std::string ServiceDomainPage(const char* path) { return std::string("https://") + kServiceDomain + path; }

}  // namespace

void ServiceCommands::RunServiceSequence(const char* const* lines, std::size_t count, const char* done_text,
                                         const char* failed_text) {
  CommandOutcome judged{CommandOutcome::Kind::Exited, 0};
  for (std::size_t i = 0; i < count; ++i) {
    const std::string line = lines[i];
    const CommandOutcome outcome = platform_.RunAndWait(line, kShowHidden, kServiceCommandTimeLimit);
    if (line.find(kServiceProgram) != std::string::npos) judged = outcome;
  }
  const bool succeeded = judged.kind == CommandOutcome::Kind::Exited && judged.exit_code == 0;
  platform_.ShowMessage(succeeded ? std::string(done_text) : std::string(failed_text) + "\r\n" + FailureCause(judged));
}

void ServiceCommands::InstallService() {
  RunServiceSequence(kInstallLines, std::size(kInstallLines), ui_text::kInstallDone, ui_text::kInstallFailed);
}

void ServiceCommands::UninstallService() {
  RunServiceSequence(kUninstallLines, std::size(kUninstallLines), ui_text::kUninstallDone,
                     ui_text::kUninstallFailed);
}

void ServiceCommands::OnlineUpgrade() {
  // Closing the window without an updater on its way would leave the user with nothing.
  if (!platform_.Start(kUpdaterCommandLine, kShowNormal)) {
    platform_.ShowError(ui_text::kUpdaterNotStarted);
    return;
  }
  platform_.CloseMainWindow();
}

void ServiceCommands::OpenHelpPage() { platform_.OpenPage(WebSitePage("/help.html")); }
void ServiceCommands::OpenOpenSourcePage() { platform_.OpenPage(WebSitePage("/ym.html")); }
void ServiceCommands::OpenHomePage() { platform_.OpenPage(WebSitePage("/")); }
void ServiceCommands::OpenRegistrationPage() { platform_.OpenPage(ServiceDomainPage("/reg.php")); }
void ServiceCommands::OpenPasswordRecoveryPage() { platform_.OpenPage(ServiceDomainPage("/findpass.php")); }
