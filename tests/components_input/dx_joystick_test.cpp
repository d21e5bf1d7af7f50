#include "components/input/dx_joystick.h"

#include <gtest/gtest.h>

#include "framework/rtl/ole.h"
#include "scripted_directinput.h"

using namespace input;

namespace {

using Log = std::vector<std::string>;

DIJOYSTATE2 SampleState() {
  DIJOYSTATE2 state{};
  state.lX = 11; state.lY = 12; state.lZ = 13; state.lRx = 14; state.lRy = 15; state.lRz = 16;
  state.rglSlider[0] = 17; state.rglSlider[1] = 18;
  state.lVX = 21; state.lVRz = 26; state.rglVSlider[1] = 28;
  state.lAY = 32; state.rglASlider[0] = 37;
  state.lFZ = 43; state.rglFSlider[1] = 48;
  state.rgdwPOV[0] = 9000; state.rgdwPOV[1] = 0xFFFFFFFF; state.rgdwPOV[3] = 27000;
  return state;
}

class DxJoystickTest : public ::testing::Test {
 protected:
  void SetUp() override { stick = fw::Create<TDxJoystick>(nullptr); }
  void TearDown() override {
    if (stick != nullptr) stick->Free();
    EXPECT_EQ(directInput.LiveReferences(), 0u) << "every interface is released with the component";
  }

  ScriptedDirectInput directInput;
  TDxJoystick* stick = nullptr;
};

}  // namespace

TEST_F(DxJoystickTest, DefaultsAndNoDirectInputBeforeFirstNeed) {
  EXPECT_TRUE(stick->AutoPoll());
  EXPECT_EQ(stick->Device(), 1);
  EXPECT_FALSE(stick->Active());
  ASSERT_NE(stick->Capabilities(), nullptr);
  EXPECT_EQ(directInput.creations, 0);
  EXPECT_NE(stick->About().find("2.6"), std::string::npos);
  stick->SetAbout("something else");
  EXPECT_NE(stick->About().find("2.6"), std::string::npos);
}

TEST_F(DxJoystickTest, DeviceCountAndRetryWhileDirectInputIsMissing) {
  EXPECT_EQ(stick->DeviceCount(), 2);
  EXPECT_EQ(directInput.creations, 1) << "DirectInput is kept once made";
  EXPECT_EQ(stick->DeviceCount(), 2);
  EXPECT_EQ(directInput.creations, 1);

  TDxJoystick* other = fw::Create<TDxJoystick>(nullptr);
  directInput.createResult = DIERR_OLDDIRECTINPUTVERSION;
  EXPECT_EQ(other->DeviceCount(), 0);
  EXPECT_EQ(other->DeviceCount(), 0);
  EXPECT_EQ(directInput.creations, 3) << "a failed creation is tried again at the next need";
  EXPECT_FALSE(other->Poll());
  other->SetActive(true);
  EXPECT_FALSE(other->Active());
  other->Free();

  directInput.createResult = S_OK;
  directInput.enumResult = DIERR_GENERIC;
  EXPECT_EQ(stick->DeviceCount(), 0);
}

TEST_F(DxJoystickTest, AnIndexWithoutControllerLeavesTheFailureValues) {
  for (const std::int32_t index : {0, -1, 3, 99}) {
    stick->SetDevice(index);
    EXPECT_EQ(stick->PositionX(), 0) << index;
    EXPECT_EQ(stick->VelocityX(), 0) << index;
    EXPECT_EQ(stick->PointOfView1(), -1) << index;
    EXPECT_TRUE(stick->Buttons().Empty()) << index;
    EXPECT_TRUE(stick->ProductName().empty()) << index;
    EXPECT_TRUE(stick->InstanceGuid().empty()) << index;
    EXPECT_EQ(stick->DeviceType(), dtUnknown) << index;
    EXPECT_TRUE(stick->Capabilities()->Flags().Empty()) << index;
    EXPECT_EQ(stick->Capabilities()->ButtonCount(), 0u) << index;
    EXPECT_FALSE(stick->Poll()) << index;
    stick->SetActive(true);
    EXPECT_FALSE(stick->Active()) << index;
  }
  for (const std::string& entry : directInput.log) EXPECT_EQ(entry.rfind("CreateDevice", 0), std::string::npos);
}

