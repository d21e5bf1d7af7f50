// The switch and output monitor grids: which assignments they list, what the status column says, when the
// output grid refills, and how their cells are drawn.
#include <windows.h>

#include <cstring>

#include "main_form_fixture.h"
#include "tests/framework/ui_test_support.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/grid/model/string_grid.h"

namespace trelvik::testing {
namespace {

class MonitorGridsTest : public MainFormTest {
 protected:
  TZedArave* FormWithBoards() {
    FakeBoard mcp{"330AAAAA0001", "330A", 40};
    mcp.positions = {{4, 1}};
    mcp.unreadable = {9};
    Boards().boards = {mcp};
    TZedArave* form = MakeForm();
    std::int32_t session = 0;
    Api().Bind("330AAAAA0001", &session);  // the stand-in gives out the session
    form->board_table[1] = {"330AAAAA0001", session, "VDK CTRL MCP", "330A"};
    std::memcpy(form->board_info[1].model, "330A", 4);
    session_ = session;
    return form;
  }
  static std::vector<std::string> Row(ui::TVxStringGrid* grid, int row) {
    std::vector<std::string> texts;
    for (int c = 0; c < 4; ++c) texts.push_back(grid->Cells(c, row));
    return texts;
  }
  static tinput_assignments Input(const std::string& name, const std::string& board, int number, int state) {
    tinput_assignments r;
    r.name = name;
    r.board = board;
    r.switch_no = number;
    r.switch_state = state;
    r.board2 = "NotAssigned";
    return r;
  }
  std::int32_t session_ = 0;
};

TEST_F(MonitorGridsTest, SwitchGridListsEveryAssignedSwitchOfABoundBoard) {
  TZedArave* form = FormWithBoards();
  ui::TVxStringGrid* grid = form->stringgrid1;
  form->write_switch_states();  // no assignments: the header alone
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"Board", "Function", "Button", "Status"}));
  EXPECT_EQ(grid->ColWidths(1), 285);
  EXPECT_EQ(grid->FixedRows(), 1);

  form->input_assignments[1] = Input("Gear", "330AAAAA0001", 4, 1);
  // An unbound main board hides the bound second switch as well.
  form->input_assignments[2] = Input("Hidden", "3311FFFF0009", 2, 1);
  form->input_assignments[2].board2 = "330AAAAA0001";
  form->input_assignments[2].switch2_no = 4;
  // No main switch: the second one is listed, here on its OFF event.
  form->input_assignments[3] = Input("Door", "NotAssigned", 0, 1);
  form->input_assignments[3].board2 = "330AAAAA0001";
  form->input_assignments[3].switch2_no = 5;
  form->input_assignments[4] = Input("Lights", "330AAAAA0001", 4, 0);
  form->input_assignments[5] = Input("Broken", "330AAAAA0001", 9, 1);
  form->write_switch_states();
  ASSERT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"VDK CTRL MCP", "Gear", "4", "ON"}));
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"VDK CTRL MCP", "Door - [UP EVENT]", "5", "ON"}));
  EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"VDK CTRL MCP", "Lights - [UP EVENT]", "4", "OFF"}));
  EXPECT_EQ(Row(grid, 4), (std::vector<std::string>{"VDK CTRL MCP", "Broken", "9", "?"}));

  // Fewer assignments later: the rows beyond keep what an earlier fill left.
  form->input_assignments[1] = {};
  form->input_assignments[3] = {};
  form->input_assignments[4] = {};
  form->input_assignments[5] = {};
  form->write_switch_states();
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(Row(grid, 4), (std::vector<std::string>{"VDK CTRL MCP", "Broken", "9", "?"}));

  // Showing the page empties both grids before the switch grid is filled again.
  form->pagecontrol1->SelectPage(5);
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>(4)));
  EXPECT_EQ(grid->Cells(3, 0), "Status");
}

