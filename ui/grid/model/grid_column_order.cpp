// The column-order list: which column each position held when the list was last filled, kept up to date
// by every column move, and the columns put back into that order.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::ResetColumnOrder() {
  columnOrder_->Clear();
  for (int col = 0; col < ColCount(); ++col) columnOrder_->Add(col);
}

void TVxStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  TBaseGrid::ColumnMoved(FromIndex, ToIndex);
  const int count = columnOrder_->Count();
  if (FromIndex < 0 || FromIndex >= count || ToIndex < 0 || ToIndex >= count) return;
  const int moved = columnOrder_->GetItem(FromIndex);
  columnOrder_->Delete(FromIndex);
  columnOrder_->Insert(ToIndex, moved);
}

void TVxStringGrid::RestoreColumnOrder() {
  UnHideColumnsAll();
  if (columnOrder_->Count() == 0) {
    ResetColumnOrder();
    return;
  }
  // Each move puts one column on its own place for good, so the passes end; the bound only guards a
  // list that names a position twice.
  const int limit = ColCount() * ColCount() + 1;
  bool moved = true;
  for (int pass = 0; moved && pass < limit; ++pass) {
    moved = false;
    for (int col = 0; col < ColCount() && col < columnOrder_->Count(); ++col) {
      const int target = columnOrder_->GetItem(col);
      if (target >= 0 && target < col) {
        MoveColumn(col, target);
        moved = true;
      }
    }
  }
}

}  // namespace ui
