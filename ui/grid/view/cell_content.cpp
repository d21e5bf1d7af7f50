// The string grid's cell content: the cell's text inside its margins, then OnDrawCell over it.
#include <windows.h>

#include "framework/controls/draw_text.h"
#include "framework/graphics/canvas.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// The text inset of a cell: 2 pixels on the left and right and at the top.
constexpr int kCellMarginX = 2;
constexpr int kCellMarginY = 2;

}  // namespace

void TVxStringGrid::PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect,
                                     fw::TGridDrawState state) {
  const std::string text = GetCellEx(col, row);
  if (!text.empty()) {
    // In the cell's font: the canvas font, selected into the DC by the drawing call.
    fw::DrawCanvasText(canvas, text,
                       fw::TRect{rect.Left + kCellMarginX, rect.Top + kCellMarginY, rect.Right - kCellMarginX, rect.Bottom},
                       DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
  }
  if (OnDrawCell) {
    // The content rectangle grown back by one pixel at the bottom-right, less the line width there.
    const fw::TRect event{rect.Left, rect.Top, rect.Right + 1 - GridLineWidth(), rect.Bottom + 1 - GridLineWidth()};
    OnDrawCell(this, col, row, event, state);
  }
}

}  // namespace ui
