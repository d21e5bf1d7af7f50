// TVxStringGrid: repainting cells, rows, columns and ranges. Each invalidates part of the grid's window;
// nothing is drawn at once, and nothing happens before the window exists.
#include <windows.h>

#include <algorithm>

#include "ui/grid/model/string_grid.h"

namespace ui {
namespace {

void InvalidateArea(fw::TWinControl* control, const fw::TRect& area, bool erase) {
  if (!control->HandleAllocated()) return;
  const RECT r = area.ToRECT();
  InvalidateRect(control->Handle(), &r, erase ? TRUE : FALSE);
}

fw::TRect Union(const fw::TRect& a, const fw::TRect& b) {
  return fw::TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                   std::max(a.Bottom, b.Bottom)};
}

}  // namespace

void TVxStringGrid::RepaintCell(int col, int row) { InvalidateArea(this, CellRectEx(col, row), true); }

void TVxStringGrid::RepaintRow(int row) {
  const int last = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
  const fw::TRect first = CellRectFromSizes(0, row);
  const fw::TRect end = CellRectFromSizes(last, row);
  InvalidateArea(this, fw::TRect{first.Left, first.Top, end.Right, first.Bottom}, false);
}

void TVxStringGrid::RepaintCol(int col) {
  const int last = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
  const fw::TRect first = CellRectFromSizes(col, TopRow());
  const fw::TRect end = CellRectFromSizes(col, last);
  InvalidateArea(this, fw::TRect{first.Left, first.Top, first.Right, end.Bottom}, false);
}

void TVxStringGrid::RepaintRect(const fw::TRect& cells) {
  if (cells.Left < 0 || cells.Top < 0 || cells.Right < 0 || cells.Bottom < 0) return;
  const fw::TRect first = CellRect(cells.Left, cells.Top);
  const fw::TRect last = CellRect(std::min(VisibleColCount() + FixedCols(), cells.Right), cells.Bottom);
  if (first.IsEmpty() || last.IsEmpty()) {
    Invalidate();
    return;
  }
  InvalidateArea(this, Union(first, last), true);
}

void TVxStringGrid::RepaintActiveCellHeaders(int col1, int row1, int col2, int row2) {
  for (const fw::TPoint cell : {fw::TPoint{col1, row1}, fw::TPoint{col2, row2}}) {
    if (FixedRows() > 0) RepaintCell(cell.X, FixedRows() - 1);
    if (FixedCols() > 0) RepaintCell(FixedCols() - 1, cell.Y);
  }
}

void TVxStringGrid::InvalidateGridRect(const fw::TGridRect& cells) {
  InvalidateArea(this, Union(CellRectEx(cells.Left, cells.Top), CellRectEx(cells.Right, cells.Bottom)), false);
}

}  // namespace ui
