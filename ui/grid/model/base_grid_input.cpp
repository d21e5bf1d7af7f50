// TBaseGrid: selection, keys and the wheel treat a merged area as one cell. Before the framework's step an
// arrow key puts the current cell on the area's edge in the key's direction, so that the step leaves the
// area; after every key and wheel step the current cell moves to the base cell of the area it reached.
#include <windows.h>

#include <algorithm>

#include "ui/grid/model/base_grid.h"

namespace ui {

bool TBaseGrid::SelectCell(int ACol, int ARow) {
  if (UseRightToLeftAlignment()) {
    const bool allowed = TObjStringGrid::SelectCell(ACol, ARow);
    Invalidate();
    return allowed;
  }
  InvalidateCellArea(Col(), Row());
  const bool allowed = TObjStringGrid::SelectCell(ACol, ARow);
  InvalidateCellArea(ACol, ARow);
  return allowed;
}

void TBaseGrid::TopLeftChanged() {
  TObjStringGrid::TopLeftChanged();
  // Merged areas in the fixed cells reach into the scrolled part: repaint them whole.
  const int lastRow = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
  for (int col = 0; col < FixedCols(); ++col) {
    for (int row = TopRow(); row <= lastRow; ++row) {
      if (IsMergedCell(col, row)) InvalidateCellArea(col, row);
    }
  }
  const int lastCol = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
  for (int row = 0; row < FixedRows(); ++row) {
    for (int col = LeftCol(); col <= lastCol; ++col) {
      if (IsMergedCell(col, row)) InvalidateCellArea(col, row);
    }
  }
}

void TBaseGrid::PlaceCurrent(int col, int row) {
  if (col != Col() || row != Row()) MoveColRow(col, row, true, false);
}

void TBaseGrid::MoveToBaseCell() {
  if (PropsAt(Col(), Row()) == nullptr) return;
  const fw::TPoint base = BaseCellOf(Col(), Row());
  if (base.X != Col() || base.Y != Row()) MoveColRow(base.X, base.Y, true, true);
}

void TBaseGrid::LeaveAreaForward(bool columns) {
  fw::TPoint base;
  const TCellProperties* props = BasePropsOf(Col(), Row(), base);
  if (props == nullptr) return;
  if (columns) {
    const int last = base.X + props->CellSpanX;
    if (last >= Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1 && last < ColCount()) {
      PlaceCurrent(last, Row());
    }
  } else {
    const int last = base.Y + props->CellSpanY;
    if (last >= Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1 && last < RowCount()) {
      PlaceCurrent(Col(), last);
    }
  }
}

void TBaseGrid::LeaveAreaBackward(bool columns) {
  // Only a current cell placed inside an area by other means: the step then starts from the area's edge.
  fw::TPoint base;
  if (BasePropsOf(Col(), Row(), base) == nullptr) return;
  if (columns && base.X < Col()) PlaceCurrent(std::max(base.X, FixedCols()), Row());
  if (!columns && base.Y < Row()) PlaceCurrent(Col(), std::max(base.Y, FixedRows()));
}

void TBaseGrid::KeyDown(WORD& Key, fw::TShiftState Shift) {
  switch (Key) {
    case VK_NEXT:
      // The footer row is never the target of a page.
      if (ReserveLastRow && RowCount() > 1 && RowCount() == VisibleRowCount() + TopRow() - FixedRows() + 1) {
        PlaceCurrent(Col(), RowCount() - 2);
      }
      break;
    case VK_RIGHT: LeaveAreaForward(true); break;
    case VK_DOWN: LeaveAreaForward(false); break;
    case VK_LEFT: LeaveAreaBackward(true); break;
    case VK_UP: LeaveAreaBackward(false); break;
    default: break;
  }
  TObjStringGrid::KeyDown(Key, Shift);
  MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) {
  LeaveAreaForward(false);  // a step down leaves a merged area as the Down key does
  const bool handled = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
  if (ReserveLastRow && Row() < RowCount() - 1 && Row() - TopRow() > VisibleRowCount()) SetTopRow(TopRow() + 1);
  MoveToBaseCell();
  return handled;
}

bool TBaseGrid::DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) {
  const bool handled = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
  MoveToBaseCell();
  return handled;
}

}  // namespace ui
