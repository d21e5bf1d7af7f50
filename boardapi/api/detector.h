// The device-change detector: a thread of its own with a hidden window registered for HID device-interface
// notifications, filtered down to one call per board: arrival when a board's interface 1 arrives, removal
// when its interface 0 is gone.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>

#include "boardapi/base/worker_thread.h"
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

  // Starts the thread and returns once its window exists, so an immediate Stop always finds something to
  // close. False, with nothing left running, when the thread or its window could not be made.
  bool Start(Adapter adapter, DeviceChangeCallback callback);
  // Closes the window and waits for the thread. On the detector's own thread (inside the program's callback)
  // it only closes: the thread ends when the callback returns and is waited for at the next start.
  void Stop();

 private:
  struct Run;  // one start's window and registration, shared by the detector and its thread

  static void RunWindow(Run& run);
  static LRESULT CALLBACK DetectorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::shared_ptr<Run> run_;
  WorkerThread thread_;
};
