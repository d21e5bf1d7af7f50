// Auto-sizing of the string grid's columns and rows: widths and heights built from the margins, the grid
// lines, graphic sizes and the grid's own text measures, kept within the limits that loading sets.
#include <algorithm>
#include <string>

#include "framework/classes/component.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"
#include "ui/grid/settings/column_size.h"

namespace ui::testing {
namespace {

using AutoSizingTest = fw::testing::StdControlTest;

// The width AutoSizeColInt gives a column whose widest content is `content` pixels.
int ColumnWidthFor(TVxStringGrid* grid, int content) {
  return grid->GetXMargins() + content + 2 * grid->GridLineWidth() + 2;
}

int TextWidth(TVxStringGrid* grid, int col, int row) {
  fw::TPoint size;
  grid->GetCellTextExtent(col, row, size, false, false);
  return size.X;
}

TEST_F(AutoSizingTest, AColumnOfSpanningCellsGetsOnlyItsMarginsAndLines) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(4);
  grid->SetRowCount(3);
  for (int row = 0; row < grid->RowCount(); ++row) {
    grid->SetCells(1, row, "a text far wider than the rest of the column");
    grid->MergeCells(1, row, 2, 1);
  }
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2), ColumnWidthFor(grid, 0));
  EXPECT_EQ(grid->ColWidths(2), 8);  // the default margin (2) and line width (1)
}

TEST_F(AutoSizingTest, ARowOfCheckBoxesGetsTheDefaultRowHeight) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetDefaultRowHeight(26);
  for (int col = 0; col < grid->ColCount(); ++col) grid->CreateCellGraphic(col, 2)->CellType = ctCheckBox;
  grid->AutoSizeRow(2, 0);
  EXPECT_EQ(grid->RowHeights(2), 26 + 2 * grid->CellMargin().Y + 2 * grid->GridLineWidth());
}

TEST_F(AutoSizingTest, TheLowerLimitsComeWithLoading) {
  auto* before = Make<TVxStringGrid>();
  before->SetColCount(3);
  before->AutoSizeColumns(false, 0);
  EXPECT_EQ(before->ColWidthLowerLimit, 0);
  EXPECT_EQ(before->ColWidths(1), 8);  // no limit yet

  fw::BeginLoading(Form());
  auto* loaded = Make<TVxStringGrid>();
  loaded->SetColCount(3);
  loaded->SetDefaultRowHeight(40);
  fw::EndLoading(Form());
  EXPECT_EQ(loaded->ColWidthLowerLimit, 10);
  EXPECT_EQ(loaded->RowHeightLowerLimit, 40);
  loaded->AutoSizeColumns(false, 0);
  EXPECT_EQ(loaded->ColWidths(1), 10);
  EXPECT_EQ(loaded->ColWidths(0), 64);  // fixed columns are left out unless asked for
  loaded->SetRowHeights(1, 12);
  loaded->AutoSizeRow(1, 0);
  EXPECT_EQ(loaded->RowHeights(1), 40);
  loaded->AutoSizeColumns(true, 0);
  EXPECT_EQ(loaded->ColWidths(0), 10);
}

TEST_F(AutoSizingTest, ExtraWidthIsAddedWithinTheLimits) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(3);
  grid->SetCells(1, 1, "Hello world");
  const int measured = ColumnWidthFor(grid, TextWidth(grid, 1, 1));
  const struct {
    int extra, upper;
    int expected;
  } cases[] = {
      {0, 0, measured},
      {20, 0, measured + 20},
      {20, measured + 5, measured + 5},
  };
  for (const auto& c : cases) {
    grid->ColWidthUpperLimit = c.upper;
    grid->AutoSizeCol(1, c.extra);
    EXPECT_EQ(grid->ColWidths(1), c.expected) << "extra " << c.extra << " upper " << c.upper;
  }
  grid->ColWidthUpperLimit = 0;
  grid->AutoSizeColumns(false, 20);
  EXPECT_EQ(grid->ColWidths(1), measured + 20);
  EXPECT_EQ(grid->ColWidths(2), 8 + 20);
}

