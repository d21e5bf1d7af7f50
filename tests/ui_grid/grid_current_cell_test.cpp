// Zooming, the grid cursor, the current cell read and written through merged areas, the texts of a cell
// for files, and the IntelliPan anchor icon drawn from the program's resources.
#include <windows.h>

#include <string>

#include "framework/controls/cursors.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using CurrentCellTest = fw::testing::StdControlTest;
using fw::testing::MemoryBitmap;

TEST_F(CurrentCellTest, ZoomStepsStayWithinTheLimitsAndKeepSizesAboveZero) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColWidths(1, 3);
  grid->SetColWidths(2, 0);
  const int width3 = grid->ColWidths(3);
  const int height = grid->RowHeights(2);

  grid->Zoom(-3);  // width 3 would become 0: kept
  EXPECT_EQ(grid->ZoomLevel(), -3);
  EXPECT_EQ(grid->ColWidths(1), 3);
  EXPECT_EQ(grid->ColWidths(2), 0);
  EXPECT_EQ(grid->ColWidths(3), width3 - 3);
  EXPECT_EQ(grid->RowHeights(2), height - 3);
  EXPECT_FALSE(grid->Zooming());

  grid->Zoom(3);
  grid->Zoom(5);
  grid->Zoom(5);
  EXPECT_EQ(grid->ZoomLevel(), 10);
  EXPECT_EQ(grid->RowHeights(2), height + 10);
  grid->Zoom(1);  // would leave the range: nothing changes
  EXPECT_EQ(grid->ZoomLevel(), 10);
  EXPECT_EQ(grid->RowHeights(2), height + 10);
  EXPECT_EQ(grid->ColWidths(1), 16);  // 3 kept at -3, then +3, +5, +5
  grid->Zoom(-20);
  EXPECT_EQ(grid->ZoomLevel(), -10);
  grid->Zoom(-1);
  EXPECT_EQ(grid->ZoomLevel(), -10);
}

TEST_F(CurrentCellTest, TheGridCursorIsWhatACellCursorComesBackTo) {
  auto* grid = Make<TVxStringGrid>();
  fw::TCursor offered = 0;
  grid->OnGetCellCursor = [&](fw::TObject*, int, int, int, int, fw::TCursor& cursor) {
    offered = cursor;
    cursor = fw::crHandPoint;
  };
  grid->SetCursor(fw::crCross);
  grid->GetCellCursor(2, 2, 10, 10);
  EXPECT_EQ(offered, fw::crCross);
  // The cell's cursor is the system's for the moment only: the control keeps the grid cursor.
  EXPECT_EQ(grid->Cursor(), fw::crCross);

  // A control cursor set while over a cell (as the mouse handling does) is not the grid cursor; a write
  // through the grid's Cursor is, and a later cell starts from it.
  static_cast<fw::TControl*>(grid)->SetCursor(fw::crHandPoint);
  EXPECT_EQ(grid->GridCursor(), fw::crCross);
  grid->SetCursor(fw::crIBeam);
  EXPECT_EQ(grid->GridCursor(), fw::crIBeam);
  grid->GetCellCursor(3, 3, 0, 0);
  EXPECT_EQ(offered, fw::crIBeam);
}

TEST_F(CurrentCellTest, CurrentCellAccessGoesToTheBaseOfAMergedArea) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetCells(1, 1, "base");
  grid->MergeCells(1, 1, 2, 2);
  grid->OnGetDisplText = [](fw::TObject*, int, int, std::string& text) { text = "[" + text + "]"; };
  grid->SetCol(2);
  grid->SetRow(2);

  std::string text;
  grid->GetCurrentCellRaw(text);
  EXPECT_EQ(text, "base");
  grid->GetCurrentCellDispl(text);
  EXPECT_EQ(text, "[base]");

  grid->SetCurrentCell("written");
  EXPECT_EQ(grid->GetRawCellText(1, 1), "written");
  EXPECT_EQ(grid->GetRawCellText(2, 2), "");
  grid->SetCurrentCellEdit("edited");
  EXPECT_EQ(grid->GetRawCellText(1, 1), "edited");
  EXPECT_EQ(grid->GetRawCellText(2, 2), "");

  // Outside an area the edit write lands on the current cell itself.
  grid->SetCol(3);
  grid->SetRow(4);
  grid->SetCurrentCellEdit("plain");
  EXPECT_EQ(grid->GetRawCellText(3, 4), "plain");
  grid->SetEditTextDispl(4, 5, "both");
  EXPECT_EQ(grid->GetRawCellText(4, 5), "both");
}

