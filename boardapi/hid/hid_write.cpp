// Report writes. Each write has its own completion record, so writers on several threads (the caller and a
// switch reader) never take each other's result; the record lives until the system has finished with it.
#include <algorithm>
#include <memory>

#include "boardapi/hid/hid_locks.h"
#include "boardapi/hid/hid_state.h"

namespace {

// How long a write whose time-out passed waits for its cancelled I/O to report back.
constexpr DWORD kCancelSettleMs = 1000;

struct WriteCompletion {
  OVERLAPPED overlapped{};
  bool done = false;
  DWORD error = ERROR_SUCCESS;
  DWORD transferred = 0;
};

VOID CALLBACK WriteCompleted(DWORD error, DWORD transferred, LPOVERLAPPED overlapped) {
  auto* completion = CONTAINING_RECORD(overlapped, WriteCompletion, overlapped);
  completion->error = error;
  completion->transferred = transferred;
  completion->done = true;
}

// Waits alertably, so the completion routine can run, until the write is done, the time-out passes or the
// layer closes (timeoutMs < 0: no time-out).
void AwaitCompletion(const WriteCompletion& completion, int timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::max(timeoutMs, 0));
  while (!completion.done) {
    DWORD wait = INFINITE;
    if (timeoutMs >= 0) {
      const ULONGLONG now = GetTickCount64();
      if (now >= deadline) return;
      wait = static_cast<DWORD>(deadline - now);
    }
    if (WaitForSingleObjectEx(g_hid.closeEvent, wait, TRUE) == WAIT_OBJECT_0) return;
  }
}

void AwaitCancelled(const WriteCompletion& completion) {
  const ULONGLONG deadline = GetTickCount64() + kCancelSettleMs;
  while (!completion.done && GetTickCount64() < deadline) SleepEx(10, TRUE);
}

}  // namespace

int HidLayer_WriteReport(HidDeviceHandle handle, int pipeIndex, const uint8_t* buffer, int mode) {
  HidOperation operation;
  HidMutexHold global(g_hid.mutex);
  HidDevice* device = global.held() ? HidFindDevice(handle) : nullptr;
  if (!device || !IsLive(device) || device->mode != mode || !buffer || pipeIndex < 0 || pipeIndex >= kHidPipes ||
      !device->claimed) {
    return HidResult(0, ERROR_INVALID_PARAMETER);
  }
  HidPipe& pipe = device->pipes[pipeIndex];
  const HANDLE file = pipe.writeHandle;
  if (!IsOpenHandle(file)) return HidResult(0, ERROR_INVALID_PARAMETER);
  const int length = pipe.caps.OutputReportByteLength;

  auto completion = std::make_unique<WriteCompletion>();
  if (!Os().WriteFileEx(file, buffer, static_cast<DWORD>(length), &completion->overlapped, WriteCompleted) &&
      GetLastError() != ERROR_IO_PENDING) {
    return HidResult(0, ERROR_INVALID_PARAMETER);
  }
  const int timeoutMs = device->writeTimeout;
  global.Release();
  AwaitCompletion(*completion, timeoutMs);
  global.Acquire();

  device = HidFindDevice(handle);
  if (!completion->done) {
    if (device && global.held()) HidCancelPipeIo(device->pipes[pipeIndex], file);
    AwaitCancelled(*completion);
    // A write the system never reported back keeps its record: the system may still write into it.
    if (!completion->done) completion.release();
    return HidResult(0, ERROR_TIMEOUT);
  }
  if (!device) return HidResult(0, ERROR_TIMEOUT);
  if (completion->error == ERROR_SUCCESS && completion->transferred > 0) return HidResult(length, ERROR_SUCCESS);
  // A failed write never reads as success: without an error from the system, nothing went out.
  return HidResult(0, completion->error ? completion->error : ERROR_WRITE_FAULT);
}

int HidLayer_Write(HidDeviceHandle handle, int pipeIndex, const void* data, int length) {
  int reportLength = 0;
  {
    HidOperation operation;
    HidMutexHold global(g_hid.mutex);
    HidDevice* device = global.held() ? HidFindDevice(handle) : nullptr;
    if (!device || !data || pipeIndex < 0 || pipeIndex >= kHidPipes) return HidResult(0, ERROR_INVALID_PARAMETER);
    reportLength = device->pipes[pipeIndex].caps.OutputReportByteLength;
  }
  if (reportLength <= 0) return HidResult(0, ERROR_INVALID_PARAMETER);
  const auto* bytes = static_cast<const uint8_t*>(data);
  int written = 0;
  for (int report = 0; report < length / reportLength; ++report) {
    if (HidLayer_WriteReport(handle, pipeIndex, bytes + written, kHidModePolling) != reportLength) break;
    written += reportLength;
  }
  return written;
}
