// The drawing pieces of a glow button's face: the gradient halves, the outlines of a standalone button and
// of buttons joined in a row, the focus outline, the small drop-down arrow and the glyph pictures.
#pragma once

#include "framework/graphics/canvas.h"
#include "ui/controls/custom_glow_button.h"
#include "ui/foundation/gdip_graphics.h"

namespace ui {

// Fills Rect with Color1 (upper half) or Color2 (lower half), then with the half's gradient: linear from
// Color1 to Color2 (vertical or diagonal), or radial on an ellipse: centred at the top middle in Color2
// for the upper half, at the bottom middle in Color1 for the lower half. A clNone colour takes the other.
void FillGlowHalf(TGPGraphics* Graphics, const fw::TRect& Rect, fw::TColor Color1, fw::TColor Color2,
                  TGDIPGradient Kind, bool UpperHalf);

// The outline of a standalone button (a rectangle for Radius 0, else rounded corners of Radius).
void DrawGlowBorder(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int Radius);
// The same outline dotted (rounded also for Radius 0).
void DrawGlowFocusRect(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int Radius);
// Outlines of the buttons of a row: the left one rounded on its left, the middle one square, the right one
// rounded on its right; the joins are drawn a shade darker.
void DrawGlowLeftPiece(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int Radius);
void DrawGlowMiddlePiece(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int Radius,
                         bool HotOrDown);
void DrawGlowRightPiece(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int Radius,
                        bool HotOrDown);

// A five-pixel arrow at Point (its top left) with highlight pixels beside it, pointing down or right.
void DrawDropDownArrow(fw::TCanvas* Canvas, fw::TPoint Point, fw::TColor Color, fw::TColor HighlightColor,
                       bool PointsDown);

// The picture at its natural size; a BMP leaves out the colour of its bottom-left pixel. Raises "Could not
// allocate memory for image" when the picture cannot be decoded for lack of memory.
void DrawGlowPicture(TGPGraphics* Graphics, fw::TPoint Point, TGDIPPicture* Picture);

}  // namespace ui