TEST_F(CurrentCellTest, SaveAndLoadCellPassThroughTheirEvents) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetCells(1, 1, "<B>x</B>");
  std::string saved;
  grid->SaveCell(1, 1, saved);
  EXPECT_EQ(saved, "<B>x</B>");  // HTML is written as it is

  int savedCol = -1, savedRow = -1;
  grid->OnSaveCell = [&](fw::TObject*, int col, int row, std::string& value) {
    savedCol = col;
    savedRow = row;
    value += "!";
  };
  grid->SaveCell(1, 1, saved);
  EXPECT_EQ(saved, "<B>x</B>!");
  EXPECT_EQ(savedCol, 1);
  EXPECT_EQ(savedRow, 1);

  // Loading writes raw: inside a merged area the cell itself, not the base.
  grid->MergeCells(2, 2, 2, 1);
  grid->OnLoadCell = [](fw::TObject*, int, int, std::string& value) { value = "<" + value + ">"; };
  grid->LoadCell(3, 2, "in");
  EXPECT_EQ(grid->GetRawCellText(3, 2), "<in>");
  EXPECT_EQ(grid->GetRawCellText(2, 2), "");
  std::string filtered;
  grid->GetCellForFilter(3, 2, filtered);
  EXPECT_EQ(filtered, "");  // the merge-aware read shows the base
}

TEST_F(CurrentCellTest, RelaysAndHooksFireTheirEvents) {
  auto* grid = Make<TVxStringGrid>();
  int left = -1, bottom = -1;
  grid->OnSelectionChanged = [&](fw::TObject*, int l, int, int, int b) {
    left = l;
    bottom = b;
  };
  grid->SelectionChanged(1, 2, 3, 4);
  EXPECT_EQ(left, 1);
  EXPECT_EQ(bottom, 4);

  TGridFixedCellEditor editor = fceEdit;
  grid->OnFixedEdit = [](fw::TObject*, int, int, TGridFixedCellEditor& e, fw::TStringList* values) {
    e = fceComboList;
    values->Add("v");
  };
  fw::TStringList values;
  grid->FixedEdit(1, 0, editor, &values);
  EXPECT_EQ(editor, fceComboList);
  EXPECT_EQ(values.Count(), 1);

  int filtered = 0;
  grid->OnFilterDone = [&](fw::TObject*) { ++filtered; };
  grid->FilterDone();
  EXPECT_EQ(filtered, 1);

  grid->SetOptions(grid->Options() + fw::TGridOptions{fw::goEditing});
  grid->HideEditorOption();
  EXPECT_FALSE(grid->Options().Contains(fw::goEditing));
  bool designing = true;
  EXPECT_FALSE(grid->InDesignMode(designing));
  EXPECT_FALSE(designing);
}

TEST_F(CurrentCellTest, IntelliPanIconIsDrawnWithItsBackgroundOnWhite) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 200});
  grid->HandleNeeded();
  // Each direction's picture comes from the program's resources, its background drawn white.
  for (TIntelliPan pan : {ipVertical, ipHorizontal, ipBoth}) {
    SCOPED_TRACE(static_cast<int>(pan));
    MemoryBitmap bitmap(100, 100);
    bitmap.Fill(0x0000FF);
    grid->IntelliPan = pan;
    grid->IntelliPanAnchor = fw::TPoint{10, 20};
    grid->Canvas()->SetHandle(bitmap.DC());
    grid->DrawIntelliPanIcon();
    grid->Canvas()->SetHandle(nullptr);
    EXPECT_EQ(bitmap.Pixel(10, 20), 0xFFFFFF);       // the transparent corner
    EXPECT_EQ(bitmap.Pixel(10 + 15, 20 + 15), 0);    // the centre mark
    EXPECT_EQ(bitmap.Pixel(9, 20), 0x0000FF);        // left of the anchor: untouched
    EXPECT_EQ(bitmap.Pixel(10 + 32, 20), 0x0000FF);  // past the picture's 32 pixels
  }
  for (const char* name : {"INTLI1", "INTLI2", "INTLI3"}) {
    SCOPED_TRACE(name);
    const HRSRC resource = ::FindResourceA(::GetModuleHandleA(nullptr), name, MAKEINTRESOURCEA(2));
    ASSERT_NE(resource, nullptr);
    const auto* info = static_cast<const BITMAPINFOHEADER*>(
        ::LockResource(::LoadResource(::GetModuleHandleA(nullptr), resource)));
    EXPECT_EQ(info->biWidth, 32);
    EXPECT_EQ(info->biHeight, 32);
    EXPECT_EQ(info->biBitCount, 24);
  }
}

}  // namespace
}  // namespace ui::testing
