// The analog watch's plain drawing routines: GDI+ text and pictures, rounded and plain rectangle
// outlines, and the hit test of the face's ellipse. Each makes and frees its own GDI+ objects.
#pragma once

#include <memory>
#include <string>

#include "framework/graphics/canvas.h"
#include "framework/graphics/font.h"
#include "framework/graphics/geometry.h"
#include "framework/graphics/graphic.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {

// One line of text in Font (its face, or "Arial" when GDI+ does not know the face), centred across R and
// at its top, anti-aliased, '&' marking a hot key. On Graphics, or on a surface made on Canvas's DC for the
// call when Graphics is null.
void DrawWatchText(fw::TCanvas* Canvas, TGPGraphics* Graphics, const std::string& Text, fw::TFont* Font,
                   const fw::TRect& R);

// Graphic decoded through GDI+: a PNG unscaled at R's top-left corner, any other image stretched over R
// with the colour of its top-left pixel left out. Raises "Could not allocate memory for image" when the
// copy for GDI+ finds no memory.
void DrawWatchPicture(TGPGraphics* Graphics, const GpRectF& R, fw::TGraphic* Graphic);

// The rectangle X, Y, W, H with quarter arcs of the radius in its corners, filled or stroked.
void FillRoundedRect(TGPGraphics* Graphics, TGPBrush* Brush, float X, float Y, float W, float H, int Radius);
void DrawRoundedRect(TGPGraphics* Graphics, TGPPen* Pen, float X, float Y, float W, float H, int Radius);
// The closed outline of R with rounded corners, and of R as it is.
std::unique_ptr<TGPGraphicsPath> CreateRoundedRectPath(const GpRectF& R, int Radius);
std::unique_ptr<TGPGraphicsPath> CreateRectPath(const GpRectF& R);

// Whether P lies in the ellipse inscribed in the rectangle (as GDI's elliptic region has it).
bool PointInFaceEllipse(fw::TPoint P, int Left, int Top, int Right, int Bottom);

}  // namespace ui
