// The string grid's cells and structure: cells kept beyond the counts, index errors, deleting and moving
// rows and columns with their texts, objects and sizes, row and column lists, fixed counts and default sizes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/classes/stringlist.h"
#include "grid_test_support.h"

namespace fw {
namespace {

using testing::CountedObject;
using testing::GridTest;
using testing::MemoryBitmap;
using testing::RecordingGrid;

// Objects for the slots, each counting into Destroyed when it goes; they belong to the test.
class SlotObjects {
 public:
  TObject* operator[](int i) {
    while (static_cast<int>(objects_.size()) <= i) objects_.push_back(std::make_unique<CountedObject>(&Destroyed));
    return objects_[static_cast<size_t>(i)].get();
  }
  int Destroyed = 0;

 private:
  std::vector<std::unique_ptr<CountedObject>> objects_;
};

bool Drawn(const RecordingGrid* grid, int col, int row) {
  for (const auto& call : grid->Draws) {
    if (call.col == col && call.row == row) return true;
  }
  return false;
}

TEST_F(GridTest, CellsBeyondTheCountsAreKeptAndShowWhenTheGridGrows) {
  auto* grid = MakeGrid(400, 300);
  SlotObjects objects;
  grid->SetCells(4, 1, "wide");
  grid->SetObjects(4, 1, objects[0]);
  grid->SetColCount(3);
  EXPECT_EQ(grid->Cells(4, 1), "wide");
  EXPECT_EQ(grid->Objects(4, 1), objects[0]);
  grid->SetCells(2, 8, "late");  // beyond RowCount 5
  grid->SetObjects(2, 8, objects[1]);

  MemoryBitmap bitmap(400, 300);
  Paint(grid, bitmap);
  EXPECT_FALSE(Drawn(grid, 4, 1));
  EXPECT_FALSE(Drawn(grid, 2, 8));

  grid->SetColCount(5);
  grid->SetRowCount(10);
  Paint(grid, bitmap);
  ASSERT_TRUE(Drawn(grid, 4, 1));
  ASSERT_TRUE(Drawn(grid, 2, 8));
  EXPECT_GT(Other(bitmap, grid->CellRect(4, 1), clWhite), 0);  // its text
  EXPECT_GT(Other(bitmap, grid->CellRect(2, 8), clWhite), 0);
  EXPECT_EQ(Other(bitmap, grid->CellRect(3, 8), clWhite), 0);
  EXPECT_EQ(grid->Objects(2, 8), objects[1]);
  // Both objects are found wherever they lie, and a slot emptied again is not listed.
  grid->SetColCount(3);
  grid->SetObjects(1, 1, objects[2]);
  grid->SetObjects(1, 1, nullptr);
  EXPECT_EQ(grid->ObjectCells(), (std::vector<TGridCoord>{{4, 1}, {2, 8}}));
  grid->Free();
  EXPECT_EQ(objects.Destroyed, 0);
}

TEST_F(GridTest, ANegativeCellIndexRaisesTheListIndexError) {
  auto* grid = MakeGrid(200, 100);
  const std::vector<std::function<void()>> calls = {
      [&] { grid->Cells(-1, 0); },        [&] { grid->Cells(0, -1); },
      [&] { grid->SetCells(-1, 2, "x"); }, [&] { grid->Objects(2, -3); },
      [&] { grid->SetObjects(-1, 0, grid); }, [&] { grid->Rows(-1); },
      [&] { grid->Cols(-2); },
  };
  for (size_t i = 0; i < calls.size(); ++i) EXPECT_THROW(calls[i](), EListError) << "call " << i;
  EXPECT_EQ(grid->Cells(0, 0), "");
}

// Fills rows 0..4 (columns for a column test) with "<index>" texts, an object each and distinct sizes.
void FillLines(RecordingGrid* grid, SlotObjects& objects, bool rows) {
  for (int i = 0; i < 5; ++i) {
    const int col = rows ? 1 : i;
    const int row = rows ? i : 1;
    grid->SetCells(col, row, Format("%d", i));
    grid->SetObjects(col, row, objects[i]);
    if (rows) {
      grid->SetRowHeights(i, 20 + i);
    } else {
      grid->SetColWidths(i, 50 + i);
    }
  }
}

// What line (row or column) index holds now: its text, object and size.
struct Line {
  std::string text;
  TObject* object;
  int size;
};

Line LineAt(RecordingGrid* grid, bool rows, int index) {
  const int col = rows ? 1 : index;
  const int row = rows ? index : 1;
  return Line{grid->Cells(col, row), grid->Objects(col, row), rows ? grid->RowHeights(index) : grid->ColWidths(index)};
}

TEST_F(GridTest, MovingARowOrColumnCarriesItsTextsObjectsAndSize) {
  struct Case {
    bool rows;
    int from, to;
    std::vector<int> order;  // which original line each index holds afterwards
  };
  const Case cases[] = {
      {true, 1, 3, {0, 2, 3, 1, 4}},
      {true, 4, 0, {4, 0, 1, 2, 3}},
      {false, 3, 1, {0, 3, 1, 2, 4}},
      {false, 0, 4, {1, 2, 3, 4, 0}},
  };
  for (const Case& c : cases) {
    auto* grid = MakeGrid(400, 200);
    SlotObjects objects;
    FillLines(grid, objects, c.rows);
    std::vector<std::pair<int, int>> moved;
    (c.rows ? grid->OnRowMoved : grid->OnColumnMoved) = [&](TObject*, int from, int to) { moved.emplace_back(from, to); };
    if (c.rows) {
      grid->MoveRow(c.from, c.to);
    } else {
      grid->MoveColumn(c.from, c.to);
    }
    for (int i = 0; i < 5; ++i) {
      const Line line = LineAt(grid, c.rows, i);
      const int was = c.order[static_cast<size_t>(i)];
      EXPECT_EQ(line.text, Format("%d", was)) << c.rows << " " << c.from << "->" << c.to << " at " << i;
      EXPECT_EQ(line.object, objects[was]);
      EXPECT_EQ(line.size, (c.rows ? 20 : 50) + was);
    }
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{c.from, c.to}}));
    grid->Free();
    EXPECT_EQ(objects.Destroyed, 0);
  }
}

