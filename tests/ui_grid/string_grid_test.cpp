// The string grid: cell texts with merged areas, the row count, a row's string list and the cell painting
// with OnDrawCell, painted into memory bitmaps.
#include <windows.h>

#include <vector>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using fw::testing::MemoryBitmap;
using GridTest = fw::testing::StdControlTest;

TEST_F(GridTest, StartsWithTheStringGridsSizesAndOneFixedRowAndColumn) {
  auto* grid = Make<TVxStringGrid>();
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(grid->RowCount(), 10);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->DefaultRowHeight(), 22);
  EXPECT_EQ(grid->RowHeights(9), 22);
  EXPECT_EQ(grid->ColWidths(4), 64);
  EXPECT_EQ(grid->Cells(4, 9), "");
  // The framework's grid keeps a cell beyond the counts; a negative index is the cell store's list error.
  grid->SetCells(0, 10, "x");
  EXPECT_EQ(grid->Cells(0, 10), "x");
  EXPECT_THROW(grid->Cells(-1, 0), fw::EListError);
  // Its own grid lines and default drawing stay off: the grid draws both itself.
  EXPECT_EQ(static_cast<fw::TCustomGrid*>(grid)->GridLineWidth(), 0);
  EXPECT_FALSE(static_cast<fw::TCustomGrid*>(grid)->DefaultDrawing());
  EXPECT_EQ(grid->GridLineWidth(), 1);
}

TEST_F(GridTest, MergedAreaReadsAndWritesItsBaseCell) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetCells(1, 2, "base");
  grid->SetCells(3, 3, "hidden");
  grid->MergeCells(1, 2, 3, 2);

  struct Case {
    int col, row;
    bool merged, xmerged;
    fw::TPoint base;
  };
  const Case cases[] = {{1, 2, true, false, {1, 2}}, {3, 3, true, true, {1, 2}}, {2, 2, true, true, {1, 2}},
                        {1, 3, true, true, {1, 2}},   {4, 3, false, false, {4, 3}}, {0, 2, false, false, {0, 2}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row));
    EXPECT_EQ(grid->IsMergedCell(c.col, c.row), c.merged);
    EXPECT_EQ(grid->IsXMergedCell(c.col, c.row), c.xmerged);
    EXPECT_EQ(grid->IsBaseCell(c.col, c.row), !c.xmerged);
    EXPECT_EQ(grid->SpansColumns(c.col, c.row), c.merged);
    EXPECT_EQ(grid->SpansRows(c.col, c.row), c.merged);
    EXPECT_EQ(grid->BaseCellOf(c.col, c.row).X, c.base.X);
    EXPECT_EQ(grid->BaseCellOf(c.col, c.row).Y, c.base.Y);
    if (c.merged) {
      EXPECT_EQ(grid->Cells(c.col, c.row), "base");
      EXPECT_EQ(grid->CellSpan(c.col, c.row).X, 2);
      EXPECT_EQ(grid->CellSpan(c.col, c.row).Y, 1);
    }
  }
  // The far corner keeps its distance from the base, the base the area's extent.
  EXPECT_EQ(grid->GetCellProperties(3, 3)->CellSpanX, 2);
  EXPECT_EQ(grid->GetCellProperties(3, 3)->CellSpanY, 1);
  EXPECT_EQ(grid->GetCellProperties(2, 3)->CellSpanX, 1);
  EXPECT_EQ(grid->MergedAreaCount(), 1);
  grid->SetCells(3, 3, "area");
  EXPECT_EQ(grid->Cells(1, 2), "area");

  grid->UnmergeCells(2, 3);
  for (const Case& c : cases) {
    EXPECT_FALSE(grid->IsMergedCell(c.col, c.row));
    EXPECT_TRUE(grid->IsBaseCell(c.col, c.row));
  }
  EXPECT_EQ(grid->GetCellProperties(3, 3)->CellSpanX, -1);
  EXPECT_EQ(grid->Cells(1, 2), "area");
  EXPECT_EQ(grid->Cells(3, 3), "hidden");  // the other cells' texts come back as they were
  EXPECT_EQ(grid->MergedAreaCount(), 0);

  grid->MergeCells(0, 5, 1, 1);  // one cell: a base with spans 0/0, not merged
  EXPECT_FALSE(grid->IsMergedCell(0, 5));
  EXPECT_EQ(grid->GetCellProperties(0, 5)->CellSpanX, 0);
  EXPECT_EQ(grid->CellSpan(0, 5).X, 0);
  EXPECT_EQ(grid->CellSpan(0, 5).Y, 0);
  grid->MergeCells(2, 6, 0, 3);  // no columns: no cell changes
  EXPECT_FALSE(grid->HasCellProperties(2, 6));
}

TEST_F(GridTest, RowCountKeepsTheTextsOfTheRowsThatStay) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetCells(2, 1, "kept");
  grid->SetCells(2, 8, "dropped");
  grid->SetRowCount(20);
  EXPECT_EQ(grid->Cells(2, 1), "kept");
  EXPECT_EQ(grid->Cells(2, 8), "dropped");
  EXPECT_EQ(grid->RowHeights(19), 22);
  grid->SetRowCount(3);
  EXPECT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(grid->DataRowCount(), 3);
  EXPECT_EQ(grid->LargestRowCount(), 20);
  EXPECT_EQ(grid->FixedRows(), 1);
  grid->SetRowCount(9);
  EXPECT_EQ(grid->Cells(2, 8), "dropped");  // a row that went comes back with its texts
  EXPECT_THROW(grid->SetFixedRows(9), fw::EInvalidGridOperation);
  EXPECT_EQ(grid->FixedRows(), 1);
}