TEST_F(AutoSizingTest, ColumnSizingMeasuresTheChosenRowsAndAsksTheColumnSizeEvent) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetCells(1, 0, "ab");
  grid->SetCells(1, 2, "a much longer text in a normal row");
  const int fixedWidth = ColumnWidthFor(grid, TextWidth(grid, 1, 0));
  const int normalWidth = ColumnWidthFor(grid, TextWidth(grid, 1, 2));
  const struct {
    TAutoSizeRows rows;
    int expected;
  } cases[] = {{arFixed, fixedWidth}, {arNormal, normalWidth}, {arAll, normalWidth}};
  for (const auto& c : cases) {
    grid->ColumnSize()->Rows = c.rows;
    grid->AutoSizeCol(1, 0);
    EXPECT_EQ(grid->ColWidths(1), c.expected) << int(c.rows);
  }

  int asked = -1;
  grid->OnUpdateColumnSize = [&](fw::TObject*, int col, int& width) {
    asked = width;
    width = 77 + col;
  };
  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(asked, normalWidth);
  EXPECT_EQ(grid->ColWidths(1), 78);
  grid->OnUpdateColumnSize = nullptr;

  // Growing only: a wider column stays, a narrower one grows.
  grid->AutoSizeNoShrink = true;
  grid->SetColWidths(1, 300);
  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(grid->ColWidths(1), 300);
  grid->SetColWidths(1, 20);
  grid->AutoSizeCol(1, 0);
  EXPECT_EQ(grid->ColWidths(1), normalWidth);
}

TEST_F(AutoSizingTest, RowsSizeToTheirTextOrToANumberOfLines) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetWordWrap(false);
  grid->Multilinecells = true;
  grid->SetCells(1, 1, "gh\rgh\rgh");
  // The tallest cell of the row by the grid's own measure.
  int tallest = 0;
  for (int col = 0; col < grid->ColCount(); ++col) {
    fw::TPoint text;
    grid->GetCellTextExtentEx(col, col, text, false, grid->WordWrap(), 1);
    tallest = std::max(tallest, text.Y);
  }
  fw::TPoint single;
  grid->GetCellTextExtentEx(2, 2, single, false, grid->WordWrap(), 1);
  ASSERT_GT(tallest, single.Y);  // the three lines count
  grid->AutoSizeRow(1, 0);
  EXPECT_EQ(grid->RowHeights(1), grid->GetYMargins() + tallest + 2 * grid->GridLineWidth());
  grid->AutoSizeRow(1, 6);
  EXPECT_EQ(grid->RowHeights(1), grid->GetYMargins() + tallest + 2 * grid->GridLineWidth() + 6);

  grid->ApplyCellFont(grid->FixedCols(), grid->FixedCols(), grid->Canvas()->Brush(), grid->Canvas()->Font(), 2);
  const int h = grid->Canvas()->TextHeight("gh");
  grid->SizeRowToLines(2, 3, 5);
  EXPECT_EQ(grid->RowHeights(2), 5 + 3 * (h + h / 8));
}

TEST_F(AutoSizingTest, SizingAllCellsOnlyGrowsRowsButFitsColumns) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(3);
  grid->SetRowCount(3);
  grid->SetCells(1, 1, "wide enough text");
  grid->SetRowHeights(1, 60);
  grid->SetRowHeights(2, 3);
  grid->SetColWidths(1, 400);
  fw::TPoint size;
  grid->GetCellTextExtentEx(1, 1, size, false, false, 1);
  fw::TPoint empty;
  grid->GetCellTextExtentEx(1, 2, empty, false, false, 2);
  grid->AutoSizeCells(false, 4, 2);
  EXPECT_EQ(grid->ColWidths(1), size.X + 4 + grid->CellMargin().X);
  EXPECT_EQ(grid->RowHeights(1), 60);
  EXPECT_EQ(grid->RowHeights(2), std::max(3, empty.Y + 2 + grid->CellMargin().Y));
  EXPECT_EQ(grid->UpdateCount(), 0);
}

TEST_F(AutoSizingTest, MaxLinesInRowCountsLinesOnlyForMultiLineCells) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(3);
  grid->SetCells(2, 1, "one\rtwo\rthree");
  grid->SetCells(1, 1, "one\rtwo");
  EXPECT_EQ(grid->MaxLinesInRow(1), 1);
  grid->Multilinecells = true;
  EXPECT_EQ(grid->MaxLinesInRow(1), 3);
  EXPECT_EQ(grid->MaxLinesInRow(2), 1);
}

}  // namespace
}  // namespace ui::testing
