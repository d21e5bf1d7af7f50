// The one way a test starts a second process: a program from the test program's folder, or this test
// program running one of its child entries (child_entry.h). The child gets the test's environment plus the
// given variables; its standard output and error are gathered while it runs, so it never blocks on a full pipe.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

class ChildProcess {
 public:
  // Environment variables for the child, name and value.
  using Variables = std::vector<std::pair<std::string, std::string>>;

  // Starts `program`, a file in the test program's folder (or a full path, for a program copied elsewhere),
  // with `arguments`.
  ChildProcess(const std::string& program, const std::string& arguments, const Variables& variables = {});
  ~ChildProcess();  // ends a child that still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return process_ != nullptr; }
  // Waits up to timeoutMs for the child's end; false when it still ran, and it is then ended. The output is
  // complete once this returned.
  bool Wait(DWORD timeoutMs);
  DWORD ExitCode() const;
  DWORD ProcessId() const { return process_ != nullptr ? GetProcessId(process_) : 0; }
  // What the child wrote to its standard output and error, line ends as "\n".
  const std::string& Output() const { return output_; }

 private:
  static DWORD WINAPI GatherOutput(void* self);
  void FinishGathering();

  HANDLE process_ = nullptr;
  HANDLE outputRead_ = nullptr;
  HANDLE gatherer_ = nullptr;
  std::string output_;
};

// Starts this test program again to run its child entry `entry`.
ChildProcess StartChildEntry(const std::string& entry, const ChildProcess::Variables& variables = {});

// A file in the test program's folder.
std::string ProgramFolderFile(const std::string& name);

}  // namespace testsupport
