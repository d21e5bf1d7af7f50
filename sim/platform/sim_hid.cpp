// The hid.dll calls: attributes, capabilities through preparsed data, input buffer count and strings, each
// answered for a device file of the bank.
#include <algorithm>
#include <cstring>
#include <string>

#include "sim/bank/sim_bank.h"
#include "sim/platform/sim_platform.h"

using hidsim::Bank;
using hidsim::BankLock;
using hidsim::SimFile;

namespace {

constexpr uint32_t kPreparsedMarker = 0x53494D50;

struct SimPreparsedData {
  uint32_t marker = kPreparsedMarker;
  int interfaceIndex = 0;
  int reportLength = 0;
};

// The language list a board answers for string 0 (US English).
const std::wstring kLanguageList(1, wchar_t{0x0409});

BOOLEAN Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

// A device file whose board is still attached, or null with the last error set.
SimFile* LiveFile(Bank& bank, HANDLE handle) {
  SimFile* file = bank.File(handle);
  if (!file) SetLastError(ERROR_INVALID_HANDLE);
  else if (file->dead) SetLastError(ERROR_DEVICE_NOT_CONNECTED);
  else return file;
  return nullptr;
}

BOOLEAN CopyString(const std::wstring& text, PVOID buffer, ULONG length) {
  if (!buffer) return Fail(ERROR_INVALID_USER_BUFFER);
  const size_t bytes = std::min<size_t>((text.size() + 1) * sizeof(wchar_t), length);
  std::memcpy(buffer, text.c_str(), bytes);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

}  // namespace

extern "C" {

BOOLEAN NTAPI Sim_HidD_GetAttributes(HANDLE device, PHIDD_ATTRIBUTES attributes) {
  BankLock lock;
  SimFile* file = LiveFile(lock.bank(), device);
  if (!file) return FALSE;
  if (!attributes) return Fail(ERROR_INVALID_USER_BUFFER);
  attributes->Size = sizeof(HIDD_ATTRIBUTES);
  attributes->VendorID = file->board->config.vendorId;
  attributes->ProductID = file->board->config.productId;
  attributes->VersionNumber = file->board->config.version;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOLEAN NTAPI Sim_HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* data) {
  BankLock lock;
  SimFile* file = LiveFile(lock.bank(), device);
  if (!file) return FALSE;
  if (!data) return Fail(ERROR_INVALID_USER_BUFFER);
  auto* preparsed = new SimPreparsedData;
  preparsed->interfaceIndex = file->interfaceIndex;
  const int claimed = file->board->config.claimedReportLength;
  preparsed->reportLength = claimed != 0 && file->interfaceIndex == 1 ? claimed : hidsim::kReportLength[file->interfaceIndex];
  *data = reinterpret_cast<PHIDP_PREPARSED_DATA>(preparsed);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

NTSTATUS NTAPI Sim_HidP_GetCaps(PHIDP_PREPARSED_DATA data, PHIDP_CAPS caps) {
  auto* preparsed = reinterpret_cast<SimPreparsedData*>(data);
  if (!preparsed || preparsed->marker != kPreparsedMarker || !caps) return HIDP_STATUS_INVALID_PREPARSED_DATA;
  std::memset(caps, 0, sizeof(*caps));
  caps->UsagePage = 0xFF00;
  caps->Usage = 0x0001;
  const auto length = static_cast<USHORT>(preparsed->reportLength);
  caps->InputReportByteLength = length;
  caps->OutputReportByteLength = length;
  return HIDP_STATUS_SUCCESS;
}

BOOLEAN NTAPI Sim_HidD_FreePreparsedData(PHIDP_PREPARSED_DATA data) {
  auto* preparsed = reinterpret_cast<SimPreparsedData*>(data);
  if (!preparsed || preparsed->marker != kPreparsedMarker) return Fail(ERROR_INVALID_PARAMETER);
  preparsed->marker = 0;
  delete preparsed;
  return TRUE;
}

BOOLEAN NTAPI Sim_HidD_GetNumInputBuffers(HANDLE device, PULONG count) {
  BankLock lock;
  SimFile* file = LiveFile(lock.bank(), device);
  if (!file) return FALSE;
  if (!count) return Fail(ERROR_INVALID_USER_BUFFER);
  *count = file->board->interfaces[file->interfaceIndex].inputBuffers;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOLEAN NTAPI Sim_HidD_SetNumInputBuffers(HANDLE device, ULONG count) {
  BankLock lock;
  SimFile* file = LiveFile(lock.bank(), device);
  if (!file) return FALSE;
  if (count < 2 || count > 512) return Fail(ERROR_INVALID_PARAMETER);
  file->board->interfaces[file->interfaceIndex].inputBuffers = count;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOLEAN NTAPI Sim_HidD_GetSerialNumberString(HANDLE device, PVOID buffer, ULONG length) {
  BankLock lock;
  SimFile* file = LiveFile(lock.bank(), device);
  if (!file) return FALSE;
  const hidsim::BoardConfig& config = file->board->config;
  switch (config.serialKind) {
    case hidsim::SerialKind::Missing: return Fail(ERROR_GEN_FAILURE);
    case hidsim::SerialKind::Empty: return CopyString(L"", buffer, length);
    case hidsim::SerialKind::LanguageList: return CopyString(kLanguageList, buffer, length);
    case hidsim::SerialKind::Normal: break;
  }
  return CopyString(config.serial, buffer, length);
}

BOOLEAN NTAPI Sim_HidD_GetIndexedString(HANDLE device, ULONG index, PVOID buffer, ULONG length) {
  BankLock lock;
  if (!LiveFile(lock.bank(), device)) return FALSE;
  if (index != 0) return Fail(ERROR_INVALID_PARAMETER);
  return CopyString(kLanguageList, buffer, length);
}

}  // extern "C"
