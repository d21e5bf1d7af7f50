#include "components/net/socket_window.h"

#include "components/net/winsock_binding.h"
#include "framework/messaging/exception_boundary.h"

namespace net {

HWND CreateSocketWindow(SocketWindowTarget* Owner) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  {
    ScopedUnitLock guard(WindowClassLock());
    WNDCLASSA info{};
    if (!GetClassInfoA(instance, kSocketWindowClassName, &info)) {
      info = WNDCLASSA{};
      info.lpfnWndProc = &SocketWindowProc;
      info.cbWndExtra = sizeof(LONG_PTR);
      info.hInstance = instance;
      info.lpszClassName = kSocketWindowClassName;
      if (RegisterClassA(&info) == 0) return nullptr;
    }
  }
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kSocketWindowClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, instance, nullptr);
  if (window != nullptr) SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(Owner));
  return window;
}

bool DestroySocketWindow(HWND Window) {
  SetWindowLongPtrA(Window, 0, 0);
  return DestroyWindow(Window) != FALSE;
}

void UnregisterSocketWindowClass() {
  ScopedUnitLock guard(WindowClassLock());
  UnregisterClassA(kSocketWindowClassName, GetModuleHandleA(nullptr));
}

LRESULT CALLBACK SocketWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* owner = reinterpret_cast<SocketWindowTarget*>(GetWindowLongPtrA(Window, 0));
  if (owner == nullptr) return DefWindowProcA(Window, Msg, WParam, LParam);
  try {
    return owner->SocketWindowMessage(Msg, WParam, LParam);
  } catch (...) {
    fw::HandleException(nullptr);
    return 0;
  }
}

}  // namespace net
