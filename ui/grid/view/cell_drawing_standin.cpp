// Stand-ins of the cell queries, selection lists and row marks the sibling work builds: no query event,
// nothing listed, the framework's selected block. Deleted when those land.
#include <algorithm>

#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::GetCellColor(int, int, fw::TFont*, fw::TBrush*, fw::TGridDrawState) {}
void TVxStringGrid::GetCellPrintColor(int, int, fw::TBrush*, fw::TFont*, fw::TGridDrawState) {}
void TVxStringGrid::GetCellBorder(int, int, TCellBorders&, fw::TPen*) {}
void TVxStringGrid::IsFixedCell(int col, int row, bool& fixed) {
  fixed = fixed || col < FixedCols() || row < TBaseGrid::FixedRows();
}
void TVxStringGrid::CanEditCellEx(int, int, bool&) {}
void TVxStringGrid::DoGetWordWrap(int, int, bool&) {}
bool TVxStringGrid::HasComboBox(int, int) { return false; }
bool TVxStringGrid::HasSpinEdit(int, int) { return false; }
TCellType TVxStringGrid::GetCellType(int, int) { return ctEmpty; }
TCellGraphic* TVxStringGrid::GetCellGraphic(int, int) { return nullptr; }
bool TVxStringGrid::GetRowSelect(int) { return false; }
bool TVxStringGrid::GetColSelect(int) { return false; }
bool TVxStringGrid::IsSelected(int col, int row) {
  if (col < FixedCols() || row < TBaseGrid::FixedRows()) return false;
  const fw::TGridRect s = Selection();
  return col >= std::min(s.Left, s.Right) && col <= std::max(s.Left, s.Right) && row >= std::min(s.Top, s.Bottom) &&
         row <= std::max(s.Top, s.Bottom);
}
bool TVxStringGrid::GetRowModified(int) const { return false; }
bool TVxStringGrid::IsDisjunctCellSelected(int, int) { return false; }

}  // namespace ui
