// The grid's input: keys (moves, range selection, Tab), the mouse (selecting, sizing and moving columns,
// the scroll timer) and the wheel, each move asked of SelectCell. Mouse messages carry client points;
// modifiers come from the key-state double.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "framework/services/keystate.h"
#include "grid_test_support.h"

namespace fw {
namespace {

using testing::GridTest;
using testing::RecordingGrid;

// Columns (rows) of a grid from MakeGrid start at 65 (25) pixels per cell past the fixed one.
int ColX(int col) { return 65 * col + 10; }
int RowY(int row) { return 25 * row + 10; }

// Presses the keys as the keyboard would, with the modifiers held through the key-state double.
void PressKey(TWinControl* control, WORD key, std::initializer_list<int> held = {}) {
  const std::vector<int> down(held);
  const ServiceDouble<SHORT(int)> keys(KeyState, [down](int k) {
    for (int d : down) {
      if (d == k) return static_cast<SHORT>(0x8000);
    }
    return static_cast<SHORT>(0);
  });
  SendMessageA(control->Handle(), WM_KEYDOWN, key, 0);
}

void Mouse(RecordingGrid* grid, UINT message, int x, int y, WPARAM keys = 0) {
  SendMessageA(grid->Handle(), message, keys, MAKELPARAM(x, y));
}

struct KeyCase {
  WORD key;
  std::initializer_list<int> held;
  TGridCoord cell;
  TGridRect selection;
};

TEST_F(GridTest, KeysMoveTheCurrentCellAndShiftExtendsTheSelection) {
  auto* grid = MakeGrid(400, 150);  // five rows in view
  grid->SetColCount(6);
  grid->SetRowCount(10);
  std::vector<TGridCoord> asked;
  grid->OnSelectCell = [&](TObject*, int col, int row, bool& canSelect) {
    asked.push_back({col, row});
    canSelect = !(col == 4 && row == 9);
  };
  const KeyCase cases[] = {
      {VK_RIGHT, {}, {2, 1}, {2, 1, 2, 1}},
      {VK_DOWN, {}, {2, 2}, {2, 2, 2, 2}},
      {VK_DOWN, {VK_SHIFT}, {2, 3}, {2, 2, 2, 3}},
      {VK_RIGHT, {VK_SHIFT}, {3, 3}, {2, 2, 3, 3}},
      {VK_LEFT, {}, {2, 3}, {2, 3, 2, 3}},
      {VK_END, {}, {5, 3}, {5, 3, 5, 3}},
      {VK_HOME, {}, {1, 3}, {1, 3, 1, 3}},
      {VK_NEXT, {}, {1, 8}, {1, 8, 1, 8}},
      {VK_PRIOR, {VK_SHIFT}, {1, 3}, {1, 3, 1, 8}},
      {VK_END, {VK_CONTROL}, {5, 9}, {5, 9, 5, 9}},
      {VK_LEFT, {}, {5, 9}, {5, 9, 5, 9}},  // (4, 9) is refused: the cell stays
      {VK_HOME, {VK_CONTROL}, {1, 1}, {1, 1, 1, 1}},
      {VK_UP, {}, {1, 1}, {1, 1, 1, 1}},  // nothing above the first normal row
  };
  const std::vector<TGridCoord> expectedAsks = {{2, 1}, {2, 2}, {2, 3}, {3, 3}, {2, 3}, {5, 3}, {1, 3},
                                                {1, 8}, {1, 3}, {5, 9}, {4, 9}, {1, 1}};
  for (const KeyCase& c : cases) {
    PressKey(grid, c.key, c.held);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), c.cell) << "key " << c.key;
    EXPECT_EQ(grid->Selection(), c.selection) << "key " << c.key;
  }
  EXPECT_EQ(asked, expectedAsks);

  // Without range selection Shift only moves.
  grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
  PressKey(grid, VK_DOWN, {VK_SHIFT});
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 1, 2}));
}

