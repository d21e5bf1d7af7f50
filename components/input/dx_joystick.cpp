#include "components/input/dx_joystick.h"

#include "components/input/directinput_platform.h"
#include "framework/rtl/ole.h"

namespace input {

namespace {

constexpr char kVersionText[] = "2.6";

std::wstring GuidText(const GUID& guid) {
  const std::string text = fw::GUIDToString(guid);
  return std::wstring(text.begin(), text.end());
}

struct DeviceSearch {
  std::int32_t remaining;
  GUID found;
};

BOOL CALLBACK CountDownToDevice(LPCDIDEVICEINSTANCEW instance, LPVOID context) {
  auto* search = static_cast<DeviceSearch*>(context);
  if (--search->remaining == 0) search->found = instance->guidInstance;
  return DIENUM_CONTINUE;
}

BOOL CALLBACK CountDevice(LPCDIDEVICEINSTANCEW, LPVOID context) {
  ++*static_cast<std::int32_t*>(context);
  return DIENUM_CONTINUE;
}

TDeviceType DeviceTypeOf(DWORD devType) {
  switch (devType & 0xFF) {
    case DI8DEVTYPE_DEVICE: return dtDevice;
    case DI8DEVTYPE_MOUSE: return dtMouse;
    case DI8DEVTYPE_KEYBOARD: return dtKeyboard;
    case DI8DEVTYPE_JOYSTICK: return dtJoystick;
    case DI8DEVTYPE_GAMEPAD: return dtGamepad;
    case DI8DEVTYPE_DRIVING: return dtDriving;
    case DI8DEVTYPE_FLIGHT: return dtFlight;
    case DI8DEVTYPE_1STPERSON: return dtFirstPerson;
    case DI8DEVTYPE_DEVICECTRL: return dtDeviceControl;
    case DI8DEVTYPE_SCREENPOINTER: return dtScreenPointer;
    case DI8DEVTYPE_REMOTE: return dtRemoteControl;
    case DI8DEVTYPE_SUPPLEMENTAL: return dtSupplemental;
    default: return dtUnknown;
  }
}

constexpr DWORD kCapabilityBits[] = {
    DIDC_ALIAS,         DIDC_ATTACHED,       DIDC_DEADBAND,           DIDC_EMULATED,
    DIDC_FORCEFEEDBACK, DIDC_FFFADE,         DIDC_FFATTACK,           DIDC_HIDDEN,
    DIDC_PHANTOM,       DIDC_POLLEDDATAFORMAT, DIDC_POLLEDDEVICE,     DIDC_POSNEGCOEFFICIENTS,
    DIDC_POSNEGSATURATION, DIDC_SATURATION,  DIDC_STARTDELAY};

}  // namespace

// --- TCapabilities ---

bool TCapabilities::GetCaps(DIDEVCAPS& Caps) {
  Caps = DIDEVCAPS{};
  Caps.dwSize = sizeof(Caps);
  IDirectInputDevice8W* device = owner_->GetDevice();
  return device != nullptr && SUCCEEDED(device->GetCapabilities(&Caps));
}

std::uint32_t TCapabilities::AxesCount() {
  DIDEVCAPS caps;
  return GetCaps(caps) ? caps.dwAxes : 0;
}

std::uint32_t TCapabilities::ButtonCount() {
  DIDEVCAPS caps;
  return GetCaps(caps) ? caps.dwButtons : 0;
}

std::uint32_t TCapabilities::DriverVersion() {
  DIDEVCAPS caps;
  return GetCaps(caps) ? caps.dwFFDriverVersion : 0;
}

std::uint32_t TCapabilities::FirmwareRevision() {
  DIDEVCAPS caps;
  return GetCaps(caps) ? caps.dwFirmwareRevision : 0;
}

std::uint32_t TCapabilities::HardwareRevision() {
  DIDEVCAPS caps;
  return GetCaps(caps) ? caps.dwHardwareRevision : 0;
}

std::uint32_t TCapabilities::PointOfViewCount() {
  DIDEVCAPS caps;
  return GetCaps(caps) ? caps.dwPOVs : 0;
}

std::uint32_t TCapabilities::SamplePeriod() {
  DIDEVCAPS caps;
  return GetCaps(caps) ? caps.dwFFSamplePeriod : 0;
}

std::uint32_t TCapabilities::TimeResolution() {
  DIDEVCAPS caps;
  return GetCaps(caps) ? caps.dwFFMinTimeResolution : 0;
}

TCapabilityFlags TCapabilities::GetFlags() {
  TCapabilityFlags flags;
  DIDEVCAPS caps;
  if (!GetCaps(caps)) return flags;
  for (int i = 0; i < static_cast<int>(std::size(kCapabilityBits)); ++i) {
    if ((caps.dwFlags & kCapabilityBits[i]) != 0) flags.Include(static_cast<TCapabilityFlag>(i));
  }
  return flags;
}

// --- TDxJoystick ---

TDxJoystick::TDxJoystick(fw::TComponent* AOwner) : TComponent(AOwner), capabilities_(new TCapabilities(this)) {}

TDxJoystick::~TDxJoystick() {
  // The interfaces are released without unacquiring.
  deviceInterface_.Reset();
  directInput_.Reset();
  fw::FreeAndNil(capabilities_);
}

std::string TDxJoystick::About() const { return std::string("TDxJoystick DirectInput game controller ") + kVersionText; }

void TDxJoystick::SetCapabilities(TCapabilities* Value) { capabilities_->Assign(Value); }

IDirectInput8W* TDxJoystick::GetDirectInput() {
  if (!directInput_) {
    void* created = nullptr;
    if (SUCCEEDED(DirectInputCreate(GetModuleHandleA(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8W, &created,
                                    nullptr)) &&
        created != nullptr) {
      directInput_ = fw::ComRef<IDirectInput8W>(static_cast<IDirectInput8W*>(created));
    }
  }
  return directInput_.Get();
}

GUID TDxJoystick::FindDeviceGuid(std::int32_t Index) {
  DeviceSearch search{Index, GUID{}};
  IDirectInput8W* directInput = GetDirectInput();
  if (directInput == nullptr ||
      FAILED(directInput->EnumDevices(DI8DEVCLASS_GAMECTRL, &CountDownToDevice, &search, DIEDFL_ALLDEVICES))) {
    return GUID{};
  }
  return search.found;
}

IDirectInputDevice8W* TDxJoystick::GetDevice() {
  if (!deviceInterface_) {
    IDirectInput8W* directInput = GetDirectInput();
    if (directInput == nullptr) return nullptr;
    const GUID guid = FindDeviceGuid(deviceIndex_);
    if (guid == GUID{}) return nullptr;
    if (FAILED(directInput->CreateDevice(guid, deviceInterface_.Receive(), nullptr))) deviceInterface_.Reset();
  }
  return deviceInterface_.Get();
}

void TDxJoystick::SetDevice(std::int32_t Value) {
  if (Value == deviceIndex_) return;
  SetActive(false);
  deviceIndex_ = Value;
  deviceInterface_.Reset();
}

void TDxJoystick::SetActive(bool Value) {
  if (Value == active_) return;
  if (Value) {
    IDirectInputDevice8W* device = GetDevice();
    if (device == nullptr) return;
    fw::OleCheck(device->SetDataFormat(&c_dfDIJoystick2));
    fw::OleCheck(device->Acquire());
    active_ = true;
  } else {
    if (IDirectInputDevice8W* device = GetDevice()) device->Unacquire();
    deviceInterface_.Reset();
    active_ = false;
  }
}

bool TDxJoystick::Poll() {
  IDirectInputDevice8W* device = GetDevice();
  return device != nullptr && SUCCEEDED(device->Poll());
}

bool TDxJoystick::ReadState(DIJOYSTATE2& State) {
  IDirectInputDevice8W* device = GetDevice();
  if (device == nullptr) return false;
  if (autoPoll_ && FAILED(device->Poll())) return false;
  return SUCCEEDED(device->GetDeviceState(sizeof(State), &State));
}

std::int32_t TDxJoystick::DeviceCount() {
  IDirectInput8W* directInput = GetDirectInput();
  if (directInput == nullptr) return 0;
  std::int32_t count = 0;
  if (FAILED(directInput->EnumDevices(DI8DEVCLASS_GAMECTRL, &CountDevice, &count, DIEDFL_ALLDEVICES))) return 0;
  return count;
}

bool TDxJoystick::ReadDeviceInfo(DIDEVICEINSTANCEW& Info) {
  Info = DIDEVICEINSTANCEW{};
  Info.dwSize = sizeof(Info);
  IDirectInputDevice8W* device = GetDevice();
  return device != nullptr && SUCCEEDED(device->GetDeviceInfo(&Info));
}

TDeviceType TDxJoystick::DeviceType() {
  DIDEVICEINSTANCEW info;
  return ReadDeviceInfo(info) ? DeviceTypeOf(info.dwDevType) : dtUnknown;
}

std::wstring TDxJoystick::InstanceName() {
  DIDEVICEINSTANCEW info;
  if (!ReadDeviceInfo(info)) return {};
  return std::wstring(info.tszInstanceName, wcsnlen(info.tszInstanceName, MAX_PATH));
}

std::wstring TDxJoystick::GetProductName() {
  DIDEVICEINSTANCEW info;
  if (!ReadDeviceInfo(info)) return {};
  return std::wstring(info.tszProductName, wcsnlen(info.tszProductName, MAX_PATH));
}

std::wstring TDxJoystick::InstanceGuid() {
  DIDEVICEINSTANCEW info;
  return ReadDeviceInfo(info) ? GuidText(info.guidInstance) : std::wstring();
}

std::wstring TDxJoystick::ProductGuid() {
  DIDEVICEINSTANCEW info;
  return ReadDeviceInfo(info) ? GuidText(info.guidProduct) : std::wstring();
}

TButtons TDxJoystick::Buttons() {
  TButtons buttons;
  DIJOYSTATE2 state;
  if (!ReadState(state)) return buttons;
  for (int i = 0; i < 32; ++i) {
    if (state.rgbButtons[i] != 0) buttons.Include(static_cast<TJoyButton>(i));
  }
  return buttons;
}

std::int32_t TDxJoystick::StateValue(LONG DIJOYSTATE2::*Member, std::int32_t Failure) {
  DIJOYSTATE2 state;
  return ReadState(state) ? state.*Member : Failure;
}

std::int32_t TDxJoystick::StateElement(const LONG (DIJOYSTATE2::*Array)[2], int Index) {
  DIJOYSTATE2 state;
  return ReadState(state) ? (state.*Array)[Index] : 0;
}

std::int32_t TDxJoystick::PointOfView(int Index) {
  DIJOYSTATE2 state;
  return ReadState(state) ? static_cast<std::int32_t>(state.rgdwPOV[Index]) : -1;
}

std::int32_t TDxJoystick::GetPositionX() { return StateValue(&DIJOYSTATE2::lX, 0); }
std::int32_t TDxJoystick::GetPositionY() { return StateValue(&DIJOYSTATE2::lY, 0); }
std::int32_t TDxJoystick::GetPositionZ() { return StateValue(&DIJOYSTATE2::lZ, 0); }
std::int32_t TDxJoystick::GetPositionRX() { return StateValue(&DIJOYSTATE2::lRx, 0); }
std::int32_t TDxJoystick::GetPositionRY() { return StateValue(&DIJOYSTATE2::lRy, 0); }
std::int32_t TDxJoystick::GetPositionRZ() { return StateValue(&DIJOYSTATE2::lRz, 0); }
std::int32_t TDxJoystick::GetPositionSlider1() { return StateElement(&DIJOYSTATE2::rglSlider, 0); }
std::int32_t TDxJoystick::GetPositionSlider2() { return StateElement(&DIJOYSTATE2::rglSlider, 1); }

std::int32_t TDxJoystick::VelocityX() { return StateValue(&DIJOYSTATE2::lVX, 0); }
std::int32_t TDxJoystick::VelocityY() { return StateValue(&DIJOYSTATE2::lVY, 0); }
std::int32_t TDxJoystick::VelocityZ() { return StateValue(&DIJOYSTATE2::lVZ, 0); }
std::int32_t TDxJoystick::VelocityRX() { return StateValue(&DIJOYSTATE2::lVRx, 0); }
std::int32_t TDxJoystick::VelocityRY() { return StateValue(&DIJOYSTATE2::lVRy, 0); }
std::int32_t TDxJoystick::VelocityRZ() { return StateValue(&DIJOYSTATE2::lVRz, 0); }
std::int32_t TDxJoystick::VelocitySlider1() { return StateElement(&DIJOYSTATE2::rglVSlider, 0); }
std::int32_t TDxJoystick::VelocitySlider2() { return StateElement(&DIJOYSTATE2::rglVSlider, 1); }

std::int32_t TDxJoystick::AccelerationX() { return StateValue(&DIJOYSTATE2::lAX, 0); }
std::int32_t TDxJoystick::AccelerationY() { return StateValue(&DIJOYSTATE2::lAY, 0); }
std::int32_t TDxJoystick::AccelerationZ() { return StateValue(&DIJOYSTATE2::lAZ, 0); }
std::int32_t TDxJoystick::AccelerationRX() { return StateValue(&DIJOYSTATE2::lARx, 0); }
std::int32_t TDxJoystick::AccelerationRY() { return StateValue(&DIJOYSTATE2::lARy, 0); }
std::int32_t TDxJoystick::AccelerationRZ() { return StateValue(&DIJOYSTATE2::lARz, 0); }
std::int32_t TDxJoystick::AccelerationSlider1() { return StateElement(&DIJOYSTATE2::rglASlider, 0); }
std::int32_t TDxJoystick::AccelerationSlider2() { return StateElement(&DIJOYSTATE2::rglASlider, 1); }

std::int32_t TDxJoystick::ForceX() { return StateValue(&DIJOYSTATE2::lFX, 0); }
std::int32_t TDxJoystick::ForceY() { return StateValue(&DIJOYSTATE2::lFY, 0); }
std::int32_t TDxJoystick::ForceZ() { return StateValue(&DIJOYSTATE2::lFZ, 0); }
std::int32_t TDxJoystick::ForceRX() { return StateValue(&DIJOYSTATE2::lFRx, 0); }
std::int32_t TDxJoystick::ForceRY() { return StateValue(&DIJOYSTATE2::lFRy, 0); }
std::int32_t TDxJoystick::ForceRZ() { return StateValue(&DIJOYSTATE2::lFRz, 0); }
std::int32_t TDxJoystick::ForceSlider1() { return StateElement(&DIJOYSTATE2::rglFSlider, 0); }
std::int32_t TDxJoystick::ForceSlider2() { return StateElement(&DIJOYSTATE2::rglFSlider, 1); }

std::int32_t TDxJoystick::PointOfView1() { return PointOfView(0); }
std::int32_t TDxJoystick::PointOfView2() { return PointOfView(1); }
std::int32_t TDxJoystick::PointOfView3() { return PointOfView(2); }
std::int32_t TDxJoystick::PointOfView4() { return PointOfView(3); }

}  // namespace input
