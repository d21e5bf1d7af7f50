#include "sim/run/program_process.h"

#include <algorithm>
#include <cstring>

#include "sim/run/program_windows.h"

namespace trelvikrun {

ProgramProcess::~ProgramProcess() {
  Terminate();
  if (process_ != nullptr) CloseHandle(process_);
}

bool ProgramProcess::Start(const std::string& folder, const Variables& variables, const std::string& outputFile) {
  // The program's environment: this process's, with the variables set.
  std::vector<std::string> entries;
  if (char* block = GetEnvironmentStringsA()) {
    for (const char* entry = block; *entry != 0; entry += std::strlen(entry) + 1) {
      const std::string text(entry);
      const bool replaced = std::any_of(variables.begin(), variables.end(), [&](const auto& variable) {
        return text.size() > variable.first.size() && text[variable.first.size()] == '=' &&
               _strnicmp(text.c_str(), variable.first.c_str(), variable.first.size()) == 0;
      });
      if (!replaced) entries.push_back(text);
    }
    FreeEnvironmentStringsA(block);
  }
  for (const auto& [name, value] : variables) entries.push_back(name + "=" + value);
  std::string environment;
  for (const std::string& entry : entries) environment += entry + '\0';
  environment += '\0';

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE output = CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION info{};
  std::string command = "\"" + folder + "Trelvik.exe\"";
  const BOOL started = CreateProcessA((folder + "Trelvik.exe").c_str(), command.data(), nullptr, nullptr, TRUE, 0,
                                     environment.data(), folder.c_str(), &startup, &info);
  if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
  if (!started) return false;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  return true;
}

HWND ProgramProcess::WaitForMainWindow(DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline && Running()) {
    if ((window_ = FindMainWindow(GetProcessId(process_))) != nullptr) return window_;
    Sleep(20);
  }
  return nullptr;
}

std::vector<std::vector<std::string>> ProgramProcess::ListBoxes() const { return ListBoxLines(window_); }

bool ProgramProcess::WaitForListLine(const std::string& line, DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline && Running()) {
    for (const auto& list : ListBoxes()) {
      if (std::find(list.begin(), list.end(), line) != list.end()) return true;
    }
    Sleep(50);
  }
  return false;
}

bool ProgramProcess::Running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void ProgramProcess::RequestClose() const {
  if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
}

bool ProgramProcess::WaitForEnd(DWORD timeoutMs) const {
  return process_ != nullptr && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

void ProgramProcess::Terminate() {
  if (Running()) {
    TerminateProcess(process_, 255);
    WaitForSingleObject(process_, 5000);
  }
}

DWORD ProgramProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_ != nullptr) GetExitCodeProcess(process_, &code);
  return code;
}

}  // namespace trelvikrun
