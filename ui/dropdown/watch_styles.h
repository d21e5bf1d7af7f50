// The watch's ready-made looks and the colour sets of the toolkit's style interface. A look (TVxWatch's
// Style) rebuilds the whole appearance and switches the AM/PM box and the numbers; a colour set only
// recolours an appearance, so that a watch, or the appearance a time picker keeps for its pop-up watch,
// matches the colours the other controls get for the same style number. GUI thread only.
#pragma once

#include "ui/dropdown/watch_appearance.h"

namespace ui {

// Colour set 0-15: the centre's outer ring and both font colours become black, then the set's colours are
// stored (the AM/PM box's silently, the others through their setters). Set 8 and numbers outside 0-15
// stop after the first step.
void ApplyWatchColorSet(TWatchAppearance& Appearance, int Style);

}  // namespace ui
