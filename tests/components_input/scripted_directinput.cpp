#include "scripted_directinput.h"

#include <algorithm>

ScriptedDevice::ScriptedDevice(ScriptedDirectInput& owner, int number) : owner_(owner), number_(number) {}

ScriptedController& ScriptedDevice::Controller() { return owner_.controllers[number_ - 1]; }

void ScriptedDevice::Log(const char* call) { owner_.log.push_back(std::string(call) + " " + std::to_string(number_)); }

HRESULT ScriptedDevice::QueryInterface(REFIID, void**) { return E_NOINTERFACE; }
ULONG ScriptedDevice::AddRef() { return ++references; }
ULONG ScriptedDevice::Release() {
  if (--references == 0) Log("Release");
  return references;
}

HRESULT ScriptedDevice::GetCapabilities(LPDIDEVCAPS caps) {
  Log("GetCapabilities");
  if (caps->dwSize != sizeof(DIDEVCAPS)) return DIERR_INVALIDPARAM;
  if (FAILED(Controller().capsResult)) return Controller().capsResult;
  *caps = Controller().caps;
  caps->dwSize = sizeof(DIDEVCAPS);
  return DI_OK;
}

HRESULT ScriptedDevice::Acquire() {
  Log("Acquire");
  if (!formatSet) return DIERR_INVALIDPARAM;
  if (FAILED(Controller().acquireResult)) return Controller().acquireResult;
  acquired = true;
  return DI_OK;
}

HRESULT ScriptedDevice::Unacquire() {
  Log("Unacquire");
  const bool was = acquired;
  acquired = false;
  return was ? DI_OK : DI_NOEFFECT;
}

HRESULT ScriptedDevice::GetDeviceState(DWORD size, LPVOID data) {
  Log("GetDeviceState");
  if (size != sizeof(DIJOYSTATE2)) return DIERR_INVALIDPARAM;
  if (!acquired) return DIERR_NOTACQUIRED;
  if (FAILED(Controller().stateResult)) return Controller().stateResult;
  *static_cast<DIJOYSTATE2*>(data) = Controller().state;
  return DI_OK;
}

HRESULT ScriptedDevice::SetDataFormat(LPCDIDATAFORMAT format) {
  Log("SetDataFormat");
  formatDataSize = format->dwDataSize;
  formatObjects = format->dwNumObjs;
  if (FAILED(Controller().setDataFormatResult)) return Controller().setDataFormatResult;
  formatSet = true;
  return DI_OK;
}

HRESULT ScriptedDevice::GetDeviceInfo(LPDIDEVICEINSTANCEW info) {
  Log("GetDeviceInfo");
  if (info->dwSize != sizeof(DIDEVICEINSTANCEW)) return DIERR_INVALIDPARAM;
  const ScriptedController& c = Controller();
  if (FAILED(c.infoResult)) return c.infoResult;
  info->guidInstance = c.instance;
  info->guidProduct = c.product;
  info->dwDevType = c.devType;
  lstrcpynW(info->tszInstanceName, c.instanceName.c_str(), MAX_PATH);
  lstrcpynW(info->tszProductName, c.productName.c_str(), MAX_PATH);
  return DI_OK;
}

HRESULT ScriptedDevice::Poll() {
  Log("Poll");
  return Controller().pollResult;
}

