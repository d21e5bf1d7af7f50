// Device enumeration as SetupAPI and the configuration manager present it: the set of present HID interfaces,
// the size-query-then-fetch detail call with its record-size checks, and the device-node tree.
#include <cstddef>
#include <cstring>

#include "sim/bank/sim_bank.h"
#include "sim/platform/sim_platform.h"

using hidsim::Bank;
using hidsim::BankLock;

namespace {

constexpr GUID kHidInterfaceGuid = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
constexpr GUID kHidClassGuid = {0x745A17A0, 0x74D3, 0x11D0, {0xB6, 0xFE, 0x00, 0xA0, 0xC9, 0x0F, 0x57, 0xDA}};
constexpr DEVINST kHubNode = 1;

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

const hidsim::ListedInterface* Listed(Bank& bank, HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data) {
  auto found = bank.deviceSets.find(set);
  if (found == bank.deviceSets.end() || !data || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) {
    return nullptr;
  }
  const ULONG_PTR index = data->Reserved;
  if (index == 0 || index > found->second.size()) return nullptr;
  return &found->second[index - 1];
}

}  // namespace

extern "C" {

void NTAPI Sim_HidD_GetHidGuid(LPGUID guid) { *guid = kHidInterfaceGuid; }

HDEVINFO WINAPI Sim_SetupDiGetClassDevsA(const GUID* classGuid, PCSTR, HWND, DWORD flags) {
  BankLock lock;
  Bank& bank = lock.bank();
  auto* set = new char;  // a token that names the set
  const bool hidInterfaces = classGuid && std::memcmp(classGuid, &kHidInterfaceGuid, sizeof(GUID)) == 0 &&
                             (flags & DIGCF_DEVICEINTERFACE) && (flags & DIGCF_PRESENT);
  bank.deviceSets[set] = hidInterfaces ? bank.PresentInterfaces() : std::vector<hidsim::ListedInterface>{};
  SetLastError(ERROR_SUCCESS);
  return set;
}

BOOL WINAPI Sim_SetupDiEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA, const GUID* interfaceGuid, DWORD index,
                                            PSP_DEVICE_INTERFACE_DATA interfaceData) {
  BankLock lock;
  auto found = lock.bank().deviceSets.find(set);
  if (found == lock.bank().deviceSets.end()) return Fail(ERROR_INVALID_HANDLE);
  if (!interfaceData || !interfaceGuid) return Fail(ERROR_INVALID_PARAMETER);
  if (interfaceData->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
  if (index >= found->second.size()) return Fail(ERROR_NO_MORE_ITEMS);
  interfaceData->InterfaceClassGuid = *interfaceGuid;
  interfaceData->Flags = SPINT_ACTIVE;
  interfaceData->Reserved = index + 1;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL WINAPI Sim_SetupDiGetDeviceInterfaceDetailA(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                                 PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD detailSize,
                                                 PDWORD requiredSize, PSP_DEVINFO_DATA infoData) {
  BankLock lock;
  Bank& bank = lock.bank();
  if (bank.deviceSets.find(set) == bank.deviceSets.end()) return Fail(ERROR_INVALID_HANDLE);
  const hidsim::ListedInterface* listed = Listed(bank, set, interfaceData);
  if (!listed) return Fail(ERROR_INVALID_PARAMETER);
  if (infoData && infoData->cbSize != sizeof(SP_DEVINFO_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
  if (detail && detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
    return Fail(ERROR_INVALID_USER_BUFFER);
  }
  if (!detail && detailSize != 0) return Fail(ERROR_INVALID_USER_BUFFER);

  const std::string path = bank.PathOf(*listed->board, listed->interfaceIndex);
  const DWORD needed = static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + path.size() + 1);
  if (requiredSize) *requiredSize = needed;
  if (infoData) {
    infoData->ClassGuid = kHidClassGuid;
    infoData->DevInst = bank.HidNode(*listed->board, listed->interfaceIndex);
    infoData->Reserved = 0;
  }
  if (!detail || detailSize < needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(detail->DevicePath, path.c_str(), path.size() + 1);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL WINAPI Sim_SetupDiDestroyDeviceInfoList(HDEVINFO set) {
  BankLock lock;
  auto found = lock.bank().deviceSets.find(set);
  if (found == lock.bank().deviceSets.end()) return Fail(ERROR_INVALID_HANDLE);
  delete static_cast<char*>(found->first);
  lock.bank().deviceSets.erase(found);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

CONFIGRET WINAPI Sim_CM_Get_Parent(PDEVINST parent, DEVINST node, ULONG) {
  if (!parent) return CR_INVALID_POINTER;
  BankLock lock;
  Bank& bank = lock.bank();
  for (const auto& board : bank.boards) {
    if (!board->plugged) continue;
    const DEVINST composite = bank.CompositeNode(*board);
    for (int i = 0; i < 2; ++i) {
      const DEVINST usbInterface = composite + 1 + static_cast<DEVINST>(i);
      if (node == bank.HidNode(*board, i)) *parent = usbInterface;
      else if (node == usbInterface) *parent = composite;
      else if (node == composite) *parent = kHubNode;
      else continue;
      return CR_SUCCESS;
    }
  }
  return CR_NO_SUCH_DEVNODE;
}

}  // extern "C"
