#include "ui/grid/model/string_grid.h"

#include <algorithm>

namespace ui {

TVxStringGrid::TVxStringGrid(fw::TComponent* AOwner) : TBaseGrid(AOwner) {
  SetBounds(0, 0, 400, 250);
  SetRowCount(10);
  SetDefaultRowHeight(22);
}

void TVxStringGrid::SetRowCount(int value) {
  TBaseGrid::SetRowCount(value);
  if (fixedRowAlways_ && requestedFixedRows_ < RowCount()) TBaseGrid::SetFixedRows(requestedFixedRows_);
  largestRowCount_ = std::max(largestRowCount_, RowCount());
  dataRowCount_ = RowCount();
}

int TVxStringGrid::FixedRows() const {
  const int fixed = TBaseGrid::FixedRows();
  return fixed == 0 && fixedRowAlways_ ? 1 : fixed;
}

void TVxStringGrid::SetFixedRows(int value) {
  TBaseGrid::SetFixedRows(value >= RowCount() && fixedRowAlways_ ? RowCount() - 1 : value);
  requestedFixedRows_ = value;
}

bool TVxStringGrid::IsFixed(int col, int row) {
  const fw::TPoint base = BaseCellOf(col, row);
  return base.X < FixedCols() || base.Y < TBaseGrid::FixedRows();
}

}  // namespace ui
