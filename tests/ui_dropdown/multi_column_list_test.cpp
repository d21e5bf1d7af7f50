// The multi-column drop-down's open list: incremental search, Esc, the wheel, clicks outside, on the header
// and on rows, the widths and heights the list takes at each opening and the header's fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "framework/controls/draw_text.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "tests/ui_dropdown/multi_column_test_support.h"

namespace ui::testing {
namespace {

using MultiColumnListTest = MultiColumnTest;

// A client point in the middle of a grid row, in the first column.
LPARAM RowPoint(TMultiColumnGrid* grid, int row) {
  const fw::TRect cell = grid->CellRect(0, row);
  return MAKELPARAM(cell.Left + 5, (cell.Top + cell.Bottom) / 2);
}

std::vector<int> ColWidths(TMultiColumnGrid* grid) {
  std::vector<int> widths;
  for (int c = 0; c < grid->ColCount(); ++c) widths.push_back(grid->ColWidths(c));
  return widths;
}

TEST_F(MultiColumnListTest, TypingInTheOpenListSearchesTheLookupTexts) {
  auto* list = MakeList();
  ASSERT_TRUE(OpenList(list));
  TMultiColumnGrid* grid = list->ListGrid();
  const HWND window = grid->Handle();
  Char(window, 'b');
  EXPECT_EQ(State(list), (EditState{"Banana", 1, 5, 1}));
  EXPECT_EQ(grid->Row(), 2);
  Char(window, 'a');
  EXPECT_EQ(State(list), (EditState{"Banana", 2, 4, 1}));
  EXPECT_EQ(list->LookupEntry(), "ba");
  // Neither "baq" nor "q" leads anywhere: the entry is dropped, the row stays.
  Char(window, 'q');
  EXPECT_EQ(list->LookupEntry(), "");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(grid->Row(), 2);
  // A character typed after a dead end starts a new entry.
  Char(window, 'a');
  EXPECT_EQ(list->LookupEntry(), "a");
  EXPECT_EQ(State(list), (EditState{"Apple", 1, 4, 0}));
  EXPECT_EQ(grid->Row(), 1);
  // Backspace removes the selected rest and searches nothing; the entry starts again.
  Char(window, '\b');
  EXPECT_EQ(State(list), (EditState{"A", 1, 0, 0}));
  EXPECT_EQ(list->LookupEntry(), "");
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_TRUE(list->DroppedDown());
}

TEST_F(MultiColumnListTest, TheSearchComparesCaseOnlyWhenCaseSensitive) {
  for (const bool caseSensitive : {false, true}) {
    SCOPED_TRACE(caseSensitive);
    auto* list = MakeList();
    list->SetCaseSensitive(caseSensitive);
    ASSERT_TRUE(OpenList(list));
    const HWND window = list->ListGrid()->Handle();
    Char(window, 'B');
    EXPECT_EQ(list->ItemIndex(), 1);
    // Case-sensitive, "BA" is no start of "Banana": the search restarts with the A alone.
    Char(window, 'A');
    EXPECT_EQ(list->ItemIndex(), caseSensitive ? 0 : 1);
    EXPECT_EQ(list->Text(), caseSensitive ? "Apple" : "Banana");
    EXPECT_EQ(list->LookupEntry(), caseSensitive ? "A" : "BA");
    list->CloseUp(false);
    list->Free();
  }
}

TEST_F(MultiColumnListTest, EscapeGivesBackTheRowOfTheOpeningAndOtherClosingsKeepTheLastMove) {
  auto* list = MakeList({{"Apple"}, {"Banana"}, {"Cherry"}}, 1);
  list->SetItemIndex(0);
  ASSERT_TRUE(OpenList(list));
  TMultiColumnGrid* grid = list->ListGrid();
  EXPECT_EQ(grid->Row(), 1);
  // The row follows the list's current row while it is open.
  Stroke(grid->Handle(), VK_DOWN);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(State(list).ItemIndex, 1);
  EXPECT_EQ(list->Text(), "Banana");
  EXPECT_TRUE(list->DroppedDown());
  KeyDown(grid->Handle(), VK_ESCAPE);
  EXPECT_FALSE(list->DroppedDown());
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->Text(), "Apple");

  // A click outside keeps the row last moved to with a key.
  ASSERT_TRUE(OpenList(list));
  Stroke(grid->Handle(), VK_DOWN);
  Stroke(grid->Handle(), VK_DOWN);
  ASSERT_TRUE(ActivateOtherForm());
  EXPECT_FALSE(list->DroppedDown());
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Text(), "Cherry");
}

