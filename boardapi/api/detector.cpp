#include "boardapi/api/detector.h"

#include <dbt.h>
#include <process.h>

#include <cstdio>

#include "boardapi/base/process_exit.h"
#include "boardapi/base/system_library.h"
#include "boardapi/base/unique_handle.h"
#include "boardapi/log/machine_info.h"

namespace {

// Inside the unload the loader lock is held and the thread cannot end; it is only given this long to leave
// the library's code.
constexpr DWORD kUnloadWaitMs = 2000;
// The thread makes its window at once; this only bounds the wait for one that never runs.
constexpr DWORD kStartWaitMs = 5000;

}  // namespace

struct CDeviceChangeDetector::Run {
  Adapter adapter = nullptr;
  DeviceChangeCallback callback = nullptr;
  std::atomic<HWND> window{nullptr};
  HDEVNOTIFY notification = nullptr;
  UniqueHandle ready;  // set once the thread has its window, or gave up on it

  DWORD Register();
  LRESULT OnDeviceChange(WPARAM event, LPARAM data);
};

CDeviceChangeDetector::~CDeviceChangeDetector() { Stop(); }

bool CDeviceChangeDetector::Start(Adapter adapter, DeviceChangeCallback callback) {
  if (run_ != nullptr) return true;
  auto run = std::make_shared<Run>();
  run->adapter = adapter;
  run->callback = callback;
  run->ready.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!run->ready) return false;
  if (!thread_.Start([run](const WorkerStop&) { RunWindow(*run); }, L"ventrix device-change detector")) return false;
  const HANDLE waits[] = {run->ready.get(), thread_.Handle()};
  WaitForMultipleObjects(2, waits, FALSE, kStartWaitMs);
  if (run->window.load() == nullptr) {
    // The window could not be made (the thread has ended or ends at once) or never came in time.
    thread_.Join(WorkerThread::kOwnerJoinMs);
    return false;
  }
  run_ = std::move(run);
  return true;
}

void CDeviceChangeDetector::Stop() {
  if (run_ != nullptr) {
    if (const HWND window = run_->window.load()) PostMessageA(window, WM_CLOSE, 0, 0);
    run_.reset();
  }
  thread_.Join(LibraryIsUnloading() ? kUnloadWaitMs : WorkerThread::kOwnerJoinMs);
}

void CDeviceChangeDetector::RunWindow(Run& run) {
  char title[64];
  std::snprintf(title, sizeof(title), "ventrix Controller Change Detector (%.08lX)", GetCurrentThreadId());
  const HINSTANCE module = LibraryModule();

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &DetectorWindowProc;
  windowClass.hInstance = module;
  windowClass.lpszClassName = kDetectorWindowClass;
  RegisterClassA(&windowClass);  // already registered by a detector that is still closing: fine

  const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kDetectorWindowClass, title, WS_POPUP, 0, 0, 0, 0, nullptr,
                                      nullptr, module, &run);
  run.window = window;
  if (window != nullptr) run.Register();  // without the registration the window still answers synthetic messages
  SetEvent(run.ready.get());
  if (window == nullptr) return;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (run.notification != nullptr) {
    UnregisterDeviceNotification(run.notification);
    run.notification = nullptr;
  }
  run.window = nullptr;
  // Classes a library registers outlive it; a later load would find one pointing at the old code.
  UnregisterClassA(kDetectorWindowClass, module);
}

DWORD CDeviceChangeDetector::Run::Register() {
  using GetHidGuidFn = void(WINAPI*)(GUID*);
  const HMODULE hid = LoadSystemLibrary("hid.dll");  // stays loaded
  if (hid == nullptr) return GetLastError();
  const auto getHidGuid =
      reinterpret_cast<GetHidGuidFn>(reinterpret_cast<void*>(GetProcAddress(hid, "HidD_GetHidGuid")));
  if (getHidGuid == nullptr) return GetLastError();

  DEV_BROADCAST_DEVICEINTERFACE_A filter{};
  filter.dbcc_size = sizeof(filter);
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  getHidGuid(&filter.dbcc_classguid);
  notification = RegisterDeviceNotificationA(window.load(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
  return notification != nullptr ? 0 : GetLastError();
}

LRESULT CALLBACK CDeviceChangeDetector::DetectorWindowProc(HWND window, UINT message, WPARAM wParam,
                                                           LPARAM lParam) {
  if (message == WM_CREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return 0;
  }
  auto* run = reinterpret_cast<Run*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  try {
    switch (message) {
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      case WM_DEVICECHANGE:
        return run != nullptr ? run->OnDeviceChange(wParam, lParam) : TRUE;
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  } catch (...) {
    // Nothing leaves a window procedure; the notification is simply not passed on.
    return TRUE;
  }
}

LRESULT CDeviceChangeDetector::Run::OnDeviceChange(WPARAM event, LPARAM data) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  if (adapter == nullptr || header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) {
    return TRUE;
  }
  const char* path = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(header)->dbcc_name;
  if ((event == DBT_DEVICEARRIVAL && IsBoardInterface(path, 1)) ||
      (event == DBT_DEVICEREMOVECOMPLETE && IsBoardInterface(path, 0))) {
    adapter(static_cast<uint32_t>(event), callback);
  }
  return TRUE;
}
