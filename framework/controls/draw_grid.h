#pragma once
// TDrawGrid: a grid whose cells the program paints itself (OnDrawCell), with the grid's hooks as events.
#include "framework/controls/custom_grid.h"

namespace fw {

class TDrawGrid : public TCustomGrid {
 public:
  using TCustomGrid::TCustomGrid;

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TNotifyEvent OnTopLeftChanged;

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  void TopLeftChanged() override;
};

}  // namespace fw
