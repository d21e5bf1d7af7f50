// The string grid's counts and fixed areas at the four edges, default sizes, whole-row height, the used
// and file ranges, the sizing zone with its events, the current column of a synchronised grid and the
// column order.
#include <string>
#include <vector>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using GridDimensionsTest = fw::testing::StdControlTest;

// FixedRowAlways and FixedColAlways keep the header lines of a grid that has no normal line left: a request
// of as many fixed lines as lines gives the framework one fewer, the request is remembered, 0 reads as 1,
// and the request comes back once the grid grows.
TEST_F(GridDimensionsTest, AlwaysFixedLinesSurviveAGridWithoutNormalLines) {
  auto* grid = Make<TVxStringGrid>();
  struct Axis {
    const char* name;
    void (TVxStringGrid::*setAlways)(bool);
    void (TVxStringGrid::*setCount)(int);
    void (TVxStringGrid::*setFixed)(int);
    int (TVxStringGrid::*fixed)() const;
    int (fw::TCustomGrid::*frameworkFixed)() const;
  };
  const Axis axes[] = {
      {"rows", &TVxStringGrid::SetFixedRowAlways, &TVxStringGrid::SetRowCount, &TVxStringGrid::SetFixedRows,
       &TVxStringGrid::FixedRows, &fw::TCustomGrid::FixedRows},
      {"columns", &TVxStringGrid::SetFixedColAlways, &TVxStringGrid::SetColCount, &TVxStringGrid::SetFixedCols,
       &TVxStringGrid::FixedCols, &fw::TCustomGrid::FixedCols},
  };
  for (const Axis& a : axes) {
    SCOPED_TRACE(a.name);
    (grid->*a.setAlways)(true);
    (grid->*a.setCount)(1);
    (grid->*a.setFixed)(1);
    EXPECT_EQ((grid->*a.frameworkFixed)(), 0);
    EXPECT_EQ((grid->*a.fixed)(), 1);
    (grid->*a.setCount)(3);
    EXPECT_EQ((grid->*a.frameworkFixed)(), 1);
    // Without the switch the framework's own rule holds and 0 reads as 0.
    (grid->*a.setAlways)(false);
    (grid->*a.setCount)(1);
    EXPECT_EQ((grid->*a.frameworkFixed)(), 0);
    EXPECT_EQ((grid->*a.fixed)(), 0);
  }
  // A framework refusal leaves the request as it was.
  grid->SetRowCount(5);
  EXPECT_THROW(grid->SetFixedRows(7), fw::EInvalidGridOperation);
}

TEST_F(GridDimensionsTest, CountsRememberTheLargestAndDataRows) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetRowCount(30);
  grid->SetColCount(12);
  grid->SetRowCount(4);
  grid->SetColCount(2);
  EXPECT_EQ(grid->LargestRowCount(), 30);
  EXPECT_EQ(grid->LargestColCount(), 12);
  EXPECT_EQ(grid->DataRowCount(), 4);
  EXPECT_EQ(grid->GetAllColCount(), 2);
  EXPECT_EQ(grid->AllRowCount(), 4);
}

TEST_F(GridDimensionsTest, FixedRowHeightAndFixedColWidthSizeTheirLinesByTheDefaults) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetFixedCols(1);
  grid->SetRowHeights(5, 40);
  grid->SetFixedRowHeight(30);
  EXPECT_EQ(grid->FixedRowHeight(), 30);
  EXPECT_EQ(grid->RowHeights(0), 30);
  EXPECT_EQ(grid->RowHeights(5), 40);
  // Equal to the default row height it sizes every row.
  grid->SetFixedRowHeight(grid->DefaultRowHeight());
  for (int row = 0; row < grid->RowCount(); ++row) EXPECT_EQ(grid->RowHeights(row), 22) << row;

  grid->SetColWidths(0, 50);
  grid->SetColWidths(3, 70);
  grid->SetFixedColWidth(grid->DefaultColWidth());
  EXPECT_EQ(grid->ColWidths(0), 50);
  EXPECT_EQ(grid->ColWidths(3), 70);
  grid->SetFixedColWidth(35);
  EXPECT_EQ(grid->FixedColWidth(), 35);
  EXPECT_EQ(grid->ColWidths(1), grid->DefaultColWidth());
}

