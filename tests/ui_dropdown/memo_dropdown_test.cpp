// The memo drop-down: the edit text for one, several, over-wide and no lines, the working copy dropped by
// Esc and kept by a click outside, the keys the open memo keeps, typing replacing the lines, and AutoDrop
// opening once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/graphics/canvas_scope.h"
#include "framework/graphics/gdi_handles.h"
#include "tests/ui_dropdown/popup_test_support.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/memo_dropdown.h"

namespace ui {
namespace {

using Memo = TVxMemoDropDown;

class MemoDropDownTest : public testing::PopupTest {
 protected:
  Memo* MakeMemo() {
    Memo* memo = MakeDropDown<Memo>();
    memo->OnMemoChange = [this](fw::TObject*) { ++memoChanges; };
    Form()->Show();
    ProcessMessages();
    return memo;
  }
  static void SetLines(Memo* memo, const std::string& text) {
    fw::TStringList lines;
    lines.SetText(text);
    memo->SetMemoText(&lines);
  }
  // The first line fitted to the edit as the control fits it, measured the same way now.
  static std::string Fitted(Memo* memo, const std::string& line) {
    fw::WindowDC dc(memo->Handle());
    fw::TCanvas canvas;
    const fw::CanvasDCScope lend(&canvas, dc.Get());
    canvas.Font()->Assign(memo->Font());
    std::string result;
    dropdown::FitText(&canvas, line, memo->GetEditRect().Right - memo->GetEditRect().Left, result, true);
    return result;
  }
  static void KeyInMemo(Memo* memo, WORD key) { SendMessageA(memo->Memo()->Handle(), WM_KEYDOWN, key, 0); }

  int memoChanges = 0;
};

TEST_F(MemoDropDownTest, TheEditShowsTheFirstLine) {
  Memo* memo = MakeMemo();
  const std::string wide(200, 'W');
  ASSERT_NE(Fitted(memo, wide), wide);
  struct Case {
    const char* name;
    std::string lines;
    std::string shown;
  };
  const Case cases[] = {
      {"one short line", "short", "short"},
      {"several lines", "first\r\nsecond\r\nthird", "first..."},
      {"an over-wide line", wide, Fitted(memo, wide)},
      {"an over-wide line among more", wide + "\r\nmore", Fitted(memo, wide)},
      {"no lines", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLines(memo, c.lines);
    EXPECT_EQ(memo->Text(), c.shown);
  }
  EXPECT_EQ(Fitted(memo, wide).substr(Fitted(memo, wide).size() - 3), "...");
}

TEST_F(MemoDropDownTest, EscapeDropsTheEditedLinesAndAClickOutsideKeepsThem) {
  Memo* memo = MakeMemo();
  SetLines(memo, "one\r\ntwo");
  memo->SetMemoReadOnly(true);
  memo->SetMemoScrollBars(fw::ssVertical);
  memo->SetMaxLength(40);
  auto* menu = fw::Create<fw::TPopupMenu>(Form());
  memo->SetMemoPopup(menu);
  TDropDownForm* form = Open(memo);
  ASSERT_TRUE(memo->DroppedDown());
  EXPECT_FALSE(form->CancelOnDeactivate());
  EXPECT_EQ(memo->Control(), memo->Memo());
  EXPECT_EQ(memo->Memo()->Lines()->Text(), "one\r\ntwo\r\n");
  EXPECT_TRUE(memo->Memo()->ReadOnly());
  EXPECT_EQ(memo->Memo()->ScrollBars(), fw::ssVertical);
  EXPECT_EQ(memo->Memo()->MaxLength(), 40);
  EXPECT_EQ(memo->Memo()->PopupMenu(), menu);
  memo->SetMemoReadOnly(false);
  EXPECT_FALSE(memo->Memo()->ReadOnly());

  memo->Memo()->Lines()->SetText("changed\r\nlines\r\nthree");
  // Enter stays with the memo; Esc closes cancelling.
  KeyInMemo(memo, VK_RETURN);
  EXPECT_TRUE(memo->DroppedDown());
  KeyInMemo(memo, VK_ESCAPE);
  ProcessMessages();
  EXPECT_FALSE(memo->DroppedDown());
  EXPECT_EQ(memo->MemoText()->Text(), "one\r\ntwo\r\n");
  EXPECT_EQ(memo->Text(), "one...");

  Open(memo);
  memo->Memo()->Lines()->SetText("changed\r\nlines");
  ASSERT_TRUE(ActivateOtherForm());
  EXPECT_FALSE(memo->DroppedDown());
  EXPECT_EQ(memo->MemoText()->Text(), "changed\r\nlines\r\n");
  EXPECT_EQ(memo->Text(), "changed...");
  EXPECT_GT(memoChanges, 0);
}

TEST_F(MemoDropDownTest, CtrlASelectsTheWholeMemoText) {
  Memo* memo = MakeMemo();
  SetLines(memo, "abc\r\ndef");
  Open(memo);
  fw::TMemo* box = memo->Memo();
  box->SetSelStart(1);
  box->SetSelLength(0);
  WORD a = 'A';
  box->OnKeyDown(box, a, fw::TShiftState{fw::ssCtrl});
  EXPECT_EQ(box->SelStart(), 0);
  EXPECT_EQ(box->SelLength(), GetWindowTextLengthA(box->Handle()));
  // A plain letter stays in the memo and leaves the pop-up open.
  box->OnKeyDown(box, a, fw::TShiftState{});
  EXPECT_TRUE(memo->DroppedDown());
  memo->CloseUp(true);
}

TEST_F(MemoDropDownTest, TypingReplacesTheLinesWithoutRewritingTheEditText) {
  Memo* memo = MakeMemo();
  SetLines(memo, "one\r\ntwo");
  const std::string typed(60, 'W');
  ASSERT_NE(Fitted(memo, typed), typed);
  memo->SelectAll();
  for (char c : typed) SendMessageA(memo->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
  EXPECT_EQ(memo->Text(), typed);
  ASSERT_EQ(memo->MemoText()->Count(), 1);
  EXPECT_EQ(memo->MemoText()->Strings(0), typed);
}

TEST_F(MemoDropDownTest, AutoDropOpensOnFocusButNotWhenTheFocusComesBack) {
  Memo* memo = MakeMemo();
  auto* other = Make<fw::TEdit>(fw::TRect{20, 60, 120, 81});
  ASSERT_TRUE(Focus(other));
  memo->SetAutoDrop(true);
  memo->SetFocus();
  ProcessMessages();
  EXPECT_TRUE(memo->DroppedDown());
  // The user works in the memo; closing gives the focus back to the control, which must not open the pop-up again.
  memo->Memo()->SetFocus();
  ProcessMessages();
  ASSERT_EQ(GetFocus(), memo->Memo()->Handle());
  memo->CloseUp(false);
  ProcessMessages();
  EXPECT_FALSE(memo->DroppedDown());
  EXPECT_TRUE(memo->AutoDrop());
  // Coming in again from elsewhere opens it again.
  ASSERT_TRUE(Focus(other));
  memo->SetFocus();
  ProcessMessages();
  EXPECT_TRUE(memo->DroppedDown());
  memo->CloseUp(true);
}

}  // namespace
}  // namespace ui
