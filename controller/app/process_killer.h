// Ending running programs by executable name (the companion program "TCP_CLIENT.exe"). The process list
// and the termination are services, so tests stand a scripted process list behind them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/services/service.h"

namespace trelvik {

struct RunningProcess {
  std::uint32_t id = 0;
  std::string exe_file;  // the executable as the process snapshot lists it
};

// The running processes (a process snapshot); empty when no snapshot could be taken.
extern fw::Service<std::vector<RunningProcess>()> RunningProcesses;
// Opens the process with terminate access and ends it with exit code 0; false when either step failed.
extern fw::Service<bool(std::uint32_t id)> TerminateProcessById;

// Ends every running process whose executable file name (the part after the last path separator), or
// whose executable text as listed, equals name regardless of case. The result of the last termination;
// false when no process matched.
bool KillTask(const std::string& name);

}  // namespace trelvik
