// The events the string grid fires while it paints a cell. Each is empty by default and fired only when
// assigned, the sender first; the column is always the real column.
#pragma once

#include <functional>

#include "framework/classes/events.h"
#include "framework/controls/grid_types.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/geometry.h"
#include "ui/grid/model/cell_properties.h"

namespace fw {
class TCanvas;
class TPen;
}  // namespace fw

namespace ui {

// The cell's background as resolved so far; the handler may change every colour and the direction.
using TGridGradientEvent =
    std::function<void(fw::TObject* Sender, int ARow, int ACol, fw::TColor& Color, fw::TColor& ColorTo,
                       fw::TColor& ColorMirror, fw::TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
// A cell's own drawing on the canvas the grid paints with, before or after the grid's content.
using TCustomCellDrawEvent = std::function<void(fw::TObject* Sender, fw::TCanvas* Canvas, int ACol, int ARow,
                                                fw::TGridDrawState AState, const fw::TRect& ARect, bool Printing)>;
// The pens of the cell's four border lines, each a copy the handler may change.
using TGridBorderPropEvent = std::function<void(fw::TObject* Sender, int ARow, int ACol, fw::TPen* LeftPen,
                                                fw::TPen* TopPen, fw::TPen* RightPen, fw::TPen* BottomPen)>;

}  // namespace ui
