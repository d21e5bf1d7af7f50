// Report reads from a pipe's ring, waiting for the reader thread when the ring is empty.
#include <atomic>
#include <cstring>

#include "boardapi/hid/hid_locks.h"
#include "boardapi/hid/hid_state.h"

namespace {

constexpr uint8_t kStatusReportId = 0xFF;
// The immediate read's wait for a status reply when the device's read time-out is unlimited.
constexpr DWORD kImmediateReplyMs = 1000;

#ifdef VENTRIX_TEST_HOOKS
std::atomic<int> emptyReads{0};
#endif

bool PopFromRing(HidPipe& pipe, uint8_t* report, bool takeOldest) {
  HidMutexHold hold(pipe.ringMutex);
  return takeOldest ? HidRingPopOldest(pipe.ring, report) : HidRingPopNewest(pipe.ring, report);
}

bool ValidPipe(int pipeIndex) { return pipeIndex >= 0 && pipeIndex < kHidPipes; }

// The caller holds the global mutex (the hold passed in); it is released during the wait. Events are reset
// before the ring is looked at, so a report filed after that look still wakes the wait.
int WaitReport(HidDevice*& device, HidDeviceHandle handle, int pipeIndex, uint8_t* buffer, bool takeOldest,
                  DWORD timeoutMs, HidMutexHold& global) {
  HidPipe* pipe = &device->pipes[pipeIndex];
  const bool canWait = IsLive(device) && device->claimed && pipe->reader.Started();
  if (canWait) {
    ResetEvent(pipe->dataEvent);
    ResetEvent(pipe->errorEvent);
  }
  if (PopFromRing(*pipe, buffer, takeOldest)) return pipe->caps.InputReportByteLength;
  if (!canWait) return 0;

  HANDLE waits[] = {pipe->dataEvent, pipe->errorEvent, pipe->endedEvent, g_hid.closeEvent};
  global.Release();
  const DWORD woke = WaitForMultipleObjects(4, waits, FALSE, timeoutMs);
  if (woke == WAIT_OBJECT_0 + 3) return 0;
  global.Acquire();
  device = HidFindDevice(handle);
  if (!device) return 0;
  pipe = &device->pipes[pipeIndex];
  ResetEvent(pipe->dataEvent);
  ResetEvent(pipe->errorEvent);
  if (woke != WAIT_OBJECT_0 || !PopFromRing(*pipe, buffer, takeOldest)) return 0;
  return pipe->caps.InputReportByteLength;
}

constexpr int kDeviceTimeout = -1;
constexpr int kNoTimeout = -2;

// A report read of any mode; timeoutMs overrides the device's read time-out when not kDeviceTimeout
// (kNoTimeout: no limit).
int ReadReport(HidDeviceHandle handle, int pipeIndex, uint8_t* buffer, int mode, bool takeOldest,
               int timeoutMs = kDeviceTimeout) {
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  HidDevice* device = global.held() ? HidFindDevice(handle) : nullptr;
  if (!device || !buffer || !ValidPipe(pipeIndex) || device->inCallback || !device->pipes[pipeIndex].readMutex ||
      device->mode != mode) {
    return HidResult(0, ERROR_INVALID_PARAMETER);
  }
  // One reader per pipe waits at a time. The read mutex is taken with the global mutex released: its holder
  // takes the global mutex again after its wait, so waiting for it while holding the global one would deadlock.
  const HANDLE readMutex = device->pipes[pipeIndex].readMutex;
  global.Release();
  HidMutexHold reader(readMutex, g_hid.closeEvent);
  if (!reader.held()) return HidResult(0, ERROR_TIMEOUT);
  global.Acquire();
  device = HidFindDevice(handle);
  if (!device) return HidResult(0, ERROR_TIMEOUT);

  const int wait = timeoutMs == kDeviceTimeout ? device->readTimeout : timeoutMs;
  const int length = WaitReport(device, handle, pipeIndex, buffer, takeOldest,
                                   wait < 0 ? INFINITE : static_cast<DWORD>(wait), global);
#ifdef VENTRIX_TEST_HOOKS
  if (length <= 0) ++emptyReads;
#endif
  return length > 0 ? HidResult(length, ERROR_SUCCESS) : HidResult(0, ERROR_TIMEOUT);
}

int InputLength(HidDeviceHandle handle, int pipeIndex) {
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  HidDevice* device = global.held() ? HidFindDevice(handle) : nullptr;
  if (!device || !ValidPipe(pipeIndex)) return 0;
  return device->pipes[pipeIndex].caps.InputReportByteLength;
}

// Whole reports into the buffer while it has room for one; timeoutMs as ReadReport's.
int ReadReports(HidDeviceHandle handle, int pipeIndex, void* buffer, int length, int timeoutMs) {
  const int reportLength = InputLength(handle, pipeIndex);
  if (reportLength <= 0 || !buffer) return HidResult(0, ERROR_INVALID_PARAMETER);
  auto* bytes = static_cast<uint8_t*>(buffer);
  int read = 0;
  while (length - read >= reportLength) {
    uint8_t report[kHidReportBytes] = {};
    if (ReadReport(handle, pipeIndex, report, kHidModePolling, true, timeoutMs) != reportLength) break;
    std::memcpy(bytes + read, report, static_cast<size_t>(reportLength));
    read += reportLength;
  }
  return read;
}

}  // namespace

