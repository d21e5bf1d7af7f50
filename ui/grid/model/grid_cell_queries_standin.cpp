// Stand-in until the cell queries exist: fixed rows and columns, with the rules that keep them when the
// grid has no normal rows or columns; no event.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::IsFixedCell(int col, int row, bool& isFixed) {
  isFixed = isFixed || (fixedRowAlways_ && row <= requestedFixedRows_ && RowCount() == requestedFixedRows_) ||
            (fixedColAlways_ && col < requestedFixedCols_ && ColCount() == requestedFixedCols_) ||
            col < TBaseGrid::FixedCols() || row < TBaseGrid::FixedRows();
}

}  // namespace ui
