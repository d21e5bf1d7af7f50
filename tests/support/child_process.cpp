#include "tests/support/child_process.h"

namespace testsupport {

namespace {

// How long the output may take to reach its end after the child ended (only a process the child started
// and left running could hold it open longer).
constexpr DWORD kOutputEndWaitMs = 5000;

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// Sets the variables for the child's creation and puts the previous values back afterwards.
class ScopedVariables {
 public:
  explicit ScopedVariables(const ChildProcess::Variables& variables) {
    for (const auto& [name, value] : variables) {
      const DWORD length = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
      std::string previous(length, '\0');
      if (length > 0) GetEnvironmentVariableA(name.c_str(), previous.data(), length);
      if (!previous.empty()) previous.pop_back();  // the terminating zero
      saved_.push_back({name, length > 0, previous});
      SetEnvironmentVariableA(name.c_str(), value.c_str());
    }
  }
  ~ScopedVariables() {
    for (const auto& saved : saved_) {
      SetEnvironmentVariableA(saved.name.c_str(), saved.hadValue ? saved.value.c_str() : nullptr);
    }
  }
  ScopedVariables(const ScopedVariables&) = delete;
  ScopedVariables& operator=(const ScopedVariables&) = delete;

 private:
  struct Saved {
    std::string name;
    bool hadValue;
    std::string value;
  };
  std::vector<Saved> saved_;
};

}  // namespace

std::string ProgramFolderFile(const std::string& name) {
  std::string path = ProgramPath();
  path.resize(path.find_last_of('\\') + 1);
  return path + name;
}

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments, const Variables& variables) {
  SECURITY_ATTRIBUTES inheritable{};
  inheritable.nLength = sizeof(inheritable);
  inheritable.bInheritHandle = TRUE;
  HANDLE outputWrite = nullptr;
  if (!CreatePipe(&outputRead_, &outputWrite, &inheritable, 0)) {
    outputRead_ = nullptr;
    return;
  }
  SetHandleInformation(outputRead_, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outputWrite;
  startup.hStdError = outputWrite;
  const bool fullPath = program.find('\\') != std::string::npos;
  std::string commandLine = "\"" + (fullPath ? program : ProgramFolderFile(program)) + "\" " + arguments;
  PROCESS_INFORMATION created{};
  {
    ScopedVariables scoped(variables);
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &created)) {
      process_ = created.hProcess;
      CloseHandle(created.hThread);
    }
  }
  // Only the child holds the write side now: the output ends when the child does.
  CloseHandle(outputWrite);
  if (process_ != nullptr) gatherer_ = CreateThread(nullptr, 0, &ChildProcess::GatherOutput, this, 0, nullptr);
}

ChildProcess::~ChildProcess() {
  if (process_ != nullptr) {
    Wait(0);
    CloseHandle(process_);
  }
  FinishGathering();
  if (outputRead_ != nullptr) CloseHandle(outputRead_);
}

DWORD WINAPI ChildProcess::GatherOutput(void* self) {
  auto& child = *static_cast<ChildProcess*>(self);
  char chunk[512];
  DWORD read = 0;
  while (ReadFile(child.outputRead_, chunk, sizeof(chunk), &read, nullptr) && read > 0) {
    for (DWORD i = 0; i < read; ++i) {
      if (chunk[i] != '\r') child.output_.push_back(chunk[i]);  // the child's text-mode line ends
    }
  }
  return 0;
}

void ChildProcess::FinishGathering() {
  if (gatherer_ == nullptr) return;
  if (WaitForSingleObject(gatherer_, kOutputEndWaitMs) != WAIT_OBJECT_0) {
    CancelSynchronousIo(gatherer_);
    // Never left reading into an object about to go.
    if (WaitForSingleObject(gatherer_, kOutputEndWaitMs) != WAIT_OBJECT_0) TerminateThread(gatherer_, 1);
  }
  CloseHandle(gatherer_);
  gatherer_ = nullptr;
}

bool ChildProcess::Wait(DWORD timeoutMs) {
  if (process_ == nullptr) return false;
  const bool ended = WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
  if (!ended) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, kOutputEndWaitMs);
  }
  FinishGathering();
  return ended;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = 0;
  if (process_ == nullptr || !GetExitCodeProcess(process_, &code)) return 0xFFFFFFFF;
  return code;
}

ChildProcess StartChildEntry(const std::string& entry, const ChildProcess::Variables& variables) {
  std::string program = ProgramPath();
  program.erase(0, program.find_last_of('\\') + 1);
  return ChildProcess(program, "--child=" + entry, variables);
}

}  // namespace testsupport