TEST_F(MultiColumnListTest, TheWheelMovesTheListWithoutChoosing) {
  auto* list = MakeList({{"Apple"}, {"Banana"}, {"Cherry"}}, 1);
  list->SetItemIndex(0);
  ASSERT_TRUE(OpenList(list));
  TMultiColumnGrid* grid = list->ListGrid();
  POINT screen{5, 40};
  ClientToScreen(grid->Handle(), &screen);
  const LPARAM at = MAKELPARAM(screen.x, screen.y);
  Post(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at);
  Post(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(State(list).ItemIndex, 0);
  EXPECT_EQ(list->Text(), "Apple");
  // A click outside after wheel steps keeps the old row.
  ASSERT_TRUE(ActivateOtherForm());
  EXPECT_FALSE(list->DroppedDown());
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->Text(), "Apple");
}

TEST_F(MultiColumnListTest, ClicksPickDataRowsButNotTheHeader) {
  auto* list = MakeList({{"Apple"}, {"Banana"}, {"Cherry"}}, 1);
  int selects = 0;
  list->OnSelect = [&](fw::TObject* Sender) {
    EXPECT_EQ(Sender, list);
    ++selects;
  };
  list->SetItemIndex(0);
  ASSERT_TRUE(OpenList(list));
  TMultiColumnGrid* grid = list->ListGrid();
  const HWND window = grid->Handle();

  // The header: nothing is picked, the list stays open.
  Post(window, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(grid, 0));
  Post(window, WM_LBUTTONUP, 0, RowPoint(grid, 0));
  EXPECT_TRUE(list->DroppedDown());
  EXPECT_EQ(selects, 0);
  EXPECT_EQ(list->ItemIndex(), 0);

  // A right click does not move the current row: its release picks the row that was current.
  Post(window, WM_RBUTTONDOWN, MK_RBUTTON, RowPoint(grid, 3));
  EXPECT_EQ(grid->Row(), 1);
  Post(window, WM_RBUTTONUP, 0, RowPoint(grid, 3));
  EXPECT_FALSE(list->DroppedDown());
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->Text(), "Apple");

  // A left click on a row picks it.
  ASSERT_TRUE(OpenList(list));
  Post(window, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(grid, 3));
  Post(window, WM_LBUTTONUP, 0, RowPoint(grid, 3));
  EXPECT_FALSE(list->DroppedDown());
  EXPECT_EQ(selects, 2);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Text(), "Cherry");

  // Enter in the list picks the current row too.
  ASSERT_TRUE(OpenList(list));
  Stroke(window, VK_UP);
  KeyDown(window, VK_RETURN);
  EXPECT_FALSE(list->DroppedDown());
  EXPECT_EQ(selects, 3);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Text(), "Banana");
}

