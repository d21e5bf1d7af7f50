#pragma once
// What the W7 speed buttons paint with: the Windows version test, a colour blend, constant- and
// graded-opacity bitmap blends (AlphaBlend), two-colour gradients (GradientFill), the small arrow glyph,
// and the recipes of the buttons' look bitmaps and frames.
#include <windows.h>

#include <cstdint>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/geometry.h"

namespace ui {

enum TW7ArrowType { atDown, atUp, atLeft, atRight };

// Per channel Round(background x + color (1 - x)), x = Opacity / 255.
fw::TColor BlendColors(fw::TColor Color, fw::TColor Background, std::uint8_t Opacity);
// The whole bitmap blended into Rect with a constant opacity; per-pixel alpha too when the bitmap is 32 bits
// per pixel and IgnoreSourceAlpha is false. Answers AlphaBlend's result.
bool AlphaBlendBitmap(fw::TBitmap* Bitmap, fw::TCanvas* Canvas, const fw::TRect& Rect, int Opacity,
                      bool IgnoreSourceAlpha);
bool AlphaBlendBitmapRect(fw::TBitmap* Bitmap, const fw::TRect& SourceRect, fw::TCanvas* Canvas,
                          bool IgnoreSourceAlpha, int Opacity, const fw::TRect& DestRect);
// Color1 at Rect's top-left to Color2 at its bottom-right: left to right (Vertical 0) or top to bottom (1).
bool GradientFillRect(fw::TCanvas* Canvas, fw::TColor Color1, fw::TColor Color2, const fw::TRect& Rect,
                      int Vertical);
// Bitmap blended into Rect slice by slice (Direction 0: columns, 1: rows) with an opacity running from
// OpacityFrom to OpacityTo, as GradientFill grades it.
void AlphaBlendGradient(fw::TCanvas* Canvas, fw::TBitmap* Bitmap, int OpacityFrom, int OpacityTo, const fw::TRect& Rect,
                        int Direction);
// The arrow glyph, 9 x 5 (or 5 x 9) pixels from (X, Y), with softened slanted edges; nothing for a type
// outside the four.
void DrawW7Arrow(fw::TCanvas* Canvas, fw::TColor Color, int X, int Y, TW7ArrowType ArrowType);

// The button's look bitmaps (24 bits, Width x Height): the white background, and the hover and pressed
// looks in their normal or flat variant.
void BuildW7LookBitmaps(fw::TBitmap* Background, fw::TBitmap* Hover, fw::TBitmap* Pressed, int Width, int Height,
                        bool Flat);
enum TW7Frame { w7fHover, w7fPressed, w7fEnabled, w7fDisabled };
// A rounded frame around (0, 0, Width, Height) with its corner pixels.
void DrawW7Frame(fw::TCanvas* Canvas, TW7Frame Frame, int Width, int Height);

}  // namespace ui
