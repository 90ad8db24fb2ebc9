// Starting command lines the way the service commands need: started hidden or shown,
// waited for with a limit while the calling thread keeps dispatching its window
// messages (so the window repaints), or started and left to run.
//
//   CommandOutcome outcome = RunAndWait("cmd /c tarnsvc.exe /install /silent", SW_HIDE, 60s);
#pragma once

#include <chrono>
#include <string>

#include "client/service_commands.h"

CommandOutcome RunAndWait(const std::string& command_line, int show_flag, std::chrono::milliseconds limit);

// WinExec's contract: false when the program could not be started.
bool StartDetached(const std::string& command_line, int show_flag);
