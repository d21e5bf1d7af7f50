// Enumeration: every present HID interface of an accepted vendor and product is grouped with its sibling
// under their common composite device node into one record of the new list. The 5-byte-report interface
// becomes pipe 0 whatever the order they are found in; records without both interfaces are dropped.
#include <cstring>
#include <new>

#include "boardapi/hid/hid_state.h"

namespace {

constexpr USHORT kVendors[] = {0x1FD1, 0x07C0};
constexpr USHORT kProducts[] = {0x03E8, 0x03EA, 0x1583};
constexpr USHORT kPortReportLength = 5;
constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr size_t kLanguageListBytes = 512;

template <size_t N>
bool Contains(const USHORT (&values)[N], USHORT value) {
  for (USHORT candidate : values) {
    if (candidate == value) return true;
  }
  return false;
}

bool Accept(HANDLE file, HIDD_ATTRIBUTES& attributes) {
  attributes = {};
  attributes.Size = sizeof(HIDD_ATTRIBUTES);
  return Os().HidD_GetAttributes(file, &attributes) && Contains(kVendors, attributes.VendorID) &&
         Contains(kProducts, attributes.ProductID);
}

// The record of the board that the interface's node belongs to (its grandparent node), made when new.
HidDevice* FindOrAddParent(DEVINST interfaceNode) {
  DEVINST usbInterface = 0;
  DEVINST composite = 0;
  if (Os().CM_Get_Parent(&usbInterface, interfaceNode, 0) != CR_SUCCESS ||
      Os().CM_Get_Parent(&composite, usbInterface, 0) != CR_SUCCESS) {
    return nullptr;
  }
  for (HidDevice* device = g_hid.fresh; device; device = device->next) {
    if (device->parentNode == composite) return device;
  }
  void* block = HidAllocate(sizeof(HidDevice));
  if (!block) return nullptr;
  auto* device = new (block) HidDevice{};
  device->parentNode = composite;
  device->next = g_hid.fresh;
  g_hid.fresh = device;
  return device;
}

// Reports travel through fixed buffers of kHidReportBytes: an interface with longer reports is no board's.
bool ReadCaps(HANDLE file, HIDP_CAPS& caps) {
  PHIDP_PREPARSED_DATA preparsed = nullptr;
  if (!Os().HidD_GetPreparsedData(file, &preparsed)) return false;
  const bool read = Os().HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
  Os().HidD_FreePreparsedData(preparsed);
  return read && caps.InputReportByteLength <= kHidReportBytes && caps.OutputReportByteLength <= kHidReportBytes;
}

// A board that answers its language list in place of a serial has no serial.
void ReadSerial(HANDLE file, HidDevice* device) {
  std::memset(device->serial, 0, sizeof(device->serial));
  if (!Os().HidD_GetSerialNumberString(file, device->serial, sizeof(device->serial))) {
    std::memset(device->serial, 0, sizeof(device->serial));
    return;
  }
  uint8_t languages[kLanguageListBytes] = {};
  Os().HidD_GetIndexedString(file, 0, languages, sizeof(languages));
  if (std::memcmp(languages, device->serial, sizeof(device->serial)) == 0) {
    std::memset(device->serial, 0, sizeof(device->serial));
  }
}

HANDLE OpenForQuery(const char* path) {
  HANDLE file = Os().CreateFileA(path, GENERIC_READ | GENERIC_WRITE, kShareReadWrite, nullptr, OPEN_EXISTING, 0,
                                 nullptr);
  if (!IsOpenHandle(file)) file = Os().CreateFileA(path, 0, kShareReadWrite, nullptr, OPEN_EXISTING, 0, nullptr);
  return file;
}

PSP_DEVICE_INTERFACE_DETAIL_DATA_A ReadDetail(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData,
                                             DEVINST& node) {
  DWORD required = 0;
  Os().SetupDiGetDeviceInterfaceDetailA(set, &interfaceData, nullptr, 0, &required, nullptr);
  if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) return nullptr;
  auto* detail = static_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(HidAllocate(required));
  if (!detail) return nullptr;
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
  SP_DEVINFO_DATA info{};
  info.cbSize = sizeof(SP_DEVINFO_DATA);
  if (!Os().SetupDiGetDeviceInterfaceDetailA(set, &interfaceData, detail, required, nullptr, &info)) {
    HidFree(detail);
    return nullptr;
  }
  node = info.DevInst;
  return detail;
}

// Groups one interface into its board's record; false when the interface is not one of a board.
bool AddInterface(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData) {
  DEVINST node = 0;
  PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail = ReadDetail(set, interfaceData, node);
  if (!detail) return false;
  HANDLE file = OpenForQuery(detail->DevicePath);
  HIDD_ATTRIBUTES attributes{};
  HIDP_CAPS caps{};
  HidDevice* device = nullptr;
  if (IsOpenHandle(file) && Accept(file, attributes) && ReadCaps(file, caps)) device = FindOrAddParent(node);
  if (!device) {
    if (IsOpenHandle(file)) Os().CloseHandle(file);
    HidFree(detail);
    return false;
  }
  device->marker = kHidLiveMarker;
  device->mode = g_hid.mode;
  ++device->interfaceCount;
  HidPipe& pipe = device->pipes[caps.InputReportByteLength == kPortReportLength ? 0 : 1];
  HidFree(pipe.detail);  // a second interface of the same kind replaces the first; the record is dropped
  pipe.attributes = attributes;
  pipe.caps = caps;
  pipe.detail = detail;
  pipe.interfaceNode = node;
  ReadSerial(file, device);
  device->readTimeout = -1;
  device->writeTimeout = kHidDefaultWriteTimeoutMs;
  Os().CloseHandle(file);
  return true;
}

bool IsComplete(const HidDevice* device) {
  return device->interfaceCount == kHidPipes && device->pipes[0].detail && device->pipes[1].detail;
}

}  // namespace

int HidEnumerate() {
  GUID hidGuid{};
  Os().HidD_GetHidGuid(&hidGuid);
  HDEVINFO set = Os().SetupDiGetClassDevsA(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set != INVALID_HANDLE_VALUE) {
    for (DWORD index = 0;; ++index) {
      SP_DEVICE_INTERFACE_DATA interfaceData{};
      interfaceData.cbSize = sizeof(SP_DEVICE_INTERFACE_DATA);
      if (!Os().SetupDiEnumDeviceInterfaces(set, nullptr, &hidGuid, index, &interfaceData)) break;
      AddInterface(set, interfaceData);
    }
    Os().SetupDiDestroyDeviceInfoList(set);
  }

  int kept = 0;
  for (HidDevice** link = &g_hid.fresh; *link;) {
    HidDevice* device = *link;
    if (IsComplete(device)) {
      ++kept;
      link = &device->next;
    } else {
      *link = device->next;
      HidFreeDevice(device);
    }
  }
  return kept;
}
