// Where a button's glyph and caption go inside its content area: along the layout's axis by margin and
// spacing (-1 centres, or spreads evenly), centred across it, then moved by the content offset.
#pragma once

#include "framework/graphics/geometry.h"
#include "ui/controls/glow_button_types.h"

namespace ui {

struct TButtonContent {
  fw::TPoint Glyph;
  fw::TRect Caption;
};

// rightToLeft swaps glyph-left and glyph-right.
TButtonContent LayoutButtonContent(const fw::TRect& area, fw::TSize glyph, fw::TSize text, TButtonLayout layout,
                                   int margin, int spacing, fw::TPoint offset, bool rightToLeft);

}  // namespace ui
