// Exact arithmetic helpers shared by all code: rounding to integers and integer division.
#pragma once

#include <cstdint>

namespace fw {

// Rounds to the nearest integer, halves to the even neighbour: Round(2.5) = 2, Round(3.5) = 4,
// Round(-2.5) = -2. A value that is not finite or does not fit 64 bits raises EInvalidOp.
std::int64_t Round(double value);
// Drops the fraction (towards zero); same range rule as Round.
std::int64_t Trunc(double value);
// The fraction and integer parts as floating-point values.
double Frac(double value);
double Int(double value);

// Integer division truncating towards zero and its remainder (sign of the dividend); a zero divisor
// raises EDivByZero instead of crashing.
std::int64_t Div(std::int64_t dividend, std::int64_t divisor);
std::int64_t Mod(std::int64_t dividend, std::int64_t divisor);

}  // namespace fw
