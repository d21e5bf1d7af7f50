// The advance to the next editable cell after an edit: both directions and advance orders, refusals by the
// events, and the bounded walk on grids where no cell, one cell or only the last cell can be edited.
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using AdvanceTest = fw::testing::StdControlTest;
using Cell = std::pair<int, int>;  // column, row

// A 4 x 4 grid with one fixed row and column: normal cells are columns 1..3 of rows 1..3.
class AdvanceGrid {
 public:
  explicit AdvanceGrid(AdvanceTest& test) : grid(test.Make<TVxStringGrid>()) {
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->OnCanEditCell = [this](fw::TObject*, int row, int col, bool& canEdit) {
      ++asked;
      canEdit = editable(col, row);
    };
    grid->OnAutoAdvance = [this](fw::TObject*, int, int, int&, int&, bool&) { ++advances; };
  }
  Cell Advance(Cell from, bool forward) {
    grid->MoveToCell(from.first, from.second);
    grid->AdvanceEdit(from.first, from.second, false, false, forward, false, false);
    return {grid->Col(), grid->Row()};
  }

  TVxStringGrid* grid;
  std::function<bool(int, int)> editable = [](int, int) { return true; };
  int asked = 0;
  int advances = 0;
};

TEST_F(AdvanceTest, StepsThroughBothOrdersInBothDirections) {
  AdvanceGrid g(*this);
  struct Case {
    TAdvanceDirection direction;
    bool forward;
    Cell from, to;
  };
  const Case cases[] = {
      {adLeftRight, true, {1, 1}, {2, 1}},   {adLeftRight, true, {3, 1}, {1, 2}},
      {adLeftRight, true, {3, 3}, {1, 1}},   // loop switch on by default
      {adLeftRight, false, {2, 2}, {1, 2}},  {adLeftRight, false, {1, 2}, {3, 1}},
      {adLeftRight, false, {1, 1}, {3, 3}},  {adTopBottom, true, {1, 1}, {1, 2}},
      {adTopBottom, true, {1, 3}, {2, 1}},   {adTopBottom, true, {3, 3}, {1, 1}},
      {adTopBottom, false, {2, 2}, {2, 1}},  {adTopBottom, false, {2, 1}, {1, 3}},
      {adTopBottom, false, {1, 1}, {3, 3}},
  };
  for (const Case& c : cases) {
    g.grid->Navigation()->SetAdvanceDirection(c.direction);
    EXPECT_EQ(g.Advance(c.from, c.forward), c.to)
        << c.direction << (c.forward ? " forward from " : " backward from ") << c.from.first << "," << c.from.second;
  }
  EXPECT_EQ(g.grid->MoveOrigin().X, 1);
  EXPECT_EQ(g.grid->MoveOrigin().Y, 1);

  // A merged area is passed in one step.
  g.grid->Navigation()->SetAdvanceDirection(adLeftRight);
  g.grid->MergeCells(1, 2, 2, 1);
  EXPECT_EQ(g.Advance({1, 2}, true), (Cell{3, 2}));

  // Without AdvanceOnEnter only a forced advance moves.
  g.grid->Navigation()->SetAdvanceOnEnter(false);
  g.grid->MoveToCell(1, 1);
  g.grid->AdvanceEdit(1, 1, false, false, true, false, false);
  EXPECT_EQ(g.grid->Col(), 1);
  g.grid->AdvanceEdit(1, 1, true, false, true, false, false);
  EXPECT_EQ(g.grid->Col(), 2);
}

