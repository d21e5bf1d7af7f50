#pragma once
// The cells of a string grid: a text and an object slot per cell, kept only for cells that hold something.
// The store knows nothing of the grid's counts: a cell is kept wherever it was written, so cells beyond
// the grid's columns and rows stay until they are overwritten, and show again when the grid grows. The
// objects in the slots belong to whoever put them there; the store never frees one. A negative column
// or row raises EListError.
#include <map>
#include <string>
#include <vector>

#include "framework/classes/object.h"
#include "framework/controls/grid_types.h"

namespace fw {

class TGridCellStore {
 public:
  std::string Text(int col, int row) const;
  void SetText(int col, int row, const std::string& text);
  TObject* Object(int col, int row) const;
  void SetObject(int col, int row, TObject* object);
  // The cells whose object slot is not empty, wherever they lie, row by row from the top left.
  std::vector<TGridCoord> ObjectCells() const;

  // Row (column) from takes place to; the rows between shift by one towards from.
  void MoveRow(int from, int to);
  void MoveColumn(int from, int to);
  // The row (column) leaves the store; every row (column) after it moves up (left) by one.
  void DeleteRow(int row);
  void DeleteColumn(int col);

 private:
  struct Cell {
    std::string text;
    TObject* object = nullptr;
  };
  using Line = std::map<int, Cell>;  // by column

  static void Check(int index);
  const Cell* Find(int col, int row) const;
  Cell& Place(int col, int row);
  // Drops the cell when it holds nothing any more.
  void Tidy(int col, int row);

  std::map<int, Line> rows_;
};

}  // namespace fw
