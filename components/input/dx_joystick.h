// TDxJoystick: one DirectInput 8 game controller, read on demand.
//
// The component has no thread and no events: every value is read from DirectInput when the property is
// read. Three steps are taken on first need and undone separately: DirectInput is created (kept for the
// component's life), the Device-th installed game controller is opened (dropped when Device changes or
// Active goes False) and acquired (Active). Device information, capabilities and Poll need an opened
// device; the state values need an acquired one and read as their failure values otherwise.
// Everything runs on the thread that reads the properties (the GUI thread in the program).
#pragma once

#ifndef DIRECTINPUT_VERSION
#define DIRECTINPUT_VERSION 0x0800
#endif
#include <windows.h>
#include <dinput.h>

#include <cstdint>
#include <string>

#include "framework/rtl/ole.h"
#include "framework/classes/component.h"
#include "framework/rtl/set.h"

namespace input {

enum TJoyButton {
  joButton1, joButton2, joButton3, joButton4, joButton5, joButton6, joButton7, joButton8,
  joButton9, joButton10, joButton11, joButton12, joButton13, joButton14, joButton15, joButton16,
  joButton17, joButton18, joButton19, joButton20, joButton21, joButton22, joButton23, joButton24,
  joButton25, joButton26, joButton27, joButton28, joButton29, joButton30, joButton31, joButton32
};
using TButtons = fw::Set<TJoyButton>;

enum TDeviceType {
  dtUnknown, dtDevice, dtMouse, dtKeyboard, dtJoystick, dtGamepad, dtDriving, dtFlight, dtFirstPerson,
  dtDeviceControl, dtScreenPointer, dtRemoteControl, dtSupplemental
};

enum TCapabilityFlag {
  cfAlias, cfAttached, cfDeadBand, cfEmulated, cfForceFeedback, cfForceFeedbackFade, cfForceFeedbackAttack,
  cfHidden, cfPhantom, cfPolledDataFormat, cfPolledDevice, cfPosNegCoefficients, cfPosNegSaturation,
  cfSaturation, cfStartDelay
};
using TCapabilityFlags = fw::Set<TCapabilityFlag>;

class TDxJoystick;

// The opened controller's capabilities, fetched afresh at every read; 0 or the empty set when they
// cannot be read. Has no state of its own and cannot be assigned.
class TCapabilities : public fw::TPersistent {
 public:
  explicit TCapabilities(TDxJoystick* Owner) : owner_(Owner) {}

  std::uint32_t AxesCount();
  std::uint32_t ButtonCount();
  std::uint32_t DriverVersion();
  std::uint32_t FirmwareRevision();
  TCapabilityFlags Flags() { return GetFlags(); }
  TCapabilityFlags GetFlags();
  std::uint32_t HardwareRevision();
  std::uint32_t PointOfViewCount();
  std::uint32_t SamplePeriod();
  std::uint32_t TimeResolution();

  // Fills Caps from the owner's device; false when there is no device or the call fails.
  bool GetCaps(DIDEVCAPS& Caps);

 private:
  TDxJoystick* owner_;
};

class TDxJoystick : public fw::TComponent {
 public:
  explicit TDxJoystick(fw::TComponent* AOwner);
  ~TDxJoystick() override;

  // Stored properties.
  bool Active() const { return active_; }
  void SetActive(bool Value);
  bool AutoPoll() const { return autoPoll_; }
  void SetAutoPoll(bool Value) { autoPoll_ = Value; }
  std::int32_t Device() const { return deviceIndex_; }
  void SetDevice(std::int32_t Value);

  // Polls the opened device; false without one or when the call fails.
  bool Poll();

  std::string About() const;
  void SetAbout(const std::string&) {}  // read-only: writes are ignored

  TCapabilities* Capabilities() const { return capabilities_; }
  TCapabilities* GetCapabilities() const { return capabilities_; }
  // Assigning is not supported by the companion: raises the framework's assignment error.
  void SetCapabilities(TCapabilities* Value);

  std::int32_t DeviceCount();
  TDeviceType DeviceType();
  std::wstring InstanceName();
  std::wstring ProductName() { return GetProductName(); }
  std::wstring GetProductName();
  std::wstring InstanceGuid();
  std::wstring ProductGuid();
  TButtons Buttons();

  // Positions: each is one state read of its own; 0 when the state cannot be read.
  std::int32_t PositionX() { return GetPositionX(); }
  std::int32_t PositionY() { return GetPositionY(); }
  std::int32_t PositionZ() { return GetPositionZ(); }
  std::int32_t PositionRX() { return GetPositionRX(); }
  std::int32_t PositionRY() { return GetPositionRY(); }
  std::int32_t PositionRZ() { return GetPositionRZ(); }
  std::int32_t PositionSlider1() { return GetPositionSlider1(); }
  std::int32_t PositionSlider2() { return GetPositionSlider2(); }
  std::int32_t GetPositionX();
  std::int32_t GetPositionY();
  std::int32_t GetPositionZ();
  std::int32_t GetPositionRX();
  std::int32_t GetPositionRY();
  std::int32_t GetPositionRZ();
  std::int32_t GetPositionSlider1();
  std::int32_t GetPositionSlider2();

  std::int32_t VelocityX();
  std::int32_t VelocityY();
  std::int32_t VelocityZ();
  std::int32_t VelocityRX();
  std::int32_t VelocityRY();
  std::int32_t VelocityRZ();
  std::int32_t VelocitySlider1();
  std::int32_t VelocitySlider2();

  std::int32_t AccelerationX();
  std::int32_t AccelerationY();
  std::int32_t AccelerationZ();
  std::int32_t AccelerationRX();
  std::int32_t AccelerationRY();
  std::int32_t AccelerationRZ();
  std::int32_t AccelerationSlider1();
  std::int32_t AccelerationSlider2();

  std::int32_t ForceX();
  std::int32_t ForceY();
  std::int32_t ForceZ();
  std::int32_t ForceRX();
  std::int32_t ForceRY();
  std::int32_t ForceRZ();
  std::int32_t ForceSlider1();
  std::int32_t ForceSlider2();

  // rgdwPOV[0..3]; -1 when the state cannot be read.
  std::int32_t PointOfView1();
  std::int32_t PointOfView2();
  std::int32_t PointOfView3();
  std::int32_t PointOfView4();

  // The DirectInput interface, created on first need (null while creation fails; tried again next time).
  IDirectInput8W* GetDirectInput();
  // The opened controller, opened on first need (null when there is no controller at Device).
  IDirectInputDevice8W* GetDevice();
  // The instance GUID of the Index-th installed game controller (1-based); the zero GUID when there is none.
  GUID FindDeviceGuid(std::int32_t Index);
  // Reads the joystick state (polling first with AutoPoll); true when the device exists and was read.
  bool ReadState(DIJOYSTATE2& State);

 private:
  std::int32_t StateValue(LONG DIJOYSTATE2::*Member, std::int32_t Failure);
  std::int32_t StateElement(const LONG (DIJOYSTATE2::*Array)[2], int Index);
  std::int32_t PointOfView(int Index);
  bool ReadDeviceInfo(DIDEVICEINSTANCEW& Info);

  TCapabilities* capabilities_ = nullptr;
  fw::ComRef<IDirectInput8W> directInput_;
  fw::ComRef<IDirectInputDevice8W> deviceInterface_;
  bool active_ = false;
  bool autoPoll_ = true;
  std::int32_t deviceIndex_ = 1;
};

}  // namespace input
