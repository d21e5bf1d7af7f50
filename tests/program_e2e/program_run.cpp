#include "tests/program_e2e/program_run.h"

#include <algorithm>

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
  boards_ = boards;
}

// A program still running is ended by its ChildProcess before the scratch folder goes.
ProgramRun::~ProgramRun() { process_.reset(); }

std::string ProgramRun::ReadFile(const std::string& name) const {
  return fw::TryReadFileText(folder_ + name).value_or(std::string("<missing>"));
}

void ProgramRun::WriteFile(const std::string& name, const std::string& text) const {
  fw::WriteFileText(folder_ + name, text);
}

std::vector<std::vector<std::string>> ProgramRun::WaitForListLine(const std::string& line, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  std::vector<std::vector<std::string>> lists;
  while (GetTickCount() - start < timeoutMs) {
    lists = ListBoxes();
    for (const auto& list : lists) {
      for (const std::string& held : list) {
        if (held == line) return lists;
      }
    }
    Sleep(50);
  }
  return lists;
}

void ProgramRun::AddSimConnectStandIn() {
  CopyFileA((ThisFolder() + "simconnect\\SimConnect.dll").c_str(), (folder_ + "SimConnect.dll").c_str(), FALSE);
  variables_.push_back({"TRELVIK_SIMCONNECT_JOURNAL", folder_ + kSimJournal});
}

bool ProgramRun::Start() {
  testsupport::ChildProcess::Variables variables{{"VENTRIX_HID_SIMULATOR", folder_ + "ventrix_hidsim.dll"},
                                                 {"VENTRIX_HIDSIM_BOARDS", boards_}};
  variables.insert(variables.end(), variables_.begin(), variables_.end());
  process_ = std::make_unique<testsupport::ChildProcess>(folder_ + "Trelvik.exe", "", variables);
  return process_->Started();
}

std::string ProgramRun::Output() const { return process_ ? process_->Output() : std::string(); }

// The program's own main window: tests of other areas may show a main form with the same caption meanwhile.
HWND ProgramRun::WaitForMainWindow(DWORD timeoutMs) {
  struct Search {
    DWORD processId;
    HWND found;
  } search{process_ ? process_->ProcessId() : 0, nullptr};
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
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
    window_ = search.found;
    if (window_ != nullptr) return window_;
    Sleep(20);
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
  return process_ != nullptr && process_->Wait(timeoutMs);
}

bool ListsHold(const ListLines& lists, const std::string& line) {
  for (const auto& list : lists) {
    if (std::find(list.begin(), list.end(), line) != list.end()) return true;
  }
  return false;
}

std::string DescribeLists(const ListLines& lists) {
  std::string shown;
  for (const auto& list : lists) {
    shown += "[";
    for (const std::string& line : list) shown += line + "|";
    shown += "]";
  }
  return shown;
}

}  // namespace e2e
