// Opening and closing the layer, and the refresh that turns an enumeration into open, announced records.
#include <cstring>

#include "boardapi/hid/hid_locks.h"
#include "boardapi/hid/hid_state.h"

namespace {

constexpr DWORD kDeviceNodesChanged = 7;  // DBT_DEVNODES_CHANGED
constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;
// Callers still inside the layer at shutdown get this long to leave (their waits end on the close event).
constexpr ULONGLONG kLeaveMs = 5000;

void Announce(uint32_t event, HidDeviceHandle device) {
  if (g_hid.callback) g_hid.callback(event, device, g_hid.user);
}

HANDLE OpenOverlapped(const char* path, DWORD access) {
  return Os().CreateFileA(path, access, kShareReadWrite, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
}

// Opens both interfaces of a new record for overlapped I/O and starts its two readers.
bool OpenRecord(HidDevice* device) {
  HidResetLastReport(device);
  bool opened = true;
  for (int index = 0; index < kHidPipes && opened; ++index) {
    HidPipe& pipe = device->pipes[index];
    std::memset(pipe.ring.slots, 0, sizeof(pipe.ring.slots));
    pipe.readHandle = OpenOverlapped(pipe.detail->DevicePath, GENERIC_READ);
    pipe.writeHandle = OpenOverlapped(pipe.detail->DevicePath, GENERIC_WRITE);
    opened = IsOpenHandle(pipe.readHandle) && IsOpenHandle(pipe.writeHandle);
    if (opened) {
      Os().HidD_SetNumInputBuffers(pipe.readHandle, kHidDriverInputBuffers);
      opened = HidOpenPipe(device, index);
    }
  }
  if (!opened) HidCloseDevice(device, true);
  return opened;
}

HidDevice* FindByNode(HidDevice* list, DEVINST pipe0Node) {
  for (HidDevice* device = list; device; device = device->next) {
    if (IsLive(device) && device->pipes[0].interfaceNode == pipe0Node) return device;
  }
  return nullptr;
}

template <typename Drop>
void Unlink(HidDevice*& list, Drop&& drop) {
  for (HidDevice** link = &list; *link;) {
    HidDevice* device = *link;
    if (drop(device)) {
      *link = device->next;
      HidFreeDevice(device);
    } else {
      link = &device->next;
    }
  }
}

void TableCallback(uint32_t event, HidDeviceHandle device, uintptr_t) {
  if (event != HID_EVENT_OPENED || g_hid.tableCount >= kHidMaxDevices) return;
  HidClaim(device, true, kHidModePolling);
  g_hid.table[g_hid.tableCount++] = device;
}

void CloseObject(HANDLE& object) {
  if (object) CloseHandle(object);
  object = nullptr;
}

DWORD Start(HidClientCallback callback, uintptr_t user, int mode) {
  HidShutdown();
  DWORD error = ERROR_SUCCESS;
  g_hid.closeEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!g_hid.closeEvent) error = GetLastError();
  g_hid.mutex = CreateMutexW(nullptr, FALSE, nullptr);
  if (!g_hid.mutex && !error) error = GetLastError();
  if (mode == kHidModeNotifying && !HidCreateWindow() && !error) error = GetLastError();
  if (!error && !g_hid.platform.Bind()) error = GetLastError();
  if (!error) {
    // Serialised (no HEAP_NO_SERIALIZE): reader threads allocate ring slots while other threads use the heap.
    g_hid.heap = HeapCreate(0, 4096, 0);
    if (!g_hid.heap) error = GetLastError();
  }
  if (error) {
    HidShutdown();
    return HidResult(error, error);
  }
  g_hid.mode = mode;
  g_hid.callback = callback;
  g_hid.user = user;
  if (mode == kHidModePolling) HidRefresh();
  else PostMessageA(g_hid.window, WM_DEVICECHANGE, kDeviceNodesChanged, 0);
  return HidResult<DWORD>(ERROR_SUCCESS, ERROR_SUCCESS);
}

}  // namespace

