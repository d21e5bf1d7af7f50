// What the cell renderers share: telling the grid's paint probe what was drawn, and drawing one of the
// grid's glyph resources with its bottom-left colour left out. GUI thread only.
#pragma once

#include <string>

#include "framework/graphics/canvas.h"

namespace ui {

// Tells TVxStringGrid::CellPaintProbe, when one is set.
void ReportCellPaint(const char* what, const fw::TRect& where, int value);
// The named bitmap resource at (x, y), transparent in its bottom-left pixel's colour.
void DrawGlyphResource(fw::TCanvas* canvas, const std::string& name, int x, int y);

}  // namespace ui