TEST_F(AdvanceTest, CellsThatCannotBeEditedArePassedWithoutEndlessSearch) {
  AdvanceGrid g(*this);
  struct Case {
    const char* grid;
    std::function<bool(int, int)> editable;
    bool loop;
    TAdvanceDirection direction;
    bool forward;
    Cell from, to;
    bool moved;
  };
  const auto none = [](int, int) { return false; };
  const auto one = [](int col, int row) { return col == 2 && row == 3; };
  const auto last = [](int col, int row) { return col == 3 && row == 3; };
  const Case cases[] = {
      {"none, loop", none, true, adLeftRight, true, {2, 1}, {2, 1}, false},
      {"none, no loop", none, false, adLeftRight, true, {2, 1}, {2, 1}, false},
      {"none, top to bottom", none, false, adTopBottom, true, {2, 2}, {2, 2}, false},
      {"none, backward", none, true, adLeftRight, false, {2, 2}, {2, 2}, false},
      {"one", one, true, adLeftRight, true, {1, 1}, {2, 3}, true},
      {"one, backward", one, true, adTopBottom, false, {1, 1}, {2, 3}, true},
      {"one, past it without loop", one, false, adLeftRight, true, {3, 3}, {3, 3}, false},
      {"one, wrapping with loop", one, true, adLeftRight, true, {3, 3}, {2, 3}, true},
      {"last", last, false, adLeftRight, true, {1, 1}, {3, 3}, true},
      // At the last cell without the loop the advance stays on it, an editable cell.
      {"last, from itself", last, false, adLeftRight, true, {3, 3}, {3, 3}, true},
  };
  for (const Case& c : cases) {
    g.editable = c.editable;
    g.grid->Navigation()->SetAdvanceOnEnterLoop(c.loop);
    g.grid->Navigation()->SetAdvanceDirection(c.direction);
    g.asked = 0;
    g.advances = 0;
    EXPECT_EQ(g.Advance(c.from, c.forward), c.to) << c.grid;
    EXPECT_EQ(g.advances, c.moved ? 1 : 0) << c.grid;
    // Each cell of the grid is asked at most once per walk.
    EXPECT_LE(g.asked, 16) << c.grid;
  }
}

TEST_F(AdvanceTest, EventsRefuseOrRedirectTheMove) {
  AdvanceGrid g(*this);
  std::string changing;
  bool allowChange = true;
  g.grid->OnCellChanging = [&](fw::TObject*, int oldRow, int oldCol, int newRow, int newCol, bool& allow) {
    changing = std::to_string(oldCol) + "," + std::to_string(oldRow) + ">" + std::to_string(newCol) + "," +
               std::to_string(newRow);
    allow = allowChange;
  };
  EXPECT_EQ(g.Advance({1, 2}, true), (Cell{2, 2}));
  EXPECT_EQ(changing, "1,2>2,2");

  allowChange = false;
  EXPECT_EQ(g.Advance({1, 2}, true), (Cell{1, 2}));
  allowChange = true;

  bool allowAdvance = false;
  changing.clear();
  g.grid->OnAutoAdvance = [&](fw::TObject*, int oldRow, int oldCol, int& newRow, int& newCol, bool& allow) {
    EXPECT_EQ(oldCol, 1);
    EXPECT_EQ(oldRow, 2);
    allow = allowAdvance;
    newCol = 3;
    newRow = 3;
  };
  EXPECT_EQ(g.Advance({1, 2}, true), (Cell{1, 2}));
  EXPECT_EQ(changing, "");
  allowAdvance = true;
  EXPECT_EQ(g.Advance({1, 2}, true), (Cell{3, 3}));
  EXPECT_EQ(changing, "1,2>3,3");
}

TEST_F(AdvanceTest, WithEditingTheDisjunctRowSelectionFollowsTheNewRow) {
  AdvanceGrid g(*this);
  g.grid->MouseActions()->SetDisjunctRowSelect(true);
  g.grid->SetRowSelect(1, true);
  g.grid->MoveToCell(3, 1);
  g.grid->AdvanceEdit(3, 1, false, false, true, false, true);
  EXPECT_EQ(g.grid->Row(), 2);
  EXPECT_EQ(g.grid->SelectedRows()->CommaText(), "2");
}

}  // namespace
}  // namespace ui::testing
