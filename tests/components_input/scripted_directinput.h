// DirectInput played from a script: the test's own IDirectInput8W and game-controller devices, handed to
// the DirectInput joystick component through its creation seam. Every call the component makes is logged
// ("Acquire 2" = Acquire on the second controller) and every reference is counted.
#pragma once

#ifndef DIRECTINPUT_VERSION
#define DIRECTINPUT_VERSION 0x0800
#endif
#include <windows.h>
#include <dinput.h>

#include <memory>
#include <string>
#include <vector>

#include "components/input/directinput_platform.h"

struct ScriptedController {
  GUID instance{};
  GUID product{};
  std::wstring instanceName;
  std::wstring productName;
  DWORD devType = DI8DEVTYPE_JOYSTICK;
  DIDEVCAPS caps{};
  DIJOYSTATE2 state{};
  HRESULT capsResult = S_OK;
  HRESULT infoResult = S_OK;
  HRESULT setDataFormatResult = S_OK;
  HRESULT acquireResult = S_OK;
  HRESULT pollResult = S_OK;
  HRESULT stateResult = S_OK;
};

class ScriptedDirectInput;

class ScriptedDevice : public IDirectInputDevice8W {
 public:
  ScriptedDevice(ScriptedDirectInput& owner, int number);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetCapabilities(LPDIDEVCAPS caps) override;
  HRESULT STDMETHODCALLTYPE EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKW, LPVOID, DWORD) override;
  HRESULT STDMETHODCALLTYPE GetProperty(REFGUID, LPDIPROPHEADER) override;
  HRESULT STDMETHODCALLTYPE SetProperty(REFGUID, LPCDIPROPHEADER) override;
  HRESULT STDMETHODCALLTYPE Acquire() override;
  HRESULT STDMETHODCALLTYPE Unacquire() override;
  HRESULT STDMETHODCALLTYPE GetDeviceState(DWORD size, LPVOID data) override;
  HRESULT STDMETHODCALLTYPE GetDeviceData(DWORD, LPDIDEVICEOBJECTDATA, LPDWORD, DWORD) override;
  HRESULT STDMETHODCALLTYPE SetDataFormat(LPCDIDATAFORMAT format) override;
  HRESULT STDMETHODCALLTYPE SetEventNotification(HANDLE) override;
  HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD) override;
  HRESULT STDMETHODCALLTYPE GetObjectInfo(LPDIDEVICEOBJECTINSTANCEW, DWORD, DWORD) override;
  HRESULT STDMETHODCALLTYPE GetDeviceInfo(LPDIDEVICEINSTANCEW info) override;
  HRESULT STDMETHODCALLTYPE RunControlPanel(HWND, DWORD) override;
  HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE, DWORD, REFGUID) override;
  HRESULT STDMETHODCALLTYPE CreateEffect(REFGUID, LPCDIEFFECT, LPDIRECTINPUTEFFECT*, LPUNKNOWN) override;
  HRESULT STDMETHODCALLTYPE EnumEffects(LPDIENUMEFFECTSCALLBACKW, LPVOID, DWORD) override;
  HRESULT STDMETHODCALLTYPE GetEffectInfo(LPDIEFFECTINFOW, REFGUID) override;
  HRESULT STDMETHODCALLTYPE GetForceFeedbackState(LPDWORD) override;
  HRESULT STDMETHODCALLTYPE SendForceFeedbackCommand(DWORD) override;
  HRESULT STDMETHODCALLTYPE EnumCreatedEffectObjects(LPDIENUMCREATEDEFFECTOBJECTSCALLBACK, LPVOID, DWORD) override;
  HRESULT STDMETHODCALLTYPE Escape(LPDIEFFESCAPE) override;
  HRESULT STDMETHODCALLTYPE Poll() override;
  HRESULT STDMETHODCALLTYPE SendDeviceData(DWORD, LPCDIDEVICEOBJECTDATA, LPDWORD, DWORD) override;
  HRESULT STDMETHODCALLTYPE EnumEffectsInFile(LPCWSTR, LPDIENUMEFFECTSINFILECALLBACK, LPVOID, DWORD) override;
  HRESULT STDMETHODCALLTYPE WriteEffectToFile(LPCWSTR, DWORD, LPDIFILEEFFECT, DWORD) override;
  HRESULT STDMETHODCALLTYPE BuildActionMap(LPDIACTIONFORMATW, LPCWSTR, DWORD) override;
  HRESULT STDMETHODCALLTYPE SetActionMap(LPDIACTIONFORMATW, LPCWSTR, DWORD) override;
  HRESULT STDMETHODCALLTYPE GetImageInfo(LPDIDEVICEIMAGEINFOHEADERW) override;

  int Number() const { return number_; }

  ULONG references = 1;
  bool formatSet = false;
  bool acquired = false;
  DWORD formatDataSize = 0;
  DWORD formatObjects = 0;

 private:
  ScriptedController& Controller();
  void Log(const char* call);

  ScriptedDirectInput& owner_;
  int number_;  // 1-based place among the controllers
};

class ScriptedDirectInput : public IDirectInput8W {
 public:
  ScriptedDirectInput();
  ~ScriptedDirectInput();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateDevice(REFGUID guid, LPDIRECTINPUTDEVICE8W* device, LPUNKNOWN outer) override;
  HRESULT STDMETHODCALLTYPE EnumDevices(DWORD type, LPDIENUMDEVICESCALLBACKW callback, LPVOID context,
                                        DWORD flags) override;
  HRESULT STDMETHODCALLTYPE GetDeviceStatus(REFGUID) override;
  HRESULT STDMETHODCALLTYPE RunControlPanel(HWND, DWORD) override;
  HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE, DWORD) override;
  HRESULT STDMETHODCALLTYPE FindDevice(REFGUID, LPCWSTR, LPGUID) override;
  HRESULT STDMETHODCALLTYPE EnumDevicesBySemantics(LPCWSTR, LPDIACTIONFORMATW, LPDIENUMDEVICESBYSEMANTICSCBW, LPVOID,
                                                   DWORD) override;
  HRESULT STDMETHODCALLTYPE ConfigureDevices(LPDICONFIGUREDEVICESCALLBACK, LPDICONFIGUREDEVICESPARAMSW, DWORD,
                                             LPVOID) override;

  // Two controllers by default: "Stick One" and "Stick Two", instance GUIDs ending in 1 and 2.
  std::vector<ScriptedController> controllers;
  HRESULT createResult = S_OK;
  HRESULT enumResult = S_OK;
  int creations = 0;
  std::vector<std::string> log;
  std::vector<std::unique_ptr<ScriptedDevice>> devices;  // every device opened, in order
  ULONG references = 0;

  // References the component still holds on DirectInput and on every device it opened.
  ULONG LiveReferences() const;
  // The last device opened for the n-th controller, or null.
  ScriptedDevice* OpenedDevice(int number) const;
  // Log entries from `from` on.
  std::vector<std::string> LogSince(std::size_t from) const;

 private:
  static GUID ControllerGuid(int number, bool product);
  fw::ServiceDouble<HRESULT(HINSTANCE, DWORD, const IID&, void**, IUnknown*)> creator_;
  friend class ScriptedDevice;
};
