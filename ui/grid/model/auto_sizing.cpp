// Sizing columns and rows to their content: each cell's text measured in its own font, its graphic, the
// cell margins, the grid lines and the caller's extra room, kept within the grid's size limits.
#include "ui/foundation/text_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// The sort indicator and the filter button take this much room beside a header text.
constexpr int kSortIndicatorWidth = 10;
constexpr int kFilterButtonWidth = 12;
constexpr int kComboButtonWidth = 16;

bool IsCheckOrRadio(TCellType type) {
  return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRadioButton;
}

}  // namespace

int TVxStringGrid::GetXMargins() { return 2 * CellMargin().X; }

int TVxStringGrid::GetYMargins() { return 2 * CellMargin().Y; }

void TVxStringGrid::AutoSizeColumns(bool includeFixed, int extraWidth) {
  const int first = includeFixed ? 0 : FixedCols();
  const int last = includeFixed ? ColCount() - 1 : ColCount() - 1 - FixedRightCols();
  for (int col = first; col <= last; ++col) AutoSizeCol(col, 0);
  if (extraWidth == 0) return;
  for (int col = first; col <= last; ++col) {
    SetColWidths(col, CheckLimits(ColWidths(col) + extraWidth, ColWidthLowerLimit, ColWidthUpperLimit));
  }
}

void TVxStringGrid::AutoSizeCol(int col, int extraWidth) {
  AutoSizeColInt(col, AutoSizeNoShrink);
  if (extraWidth != 0) {
    SetColWidths(col, CheckLimits(ColWidths(col) + extraWidth, ColWidthLowerLimit, ColWidthUpperLimit));
  }
}

void TVxStringGrid::AutoSizeColInt(int col, bool growOnly) {
  const int realCol = RealColIndex(col);
  int firstRow = 0;
  int lastRow = RowCount() - 1;
  switch (ColumnSize()->Rows) {
    case arNormal:
      firstRow = TBaseGrid::FixedRows();
      lastRow = RowCount() - 1 - FixedFooters();
      break;
    case arFixed:
      lastRow = TBaseGrid::FixedRows() - 1;
      break;
    default:
      break;
  }
  // Without sort settings no column shows the indicator; without filter settings no row is the filter row.
  constexpr int kSortColumn = -1;
  constexpr int kFilterDropDownRow = 0;

  int largest = 0;
  for (int row = firstRow; row <= lastRow; ++row) {
    if (SpansColumns(realCol, row)) continue;
    fw::TPoint text;
    GetCellTextExtent(realCol, row, text, false, false);
    int graphicWidth = 0;
    int graphicHeight = 0;
    GetCellGraphicSize(realCol, row, graphicWidth, graphicHeight);
    int need = graphicWidth + text.X;
    if (ControlLook()->DropDownAlwaysVisible() && HasComboBox(realCol, row)) need += kComboButtonWidth;
    if (FilterDropDownAuto && row == kFilterDropDownRow && GetColumnFilter(realCol)) need += kFilterButtonWidth;
    if (IsSortIndicatorCell(realCol, row) && realCol == kSortColumn) need += kSortIndicatorWidth;
    const TCellGraphic* graphic = GetCellGraphic(realCol, row);
    if (graphic != nullptr && graphic->CellHAlign == haFull) {
      need = graphicWidth - 2 * (GridLineWidth() + 1) - CellMargin().X;
    }
    if (need > largest) largest = need;
  }

  int width = GetXMargins() + largest + 2 * GridLineWidth() + 2;
  if (growOnly && ColWidths(col) >= width) return;
  UpdateColumnSize(realCol, width);
  SetColWidths(col, CheckLimits(width, ColWidthLowerLimit, ColWidthUpperLimit));
}

void TVxStringGrid::AutoSizeRow(int row, int extraHeight) {
  AutoSizeRowInt(row, AutoSizeNoShrink);
  if (extraHeight != 0) {
    SetRowHeights(row, CheckLimits(RowHeights(row) + extraHeight, RowHeightLowerLimit, RowHeightUpperLimit));
  }
}

