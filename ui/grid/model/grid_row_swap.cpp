// TVxStringGrid: exchanging two rows (sorting), the selection test of painting and the mouse, and the
// selection as tab-separated text.
#include <vector>

#include "ui/foundation/text_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::SwapRows(int row1, int row2) {
  // Every real column is exchanged, so that the cells of hidden columns stay with their rows.
  const int cols = GetColCountEx();
  swapList_->Clear();
  for (int col = 0; col < cols; ++col) swapList_->AddObject(GetRawCellText(col, row1), GetRawCellObject(col, row1));
  CopyRowCells(row2, row1);
  for (int col = 0; col < cols; ++col) {
    SetRawCellText(col, row2, swapList_->Strings(col));
    SetRawCellObject(col, row2, swapList_->Objects(col));
  }
  swapList_->Clear();
  const int height1 = RowHeights(row1);
  const int height2 = RowHeights(row2);
  if (height1 != height2) {
    SetRowHeights(row1, height2);
    SetRowHeights(row2, height1);
  }

  if (MouseActions()->DisjunctRowSelect() && Navigation()->MoveRowOnSort()) {
    const int key1 = NumHiddenRows() == 0 ? row1 : RealRowIndex(row1);
    const int key2 = NumHiddenRows() == 0 ? row2 : RealRowIndex(row2);
    const bool selected1 = GetRowSelect(key1);
    const bool selected2 = GetRowSelect(key2);
    SetRowSelect(key1, selected2);
    SetRowSelect(key2, selected1);
  }
  if (ShowModified()->Enabled()) {
    const bool modified1 = GetRowModified(row1);
    const bool modified2 = GetRowModified(row2);
    SetRowModified(row1, modified2);
    SetRowModified(row2, modified1);
  }
  // The row a sort keeps track of follows once sorting exists.
}

bool TVxStringGrid::IsSelected(int col, int row) {
  if (row < FixedRows() || col < FixedCols()) return false;
  if (MouseActions()->DisjunctCellSelect()) return disjunctCells_->HasValue(CellKey(col, row));
  if (MouseActions()->DisjunctRowSelect()) {
    return GetRowSelect(MouseActions()->RowSelectPersistent() ? DisplToRealRow(row) : row);
  }
  if (MouseActions()->DisjunctColSelect()) return GetColSelect(col);
  const fw::TGridRect range = GetSelection();
  return col >= range.Left && col <= range.Right && row >= range.Top && row <= range.Bottom;
}

void TVxStringGrid::GetSelectionAsText(std::string& text) {
  // Whole rows are dragged as they are selected until the drag-and-drop settings exist.
  const fw::TGridRect range = GetSelection();
  std::vector<int> rows;
  if (MouseActions()->DisjunctRowSelect()) {
    for (int row = FixedRows(); row < RowCount(); ++row) {
      if (GetRowSelect(MouseActions()->RowSelectPersistent() ? DisplToRealRow(row) : row)) rows.push_back(row);
    }
  } else {
    for (int row = range.Top; row <= range.Bottom; ++row) rows.push_back(row);
  }
  text.clear();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) text += "\r\n";
    for (int col = range.Left; col <= range.Right; ++col) {
      // Rich text keeps its markup until cells can be loaded into the rich-text control.
      std::string cell = GetCellEx(col, rows[i]);
      if (LineCount(cell, Multilinecells) > 1 && CopyLineBreaks) EncodeCellLineBreaks(cell);
      text += cell;
      if (col < range.Right) text += '\t';
    }
  }
}

}  // namespace ui
