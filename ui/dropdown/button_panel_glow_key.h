// The glossy key face of the calculator keypad, drawn with GDI+ (anti-aliased) on a canvas: a plain upper
// half under a translucent shine, a gradient lower half, a white top line, an inner frame, the border and,
// when a glow colour is given, a soft glow of eight gradient patches around the key. GUI thread only.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/geometry.h"

namespace ui::dropdown {

// R is the key's rectangle. BorderColor, Color, ColorTo and FrameColor are framework colours (system colours
// resolved, opaque); ShineColor and GlowColor are taken by their stored red, green and blue bytes and drawn
// translucent. GlowColor clNone draws no glow. Nothing without a canvas.
void PaintGlowKey(fw::TCanvas* Canvas, const fw::TRect& R, fw::TColor BorderColor, fw::TColor ShineColor,
                  fw::TColor GlowColor, fw::TColor ColorTo, fw::TColor Color, fw::TColor FrameColor);

}  // namespace ui::dropdown
