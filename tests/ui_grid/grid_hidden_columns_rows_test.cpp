// Hidden columns and rows of the string grid: the maps between real and display indices, the kept widths,
// texts, heights and cell objects, and stacked hide levels undone in reverse order.
#include <string>
#include <vector>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using HiddenTest = fw::testing::StdControlTest;

// Each cell holds "c<col>r<row>".
void FillCells(TVxStringGrid* grid) {
  for (int row = 0; row < grid->RowCount(); ++row) {
    for (int col = 0; col < grid->ColCount(); ++col) {
      grid->SetCells(col, row, "c" + std::to_string(col) + "r" + std::to_string(row));
    }
  }
}

std::vector<std::string> ColumnTexts(TVxStringGrid* grid, int col) {
  std::vector<std::string> texts;
  for (int row = 0; row < grid->RowCount(); ++row) texts.push_back(grid->GetRawCellText(col, row));
  return texts;
}

TEST_F(HiddenTest, HiddenColumnKeepsItsCellsAndWidthWhileTheMapsSkipIt) {
  auto* grid = Make<TVxStringGrid>();
  FillCells(grid);
  for (int col = 0; col < 5; ++col) grid->SetColWidths(col, 40 + col);
  TCellProperties* props = grid->GetCellProperties(1, 2);

  grid->HideColumn(1);
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->GetColCountEx(), 5);
  EXPECT_EQ(grid->NumHiddenColumns(), 1);
  EXPECT_TRUE(grid->IsHiddenColumn(1));
  EXPECT_FALSE(grid->IsColumnVisible(1));
  struct Map {
    int real, display;
  };
  for (const Map m : {Map{0, 0}, Map{2, 1}, Map{3, 2}, Map{4, 3}}) {
    EXPECT_EQ(grid->RealToDisplCol(m.real), m.display) << m.real;
    EXPECT_EQ(grid->DisplToRealCol(m.display), m.real) << m.display;
    EXPECT_EQ(grid->RealColIndex(m.display), m.real);
    EXPECT_EQ(grid->DisplayColumnOf(m.real), m.display);
  }
  // The shown columns keep their widths at their display places; the hidden one's cells stay in the store.
  EXPECT_EQ(grid->ColWidths(1), 42);
  EXPECT_EQ(grid->ColWidths(3), 44);
  EXPECT_EQ(grid->GetRawCellText(1, 2), "c1r2");
  EXPECT_EQ(grid->GetCellProperties(1, 2), props);

  grid->HideColumn(1);  // already hidden: nothing
  EXPECT_EQ(grid->ColCount(), 4);
  grid->UnHideColumn(2);  // shown: nothing
  EXPECT_EQ(grid->ColCount(), 4);

  grid->UnHideColumn(1);
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(grid->NumHiddenColumns(), 0);
  for (int col = 0; col < 5; ++col) EXPECT_EQ(grid->ColWidths(col), 40 + col) << col;
  EXPECT_EQ(grid->Cells(1, 2), "c1r2");
  EXPECT_EQ(grid->GetCellProperties(1, 2), props);
}

TEST_F(HiddenTest, ColumnsFrom512OnAndTheLastShownColumnCannotBeHidden) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(600);
  grid->HideColumn(3);
  grid->HideColumn(599);
  grid->HideColumn(512);
  EXPECT_EQ(grid->ColCount(), 599);
  EXPECT_FALSE(grid->IsHiddenColumn(599));
  EXPECT_FALSE(grid->IsHiddenColumn(600));
  EXPECT_EQ(grid->RealToDisplCol(550), 550);
  EXPECT_EQ(grid->DisplToRealCol(550), 550);
  grid->HideColumn(511);
  EXPECT_TRUE(grid->IsHiddenColumn(511));
  EXPECT_EQ(grid->RealToDisplCol(511 + 0), 510);
  grid->UnHideColumnsAll();
  EXPECT_EQ(grid->ColCount(), 600);
  EXPECT_EQ(grid->NumHiddenColumns(), 0);

  grid->SetColCount(3);
  grid->SetFixedCols(0);
  grid->HideColumns(0, 2);
  EXPECT_EQ(grid->ColCount(), 1);
  EXPECT_EQ(grid->NumHiddenColumns(), 2);
  EXPECT_FALSE(grid->IsHiddenColumn(2));
  grid->HideColumn(2);
  EXPECT_EQ(grid->ColCount(), 1);
  grid->UnHideColumnsAll();
  EXPECT_EQ(grid->ColCount(), 3);
}

