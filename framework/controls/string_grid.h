#pragma once
// TStringGrid: a draw grid that keeps a text and an object slot per cell (TGridCellStore: cells beyond
// the counts are kept, a negative index raises EListError) and paints each cell's text. Rows and Cols
// show one row or column as a string list with objects. The grid never frees an object it holds.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/strings.h"
#include "framework/controls/draw_grid.h"
#include "framework/controls/grid_cell_store.h"

namespace fw {

class TStringGrid;

// One row (or column) of a string grid: entry i is the cell in column (row) i. It has as many entries as
// the grid has columns (rows); entries cannot be inserted or deleted (EStringListError). Clear empties
// every cell of it, Assign copies texts and objects; neither frees an object.
class TStringGridStrings : public TStrings {
 public:
  TStringGridStrings(TStringGrid* grid, int index, bool isRow) : grid_(grid), index_(index), isRow_(isRow) {}

  int Count() const override;
  void Clear() override;
  void Delete(int index) override;
  void Insert(int index, const std::string& s) override;
  void Assign(TPersistent* Source) override;

 protected:
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  TObject* GetObjectAt(int index) const override;
  void PutObjectAt(int index, TObject* object) override;

 private:
  void Check(int index) const;
  int ColOf(int index) const { return isRow_ ? index : index_; }
  int RowOf(int index) const { return isRow_ ? index_ : index; }

  TStringGrid* grid_;
  int index_;
  bool isRow_;
};

class TStringGrid : public TDrawGrid {
 public:
  using TDrawGrid::TDrawGrid;

  std::string Cells(int ACol, int ARow) const { return store_.Text(ACol, ARow); }
  // A cell in view is repainted.
  void SetCells(int ACol, int ARow, const std::string& value);
  TObject* Objects(int ACol, int ARow) const { return store_.Object(ACol, ARow); }
  void SetObjects(int ACol, int ARow, TObject* value) { store_.SetObject(ACol, ARow, value); }
  // The cells that hold an object, beyond the counts too (a grid that owns its objects frees them all).
  std::vector<TGridCoord> ObjectCells() const { return store_.ObjectCells(); }
  // The lists live as long as the grid; a negative index raises EListError.
  TStrings* Rows(int ARow);
  void SetRows(int ARow, TStrings* value) { Rows(ARow)->Assign(value); }
  TStrings* Cols(int ACol);
  void SetCols(int ACol, TStrings* value) { Cols(ACol)->Assign(value); }

  // The row's (column's) texts and objects leave the grid with it; nothing is freed.
  void DeleteRow(int ARow) override;
  void DeleteColumn(int ACol) override;

 protected:
  // The cell's text, 2 pixels in from the top left, when DefaultDrawing; then OnDrawCell.
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  // Texts and objects travel with the column (row); then OnColumnMoved (OnRowMoved).
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  // The editor edits the cell's text.
  std::string GetEditText(int ACol, int ARow) override { return Cells(ACol, ARow); }
  void SetEditText(int ACol, int ARow, const std::string& Value) override { SetCells(ACol, ARow, Value); }

 private:
  TStrings* Lines(std::map<int, std::unique_ptr<TStringGridStrings>>& lines, int index, bool isRow);

  TGridCellStore store_;
  std::map<int, std::unique_ptr<TStringGridStrings>> rowLists_;
  std::map<int, std::unique_ptr<TStringGridStrings>> colLists_;
};

}  // namespace fw
