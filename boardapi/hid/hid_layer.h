// The USB HID device layer: finds the boards among the machine's HID interfaces, groups each board's two
// interfaces into one device record, runs a reader thread per interface that fills a ring of input reports,
// and offers report writes and reads with time-outs. Boards are named by opaque device handles.
// Every function leaves its result in the thread's last error: 0 on success, ERROR_INVALID_PARAMETER (87) for a
// bad argument, ERROR_TIMEOUT (1460) for a wait that ended without a report or a write that did not complete.
#pragma once

#include <windows.h>

#include <cstdint>

struct HidDevice;
using HidDeviceHandle = HidDevice*;

// Client callback codes.
enum : uint32_t {
  HID_EVENT_OPENED = 0,      // a device was opened (device passed)
  HID_EVENT_VANISHED = 1,    // a device vanished and was closed
  HID_EVENT_ENUMERATED = 0xFF  // an enumeration finished (no device)
};
using HidClientCallback = void (*)(uint32_t event, HidDeviceHandle device, uintptr_t user);
// Notifying mode: a report of a pipe; a non-zero result means the callback consumed it.
using HidReportCallback = int (*)(int pipe, HidDeviceHandle device, const uint8_t* report, int length,
                                  uintptr_t user);

constexpr int kHidMaxDevices = 32;
constexpr int kHidRingSlots = 128;
constexpr int kHidReportBytes = 64;
// A board that stops taking reports must not hold a writer forever.
constexpr int kHidDefaultWriteTimeoutMs = 1000;

// Polling mode (the board list's mode): enumerate once and claim every board into a table of at most 32.
HidDeviceHandle HidLayer_Open();
// Notifying mode: a hidden window re-enumerates on device changes and announces them to the callback.
DWORD HidLayer_OpenNotifying(HidClientCallback callback, uintptr_t user);
void HidLayer_Close();
int HidLayer_Count();
HidDeviceHandle HidLayer_Device(int index);  // 1-based

int HidLayer_WriteReport(HidDeviceHandle device, int pipe, const uint8_t* buffer, int mode);
int HidLayer_Write(HidDeviceHandle device, int pipe, const void* data, int length);
int HidLayer_ReadReport(HidDeviceHandle device, int pipe, uint8_t* buffer, int mode, bool takeOldest);
int HidLayer_Read(HidDeviceHandle device, int pipe, void* buffer, int length);
// As HidLayer_Read, but each report waits at most timeoutMs (-1: no limit) whatever the device's own time-out.
int HidLayer_ReadWithin(HidDeviceHandle device, int pipe, void* buffer, int length, int timeoutMs);
int HidLayer_ReadNonBlocking(HidDeviceHandle device, int pipe, uint8_t* buffer);
int HidLayer_ReadImmediate(HidDeviceHandle device, uint8_t* buffer64);
bool HidLayer_ReadPortValue(HidDeviceHandle device, uint32_t* value);

uint16_t HidLayer_ProductId(HidDeviceHandle device);
uint16_t HidLayer_Revision(HidDeviceHandle device);
HANDLE HidLayer_ReaderThreadHandle(HidDeviceHandle device, int pipe);
// A handle of its own on the auto-reset event the pipe's reader sets when it files a report and that no read
// resets (the caller closes it): a wait on it ends for a report filed since the last wait, whoever read it. It
// stays valid after the pipe is closed and is then never set again. nullptr when the pipe has none.
HANDLE HidLayer_DuplicateInputEvent(HidDeviceHandle device, int pipe);
bool HidLayer_SerialNumber(HidDeviceHandle device, wchar_t serial[9]);
void HidLayer_SetReadTimeout(HidDeviceHandle device, int milliseconds);
void HidLayer_SetWriteTimeout(HidDeviceHandle device, int milliseconds);
int HidLayer_ReadTimeout(HidDeviceHandle device);
int HidLayer_WriteTimeout(HidDeviceHandle device);
bool HidLayer_CancelIo(HidDeviceHandle device, int pipe);
bool HidLayer_IsPresent(HidDeviceHandle device);
// mode: 1 polling, 2 notifying; a record of the other mode is refused.
bool HidLayer_Claim(HidDeviceHandle device, bool claim, int mode = 1);

// Notifying-mode operations.
bool HidLayer_IsClaimed(HidDeviceHandle device);
bool HidLayer_IsAlive(HidDeviceHandle device);
int HidLayer_TotalCount();
int HidLayer_PendingCount(HidDeviceHandle device, int pipe);
int HidLayer_Flush(HidDeviceHandle device, int pipe);
bool HidLayer_SetPipeCallback(HidDeviceHandle device, int pipe, HidReportCallback callback, uintptr_t user);
void HidLayer_Reannounce();
bool HidLayer_SerialText(HidDeviceHandle device, char* text, int size);

const char* HidLayer_Version();
const char* HidLayer_VersionNotifying();

#ifdef VENTRIX_TEST_HOOKS
// Tests: the kernel object with this index (0 the first) among those made for pipes from now on fails.
void HidLayer_FailPipeObject(int index);
// Tests: how many callers are inside the layer's functions now (a reader waiting for a report counts).
int HidLayer_CallersInside();
// Tests: report reads of this process that waited and got nothing, so far.
int HidLayer_EmptyReads();
#endif

// Fault recovery: the layer records the mutexes each thread holds, so a guarded call that a fault abandoned in
// the middle of a platform call can give them back before it reports failure.
size_t HidLayer_ThreadLockDepth();
void HidLayer_ReleaseThreadLocksAbove(size_t depth);