TEST_F(DxJoystickTest, EnumerationFailureFindsNoDevice) {
  directInput.enumResult = DIERR_GENERIC;
  EXPECT_EQ(stick->FindDeviceGuid(1), GUID{});
  EXPECT_EQ(stick->GetDevice(), nullptr);
}

TEST_F(DxJoystickTest, DeviceInformationOfTheIndexedController) {
  stick->SetDevice(2);
  directInput.controllers[1].devType = DI8DEVTYPE_FLIGHT | (DI8DEVTYPEFLIGHT_STICK << 8);
  EXPECT_EQ(stick->ProductName(), L"Stick Two Product");
  EXPECT_EQ(stick->InstanceName(), L"Stick Two");
  EXPECT_EQ(stick->InstanceGuid(), L"{12345678-9ABC-DEF0-0102-030405060702}");
  EXPECT_EQ(stick->ProductGuid(), L"{12345678-9ABC-DEF1-0102-030405060702}");
  EXPECT_EQ(stick->DeviceType(), dtFlight);
  EXPECT_EQ(directInput.LogSince(0).at(2), "CreateDevice 2");

  struct Case {
    DWORD devType;
    TDeviceType expected;
  };
  for (const Case c : {Case{0x11, dtDevice}, Case{0x14, dtJoystick}, Case{0x15, dtGamepad}, Case{0x18, dtFirstPerson},
                       Case{0x1C, dtSupplemental}, Case{0x10, dtUnknown}, Case{0x1D, dtUnknown}}) {
    directInput.controllers[1].devType = c.devType | 0x0200;
    EXPECT_EQ(stick->DeviceType(), c.expected) << c.devType;
  }
  directInput.controllers[1].infoResult = DIERR_GENERIC;
  EXPECT_TRUE(stick->ProductName().empty());
}

TEST_F(DxJoystickTest, CapabilitiesAreReadAfreshAndMappedToFlags) {
  DIDEVCAPS& caps = directInput.controllers[0].caps;
  caps.dwFlags = DIDC_ATTACHED | DIDC_FORCEFEEDBACK | DIDC_STARTDELAY | DIDC_POLLEDDEVICE;
  caps.dwAxes = 6; caps.dwButtons = 24; caps.dwPOVs = 1;
  caps.dwFFSamplePeriod = 1000; caps.dwFFMinTimeResolution = 50;
  caps.dwFirmwareRevision = 3; caps.dwHardwareRevision = 4; caps.dwFFDriverVersion = 5;
  TCapabilities* capabilities = stick->Capabilities();
  EXPECT_EQ(capabilities->Flags(), (TCapabilityFlags{cfAttached, cfForceFeedback, cfStartDelay, cfPolledDevice}));
  EXPECT_EQ(capabilities->AxesCount(), 6u);
  EXPECT_EQ(capabilities->ButtonCount(), 24u);
  EXPECT_EQ(capabilities->PointOfViewCount(), 1u);
  EXPECT_EQ(capabilities->SamplePeriod(), 1000u);
  EXPECT_EQ(capabilities->TimeResolution(), 50u);
  EXPECT_EQ(capabilities->FirmwareRevision(), 3u);
  EXPECT_EQ(capabilities->HardwareRevision(), 4u);
  EXPECT_EQ(capabilities->DriverVersion(), 5u);

  caps.dwFlags = DIDC_ALIAS | DIDC_PHANTOM;  // unplugged: no longer attached
  EXPECT_EQ(capabilities->Flags(), (TCapabilityFlags{cfAlias, cfPhantom}));
  directInput.controllers[0].capsResult = DIERR_GENERIC;
  EXPECT_TRUE(capabilities->Flags().Empty());
  EXPECT_EQ(capabilities->AxesCount(), 0u);

  EXPECT_THROW(stick->SetCapabilities(capabilities), fw::EConvertError);
}

