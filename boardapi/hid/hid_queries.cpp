// Properties of a device record and the small operations of both modes.
#include <cstring>

#include "boardapi/hid/hid_locks.h"
#include "boardapi/hid/hid_state.h"

namespace {

constexpr int kAnyMode = -1;

// Runs the action on the record under the global mutex, or answers the refusal with 87 when the handle is
// not known, the mode does not match or the pipe (when one is given) is not 0 or 1.
template <typename Result, typename Action>
Result WithDevice(HidDeviceHandle handle, int mode, int pipeIndex, Result refused, Action&& action) {
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  HidDevice* device = global.held() ? HidFindDevice(handle) : nullptr;
  if (!device || (mode != kAnyMode && device->mode != mode) || pipeIndex < -1 || pipeIndex >= kHidPipes) {
    return HidResult(refused, ERROR_INVALID_PARAMETER);
  }
  Result result = action(*device);
  SetLastError(ERROR_SUCCESS);
  return result;
}

constexpr int kNoPipe = -1;

}  // namespace

uint16_t HidLayer_ProductId(HidDeviceHandle handle) {
  return WithDevice<uint16_t>(handle, kHidModePolling, kNoPipe, 0,
                              [](HidDevice& d) { return d.pipes[0].attributes.ProductID; });
}

uint16_t HidLayer_Revision(HidDeviceHandle handle) {
  return WithDevice<uint16_t>(handle, kHidModePolling, kNoPipe, 0,
                              [](HidDevice& d) { return d.pipes[0].attributes.VersionNumber; });
}

HANDLE HidLayer_ReaderThreadHandle(HidDeviceHandle handle, int pipe) {
  if (pipe < 0) return HidResult<HANDLE>(nullptr, ERROR_INVALID_PARAMETER);
  return WithDevice<HANDLE>(handle, kHidModePolling, pipe, nullptr,
                            [pipe](HidDevice& d) { return d.pipes[pipe].reader.Handle(); });
}

HANDLE HidLayer_DuplicateInputEvent(HidDeviceHandle handle, int pipe) {
  if (pipe < 0) return HidResult<HANDLE>(nullptr, ERROR_INVALID_PARAMETER);
  return WithDevice<HANDLE>(handle, kHidModePolling, pipe, nullptr, [pipe](HidDevice& d) -> HANDLE {
    HANDLE copy = nullptr;
    if (!d.pipes[pipe].arrivalEvent ||
        !DuplicateHandle(GetCurrentProcess(), d.pipes[pipe].arrivalEvent, GetCurrentProcess(), &copy, SYNCHRONIZE,
                         FALSE, 0)) {
      return nullptr;
    }
    return copy;
  });
}

bool HidLayer_SerialNumber(HidDeviceHandle handle, wchar_t serial[9]) {
  if (!serial) return HidResult(false, ERROR_INVALID_PARAMETER);
  return WithDevice<bool>(handle, kAnyMode, kNoPipe, false, [serial](HidDevice& d) {
    std::memcpy(serial, d.serial, sizeof(d.serial));
    return d.serial[0] != 0;
  });
}

bool HidLayer_SerialText(HidDeviceHandle handle, char* text, int size) {
  if (!text || size <= 0) return HidResult(false, ERROR_INVALID_PARAMETER);
  return WithDevice<bool>(handle, kHidModeNotifying, kNoPipe, false, [text, size](HidDevice& d) {
    int i = 0;
    for (; i < size - 1 && i < kHidSerialUnits - 1 && d.serial[i]; ++i) text[i] = static_cast<char>(d.serial[i]);
    text[i] = 0;
    return i > 0;
  });
}

void HidLayer_SetReadTimeout(HidDeviceHandle handle, int milliseconds) {
  WithDevice<int>(handle, kHidModePolling, kNoPipe, 0, [=](HidDevice& d) { return d.readTimeout = milliseconds; });
}

void HidLayer_SetWriteTimeout(HidDeviceHandle handle, int milliseconds) {
  WithDevice<int>(handle, kHidModePolling, kNoPipe, 0, [=](HidDevice& d) { return d.writeTimeout = milliseconds; });
}

int HidLayer_ReadTimeout(HidDeviceHandle handle) {
  return WithDevice<int>(handle, kHidModePolling, kNoPipe, 0, [](HidDevice& d) { return d.readTimeout; });
}

int HidLayer_WriteTimeout(HidDeviceHandle handle) {
  return WithDevice<int>(handle, kHidModePolling, kNoPipe, 0, [](HidDevice& d) { return d.writeTimeout; });
}

bool HidLayer_CancelIo(HidDeviceHandle handle, int pipe) {
  if (pipe < 0) return HidResult(false, ERROR_INVALID_PARAMETER);
  return WithDevice<bool>(handle, kAnyMode, pipe, false, [pipe](HidDevice& d) {
    HidPipe& p = d.pipes[pipe];
    const bool read = HidCancelPipeIo(p, p.readHandle);
    const bool written = HidCancelPipeIo(p, p.writeHandle);
    return read && written;
  });
}

bool HidLayer_IsPresent(HidDeviceHandle handle) {
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  return HidResult(global.held() && HidFindDevice(handle) != nullptr, ERROR_SUCCESS);
}

bool HidLayer_IsClaimed(HidDeviceHandle handle) {
  return WithDevice<bool>(handle, kHidModeNotifying, kNoPipe, false, [](HidDevice& d) { return d.claimed != 0; });
}

bool HidLayer_IsAlive(HidDeviceHandle handle) {
  return WithDevice<bool>(handle, kHidModeNotifying, kNoPipe, false, [](HidDevice& d) { return IsLive(&d); });
}

int HidLayer_TotalCount() { return g_hid.liveCount; }

int HidLayer_PendingCount(HidDeviceHandle handle, int pipe) {
  if (pipe < 0) return HidResult(-1, ERROR_INVALID_PARAMETER);
  return WithDevice<int>(handle, kHidModeNotifying, pipe, -1, [pipe](HidDevice& d) {
    HidMutexHold hold(d.pipes[pipe].ringMutex);
    return d.pipes[pipe].ring.count;
  });
}

int HidLayer_Flush(HidDeviceHandle handle, int pipe) {
  if (pipe < 0) return HidResult(-1, ERROR_INVALID_PARAMETER);
  return WithDevice<int>(handle, kHidModeNotifying, pipe, -1, [pipe](HidDevice& d) {
    HidMutexHold hold(d.pipes[pipe].ringMutex);
    return HidRingFlush(d.pipes[pipe].ring);
  });
}

bool HidLayer_SetPipeCallback(HidDeviceHandle handle, int pipe, HidReportCallback callback, uintptr_t user) {
  if (pipe < 0) return HidResult(false, ERROR_INVALID_PARAMETER);
  return WithDevice<bool>(handle, kHidModeNotifying, pipe, false, [=](HidDevice& d) {
    HidMutexHold hold(d.pipes[pipe].callbackMutex);
    d.pipes[pipe].callback = callback;
    d.pipes[pipe].callbackUser = user;
    return true;
  });
}

void HidLayer_Reannounce() {
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  if (!global.held() || !g_hid.callback) return;
  for (HidDevice* device = g_hid.live; device; device = device->next) {
    if (IsLive(device) && !device->claimed) g_hid.callback(HID_EVENT_OPENED, device, g_hid.user);
  }
}

const char* HidLayer_Version() { return "ventrix Base API V1.5"; }
const char* HidLayer_VersionNotifying() { return "ventrix V2.0 beta"; }
