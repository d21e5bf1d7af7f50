// The joystick axes of the main form: querying the DirectInput game controllers, detecting the axis the
// user moves, the axis pass of the idle loop (values, dimmer commands, the flight-control channels written
// to FSUIPC) and the commands of the two axis pages. GUI thread only.
#include <string>

#include "components/input/dx_joystick.h"
#include "controller/aircraft/fsuipc_client.h"
#include "controller/app/axis_arithmetic.h"
#include "controller/app/server_command.h"
#include "controller/app/zedarave.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "framework/rtl/arith.h"
#include "framework/rtl/intconv.h"
#include "framework/services/clock.h"
#include "ui/controls/smooth_label.h"

namespace trelvik {

namespace {

constexpr std::uint32_t kAxisPassInterval = 200;
constexpr std::uint32_t kAxisCommandInterval = 500;
constexpr std::int32_t kDetectMovement = 1000;

// FSUIPC offsets of the flight-control channels.
constexpr std::uint32_t kElevatorOffset = 0x52F0, kAileronOffset = 0x52F2, kRudderOffset = 0x52F4;
constexpr std::uint32_t kBrakeLeftOffset = 0x52F6, kBrakeRightOffset = 0x52F8;
constexpr std::uint32_t kThrottleLeftOffset = 0x52FA, kThrottleRightOffset = 0x52FC, kTillerOffset = 0x52FE;
constexpr std::uint32_t kSpeedbrakeOffset = 0x0BD0, kFlapsOffset = 0x0BDC;
constexpr std::uint32_t kAirspeedOffset = 0x02B8;
constexpr std::uint32_t kThrottleLeftLever = 0x0892, kThrottleRightLever = 0x0924;

constexpr std::int32_t kAxisDefaultLow = -16383, kAxisDefaultHigh = 16383, kAxisDefaultNullZone = 300;

int FunctionOf(fw::TObject* sender) {
  const auto* component = dynamic_cast<fw::TComponent*>(sender);
  return component == nullptr ? 0 : static_cast<int>(component->Tag());
}

std::string AssignmentText(const AxisAssignment& axis) {
  return "Joystick:" + std::to_string(axis.joystick) + " Axis:" + std::to_string(axis.axis);
}

void ShowText(fw::TLabel* label, const std::string& text) {
  if (label != nullptr) label->SetCaption(text);
}

bool Assigned(const AxisAssignment& axis) {
  return axis.joystick >= 1 && axis.joystick <= kDxJoysticks && axis.axis >= 1 && axis.axis <= kJoystickAxes;
}

}  // namespace

AxisReading TZedArave::QueryAxisValues(input::TDxJoystick& stick) {
  AxisReading reading;
  try {
    stick.SetActive(true);
    if (!stick.Active() || !stick.Capabilities()->Flags().Contains(input::cfAttached)) return reading;
    stick.SetActive(true);
    if (stick.ProductName().find(L"vJoy") != std::wstring::npos) {
      stick.SetActive(false);
      return reading;
    }
    stick.Poll();
    const std::int32_t positions[kJoystickAxes] = {
        stick.PositionX(),  stick.PositionY(),  stick.PositionZ(),       stick.PositionRX(),
        stick.PositionRY(), stick.PositionRZ(), stick.PositionSlider1(), stick.PositionSlider2()};
    for (int a = 1; a <= kJoystickAxes; ++a) reading.values[static_cast<std::size_t>(a)] = AxisValueFromPosition(positions[a - 1]);
    reading.name = stick.ProductName();
  } catch (const fw::EOleSysError&) {
    // A controller that is there but cannot be acquired reads as zeros, like a missing one.
    return AxisReading{};
  }
  return reading;
}

AxisReading TZedArave::QueryJoystick(int joystick) {
  axis_work.current = QueryAxisValues(*DxJoystick[static_cast<std::size_t>(joystick)]);
  return axis_work.current;
}

// ---- Detection -------------------------------------------------------------------------------------------

void TZedArave::W7SpeedButton42Click(fw::TObject* Sender) {
  const int f = FunctionOf(Sender);
  if (!IsAxisFunction(f)) return;
  axis_work.detect_pending[static_cast<std::size_t>(f)] = true;
  ShowText(axis_rows[static_cast<std::size_t>(f)].assigned, "Not Assigned");
  for (int j = 1; j <= kDxJoysticks; ++j) axis_work.baseline[static_cast<std::size_t>(j)] = QueryJoystick(j).values;
  Axis_Detect->SetEnabled(true);
  Label5->SetVisible(false);
  save_label->Caption()->SetText("Waiting for Axis Movement..");
  save_label->SetVisible(true);
}

void TZedArave::Axis_DetectTimer() {
  Axis_Detect->SetEnabled(false);
  save_label->SetVisible(false);
  Label5->SetVisible(true);
  Label5->Repaint();
  axis_work.detect_pending.fill(false);
}

void TZedArave::DetectMovedAxis() {
  for (int j = 1; j <= kDxJoysticks; ++j) {
    const AxisReading reading = QueryJoystick(j);
    const auto& baseline = axis_work.baseline[static_cast<std::size_t>(j)];
    for (int a = 1; a <= kJoystickAxes; ++a) {
      const std::int64_t moved = static_cast<std::int64_t>(reading.values[static_cast<std::size_t>(a)]) -
                                 baseline[static_cast<std::size_t>(a)];
      if (moved > kDetectMovement || moved < -kDetectMovement) {
        AxisDetected(j, a);
        return;
      }
    }
  }
}

void TZedArave::AxisDetected(int joystick, int axis) {
  Axis_Detect->SetEnabled(false);
  save_label->SetVisible(false);
  for (int f = 1; f <= kAxisFunctions; ++f) {
    if (!axis_work.detect_pending[static_cast<std::size_t>(f)]) continue;
    AxisAssignment& record = axis_functions[static_cast<std::size_t>(f)];
    record.joystick = joystick;
    record.axis = axis;
    ShowText(axis_rows[static_cast<std::size_t>(f)].assigned, AssignmentText(record));
    break;
  }
  axis_work.detect_pending.fill(false);
  mark_unsaved();
}

// ---- The axis pass ---------------------------------------------------------------------------------------

bool TZedArave::FsuipcDone(std::uint32_t result) {
  if (result != aircraft::kFpcOk) sim_detected = false;
  return result == aircraft::kFpcOk;
}

void TZedArave::FsuipcRead(std::uint32_t offset, std::uint32_t size, void* destination) {
  std::uint32_t result = 0;
  aircraft::FpcRead(offset, size, destination, result);
  aircraft::FpcProcess(result);
  FsuipcDone(result);
}

void TZedArave::FsuipcWriteChannel(std::uint32_t offset, std::uint32_t size, std::int64_t value) {
  if (!sim_detected) return;
  std::uint32_t result = 0;
  const auto word = static_cast<std::int16_t>(value);
  const auto dword = static_cast<std::int32_t>(value);
  aircraft::FpcWrite(offset, size, size == 2 ? static_cast<const void*>(&word) : &dword, result);
  aircraft::FpcProcess(result);
  FsuipcDone(result);
}

void TZedArave::axis_pass() {
  const std::uint32_t now = fw::TickCount();
  if (now - axis_work.pass_tick <= kAxisPassInterval) return;
  axis_work.pass_tick = now;

  if (Axis_Detect->Enabled()) {
    DetectMovedAxis();
  } else {
    for (int f = 1; f <= kAxisFunctions; ++f) {
      AxisAssignment& record = axis_functions[static_cast<std::size_t>(f)];
      if (record.axis == 0 || !Assigned(record)) continue;
      const AxisReading reading = QueryJoystick(record.joystick);
      record.value = reading.values[static_cast<std::size_t>(record.axis)];
      axis_work.baseline[static_cast<std::size_t>(record.joystick)] = reading.values;
    }
  }

  for (int f = 1; f <= kAxisFunctions; ++f) {
    if (f == 12 || !IsAxisFunction(f)) continue;
    ShowText(axis_rows[static_cast<std::size_t>(f)].value,
               "Value : " + std::to_string(axis_functions[static_cast<std::size_t>(f)].value));
  }

  if (now - axis_work.command_tick > kAxisCommandInterval) {
    axis_work.command_tick = now;
    for (int f = 1; f <= 12; ++f) {
      const AxisAssignment& record = axis_functions[static_cast<std::size_t>(f)];
      if (record.axis > 0) SendServerCommand(AxisCommand(f) + std::to_string(DimmerCommandValue(record.value)));
    }
  }

  RunAxisChannels();
}

void TZedArave::RunAxisChannels() {
  const AxisRecords& axes = axis_functions;
  const auto anyAssigned = [&axes](std::initializer_list<int> functions) {
    for (int f : functions) {
      if (axes[static_cast<std::size_t>(f)].axis > 0) return true;
    }
    return false;
  };
  const auto show = [this](AxisChannel channel, std::int64_t output) {
    ShowText(axis_channel_labels[channel], "Value : " + std::to_string(output));
  };
  // Combines, smooths, shows and writes one channel; `factor` scales the combined input first.
  std::array<double, kSpeedbrake + 1>& smoothed = axis_work.smoothed;
  // Combines, smooths (the rudder and tiller share one smoothed value) and shows one channel, the combined
  // input first scaled by `factor`; answers the output.
  const auto channel = [&](AxisChannel ch, const std::array<int, 4>& functions, bool oneSided, double factor = 1) {
    const std::int32_t combined = CombineAxis(axes, functions, oneSided);
    smoothed[ch] = AverageAxis(combined * factor, smoothed[ch]);
    const std::int64_t output = fw::Round(smoothed[ch]);
    show(ch, output);
    return output;
  };

  if (anyAssigned({20, 21, 22})) {
    FsuipcWriteChannel(kElevatorOffset, 2, channel(kElevator, {20, 21, 22, 0}, false));
  }
  if (anyAssigned({23, 24, 25})) {
    FsuipcWriteChannel(kAileronOffset, 2, channel(kAileron, {23, 24, 25, 0}, false));
  }
  if (anyAssigned({26, 27})) {
    FsuipcRead(kAirspeedOffset, 4, &axis_work.airspeed_raw);  // also without a detected simulator
    const double factor = RudderFactor(axis_work.airspeed_raw / 128.0);
    FsuipcWriteChannel(kRudderOffset, 2, channel(kYaw, {26, 27, 0, 0}, false, factor));
  }
  if (anyAssigned({28, 29})) {
    if (sim_detected) FsuipcRead(kAirspeedOffset, 4, &axis_work.airspeed_raw);
    const double factor = TillerFactor(axis_work.airspeed_raw / 128.0);
    FsuipcWriteChannel(kTillerOffset, 2, channel(kYaw, {28, 29, 0, 0}, false, factor));
  }
  if (anyAssigned({30, 31})) {
    FsuipcWriteChannel(kBrakeLeftOffset, 2, channel(kBrakeLeft, {30, 31, 0, 0}, true));
  }
  if (anyAssigned({32, 33})) {
    FsuipcWriteChannel(kBrakeRightOffset, 2, channel(kBrakeRight, {32, 33, 0, 0}, true));
  }
  const auto throttle = [&](AxisChannel ch, int function, std::uint32_t lever, std::uint32_t offset) {
    const std::int64_t output = channel(ch, {function, 0, 0, 0}, true);
    if (!sim_detected) return;
    std::uint16_t position = 0;  // read as the simulator's link expects it; not used
    FsuipcRead(lever, 2, &position);
    FsuipcWriteChannel(offset, 2, output);
  };
  if (anyAssigned({34})) throttle(kThrottleLeft, 34, kThrottleLeftLever, kThrottleLeftOffset);
  if (anyAssigned({35})) throttle(kThrottleRight, 35, kThrottleRightLever, kThrottleRightOffset);
  if (anyAssigned({36})) {
    smoothed[kSpeedbrake] = SpeedbrakeSmoothed(axes, smoothed[kSpeedbrake]);
    const std::int32_t output = SpeedbrakeOutput(smoothed[kSpeedbrake]);
    show(kSpeedbrake, output);
    FsuipcWriteChannel(kSpeedbrakeOffset, 4, output);
  }
  if (anyAssigned({37})) {
    const std::int32_t output = FlapsOutput(axes[37], Is777Selected());
    show(kFlaps, output);
    FsuipcWriteChannel(kFlapsOffset, 4, output);
  }
}

// ---- Commands of the axis pages -----------------------------------------------------------------------------

void TZedArave::DimmerClearClick(fw::TObject* Sender) {
  const int f = FunctionOf(Sender);
  if (f < 1 || f > 11) return;
  axis_functions[static_cast<std::size_t>(f)] = AxisAssignment{};
  ShowText(axis_rows[static_cast<std::size_t>(f)].assigned, "Not Assigned");
}

void TZedArave::W7SpeedButton55Click(fw::TObject* Sender) {
  const int f = FunctionOf(Sender);
  if (f < 20 || f > kAxisFunctions) return;
  axis_functions[static_cast<std::size_t>(f)] = AxisAssignment{};
  const AxisRow& row = axis_rows[static_cast<std::size_t>(f)];
  ShowText(row.assigned, "Not Assigned");
  row.low->SetText(std::to_string(kAxisDefaultLow));
  row.high->SetText(std::to_string(kAxisDefaultHigh));
  row.null_zone->SetText(std::to_string(kAxisDefaultNullZone));  // stores it again
  row.reverse->SetChecked(false);
  mark_unsaved();
}

void TZedArave::W7SpeedButton96Click(fw::TObject* Sender) { SetCalibrationEnd(FunctionOf(Sender), false); }

void TZedArave::W7SpeedButton132Click(fw::TObject* Sender) { SetCalibrationEnd(FunctionOf(Sender), true); }

void TZedArave::SetCalibrationEnd(int f, bool high) {
  if (f < 20 || f > kAxisFunctions) return;
  AxisAssignment& record = axis_functions[static_cast<std::size_t>(f)];
  const AxisRow& row = axis_rows[static_cast<std::size_t>(f)];
  (high ? record.high : record.low) = record.value;
  (high ? row.high : row.low)->SetText(std::to_string(record.value));
  mark_unsaved();
}

void TZedArave::j20_nullChange(fw::TObject* Sender) {
  const int f = FunctionOf(Sender);
  if (f < 20 || f > kAxisFunctions) return;
  std::int32_t zone = 0;
  if (fw::TryStrToInt(axis_rows[static_cast<std::size_t>(f)].null_zone->Text(), zone)) {
    axis_functions[static_cast<std::size_t>(f)].null_zone = zone;
  }
}

void TZedArave::j20_revClick(fw::TObject* Sender) {
  const int f = FunctionOf(Sender);
  if (f < 20 || f > kAxisFunctions) return;
  axis_functions[static_cast<std::size_t>(f)].reverse = axis_rows[static_cast<std::size_t>(f)].reverse->Checked();
}

void TZedArave::W7SpeedButton131Click(fw::TObject*) {
  axis_rows[36].null_zone->SetText(std::to_string(axis_functions[36].value));
}

void TZedArave::ShowLoadedAxes() {
  for (int f = 1; f <= kAxisFunctions; ++f) {
    if (f == 12 || !IsAxisFunction(f)) continue;
    const AxisAssignment& record = axis_functions[static_cast<std::size_t>(f)];
    if (record.axis <= 0) continue;
    const AxisRow& row = axis_rows[static_cast<std::size_t>(f)];
    ShowText(row.assigned, AssignmentText(record));
    if (f < 20) continue;
    const AxisAssignment loaded = record;  // the edits' and box's handlers store what they show
    row.low->SetText(std::to_string(loaded.low));
    row.high->SetText(std::to_string(loaded.high));
    row.null_zone->SetText(std::to_string(loaded.null_zone));
    row.reverse->SetChecked(loaded.reverse);
  }
}

}  // namespace trelvik
