// Splitting numbers into integer part and fraction through their decimal text, and texts at a separator.
// The decimal text follows the program's fixed decimal separator ".".
#pragma once

#include <cstdint>
#include <string>

#include "controller/aircraft/float_parts.h"

namespace trelvik {

// The integer part and fraction live with the switch processing, which steps frequencies with them.
using aircraft::FloatFraction;
using aircraft::FloatIntPart;

// Splits s at the first occurrence of the one-character separator sep: left gets what stands before it,
// right what follows it. Without the separator left = s and right is empty; a separator of any other
// length never matches. s and right may be the same variable.
void SplitAt(const std::string& s, const std::string& sep, std::string& left, std::string& right);

}  // namespace trelvik
