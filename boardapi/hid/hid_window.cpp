// Notifying mode's hidden window: it refreshes when the system reports changed device nodes, and runs the
// report callbacks on its own thread for the reader threads.
#include "boardapi/hid/hid_locks.h"
#include "boardapi/hid/hid_state.h"

namespace {

constexpr char kClassName[] = "RuvEda2WndClass";
constexpr char kWindowName[] = "RuvEda2ThreadMessageWindow";
constexpr WPARAM kDeviceNodesChanged = 7;

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

LRESULT RunReportCallback(WPARAM pipeIndex, LPARAM lParam) {
  const auto handle = reinterpret_cast<HidDeviceHandle>(lParam);
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  HidDevice* device = global.held() ? HidFindDevice(handle) : nullptr;
  if (!device || !IsLive(device) || !device->claimed || pipeIndex >= kHidPipes) return 0;
  HidPipe& pipe = device->pipes[pipeIndex];
  if (!pipe.callback) return 0;
  HidReportCallback callback = pipe.callback;
  const uintptr_t user = pipe.callbackUser;
  const int length = pipe.caps.InputReportByteLength;
  InterlockedExchange(&device->inCallback, 1);
  const int result = callback(static_cast<int>(pipeIndex), device, pipe.callbackCopy, length, user);
  InterlockedExchange(&device->inCallback, 0);
  return result;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) return RunReportCallback(wParam, lParam);
  if (message == WM_DEVICECHANGE && wParam == kDeviceNodesChanged && !g_hid.refreshing) {
    HidRefresh();
    return TRUE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool HidCreateWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = ThisModule();
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  g_hid.window = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, kWindowName, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 ThisModule(), nullptr);
  return g_hid.window != nullptr;
}

void HidDestroyWindow() {
  // Only the window's own thread can destroy it; from any other thread it is asked to close.
  if (g_hid.window && !DestroyWindow(g_hid.window)) PostMessageA(g_hid.window, WM_CLOSE, 0, 0);
  g_hid.window = nullptr;
}