TEST_F(DxJoystickTest, ActivatingSetsTheJoystickFormatAndAcquiresOnce) {
  stick->SetActive(true);
  ASSERT_TRUE(stick->Active());
  ScriptedDevice* device = directInput.OpenedDevice(1);
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->formatDataSize, sizeof(DIJOYSTATE2));
  EXPECT_EQ(device->formatObjects, 164u);
  EXPECT_TRUE(device->acquired);
  const std::size_t mark = directInput.log.size();
  stick->SetActive(true);
  EXPECT_TRUE(directInput.LogSince(mark).empty()) << "activating twice does nothing";
  for (const std::string& entry : directInput.log) {
    EXPECT_NE(entry.rfind("SetCooperativeLevel", 0), 0u);
    EXPECT_NE(entry.rfind("SetProperty", 0), 0u);
  }
}

TEST_F(DxJoystickTest, FailingFormatOrAcquireRaisesWithItsResult) {
  struct Case {
    HRESULT ScriptedController::*step;
    HRESULT result;
  };
  for (const Case c : {Case{&ScriptedController::setDataFormatResult, DIERR_ACQUIRED},
                       Case{&ScriptedController::acquireResult, DIERR_OTHERAPPHASPRIO},
                       Case{&ScriptedController::acquireResult, E_ACCESSDENIED}}) {
    ScriptedDirectInput own;
    own.controllers[0].*c.step = c.result;
    TDxJoystick* joystick = fw::Create<TDxJoystick>(nullptr);
    try {
      joystick->SetActive(true);
      ADD_FAILURE() << "no exception for " << std::hex << c.result;
    } catch (const fw::EOleSysError& error) {
      EXPECT_EQ(error.ErrorCode(), c.result);
    }
    EXPECT_FALSE(joystick->Active());
    EXPECT_EQ(joystick->PositionX(), 0);
    joystick->Free();
    EXPECT_EQ(own.LiveReferences(), 0u);
  }
}

TEST_F(DxJoystickTest, StateValuesNeedAnAcquiredDevice) {
  directInput.controllers[0].state = SampleState();
  EXPECT_EQ(stick->PositionX(), 0) << "not acquired yet";
  EXPECT_EQ(stick->PointOfView1(), -1);
  stick->SetActive(true);

  struct Case {
    const char* name;
    std::int32_t (TDxJoystick::*read)();
    std::int32_t expected;
  };
  const Case cases[] = {
      {"PositionX", &TDxJoystick::PositionX, 11},       {"PositionY", &TDxJoystick::PositionY, 12},
      {"PositionZ", &TDxJoystick::PositionZ, 13},       {"PositionRX", &TDxJoystick::PositionRX, 14},
      {"PositionRY", &TDxJoystick::PositionRY, 15},     {"PositionRZ", &TDxJoystick::PositionRZ, 16},
      {"Slider1", &TDxJoystick::PositionSlider1, 17},   {"Slider2", &TDxJoystick::PositionSlider2, 18},
      {"VelocityX", &TDxJoystick::VelocityX, 21},       {"VelocityRZ", &TDxJoystick::VelocityRZ, 26},
      {"VelocitySlider2", &TDxJoystick::VelocitySlider2, 28},
      {"AccelerationY", &TDxJoystick::AccelerationY, 32},
      {"AccelerationSlider1", &TDxJoystick::AccelerationSlider1, 37},
      {"ForceZ", &TDxJoystick::ForceZ, 43},             {"ForceSlider2", &TDxJoystick::ForceSlider2, 48},
      {"PointOfView1", &TDxJoystick::PointOfView1, 9000}, {"PointOfView2", &TDxJoystick::PointOfView2, -1},
      {"PointOfView3", &TDxJoystick::PointOfView3, 0},  {"PointOfView4", &TDxJoystick::PointOfView4, 27000},
  };
  for (const Case& c : cases) {
    const std::size_t mark = directInput.log.size();
    EXPECT_EQ((stick->*c.read)(), c.expected) << c.name;
    EXPECT_EQ(directInput.LogSince(mark), (Log{"Poll 1", "GetDeviceState 1"})) << c.name;
  }

  stick->SetAutoPoll(false);
  std::size_t mark = directInput.log.size();
  EXPECT_EQ(stick->PositionY(), 12);
  EXPECT_EQ(directInput.LogSince(mark), Log{"GetDeviceState 1"}) << "without AutoPoll the owner polls";
  mark = directInput.log.size();
  EXPECT_TRUE(stick->Poll());
  EXPECT_EQ(directInput.LogSince(mark), Log{"Poll 1"});

  stick->SetAutoPoll(true);
  directInput.controllers[0].pollResult = DIERR_INPUTLOST;
  EXPECT_FALSE(stick->Poll());
  EXPECT_EQ(stick->PositionX(), 0) << "a failing poll fails the read";
  EXPECT_EQ(stick->PointOfView1(), -1);
  directInput.controllers[0].pollResult = DI_NOEFFECT;  // a device that needs no polling
  EXPECT_EQ(stick->PositionX(), 11);
  directInput.controllers[0].stateResult = DIERR_INPUTLOST;  // unplugged
  EXPECT_EQ(stick->PositionX(), 0);
  EXPECT_TRUE(stick->Active()) << "nothing is re-acquired or deactivated by itself";
}