TEST_F(MultiColumnListTest, ColumnWidthsAreKeptWhenTheyFitAndScaledWithTheErrorSpreadWhenNot) {
  struct Case {
    const char* name;
    std::vector<int> widths;
    int popupWidth;  // 0: the table's own width
    std::vector<int> expected;
    int items = 1;
  };
  const std::vector<Case> cases{
      {"the table's own width", {100, 100, 100}, 0, {100, 100, 100}},
      {"the table's own width with a scroll bar", {100, 100, 100}, 0, {100, 100, 100}, 30},
      {"a pop-up one pixel wider than the columns", {100, 100, 100}, 301, {100, 100, 100}},
      {"the third column takes the pixel the errors add up to", {39, 39, 39, 39}, 102, {25, 25, 26, 25}},
      {"a half rounds to the even neighbour", {49, 50}, 101, {49, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* list = MakeList(Rows(static_cast<size_t>(c.items), {"a", "b", "c", "d"}), static_cast<int>(c.widths.size()));
    for (size_t i = 0; i < c.widths.size(); ++i) list->Columns()->Items(static_cast<int>(i))->SetWidth(c.widths[i]);
    if (c.popupWidth > 0) {
      list->SetDropDownAutoWidth(false);
      list->SetDropDownWidth(c.popupWidth);
    }
    ASSERT_TRUE(OpenList(list));
    // The table's own width: its columns, the scroll bar when not every row shows, and the pop-up's border.
    const int scrollBar = c.items > 5 ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    EXPECT_EQ(list->DropDownForm()->Width(), c.popupWidth > 0 ? c.popupWidth : 300 + scrollBar + 2);
    EXPECT_EQ(ColWidths(list->ListGrid()), c.expected);
    for (size_t i = 0; i < c.widths.size(); ++i) {
      EXPECT_EQ(list->Columns()->Items(static_cast<int>(i))->Width(), c.widths[i]);
      EXPECT_EQ(list->ListGrid()->Columns()->Items(static_cast<int>(i))->Width(), c.widths[i]);
    }
    list->CloseUp(false);
    list->Free();
  }
}

TEST_F(MultiColumnListTest, AutoSizedColumnsFitTheirLongestTextAndWrappedRowsGrow) {
  const std::string longText = "a text long enough to wrap over several lines";
  auto* list = MakeList({{"x", "short", longText}, {"a much longer text", "", "y"}}, 3);
  list->SetColumnSizeWithDropDown(false);
  list->Columns()->Items(0)->SetAutoSize(true);
  list->Columns()->Items(1)->SetAutoSize(true);
  list->Columns()->Items(1)->Font()->SetSize(16);
  TDropDownColumn* wrapped = list->Columns()->Items(2);
  wrapped->SetWordwrap(true);
  wrapped->SetWidth(60);
  ASSERT_TRUE(OpenList(list));
  TMultiColumnGrid* grid = list->ListGrid();
  fw::TCanvas* canvas = list->DropDownForm()->Canvas();
  const auto textWidth = [&](TDropDownColumn* column, const std::string& text) {
    canvas->SetFont(column->Font());
    SIZE size{};
    dropdown::GetTextSize(canvas, text, size);
    return static_cast<int>(size.cx) + 6;
  };
  EXPECT_EQ(grid->ColWidths(0), textWidth(list->Columns()->Items(0), "a much longer text"));
  EXPECT_EQ(grid->ColWidths(1), textWidth(list->Columns()->Items(1), "short"));
  // The measured width is written to the list's own copy of the column.
  EXPECT_EQ(grid->Columns()->Items(0)->Width(), grid->ColWidths(0));
  canvas->SetFont(wrapped->Font());
  const int wrappedHeight = fw::DrawCanvasText(canvas, longText, fw::TRect{0, 0, 60, 500}, DT_CALCRECT | DT_WORDBREAK).Height() + 6;
  ASSERT_GT(wrappedHeight, 24);
  EXPECT_EQ(grid->RowHeights(0), 25);
  EXPECT_EQ(grid->RowHeights(1), wrappedHeight);
  // Any wrapped column makes a data row at least 24 pixels high.
  EXPECT_EQ(grid->RowHeights(2), 24);
  list->CloseUp(false);

  // Without items an auto-sized column is 0 wide.
  Fill(list, {});
  ASSERT_TRUE(OpenList(list));
  EXPECT_EQ(grid->ColWidths(0), 0);
}

TEST_F(MultiColumnListTest, TheHeaderIsAGradientOrAPlainFillWithoutItsSecondColour) {
  for (const fw::TColor colorTo : {fw::TColor{0x0000FF}, fw::clNone}) {
    SCOPED_TRACE(colorTo);
    auto* list = MakeList();
    list->SetHeaderColor(0x00FF00);
    list->SetHeaderColorTo(colorTo);
    ASSERT_TRUE(OpenList(list));
    TMultiColumnGrid* grid = list->ListGrid();
    fw::testing::MemoryBitmap bitmap(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.DC(), 0, 0);
    const fw::TRect header = grid->CellRect(0, 0);
    const fw::TColor top = bitmap.Pixel(header.Left + 10, header.Top + 1);
    const fw::TColor bottom = bitmap.Pixel(header.Left + 10, header.Bottom - 3);
    if (colorTo == fw::clNone) {
      EXPECT_EQ(top, 0x00FF00u);
      EXPECT_EQ(bottom, 0x00FF00u);
    } else {
      // From green at the top towards red at the bottom.
      EXPECT_GT(top & 0xFF00, 0xE000u);
      EXPECT_LT(top & 0xFF, 0x20u);
      EXPECT_GT(bottom & 0xFF, 0xE0u);
      EXPECT_LT(bottom & 0xFF00, 0x2000u);
    }
    list->CloseUp(false);
    list->Free();
  }
}

TEST_F(MultiColumnListTest, TheListGridsConstructionAndItsDialogKeys) {
  auto* list = MakeList();
  TMultiColumnGrid* grid = list->ListGrid();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->DropDown(), list);
  EXPECT_EQ(grid->Owner(), list);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_EQ(grid->FixedCols(), 0);
  const fw::TGridOptions options = grid->Options();
  EXPECT_TRUE(options.Contains(fw::goHorzLine));
  EXPECT_TRUE(options.Contains(fw::goRowSelect));
  EXPECT_FALSE(options.Contains(fw::goRangeSelect));
  EXPECT_FALSE(options.Contains(fw::goDrawFocusSelected));
  EXPECT_FALSE(grid->DefaultDrawing());
  EXPECT_FALSE(grid->Ctl3D());
  EXPECT_FALSE(grid->ParentCtl3D());
  EXPECT_EQ(grid->BorderStyle(), fw::bsNone);
  // The grid draws its one-pixel lines itself; the framework's stay at 0.
  EXPECT_EQ(grid->GridLineWidth(), 1);
  EXPECT_EQ(static_cast<fw::TCustomGrid*>(grid)->GridLineWidth(), 0);
  grid->SetGridLineWidth(3);
  EXPECT_EQ(grid->GridLineWidth(), 3);
  EXPECT_EQ(static_cast<fw::TCustomGrid*>(grid)->GridLineWidth(), 0);
  EXPECT_EQ(grid->HeaderHeight(), 25);
  EXPECT_EQ(grid->HeaderColor(), 0xFFFFFFu);
  EXPECT_EQ(grid->HeaderColorTo(), 0x808080u);
  EXPECT_EQ(grid->LineColor(), 0x808080u);
  EXPECT_EQ(grid->FixedLineColor(), 0u);
  EXPECT_EQ(grid->Columns()->GetOwner(), grid);
  EXPECT_EQ(SendMessageA(grid->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTTAB);

  // Tab goes nowhere in the list: no key event, no move.
  ASSERT_TRUE(OpenList(list));
  std::vector<WORD> keys;
  list->OnKeyDown = [&](fw::TObject*, WORD& Key, fw::TShiftState) { keys.push_back(Key); };
  KeyDown(grid->Handle(), VK_TAB);
  EXPECT_TRUE(keys.empty());
  // Keys other than the list's own go on to the edit.
  KeyDown(grid->Handle(), VK_F5);
  KeyDown(grid->Handle(), VK_DOWN);
  EXPECT_EQ(keys, std::vector<WORD>{VK_F5});
  EXPECT_TRUE(list->DroppedDown());
}

TEST_F(MultiColumnListTest, TheListOpensOnTheCurrentRowAsTheLastVisibleOne) {
  Rows rows;
  for (int i = 0; i < 30; ++i) rows.push_back({"row " + std::to_string(i)});
  auto* list = MakeList(rows, 1);
  list->SetItemIndex(20);
  ASSERT_TRUE(OpenList(list));
  TMultiColumnGrid* grid = list->ListGrid();
  EXPECT_EQ(grid->Row(), 21);
  EXPECT_EQ(grid->TopRow(), 21 - grid->VisibleRowCount() + 1);
  EXPECT_EQ(list->ItemIndex(), 20);
}

TEST_F(MultiColumnListTest, TheDrawingEventsOfTheDropDownReachEveryCell) {
  auto* list = MakeList();
  list->Columns()->Items(0)->SetHeader("Fruit");
  // The texts the cells would show, named by the event; an empty name leaves the cell without text.
  std::vector<std::string> named;
  bool blank = false;
  list->OnDropDownGetItemText = [&](fw::TObject* Sender, int Column, int Row, std::string& Text) {
    EXPECT_EQ(Sender, list);
    named.push_back(std::to_string(Column) + "," + std::to_string(Row) + "=" + Text);
    if (blank) Text.clear();
  };
  ASSERT_TRUE(OpenList(list));
  TMultiColumnGrid* grid = list->ListGrid();
  const auto painted = [&] {
    fw::testing::MemoryBitmap bitmap(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.DC(), 0, 0);
    const fw::TRect cell = grid->CellRect(0, 2);
    std::vector<fw::TColor> pixels;
    for (int y = cell.Top + 2; y < cell.Bottom - 2; ++y) {
      for (int x = cell.Left + 2; x < cell.Right - 2; ++x) pixels.push_back(bitmap.Pixel(x, y));
    }
    return pixels;
  };
  const std::vector<fw::TColor> withText = painted();
  EXPECT_NE(std::find(named.begin(), named.end(), "1,2=yellow"), named.end());
  // A header cell is asked with the grid's own (empty) text; its header text comes after the event.
  EXPECT_NE(std::find(named.begin(), named.end(), "0,0="), named.end());
  blank = true;
  EXPECT_NE(painted(), withText);

  // OnDropDownDrawItem draws every cell itself, on the grid's canvas: nothing else is drawn.
  std::vector<std::pair<int, int>> cells;
  list->OnDropDownDrawItem = [&](fw::TObject* Sender, int Column, int Row, fw::TCanvas* ACanvas, fw::TRect ARect) {
    EXPECT_EQ(Sender, list);
    cells.emplace_back(Column, Row);
    ACanvas->Brush()->SetColor(0x00FF00);
    ACanvas->FillRect(ARect);
  };
  named.clear();
  const std::vector<fw::TColor> drawn = painted();
  EXPECT_TRUE(named.empty());
  EXPECT_EQ(drawn, std::vector<fw::TColor>(drawn.size(), 0x00FF00));
  for (const std::pair<int, int>& cell : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 2}, std::pair{1, 2}}) {
    EXPECT_NE(std::find(cells.begin(), cells.end(), cell), cells.end());
  }
}

}  // namespace
}  // namespace ui::testing