int HidLayer_ReadReport(HidDeviceHandle device, int pipe, uint8_t* buffer, int mode, bool takeOldest) {
  return ReadReport(device, pipe, buffer, mode, takeOldest);
}

int HidLayer_Read(HidDeviceHandle handle, int pipeIndex, void* buffer, int length) {
  return ReadReports(handle, pipeIndex, buffer, length, kDeviceTimeout);
}

int HidLayer_ReadWithin(HidDeviceHandle handle, int pipeIndex, void* buffer, int length, int timeoutMs) {
  return ReadReports(handle, pipeIndex, buffer, length, timeoutMs < 0 ? kNoTimeout : timeoutMs);
}

int HidLayer_ReadNonBlocking(HidDeviceHandle handle, int pipeIndex, uint8_t* buffer) {
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  HidDevice* device = global.held() ? HidFindDevice(handle) : nullptr;
  if (!device || !buffer || !ValidPipe(pipeIndex) || !device->pipes[pipeIndex].ringMutex) {
    return HidResult(-1, ERROR_INVALID_PARAMETER);
  }
  HidPipe& pipe = device->pipes[pipeIndex];
  return HidResult(PopFromRing(pipe, buffer, true) ? static_cast<int>(pipe.caps.InputReportByteLength) : 0,
                   ERROR_SUCCESS);
}

int HidLayer_ReadImmediate(HidDeviceHandle handle, uint8_t* buffer64) {
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  HidDevice* device = global.held() ? HidFindDevice(handle) : nullptr;
  if (!device || !buffer64 || !IsLive(device) || !device->claimed || device->mode != kHidModePolling) {
    return HidResult(-1, ERROR_INVALID_PARAMETER);
  }
  HidPipe& special = device->pipes[1];
  const HidReportCallback callback = special.callback;
  special.callback = nullptr;

  uint8_t request[kHidReportBytes] = {kStatusReportId};
  uint8_t reply[kHidReportBytes] = {};
  const int timeoutMs = device->readTimeout >= 0 ? device->readTimeout : static_cast<int>(kImmediateReplyMs);
  // The exchange runs with the global mutex released: a reader waiting on this pipe holds its read mutex and
  // needs the global mutex to finish, so holding it here while asking for the read mutex would deadlock.
  global.Release();
  const bool answered = HidLayer_WriteReport(handle, 1, request, kHidModePolling) > 0 &&
                        ReadReport(handle, 1, reply, kHidModePolling, false, timeoutMs) > 0 &&
                        reply[0] == kStatusReportId;
  global.Acquire();
  device = HidFindDevice(handle);
  if (!device) return HidResult(0, ERROR_READ_FAULT);
  int result = 0;
  if (answered) {
    reply[0] = 0;
    std::memcpy(device->lastReport, reply, kHidReportBytes);
    result = device->pipes[0].caps.InputReportByteLength;
  }
  std::memcpy(buffer64, device->lastReport, kHidReportBytes);
  device->pipes[1].callback = callback;
  return HidResult(result, answered ? ERROR_SUCCESS : ERROR_READ_FAULT);
}

#ifdef VENTRIX_TEST_HOOKS
int HidLayer_EmptyReads() { return emptyReads.load(); }
#endif

bool HidLayer_ReadPortValue(HidDeviceHandle device, uint32_t* value) {
  uint8_t answer[kHidReportBytes] = {};
  if (!value || HidLayer_ReadImmediate(device, answer) <= 0) return false;
  *value = answer[1] | (answer[2] << 8) | (answer[3] << 16) | (static_cast<uint32_t>(answer[4]) << 24);
  return true;
}