TEST_F(GridDimensionsTest, IntegralHeightCutsTheHeightToWholeRows) {
  auto* grid = Make<TVxStringGrid>();
  struct Case {
    const char* name;
    bool integral, inUpdate;
    fw::TFormBorderStyle border;
    int expected;
  };
  const Case cases[] = {
      {"off", false, false, fw::bsSingle, 250},
      {"single border", true, false, fw::bsSingle, 246},  // 250 + 2 - (248 mod 22)
      {"no border", true, false, fw::bsNone, 242},        // 250 - (250 mod 22)
      {"inside an update", true, true, fw::bsSingle, 250},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetIntegralHeight(false);
    grid->SetBorderStyle(c.border);
    if (c.inUpdate) grid->BeginUpdate();
    grid->SetIntegralHeight(c.integral);
    grid->SetBounds(0, 0, 400, 250);
    EXPECT_EQ(grid->Height(), c.expected);
    if (c.inUpdate) grid->EndUpdate();
  }
  // Columns that do not all fit leave room for the horizontal bar.
  grid->SetBorderStyle(fw::bsSingle);
  grid->SetIntegralHeight(true);
  grid->SetColCount(20);
  const int s = GetSystemMetrics(SM_CYHSCROLL);
  EXPECT_EQ(grid->Height(), 250 + 2 - ((250 - s - 2) % 22));
}

TEST_F(GridDimensionsTest, RightColumnsAndFooterRowsCountAsFixed) {
  auto* grid = Make<TVxStringGrid>();  // 5 columns, 10 rows, one fixed of each
  grid->SetFixedRightCols(2);
  grid->SetFixedFooters(1);
  struct Case {
    int col, row;
    bool fixed;
  };
  const Case cases[] = {{2, 5, false}, {3, 5, true}, {4, 1, true}, {2, 9, true}, {2, 8, false},
                        {0, 5, true},  {2, 0, true}};
  for (const Case& c : cases) EXPECT_EQ(grid->IsFixed(c.col, c.row), c.fixed) << c.col << "," << c.row;
  // A merged area answers by its base cell.
  grid->MergeCells(1, 7, 1, 3);
  EXPECT_FALSE(grid->IsFixed(1, 9));
}

TEST_F(GridDimensionsTest, UsedRectCoversTheCellsWithText) {
  auto* grid = Make<TVxStringGrid>();
  fw::TRect used{9, 9, 9, 9};
  grid->GetUsedRect(used);
  EXPECT_EQ(used, (fw::TRect{0, 0, 0, 0}));
  grid->SetCells(3, 2, "x");
  grid->GetUsedRect(used);
  EXPECT_EQ(used, (fw::TRect{3, 2, 3, 2}));
  grid->SetCells(1, 6, "y");
  grid->GetUsedRect(used);
  EXPECT_EQ(used, (fw::TRect{1, 2, 3, 6}));
}

TEST_F(GridDimensionsTest, FileRangeLeavesOutTheFixedEdgesUnlessTheyAreSaved) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(6);
  grid->SetRowCount(8);
  grid->SetFixedCols(1);
  grid->SetFixedRows(2);
  grid->SetFixedRightCols(1);
  grid->SetFixedFooters(1);
  struct Case {
    const char* name;
    bool cells, cols, rows;
    int colStart, colEnd, colCount, rowStart, rowEnd, rowCount;
  };
  const Case cases[] = {
      {"fixed cells saved", true, false, false, 0, 5, 6, 0, 7, 8},
      {"normal cells only", false, false, false, 1, 4, 4, 2, 6, 5},
      {"fixed columns saved", false, true, false, 0, 5, 6, 2, 6, 5},
      {"fixed rows saved", false, false, true, 1, 4, 4, 0, 7, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SaveFixedCells = c.cells;
    grid->SaveFixedCols = c.cols;
    grid->SaveFixedRows = c.rows;
    EXPECT_EQ(grid->SaveColStart(), c.colStart);
    EXPECT_EQ(grid->SaveColEnd(), c.colEnd);
    EXPECT_EQ(grid->SaveColCount(), c.colCount);
    EXPECT_EQ(grid->SaveRowStart(), c.rowStart);
    EXPECT_EQ(grid->SaveRowEnd(), c.rowEnd);
    EXPECT_EQ(grid->SaveRowCount(), c.rowCount);
  }
}

TEST_F(GridDimensionsTest, SizingZoneIsWithinThreePixelsOfAFixedCellsEdge) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetOptions(fw::TGridOptions(grid->Options()).Include(fw::goColSizing).Include(fw::goRowSizing));
  const fw::TRect header = grid->CellRectEx(2, 0);
  const int y = header.Top + 10;
  struct Case {
    int x, y;
    bool inZone;
  };
  const Case cases[] = {
      {header.Right - 3, y, true}, {header.Right - 4, y, false}, {header.Left + 3, y, true},
      {header.Left + 4, y, false},
  };
  for (const Case& c : cases) EXPECT_EQ(grid->InSizingZone(c.x, c.y), c.inZone) << c.x;
  // Off the cells, and on a normal cell away from the fixed column, nothing sizes.
  EXPECT_FALSE(grid->InSizingZone(grid->Width() + 5, y));
  const fw::TRect normal = grid->CellRectEx(3, 4);
  EXPECT_FALSE(grid->InSizingZone(normal.Right - 1, normal.Top + 5));
  // Rows size at the fixed column's edges.
  const fw::TRect rowHeader = grid->CellRectEx(0, 4);
  EXPECT_TRUE(grid->InSizingZone(rowHeader.Left + 10, rowHeader.Bottom - 2));
}

