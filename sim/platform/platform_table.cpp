#include "boardapi/hid/hid_platform.h"
#include "sim/hidsim.h"
#include "sim/platform/sim_platform.h"

namespace hidsim {

const HidPlatform& PlatformTable() {
  static const HidPlatform table = [] {
    HidPlatform calls;
    calls.HidD_GetAttributes = Sim_HidD_GetAttributes;
    calls.HidD_GetHidGuid = Sim_HidD_GetHidGuid;
    calls.HidD_GetPreparsedData = Sim_HidD_GetPreparsedData;
    calls.HidP_GetCaps = Sim_HidP_GetCaps;
    calls.HidD_FreePreparsedData = Sim_HidD_FreePreparsedData;
    calls.HidD_GetNumInputBuffers = Sim_HidD_GetNumInputBuffers;
    calls.HidD_SetNumInputBuffers = Sim_HidD_SetNumInputBuffers;
    calls.HidD_GetSerialNumberString = Sim_HidD_GetSerialNumberString;
    calls.HidD_GetIndexedString = Sim_HidD_GetIndexedString;
    calls.CM_Get_Parent = Sim_CM_Get_Parent;
    calls.SetupDiGetDeviceInterfaceDetailA = Sim_SetupDiGetDeviceInterfaceDetailA;
    calls.SetupDiGetClassDevsA = Sim_SetupDiGetClassDevsA;
    calls.SetupDiEnumDeviceInterfaces = Sim_SetupDiEnumDeviceInterfaces;
    calls.SetupDiDestroyDeviceInfoList = Sim_SetupDiDestroyDeviceInfoList;
    calls.CreateFileA = Sim_CreateFileA;
    calls.ReadFileEx = Sim_ReadFileEx;
    calls.WriteFileEx = Sim_WriteFileEx;
    calls.GetOverlappedResult = Sim_GetOverlappedResult;
    calls.CancelIo = Sim_CancelIo;
    calls.CloseHandle = Sim_CloseHandle;
    return calls;
  }();
  return table;
}

}  // namespace hidsim