TEST_F(DxJoystickTest, AnyNonZeroButtonByteCountsAsPressed) {
  DIJOYSTATE2& state = directInput.controllers[0].state;
  state.rgbButtons[0] = 0x80;
  state.rgbButtons[1] = 0x01;
  state.rgbButtons[2] = 0x00;
  state.rgbButtons[31] = 0x7F;
  state.rgbButtons[32] = 0x80;  // beyond the 32 the component reports
  stick->SetActive(true);
  EXPECT_EQ(stick->Buttons(), (TButtons{joButton1, joButton2, joButton32}));
}

TEST_F(DxJoystickTest, ANewDeviceUnacquiresAndOpensTheOtherController) {
  directInput.controllers[1].state.lX = 222;
  stick->SetActive(true);
  stick->SetDevice(1);  // the same: nothing
  EXPECT_TRUE(stick->Active());
  const std::size_t mark = directInput.log.size();
  stick->SetDevice(2);
  EXPECT_FALSE(stick->Active());
  EXPECT_EQ(directInput.LogSince(mark), (Log{"Unacquire 1", "Release 1"}));
  EXPECT_EQ(stick->ProductName(), L"Stick Two Product");
  stick->SetActive(true);
  EXPECT_EQ(stick->PositionX(), 222);
}

TEST_F(DxJoystickTest, DeactivatingReopensADroppedDeviceToUnacquireIt) {
  stick->SetActive(true);
  stick->SetActive(false);
  EXPECT_FALSE(stick->Active());
  EXPECT_EQ(directInput.OpenedDevice(1), nullptr) << "the device interface is dropped";
  std::size_t mark = directInput.log.size();
  stick->SetActive(false);
  EXPECT_TRUE(directInput.LogSince(mark).empty()) << "already inactive: nothing";
}

TEST_F(DxJoystickTest, DestroyingReleasesWithoutUnacquiring) {
  stick->SetActive(true);
  const std::size_t mark = directInput.log.size();
  stick->Free();
  stick = nullptr;
  EXPECT_EQ(directInput.LogSince(mark), Log{"Release 1"});
}

TEST(DxJoystickDinput8, NoControllerOnAHeadlessMachine) {
  TDxJoystick* stick = fw::Create<TDxJoystick>(nullptr);
  EXPECT_NE(stick->GetDirectInput(), nullptr) << "Wine's dinput8 answers";
  EXPECT_EQ(stick->DeviceCount(), 0);
  stick->SetActive(true);
  EXPECT_FALSE(stick->Active());
  EXPECT_EQ(stick->PositionX(), 0);
  EXPECT_TRUE(stick->Capabilities()->Flags().Empty());
  stick->Free();
}
