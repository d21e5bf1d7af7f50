#include "ui/grid/view/blend_colors.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "framework/rtl/arith.h"
#include "ui/grid/model/cell_properties.h"

namespace ui {

fw::TColor BlendColors(fw::TColor Color1, fw::TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0 || Color1 == kColorNotSet) return Color2;
  if (Color2 == kColorNotSet) return Color1;
  const COLORREF c1 = fw::ColorToRGB(Color1);
  const COLORREF c2 = fw::ColorToRGB(Color2);
  const double p = Percent / 100.0;
  const auto mix = [p](int a, int b) {
    return static_cast<int>(std::min<std::int64_t>(fw::Round(p * a + (1 - p) * b), 255));
  };
  return static_cast<fw::TColor>(RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
                                     mix(GetBValue(c1), GetBValue(c2))));
}

fw::TColor MixSelectionColor(fw::TColor SelectionColor, fw::TColor Color, bool Mixer, int Percent) {
  return Mixer ? BlendColors(SelectionColor, Color, Percent) : SelectionColor;
}

}  // namespace ui