TEST_F(GridDimensionsTest, ColumnAndRowSizingAskTheirEvents) {
  Form()->Show();
  auto* grid = Make<TVxStringGrid>();
  grid->SetOptions(fw::TGridOptions(grid->Options()).Include(fw::goColSizing).Include(fw::goRowSizing));
  std::vector<std::string> asked;
  bool allow = true;
  grid->OnColumnSize = [&](fw::TObject* Sender, int col, bool& Allow) {
    EXPECT_EQ(Sender, grid);
    asked.push_back("col " + std::to_string(col));
    Allow = allow;
  };
  grid->OnRowSize = [&](fw::TObject*, int row, bool& Allow) {
    asked.push_back("row " + std::to_string(row));
    Allow = allow;
  };
  struct Case {
    const char* name;
    fw::TPoint at;
    fw::TGridState sizing;
    const char* event;
  };
  const fw::TRect colEdge = grid->CellRectEx(1, 0);
  const fw::TRect rowEdge = grid->CellRectEx(0, 2);
  const Case cases[] = {
      {"column 1's right edge", {colEdge.Right, colEdge.Top + 8}, fw::gsColSizing, "col 1"},
      {"row 2's bottom edge", {rowEdge.Left + 8, rowEdge.Bottom}, fw::gsRowSizing, "row 2"},
  };
  for (const Case& c : cases) {
    for (bool allowed : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (allowed ? " allowed" : " refused"));
      allow = allowed;
      asked.clear();
      SendMessageA(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.at.X, c.at.Y));
      EXPECT_EQ(grid->GridState(), allowed ? c.sizing : fw::gsNormal);
      SendMessageA(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(c.at.X, c.at.Y));
      ASSERT_FALSE(asked.empty());
      EXPECT_EQ(asked.front(), c.event);
    }
  }
}

TEST_F(GridDimensionsTest, CellAtScreenPointMapsThroughTheClientArea) {
  Form()->Show();
  auto* grid = Make<TVxStringGrid>();
  const fw::TRect cell = grid->CellRectEx(2, 3);
  int col = 0;
  int row = 0;
  grid->CellAtScreenPoint(grid->ClientToScreen(fw::TPoint{cell.Left + 2, cell.Top + 2}), col, row);
  EXPECT_EQ(col, 2);
  EXPECT_EQ(row, 3);
  grid->CellAtScreenPoint(grid->ClientToScreen(fw::TPoint{-5, -5}), col, row);
  EXPECT_EQ(col, -1);
  EXPECT_EQ(row, -1);
}

// Two grids that follow each other's column end the chain where a grid already stands on the column.
TEST_F(GridDimensionsTest, SynchronisedGridsFollowTheCurrentColumn) {
  auto* a = Make<TVxStringGrid>();
  auto* b = Make<TVxStringGrid>();
  a->SyncGrid()->SetGrid(b);
  a->SyncGrid()->SetSelectionColumn(true);
  b->SyncGrid()->SetGrid(a);
  b->SyncGrid()->SetSelectionColumn(true);
  a->SetCol(3);
  EXPECT_EQ(b->Col(), 3);
  b->SetCol(2);
  EXPECT_EQ(a->Col(), 2);
  // A column the other grid lacks leaves it where it is.
  b->SetColCount(3);
  a->SetCol(4);
  EXPECT_EQ(b->Col(), 2);
  // Without the switch nothing follows.
  a->SyncGrid()->SetSelectionColumn(false);
  a->SetCol(1);
  EXPECT_EQ(b->Col(), 2);
}

TEST_F(GridDimensionsTest, ColumnsMoveBackIntoTheRememberedOrder) {
  auto* grid = Make<TVxStringGrid>();
  for (int col = 0; col < grid->ColCount(); ++col) grid->SetCells(col, 1, std::to_string(col));
  // Without a remembered order the list is filled and nothing moves.
  grid->MoveColumn(1, 3);
  grid->RestoreColumnOrder();
  EXPECT_EQ(grid->ColumnOrder()->CommaText(), "0,1,2,3,4");
  EXPECT_EQ(grid->Cells(3, 1), "1");

  // The order now remembered is the texts 0, 2, 3, 1, 4.
  grid->ResetColumnOrder();
  grid->MoveColumn(1, 3);
  grid->MoveColumn(4, 0);
  EXPECT_EQ(grid->ColumnOrder()->CommaText(), "4,0,2,3,1");
  grid->RestoreColumnOrder();
  EXPECT_EQ(grid->ColumnOrder()->CommaText(), "0,1,2,3,4");
  const char* restored[] = {"0", "2", "3", "1", "4"};
  for (int col = 0; col < grid->ColCount(); ++col) EXPECT_EQ(grid->Cells(col, 1), restored[col]) << col;
}

}  // namespace
}  // namespace ui::testing
