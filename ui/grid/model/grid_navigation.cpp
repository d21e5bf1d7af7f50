// TVxStringGrid: moving the current cell with its notifications, the top row, scrolling a cell into view
// and hiding the selection outside the grid while rows change.
#include <algorithm>

#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::SetTopRow(int row) {
  if (row >= FixedRows() && row <= RowCount() - 1) fw::TCustomGrid::SetTopRow(row);
}

void TVxStringGrid::SetRow(int row) {
  if (Col() < 0 || Col() >= ColCount()) MoveToCell(FixedCols(), row);
  fw::TCustomGrid::SetRow(row);
  if (Row() != lastUpdateRow_ && OnRowUpdate) {
    OnRowUpdate(this, lastUpdateRow_, Row());
    lastUpdateRow_ = Row();
  }
  if (MouseActions()->DisjunctRowSelect()) SelectionToRowSelect(false);
  fw::TStringGrid* synced = SyncGrid()->Grid();
  if (synced != nullptr && SyncGrid()->SelectionRow() && Row() < synced->RowCount()) synced->SetRow(Row());
  // The last row is scrolled above the search footer once the footer exists.
  if (row == RowCount() - 1 && LastRowFitsAboveSearchFooter()) ScrollAboveSearchFooter();
}

void TVxStringGrid::ScrollInView(int col, int row) {
  if (col >= ColCount() || row >= RowCount()) return;
  const int visibleCols = VisibleColCount();
  const int visibleRows = VisibleRowCount();
  int left = LeftCol();
  int top = TopRow();
  if (col < LeftCol() || col >= LeftCol() + visibleCols) {
    MoveColRow(col, Row(), true, false);
    left = std::max(col - visibleCols / 2, FixedCols());
  }
  if (row < TopRow() || row >= TopRow() + visibleRows) {
    SetRow(row);
    top = std::max(row - visibleRows / 2, FixedRows());
  }
  if (left > ColCount() - visibleCols + 1) left = ColCount() + 1 - visibleCols;
  if (FixedCols() + visibleCols < ColCount()) SetLeftCol(left);
  if (top > RowCount() - visibleRows + 1) top = RowCount() + 1 - visibleRows;
  if (FixedRows() + visibleRows >= RowCount()) return;
  SetTopRow(top);
}

// The search footer comes with the find work; until then it is never visible.
bool TVxStringGrid::LastRowFitsAboveSearchFooter() { return false; }

void TVxStringGrid::ScrollAboveSearchFooter() {}

void TVxStringGrid::HideSelection() {
  savedSelection_ = Selection();
  SelectSingleCell(ColCount(), RowCount());
  selectionHidden_ = true;
}

void TVxStringGrid::RestoreSelection() {
  selectionHidden_ = false;
  if (savedSelection_.Top < RowCount() && savedSelection_.Left < ColCount()) {
    SetSelection(savedSelection_);
    return;
  }
  const int row = FixedRowAlways() && RowCount() <= FixedRows() ? 0 : FixedRows();
  const int col = FixedColAlways() && ColCount() <= FixedCols() ? 0 : FixedCols();
  SelectSingleCell(col, row);
}

}  // namespace ui
