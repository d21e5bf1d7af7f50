// The integer part and fraction of a float64 as its decimal text shows them. The switch processing steps
// radio frequencies with them and the application core's number helpers hand them on.
#pragma once

#include <cstdint>

namespace aircraft {

// The integer part of x as its shortest decimal text shows it: the digits before the first "." (so -2.75
// gives -2 and 1.5E-5 gives 1), or, for a text without ".", x rounded halves to even. 64-bit on both
// paths; a value that does not fit raises the run time's conversion or invalid-operation error.
std::int64_t FloatIntPart(double x);

// x minus its integer part; results closer to 0 than 1e-7 are exactly 0, so a value that prints as a
// whole number has the fraction 0.
double FloatFraction(double x);

}  // namespace aircraft
