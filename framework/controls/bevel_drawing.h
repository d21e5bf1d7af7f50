#pragma once
// Raised and lowered edges as panels and group boxes draw them.
#include "framework/graphics/canvas.h"

namespace fw {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Draws width lines along the edges of rect, top and left in topColor, bottom and right in bottomColor,
// and moves rect inside them.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);
// The edge of one bevel cut: lowered is shadow over highlight, raised the other way round.
void DrawBevel(TCanvas* canvas, TRect& rect, TBevelCut cut, int width, TColor face);

}  // namespace fw
