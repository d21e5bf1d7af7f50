// RoundToInt: a floating-point value rounded to the nearest int, halves to the even neighbour (the
// rounding every painter and layout of the toolkit uses, so sizes computed in two places agree).
#pragma once

#include "framework/rtl/arith.h"

namespace ui {

inline int RoundToInt(double value) { return static_cast<int>(fw::Round(value)); }

}  // namespace ui
