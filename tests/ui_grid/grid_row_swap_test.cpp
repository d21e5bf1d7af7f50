// Row swap with everything that travels with a row, the selection test and text, rotated text placement,
// the line reader of the CSV import, and the real-row reads of hidden rows.
#include <windows.h>

#include <string>

#include "framework/rtl/exceptions.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/file_string_list.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using RowSwapTest = fw::testing::StdControlTest;

TEST_F(RowSwapTest, SwappedRowsTakeTextsObjectsHeightsHiddenCellsAndBothMarks) {
  auto* grid = Make<TVxStringGrid>();
  for (int col = 0; col < 5; ++col) {
    grid->SetCells(col, 2, "a" + std::to_string(col));
    grid->SetCells(col, 6, "b" + std::to_string(col));
  }
  grid->SetRowHeights(2, 31);
  TCellProperties* props = grid->GetCellProperties(1, 2);
  grid->HideColumn(4);
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->Navigation()->SetMoveRowOnSort(true);
  grid->ShowModified()->SetEnabled(true);
  grid->SetRowSelect(2, true);
  grid->SetRowModified(6, true);

  grid->SwapRows(2, 6);
  for (int col = 0; col < 5; ++col) {
    EXPECT_EQ(grid->GetRawCellText(col, 2), "b" + std::to_string(col));
    EXPECT_EQ(grid->GetRawCellText(col, 6), "a" + std::to_string(col));
  }
  EXPECT_EQ(grid->GetCellProperties(1, 6), props);
  EXPECT_FALSE(grid->HasCellProperties(1, 2));
  EXPECT_EQ(grid->RowHeights(6), 31);
  EXPECT_EQ(grid->RowHeights(2), grid->DefaultRowHeight());
  EXPECT_TRUE(grid->GetRowSelect(6));
  EXPECT_FALSE(grid->GetRowSelect(2));
  EXPECT_TRUE(grid->GetRowModified(2));
  EXPECT_FALSE(grid->GetRowModified(6));

  grid->SwapRows(3, 3);
  EXPECT_EQ(grid->GetRawCellText(1, 6), "a1");
  EXPECT_EQ(grid->GetCellProperties(1, 6), props);
  EXPECT_TRUE(grid->GetRowSelect(6));
}

TEST_F(RowSwapTest, SelectionTestAndText) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetCells(1, 1, "a");
  grid->SetCells(2, 1, "b");
  grid->SetCells(1, 2, "c");
  grid->SetCells(2, 2, "d");
  grid->SetSelection(fw::TGridRect{1, 1, 2, 2});
  std::string text;
  grid->GetSelectionAsText(text);
  EXPECT_EQ(text, "a\tb\r\nc\td");
  EXPECT_TRUE(grid->IsSelected(2, 2));
  EXPECT_FALSE(grid->IsSelected(3, 2));

  // A fixed cell is never selected, even inside the selected rectangle.
  grid->SetSelection(fw::TGridRect{1, 1, 3, 3});
  grid->SetFixedCols(2);
  EXPECT_FALSE(grid->IsSelected(1, 2));
  EXPECT_TRUE(grid->IsSelected(2, 2));
  EXPECT_FALSE(grid->IsSelected(2, 0));
  grid->SetFixedCols(1);

  // Disjunct rows write their marked rows, in grid order, over the selected columns.
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetRowSelect(2, true);
  grid->SetRowSelect(1, true);
  grid->SetSelection(fw::TGridRect{1, 5, 1, 5});
  grid->GetSelectionAsText(text);
  EXPECT_EQ(text, "a\r\nc");
  EXPECT_TRUE(grid->IsSelected(3, 1));
  EXPECT_FALSE(grid->IsSelected(1, 3));

  grid->MouseActions()->SetDisjunctRowSelect(false);
  grid->MouseActions()->SetDisjunctCellSelect(true);
  grid->SelectedCells()->Add(TVxStringGrid::CellKey(3, 4));
  EXPECT_TRUE(grid->IsSelected(3, 4));
  EXPECT_FALSE(grid->IsSelected(4, 3));
}

TEST_F(RowSwapTest, RotatedTextStartsAtTheAnglesCorner) {
  auto* grid = Make<TVxStringGrid>();
  ProcessMessages();
  SIZE size{};
  const std::string text = "Rotated";
  GetTextExtentPoint32A(grid->Canvas()->Handle(), text.c_str(), static_cast<int>(text.size()), &size);
  ASSERT_GT(size.cx, 0);

  fw::TRect rect{10, 20, 200, 150};
  grid->PlaceRotatedText(rect, 0, 0, 0, text);
  EXPECT_EQ(rect.Left, 12);
  EXPECT_EQ(rect.Top, 22);
  EXPECT_EQ(rect.Right, 198);
  EXPECT_EQ(rect.Bottom, 148);

  // At 90 degrees the text runs upwards from W pixels below the inset top.
  rect = fw::TRect{10, 20, 200, 150};
  grid->PlaceRotatedText(rect, 90, 0, 0, text);
  EXPECT_EQ(rect.Left, 12);
  EXPECT_EQ(rect.Top, 22 + size.cx);

  // Bottom and right at 0 degrees: the text's height above the bottom, its width left of the right edge.
  rect = fw::TRect{10, 20, 200, 150};
  grid->PlaceRotatedText(rect, 0, 2, 1, text);
  EXPECT_EQ(rect.Left, 198 - size.cx);
  EXPECT_EQ(rect.Top, 148 - size.cy);
}

TEST_F(RowSwapTest, FileStringListReadsLineByLine) {
  TFileStringList lines;
  EXPECT_TRUE(lines.AtEnd());
  lines.Add("one");
  lines.Add("two");
  std::string line;
  lines.ReadLine(line);
  EXPECT_EQ(line, "one");
  lines.ReadLine(line);
  EXPECT_EQ(line, "two");
  EXPECT_TRUE(lines.AtEnd());
  EXPECT_ANY_THROW(lines.ReadLine(line));
  lines.Rewind();
  EXPECT_FALSE(lines.AtEnd());
  lines.ReadLine(line);
  EXPECT_EQ(line, "one");
}

TEST_F(RowSwapTest, RealRowReadsAndTheColumnFilterSeeHiddenRows) {
  auto* grid = Make<TVxStringGrid>();
  for (int row = 1; row < 10; ++row) grid->SetCells(1, row, "v" + std::to_string(row % 4));
  TCellProperties* props = grid->GetCellProperties(1, 5);
  grid->HideRows(4, 6);
  EXPECT_EQ(grid->RealRowText(1, 5), "v1");
  EXPECT_EQ(grid->RealRowObject(1, 5), props);
  EXPECT_EQ(grid->RealRowText(1, 8), "v0");  // a shown row, read at its display row
  EXPECT_EQ(grid->RealRowHiddenStrings(3), nullptr);
  ASSERT_NE(grid->RealRowHiddenStrings(6), nullptr);
  EXPECT_EQ(grid->RealRowHiddenStrings(6)->Strings(1), "v2");

  // Rows 4..6 hold v0, v1, v2; only v3 (row 3, 7) and v0 (row 8) are shown beside them.
  TIntList filtered(0, 0);
  filtered.Add(1);
  grid->HideRowList(filtered);  // hides v1 of row 1 as well
  grid->FilterDropDownAuto = true;
  grid->FilterDropDownClear = "";
  ASSERT_TRUE(grid->GetColumnFilter(1));
  EXPECT_EQ(grid->DistinctValues()->CommaText(), "v0,v1,v2,v3");
}

}  // namespace
}  // namespace ui::testing
