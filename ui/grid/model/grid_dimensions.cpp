// Row and column counts, the fixed areas at the four edges, default sizes, word wrap and the current column.
#include <algorithm>

#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::SetRowCount(int value) {
  if (fixedRowAlways_ && RowCount() == TBaseGrid::FixedRows() && SelectionHidden()) RestoreSelection();
  TBaseGrid::SetRowCount(value);
  if (fixedRowAlways_ && requestedFixedRows_ < RowCount()) TBaseGrid::SetFixedRows(requestedFixedRows_);
  largestRowCount_ = std::max(largestRowCount_, RowCount());
  dataRowCount_ = RowCount();
  RepaintFloatingFooter();
  UpdateScrollBarsAlways(false);
  if (scrollType_ != ssNormal) UpdateFlatScrollBars();
}

void TVxStringGrid::SetColCount(int value) {
  TBaseGrid::SetColCount(value);
  if (fixedColAlways_ && requestedFixedCols_ < ColCount()) TBaseGrid::SetFixedCols(requestedFixedCols_);
  largestColCount_ = std::max(largestColCount_, ColCount());
  RepaintFloatingFooter();
  SetBounds(Left(), Top(), Width(), Height());
  UpdateScrollBarsAlways(false);
}

int TVxStringGrid::FixedRows() const {
  const int fixed = TBaseGrid::FixedRows();
  return fixed == 0 && fixedRowAlways_ ? 1 : fixed;
}

void TVxStringGrid::SetFixedRows(int value) {
  TBaseGrid::SetFixedRows(value >= RowCount() && fixedRowAlways_ ? RowCount() - 1 : value);
  if (!Loading()) requestedFixedRows_ = value;
}

int TVxStringGrid::FixedCols() const {
  const int fixed = TBaseGrid::FixedCols();
  return fixed == 0 && fixedColAlways_ ? 1 : fixed;
}

void TVxStringGrid::SetFixedCols(int value) {
  TBaseGrid::SetFixedCols(value >= ColCount() && fixedColAlways_ ? ColCount() - 1 : value);
  if (!Loading()) requestedFixedCols_ = value;
}

int TVxStringGrid::GetAllColCount() { return ColCount() + NumHiddenColumns(); }

int TVxStringGrid::AllRowCount() { return RowCount() + NumHiddenRows(); }

void TVxStringGrid::SetFixedRightCols(int value) {
  fixedRightCols_ = value;
  Invalidate();
}

void TVxStringGrid::SetFixedFooters(int value) {
  fixedFooters_ = value;
  Invalidate();
}

void TVxStringGrid::SetFixedColWidth(int value) {
  if (Loading() || value == DefaultColWidth()) return;
  for (int col = 0; col < TBaseGrid::FixedCols(); ++col) SetColWidths(col, value);
}

void TVxStringGrid::SetFixedRowHeight(int value) {
  fixedRowHeight_ = value;
  if (Loading()) return;
  if (value == DefaultRowHeight()) {
    SetDefaultRowHeight(value);
    return;
  }
  for (int row = 0; row < TBaseGrid::FixedRows(); ++row) SetRowHeights(row, value);
}

void TVxStringGrid::SetDefaultRowHeight(int value) { TBaseGrid::SetDefaultRowHeight(value); }

void TVxStringGrid::SetDefaultAlignment(fw::TAlignment value) {
  if (value == defaultAlignment_) return;
  defaultAlignment_ = value;
  Invalidate();
}

void TVxStringGrid::SetWordWrap(bool value) {
  TBaseGrid::SetWordWrap(value);
  gridWordWrap_ = value;
  if (updateCount_ == 0) Invalidate();
}

void TVxStringGrid::SetIntegralHeight(bool value) {
  integralHeight_ = value;
  SetBounds(Left(), Top(), Width(), Height());
}

void TVxStringGrid::SetCol(int value) {
  TBaseGrid::SetCol(value);
  // Two grids may follow each other: a grid already on the column ends the chain.
  fw::TStringGrid* other = syncGrid_->Grid();
  if (other == nullptr || other == this || !syncGrid_->SelectionColumn()) return;
  if (value >= other->ColCount() || other->Col() == value) return;
  if (auto* vx = dynamic_cast<TVxStringGrid*>(other)) {
    vx->SetCol(value);
  } else {
    other->SetCol(value);
  }
}

bool TVxStringGrid::IsFixed(int col, int row) {
  const int real = RealColIndex(col);
  const fw::TPoint base = BaseCellOf(real, row);
  const int baseCol = RealToDisplCol(base.X);
  if (base.Y >= RowCount() - fixedFooters_) return true;
  if (baseCol >= ColCount() - fixedRightCols_ && baseCol < ColCount()) return true;
  bool fixed = false;
  IsFixedCell(base.X, base.Y, fixed);
  return fixed;
}

}  // namespace ui
