// The string grid's disjunct selections with their errors, events and order, highlighting round trips,
// the top row, scrolling into view, and hiding and restoring the selection.
#include <string>
#include <vector>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using SelectionTest = fw::testing::StdControlTest;

std::string MessageOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const EVxGridError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST_F(SelectionTest, IndicesOutsideTheGridRaiseTheirMessagesAndChangeNothing) {
  auto* grid = Make<TVxStringGrid>();
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->HideRows(8, 9);  // hidden rows still count as rows
  struct Case {
    const char* what;
    std::function<void()> call;
    const char* message;
  };
  const Case cases[] = {
      {"get row -1", [&] { grid->GetRowSelect(-1); }, "Invalid row -1 accessed"},
      {"get row 10", [&] { grid->GetRowSelect(10); }, "Invalid row 10 accessed"},
      {"get row 9", [&] { grid->GetRowSelect(9); }, "(no error)"},
      {"set row -1", [&] { grid->SetRowSelect(-1, true); }, "Invalid row accessed"},
      {"set row 10", [&] { grid->SetRowSelect(10, true); }, "Invalid row accessed"},
      {"get column -1", [&] { grid->GetColSelect(-1); }, "Invalid column accessed"},
      {"get column 5", [&] { grid->GetColSelect(5); }, "Invalid column accessed"},
      {"set column 5", [&] { grid->SetColSelect(5, true); }, "Invalid column accessed"},
  };
  for (const Case& c : cases) EXPECT_EQ(MessageOf(c.call), c.message) << c.what;
  EXPECT_EQ(grid->SelectedRows()->Count(), 0);
  EXPECT_EQ(grid->GetRowSelectCount(), 0);
}

TEST_F(SelectionTest, DisjunctRowsKeepTheirOrderAndAskBeforeEachChange) {
  auto* grid = Make<TVxStringGrid>();
  grid->MouseActions()->SetDisjunctRowSelect(true);
  std::vector<std::string> events;
  bool allow = true;
  grid->OnRowDisjunctSelect = [&](fw::TObject*, int row, bool state, bool& Allow) {
    events.push_back("ask " + std::to_string(row) + (state ? "+" : "-"));
    Allow = allow;
  };
  grid->OnRowDisjunctSelected = [&](fw::TObject*, int row) { events.push_back("done " + std::to_string(row)); };

  // A row beyond the flags is asked even when it is deselected.
  grid->SetRowSelect(7, false);
  EXPECT_EQ(events, (std::vector<std::string>{"ask 7-", "done 7"}));
  events.clear();

  for (int row : {5, 2, 8}) grid->SetRowSelect(row, true);
  EXPECT_EQ(grid->SelectedRows()->CommaText(), "5,2,8");
  EXPECT_EQ(grid->GetRowSelectCount(), 3);
  EXPECT_TRUE(grid->GetRowSelect(2));
  EXPECT_FALSE(grid->GetRowSelect(3));
  // Selecting a selected row again is not asked, and the list keeps the row once.
  events.clear();
  grid->SetRowSelect(5, true);
  EXPECT_EQ(events, (std::vector<std::string>{"done 5"}));
  EXPECT_EQ(grid->SelectedRows()->CommaText(), "5,2,8");

  // A refusal changes nothing and the second event stays silent.
  allow = false;
  events.clear();
  grid->SetRowSelect(3, true);
  grid->SetRowSelect(2, false);
  EXPECT_EQ(events, (std::vector<std::string>{"ask 3+", "ask 2-"}));
  EXPECT_FALSE(grid->GetRowSelect(3));
  EXPECT_TRUE(grid->GetRowSelect(2));

  allow = true;
  grid->SetRowSelect(2, false);
  EXPECT_EQ(grid->SelectedRows()->CommaText(), "5,8");
  grid->ClearRowSelect();
  EXPECT_EQ(grid->GetRowSelectCount(), 0);
  EXPECT_EQ(grid->SelectedRows()->Count(), 0);

  // Without disjunct selection the selected range answers, in either order.
  grid->MouseActions()->SetDisjunctRowSelect(false);
  grid->SetSelection(fw::TGridRect{1, 6, 2, 3});
  EXPECT_TRUE(grid->GetRowSelect(4));
  EXPECT_FALSE(grid->GetRowSelect(7));
  EXPECT_EQ(grid->GetRowSelectCount(), 4);
}

