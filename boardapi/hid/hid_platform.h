// The operating-system calls the USB layer makes, gathered in one table so that the layer reaches the device
// only through it. The release binds the table at run time: hid.dll, cfgmgr32.dll and setupapi.dll are
// loaded by name (the library has no load-time dependency on them) and the file calls are the kernel's own.
// Test builds can put a simulated board behind the table, in process or from a DLL named by the environment.
#pragma once

#include <windows.h>
#include <cfgmgr32.h>
#include <hidsdi.h>
#include <setupapi.h>

namespace hidplatform {

// hid.dll
using HidD_GetAttributesFn = BOOLEAN(NTAPI*)(HANDLE device, PHIDD_ATTRIBUTES attributes);
using HidD_GetHidGuidFn = void(NTAPI*)(LPGUID guid);
using HidD_GetPreparsedDataFn = BOOLEAN(NTAPI*)(HANDLE device, PHIDP_PREPARSED_DATA* data);
using HidP_GetCapsFn = NTSTATUS(NTAPI*)(PHIDP_PREPARSED_DATA data, PHIDP_CAPS caps);
using HidD_FreePreparsedDataFn = BOOLEAN(NTAPI*)(PHIDP_PREPARSED_DATA data);
using HidD_GetNumInputBuffersFn = BOOLEAN(NTAPI*)(HANDLE device, PULONG count);
using HidD_SetNumInputBuffersFn = BOOLEAN(NTAPI*)(HANDLE device, ULONG count);
using HidD_GetSerialNumberStringFn = BOOLEAN(NTAPI*)(HANDLE device, PVOID buffer, ULONG length);
using HidD_GetIndexedStringFn = BOOLEAN(NTAPI*)(HANDLE device, ULONG index, PVOID buffer, ULONG length);
// cfgmgr32.dll
using CM_Get_ParentFn = CONFIGRET(WINAPI*)(PDEVINST parent, DEVINST node, ULONG flags);
// setupapi.dll
using SetupDiGetDeviceInterfaceDetailAFn = BOOL(WINAPI*)(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                                          PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail,
                                                          DWORD detailSize, PDWORD requiredSize,
                                                          PSP_DEVINFO_DATA infoData);
using SetupDiGetClassDevsAFn = HDEVINFO(WINAPI*)(const GUID* classGuid, PCSTR enumerator, HWND parent,
                                                 DWORD flags);
using SetupDiEnumDeviceInterfacesFn = BOOL(WINAPI*)(HDEVINFO set, PSP_DEVINFO_DATA infoData,
                                                    const GUID* interfaceGuid, DWORD index,
                                                    PSP_DEVICE_INTERFACE_DATA interfaceData);
using SetupDiDestroyDeviceInfoListFn = BOOL(WINAPI*)(HDEVINFO set);
// kernel32.dll: the device-file calls
using CreateFileAFn = HANDLE(WINAPI*)(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                      DWORD disposition, DWORD flags, HANDLE templateFile);
using ReadFileExFn = BOOL(WINAPI*)(HANDLE file, LPVOID buffer, DWORD length, LPOVERLAPPED overlapped,
                                   LPOVERLAPPED_COMPLETION_ROUTINE completion);
using WriteFileExFn = BOOL(WINAPI*)(HANDLE file, LPCVOID buffer, DWORD length, LPOVERLAPPED overlapped,
                                    LPOVERLAPPED_COMPLETION_ROUTINE completion);
using GetOverlappedResultFn = BOOL(WINAPI*)(HANDLE file, LPOVERLAPPED overlapped, LPDWORD transferred,
                                            BOOL wait);
using CancelIoFn = BOOL(WINAPI*)(HANDLE file);
using CloseHandleFn = BOOL(WINAPI*)(HANDLE object);

}  // namespace hidplatform

// One entry per call; each named as the function it stands for.
struct HidPlatform {
  hidplatform::HidD_GetAttributesFn HidD_GetAttributes = nullptr;
  hidplatform::HidD_GetHidGuidFn HidD_GetHidGuid = nullptr;
  hidplatform::HidD_GetPreparsedDataFn HidD_GetPreparsedData = nullptr;
  hidplatform::HidP_GetCapsFn HidP_GetCaps = nullptr;
  hidplatform::HidD_FreePreparsedDataFn HidD_FreePreparsedData = nullptr;
  hidplatform::HidD_GetNumInputBuffersFn HidD_GetNumInputBuffers = nullptr;
  hidplatform::HidD_SetNumInputBuffersFn HidD_SetNumInputBuffers = nullptr;
  hidplatform::HidD_GetSerialNumberStringFn HidD_GetSerialNumberString = nullptr;
  hidplatform::HidD_GetIndexedStringFn HidD_GetIndexedString = nullptr;
  hidplatform::CM_Get_ParentFn CM_Get_Parent = nullptr;
  hidplatform::SetupDiGetDeviceInterfaceDetailAFn SetupDiGetDeviceInterfaceDetailA = nullptr;
  hidplatform::SetupDiGetClassDevsAFn SetupDiGetClassDevsA = nullptr;
  hidplatform::SetupDiEnumDeviceInterfacesFn SetupDiEnumDeviceInterfaces = nullptr;
  hidplatform::SetupDiDestroyDeviceInfoListFn SetupDiDestroyDeviceInfoList = nullptr;
  hidplatform::CreateFileAFn CreateFileA = nullptr;
  hidplatform::ReadFileExFn ReadFileEx = nullptr;
  hidplatform::WriteFileExFn WriteFileEx = nullptr;
  hidplatform::GetOverlappedResultFn GetOverlappedResult = nullptr;
  hidplatform::CancelIoFn CancelIo = nullptr;
  hidplatform::CloseHandleFn CloseHandle = nullptr;
};

// The bound table and the modules it came from. Binding succeeds only when every module loaded and every entry
// was found; a failed bind leaves nothing loaded and the thread's last error set.
class HidPlatformBinding {
 public:
  HidPlatformBinding() = default;
  ~HidPlatformBinding() { Unbind(); }
  HidPlatformBinding(const HidPlatformBinding&) = delete;
  HidPlatformBinding& operator=(const HidPlatformBinding&) = delete;

  bool Bind();
  void Unbind();
  bool IsBound() const { return bound_; }
  const HidPlatform& Calls() const { return calls_; }

 private:
  bool BindSystem();
#ifdef VENTRIX_TEST_HOOKS
  bool BindFromModule(const char* path);
#endif

  HidPlatform calls_{};
  HMODULE modules_[3] = {};
  bool bound_ = false;
};

#ifdef VENTRIX_TEST_HOOKS
// Environment variable naming a DLL that exports every call of the table under its Win32 name.
constexpr char kHidSimulatorVariable[] = "VENTRIX_HID_SIMULATOR";

// Puts another table behind every binding made while it lives (unit tests in process).
class ScopedHidPlatform {
 public:
  explicit ScopedHidPlatform(const HidPlatform& calls);
  ~ScopedHidPlatform();
  ScopedHidPlatform(const ScopedHidPlatform&) = delete;
  ScopedHidPlatform& operator=(const ScopedHidPlatform&) = delete;

 private:
  const HidPlatform* previous_;
  HidPlatform calls_;
};
#endif
