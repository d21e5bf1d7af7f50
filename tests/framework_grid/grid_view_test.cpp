// The grid's view: the paint loop's cells, states and rectangles, cell rectangles and cells under points,
// grid lines, the current cell and selection asked of SelectCell, and the scroll bars.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "grid_test_support.h"

namespace fw {
namespace {

using testing::GridTest;
using testing::MemoryBitmap;
using testing::RecordingGrid;

// 200 x 100 with 64 x 24 cells and 1-pixel lines: columns 0..3 and rows 0..3 are in view, column 3 in part.
constexpr int kWidth = 200;
constexpr int kHeight = 100;

TEST_F(GridTest, DrawCellIsCalledOncePerCellInViewWithItsRectangleAndState) {
  auto* grid = MakeGrid(kWidth, kHeight);
  grid->SetSelection(TGridRect{1, 1, 2, 2});
  MemoryBitmap bitmap(kWidth, kHeight);

  struct Case {
    int leftCol;
    std::vector<int> cols;  // in view, in paint order
  };
  for (const Case& c : {Case{1, {0, 1, 2, 3}}, Case{2, {0, 2, 3, 4}}}) {
    grid->SetLeftCol(c.leftCol);
    Paint(grid, bitmap);
    std::vector<std::tuple<int, int, TRect, TGridDrawState>> expected;
    for (int row = 0; row < 4; ++row) {
      for (size_t i = 0; i < c.cols.size(); ++i) {
        const int col = c.cols[i];
        TGridDrawState state;
        if (col == 0 || row == 0) {
          state.Include(gdFixed);
        } else if (col <= 2 && row <= 2) {
          state.Include(gdSelected);
        }
        expected.emplace_back(col, row, Bounds(65 * static_cast<int>(i), 25 * row, 64, 24), state);
      }
    }
    std::vector<std::tuple<int, int, TRect, TGridDrawState>> drawn;
    for (const auto& call : grid->Draws) drawn.emplace_back(call.col, call.row, call.rect, call.state);
    EXPECT_EQ(drawn, expected) << "LeftCol " << c.leftCol;
  }
}

TEST_F(GridTest, TheCurrentCellOfTheFocusedGridIsDrawnFocused) {
  auto* grid = MakeGrid(kWidth, kHeight);
  Form()->Show();
  grid->SetFocus();
  ASSERT_TRUE(WaitForFocus(grid->Handle()));
  grid->SetCol(2);
  MemoryBitmap bitmap(kWidth, kHeight);
  Paint(grid, bitmap);
  for (const auto& call : grid->Draws) {
    const bool current = call.col == 2 && call.row == 1;
    EXPECT_EQ(call.state.Contains(gdFocused), current) << call.col << "," << call.row;
    EXPECT_EQ(call.state.Contains(gdSelected), current) << call.col << "," << call.row;
  }
}

TEST_F(GridTest, CellRectIsEmptyOutOfViewAndMouseCoordFindsTheCells) {
  auto* grid = MakeGrid(kWidth, kHeight);
  grid->SetColWidths(3, -1);  // hidden
  grid->SetLeftCol(2);        // columns 0, 2, (3 hidden), 4 in view
  grid->SetTopRow(2);         // rows 0, 2, 3, 4 in view
  struct Case {
    int col, row;
    TRect rect;
  };
  const Case cases[] = {
      {0, 0, Bounds(0, 0, 64, 24)},  {2, 2, Bounds(65, 25, 64, 24)}, {4, 4, Bounds(130, 75, 64, 24)},
      {1, 2, TRect{}},  // scrolled out to the left
      {2, 1, TRect{}},  // scrolled out above
      {3, 2, TRect{}},  // hidden
      {5, 2, TRect{}},  // beyond the columns
      {2, -1, TRect{}},
  };
  for (const Case& c : cases) EXPECT_EQ(grid->CellRect(c.col, c.row), c.rect) << c.col << "," << c.row;

  struct Point {
    int x, y;
    TGridCoord cell;
  };
  const Point points[] = {
      {0, 0, {0, 0}},     {64, 24, {0, 0}},  // a cell's lines belong to it
      {65, 25, {2, 2}},   {194, 99, {4, 4}},
      {195, 10, {-1, 0}},  // right of the last column
      {-1, 10, {-1, 0}},  {10, 100, {0, -1}},
  };
  for (const Point& p : points) EXPECT_EQ(grid->MouseCoord(p.x, p.y), p.cell) << p.x << "," << p.y;
  int col = 0;
  int row = 0;
  grid->MouseToCell(195, 10, col, row);
  EXPECT_EQ(col, -1);
  EXPECT_EQ(row, 0);
}

TEST_F(GridTest, GridLinesAreDrawnOnlyWhenTheirWidthIsAboveZero) {
  auto* grid = MakeGrid(kWidth, kHeight);
  grid->SetSelection(TGridRect{4, 4, 4, 4});  // out of view: no highlighted cell
  MemoryBitmap bitmap(kWidth, kHeight);
  const TRect normalCells = Rect(65, 25, kWidth, kHeight);
  Paint(grid, bitmap);
  EXPECT_EQ(bitmap.Pixel(129, 40), clSilver);  // the line right of column 1
  EXPECT_EQ(bitmap.Pixel(80, 49), clSilver);   // below row 1
  EXPECT_EQ(bitmap.Pixel(64, 40), clBlack);    // right of the fixed column
  EXPECT_EQ(Other(bitmap, normalCells, clWhite), bitmap.Count(normalCells.ToRECT(), clSilver));

  grid->SetGridLineWidth(0);
  Paint(grid, bitmap);
  EXPECT_EQ(grid->CellRect(1, 1), Bounds(64, 24, 64, 24));
  EXPECT_EQ(Other(bitmap, Rect(64, 24, kWidth, kHeight), clWhite), 0);
  EXPECT_EQ(bitmap.Count(Rect(0, 0, kWidth, kHeight).ToRECT(), clBlack), 0);

  grid->SetGridLineWidth(3);
  Paint(grid, bitmap);
  EXPECT_EQ(grid->CellRect(1, 1), Bounds(67, 27, 64, 24));
  for (int x = 131; x < 134; ++x) EXPECT_EQ(bitmap.Pixel(x, 40), clSilver) << x;
}

TEST_F(GridTest, SelectCellIsAskedBeforeEveryMoveAndARefusalKeepsTheCell) {
  auto* grid = MakeGrid(kWidth, kHeight);
  std::vector<TGridCoord> asked;
  bool allow = true;
  grid->OnSelectCell = [&](TObject* sender, int col, int row, bool& canSelect) {
    EXPECT_EQ(sender, grid);
    asked.push_back({col, row});
    canSelect = allow;
  };
  grid->SetCol(3);
  grid->SetRow(4);
  EXPECT_EQ(asked, (std::vector<TGridCoord>{{3, 1}, {3, 4}}));
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 4, 3, 4}));
  EXPECT_EQ(grid->TopRow(), 2);  // scrolled so the row is in view
  EXPECT_EQ(grid->LeftCol(), 2);

  // The anchor stays: the selection spans both cells.
  EXPECT_TRUE(grid->MoveColRow(1, 2, false, true));
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 3, 4}));
  EXPECT_EQ(grid->LeftCol(), 1);

  allow = false;
  asked.clear();
  grid->SetRow(3);
  EXPECT_FALSE(grid->MoveColRow(4, 4, true, true));
  grid->SetSelection(TGridRect{2, 2, 2, 2});
  EXPECT_EQ(asked, (std::vector<TGridCoord>{{1, 3}, {4, 4}, {2, 2}}));
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 3, 4}));

  allow = true;
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 4, 4}));
  EXPECT_THROW(grid->SetCol(5), EInvalidGridOperation);
  EXPECT_EQ(asked.size(), 3u);
}

