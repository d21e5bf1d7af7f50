#include "framework/rtl/arith.h"

#include <cmath>

#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

// 2^63 exactly: the first double that does not fit a signed 64-bit integer.
constexpr double kInt64Limit = 9223372036854775808.0;

std::int64_t CheckedToInt64(double integral) {
  if (!std::isfinite(integral) || integral >= kInt64Limit || integral < -kInt64Limit) {
    throw EInvalidOp("Invalid floating point operation");
  }
  return static_cast<std::int64_t>(integral);
}

void CheckDivisor(std::int64_t divisor) {
  if (divisor == 0) throw EDivByZero("Division by zero");
}

}  // namespace

std::int64_t Round(double value) {
  // Explicit half-even so the result does not depend on the FPU rounding mode.
  const double floor = std::floor(value);
  const double fraction = value - floor;
  double rounded = floor;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1.0;
  return CheckedToInt64(rounded);
}

std::int64_t Trunc(double value) { return CheckedToInt64(std::trunc(value)); }

double Frac(double value) { return value - std::trunc(value); }

double Int(double value) { return std::trunc(value); }

std::int64_t Div(std::int64_t dividend, std::int64_t divisor) {
  CheckDivisor(divisor);
  if (divisor == -1 && dividend == INT64_MIN) throw EIntError("Integer overflow");
  return dividend / divisor;
}

std::int64_t Mod(std::int64_t dividend, std::int64_t divisor) {
  CheckDivisor(divisor);
  if (divisor == -1) return 0;  // INT64_MIN % -1 traps on x86
  return dividend % divisor;
}

}  // namespace fw