TEST_F(GridTest, DeletingARowOrColumnShiftsTheRestAndFreesNothing) {
  for (const bool rows : {true, false}) {
    auto* grid = MakeGrid(400, 200);
    SlotObjects objects;
    FillLines(grid, objects, rows);
    if (rows) {
      grid->DeleteRow(2);
    } else {
      grid->DeleteColumn(2);
    }
    EXPECT_EQ(rows ? grid->RowCount() : grid->ColCount(), 4);
    const int order[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
      const Line line = LineAt(grid, rows, i);
      EXPECT_EQ(line.text, Format("%d", order[i])) << rows << " at " << i;
      EXPECT_EQ(line.object, objects[order[i]]);
      EXPECT_EQ(line.size, (rows ? 20 : 50) + order[i]);
    }
    // The deleted line's cells left the grid: growing again brings an empty line.
    if (rows) {
      grid->SetRowCount(5);
    } else {
      grid->SetColCount(5);
    }
    EXPECT_EQ(LineAt(grid, rows, 4).text, "");
    EXPECT_EQ(LineAt(grid, rows, 4).object, nullptr);
    EXPECT_THROW(rows ? grid->DeleteRow(5) : grid->DeleteColumn(-1), EInvalidGridOperation);
    grid->Free();
    EXPECT_EQ(objects.Destroyed, 0);
  }
}

