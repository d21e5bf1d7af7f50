// A pipe's kernel objects and its reader thread, which keeps one overlapped read in flight on the interface
// and files every report it gets into the pipe's ring (or hands it to a notifying-mode report callback).
#include <cstring>

#include "boardapi/api/process_exit.h"
#include "boardapi/hid/hid_locks.h"
#include "boardapi/hid/hid_state.h"

namespace {

constexpr DWORD kReaderWakeMs = 250;
// How long an unload gives a reader to leave the layer's code.
constexpr DWORD kUnloadReaderWaitMs = 2000;

void CloseObject(HANDLE& object) {
  if (object) CloseHandle(object);
  object = nullptr;
}

void CloseDeviceFile(HANDLE& file) {
  if (IsOpenHandle(file)) Os().CloseHandle(file);
  file = nullptr;
}

VOID CALLBACK IgnoreCompletion(DWORD, DWORD, LPOVERLAPPED) {}

// Ends the read in flight and waits until the system is done with its buffer.
void AbandonRead(HidPipe& pipe, bool started) {
  if (!started) return;
  if (HidCancelPipeIo(pipe, pipe.readHandle)) {
    DWORD transferred = 0;
    Os().GetOverlappedResult(pipe.readHandle, &pipe.readOverlapped, &transferred, TRUE);
  }
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
}

DWORD WINAPI PipeReader(void* parameter) {
  HidPipe& pipe = *static_cast<HidPipe*>(parameter);
  bool failed = false;  // stays set for the life of the thread
  for (;;) {
    std::memset(pipe.readBuffer, 0, sizeof(pipe.readBuffer));
    std::memset(&pipe.readOverlapped, 0, sizeof(pipe.readOverlapped));
    const bool started = Os().ReadFileEx(pipe.readHandle, pipe.readBuffer, pipe.caps.InputReportByteLength,
                                         &pipe.readOverlapped, IgnoreCompletion);
    DWORD woke;
    do {
      woke = WaitForSingleObjectEx(pipe.stopEvent, kReaderWakeMs, TRUE);
      // Another APC than our read's completion is no reason to stop waiting.
    } while ((woke == WAIT_TIMEOUT && !failed) ||
             (woke == WAIT_IO_COMPLETION && started && !HasOverlappedIoCompleted(&pipe.readOverlapped)));

    if (woke == WAIT_OBJECT_0) {
      AbandonRead(pipe, started);
      SetEvent(pipe.endedEvent);
      return 0;
    }
    if (woke != WAIT_IO_COMPLETION || !started) {
      AbandonRead(pipe, started);
      SetEvent(pipe.errorEvent);
      continue;
    }
    DWORD transferred = 0;
    if (!Os().GetOverlappedResult(pipe.readHandle, &pipe.readOverlapped, &transferred, TRUE)) {
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

}  // namespace

bool HidCancelPipeIo(HidPipe& pipe, HANDLE handle) {
  if (!IsOpenHandle(handle) || !Os().CancelIo) return false;
  HidMutexHold hold(pipe.ioMutex);
  return Os().CancelIo(handle) != FALSE;
}

bool HidOpenPipe(HidDevice* device, int index) {
  HidPipe& pipe = device->pipes[index];
  pipe.device = device;
  pipe.index = index;
  for (HANDLE* event : {&pipe.dataEvent, &pipe.errorEvent, &pipe.stopEvent, &pipe.endedEvent}) {
    *event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  }
  for (HANDLE* mutex : {&pipe.ringMutex, &pipe.readMutex, &pipe.callbackMutex, &pipe.ioMutex}) {
    *mutex = CreateMutexW(nullptr, FALSE, nullptr);
  }
  if (pipe.stopEvent && pipe.endedEvent) {
    pipe.thread = CreateThread(nullptr, 0, PipeReader, &pipe, CREATE_SUSPENDED, nullptr);
  }
  const bool complete = pipe.dataEvent && pipe.errorEvent && pipe.stopEvent && pipe.endedEvent &&
                        pipe.ringMutex && pipe.readMutex && pipe.callbackMutex && pipe.ioMutex && pipe.thread;
  if (!complete) {
    HidClosePipe(pipe, true);
    return false;
  }
  ResumeThread(pipe.thread);
  return true;
}

void HidClosePipe(HidPipe& pipe, bool full) {
  if (pipe.thread) {
    SetEvent(pipe.stopEvent);
    if (LibraryIsUnloading()) {
      // The loader lock is held: the reader cannot end, only signal that it left the layer's code.
      WaitForSingleObject(pipe.endedEvent, kUnloadReaderWaitMs);
    } else {
      WaitForSingleObject(pipe.endedEvent, INFINITE);
      WaitForSingleObject(pipe.thread, INFINITE);
    }
    CloseObject(pipe.thread);
  }
  for (HANDLE* object : {&pipe.dataEvent, &pipe.errorEvent, &pipe.endedEvent, &pipe.stopEvent,
                         &pipe.callbackMutex, &pipe.ioMutex}) {
    CloseObject(*object);
  }
  if (!full) return;
  CloseObject(pipe.ringMutex);
  CloseObject(pipe.readMutex);
  HidRingFree(pipe.ring, g_hid.heap);
}

void HidCloseDevice(HidDevice* device, bool full) {
  for (HidPipe& pipe : device->pipes) {
    HidClosePipe(pipe, full);
    CloseDeviceFile(pipe.readHandle);
    CloseDeviceFile(pipe.writeHandle);
    HidFree(pipe.detail);
    pipe.detail = nullptr;
  }
  device->marker = kHidDeadMarker;
}

void HidFreeDevice(HidDevice* device) {
  HidCloseDevice(device, true);
  device->~HidDevice();
  HidFree(device);
}

void HidResetLastReport(HidDevice* device) {
  std::memset(device->lastReport, 0xFF, sizeof(device->lastReport));
  device->lastReport[0] = 0;
  device->hasLastReport = FALSE;
}
