// The device-change detector: a thread of its own with a hidden window registered for HID device-interface
// notifications, filtered down to one call per board: arrival when a board's interface 1 arrives, removal
// when its interface 0 is gone.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string_view>

#include "boardapi/include/ventrixAPI.h"

inline constexpr char kDetectorWindowClass[] = "ventrixControllerChangeDetector";

// True when a device-interface path names interface `interfaceNumber` of a board (vendor 0x1FD1 or 0x07C0,
// product 0x03E8, 0x03EA or 0x1583), in any letter case.
bool IsBoardInterface(std::string_view path, uint32_t interfaceNumber);

class CDeviceChangeDetector {
 public:
  // Called on the detector thread with the event (DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE).
  using Adapter = int32_t(WINAPI*)(uint32_t event, DeviceChangeCallback callback);

  CDeviceChangeDetector() = default;
  ~CDeviceChangeDetector();
  CDeviceChangeDetector(const CDeviceChangeDetector&) = delete;
  CDeviceChangeDetector& operator=(const CDeviceChangeDetector&) = delete;

  // Starts the thread and returns once its window exists (or could not be made), so an immediate Stop
  // always finds something to close.
  void Start(Adapter adapter, DeviceChangeCallback callback);
  // Closes the window and waits for the thread. Must not run on a thread the user callback waits for.
  void Stop();

 private:
  static unsigned __stdcall DetectorThread(void* detector);
  static LRESULT CALLBACK DetectorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RunWindow();
  DWORD Register();
  LRESULT OnDeviceChange(WPARAM event, LPARAM data);

  std::atomic<HWND> window_{nullptr};
  HANDLE thread_ = nullptr;
  HDEVNOTIFY notification_ = nullptr;
  Adapter adapter_ = nullptr;
  DeviceChangeCallback callback_ = nullptr;
  HANDLE windowReady_ = nullptr;  // set once the thread has its window, or gave up on it
  HANDLE loopEnded_ = nullptr;    // set as the thread's last act in the library's code
};