TEST_F(GridTest, RowAndColumnListsCopyTextsAndObjectsAndClearWithoutFreeing) {
  auto* grid = MakeGrid(400, 200);
  SlotObjects objects;
  for (int c = 0; c < 5; ++c) {
    grid->SetCells(c, 1, Format("a%d", c));
    grid->SetObjects(c, 1, objects[c]);
  }
  TStrings* source = grid->Rows(1);
  EXPECT_EQ(source->Count(), 5);
  EXPECT_EQ(grid->Rows(1), source);  // the same list every time

  grid->SetRows(3, source);
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(grid->Cells(c, 3), Format("a%d", c));
    EXPECT_EQ(grid->Objects(c, 3), objects[c]);
  }
  // A column list crosses the rows; a shorter list empties the rest of the line.
  TStringList shorter;
  shorter.AddObject("x", objects[7]);
  grid->SetCols(2, &shorter);
  EXPECT_EQ(grid->Cols(2)->Count(), 5);
  EXPECT_EQ(grid->Cells(2, 0), "x");
  EXPECT_EQ(grid->Objects(2, 0), objects[7]);
  EXPECT_EQ(grid->Cells(2, 1), "");
  EXPECT_EQ(grid->Objects(2, 3), nullptr);
  EXPECT_EQ(grid->Cells(3, 3), "a3");

  grid->Rows(1)->Clear();
  EXPECT_EQ(grid->Rows(1)->Text(), "\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(grid->Objects(0, 1), nullptr);
  EXPECT_THROW(grid->Rows(1)->Add("more"), EStringListError);
  EXPECT_THROW(grid->Rows(1)->Delete(0), EStringListError);
  EXPECT_THROW(grid->Rows(1)->Strings(5), EStringListError);
  grid->Free();
  EXPECT_EQ(objects.Destroyed, 0);
}

TEST_F(GridTest, AFixedCountNotBelowItsCountIsRefused) {
  auto* grid = MakeGrid(200, 100);
  struct Case {
    const char* name;
    std::function<void()> call;
  };
  const Case refused[] = {
      {"cols = count", [&] { grid->SetFixedCols(5); }},
      {"rows = count", [&] { grid->SetFixedRows(5); }},
      {"rows above count", [&] { grid->SetFixedRows(9); }},
      {"negative", [&] { grid->SetFixedCols(-1); }},
  };
  for (const Case& c : refused) EXPECT_THROW(c.call(), EInvalidGridOperation) << c.name;
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->FixedRows(), 1);

  grid->SetFixedRows(4);
  EXPECT_EQ(grid->FixedRows(), 4);
  EXPECT_EQ(grid->Row(), 4);  // the current cell left the fixed rows
  // Fewer rows than fixed ones leave one normal row.
  grid->SetRowCount(3);
  EXPECT_EQ(grid->FixedRows(), 2);
  EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridTest, DefaultSizesResetEveryRowAndColumnAndScaleWithTheRest) {
  auto* grid = MakeGrid(200, 100);
  grid->SetRowHeights(2, 40);
  grid->SetColWidths(3, 10);
  grid->Hooks.clear();
  grid->SetDefaultRowHeight(30);
  for (int r = 0; r < 5; ++r) EXPECT_EQ(grid->RowHeights(r), 30) << r;
  EXPECT_EQ(grid->ColWidths(3), 10);
  grid->SetDefaultColWidth(70);
  for (int c = 0; c < 5; ++c) EXPECT_EQ(grid->ColWidths(c), 70) << c;
  grid->SetRowCount(7);
  EXPECT_EQ(grid->RowHeights(6), 30);
  EXPECT_EQ(grid->Hooks, (std::vector<std::string>{"RowHeightsChanged", "ColWidthsChanged", "SizeChanged 5 5"}));
  grid->ChangeScale(3, 2);
  EXPECT_EQ(grid->DefaultRowHeight(), 45);
  EXPECT_EQ(grid->DefaultColWidth(), 105);
  EXPECT_EQ(grid->RowHeights(6), 45);
  EXPECT_EQ(grid->ColWidths(0), 105);
  EXPECT_THROW(grid->RowHeights(7), EInvalidGridOperation);
  EXPECT_THROW(grid->SetColWidths(-1, 5), EInvalidGridOperation);
}

}  // namespace
}  // namespace fw