TEST_F(SelectionTest, RangeTurnsIntoRowAndColumnFlags) {
  auto* grid = Make<TVxStringGrid>();
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetRowSelect(8, true);
  grid->SetSelection(fw::TGridRect{2, 3, 3, 4});
  grid->SelectionToRowSelect(false);
  EXPECT_EQ(grid->SelectedRows()->CommaText(), "8,3,4");
  grid->SelectionToRowSelect(true);
  EXPECT_EQ(grid->SelectedRows()->CommaText(), "3,4");

  grid->SetColSelect(1, true);
  grid->SelectionToColSelect(false);
  EXPECT_TRUE(grid->GetColSelect(1));
  EXPECT_TRUE(grid->GetColSelect(2));
  EXPECT_TRUE(grid->GetColSelect(3));
  grid->SelectionToColSelect(true);
  EXPECT_FALSE(grid->GetColSelect(1));
  grid->ClearColSelect();
  EXPECT_FALSE(grid->GetColSelect(2));
}

TEST_F(SelectionTest, RowMarks) {
  auto* grid = Make<TVxStringGrid>();
  EXPECT_FALSE(grid->GetRowModified(4));
  grid->SetRowModified(4, true);
  EXPECT_TRUE(grid->GetRowModified(4));
  EXPECT_FALSE(grid->GetRowModified(3));
  EXPECT_EQ(grid->ModifiedRows()->CommaText(), "0,0,0,0,1");
  grid->SetRowModified(4, false);
  EXPECT_FALSE(grid->GetRowModified(4));
  EXPECT_TRUE(grid->GetRowEnabled(2));
  grid->DisabledRows()->Add(0);
  grid->DisabledRows()->Add(1);
  EXPECT_FALSE(grid->GetRowEnabled(1));
  EXPECT_TRUE(grid->GetRowEnabled(0));
  EXPECT_TRUE(grid->GetRowEnabled(5));
}

TEST_F(SelectionTest, HighlightRoundTripsReachHiddenColumns) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetCells(2, 3, "xABy");
  grid->SetCells(4, 5, "ab ab");
  grid->SetCells(3, 0, "Tab");
  grid->HideColumn(4);

  grid->HighlightInGrid(false, false, "ab");
  EXPECT_EQ(grid->GetRawCellText(2, 3), "x<hi>AB</hi>y");
  EXPECT_EQ(grid->GetRawCellText(4, 5), "<hi>ab</hi> <hi>ab</hi>");
  EXPECT_EQ(grid->GetRawCellText(3, 0), "Tab");  // fixed row left out
  grid->UnHighlightInGrid(false);
  EXPECT_EQ(grid->GetRawCellText(2, 3), "xABy");
  EXPECT_EQ(grid->GetRawCellText(4, 5), "ab ab");

  grid->HighlightInGrid(true, true, "ab");
  EXPECT_EQ(grid->GetRawCellText(2, 3), "xABy");  // case sensitive
  EXPECT_EQ(grid->GetRawCellText(3, 0), "T<hi>ab</hi>");
  EXPECT_EQ(grid->GetRawCellText(4, 5), "<hi>ab</hi> <hi>ab</hi>");
  grid->UnHighlightInGrid(true);
  EXPECT_EQ(grid->GetRawCellText(3, 0), "Tab");
  EXPECT_EQ(grid->GetRawCellText(4, 5), "ab ab");

  grid->HighlightInColumn(false, false, 2, "b");
  EXPECT_EQ(grid->GetRawCellText(2, 3), "xA<hi>B</hi>y");
  grid->UnHighlightInColumn(false, 2);
  EXPECT_EQ(grid->GetRawCellText(2, 3), "xABy");

  // A merged area is marked once, in its base cell.
  grid->SetCells(1, 7, "ab");
  grid->MergeCells(1, 7, 2, 1);
  grid->HighlightInRange("a", "m", false, 1, 7, 2, 7);
  EXPECT_EQ(grid->GetRawCellText(1, 7), "<m>a</m>b");
  grid->UnHighlightInRange("m", 1, 7, 2, 7);
  EXPECT_EQ(grid->GetRawCellText(1, 7), "ab");
}

