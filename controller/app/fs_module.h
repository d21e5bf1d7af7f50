// Splitting numbers into integer part and fraction through their decimal text, and texts at a separator.
// The decimal text follows the program's fixed decimal separator ".".
#pragma once

#include <cstdint>
#include <string>

namespace trelvik {

// The integer part of x as its shortest decimal text shows it: the digits before the first "." (so -2.75
// gives -2 and 1.5E-5 gives 1), or, for a text without ".", x rounded halves to even. 64-bit on both
// paths; a value that does not fit raises the run time's conversion or invalid-operation error.
std::int64_t FloatIntPart(double x);

// x minus its integer part; results closer to 0 than 1e-7 are exactly 0.
double FloatFraction(double x);

// Splits s at the first occurrence of the one-character separator sep: left gets what stands before it,
// right what follows it. Without the separator left = s and right is empty; a separator of any other
// length never matches. s and right may be the same variable.
void SplitAt(const std::string& s, const std::string& sep, std::string& left, std::string& right);

}  // namespace trelvik
