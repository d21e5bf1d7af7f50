#include "ui/grid/view/blend_colors.h"

#include "ui/foundation/color_conversions.h"
#include "ui/grid/model/cell_properties.h"

namespace ui {

fw::TColor BlendColors(fw::TColor Color1, fw::TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0 || Color1 == kColorNotSet) return Color2;
  if (Color2 == kColorNotSet) return Color1;
  return BlendChannels(Color1, Color2, Percent);
}

fw::TColor MixSelectionColor(fw::TColor SelectionColor, fw::TColor Color, bool Mixer, int Percent) {
  return Mixer ? BlendColors(SelectionColor, Color, Percent) : SelectionColor;
}

}  // namespace ui
