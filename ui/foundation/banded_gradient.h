// Small drawing routines of the Office-look controls and the Office build of the HTML engine: the banded
// gradient, the dotted focus frame and the Windows version test for themed glyphs.
#pragma once

#include "framework/graphics/canvas.h"

namespace ui {

// Fills Rect with Count bands (1 when 0) from StartColor to EndColor: columns when Horizontal, rows
// otherwise; outlined in BorderColor unless that is clNone.
void FillBandedGradient(fw::TCanvas* Canvas, fw::TColor StartColor, fw::TColor EndColor, bool Horizontal,
                        const fw::TRect& Rect, int Count, fw::TColor BorderColor);
// A one-pixel frame of alternating dots in Color.
void DrawDottedFocusRect(fw::TCanvas* Canvas, const fw::TRect& Rect, fw::TColor Color);

}  // namespace ui
