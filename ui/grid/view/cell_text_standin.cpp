// Stand-ins of the cell text layout: every cell aligned top left, its text inside the cell margins,
// word-wrapped, in the canvas font. Replaced by the text layout.
#include <windows.h>

#include "framework/controls/draw_text.h"
#include "framework/graphics/canvas.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

int TVxStringGrid::GetCellAlignment(int, int) { return fw::taLeftJustify | (vtaTop << 8); }

void TVxStringGrid::DrawCellText(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState) {
  const std::string text = GetCellEx(RealColIndex(col), row);
  if (text.empty()) return;
  const fw::TPoint margin = CellMargin();
  fw::DrawCanvasText(canvas, text,
                     fw::TRect{rect.Left + margin.X, rect.Top + margin.Y, rect.Right - margin.X, rect.Bottom},
                     DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
}

}  // namespace ui
