// A pipe's kernel objects and its reader thread, which keeps one overlapped read in flight on the interface
// and files every report it gets into the pipe's ring (or hands it to a notifying-mode report callback).
#include <atomic>
#include <cstring>
#include <cwchar>
#include <iterator>

#include "boardapi/base/process_exit.h"
#include "boardapi/hid/fault_guard.h"
#include "boardapi/hid/hid_locks.h"
#include "boardapi/hid/hid_state.h"

namespace {

constexpr DWORD kReaderWakeMs = 250;
// How long an unload gives a reader to leave the layer's code.
constexpr DWORD kUnloadReaderWaitMs = 2000;
// A reader wakes at least every kReaderWakeMs; one that has not ended after this is stuck in the system.
constexpr DWORD kReaderStopWaitMs = 10000;

#ifdef VENTRIX_TEST_HOOKS
std::atomic<int> objectsBeforeFailure{-1};
#endif

// The kernel objects of a pipe; a test can make one of them fail.
bool FailThisObject() {
#ifdef VENTRIX_TEST_HOOKS
  int left = objectsBeforeFailure.load();
  while (left >= 0 && !objectsBeforeFailure.compare_exchange_weak(left, left - 1)) {
  }
  if (left == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return true;
  }
#endif
  return false;
}

HANDLE MakeEvent() { return FailThisObject() ? nullptr : CreateEventW(nullptr, TRUE, FALSE, nullptr); }
HANDLE MakeMutex() { return FailThisObject() ? nullptr : CreateMutexW(nullptr, FALSE, nullptr); }

void CloseObject(HANDLE& object) {
  if (object) CloseHandle(object);
  object = nullptr;
}

void CloseDeviceFile(HANDLE& file) {
  if (IsOpenHandle(file)) Os().CloseHandle(file);
  file = nullptr;
}

VOID CALLBACK IgnoreCompletion(DWORD, DWORD, LPOVERLAPPED) {}

// The reader's calls into the system each run guarded: a fault inside the device's driver answers -1 (and is
// written to the controller log) instead of ending the host process.
int StartRead(HidPipe& pipe) {
  return Guarded("HidPipe::StartRead", [&pipe] {
    return Os().ReadFileEx(pipe.readHandle, pipe.readBuffer, pipe.caps.InputReportByteLength, &pipe.readOverlapped,
                           IgnoreCompletion)
               ? 1
               : 0;
  });
}

// The finished read's result: 1 with the bytes it brought, 0 when it failed, -1 after a fault.
int ReadResult(HidPipe& pipe, DWORD& transferred) {
  return Guarded("HidPipe::ReadResult", [&] {
    return Os().GetOverlappedResult(pipe.readHandle, &pipe.readOverlapped, &transferred, TRUE) ? 1 : 0;
  });
}

// Ends the read in flight and waits until the system is done with its buffer.
void AbandonRead(HidPipe& pipe, bool started) {
  if (!started) return;
  Guarded("HidPipe::AbandonRead", [&pipe] {
    if (HidCancelPipeIo(pipe, pipe.readHandle)) {
      DWORD transferred = 0;
      Os().GetOverlappedResult(pipe.readHandle, &pipe.readOverlapped, &transferred, TRUE);
    }
    return 0;
  });
}

// After a fault the pipe reads no more: a read the faulting call may have started is cancelled first, and
// callers waiting for a report wake (the reader's end wakes them for good).
void StopAfterFault(HidPipe& pipe) {
  AbandonRead(pipe, true);
  SetEvent(pipe.errorEvent);
}

// A report callback of notifying mode may take the report; answers whether it did.
bool OfferToCallback(HidPipe& pipe) {
  HidDevice* device = pipe.device;
  if (!pipe.callback || !device->claimed) return false;
  {
    HidMutexHold hold(pipe.callbackMutex);
    std::memcpy(pipe.callbackCopy, pipe.readBuffer, kHidReportBytes);
  }
  DWORD_PTR consumed = 0;
  HWND window = g_hid.window;
  return window && SendMessageTimeoutA(window, WM_USER, static_cast<WPARAM>(pipe.index),
                                       reinterpret_cast<LPARAM>(device), SMTO_NORMAL, 1000, &consumed) &&
         consumed != 0;
}

void FileReport(HidPipe& pipe) {
  HidMutexHold hold(pipe.ringMutex);
  if (pipe.index == 0) {
    std::memcpy(pipe.device->lastReport, pipe.readBuffer, kHidReportBytes);
    pipe.device->hasLastReport = TRUE;
  }
  hold.Release();
  if (OfferToCallback(pipe)) return;
  hold.Acquire();
  HidRingPush(pipe.ring, g_hid.heap, pipe.readBuffer);
  SetEvent(pipe.dataEvent);
  SetEvent(pipe.arrivalEvent);
}

void ReadReports(HidPipe& pipe, const WorkerStop& stop) {
  bool failed = false;  // stays set for the life of the thread
  for (;;) {
    std::memset(pipe.readBuffer, 0, sizeof(pipe.readBuffer));
    std::memset(&pipe.readOverlapped, 0, sizeof(pipe.readOverlapped));
    const int start = StartRead(pipe);
    if (start < 0) return StopAfterFault(pipe);
    const bool started = start > 0;
    DWORD woke;
    do {
      woke = WaitForSingleObjectEx(stop.Event(), kReaderWakeMs, TRUE);
      // Another APC than our read's completion is no reason to stop waiting.
    } while ((woke == WAIT_TIMEOUT && !failed) ||
             (woke == WAIT_IO_COMPLETION && started && !HasOverlappedIoCompleted(&pipe.readOverlapped)));

    if (woke == WAIT_OBJECT_0) {
      AbandonRead(pipe, started);
      return;
    }
    if (woke != WAIT_IO_COMPLETION || !started) {
      AbandonRead(pipe, started);
      SetEvent(pipe.errorEvent);
      continue;
    }
    DWORD transferred = 0;
    const int result = ReadResult(pipe, transferred);
    if (result < 0) return StopAfterFault(pipe);
    if (result == 0) {
      SetEvent(pipe.errorEvent);
      failed = true;
      continue;
    }
    if (transferred == 0) {
      SetEvent(pipe.errorEvent);
      continue;
    }
    FileReport(pipe);
  }
}

void PipeReader(HidPipe& pipe, const WorkerStop& stop) {
  try {
    ReadReports(pipe, stop);
  } catch (...) {
    // Nothing leaves a thread of the library; the pipe simply stops reading.
  }
  SetEvent(pipe.endedEvent);
}

}  // namespace