TEST_F(GridTest, TabWalksTheCellsOnlyWithGoTabs) {
  auto* grid = MakeGrid(400, 150);
  grid->SetColCount(3);
  grid->SetRowCount(3);
  EXPECT_EQ(SendMessageA(grid->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
  PressKey(grid, VK_TAB);
  EXPECT_EQ(grid->Col(), 1);

  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  EXPECT_NE(SendMessageA(grid->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
  std::vector<TGridCoord> visited;
  for (int i = 0; i < 4; ++i) {
    PressKey(grid, VK_TAB);
    visited.push_back({grid->Col(), grid->Row()});
  }
  // Row ends wrap to the next row; the last cell keeps the cell.
  EXPECT_EQ(visited, (std::vector<TGridCoord>{{2, 1}, {1, 2}, {2, 2}, {2, 2}}));
  PressKey(grid, VK_TAB, {VK_SHIFT});
  PressKey(grid, VK_TAB, {VK_SHIFT});
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{2, 1}));
}

TEST_F(GridTest, PressDragAndReleaseSelectARangeAskingEachStep) {
  auto* grid = MakeGrid(400, 150);
  std::vector<TGridCoord> asked;
  grid->OnSelectCell = [&](TObject*, int col, int row, bool&) { asked.push_back({col, row}); };
  std::vector<std::string> order;
  grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
    order.push_back("down at " + std::to_string(grid->Col()) + "," + std::to_string(grid->Row()));
  };
  grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
    order.push_back(std::string("up ") + (grid->GridState() == gsNormal ? "normal" : "busy"));
  };
  grid->OnClick = [&](TObject*) { order.push_back("click"); };

  Mouse(grid, WM_LBUTTONDOWN, ColX(2), RowY(1), MK_LBUTTON);
  EXPECT_EQ(grid->GridState(), gsSelecting);
  EXPECT_EQ(GetCapture(), grid->Handle());
  Mouse(grid, WM_MOUSEMOVE, ColX(3), RowY(1), MK_LBUTTON);
  Mouse(grid, WM_MOUSEMOVE, ColX(3), RowY(3), MK_LBUTTON);
  Mouse(grid, WM_LBUTTONUP, ColX(3), RowY(3));
  EXPECT_EQ(asked, (std::vector<TGridCoord>{{2, 1}, {3, 1}, {3, 3}}));
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 3, 3}));
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_NE(GetCapture(), grid->Handle());
  // The grid's handling comes before MouseDown/MouseUp and their events.
  EXPECT_EQ(order, (std::vector<std::string>{"down at 2,1", "click", "up normal"}));

  // A press in a fixed cell selects nothing.
  asked.clear();
  Mouse(grid, WM_LBUTTONDOWN, ColX(1), RowY(0), MK_LBUTTON);
  Mouse(grid, WM_LBUTTONUP, ColX(1), RowY(0));
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST_F(GridTest, TheScrollTimerExtendsTheSelectionBeyondTheView) {
  auto* grid = MakeGrid(400, 150);
  grid->SetRowCount(20);
  Mouse(grid, WM_LBUTTONDOWN, ColX(1), RowY(1), MK_LBUTTON);
  Mouse(grid, WM_MOUSEMOVE, ColX(1), 200, MK_LBUTTON);  // below the client area
  SendMessageA(grid->Handle(), WM_TIMER, TCustomGrid::kScrollTimer, 0);
  EXPECT_EQ(grid->Row(), 6);
  EXPECT_EQ(grid->TopRow(), 2);
  SendMessageA(grid->Handle(), WM_TIMER, TCustomGrid::kScrollTimer, 0);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 7}));
  EXPECT_EQ(grid->TopRow(), 3);
  Mouse(grid, WM_LBUTTONUP, ColX(1), 200);
  // Once released the timer does nothing.
  SendMessageA(grid->Handle(), WM_TIMER, TCustomGrid::kScrollTimer, 0);
  EXPECT_EQ(grid->TopRow(), 3);
}