TEST_F(MonitorGridsTest, OutputGridRefillsOnlyWhileItsPageIsShown) {
  TZedArave* form = FormWithBoards();
  form->output_assignments[1] = {"Gear Light", "330AAAAA0001", 3, "", 1, "", 0, 0, 0};
  form->output_assignments[2] = {"Unbound", "3311FFFF0009", 3, "", 1, "", 0, 0, 0};
  form->output_assignments[3] = {"Fan", "330AAAAA0001", 7, "", 0, "", 0, 0, 0};
  form->write_Output_states();
  EXPECT_EQ(form->stringgrid2->RowCount(), 1);
  EXPECT_EQ(form->stringgrid2->Cells(2, 0), "");

  form->pagecontrol1->SelectPage(5);
  form->write_Output_states();
  ASSERT_EQ(form->stringgrid2->RowCount(), 3);
  EXPECT_EQ(Row(form->stringgrid2, 0), (std::vector<std::string>{"Board", "Function", "LED", "Status"}));
  EXPECT_EQ(Row(form->stringgrid2, 1), (std::vector<std::string>{"VDK CTRL MCP", "Gear Light", "3", "ON"}));
  EXPECT_EQ(Row(form->stringgrid2, 2), (std::vector<std::string>{"VDK CTRL MCP", "Fan", "7", "OFF"}));
}

// Dark pixels of a rectangle of the bitmap: their count and the mean x.
struct Ink {
  int count = 0;
  double meanX = 0;
};

Ink InkIn(const fw::testing::MemoryBitmap& bitmap, const RECT& r) {
  Ink ink;
  long long sumX = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const fw::TColor c = bitmap.Pixel(x, y);
      if ((c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80 && ((c >> 16) & 0xFF) < 0x80) {
        ++ink.count;
        sumX += x;
      }
    }
  }
  if (ink.count > 0) ink.meanX = static_cast<double>(sumX) / ink.count;
  return ink;
}

TEST_F(MonitorGridsTest, CellsAreCentredInTheFunctionAndStatusColumnsAndOnCellsAndTheHeaderAreBold) {
  TZedArave* form = MakeForm();
  ui::TVxStringGrid* grid = form->stringgrid1;
  form->write_switch_states();
  grid->SetRowCount(3);
  grid->SetCells(2, 1, "Status");  // a plain cell: the grid's own left-aligned text
  grid->SetCells(3, 1, "OFF");     // centred
  grid->SetCells(2, 2, "ON");      // bold and centred whatever the column
  grid->SetCells(0, 2, "NO");
  fw::testing::MemoryBitmap bitmap(grid->Width(), grid->Height());
  grid->PaintTo(bitmap.DC(), 0, 0);

  const int h = grid->DefaultRowHeight();
  const auto cell = [&](int col, int row) {
    const fw::TRect r = grid->CellRectEx(col, row);
    return RECT{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  };
  const Ink plain = InkIn(bitmap, cell(2, 1));
  const Ink header = InkIn(bitmap, cell(3, 0));  // the header "Status": bold, 12 points, centred
  EXPECT_GT(plain.count, 0);
  EXPECT_GT(header.count, plain.count * 3 / 2);
  EXPECT_LT(plain.meanX, 450 + 75 / 2);  // left part of column 2 (x 435..510)
  EXPECT_NEAR(header.meanX, 510 + 75 / 2.0, 4);

  const Ink off = InkIn(bitmap, cell(3, 1));
  EXPECT_NEAR(off.meanX, 510 + 75 / 2.0, 4);
  const Ink on = InkIn(bitmap, cell(2, 2));
  const Ink no = InkIn(bitmap, cell(0, 2));
  EXPECT_NEAR(on.meanX, 435 + 75 / 2.0, 4);
  EXPECT_GT(on.count, no.count * 3 / 2);
  EXPECT_EQ(bitmap.Pixel(436, 2 * h + 1), static_cast<fw::TColor>(0xFFFFFF));
}

}  // namespace
}  // namespace trelvik::testing
