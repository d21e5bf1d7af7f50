// TVxStringGrid: the string grid as the program's windows use it: cell texts by column and row (the base
// cell inside a merged area), the row count with its fixed header row, a row's texts as the framework's
// row list, and OnDrawCell, through which a window paints over each cell after the grid drew it.
#pragma once

#include <string>

#include "ui/grid/model/base_grid.h"

namespace ui {

class TVxStringGrid : public TBaseGrid {
 public:
  explicit TVxStringGrid(fw::TComponent* AOwner);

  std::string Cells(int col, int row) { return GetCellEx(col, row); }
  void SetCells(int col, int row, const std::string& text) { SetCellEx(col, row, text); }
  // The framework's count; rows at or beyond the last count written are scratch rows. With FixedRowAlways
  // the requested fixed rows come back as soon as the grid has more rows than them.
  void SetRowCount(int value);
  // With FixedRowAlways a grid keeps its header rows while it has no normal rows: a request of as many
  // fixed rows as rows gives one fewer, the request is remembered, and 0 fixed rows read as 1. A count the
  // framework refuses raises its EInvalidGridOperation and leaves the request as it was.
  bool FixedRowAlways() const { return fixedRowAlways_; }
  void SetFixedRowAlways(bool value) { fixedRowAlways_ = value; }
  int FixedRows() const;
  void SetFixedRows(int value);
  // The largest row count the grid has had.
  int LargestRowCount() const { return largestRowCount_; }

  // A cell is fixed when its base cell lies in a fixed row or column.
  bool IsFixed(int col, int row) override;

 protected:
  void PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState state) override;

 private:
  int largestRowCount_ = 0;
  bool fixedRowAlways_ = false;
  int requestedFixedRows_ = 1;
};

}  // namespace ui
