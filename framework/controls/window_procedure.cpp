// The one window procedure of every framework window, and the registration of the window classes it
// serves. A window finds its control in the process's table of framework windows; the entry is made at
// the first message the window receives (before CreateWindowEx returns), so no message of the window's
// life passes the object by. The table is the process's own: every message looks its window up, and a
// window property would make that a call to the window manager (a server round trip under Wine).
#include <windows.h>

#include <commctrl.h>
#include <unordered_map>
#include <utility>

#include "framework/controls/win_control.h"
#include "framework/messaging/exception_boundary.h"
#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

// The framework windows of the process and their controls, under a reader-writer lock: windows are made
// and destroyed on their own threads, and any thread may look one up. Made on first use and never freed,
// so windows ending during the process's exit still find it.
SRWLOCK controlsLock = SRWLOCK_INIT;

std::unordered_map<HWND, TWinControl*>& FrameworkWindows() {
  static auto* const controls = new std::unordered_map<HWND, TWinControl*>();
  return *controls;
}

// The control whose window CreateWindowEx is making on this thread right now.
thread_local TWinControl* creatingControl = nullptr;

HINSTANCE FrameworkModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&FrameworkModule), &module);
  return module;
}

bool StandardClassInfo(const std::string& name, WNDCLASSEXA& info) {
  info.cbSize = sizeof(info);
  if (GetClassInfoExA(nullptr, name.c_str(), &info)) return true;
  // The common-controls classes exist once the library has registered them.
  INITCOMMONCONTROLSEX init{};
  init.dwSize = sizeof(init);
  init.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
               ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_DATE_CLASSES;
  InitCommonControlsEx(&init);
  return GetClassInfoExA(nullptr, name.c_str(), &info) != FALSE;
}

// Registers the class the parameters name (once per process) and returns the procedure that handles
// what the framework leaves: DefWindowProc for own classes, the standard control's for the others.
WNDPROC RegisterControlClass(const TCreateParams& params) {
  WNDCLASSEXA info{};
  info.cbSize = sizeof(info);
  WNDPROC baseProcedure = &DefWindowProcA;
  if (!params.BaseClassName.empty()) {
    if (!StandardClassInfo(params.BaseClassName, info)) RaiseLastOSError();
    baseProcedure = info.lpfnWndProc;
  } else {
    info.style = params.ClassStyle;
    info.hCursor = params.ClassCursor;
  }
  const HINSTANCE module = FrameworkModule();
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(module, params.WinClassName.c_str(), &existing)) return baseProcedure;
  info.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  info.lpfnWndProc = &StandardWndProc;
  info.hInstance = module;
  info.lpszClassName = params.WinClassName.c_str();
  if (!RegisterClassExA(&info)) RaiseLastOSError();
  return baseProcedure;
}

// Child windows carry an identifier so that notifications naming only the identifier find them.
HMENU NextChildId() {
  static UINT_PTR next = 100;
  if (++next > 0xFFFF) next = 101;
  return reinterpret_cast<HMENU>(next);
}

}  // namespace

TWinControl* FindControl(HWND window) {
  if (window == nullptr) return nullptr;
  AcquireSRWLockShared(&controlsLock);
  const auto found = FrameworkWindows().find(window);
  TWinControl* control = found != FrameworkWindows().end() ? found->second : nullptr;
  ReleaseSRWLockShared(&controlsLock);
  return control;
}

LRESULT CALLBACK StandardWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(window);
  if (control == nullptr) {
    control = std::exchange(creatingControl, nullptr);
    if (control == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
    control->AttachHandle(window);
  }
  try {
    return control->Perform(msg, wParam, lParam);
  } catch (...) {
    HandleException(control);
  }
  return 0;
}

void TWinControl::AttachHandle(HWND window) {
  handle_ = window;
  AcquireSRWLockExclusive(&controlsLock);
  FrameworkWindows()[window] = this;
  ReleaseSRWLockExclusive(&controlsLock);
}

void TWinControl::DetachHandle() {
  if (handle_ == nullptr) return;
  AcquireSRWLockExclusive(&controlsLock);
  const auto found = FrameworkWindows().find(handle_);
  if (found != FrameworkWindows().end() && found->second == this) FrameworkWindows().erase(found);
  ReleaseSRWLockExclusive(&controlsLock);
  handle_ = nullptr;
  mouseTracking_ = false;
  mouseControl_ = nullptr;
  captureControl_ = nullptr;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) != 0 && params.WndParent == nullptr) {
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  }
  defWndProc_ = RegisterControlClass(params);
  CreateWindowHandle(params);
  if (handle_ == nullptr) RaiseLastOSError();
  ApplyFont();
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  MakeWindow(Params, [&Params](HINSTANCE module, HMENU id) {
    return CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style,
                           Params.X, Params.Y, Params.Width, Params.Height, Params.WndParent, id, module,
                           Params.Param);
  });
}

HWND TWinControl::MakeWindow(const TCreateParams& Params, const TWindowMaker& Create) {
  const HMENU id = (Params.Style & WS_CHILD) != 0 ? NextChildId() : nullptr;
  creatingControl = this;
  HWND window = nullptr;
  try {
    window = Create(FrameworkModule(), id);
  } catch (...) {
    creatingControl = nullptr;
    throw;
  }
  creatingControl = nullptr;
  if (window != nullptr && handle_ == nullptr) AttachHandle(window);
  return window;
}

}  // namespace fw
