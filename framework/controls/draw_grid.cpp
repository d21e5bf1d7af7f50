#include "framework/controls/draw_grid.h"

namespace fw {

void TDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(int ACol, int ARow) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect;
}

void TDrawGrid::ColumnMoved(int FromIndex, int ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::RowMoved(int FromIndex, int ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

}  // namespace fw