TEST_F(GridTest, ScrollingMovesTheTopLeftByLinesPagesAndThumbWithinItsLimits) {
  auto* grid = MakeGrid(kWidth, kHeight, ssBoth);
  grid->SetRowCount(20);
  grid->SetColCount(8);
  Form()->Show();
  const HWND window = grid->Handle();
  const int rowsInView = grid->VisibleRowCount();
  ASSERT_GT(rowsInView, 1);

  struct Step {
    UINT msg;
    WORD code;
    WORD thumb;
    int leftCol, topRow;
  };
  const int lastTop = 20 - rowsInView;
  const Step steps[] = {
      {WM_VSCROLL, SB_LINEDOWN, 0, 1, 2},
      {WM_VSCROLL, SB_PAGEDOWN, 0, 1, 2 + rowsInView},
      {WM_VSCROLL, SB_BOTTOM, 0, 1, lastTop},
      {WM_VSCROLL, SB_LINEDOWN, 0, 1, lastTop},  // no further
      {WM_VSCROLL, SB_THUMBPOSITION, 4, 1, 5},    // short range: a position is a row
      {WM_VSCROLL, SB_THUMBTRACK, 7, 1, 5},       // without thumb tracking the view waits for the release
      {WM_VSCROLL, SB_PAGEUP, 0, 1, 5 - rowsInView},
      {WM_HSCROLL, SB_LINEDOWN, 0, 2, 5 - rowsInView},
      {WM_HSCROLL, SB_TOP, 0, 1, 5 - rowsInView},
  };
  for (const Step& s : steps) {
    SendMessageA(window, s.msg, MAKEWPARAM(s.code, s.thumb), 0);
    EXPECT_EQ(grid->LeftCol(), s.leftCol) << s.msg << " " << s.code;
    EXPECT_EQ(grid->TopRow(), s.topRow) << s.msg << " " << s.code;
  }
  grid->SetOptions(grid->Options() + TGridOptions{goThumbTracking});
  SendMessageA(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 7), 0);
  EXPECT_EQ(grid->TopRow(), 8);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), 7);
  EXPECT_EQ(grid->Hooks.back(), "TopLeftChanged 1 8");
}

