#include "controller/app/process_killer.h"

#include <windows.h>
#include <tlhelp32.h>

#include "framework/rtl/ansicase.h"
#include "framework/rtl/filenames.h"

namespace trelvik {

namespace {

std::vector<RunningProcess> SnapshotProcesses() {
  std::vector<RunningProcess> processes;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return processes;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    processes.push_back({entry.th32ProcessID, entry.szExeFile});
  }
  CloseHandle(snapshot);
  return processes;
}

bool TerminateById(std::uint32_t id) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id);
  if (process == nullptr) return false;
  const bool ended = TerminateProcess(process, 0) != 0;
  CloseHandle(process);
  return ended;
}

}  // namespace

fw::Service<std::vector<RunningProcess>()> RunningProcesses{SnapshotProcesses};
fw::Service<bool(std::uint32_t id)> TerminateProcessById{TerminateById};

bool KillTask(const std::string& name) {
  const std::string wanted = fw::AnsiUpperCase(name);
  bool result = false;
  for (const RunningProcess& process : RunningProcesses()) {
    const std::string listed = fw::AnsiUpperCase(process.exe_file);
    if (fw::AnsiUpperCase(fw::ExtractFileName(process.exe_file)) == wanted || listed == wanted) {
      result = TerminateProcessById(process.id);
    }
  }
  return result;
}

}  // namespace trelvik
