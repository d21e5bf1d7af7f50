// TVxStringGrid: the two row steps that hiding and showing rows are made of. Both move whole rows with
// the cells of the hidden columns (the column count is raised by the hidden columns for the duration) and
// keep the last column's width; neither touches the hidden-row store's levels or the row selection flags.
#include <algorithm>
#include <vector>

#include "ui/grid/model/string_grid.h"

namespace ui {
namespace {

// Raises ColCount by the hidden columns and lowers it again, keeping the last shown column's width.
class TWithHiddenColumns {
 public:
  TWithHiddenColumns(fw::TCustomGrid* grid, int hidden)
      : grid_(grid), hidden_(hidden), lastWidth_(grid->ColWidths(grid->ColCount() - 1)) {
    if (hidden_ > 0) grid_->SetColCount(grid_->ColCount() + hidden_);
  }
  ~TWithHiddenColumns() { Restore(); }
  TWithHiddenColumns(const TWithHiddenColumns&) = delete;
  TWithHiddenColumns& operator=(const TWithHiddenColumns&) = delete;

  void Restore() {
    if (restored_) return;
    restored_ = true;
    if (hidden_ > 0) grid_->SetColCount(grid_->ColCount() - hidden_);
    grid_->SetColWidths(grid_->ColCount() - 1, lastWidth_);
  }

 private:
  fw::TCustomGrid* grid_;
  int hidden_;
  int lastWidth_;
  bool restored_ = false;
};

}  // namespace

void TVxStringGrid::InsertRowsInternal(int row, int count, bool adjust) {
  if (count <= 0) return;
  if (selectionHidden_ || Col() < 0 || Col() >= ColCount() || Row() < 0 || Row() >= RowCount()) RestoreSelection();
  {
    TWithHiddenColumns all(this, hiddenColumnCount_);
    SetRowCount(RowCount() + count);
    for (int i = RowCount() - 1; i >= row + count; --i) {
      CopyRowCells(i - count, i);
      SetRowHeights(i, RowHeights(i - count));
    }
    for (int i = row; i < row + count; ++i) {
      SetRowHeights(i, DefaultRowHeight());
      DetachRowObjects(i);
    }
  }
  if (ShowModified()->Enabled() && row < modifiedRows_->Count()) {
    for (int i = 0; i < count; ++i) modifiedRows_->Insert(row, 0);
  }
  if (row < disabledRows_->Count()) {
    for (int i = 0; i < count; ++i) disabledRows_->Insert(row, 0);
  }
  // Embedded controls move with their rows once cells hold controls.
  if (adjust) UpdateCellControls(false);
  if (!(ComponentState().Contains(fw::csDestroying))) CellsChanged(fw::TRect{0, row, ColCount() - 1, row + count});
}

void TVxStringGrid::RemoveRowsInternal(int row, int count, bool adjust) {
  if (row >= RowCount() || count <= 0) return;
  count = std::min(count, RowCount() - row);
  const bool disjunctRows = MouseActions()->DisjunctRowSelect();
  MouseActions()->SetDisjunctRowSelect(false);

  BeginUpdate();
  const int keptRow = Row();
  bool rowSelect = false;
  {
    TWithHiddenColumns all(this, hiddenColumnCount_);
    const int keptTop = TopRow();
    fw::TGridOptions options = Options();
    if (options.Contains(fw::goRowSelect)) {
      rowSelect = true;
      if (FixedRows() < RowCount() - 1) SetOptions(options - fw::TGridOptions{fw::goRowSelect});
    }
    if (GridHasNodes() && Row() >= 0 && Row() < RowCount()) MoveColRow(FixedCols(), Row(), true, false);
    std::vector<int> heights;
    heights.reserve(static_cast<std::size_t>(RowCount()));
    for (int i = 0; i < RowCount(); ++i) heights.push_back(RowHeights(i));

    if (adjust) {
      const int realRow = DisplToRealRow(row);
      for (int i = 0; i < hiddenRows_->Count(); ++i) {
        TGridItem* item = hiddenRows_->Item(i);
        if (item->Idx() > realRow) item->SetIdx(item->Idx() - count);
      }
    }
    for (int i = 0; i < count; ++i) {
      DeleteRow(row);
      heights.erase(heights.begin() + row);
    }

    if (keptRow < RowCount()) {
      MoveColRow(Col(), keptRow, true, false);
      fw::TCustomGrid::SetTopRow(keptTop);
    } else if (RowCount() > FixedRows()) {
      MoveColRow(Col(), RowCount() - 1, true, false);
      if (Row() >= RowCount()) HideSelection();
      selectionHidden_ = false;
    } else {
      HideSelection();
      selectionHidden_ = false;
    }
    for (int i = 0; i < RowCount() && i < static_cast<int>(heights.size()); ++i) {
      SetRowHeights(i, heights[static_cast<std::size_t>(i)]);
    }
  }
  EndUpdate();

  CellsChanged(fw::TRect{0, row, ColCount() - 1, row + count});
  if (TopRow() >= RowCount() - 1) fw::TCustomGrid::SetTopRow(RowCount() - 1);
  if (Row() >= RowCount() && RowCount() > FixedRows()) {
    internalMove_ = true;
    SelectSingleCell(FixedCols(), FixedRows());
    if (rowSelect) SetOptions(Options() + fw::TGridOptions{fw::goRowSelect});
    internalMove_ = false;
    HideSelection();
    selectionHidden_ = false;
  } else if (rowSelect && RowCount() > FixedRows()) {
    SetOptions(Options() + fw::TGridOptions{fw::goRowSelect});
  }
  MouseActions()->SetDisjunctRowSelect(disjunctRows);
  if (adjust) UpdateCellControls(false);
}

}  // namespace ui
