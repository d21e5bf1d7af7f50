// TBaseGrid: merged areas, their queries and the geometry of cells and areas.
#include <windows.h>

#include <algorithm>

#include "ui/grid/model/base_grid.h"

namespace ui {

namespace {

// The sum of the first `count` sizes; hidden ones (below 0) take no room.
template <class Size>
int SumOfSizes(int count, Size size) {
  int sum = 0;
  for (int i = 0; i < count; ++i) sum += std::max(size(i), 0);
  return sum;
}

// Where a column (row) starts: fixed ones from 0, the others after the fixed ones from the first in view.
template <class Size>
int StartOf(int index, int fixedCount, int first, Size size) {
  if (index < fixedCount) return SumOfSizes(index, size);
  return SumOfSizes(index, size) - SumOfSizes(first, size) + SumOfSizes(fixedCount, size);
}

fw::TRect Union(const fw::TRect& a, const fw::TRect& b) {
  return fw::TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                   std::max(a.Bottom, b.Bottom)};
}

}  // namespace

// ---- Merged cells ---------------------------------------------------------------------------------------

void TBaseGrid::MergeCells(int col, int row, int colCount, int rowCount) {
  ++mergedAreaCount_;
  for (int c = col; c < col + colCount; ++c) {
    for (int r = row; r < row + rowCount; ++r) {
      TCellProperties* props = GetCellProperties(c, r);
      const bool base = c == col && r == row;
      props->IsBaseCell = base;
      props->CellSpanX = base ? colCount - 1 : c - col;
      props->CellSpanY = base ? rowCount - 1 : r - row;
    }
  }
  for (int c = col; c < col + colCount; ++c) {
    for (int r = row; r < row + rowCount; ++r) InvalidateCellArea(c, r);
  }
}

void TBaseGrid::UnmergeCells(int col, int row) {
  const fw::TPoint base = BaseCellOf(col, row);
  const TCellProperties* baseProps = GetCellProperties(base.X, base.Y);
  const int spanX = baseProps->CellSpanX;
  const int spanY = baseProps->CellSpanY;
  for (int c = base.X; c <= base.X + spanX; ++c) {
    for (int r = base.Y; r <= base.Y + spanY; ++r) {
      TCellProperties* props = GetCellProperties(c, r);
      props->IsBaseCell = true;
      props->CellSpanX = -1;
      props->CellSpanY = -1;
    }
  }
  for (int c = base.X; c <= base.X + spanX; ++c) {
    for (int r = base.Y; r <= base.Y + spanY; ++r) InvalidateCellArea(c, r);
  }
  --mergedAreaCount_;
}

fw::TPoint TBaseGrid::BaseCellOf(int col, int row) {
  const TCellProperties* props = PropsAt(col, row);
  return props != nullptr ? props->BaseCellFromSpans(col, row) : fw::TPoint{col, row};
}

TCellProperties* TBaseGrid::BasePropsOf(int col, int row, fw::TPoint& base) {
  base = fw::TPoint{col, row};
  const TCellProperties* props = PropsAt(col, row);
  if (props == nullptr) return nullptr;
  base = props->BaseCellFromSpans(col, row);
  return PropsAt(base.X, base.Y);
}

bool TBaseGrid::IsBaseCell(int col, int row) {
  const TCellProperties* props = PropsAt(col, row);
  return props == nullptr || props->IsBaseCell;
}

bool TBaseGrid::IsMergedCell(int col, int row) {
  const TCellProperties* props = PropsAt(col, row);
  return props != nullptr && (props->CellSpanX > 0 || props->CellSpanY > 0);
}

bool TBaseGrid::IsXMergedCell(int col, int row) { return IsMergedCell(col, row) && !IsBaseCell(col, row); }

bool TBaseGrid::SpansColumns(int col, int row) {
  fw::TPoint base;
  const TCellProperties* props = BasePropsOf(col, row, base);
  return props != nullptr && props->CellSpanX > 0;
}

bool TBaseGrid::SpansRows(int col, int row) {
  fw::TPoint base;
  const TCellProperties* props = BasePropsOf(col, row, base);
  return props != nullptr && props->CellSpanY > 0;
}

fw::TPoint TBaseGrid::CellSpan(int col, int row) {
  const TCellProperties* own = PropsAt(col, row);
  if (own == nullptr || own->CellSpanX == -1 || own->CellSpanY == -1) return fw::TPoint{0, 0};
  fw::TPoint base;
  const TCellProperties* props = BasePropsOf(col, row, base);
  return props != nullptr ? fw::TPoint{props->CellSpanX, props->CellSpanY} : fw::TPoint{0, 0};
}

bool TBaseGrid::RowsInSameMerge(int row1, int row2) {
  bool paired = false;
  for (int col = 0; col < ColCount(); ++col) {
    if (!SpansRows(col, row1) || !SpansRows(col, row2)) continue;
    if (BaseCellOf(col, row1).Y != BaseCellOf(col, row2).Y) return false;
    paired = true;
  }
  return paired;
}

// ---- Geometry -------------------------------------------------------------------------------------------

fw::TRect TBaseGrid::CellRectFromSizes(int col, int row) {
  const auto width = [this](int i) { return ColWidths(i); };
  const auto height = [this](int i) { return RowHeights(i); };
  const int x = StartOf(col, FixedCols(), LeftCol(), width);
  const int y = StartOf(row, FixedRows(), TopRow(), height);
  return fw::TRect{x, y, x + std::max(ColWidths(col), 0), y + std::max(RowHeights(row), 0)};
}

bool TBaseGrid::AreaCornerRects(int col, int row, fw::TRect& first, fw::TRect& last) {
  const TCellProperties* props = PropsAt(col, row);
  if (props == nullptr || (props->CellSpanX == -1 && props->CellSpanY == -1)) return false;
  fw::TPoint base;
  const TCellProperties* baseProps = BasePropsOf(col, row, base);
  const int spanX = baseProps != nullptr ? std::max(baseProps->CellSpanX, 0) : 0;
  const int spanY = baseProps != nullptr ? std::max(baseProps->CellSpanY, 0) : 0;
  // An area merged beyond the grid's present counts ends at its last column (row).
  first = CellRectFromSizes(base.X, base.Y);
  last = CellRectFromSizes(std::min(base.X + spanX, ColCount() - 1), std::min(base.Y + spanY, RowCount() - 1));
  return true;
}

fw::TRect TBaseGrid::CellRectEx(int col, int row) {
  fw::TRect first;
  fw::TRect last;
  if (AreaCornerRects(col, row, first, last)) {
    if (first.Width() == 0) first.Right += 1;
    if (last.Width() == 0) last.Left -= 1;
    return Union(first, last);
  }
  const TCellProperties* props = PropsAt(col, row);
  if (props != nullptr && props->Control != nullptr) return CellRectFromSizes(col, row);
  const fw::TRect shown = CellRect(col, row);
  return fw::TRect{shown.Left, shown.Top, shown.Left + ColWidths(col), shown.Top + RowHeights(row)};
}

fw::TPoint TBaseGrid::CellSize(int col, int row) {
  fw::TRect first;
  fw::TRect last;
  if (!AreaCornerRects(col, row, first, last)) return fw::TPoint{ColWidths(col), RowHeights(row)};
  const fw::TRect area = Union(first, last);
  return fw::TPoint{area.Width(), area.Height()};
}

void TBaseGrid::InvalidateCellArea(int col, int row) {
  if (!HandleAllocated() || col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
  const RECT r = CellRectEx(col, row).ToRECT();
  InvalidateRect(Handle(), &r, TRUE);
}

}  // namespace ui
