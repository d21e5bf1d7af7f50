#include "boardapi/api/detector.h"

#include <dbt.h>
#include <process.h>

#include <cstdio>

#include "boardapi/api/process_exit.h"
#include "boardapi/log/machine_info.h"

namespace {

// Inside the unload the loader lock is held and the thread cannot end; it is only given this long to leave
// the library's code.
constexpr DWORD kUnloadWaitMs = 2000;

}  // namespace

CDeviceChangeDetector::~CDeviceChangeDetector() { Stop(); }

void CDeviceChangeDetector::Start(Adapter adapter, DeviceChangeCallback callback) {
  if (thread_ != nullptr) return;
  adapter_ = adapter;
  callback_ = callback;
  windowReady_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  loopEnded_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  const uintptr_t thread = _beginthreadex(nullptr, 0, &DetectorThread, this, 0, nullptr);
  if (thread == 0) {
    CloseHandle(windowReady_);
    CloseHandle(loopEnded_);
    windowReady_ = loopEnded_ = nullptr;
    return;
  }
  thread_ = reinterpret_cast<HANDLE>(thread);
  const HANDLE waits[] = {windowReady_, thread_};
  WaitForMultipleObjects(2, waits, FALSE, INFINITE);
}

void CDeviceChangeDetector::Stop() {
  if (thread_ == nullptr) return;
  if (const HWND window = window_.load()) PostMessageA(window, WM_CLOSE, 0, 0);
  if (LibraryIsUnloading()) {
    WaitForSingleObject(loopEnded_, kUnloadWaitMs);
  } else {
    WaitForSingleObject(thread_, INFINITE);
  }
  CloseHandle(thread_);
  CloseHandle(windowReady_);
  CloseHandle(loopEnded_);
  thread_ = windowReady_ = loopEnded_ = nullptr;
}

unsigned __stdcall CDeviceChangeDetector::DetectorThread(void* detector) {
  auto* self = static_cast<CDeviceChangeDetector*>(detector);
  self->RunWindow();
  SetEvent(self->loopEnded_);
  return 0;
}

void CDeviceChangeDetector::RunWindow() {
  char title[64];
  std::snprintf(title, sizeof(title), "ventrix Controller Change Detector (%.08lX)", GetCurrentThreadId());
  const HINSTANCE module = LibraryModule();

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &DetectorWindowProc;
  windowClass.hInstance = module;
  windowClass.lpszClassName = kDetectorWindowClass;
  RegisterClassA(&windowClass);  // already registered by a detector that is still closing: fine

  const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kDetectorWindowClass, title, WS_POPUP, 0, 0, 0, 0, nullptr,
                                      nullptr, module, this);
  window_ = window;
  if (window != nullptr) Register();  // without the registration the window still answers synthetic messages
  SetEvent(windowReady_);
  if (window == nullptr) return;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (notification_ != nullptr) {
    UnregisterDeviceNotification(notification_);
    notification_ = nullptr;
  }
  window_ = nullptr;
  // Classes a library registers outlive it; a later load would find one pointing at the old code.
  UnregisterClassA(kDetectorWindowClass, module);
}

DWORD CDeviceChangeDetector::Register() {
  using GetHidGuidFn = void(WINAPI*)(GUID*);
  const HMODULE hid = LoadLibraryA("hid.dll");  // stays loaded
  if (hid == nullptr) return GetLastError();
  const auto getHidGuid =
      reinterpret_cast<GetHidGuidFn>(reinterpret_cast<void*>(GetProcAddress(hid, "HidD_GetHidGuid")));
  if (getHidGuid == nullptr) return GetLastError();

  DEV_BROADCAST_DEVICEINTERFACE_A filter{};
  filter.dbcc_size = sizeof(filter);
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  getHidGuid(&filter.dbcc_classguid);
  notification_ = RegisterDeviceNotificationA(window_.load(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
  return notification_ != nullptr ? 0 : GetLastError();
}

LRESULT CALLBACK CDeviceChangeDetector::DetectorWindowProc(HWND window, UINT message, WPARAM wParam,
                                                           LPARAM lParam) {
  if (message == WM_CREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return 0;
  }
  auto* self = reinterpret_cast<CDeviceChangeDetector*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_DEVICECHANGE:
      return self != nullptr ? self->OnDeviceChange(wParam, lParam) : TRUE;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT CDeviceChangeDetector::OnDeviceChange(WPARAM event, LPARAM data) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  if (adapter_ == nullptr || header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) {
    return TRUE;
  }
  const char* path = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(header)->dbcc_name;
  if ((event == DBT_DEVICEARRIVAL && IsBoardInterface(path, 1)) ||
      (event == DBT_DEVICEREMOVECOMPLETE && IsBoardInterface(path, 0))) {
    adapter_(static_cast<uint32_t>(event), callback_);
  }
  return TRUE;
}
