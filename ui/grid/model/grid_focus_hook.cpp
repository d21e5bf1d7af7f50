// The focus window follows its cell: every window position change on the GUI thread moves it again.
#include "ui/grid/model/grid_focus_hook.h"

#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

HHOOK focusHook = nullptr;
TVxStringGrid* focusWindowGrid = nullptr;

LRESULT CALLBACK CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && focusWindowGrid != nullptr) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (message->message == WM_WINDOWPOSCHANGING || message->message == WM_WINDOWPOSCHANGED) {
      try {
        focusWindowGrid->MoveFocusWindow();
      } catch (...) {
        // A hook never lets an exception into the system's call.
      }
    }
  }
  return ::CallNextHookEx(focusHook, code, wParam, lParam);
}

}  // namespace

void MakeWindowTransparent(HWND window) {
  const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
  ::SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_TRANSPARENT);
}

TVxStringGrid* FocusWindowGrid() { return focusWindowGrid; }
void SetFocusWindowGrid(TVxStringGrid* grid) { focusWindowGrid = grid; }

bool InstallFocusWindowHook() {
  if (focusHook == nullptr) focusHook = ::SetWindowsHookExA(WH_CALLWNDPROC, CallWndProcHook, nullptr, ::GetCurrentThreadId());
  return focusHook != nullptr;
}

bool FocusWindowHookInstalled() { return focusHook != nullptr; }

void RemoveFocusWindowHook() {
  if (focusHook == nullptr) return;
  ::UnhookWindowsHookEx(focusHook);
  focusHook = nullptr;
}

}  // namespace ui