TEST_F(GridTest, AColumnIsSizedByItsFixedBorderAndMovedByItsHeader) {
  auto* grid = MakeGrid(400, 150);
  grid->SetCells(1, 0, "A");
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goColMoving});
  std::vector<std::string> moves;
  grid->OnColumnMoved = [&](TObject*, int from, int to) { moves.push_back(std::to_string(from) + ">" + std::to_string(to)); };

  // Column 1 spans 65..128; its border is at 129. A press one pixel off still takes it.
  Mouse(grid, WM_LBUTTONDOWN, 130, RowY(0), MK_LBUTTON);
  EXPECT_EQ(grid->GridState(), gsColSizing);
  Mouse(grid, WM_MOUSEMOVE, 150, RowY(0), MK_LBUTTON);
  Mouse(grid, WM_LBUTTONUP, 160, RowY(0));
  EXPECT_EQ(grid->ColWidths(1), 94);  // released 31 pixels right of where the border was taken
  EXPECT_EQ(grid->GridState(), gsNormal);

  // Dragged back onto its own start the column closes; the setter takes it.
  Mouse(grid, WM_LBUTTONDOWN, 159, RowY(0), MK_LBUTTON);
  Mouse(grid, WM_LBUTTONUP, 65, RowY(0));
  EXPECT_EQ(grid->ColWidths(1), 0);
  grid->SetColWidths(1, 64);

  // Borders of normal rows are no handles: a press there selects.
  Mouse(grid, WM_LBUTTONDOWN, 129, RowY(2), MK_LBUTTON);
  EXPECT_EQ(grid->GridState(), gsSelecting);
  Mouse(grid, WM_LBUTTONUP, 129, RowY(2));

  Mouse(grid, WM_LBUTTONDOWN, ColX(1), RowY(0), MK_LBUTTON);
  EXPECT_EQ(grid->GridState(), gsColMoving);
  Mouse(grid, WM_MOUSEMOVE, ColX(2), RowY(0), MK_LBUTTON);
  Mouse(grid, WM_MOUSEMOVE, ColX(3), RowY(0), MK_LBUTTON);
  Mouse(grid, WM_LBUTTONUP, ColX(3), RowY(0));
  EXPECT_EQ(moves, (std::vector<std::string>{"1>3"}));
  EXPECT_EQ(grid->Cells(3, 0), "A");
  EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST_F(GridTest, ARowIsSizedByItsFixedBorderAndMovedByItsFixedCell) {
  auto* grid = MakeGrid(400, 200);
  grid->SetCells(0, 1, "R");
  grid->SetOptions(grid->Options() + TGridOptions{goRowSizing, goRowMoving});
  std::vector<std::string> moves;
  grid->OnRowMoved = [&](TObject*, int from, int to) { moves.push_back(std::to_string(from) + ">" + std::to_string(to)); };

  // Row 1 spans 25..48: its border is at 49.
  Mouse(grid, WM_LBUTTONDOWN, ColX(0), 49, MK_LBUTTON);
  EXPECT_EQ(grid->GridState(), gsRowSizing);
  Mouse(grid, WM_LBUTTONUP, ColX(0), 60);
  EXPECT_EQ(grid->RowHeights(1), 35);

  // Rows 2 and 3 now start at 61 and 87.
  Mouse(grid, WM_LBUTTONDOWN, ColX(0), RowY(1), MK_LBUTTON);
  EXPECT_EQ(grid->GridState(), gsRowMoving);
  Mouse(grid, WM_MOUSEMOVE, ColX(0), 95, MK_LBUTTON);
  Mouse(grid, WM_LBUTTONUP, ColX(0), 95);
  EXPECT_EQ(moves, (std::vector<std::string>{"1>3"}));
  EXPECT_EQ(grid->Cells(0, 3), "R");
  EXPECT_EQ(grid->RowHeights(3), 35);  // the height travels with the row
}

TEST_F(GridTest, TheWheelMovesTheCurrentRow) {
  auto* grid = MakeGrid(400, 150);
  std::vector<TGridCoord> asked;
  grid->OnSelectCell = [&](TObject*, int col, int row, bool&) { asked.push_back({col, row}); };
  const auto wheel = [&](int delta) {
    SendMessageA(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))), 0);
  };
  wheel(-WHEEL_DELTA);
  wheel(-WHEEL_DELTA);
  EXPECT_EQ(grid->Row(), 3);
  wheel(WHEEL_DELTA);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(asked, (std::vector<TGridCoord>{{1, 2}, {1, 3}, {1, 2}}));
}

}  // namespace
}  // namespace fw