TEST_F(GridTest, FixedRowAlwaysKeepsTheHeaderRowThroughAOneRowGrid) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetFixedRowAlways(true);
  grid->SetRowCount(1);
  grid->SetFixedRows(1);  // the framework gets 0, the request is kept
  EXPECT_EQ(grid->FixedRows(), 1);
  grid->SetRowCount(3);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_TRUE(grid->IsFixed(0, 0));
  EXPECT_FALSE(grid->IsFixed(1, 1));

  auto* plain = Make<TVxStringGrid>();  // without it the fixed rows shrink with the rows and stay
  plain->SetRowCount(1);
  plain->SetRowCount(3);
  EXPECT_EQ(plain->FixedRows(), 0);
}

TEST_F(GridTest, RowsListsOneRowsTextsAndClearEmptiesOnlyThatRow) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(4);
  for (int c = 0; c < 4; ++c) {
    grid->SetCells(c, 1, "a" + std::to_string(c));
    grid->SetCells(c, 2, "b" + std::to_string(c));
  }
  fw::TStrings* row = grid->Rows(1);
  EXPECT_EQ(row->Count(), 4);
  EXPECT_EQ(row->Strings(3), "a3");
  row->SetStrings(0, "first");
  EXPECT_EQ(grid->Cells(0, 1), "first");
  row->Clear();
  EXPECT_EQ(row->Count(), 4);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(grid->Cells(c, 1), "");
  EXPECT_EQ(grid->Cells(3, 2), "b3");
  EXPECT_THROW(row->Add("more"), fw::Exception);
  EXPECT_THROW(grid->Rows(-1), fw::EListError);
}

// Pixels darker than mid-grey in every channel: text.
int DarkPixels(const MemoryBitmap& bitmap, const RECT& r) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const fw::TColor c = bitmap.Pixel(x, y);
      if ((c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80 && ((c >> 16) & 0xFF) < 0x80) ++count;
    }
  }
  return count;
}

struct DrawCall {
  int col, row;
  fw::TRect rect;
  bool fixed;
};

TEST_F(GridTest, EveryShownCellIsPaintedThenHandedToOnDrawCell) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 300, 100});
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetFixedCols(0);
  grid->SetColWidths(0, 100);
  grid->SetColWidths(1, 120);
  grid->SetColWidths(2, 80);
  grid->SetCells(1, 0, "Head");
  grid->MergeCells(1, 2, 2, 2);
  std::vector<DrawCall> calls;
  grid->OnDrawCell = [&](fw::TObject* sender, int col, int row, const fw::TRect& rect, fw::TGridDrawState state) {
    EXPECT_EQ(sender, grid);
    calls.push_back({col, row, rect, state.Contains(fw::gdFixed)});
  };
  MemoryBitmap bitmap(300, 100);
  grid->PaintTo(bitmap.DC(), 0, 0);

  // Rows 0 and 1 whole, the merged area once, the cell left of it in rows 2 and 3: 3 + 3 + 1 + 2.
  ASSERT_EQ(calls.size(), 9u);
  EXPECT_TRUE(calls[0].fixed);
  EXPECT_FALSE(calls[3].fixed);
  // A normal cell: inside its grid lines.
  const DrawCall& normal = calls[4];
  EXPECT_EQ(normal.col, 1);
  EXPECT_EQ(normal.row, 1);
  EXPECT_EQ(normal.rect.Left, 101);
  EXPECT_EQ(normal.rect.Top, 23);
  EXPECT_EQ(normal.rect.Right, 219);
  EXPECT_EQ(normal.rect.Bottom, 43);
  int merged = 0;
  for (const DrawCall& c : calls) {
    if (c.col == 1 && c.row == 2) {
      ++merged;
      EXPECT_EQ(c.rect.Right, 299);  // across both columns
      EXPECT_EQ(c.rect.Bottom, 87);  // and both rows
    }
  }
  EXPECT_EQ(merged, 1);

  // The grid lines of normal cells in silver at their right and bottom edges; the fixed row's background
  // runs from white at the top towards the button face.
  EXPECT_EQ(bitmap.Pixel(219, 30), static_cast<fw::TColor>(0xC0C0C0));
  EXPECT_EQ(bitmap.Pixel(150, 43), static_cast<fw::TColor>(0xC0C0C0));
  EXPECT_EQ(bitmap.Pixel(50, 0), static_cast<fw::TColor>(0xFFFFFF));
  EXPECT_NE(bitmap.Pixel(50, 19), static_cast<fw::TColor>(0xFFFFFF));
  // The header's text is drawn in the header cell only.
  EXPECT_GT(DarkPixels(bitmap, RECT{101, 0, 219, 21}), 10);
  EXPECT_EQ(DarkPixels(bitmap, RECT{0, 0, 99, 21}), 0);

  // A second paint draws the merged area again.
  calls.clear();
  grid->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(calls.size(), 9u);
}

TEST_F(GridTest, CellTextsAreDrawnInTheGridsFont) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 300, 150});
  grid->SetColWidths(2, 150);
  grid->SetRowHeights(2, 40);
  grid->SetCells(2, 2, "WWW");
  const auto ink = [&](int size) {
    grid->Font()->SetSize(size);
    MemoryBitmap bitmap(300, 150);
    grid->PaintTo(bitmap.DC(), 0, 0);
    return DarkPixels(bitmap, grid->CellRectEx(2, 2).ToRECT());
  };
  const int small = ink(7);
  const int large = ink(18);
  EXPECT_GT(small, 0);
  EXPECT_GT(large, small * 3);
}

}  // namespace
}  // namespace ui::testing
