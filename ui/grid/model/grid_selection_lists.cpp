// TVxStringGrid: the disjunct row and column selections (flags indexed by row or column, growing on
// demand, beside the rows in the order they were selected) and the per-row modified and disabled marks.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ui/grid/model/string_grid.h"

namespace ui {
namespace {

void* const kFlagSet = reinterpret_cast<void*>(std::uintptr_t{1});

void GrowTo(fw::TList& flags, int count) {
  if (flags.Count() < count) flags.SetCount(count);
}

bool InRange(int value, int a, int b) { return (value >= a && value <= b) || (value >= b && value <= a); }

}  // namespace

bool TVxStringGrid::GetRowSelect(int row) {
  if (row < 0 || row >= RowCount() + NumHiddenRows()) {
    throw EVxGridError("Invalid row " + std::to_string(row) + " accessed");
  }
  if (!MouseActions()->DisjunctRowSelect()) {
    const fw::TGridRect range = Selection();
    return InRange(row, range.Top, range.Bottom);
  }
  GrowTo(rowSelectFlags_, row + 1);
  return rowSelectFlags_.Items(row) != nullptr;
}

void TVxStringGrid::SetRowSelect(int row, bool selected) {
  if ((row >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()) || row < 0) {
    throw EVxGridError("Invalid row accessed");
  }
  bool allow = true;
  if ((row >= rowSelectFlags_.Count() || (rowSelectFlags_.Items(row) != nullptr) != selected) &&
      OnRowDisjunctSelect) {
    OnRowDisjunctSelect(this, row, selected, allow);
  }
  if (!allow) return;
  GrowTo(rowSelectFlags_, row + 1);
  if (selected) {
    if (rowSelectFlags_.Items(row) != kFlagSet) RepaintRow(row);
    rowSelectFlags_.SetItems(row, kFlagSet);
    if (!disjunctRowSelect_->HasValue(row)) disjunctRowSelect_->Add(row);
  } else {
    if (rowSelectFlags_.Items(row) != nullptr) RepaintRow(row);
    rowSelectFlags_.SetItems(row, nullptr);
    disjunctRowSelect_->RemoveValue(row);
  }
  if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, row);
}

bool TVxStringGrid::GetColSelect(int col) {
  if (col < 0 || col >= ColCount()) throw EVxGridError("Invalid column accessed");
  GrowTo(colSelectFlags_, col + 1);
  return colSelectFlags_.Items(col) != nullptr;
}

void TVxStringGrid::SetColSelect(int col, bool selected) {
  if (col < 0 || col >= ColCount()) throw EVxGridError("Invalid column accessed");
  GrowTo(colSelectFlags_, col + 1);
  if ((colSelectFlags_.Items(col) != nullptr) != selected) RepaintCol(col);
  colSelectFlags_.SetItems(col, selected ? kFlagSet : nullptr);
}

void TVxStringGrid::ClearRowSelect() {
  for (int row = 0; row < rowSelectFlags_.Count(); ++row) {
    if (rowSelectFlags_.Items(row) == nullptr) continue;
    RepaintRow(row);
    rowSelectFlags_.SetItems(row, nullptr);
  }
  disjunctRowSelect_->Clear();
}

void TVxStringGrid::ClearColSelect() {
  for (int col = 0; col < colSelectFlags_.Count(); ++col) {
    if (colSelectFlags_.Items(col) == nullptr) continue;
    RepaintCol(col);
    colSelectFlags_.SetItems(col, nullptr);
  }
}

void TVxStringGrid::SelectionToRowSelect(bool all) {
  const fw::TGridRect range = Selection();
  for (int row = FixedRows(); row < RowCount(); ++row) {
    const bool inside = InRange(row, range.Top, range.Bottom);
    if (!inside && !all) continue;
    SetRowSelect(MouseActions()->RowSelectPersistent() ? DisplToRealRow(row) : row, inside);
  }
  if (NumHiddenRows() > 0) Invalidate();
}

void TVxStringGrid::SelectionToColSelect(bool all) {
  const fw::TGridRect range = Selection();
  for (int col = FixedCols(); col < ColCount(); ++col) {
    const bool inside = InRange(col, range.Left, range.Right);
    if (inside || all) SetColSelect(col, inside);
  }
}

int TVxStringGrid::GetRowSelectCount() {
  if (!MouseActions()->DisjunctRowSelect()) {
    const fw::TGridRect range = Selection();
    return std::abs(range.Bottom - range.Top) + 1;
  }
  const int last = std::min(RowCount() + NumHiddenRows(), rowSelectFlags_.Count());
  int count = 0;
  for (int row = 0; row < last; ++row) {
    if (rowSelectFlags_.Items(row) != nullptr) ++count;
  }
  return count;
}

bool TVxStringGrid::GetRowModified(int row) const {
  return row >= 0 && row < modifiedRows_->Count() && modifiedRows_->GetItem(row) == 1;
}

void TVxStringGrid::SetRowModified(int row, bool modified) {
  while (modifiedRows_->Count() <= row) modifiedRows_->Add(0);
  modifiedRows_->SetItem(row, modified ? 1 : 0);
  RepaintCell(0, row);
}

bool TVxStringGrid::GetRowEnabled(int row) const {
  return row < 0 || row >= disabledRows_->Count() || disabledRows_->GetItem(row) == 0;
}

}  // namespace ui