void HidRefresh() {
  g_hid.refreshing = true;
  HidMutexHold global(g_hid.mutex);
  HidEnumerate();

  for (HidDevice* device = g_hid.live; device; device = device->next) {
    if (!IsLive(device) || FindByNode(g_hid.fresh, device->pipes[0].interfaceNode)) continue;
    HidCloseDevice(device, false);
    Announce(HID_EVENT_VANISHED, device);
  }
  Unlink(g_hid.live, [](HidDevice* device) { return !IsLive(device) && !device->claimed; });
  Unlink(g_hid.fresh, [](HidDevice* device) { return FindByNode(g_hid.live, device->pipes[0].interfaceNode); });

  for (HidDevice* device = g_hid.fresh; device; device = device->next) {
    if (OpenRecord(device)) Announce(HID_EVENT_OPENED, device);
  }
  // Opened records go to the front of the live list; the rest are freed.
  while (HidDevice* device = g_hid.fresh) {
    g_hid.fresh = device->next;
    if (IsLive(device)) {
      device->next = g_hid.live;
      g_hid.live = device;
    } else {
      HidFreeDevice(device);
    }
  }
  g_hid.liveCount = 0;
  for (HidDevice* device = g_hid.live; device; device = device->next) g_hid.liveCount += IsLive(device);
  Announce(HID_EVENT_ENUMERATED, nullptr);
  global.Release();
  g_hid.refreshing = false;
}

void HidShutdown() {
  if (g_hid.closeEvent) SetEvent(g_hid.closeEvent);
  // Waits in the layer end on the close event; let their callers leave before their records go.
  const ULONGLONG deadline = GetTickCount64() + kLeaveMs;
  while (g_hid.operations.load() > 0 && GetTickCount64() < deadline) Sleep(1);
  if (g_hid.operations.load() > 0) g_hid.stranded = true;
  if (g_hid.mutex && !g_hid.stranded) {
    HidMutexHold global(g_hid.mutex);
    Unlink(g_hid.live, [](HidDevice*) { return true; });
    Unlink(g_hid.fresh, [](HidDevice*) { return true; });
  }
  if (g_hid.stranded) {
    // Someone is still inside with the records: they, the mutex, the close event and the heap are left to
    // them (a leak, never a use of freed memory). The next open starts afresh.
    g_hid.live = g_hid.fresh = nullptr;
    g_hid.mutex = g_hid.closeEvent = g_hid.heap = nullptr;
    g_hid.stranded = false;
  }
  CloseObject(g_hid.mutex);
  CloseObject(g_hid.closeEvent);
  if (g_hid.heap) HeapDestroy(g_hid.heap);
  g_hid.heap = nullptr;
  HidDestroyWindow();
  g_hid.platform.Unbind();
  g_hid.mode = kHidModeClosed;
  g_hid.callback = nullptr;
  g_hid.user = 0;
  g_hid.liveCount = 0;
  SetLastError(ERROR_SUCCESS);
}

bool HidClaim(HidDeviceHandle handle, bool claim, int mode) {
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  HidDevice* device = global.held() ? HidFindDevice(handle) : nullptr;
  if (!device || device->mode != mode || (claim && !IsLive(device))) return HidResult(false, ERROR_INVALID_PARAMETER);
  device->claimed = claim;
  return HidResult(true, ERROR_SUCCESS);
}

HidDeviceHandle HidLayer_Open() {
  if (g_hid.mode == kHidModeNotifying) return HidResult<HidDeviceHandle>(nullptr, ERROR_ALREADY_ASSIGNED);
  g_hid.tableCount = 0;
  const DWORD error = Start(TableCallback, 0, kHidModePolling);
  if (error) {
    HidLayer_Close();
    return HidResult<HidDeviceHandle>(nullptr, error);
  }
  return HidResult(g_hid.tableCount ? g_hid.table[0] : nullptr, ERROR_SUCCESS);
}

DWORD HidLayer_OpenNotifying(HidClientCallback callback, uintptr_t user) {
  if (g_hid.mode == kHidModePolling) return HidResult<DWORD>(ERROR_ALREADY_ASSIGNED, ERROR_ALREADY_ASSIGNED);
  return Start(callback, user, kHidModeNotifying);
}

void HidLayer_Close() {
  HidShutdown();
  std::memset(g_hid.table, 0, sizeof(g_hid.table));
  g_hid.tableCount = 0;
}

int HidLayer_Count() { return g_hid.tableCount; }

HidDeviceHandle HidLayer_Device(int index) {
  if (g_hid.mode != kHidModePolling || index < 1 || index > g_hid.tableCount) {
    return HidResult<HidDeviceHandle>(nullptr, ERROR_INVALID_PARAMETER);
  }
  return HidResult(g_hid.table[index - 1], ERROR_SUCCESS);
}

bool HidLayer_Claim(HidDeviceHandle device, bool claim, int mode) { return HidClaim(device, claim, mode); }

#ifdef VENTRIX_TEST_HOOKS
int HidLayer_CallersInside() { return g_hid.operations.load(); }
#endif