TEST_F(SelectionTest, TopRowScrollingAndTheHiddenSelection) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetRowCount(60);
  grid->SetColCount(20);
  ProcessMessages();

  grid->SetTopRow(5);
  ASSERT_EQ(grid->TopRow(), 5);
  for (int row : {0, -1, 60, 100}) {
    grid->SetTopRow(row);
    EXPECT_EQ(grid->GetTopRow(), 5) << row;
  }

  // A cell in view changes neither the current cell nor the view.
  grid->MoveToCell(2, 7);
  const int top = grid->TopRow();
  const int left = grid->LeftCol();
  grid->ScrollInView(3, 8);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 7);
  EXPECT_EQ(grid->TopRow(), top);
  EXPECT_EQ(grid->LeftCol(), left);
  // A cell out of view becomes current and comes into view.
  grid->ScrollInView(15, 40);
  EXPECT_EQ(grid->Row(), 40);
  EXPECT_EQ(grid->Col(), 15);
  EXPECT_LE(grid->TopRow(), 40);
  EXPECT_GT(grid->TopRow() + grid->VisibleRowCount(), 40);
  EXPECT_LE(grid->LeftCol(), 15);
  EXPECT_GT(grid->LeftCol() + grid->VisibleColCount(), 15);
  grid->ScrollInView(20, 3);  // beyond the columns: nothing
  EXPECT_EQ(grid->Row(), 40);

  grid->SetSelection(fw::TGridRect{2, 3, 4, 6});
  grid->HideSelection();
  EXPECT_TRUE(grid->SelectionHidden());
  EXPECT_EQ(grid->Selection().Left, 20);
  EXPECT_EQ(grid->Selection().Top, 60);
  grid->RestoreSelection();
  EXPECT_FALSE(grid->SelectionHidden());
  EXPECT_EQ(grid->Selection().Left, 2);
  EXPECT_EQ(grid->Selection().Top, 3);
  EXPECT_EQ(grid->Selection().Right, 4);
  EXPECT_EQ(grid->Selection().Bottom, 6);

  // A remembered range that no longer lies in the grid gives the first normal cell.
  grid->SetSelection(fw::TGridRect{2, 50, 2, 50});
  grid->HideSelection();
  grid->SetRowCount(30);
  grid->RestoreSelection();
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 1);
}

TEST_F(SelectionTest, SetRowReportsRowChangesOnceAndFollowsWithTheRowFlags) {
  auto* grid = Make<TVxStringGrid>();
  std::vector<std::pair<int, int>> reports;
  grid->OnRowUpdate = [&](fw::TObject*, int oldRow, int newRow) { reports.emplace_back(oldRow, newRow); };
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetRow(3);
  grid->SetRow(3);
  grid->SetRow(6);
  EXPECT_EQ(reports, (std::vector<std::pair<int, int>>{{0, 3}, {3, 6}}));
  EXPECT_EQ(grid->Row(), 6);
  // The rows the current row passed stay selected: only the range's rows are written.
  EXPECT_EQ(grid->SelectedRows()->CommaText(), "3,6");
}

}  // namespace
}  // namespace ui::testing
