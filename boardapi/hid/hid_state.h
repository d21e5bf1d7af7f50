// The USB layer's records and its one global state. Internal to boardapi/hid/.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "boardapi/base/worker_thread.h"
#include "boardapi/hid/hid_layer.h"
#include "boardapi/hid/hid_platform.h"
#include "boardapi/hid/hid_ring.h"

constexpr uint32_t kHidLiveMarker = 0x494F5761;
constexpr uint32_t kHidDeadMarker = 0xF00FBEEF;
constexpr int kHidModeClosed = 0;
constexpr int kHidModePolling = 1;
constexpr int kHidModeNotifying = 2;
constexpr int kHidPipes = 2;
constexpr ULONG kHidDriverInputBuffers = 128;
constexpr int kHidSerialUnits = 9;

struct HidPipe {
  DEVINST interfaceNode;
  WorkerThread reader;
  HANDLE dataEvent, errorEvent, endedEvent;  // endedEvent: set as the reader leaves
  // Auto reset, set with each report filed and reset by no read: what a caller waits on between its reads
  // (HidLayer_DuplicateInputEvent), so a report filed while no read waited still ends its wait.
  HANDLE arrivalEvent;
  HANDLE ringMutex, readMutex, callbackMutex, ioMutex;
  HidReportCallback callback;
  uintptr_t callbackUser;
  uint8_t callbackCopy[kHidReportBytes];
  HidRing ring;
  HANDLE readHandle, writeHandle;
  HIDP_CAPS caps;
  HIDD_ATTRIBUTES attributes;
  PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail;
  // The reader thread's own: its device, its pipe number and its read in flight.
  HidDevice* device;
  int index;
  OVERLAPPED readOverlapped;
  uint8_t readBuffer[kHidReportBytes];
};

struct HidDevice {
  uint32_t marker;
  BOOL claimed;
  volatile LONG inCallback;
  int mode;
  int readTimeout;
  int writeTimeout;
  uint8_t lastReport[kHidReportBytes];
  BOOL hasLastReport;
  int interfaceCount;
  DEVINST parentNode;
  wchar_t serial[kHidSerialUnits];
  HidPipe pipes[kHidPipes];
  HidDevice* next;
};

struct HidLayerState {
  HidDeviceHandle table[kHidMaxDevices];
  int tableCount;
  HidDevice* live;
  HidDevice* fresh;  // records found by the enumeration in progress
  HANDLE mutex;
  HANDLE closeEvent;
  HANDLE heap;
  int mode;
  HidClientCallback callback;
  uintptr_t user;
  HWND window;
  bool refreshing;
  int liveCount;
  HidPlatformBinding platform;
  // Callers inside the layer; shutdown lets them leave before it frees what they use.
  std::atomic<int> operations;
  // Set when a caller or a reader did not leave in time: the records and the heap are then left to them
  // rather than freed under them.
  bool stranded;
};

extern HidLayerState g_hid;

inline const HidPlatform& Os() { return g_hid.platform.Calls(); }
inline bool IsLive(const HidDevice* device) { return device->marker == kHidLiveMarker; }
inline bool IsOpenHandle(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }

// The record behind a handle, found in the live list and then in the new list; null when in neither.
// The caller holds the global mutex.
HidDevice* HidFindDevice(HidDeviceHandle handle);
// Sets the thread's last error and returns the result, so failures read as one line.
template <typename T>
T HidResult(T result, DWORD error) {
  SetLastError(error);
  return result;
}

// Private heap (serialised: reader threads allocate ring slots while other threads use it).
void* HidAllocate(size_t bytes);  // zeroed
void HidFree(void* block);

// Records and pipes (hid_pipe.cpp, hid_enumerate.cpp, hid_lifecycle.cpp).
int HidEnumerate();
bool HidOpenPipe(HidDevice* device, int pipe);
// False when the pipe's reader did not end: what it uses is left in place.
bool HidClosePipe(HidPipe& pipe, bool full);
// False when a reader did not end (the layer is then stranded).
bool HidCloseDevice(HidDevice* device, bool full);
void HidFreeDevice(HidDevice* device);
void HidRefresh();
void HidShutdown();
bool HidClaim(HidDeviceHandle handle, bool claim, int mode);
bool HidCancelPipeIo(HidPipe& pipe, HANDLE handle);
void HidResetLastReport(HidDevice* device);

// Notifying mode's hidden window (hid_window.cpp).
bool HidCreateWindow();
void HidDestroyWindow();
