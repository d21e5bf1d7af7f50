#include "tests/program_e2e/program_run.h"

#include "controller/app/zedarave.h"
#include "framework/rtl/filetext.h"

namespace e2e {
namespace {

std::string ThisFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text(path);
  return text.substr(0, text.find_last_of('\\') + 1);
}

}  // namespace

ProgramRun::ProgramRun(const std::string& name, const std::string& boards)
    : scratch_("e2e_" + name), folder_(scratch_.Path()) {
  const std::string bin = ThisFolder();
  for (const char* file : {"Trelvik.exe", "ventrixAPI.dll", "ventrix_hidsim.dll"}) {
    CopyFileA((bin + file).c_str(), (folder_ + file).c_str(), FALSE);
  }
  SetEnvironmentVariableA("VENTRIX_HID_SIMULATOR", (folder_ + "ventrix_hidsim.dll").c_str());
  SetEnvironmentVariableA("VENTRIX_HIDSIM_BOARDS", boards.c_str());
}

ProgramRun::~ProgramRun() {
  if (process_.hProcess != nullptr) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
}

std::string ProgramRun::ReadFile(const std::string& name) const {
  return fw::TryReadFileText(folder_ + name).value_or(std::string("<missing>"));
}

bool ProgramRun::Start() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string command = "\"" + folder_ + "Trelvik.exe\"";
  return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &startup,
                        &process_) != 0;
}

HWND ProgramRun::WaitForMainWindow(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    window_ = FindWindowA(nullptr, trelvik::kMainCaption);
    if (window_ != nullptr) return window_;
    if (WaitForSingleObject(process_.hProcess, 20) != WAIT_TIMEOUT) return nullptr;
  }
  return nullptr;
}

std::string ProgramRun::WaitForFileText(const std::string& name, const std::string& text, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  std::string content;
  while (GetTickCount() - start < timeoutMs) {
    content = ReadFile(name);
    if (content.find(text) != std::string::npos) break;
    Sleep(20);
  }
  return content;
}

std::vector<std::vector<std::string>> ProgramRun::ListBoxes() {
  std::vector<HWND> boxes;
  EnumChildWindows(
      window_,
      [](HWND child, LPARAM found) -> BOOL {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        // The framework's list boxes are subclasses named after the system class ("Trelvik.LISTBOX").
        const std::string className = CharUpperA(name);
        if (className.ends_with("LISTBOX")) reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&boxes));
  std::vector<std::vector<std::string>> lists;
  for (HWND box : boxes) {
    std::vector<std::string> lines;
    const LRESULT count = SendMessageA(box, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      // Across processes the text travels as UTF-16; the program's texts are plain ASCII.
      wchar_t line[512] = {};
      if (SendMessageW(box, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 511) {
        SendMessageW(box, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
      }
      std::string text;
      for (const wchar_t* c = line; *c != 0; ++c) text += static_cast<char>(*c);
      lines.push_back(text);
    }
    lists.push_back(lines);
  }
  return lists;
}

bool ProgramRun::Close(DWORD timeoutMs) {
  if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace e2e
