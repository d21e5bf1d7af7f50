// The grid's in-place editor: opened by Enter, F2 and typing with goEditing, laid over the current cell
// with its text, writing back as it is typed, closed by Escape (the cell's text put back) and by moves,
// and kept closed by a CanEditShow refusal.
#include <gtest/gtest.h>

#include "framework/controls/inplace_edit.h"
#include "grid_test_support.h"

namespace fw {
namespace {

using testing::GridTest;
using testing::RecordingGrid;

class RefusingGrid : public RecordingGrid {
 public:
  using RecordingGrid::RecordingGrid;
  int Asked = 0;

 protected:
  bool CanEditShow() override {
    ++Asked;
    return false;
  }
};

void Key(HWND window, WORD key) { SendMessageA(window, WM_KEYDOWN, key, 0); }
void Char(HWND window, char c) { SendMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 0); }

TEST_F(GridTest, EnterOpensTheEditorOverTheCellAndTypingWritesThrough) {
  auto* grid = MakeGrid(400, 150);
  grid->SetCells(2, 1, "abc");
  grid->SetCol(2);
  Key(grid->Handle(), VK_RETURN);
  EXPECT_FALSE(grid->EditorMode());  // not without goEditing
  EXPECT_EQ(grid->InplaceEditor(), nullptr);

  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  Key(grid->Handle(), VK_RETURN);
  ASSERT_TRUE(grid->EditorMode());
  TInplaceEdit* editor = grid->InplaceEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->Visible());
  EXPECT_EQ(editor->Text(), "abc");
  EXPECT_EQ(editor->BoundsRect(), grid->CellRect(2, 1));

  // All of the text is selected: typing replaces it, each change reaching the cell.
  Char(editor->Handle(), 'x');
  EXPECT_EQ(grid->Cells(2, 1), "x");
  Char(editor->Handle(), 'y');
  EXPECT_EQ(grid->Cells(2, 1), "xy");

  // Escape abandons the edit: the cell has its text back and the editor goes.
  Key(editor->Handle(), VK_ESCAPE);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_FALSE(editor->Visible());
  EXPECT_EQ(grid->Cells(2, 1), "abc");

  // F2 opens it again; Down is the grid's: the cell moves and editing ends there.
  Key(grid->Handle(), VK_F2);
  ASSERT_TRUE(grid->EditorMode());
  Char(editor->Handle(), 'z');
  Key(editor->Handle(), VK_DOWN);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Cells(2, 1), "z");

  // A character typed on the grid opens the editor with it.
  Char(grid->Handle(), 'q');
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_EQ(editor->Text(), "q");
  EXPECT_EQ(grid->Cells(2, 2), "q");
  EXPECT_EQ(editor->BoundsRect(), grid->CellRect(2, 2));
}

TEST_F(GridTest, ACanEditShowRefusalKeepsTheEditorClosed) {
  auto* grid = Make<RefusingGrid>(Rect(0, 0, 400, 150));
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  Key(grid->Handle(), VK_RETURN);
  Key(grid->Handle(), VK_F2);
  Char(grid->Handle(), 'a');
  grid->ShowEditor();
  EXPECT_EQ(grid->Asked, 4);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->InplaceEditor(), nullptr);
  EXPECT_EQ(grid->Cells(1, 1), "");
}

TEST_F(GridTest, APressInTheCurrentCellEditsItAndTheEditorFollowsWhenAlwaysShown) {
  auto* grid = MakeGrid(400, 150);
  grid->SetCells(1, 1, "one");
  grid->SetCells(2, 1, "two");
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  SendMessageA(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(75, 35));
  SendMessageA(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(75, 35));
  ASSERT_TRUE(grid->EditorMode());
  EXPECT_EQ(grid->InplaceEditor()->Text(), "one");

  grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
  grid->SetCol(2);
  ASSERT_TRUE(grid->EditorMode());
  EXPECT_EQ(grid->InplaceEditor()->Text(), "two");
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), grid->CellRect(2, 1));
}

}  // namespace
}  // namespace fw