// Calls the component never makes.
HRESULT ScriptedDevice::EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKW, LPVOID, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::GetProperty(REFGUID, LPDIPROPHEADER) { return E_NOTIMPL; }
HRESULT ScriptedDevice::SetProperty(REFGUID, LPCDIPROPHEADER) {
  Log("SetProperty");
  return E_NOTIMPL;
}
HRESULT ScriptedDevice::GetDeviceData(DWORD, LPDIDEVICEOBJECTDATA, LPDWORD, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::SetEventNotification(HANDLE) { return E_NOTIMPL; }
HRESULT ScriptedDevice::SetCooperativeLevel(HWND, DWORD) {
  Log("SetCooperativeLevel");
  return E_NOTIMPL;
}
HRESULT ScriptedDevice::GetObjectInfo(LPDIDEVICEOBJECTINSTANCEW, DWORD, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::RunControlPanel(HWND, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::Initialize(HINSTANCE, DWORD, REFGUID) { return E_NOTIMPL; }
HRESULT ScriptedDevice::CreateEffect(REFGUID, LPCDIEFFECT, LPDIRECTINPUTEFFECT*, LPUNKNOWN) { return E_NOTIMPL; }
HRESULT ScriptedDevice::EnumEffects(LPDIENUMEFFECTSCALLBACKW, LPVOID, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::GetEffectInfo(LPDIEFFECTINFOW, REFGUID) { return E_NOTIMPL; }
HRESULT ScriptedDevice::GetForceFeedbackState(LPDWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::SendForceFeedbackCommand(DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::EnumCreatedEffectObjects(LPDIENUMCREATEDEFFECTOBJECTSCALLBACK, LPVOID, DWORD) {
  return E_NOTIMPL;
}
HRESULT ScriptedDevice::Escape(LPDIEFFESCAPE) { return E_NOTIMPL; }
HRESULT ScriptedDevice::SendDeviceData(DWORD, LPCDIDEVICEOBJECTDATA, LPDWORD, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::EnumEffectsInFile(LPCWSTR, LPDIENUMEFFECTSINFILECALLBACK, LPVOID, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::WriteEffectToFile(LPCWSTR, DWORD, LPDIFILEEFFECT, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::BuildActionMap(LPDIACTIONFORMATW, LPCWSTR, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::SetActionMap(LPDIACTIONFORMATW, LPCWSTR, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDevice::GetImageInfo(LPDIDEVICEIMAGEINFOHEADERW) { return E_NOTIMPL; }

// --- ScriptedDirectInput ---

GUID ScriptedDirectInput::ControllerGuid(int number, bool product) {
  GUID guid{0x12345678, 0x9ABC, static_cast<WORD>(product ? 0xDEF1 : 0xDEF0), {1, 2, 3, 4, 5, 6, 7, 0}};
  guid.Data4[7] = static_cast<BYTE>(number);
  return guid;
}

ScriptedDirectInput::ScriptedDirectInput()
    : creator_(input::DirectInputCreate, [this](HINSTANCE, DWORD version, const IID& iid, void** out, IUnknown*) {
        ++creations;
        log.push_back("DirectInput8Create");
        *out = nullptr;
        if (version != 0x0800 || iid != IID_IDirectInput8W) return DIERR_INVALIDPARAM;
        if (FAILED(createResult)) return createResult;
        AddRef();
        *out = static_cast<IDirectInput8W*>(this);
        return DI_OK;
      }) {
  for (int number = 1; number <= 2; ++number) {
    ScriptedController c;
    c.instance = ControllerGuid(number, false);
    c.product = ControllerGuid(number, true);
    c.instanceName = number == 1 ? L"Stick One" : L"Stick Two";
    c.productName = c.instanceName + L" Product";
    c.caps.dwFlags = DIDC_ATTACHED;
    controllers.push_back(c);
  }
}

ScriptedDirectInput::~ScriptedDirectInput() = default;

HRESULT ScriptedDirectInput::QueryInterface(REFIID, void**) { return E_NOINTERFACE; }
ULONG ScriptedDirectInput::AddRef() { return ++references; }
ULONG ScriptedDirectInput::Release() { return --references; }

HRESULT ScriptedDirectInput::CreateDevice(REFGUID guid, LPDIRECTINPUTDEVICE8W* device, LPUNKNOWN) {
  *device = nullptr;
  for (std::size_t i = 0; i < controllers.size(); ++i) {
    if (controllers[i].instance == guid) {
      const int number = static_cast<int>(i) + 1;
      log.push_back("CreateDevice " + std::to_string(number));
      devices.push_back(std::make_unique<ScriptedDevice>(*this, number));
      *device = devices.back().get();
      return DI_OK;
    }
  }
  log.push_back("CreateDevice ?");
  return DIERR_DEVICENOTREG;
}

HRESULT ScriptedDirectInput::EnumDevices(DWORD type, LPDIENUMDEVICESCALLBACKW callback, LPVOID context,
                                         DWORD flags) {
  log.push_back("EnumDevices");
  if (type != DI8DEVCLASS_GAMECTRL || flags != DIEDFL_ALLDEVICES) return DIERR_INVALIDPARAM;
  if (FAILED(enumResult)) return enumResult;
  for (const ScriptedController& c : controllers) {
    DIDEVICEINSTANCEW instance{};
    instance.dwSize = sizeof(instance);
    instance.guidInstance = c.instance;
    instance.guidProduct = c.product;
    instance.dwDevType = c.devType;
    if (callback(&instance, context) != DIENUM_CONTINUE) break;
  }
  return DI_OK;
}

HRESULT ScriptedDirectInput::GetDeviceStatus(REFGUID) { return E_NOTIMPL; }
HRESULT ScriptedDirectInput::RunControlPanel(HWND, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDirectInput::Initialize(HINSTANCE, DWORD) { return E_NOTIMPL; }
HRESULT ScriptedDirectInput::FindDevice(REFGUID, LPCWSTR, LPGUID) { return E_NOTIMPL; }
HRESULT ScriptedDirectInput::EnumDevicesBySemantics(LPCWSTR, LPDIACTIONFORMATW, LPDIENUMDEVICESBYSEMANTICSCBW, LPVOID,
                                                    DWORD) {
  return E_NOTIMPL;
}
HRESULT ScriptedDirectInput::ConfigureDevices(LPDICONFIGUREDEVICESCALLBACK, LPDICONFIGUREDEVICESPARAMSW, DWORD,
                                              LPVOID) {
  return E_NOTIMPL;
}

ULONG ScriptedDirectInput::LiveReferences() const {
  ULONG live = references;
  for (const auto& device : devices) live += device->references;
  return live;
}

ScriptedDevice* ScriptedDirectInput::OpenedDevice(int number) const {
  for (auto it = devices.rbegin(); it != devices.rend(); ++it) {
    if ((*it)->references > 0 && (*it)->Number() == number) return it->get();
  }
  return nullptr;
}

std::vector<std::string> ScriptedDirectInput::LogSince(std::size_t from) const {
  return std::vector<std::string>(log.begin() + static_cast<std::ptrdiff_t>(std::min(from, log.size())), log.end());
}
