#include "boardapi/log/controller_log.h"

#include <shlobj.h>

#include <algorithm>
#include <cstdarg>
#include <iterator>

namespace {

constexpr char kSwitchMutexName[] = "ventrix Controller - {7C95CB13-EB25-4419-8614-A5C93109AFB3}";

constexpr const char* kNotice[] = {
    "** This file records faults that the ventrix board API met while it exchanged reports\n",
    "** with an interface board. Each line names the operation that faulted, the fault code,\n",
    "** the address of the fault and, for an access violation, whether memory was read or\n",
    "** written. The library writes one file per thread and day and never deletes them.\n",
    "** \n",
    "** The file may be sent to Brannock Limited support together with a description of what\n",
    "** the program was doing at the time. It holds no settings, assignments or personal data\n",
    "** beyond the program path shown below.\n",
    "** \n",
    "** Faults listed here were caught: the call that met the fault failed and the program\n",
    "** went on. Repeated entries usually mean a board was unplugged or its driver failed.\n",
    "** Deleting these files is safe at any time.\n",
};
static_assert(std::size(kNotice) == 12);

bool SwitchMutexExists() {
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, kSwitchMutexName);
  if (!mutex) return false;
  CloseHandle(mutex);
  return true;
}

bool FileIsMissing(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

ControllerLog::ControllerLog(bool alwaysOn) {
  if (!alwaysOn && !SwitchMutexExists()) return;
  enabled_ = true;

  std::string date = logline::DateText();
  std::replace(date.begin(), date.end(), '/', '-');
  const std::string folder = logline::AppDataFolder(GetDesktopWindow()) + "\\Brannock Limited\\Controller Logs\\" + date;
  SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
  path_ = folder + logline::Text("\\ventrix Controller - %lX.log", GetCurrentThreadId());

  if (FileIsMissing(path_)) WriteBanner();
}

void ControllerLog::WriteBanner() {
  const std::string rule = std::string(80, '*') + "\n";
  std::string banner = rule + rule;
  banner += "** ventrix Controller Log\n";
  banner += "** --------------------------\n";
  banner += "** \n";
  for (const char* line : kNotice) banner += line;
  banner += "** \n** \n";

  char module[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
  if (length > 0 && length < sizeof module) {
    banner += "** Module Name:     " + std::string(module) + "\n";
  } else {
    // The fixed text has no line end of its own; the next banner line must not run on.
    banner += logline::Text("Module name unavailable.  Error %lu", GetLastError()) + "\n";
  }
  banner += logline::Text("** Thread ID:       %lX\n", GetCurrentThreadId());
  banner += logline::Text("** Process ID:      %lX\n", GetCurrentProcessId());
  banner += "** \n";
  banner += rule + rule;
  appender_.Append(path_, banner);
}

void ControllerLog::Write(int level, const char* name, const char* format, ...) {
  if (level != 3 && !enabled_) return;

  std::string message;
  va_list args;
  va_start(args, format);
  const bool formatted = logline::FormatBounded(message, format, args);
  va_end(args);
  if (!formatted) return;

  std::string line = logline::Text("%s %s %d [%.08lX] [%25s]: %s", logline::DateText().c_str(),
                                   logline::TimeText().c_str(), level, GetCurrentThreadId(), name,
                                   message.c_str());
  logline::EndWithNewline(line);
  appender_.Append(path_, line);
}
