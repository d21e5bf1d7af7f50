// TCustomGrid: the mouse. A press selects (range selection while dragging), sizes a column or row by its
// border in the fixed cells, or moves a column or row by its fixed cell; the release applies the size or
// the move. While selecting or moving outside the client area a timer scrolls the view a line at a time.
// The grid's own handling runs before MouseDown/MouseMove/MouseUp and their events (see Dispatch).
#include <algorithm>
#include <cstdlib>

#include "framework/controls/custom_grid.h"

namespace fw {

namespace {

// How far from a border (in pixels, either side) a press still takes the border.
constexpr int kSizingMargin = 3;
constexpr UINT kScrollTimerMs = 60;

}  // namespace

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) {
  State = gsNormal;
  Index = -1;
  // One routine for both directions: `along` is the axis whose borders are sized, `across` holds the
  // fixed cells the point must lie in.
  auto find = [&](const TGridAxis& along, const TGridAxis& across, int pos, int crossPos, TGridState state) {
    if (crossPos < 0 || crossPos >= across.FixedExtent(gridLineWidth_)) return false;
    int best = -1;
    int bestDistance = kSizingMargin + 1;
    for (int cell : along.CellsInView(gridLineWidth_, ClientExtent(along))) {
      const int border = along.Start(cell, gridLineWidth_) + std::max(along.Size(cell), 0);
      const int distance = std::abs(pos - border);
      if (distance <= bestDistance) {  // ties: the later cell, so a hidden one can be opened again
        best = cell;
        bestDistance = distance;
      }
    }
    if (best < 0) return false;
    State = state;
    Index = best;
    SizingPos = along.Start(best, gridLineWidth_) + std::max(along.Size(best), 0);
    SizingOfs = SizingPos - pos;
    return true;
  };
  if (options_.Contains(goColSizing) && find(cols_, rows_, X, Y, gsColSizing)) return;
  if (options_.Contains(goRowSizing)) find(rows_, cols_, Y, X, gsRowSizing);
}

bool TCustomGrid::OutsideClient(int x, int y) {
  const TRect client = ClientRect();
  return x < 0 || y < 0 || x >= client.Width() || y >= client.Height();
}

int TCustomGrid::MoveTargetAt(int x, int y) const {
  const bool columns = gridState_ == gsColMoving;
  const TGridAxis& axis = columns ? cols_ : rows_;
  const int pos = columns ? x : y;
  int cell = axis.CellAt(pos, gridLineWidth_, ClientExtent(axis));
  if (cell < 0) cell = pos < 0 ? axis.First() : axis.LastInView(gridLineWidth_, ClientExtent(axis));
  return std::clamp(cell, axis.FixedCount(), axis.Count() - 1);
}

void TCustomGrid::InvertTrackLine() {
  if (!HandleAllocated()) return;
  int pos = 0;
  bool vertical = true;
  switch (gridState_) {
    case gsColSizing: pos = sizingPos_; break;
    case gsRowSizing: pos = sizingPos_; vertical = false; break;
    case gsColMoving:
    case gsRowMoving: {
      // The edge of the target the moved line would land beside.
      const bool columns = gridState_ == gsColMoving;
      const TGridAxis& axis = columns ? cols_ : rows_;
      pos = axis.Start(movePos_, gridLineWidth_);
      if (movePos_ > moveIndex_) pos += std::max(axis.Size(movePos_), 0);
      vertical = columns;
      break;
    }
    default: return;
  }
  const TRect client = ClientRect();
  HDC dc = GetDC(Handle());
  if (dc == nullptr) return;
  if (vertical) {
    PatBlt(dc, pos - 1, 0, 2, client.Height(), DSTINVERT);
  } else {
    PatBlt(dc, 0, pos - 1, client.Width(), 2, DSTINVERT);
  }
  ReleaseDC(Handle(), dc);
  trackLineShown_ = !trackLineShown_;
}

void TCustomGrid::GridMouseDown(TShiftState shift, int x, int y) {
  if (CanFocus() && !Focused()) SetFocus();
  lastMouse_ = TPoint{x, y};
  TGridState state = gsNormal;
  int index = -1;
  int pos = 0;
  int ofs = 0;
  CalcSizingState(x, y, state, index, pos, ofs);
  if (state == gsColSizing || state == gsRowSizing) {
    HideEditor();
    gridState_ = state;
    sizingIndex_ = index;
    sizingPos_ = pos;
    sizingOfs_ = ofs;
    SetMouseCapture(true);
    InvertTrackLine();
    return;
  }
  const TGridCoord cell = MouseCoord(x, y);
  if (cell.X < 0 || cell.Y < 0) return;
  const bool fixedRow = cell.Y < FixedRows();
  const bool fixedCol = cell.X < FixedCols();
  if (fixedRow && !fixedCol && options_.Contains(goColMoving)) {
    gridState_ = gsColMoving;
  } else if (fixedCol && !fixedRow && options_.Contains(goRowMoving)) {
    gridState_ = gsRowMoving;
  }
  if (gridState_ == gsColMoving || gridState_ == gsRowMoving) {
    HideEditor();
    moveIndex_ = gridState_ == gsColMoving ? cell.X : cell.Y;
    movePos_ = moveIndex_;
    SetMouseCapture(true);
    InvertTrackLine();
    return;
  }
  if (fixedRow || fixedCol) return;
  if (cell == TGridCoord{Col(), Row()} && !shift.Contains(ssShift) && options_.Contains(goEditing)) {
    ShowEditor();  // a press in the current cell edits it
    return;
  }
  HideEditor();
  gridState_ = gsSelecting;
  SetMouseCapture(true);
  const bool extend = shift.Contains(ssShift) && options_.Contains(goRangeSelect);
  MoveColRow(cell.X, cell.Y, !extend, true);
}

