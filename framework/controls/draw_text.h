#pragma once
// Formatted text on a canvas (DrawText flags), in the canvas font's colour over a transparent
// background; the painting of captions, panels, buttons and hints.
#include <string>

#include "framework/graphics/canvas.h"

namespace fw {

// Draws text into rect with DrawText flags; with DT_CALCRECT only measures and returns the rect.
TRect DrawCanvasText(TCanvas* canvas, const std::string& text, const TRect& rect, UINT flags);
// The size the text takes in the canvas font (DT_CALCRECT), wrapped at maxWidth when flags has DT_WORDBREAK.
TSize MeasureCanvasText(TCanvas* canvas, const std::string& text, int maxWidth, UINT flags);

}  // namespace fw
