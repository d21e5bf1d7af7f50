// TCustomGrid: the keyboard. Arrows, pages, Home/End move the current cell (Shift extends the selection
// with goRangeSelect), Tab walks the cells with goTabs, Enter and F2 open the editor with goEditing and
// Escape closes it. Every move asks SelectCell first; a refusal leaves the cell where it was.
#include <algorithm>

#include "framework/controls/custom_grid.h"

namespace fw {

void TCustomGrid::MoveByKey(int col, int row, bool extend) {
  col = std::clamp(col, FixedCols(), ColCount() - 1);
  row = std::clamp(row, FixedRows(), RowCount() - 1);
  if (col == Col() && row == Row()) return;
  MoveColRow(col, row, !extend, true);
}

bool TCustomGrid::TabToNextCell(bool backwards) {
  int col = Col();
  int row = Row();
  if (backwards) {
    if (--col < FixedCols()) {
      if (row <= FixedRows()) return false;  // the first cell: Tab leaves it to the form
      col = ColCount() - 1;
      --row;
    }
  } else if (++col >= ColCount()) {
    if (row >= RowCount() - 1) return false;
    col = FixedCols();
    ++row;
  }
  MoveColRow(col, row, true, true);
  return true;
}

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);  // OnKeyDown first: it may take the key
  if (Key == 0) return;
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool extend = Shift.Contains(ssShift) && options_.Contains(goRangeSelect);
  const bool rowSelect = options_.Contains(goRowSelect);
  const int page = std::max(1, VisibleRowCount());
  switch (Key) {
    case VK_UP: MoveByKey(Col(), Row() - 1, extend); break;
    case VK_DOWN: MoveByKey(Col(), Row() + 1, extend); break;
    case VK_LEFT:
      if (rowSelect) {
        SetLeftCol(LeftCol() - 1);  // whole rows are selected: the view scrolls instead
      } else {
        MoveByKey(Col() - 1, Row(), extend);
      }
      break;
    case VK_RIGHT:
      if (rowSelect) {
        SetLeftCol(LeftCol() + 1);
      } else {
        MoveByKey(Col() + 1, Row(), extend);
      }
      break;
    case VK_PRIOR:
      MoveByKey(Col(), Row() - page, extend);
      break;
    case VK_NEXT:
      MoveByKey(Col(), Row() + page, extend);
      break;
    case VK_HOME:
      if (ctrl || rowSelect) {
        MoveByKey(rowSelect ? Col() : FixedCols(), FixedRows(), extend);
      } else {
        MoveByKey(FixedCols(), Row(), extend);
      }
      break;
    case VK_END:
      if (ctrl || rowSelect) {
        MoveByKey(rowSelect ? Col() : ColCount() - 1, RowCount() - 1, extend);
      } else {
        MoveByKey(ColCount() - 1, Row(), extend);
      }
      break;
    case VK_TAB:
      if (options_.Contains(goTabs) && !ctrl && TabToNextCell(Shift.Contains(ssShift))) Key = 0;
      return;
    case VK_RETURN:
    case VK_F2:
      if (!options_.Contains(goEditing)) return;
      if (EditorMode() && Key == VK_RETURN && !options_.Contains(goAlwaysShowEditor)) {
        HideEditor();  // Enter in the editor ends editing
      } else {
        ShowEditor();
      }
      break;
    case VK_ESCAPE:
      if (!EditorMode() || options_.Contains(goAlwaysShowEditor)) return;
      HideEditor();
      break;
    default:
      return;
  }
  Key = 0;
}

void TCustomGrid::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == 0 || !options_.Contains(goEditing) || EditorMode()) return;
  if (static_cast<unsigned char>(Key) < ' ') return;
  ShowEditorChar(Key);
  if (EditorMode()) Key = 0;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  if (Row() < RowCount() - 1) MoveColRow(Col(), Row() + 1, true, true);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  if (Row() > FixedRows()) MoveColRow(Col(), Row() - 1, true, true);
  return true;
}

}  // namespace fw