TEST_F(HiddenTest, HiddenRowsComeBackWithTextsHeightsObjectsAndHiddenColumnCells) {
  auto* grid = Make<TVxStringGrid>();
  FillCells(grid);
  grid->SetRowHeights(3, 30);
  grid->SetRowHeights(4, 35);
  TCellProperties* props = grid->GetCellProperties(2, 4);
  grid->HideColumn(4);  // its cells travel with the rows

  grid->HideRows(3, 4);
  EXPECT_EQ(grid->RowCount(), 8);
  EXPECT_EQ(grid->NumHiddenRows(), 2);
  EXPECT_TRUE(grid->IsHiddenRow(3));
  EXPECT_TRUE(grid->IsHiddenRow(4));
  EXPECT_FALSE(grid->IsHiddenRow(5));
  EXPECT_EQ(grid->RealToDisplRow(5), 3);
  EXPECT_EQ(grid->DisplToRealRow(3), 5);
  EXPECT_EQ(grid->DisplToRealRow(2), 2);
  EXPECT_EQ(grid->GetRawCellText(1, 3), "c1r5");
  EXPECT_EQ(grid->GetRawCellText(4, 3), "c4r5");
  std::unique_ptr<TIntList> listed;
  EXPECT_TRUE(grid->IsHiddenRowListed(4, listed));
  ASSERT_NE(listed, nullptr);
  EXPECT_FALSE(grid->IsHiddenRowListed(5, listed));
  const TGridItem* entry = grid->HiddenRows()->Item(1);
  EXPECT_EQ(entry->Idx(), 4);
  EXPECT_EQ(entry->Height(), 35);
  EXPECT_EQ(entry->Level(), 0);
  EXPECT_EQ(entry->Items()->Objects(2), props);

  grid->UnhideRows(5, 5);  // not hidden: nothing
  EXPECT_EQ(grid->RowCount(), 8);

  grid->UnhideRows(3, 4);
  EXPECT_EQ(grid->RowCount(), 10);
  EXPECT_EQ(grid->NumHiddenRows(), 0);
  EXPECT_EQ(grid->RowHeights(3), 30);
  EXPECT_EQ(grid->RowHeights(4), 35);
  EXPECT_EQ(grid->GetCellProperties(2, 4), props);
  for (int row = 0; row < 10; ++row) {
    EXPECT_EQ(grid->GetRawCellText(1, row), "c1r" + std::to_string(row));
    EXPECT_EQ(grid->GetRawCellText(4, row), "c4r" + std::to_string(row));
  }
}

TEST_F(HiddenTest, StackedLevelsUndoneInReverseOrderRestoreTheGridAndEmptyTheStore) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetRowCount(12);
  FillCells(grid);
  for (int row = 0; row < 12; ++row) grid->SetRowHeights(row, 20 + row);
  grid->HideColumn(2);
  const std::vector<std::string> before = ColumnTexts(grid, 2);
  TCellProperties* props = grid->GetCellProperties(3, 7);

  // Node contraction hides 10..11 at level 0 outside the levels.
  grid->HideRows(10, 11);
  TIntList first(0, 0);
  for (int row : {2, 5, 7}) first.Add(row);
  grid->HideRowList(first);
  EXPECT_EQ(grid->HideLevel(), 1);
  EXPECT_EQ(grid->RowCount(), 7);
  // The second level names rows of the grid as the first level left it (rows 1 and 3 are c?r1 and c?r4).
  TIntList second(0, 0);
  for (int row : {1, 3}) second.Add(row);
  grid->HideRowList(second);
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(ColumnTexts(grid, 1), (std::vector<std::string>{"c1r0", "c1r3", "c1r6", "c1r8", "c1r9"}));
  EXPECT_EQ(grid->RowHeights(2), 26);

  grid->UnhideLastLevel();
  grid->SetHideLevel(grid->HideLevel() - 1);
  EXPECT_EQ(ColumnTexts(grid, 1),
            (std::vector<std::string>{"c1r0", "c1r1", "c1r3", "c1r4", "c1r6", "c1r8", "c1r9"}));
  EXPECT_EQ(grid->NumHiddenRows(), 5);

  // Undoing the only level also brings back what node contraction hid, and empties the store.
  grid->UnhideLastLevel();
  grid->SetHideLevel(grid->HideLevel() - 1);
  EXPECT_EQ(grid->RowCount(), 12);
  EXPECT_EQ(grid->NumHiddenRows(), 0);
  EXPECT_EQ(ColumnTexts(grid, 2), before);
  for (int row = 0; row < 12; ++row) {
    EXPECT_EQ(grid->GetRawCellText(1, row), "c1r" + std::to_string(row));
    EXPECT_EQ(grid->RowHeights(row), 20 + row) << row;
  }
  EXPECT_EQ(grid->GetCellProperties(3, 7), props);

  // Nothing to undo without a level: the grid stays as it is.
  grid->UnhideLastLevel();
  EXPECT_EQ(grid->RowCount(), 12);
}

TEST_F(HiddenTest, RowStepsMoveHiddenColumnCellsAndKeepTheCurrentRow) {
  auto* grid = Make<TVxStringGrid>();
  FillCells(grid);
  grid->HideColumn(3);
  grid->MoveToCell(1, 6);

  grid->InsertRowsInternal(2, 2, true);
  EXPECT_EQ(grid->RowCount(), 12);
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->GetRawCellText(3, 2), "");
  EXPECT_EQ(grid->RowHeights(2), grid->DefaultRowHeight());
  EXPECT_EQ(grid->GetRawCellText(3, 4), "c3r2");
  EXPECT_EQ(grid->GetRawCellText(1, 11), "c1r9");

  grid->RemoveRowsInternal(2, 2, true);
  EXPECT_EQ(grid->RowCount(), 10);
  EXPECT_EQ(grid->GetRawCellText(3, 2), "c3r2");
  EXPECT_EQ(grid->Row(), 6);
  EXPECT_EQ(grid->ColWidths(3), grid->DefaultColWidth());
}

}  // namespace
}  // namespace ui::testing
