// TBaseGrid: the grid's cell store (a text per cell, a property object per cell created on first use),
// its rows and columns with their sizes and fixed areas, merged cells, the merge-aware cell text that every
// user of the grid reads and writes, and the cell painter that fills a cell's background, draws the grid
// lines and hands the content to PaintCellContent. GUI thread only.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/custom_control.h"
#include "framework/controls/grid_types.h"
#include "framework/graphics/font.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/set.h"

namespace ui {

// Bad row or column numbers and fixed counts the grid cannot hold.
class EVxGridError : public fw::Exception {
 public:
  using Exception::Exception;
};

// The properties a cell gets on first use. Merged areas: a base cell holds the area's extent less one in
// CellSpanX/CellSpanY; every other cell of the area holds its distance from the base with IsBaseCell
// false; -1/-1 means not merged.
struct TCellProperties {
  int OwnerCol = 0;
  int OwnerRow = 0;
  bool IsBaseCell = true;
  int CellSpanX = -1;
  int CellSpanY = -1;
  int LastPaintPass = 0;  // the paint pass in which the merged area was drawn last
};

class TBaseGrid : public fw::TCustomControl {
 public:
  explicit TBaseGrid(fw::TComponent* AOwner);
  ~TBaseGrid() override;

  // ---- Size ------------------------------------------------------------------------------------------
  int ColCount() const { return colCount_; }
  // At least 1; fewer columns than fixed ones leave one normal column less than the count.
  void SetColCount(int value);
  int RowCount() const { return rowCount_; }
  virtual void SetRowCount(int value);
  int FixedCols() const { return fixedCols_; }
  // Raises EVxGridError unless below the column count.
  void SetFixedCols(int value);
  virtual int FixedRows() const { return fixedRows_; }
  virtual void SetFixedRows(int value);
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int value);
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int RowHeights(int row) const;
  void SetRowHeights(int row, int height);
  // The current cell.
  int Col() const { return col_; }
  int Row() const { return row_; }

  // ---- Cells -----------------------------------------------------------------------------------------
  // The text of the cell's base cell (the cell itself unless it lies in a merged area).
  std::string GetCellEx(int col, int row) const;
  // Writes the base cell's text and repaints the cell's area.
  void SetCellEx(int col, int row, const std::string& text);
  bool HasCellProperties(int col, int row) const;
  // The cell's properties, made when missing.
  TCellProperties* GetCellProperties(int col, int row);
  void MergeCells(int col, int row, int colCount, int rowCount);
  void UnmergeCells(int col, int row);
  fw::TPoint BaseCellOf(int col, int row) const;
  bool IsMergedCell(int col, int row) const;
  // The base cell's spans, (0, 0) for a cell outside a merged area.
  fw::TPoint CellSpan(int col, int row) const;
  int MergedAreaCount() const { return mergedAreaCount_; }

  // ---- Look ------------------------------------------------------------------------------------------
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int value);
  fw::TColor GridLineColor() const { return gridLineColor_; }
  void SetGridLineColor(fw::TColor value);
  fw::TColor GridFixedLineColor() const { return gridFixedLineColor_; }
  void SetGridFixedLineColor(fw::TColor value);
  fw::TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(fw::TColor value);
  fw::TFont* FixedFont() { return &fixedFont_; }
  fw::TColor SelectionColor() const { return selectionColor_; }
  void SetSelectionColor(fw::TColor value);
  int PaintPass() const { return paintPass_; }

  // The rectangle of a cell from the column widths and row heights (the whole area for a merged base).
  fw::TRect CellRectEx(int col, int row) const;
  bool IsFixed(int col, int row) const;

 protected:
  void Paint() override;
  // The base cell painter for one cell of the paint loop.
  void DrawCell(int col, int row, const fw::TRect& rect, fw::TGridDrawState state);
  // The content of a cell: the base grid draws its text centred on one line.
  virtual void PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState state);
  void InvalidateCellArea(int col, int row);
  void ResizeStore(int cols, int rows);
  // The index of a column or row into the grid's stores; EVxGridError for one outside the grid.
  std::size_t ColumnIndex(int col) const;
  std::size_t RowIndex(int row) const;
  // The row count last written through the string grid's SetRowCount; rows at or beyond it are scratch rows.
  int dataRowCount_ = 0;

 private:
  bool InGrid(int col, int row) const;
  // The base cell whose text the cell shows; EVxGridError when it lies outside the grid.
  fw::TPoint TextCellOf(int col, int row) const;
  fw::TRect CellRectFromSizes(int col, int row) const;
  const TCellProperties* Props(int col, int row) const;

  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
  int col_ = 1;
  int row_ = 1;
  // [row][col]
  std::vector<std::vector<std::string>> texts_;
  std::vector<std::vector<std::unique_ptr<TCellProperties>>> props_;
  int mergedAreaCount_ = 0;
  int gridLineWidth_ = 1;
  fw::TColor gridLineColor_ = 0xC0C0C0;
  fw::TColor gridFixedLineColor_ = 0x808080;
  fw::TColor fixedColor_;
  fw::TColor selectionColor_ = 0xEACAB6;
  fw::TFont fixedFont_;
  int paintPass_ = 1;
};

}  // namespace ui
