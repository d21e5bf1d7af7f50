#include "ui/foundation/gdip_values.h"

namespace ui {

ARGB MakeAlphaColor(std::uint8_t Alpha, fw::TColor Color) {
  const COLORREF rgb = fw::ColorToRGB(Color);
  return MakeColor(Alpha, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

bool GetGDIPOptionInsetLines() { return false; }
bool GetGDIPOptionSmoothArrow() { return false; }

}  // namespace ui