void TCustomGrid::GridMouseMove(int x, int y) {
  lastMouse_ = TPoint{x, y};
  switch (gridState_) {
    case gsSelecting: {
      const TGridCoord cell = MouseCoord(x, y);
      if (cell.X >= FixedCols() && cell.Y >= FixedRows() && !(cell == TGridCoord{Col(), Row()})) {
        MoveColRow(cell.X, cell.Y, false, false);
      }
      break;
    }
    case gsColSizing:
    case gsRowSizing:
      if (trackLineShown_) InvertTrackLine();
      sizingPos_ = (gridState_ == gsColSizing ? x : y) + sizingOfs_;
      InvertTrackLine();
      return;
    case gsColMoving:
    case gsRowMoving:
      if (const int target = MoveTargetAt(x, y); target != movePos_) {
        if (trackLineShown_) InvertTrackLine();
        movePos_ = target;
        InvertTrackLine();
      }
      break;
    default:
      return;
  }
  const bool outside = OutsideClient(x, y);
  if (outside && !scrollTimerOn_ && HandleAllocated()) {
    scrollTimerOn_ = SetTimer(Handle(), kScrollTimer, kScrollTimerMs, nullptr) != 0;
  } else if (!outside) {
    StopScrollTimer();
  }
}

void TCustomGrid::GridScrollTimer() {
  if (gridState_ != gsSelecting && gridState_ != gsColMoving && gridState_ != gsRowMoving) return;
  const TRect client = ClientRect();
  const int dx = lastMouse_.X < 0 ? -1 : lastMouse_.X >= client.Width() ? 1 : 0;
  const int dy = lastMouse_.Y < 0 ? -1 : lastMouse_.Y >= client.Height() ? 1 : 0;
  if (gridState_ == gsSelecting) {
    // The selection reaches one line beyond the view; showing it scrolls by one.
    int col = Col();
    int row = Row();
    if (dx != 0 && !options_.Contains(goRowSelect)) {
      col = dx < 0 ? LeftCol() - 1 : LeftCol() + VisibleColCount();
    }
    if (dy != 0) row = dy < 0 ? TopRow() - 1 : TopRow() + VisibleRowCount();
    col = std::clamp(col, FixedCols(), ColCount() - 1);
    row = std::clamp(row, FixedRows(), RowCount() - 1);
    if (col != Col() || row != Row()) MoveColRow(col, row, false, true);
    return;
  }
  const bool columns = gridState_ == gsColMoving;
  const int step = columns ? dx : dy;
  if (step == 0) return;
  if (trackLineShown_) InvertTrackLine();
  if (columns) {
    SetLeftCol(LeftCol() + step);
  } else {
    SetTopRow(TopRow() + step);
  }
  Update();  // the picture settles before the line is drawn on it
  movePos_ = MoveTargetAt(lastMouse_.X, lastMouse_.Y);
  InvertTrackLine();
}

void TCustomGrid::GridMouseUp(int x, int y) {
  const TGridState state = gridState_;
  if (state == gsNormal) return;
  if (trackLineShown_) InvertTrackLine();
  gridState_ = gsNormal;  // before the capture goes: losing it must not cancel what ends here
  StopScrollTimer();
  SetMouseCapture(false);
  switch (state) {
    case gsSelecting: {
      const TGridCoord cell = MouseCoord(x, y);
      if (cell.X >= FixedCols() && cell.Y >= FixedRows() && !(cell == TGridCoord{Col(), Row()})) {
        MoveColRow(cell.X, cell.Y, false, false);
      }
      if (options_.Contains(goAlwaysShowEditor)) ShowEditor();
      break;
    }
    case gsColSizing:
      // Any value the setter takes: a border dragged left of its column's start gives 0 or below.
      SetColWidths(sizingIndex_, x + sizingOfs_ - cols_.Start(sizingIndex_, gridLineWidth_));
      break;
    case gsRowSizing:
      SetRowHeights(sizingIndex_, y + sizingOfs_ - rows_.Start(sizingIndex_, gridLineWidth_));
      break;
    case gsColMoving:
      if (movePos_ != moveIndex_) MoveColumn(moveIndex_, movePos_);
      break;
    case gsRowMoving:
      if (movePos_ != moveIndex_) MoveRow(moveIndex_, movePos_);
      break;
    default:
      break;
  }
}

void TCustomGrid::StopScrollTimer() {
  if (!scrollTimerOn_) return;
  if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
  scrollTimerOn_ = false;
}

void TCustomGrid::CancelGridState() {
  if (gridState_ == gsNormal) return;
  if (trackLineShown_) InvertTrackLine();
  StopScrollTimer();
  gridState_ = gsNormal;
  SetMouseCapture(false);
}

}  // namespace fw