TEST_F(GridTest, TheThumbOfALargeGridMapsItsRangeProportionallyOntoTheTopRow) {
  // 250 pixels: the fixed row and 9 rows of 25; the last top row is 992, 991 steps past the first.
  auto* grid = MakeGrid(200, 250, ssVertical);
  grid->SetRowCount(1001);
  Form()->SetBounds(0, 0, 400, 400);
  Form()->Show();
  const HWND window = grid->Handle();
  int low = -1;
  int high = -1;
  GetScrollRange(window, SB_VERT, &low, &high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 127);

  struct Case {
    WORD thumb;
    int topRow;
  };
  const Case cases[] = {{0, 1}, {1, 9}, {64, 500}, {126, 984}, {127, 992}};
  for (const Case& c : cases) {
    SendMessageA(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, c.thumb), 0);
    EXPECT_EQ(grid->TopRow(), c.topRow) << c.thumb;
    EXPECT_EQ(GetScrollPos(window, SB_VERT), c.thumb) << c.thumb;
  }
  // A line step moves one row; the thumb shows where that lies in the range.
  SendMessageA(window, WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(grid->TopRow(), 991);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), 127);
  grid->SetTopRow(500);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), 64);
}

TEST_F(GridTest, StructureChangesReachTheHooksWithTheOldCounts) {
  auto* grid = MakeGrid(kWidth, kHeight);
  grid->Hooks.clear();
  grid->SetColCount(7);
  grid->SetRowCount(3);
  grid->SetColWidths(2, 30);
  grid->SetColWidths(2, 30);  // no change
  grid->MoveRow(1, 2);
  grid->SetTopRow(2);         // rows 1 and 2 fit: already the last top row
  grid->SetLeftCol(3);
  EXPECT_EQ(grid->Hooks, (std::vector<std::string>{"SizeChanged 5 5", "SizeChanged 7 5", "ColWidthsChanged",
                                                   "RowHeightsChanged", "TopLeftChanged 3 1"}));
  // Shrinking the grid takes the view back to what can still be shown.
  grid->SetColCount(2);
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_EQ(grid->Hooks.back(), "SizeChanged 7 3");
  EXPECT_EQ(grid->Hooks[grid->Hooks.size() - 2], "TopLeftChanged 1 1");
}

}  // namespace
}  // namespace fw
