// The arithmetic of the joystick axes: input values from device positions, calibration and null zones,
// the combination of up to four inputs into one channel, smoothing, the speed factors of rudder and
// tiller, the dimmer command values, the speedbrake with its ARM position and the flap detents.
// Pure functions over the axis records; rounding is half-even, trunc cuts toward zero.
#pragma once

#include <array>
#include <cstdint>

#include "controller/app/assignment_records.h"

namespace trelvik {

inline constexpr std::int32_t kAxisLimit = 16383;

// A device position as an input value: halved (rounded down) less 16383, so 0..65535 gives -16383..16384.
std::int32_t AxisValueFromPosition(std::int32_t position);

// One function's calibrated input from its value: one-sided inputs give 0..16383, centred ones
// -16383..16383 with 0 inside the null zone. A calibration with low equal to high gives 0.
std::int32_t CalibratedAxis(const AxisAssignment& axis, bool oneSided);

// Combine_Axis: the calibrated inputs of up to four functions (0 for none; a function without an axis
// counts as 0) combined into one channel value in -16383..16383: when all four are above 0 the largest,
// when all are below 0 the smallest, otherwise the largest plus the smallest.
std::int32_t CombineAxis(const AxisRecords& axes, const std::array<int, 4>& functions, bool oneSided);

// One smoothing step: half the way from `previous` to `next`, kept to 10 significant digits; `next` itself
// once within 0.5.
double AverageAxis(double next, double previous);

// The share of rudder and tiller inputs at an airspeed in knots.
double RudderFactor(double knots);
double TillerFactor(double knots);

// The number a dimmer or command function sends for its value: 0 at the bottom, 120 at the centre, 250 at
// the top, in steps of 10.
std::int32_t DimmerCommandValue(std::int32_t value);

// The speedbrake's next smoothed value (its null zone holds the ARM position): 4800 in the ARM band, 0 on the
// retracted side, else the input calibrated from the ARM position and smoothed from `smoothed`.
double SpeedbrakeSmoothed(const AxisRecords& axes, double smoothed);
// The smoothed speedbrake as written: rounded, negative values as 0.
std::int32_t SpeedbrakeOutput(double smoothed);

// The flap lever's detent output, 0..16383 (reversed with the function's reverse box): 8 detents with the
// 737 selected, 7 with the 777.
std::int32_t FlapsOutput(const AxisAssignment& flaps, bool b777);

}  // namespace trelvik
