// The bank's stand-ins for the operating-system calls of the USB layer, with the Win32 signatures. The DLL
// exports them under the Win32 names; in process they fill the device-access table.
#pragma once

#include <windows.h>
#include <cfgmgr32.h>
#include <hidsdi.h>
#include <setupapi.h>

extern "C" {

BOOLEAN NTAPI Sim_HidD_GetAttributes(HANDLE device, PHIDD_ATTRIBUTES attributes);
void NTAPI Sim_HidD_GetHidGuid(LPGUID guid);
BOOLEAN NTAPI Sim_HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* data);
NTSTATUS NTAPI Sim_HidP_GetCaps(PHIDP_PREPARSED_DATA data, PHIDP_CAPS caps);
BOOLEAN NTAPI Sim_HidD_FreePreparsedData(PHIDP_PREPARSED_DATA data);
BOOLEAN NTAPI Sim_HidD_GetNumInputBuffers(HANDLE device, PULONG count);
BOOLEAN NTAPI Sim_HidD_SetNumInputBuffers(HANDLE device, ULONG count);
BOOLEAN NTAPI Sim_HidD_GetSerialNumberString(HANDLE device, PVOID buffer, ULONG length);
BOOLEAN NTAPI Sim_HidD_GetIndexedString(HANDLE device, ULONG index, PVOID buffer, ULONG length);
CONFIGRET WINAPI Sim_CM_Get_Parent(PDEVINST parent, DEVINST node, ULONG flags);
BOOL WINAPI Sim_SetupDiGetDeviceInterfaceDetailA(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                                 PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD detailSize,
                                                 PDWORD requiredSize, PSP_DEVINFO_DATA infoData);
HDEVINFO WINAPI Sim_SetupDiGetClassDevsA(const GUID* classGuid, PCSTR enumerator, HWND parent, DWORD flags);
BOOL WINAPI Sim_SetupDiEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA infoData, const GUID* interfaceGuid,
                                            DWORD index, PSP_DEVICE_INTERFACE_DATA interfaceData);
BOOL WINAPI Sim_SetupDiDestroyDeviceInfoList(HDEVINFO set);
HANDLE WINAPI Sim_CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                              DWORD disposition, DWORD flags, HANDLE templateFile);
BOOL WINAPI Sim_ReadFileEx(HANDLE file, LPVOID buffer, DWORD length, LPOVERLAPPED overlapped,
                           LPOVERLAPPED_COMPLETION_ROUTINE completion);
BOOL WINAPI Sim_WriteFileEx(HANDLE file, LPCVOID buffer, DWORD length, LPOVERLAPPED overlapped,
                            LPOVERLAPPED_COMPLETION_ROUTINE completion);
BOOL WINAPI Sim_GetOverlappedResult(HANDLE file, LPOVERLAPPED overlapped, LPDWORD transferred, BOOL wait);
BOOL WINAPI Sim_CancelIo(HANDLE file);
BOOL WINAPI Sim_CloseHandle(HANDLE object);

}  // extern "C"
