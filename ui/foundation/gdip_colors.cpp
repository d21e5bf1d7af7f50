#include "ui/foundation/gdip_values.h"

namespace ui {

// Only system colours are resolved; any other value gives its low three bytes (clNone: white).
ARGB MakeAlphaColor(std::uint8_t Alpha, fw::TColor Color) {
  const COLORREF rgb = fw::IsSystemColor(Color) ? fw::ColorToRGB(Color) : static_cast<COLORREF>(Color) & 0x00FFFFFFu;
  return MakeColor(Alpha, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

bool GetGDIPOptionInsetLines() { return false; }
bool GetGDIPOptionSmoothArrow() { return false; }

}  // namespace ui
