// TVxStringGrid: the string grid as the program's windows use it: cell texts by column and row, the row
// count, a row's texts as a string list, and the OnDrawCell event through which a window paints over each
// cell after the grid drew it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/classes/strings.h"
#include "ui/grid/model/base_grid.h"

namespace ui {

class TVxStringGrid;

// The texts of one row, one string per column; Clear empties every cell of the row. The row has as many
// strings as the grid has columns: Insert and Delete raise EStringListError.
class TGridRowStrings : public fw::TStrings {
 public:
  TGridRowStrings(TVxStringGrid* grid, int row) : grid_(grid), row_(row) {}
  int Count() const override;
  void Clear() override;
  void Delete(int index) override;
  void Insert(int index, const std::string& s) override;

 protected:
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;

 private:
  TVxStringGrid* grid_;
  int row_;
};

class TVxStringGrid : public TBaseGrid {
 public:
  explicit TVxStringGrid(fw::TComponent* AOwner);
  ~TVxStringGrid() override;

  std::string Cells(int col, int row) const { return GetCellEx(col, row); }
  void SetCells(int col, int row, const std::string& text) { SetCellEx(col, row, text); }
  // The framework's count; rows at or beyond the last count written are scratch rows. With FixedRowAlways
  // the requested fixed rows come back as soon as the grid has more rows than them.
  void SetRowCount(int value) override;
  // With FixedRowAlways a grid keeps its header rows while it has no normal rows: a request of as many
  // fixed rows as rows gives one fewer, the request is remembered, and 0 fixed rows read as 1.
  bool FixedRowAlways() const { return fixedRowAlways_; }
  void SetFixedRowAlways(bool value) { fixedRowAlways_ = value; }
  int FixedRows() const override;
  void SetFixedRows(int value) override;
  int DataRowCount() const { return dataRowCount_; }
  // The largest row count the grid has had.
  int LargestRowCount() const { return largestRowCount_; }
  // The row's texts; raises EVxGridError for a row outside the grid.
  TGridRowStrings* Rows(int row);

  fw::TDrawCellEvent OnDrawCell;

 protected:
  void PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState state) override;

 private:
  int largestRowCount_ = 0;
  bool fixedRowAlways_ = false;
  int requestedFixedRows_ = 1;
  std::vector<std::unique_ptr<TGridRowStrings>> rows_;
};

}  // namespace ui
