#include "ui/grid/model/string_grid.h"

#include <algorithm>

namespace ui {

int TGridRowStrings::Count() const { return grid_->ColCount(); }

void TGridRowStrings::Clear() {
  for (int c = 0; c < grid_->ColCount(); ++c) grid_->SetCells(c, row_, "");
}

void TGridRowStrings::Delete(int index) { Error("List index out of bounds (%d)", index); }

void TGridRowStrings::Insert(int index, const std::string&) { Error("List index out of bounds (%d)", index); }

std::string TGridRowStrings::Get(int index) const {
  if (index < 0 || index >= grid_->ColCount()) Error("List index out of bounds (%d)", index);
  return grid_->Cells(index, row_);
}

void TGridRowStrings::Put(int index, const std::string& s) {
  if (index < 0 || index >= grid_->ColCount()) Error("List index out of bounds (%d)", index);
  grid_->SetCells(index, row_, s);
}

TVxStringGrid::TVxStringGrid(fw::TComponent* AOwner) : TBaseGrid(AOwner) {
  SetBounds(0, 0, 400, 250);
  SetRowCount(10);
  SetDefaultRowHeight(22);
}

TVxStringGrid::~TVxStringGrid() = default;

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
  requestedFixedRows_ = value;
  TBaseGrid::SetFixedRows(value >= RowCount() && fixedRowAlways_ ? RowCount() - 1 : value);
}

TGridRowStrings* TVxStringGrid::Rows(int row) {
  const std::size_t index = RowIndex(row);
  if (rows_.size() <= index) rows_.resize(index + 1);
  auto& strings = rows_[index];
  if (!strings) strings = std::make_unique<TGridRowStrings>(this, row);
  return strings.get();
}

}  // namespace ui
