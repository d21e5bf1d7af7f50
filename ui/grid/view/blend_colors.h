// Colour mixing of the grid's painting.
#pragma once

#include "framework/graphics/colors.h"

namespace ui {

// Percent of Color1 and the rest of Color2, channel by channel (rounded, halves to even). 100 or more
// gives Color1; 0 or less, or Color1 not set, gives Color2; Color2 not set gives Color1.
fw::TColor BlendColors(fw::TColor Color1, fw::TColor Color2, int Percent);
// The selection colour mixed into the cell's colour when Mixer is on, else the selection colour.
fw::TColor MixSelectionColor(fw::TColor SelectionColor, fw::TColor Color, bool Mixer, int Percent);

}  // namespace ui
