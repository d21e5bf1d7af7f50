// Stand-ins of string grid members that other work builds in parallel: the update lock counts only, no
// fixed footer or right columns, and editability from goEditing and the fixed areas alone. The real
// members replace this file.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::BeginUpdate() { ++updateCount_; }

void TVxStringGrid::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
}

int TVxStringGrid::FixedFooters() const { return 0; }

int TVxStringGrid::FixedRightCols() const { return 0; }

void TVxStringGrid::CanEditCellEx(int, int, bool&) {}

bool TVxStringGrid::CanEditCell(int col, int row) {
  if (!Options().Contains(fw::goEditing) && !MouseActions()->RangeSelectAndEdit()) return false;
  bool canEdit = true;
  CanEditCellEx(col, row, canEdit);
  return canEdit && !IsFixed(col, row);
}

}  // namespace ui
