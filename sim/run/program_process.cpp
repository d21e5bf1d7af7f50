#include "sim/run/program_process.h"

#include <algorithm>
#include <cstring>

#include "controller/app/zedarave.h"

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
  struct Search {
    DWORD processId;
    HWND found;
  } search{process_ != nullptr ? GetProcessId(process_) : 0, nullptr};
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline && Running()) {
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          char caption[128] = {};
          GetWindowTextA(window, caption, sizeof caption);
          if (owner != s->processId || std::string(caption) != trelvik::kMainCaption) return TRUE;
          s->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return window_ = search.found;
    Sleep(20);
  }
  return nullptr;
}

std::vector<std::vector<std::string>> ProgramProcess::ListBoxes() const {
  std::vector<HWND> boxes;
  if (window_ == nullptr) return {};
  EnumChildWindows(
      window_,
      [](HWND child, LPARAM found) -> BOOL {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        const std::string className = CharUpperA(name);
        if (className.ends_with("LISTBOX")) reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&boxes));
  std::vector<std::vector<std::string>> lists;
  for (HWND box : boxes) {
    std::vector<std::string> lines;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(box, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count)) continue;
    for (DWORD_PTR i = 0; i < count && i < 1000; ++i) {
      // Across processes the text travels as UTF-16; the program's texts are plain ASCII.
      wchar_t line[512] = {};
      DWORD_PTR length = 0;
      if (!SendMessageTimeoutW(box, LB_GETTEXTLEN, i, 0, SMTO_ABORTIFHUNG, 2000, &length) || length >= 511) continue;
      DWORD_PTR copied = 0;
      SendMessageTimeoutW(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line), SMTO_ABORTIFHUNG, 2000, &copied);
      std::string text;
      for (const wchar_t* c = line; *c != 0; ++c) text += static_cast<char>(*c);
      lines.push_back(text);
    }
    lists.push_back(lines);
  }
  return lists;
}

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
