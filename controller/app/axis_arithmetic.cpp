#include "controller/app/axis_arithmetic.h"

#include <algorithm>
#include <cmath>

#include "framework/rtl/arith.h"
#include "framework/rtl/floattext.h"

namespace trelvik {

namespace {

constexpr int kSpeedbrake = 36;
constexpr double kSpeedbrakeArmed = 4800;

std::int64_t Span(std::int64_t a, std::int64_t b) { return a > b ? a - b : b - a; }

std::int32_t Limit(std::int64_t value, std::int64_t low, std::int64_t high) {
  return static_cast<std::int32_t>(std::clamp(value, low, high));
}

}  // namespace

std::int32_t AxisValueFromPosition(std::int32_t position) {
  return static_cast<std::int32_t>((static_cast<std::int64_t>(position) >> 1) - kAxisLimit);
}

std::int32_t CalibratedAxis(const AxisAssignment& axis, bool oneSided) {
  const std::int64_t r = Span(axis.high, axis.low);
  if (r == 0) return 0;
  const double x = static_cast<double>(fw::Trunc(32767.0 / static_cast<double>(r) * axis.value));
  if (oneSided) {
    const double half = (x + kAxisLimit) / 2;
    return Limit(fw::Round(axis.reverse ? kAxisLimit - half : half), 0, kAxisLimit);
  }
  const std::int64_t centre = axis.low + r / 2;
  const bool outside = axis.value > centre + axis.null_zone || axis.value < centre - axis.null_zone;
  if (!outside) return 0;
  const std::int64_t y = static_cast<std::int64_t>(axis.reverse ? -x : x);
  return Limit(y, -kAxisLimit, kAxisLimit);
}

std::int32_t CombineAxis(const AxisRecords& axes, const std::array<int, 4>& functions, bool oneSided) {
  std::array<std::int32_t, 4> inputs{};
  for (std::size_t i = 0; i < functions.size(); ++i) {
    const int f = functions[i];
    if (f < 1 || f > kAxisFunctions) continue;
    const AxisAssignment& axis = axes[static_cast<std::size_t>(f)];
    if (axis.axis < 1) continue;
    inputs[i] = CalibratedAxis(axis, oneSided);
  }
  const std::int64_t largest = *std::max_element(inputs.begin(), inputs.end());
  const std::int64_t smallest = *std::min_element(inputs.begin(), inputs.end());
  std::int64_t combined = largest + smallest;
  if (largest > 0 && smallest > 0) combined = largest;
  if (largest < 0 && smallest < 0) combined = smallest;
  return Limit(combined, -kAxisLimit, kAxisLimit);
}

double AverageAxis(double next, double previous) {
  if (std::fabs(next - previous) <= 0.5) return next;
  const double halfway = previous + (next - previous) * 0.5;
  return fw::StrToFloat(fw::FloatToStrF(halfway, fw::ffFixed, 10, 7));
}

double RudderFactor(double knots) {
  double factor = knots < 1 ? 1 : 0;
  if (knots > 30) factor = std::min((knots - 30) * 0.034, 1.0);
  return factor;
}

double TillerFactor(double knots) {
  if (knots >= 60) return 0;
  return std::min((60 - knots) * 0.05, 1.0);
}

std::int32_t DimmerCommandValue(std::int32_t value) {
  return static_cast<std::int32_t>(10 * fw::Trunc((static_cast<double>(value) + kAxisLimit) / 128 * 0.1));
}

double SpeedbrakeSmoothed(const AxisRecords& axes, double smoothed) {
  const AxisAssignment& brake = axes[kSpeedbrake];
  const double arm = brake.null_zone;
  const double v = brake.value;
  if (!brake.reverse) {
    const double s = static_cast<double>(Span(brake.high, brake.low));
    if (v >= arm - 0.1 * s - 300 && v <= arm + 0.1 * s + 300) return kSpeedbrakeArmed;
    if (v < arm - 0.1 * s) return 0;
  } else {
    const double s = std::fabs(static_cast<double>(brake.high) + brake.low);
    if (v >= arm + 0.1 * s - 300 && v <= arm + 0.1 * s + 300) return kSpeedbrakeArmed;
    if (v > arm - 0.1 * s) return 0;
  }
  AxisRecords fromArm = axes;
  fromArm[kSpeedbrake].low = brake.null_zone;
  return AverageAxis(CombineAxis(fromArm, {kSpeedbrake, 0, 0, 0}, true), smoothed);
}

std::int32_t SpeedbrakeOutput(double smoothed) {
  return static_cast<std::int32_t>(std::max<std::int64_t>(fw::Round(smoothed), 0));
}

std::int32_t FlapsOutput(const AxisAssignment& flaps, bool b777) {
  const double r = static_cast<double>(Span(flaps.high, flaps.low));
  if (r == 0) return 0;
  const double w = r / (b777 ? 7 : 8);
  const std::int64_t detent = fw::Trunc((flaps.value + w / 2 + r / 2) / w);
  // Below the lowest detent (a lever under its calibrated low end) is the lowest detent.
  const std::int64_t output = std::clamp<std::int64_t>(fw::Round(static_cast<double>(detent) * w / 2), 0, kAxisLimit);
  return static_cast<std::int32_t>(flaps.reverse ? kAxisLimit - output : output);
}

}  // namespace trelvik
