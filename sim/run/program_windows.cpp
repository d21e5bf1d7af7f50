#include "sim/run/program_windows.h"

#include <commctrl.h>

#include "controller/app/zedarave.h"

namespace trelvikrun {

std::vector<HWND> TopLevelWindows(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindMainWindow(DWORD processId) {
  for (HWND window : TopLevelWindows(processId)) {
    char caption[128] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(caption) == trelvik::kMainCaption) return window;
  }
  return nullptr;
}

std::vector<std::vector<std::string>> ListBoxLines(HWND window) {
  std::vector<HWND> boxes;
  if (window == nullptr) return {};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM found) -> BOOL {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        // The framework's list boxes are subclasses named after the system class ("Trelvik.LISTBOX").
        const std::string className = CharUpperA(name);
        if (className.ends_with("LISTBOX")) reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&boxes));
  constexpr UINT kAnswerMs = 2000;
  std::vector<std::vector<std::string>> lists;
  for (HWND box : boxes) {
    std::vector<std::string> lines;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(box, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &count)) continue;
    for (DWORD_PTR i = 0; i < count; ++i) {
      // Across processes the text travels as UTF-16; the program's texts are plain ASCII.
      wchar_t line[512] = {};
      DWORD_PTR length = 0;
      if (SendMessageTimeoutW(box, LB_GETTEXTLEN, i, 0, SMTO_ABORTIFHUNG, kAnswerMs, &length) && length < 511) {
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line), SMTO_ABORTIFHUNG, kAnswerMs, &copied);
      }
      std::string text;
      for (const wchar_t* c = line; *c != 0; ++c) text += static_cast<char>(*c);
      lines.push_back(text);
    }
    lists.push_back(lines);
  }
  return lists;
}

std::string StatusPanelText(HWND window, int panel) {
  HWND bar = nullptr;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM found) -> BOOL {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        // The framework's status bar is a subclass named after the system class ("Trelvik.msctls_statusbar32").
        const std::string className = CharUpperA(name);
        if (!className.ends_with("STATUSBAR32")) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&bar));
  if (bar == nullptr) return {};
  DWORD processId = 0;
  GetWindowThreadProcessId(bar, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) return {};
  constexpr SIZE_T kSize = 512;
  char text[kSize] = {};
  void* remote = VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote != nullptr) {
    DWORD_PTR length = 0;
    if (SendMessageTimeoutA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel), 0, SMTO_ABORTIFHUNG, 2000, &length) &&
        LOWORD(length) < kSize) {
      DWORD_PTR result = 0;
      SIZE_T read = 0;
      if (SendMessageTimeoutA(bar, SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(remote),
                              SMTO_ABORTIFHUNG, 2000, &result)) {
        ReadProcessMemory(process, remote, text, kSize - 1, &read);
      }
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return text;
}

bool ClickAt(HWND window, POINT clientPoint) {
  if (window == nullptr) return false;
  HWND target = window;
  POINT point = clientPoint;
  for (;;) {
    HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == target) break;
    MapWindowPoints(target, child, &point, 1);
    target = child;
  }
  const LPARAM at = MAKELPARAM(point.x, point.y);
  constexpr UINT kAnswerMs = 2000;
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(target, WM_MOUSEMOVE, 0, at, SMTO_ABORTIFHUNG, kAnswerMs, &result) != 0 &&
         SendMessageTimeoutA(target, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_ABORTIFHUNG, kAnswerMs, &result) != 0 &&
         SendMessageTimeoutA(target, WM_LBUTTONUP, 0, at, SMTO_ABORTIFHUNG, kAnswerMs, &result) != 0;
}

}  // namespace trelvikrun
