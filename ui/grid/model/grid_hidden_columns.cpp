// TVxStringGrid: hidden columns. A hidden column keeps its cells in the store at its real index while
// ColCount shrinks by one; the shown columns keep their order, and the visibility table maps real columns
// to display columns and back. Its width is kept (16 bits) until it is shown again.
#include <cstdint>

#include "ui/grid/model/string_grid.h"

namespace ui {
namespace {

constexpr int kHideableColumns = 512;

}  // namespace

int TVxStringGrid::RealToDisplCol(int col) const {
  if (col >= kHideableColumns || hiddenColumnCount_ == 0) return col;
  int hidden = 0;
  for (int i = 0; i < col; ++i) {
    if (columnVisible_[static_cast<std::size_t>(i)] == 0) ++hidden;
  }
  return col - hidden;
}

int TVxStringGrid::DisplToRealCol(int col) const {
  if (col >= kHideableColumns || hiddenColumnCount_ == 0) return col;
  int shown = 0;
  for (int j = 0; j < kHideableColumns; ++j) {
    if (columnVisible_[static_cast<std::size_t>(j)] == 0) continue;
    if (shown == col) return j;
    ++shown;
  }
  return 0;
}

bool TVxStringGrid::IsHiddenColumn(int col) const {
  if (col < 0 || col >= kHideableColumns) return false;
  return columnVisible_[static_cast<std::size_t>(col)] == 0;
}

bool TVxStringGrid::IsColumnVisible(int col) const {
  if (col < 0 || col > kHideableColumns) return true;
  return columnVisible_[static_cast<std::size_t>(col)] != 0;
}

void TVxStringGrid::SetColumnVisible(int col, bool visible) {
  if (col < 0 || col > kHideableColumns) return;
  columnVisible_[static_cast<std::size_t>(col)] = visible ? 1 : 0;
}

void TVxStringGrid::HideColumns(int first, int last) {
  HideCellEditor();
  for (int i = first; i <= last; ++i) {
    if (i < 0 || i >= kHideableColumns || IsHiddenColumn(i)) continue;
    if (i >= ColCount() + hiddenColumnCount_ || ColCount() <= 1) continue;
    const int p = RealToDisplCol(i);
    hiddenColumnWidths_[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(ColWidths(p));
    for (int k = p; k <= ColCount() - 2; ++k) SetColWidths(k, ColWidths(k + 1));
    ++hiddenColumnCount_;
    columnVisible_[static_cast<std::size_t>(i)] = 0;
    if (Col() == ColCount() - 1) MoveColRow(Col() - 1, Row(), true, false);
    fw::TCustomGrid::SetColCount(ColCount() - 1);
  }
  Invalidate();
}

void TVxStringGrid::UnHideColumns(int first, int last) {
  HideCellEditor();
  for (int i = first; i <= last; ++i) {
    if (!IsHiddenColumn(i)) continue;
    --hiddenColumnCount_;
    columnVisible_[static_cast<std::size_t>(i)] = 1;
    fw::TCustomGrid::SetColCount(ColCount() + 1);
    for (int k = ColCount() - 1; k >= RealToDisplCol(i + 1) && k >= 1; --k) SetColWidths(k, ColWidths(k - 1));
    SetColWidths(RealToDisplCol(i), hiddenColumnWidths_[static_cast<std::size_t>(i)]);
  }
  Invalidate();
}

}  // namespace ui
