#include "sim/run/program_windows.h"

#include "controller/app/zedarave.h"

namespace trelvikrun {

HWND FindMainWindow(DWORD processId) {
  struct Search {
    DWORD processId;
    HWND found;
  } search{processId, nullptr};
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
  return search.found;
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

}  // namespace trelvikrun
