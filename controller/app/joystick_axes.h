// What the main form keeps for the joystick axes: the controls of each axis function's row on the hidden
// "Dimmer Axis" and "Control Axis" pages, and the state of detection, the query and the smoothing.
// GUI thread only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "controller/app/assignment_records.h"

namespace fw {
class TCheckBox;
class TEdit;
class TLabel;
}  // namespace fw

namespace ui {
class TW7SpeedButton;
}

namespace trelvik {

inline constexpr int kDxJoysticks = 8;
inline constexpr int kJoystickAxes = 8;  // X, Y, Z, X rotation, Y rotation, Z rotation, slider 1, slider 2

// The eight axis values of one game controller and its product name.
struct AxisReading {
  std::array<std::int32_t, kJoystickAxes + 1> values{};  // 1..8
  std::wstring name;
};

// One axis function's row. Dimmer and command functions have the assignment, value, Detect and Clear
// controls; flight controls also the calibration edits, SET buttons and the Reverse box; the speedbrake
// the ARM button. A control a row does not have stays null.
struct AxisRow {
  fw::TLabel* caption = nullptr;
  fw::TLabel* assigned = nullptr;  // "Not Assigned" or "Joystick:n Axis:m"
  fw::TLabel* value = nullptr;     // "Value : " and the input value
  ui::TW7SpeedButton* detect = nullptr;
  ui::TW7SpeedButton* clear = nullptr;
  fw::TEdit* low = nullptr;
  fw::TEdit* high = nullptr;
  fw::TEdit* null_zone = nullptr;
  ui::TW7SpeedButton* set_low = nullptr;
  ui::TW7SpeedButton* set_high = nullptr;
  fw::TCheckBox* reverse = nullptr;
  ui::TW7SpeedButton* arm = nullptr;
};

// The flight-control channels and their output labels.
enum AxisChannel {
  kElevator, kAileron, kYaw, kBrakeLeft, kBrakeRight, kThrottleLeft, kThrottleRight, kSpeedbrake, kFlaps,
  kAxisChannels
};

struct AxisWork {
  std::array<bool, kAxisFunctions + 1> detect_pending{};  // functions 1..12 and 20..37
  std::array<std::array<std::int32_t, kJoystickAxes + 1>, kDxJoysticks + 1> baseline{};  // [joystick][axis]
  AxisReading current;                                    // the joystick queried last
  std::array<double, kSpeedbrake + 1> smoothed{};         // elevator .. speedbrake (yaw shared by rudder and tiller)
  std::uint32_t pass_tick = 0;
  std::uint32_t command_tick = 0;
  std::uint32_t airspeed_raw = 0;  // FSUIPC 0x02B8 as last read, 128 per knot; 0 until a read succeeds
};

// The caption of an axis function's row ("CPT OUTBD", ..., "Flaps"); empty for the unused numbers.
const char* AxisCaption(int function);
// The command a dimmer or command function (1..12) sends, up to and including "="; else empty.
const char* AxisCommand(int function);
// Whether `function` is one of the 30 axis functions (1..12, 20..37).
bool IsAxisFunction(int function);

}  // namespace trelvik