void TVxStringGrid::AutoSizeRowInt(int row, bool growOnly) {
  int largest = 0;
  for (int col = 0; col < ColCount(); ++col) {
    const int realCol = RealColIndex(col);
    if (SpansRows(realCol, row) || IsIgnoredColumn(realCol)) continue;
    fw::TPoint text;
    GetCellTextExtentEx(realCol, col, text, false, WordWrap(), row);
    int textHeight = text.Y;
    int graphicWidth = 0;
    int graphicHeight = 0;
    GetCellGraphicSize(realCol, row, graphicWidth, graphicHeight);
    const TCellGraphic* graphic = GetCellGraphic(realCol, row);
    if (graphic != nullptr) {
      if (graphic->CellVAlign == vaFull) graphicHeight = textHeight != 0 ? 0 : DefaultRowHeight();
      if ((graphic->CellType == ctDataCheckBox || graphic->CellType == ctVirtCheckBox) && graphicHeight > 0) {
        textHeight = 0;
      }
    }
    int need = textHeight + graphicHeight;
    if (IsXMergedCell(realCol, row)) need = 0;
    if (graphic != nullptr && IsCheckOrRadio(graphic->CellType)) need = DefaultRowHeight();
    if (need > largest) largest = need;
  }

  const int height = GetYMargins() + largest + 2 * GridLineWidth();
  if (growOnly && RowHeights(row) >= height) return;
  SetRowHeights(row, CheckLimits(height, RowHeightLowerLimit, RowHeightUpperLimit));
  // Re-showing an editor that the new height pushed out of view waits for the cell editors, which the
  // grid does not show yet.
}

void TVxStringGrid::SizeRowToLines(int row, int lines, int extraHeight) {
  fw::TCanvas* canvas = Canvas();
  const int realCol = RealColIndex(FixedCols());
  ApplyCellFont(realCol, FixedCols(), canvas->Brush(), canvas->Font(), row);
  const int lineHeight = canvas->TextHeight("gh");
  SetRowHeights(row, CheckLimits(extraHeight + lines * (lineHeight + lineHeight / 8), RowHeightLowerLimit,
                                 RowHeightUpperLimit));
}

void TVxStringGrid::AutoSizeCells(bool includeFixed, int extraWidth, int extraHeight) {
  BeginUpdate();
  const int firstCol = includeFixed ? 0 : FixedCols();
  const int firstRow = includeFixed ? 0 : TBaseGrid::FixedRows();
  for (int col = firstCol; col < ColCount(); ++col) {
    const int realCol = RealColIndex(col);
    int running = AutoSizeNoShrink ? ColWidths(col) : 0;
    for (int row = firstRow; row < RowCount(); ++row) {
      int graphicWidth = 0;
      int graphicHeight = 0;
      GetCellGraphicSize(realCol, row, graphicWidth, graphicHeight);
      fw::TPoint text;
      GetCellTextExtentEx(realCol, col, text, false, false, row);
      const int needWidth = text.X + graphicWidth + extraWidth + CellMargin().X;
      const int needHeight = text.Y + graphicHeight + extraHeight + CellMargin().Y;
      if (!SpansColumns(realCol, row) && running < needWidth) {
        const int width = CheckLimits(needWidth, ColWidthLowerLimit, ColWidthUpperLimit);
        if (running < width) {
          SetColWidths(col, width);
          running = width;
        }
      }
      if (!SpansRows(realCol, row) && RowHeights(row) < needHeight) {
        const int height = CheckLimits(needHeight, RowHeightLowerLimit, RowHeightUpperLimit);
        if (RowHeights(row) < height) SetRowHeights(row, height);
      }
    }
  }
  EndUpdate();
}

int TVxStringGrid::MaxLinesInRow(int row) {
  if (ColCount() == 0 || !Multilinecells) return 1;
  int largest = 1;
  for (int col = 0; col < ColCount(); ++col) {
    const int lines = LineCount(GetCellEx(RealColIndex(col), row), true);
    if (lines > largest) largest = lines;
  }
  return largest;
}

}  // namespace ui