bool HidCancelPipeIo(HidPipe& pipe, HANDLE handle) {
  if (!IsOpenHandle(handle) || !Os().CancelIo) return false;
  HidMutexHold hold(pipe.ioMutex);
  return Os().CancelIo(handle) != FALSE;
}

#ifdef VENTRIX_TEST_HOOKS
void HidLayer_FailPipeObject(int index) { objectsBeforeFailure = index; }
#endif

bool HidOpenPipe(HidDevice* device, int index) {
  HidPipe& pipe = device->pipes[index];
  pipe.device = device;
  pipe.index = index;
  for (HANDLE* event : {&pipe.dataEvent, &pipe.errorEvent, &pipe.endedEvent}) *event = MakeEvent();
  for (HANDLE* mutex : {&pipe.ringMutex, &pipe.readMutex, &pipe.callbackMutex, &pipe.ioMutex}) *mutex = MakeMutex();
  pipe.arrivalEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  const bool objects = pipe.dataEvent && pipe.errorEvent && pipe.endedEvent && pipe.ringMutex && pipe.readMutex &&
                       pipe.callbackMutex && pipe.ioMutex && pipe.arrivalEvent;
  wchar_t name[64];
  std::swprintf(name, std::size(name), L"ventrix USB reader %.*ls pipe %d", kHidSerialUnits, device->serial, index);
  // The reader comes last, once nothing else can fail: a pipe that does not open has no thread to stop.
  if (!objects || !pipe.reader.Start([&pipe](const WorkerStop& stop) { PipeReader(pipe, stop); }, name)) {
    HidClosePipe(pipe, true);
    return false;
  }
  return true;
}

bool HidClosePipe(HidPipe& pipe, bool full) {
  // At unload the loader lock is held: the reader is only given a moment to leave the layer's code.
  if (!pipe.reader.Stop(LibraryIsUnloading() ? kUnloadReaderWaitMs : kReaderStopWaitMs)) {
    // Still inside the system with the pipe's buffers: they stay, and so does the record around them.
    return false;
  }
  for (HANDLE* object :
       {&pipe.dataEvent, &pipe.errorEvent, &pipe.endedEvent, &pipe.arrivalEvent, &pipe.callbackMutex, &pipe.ioMutex}) {
    CloseObject(*object);
  }
  if (!full) return true;
  CloseObject(pipe.ringMutex);
  CloseObject(pipe.readMutex);
  HidRingFree(pipe.ring, g_hid.heap);
  return true;
}

bool HidCloseDevice(HidDevice* device, bool full) {
  bool closed = true;
  for (HidPipe& pipe : device->pipes) {
    if (!HidClosePipe(pipe, full)) {
      closed = false;
      continue;
    }
    CloseDeviceFile(pipe.readHandle);
    CloseDeviceFile(pipe.writeHandle);
    HidFree(pipe.detail);
    pipe.detail = nullptr;
  }
  device->marker = kHidDeadMarker;
  if (!closed) g_hid.stranded = true;
  return closed;
}

void HidFreeDevice(HidDevice* device) {
  // A record whose reader could not be stopped is left to it.
  if (!HidCloseDevice(device, true)) return;
  device->~HidDevice();
  HidFree(device);
}

void HidResetLastReport(HidDevice* device) {
  std::memset(device->lastReport, 0xFF, sizeof(device->lastReport));
  device->lastReport[0] = 0;
  device->hasLastReport = FALSE;
}
