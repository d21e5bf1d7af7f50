// Stand-ins of string grid members that other work builds in parallel: editability from goEditing and the
// fixed areas alone. The real members replace this file.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::CanEditCellEx(int, int, bool&) {}

bool TVxStringGrid::CanEditCell(int col, int row) {
  if (!Options().Contains(fw::goEditing) && !MouseActions()->RangeSelectAndEdit()) return false;
  bool canEdit = true;
  CanEditCellEx(col, row, canEdit);
  return canEdit && !IsFixed(col, row);
}

}  // namespace ui
