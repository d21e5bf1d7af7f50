// Edits, memos and up-downs: text, selection, limits and case kept without a window and mirrored to it;
// OnChange from every change; memo lines bound to the window; up-down clicks through the window.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "framework/classes/stringlist.h"
#include "framework/controls/edit.h"
#include "framework/controls/memo.h"
#include "framework/controls/up_down.h"
#include "framework/rtl/filetext.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

// Every change of an edit's text fires OnChange once: assigned without a window, assigned with one, or
// typed into the window.
struct EditChangeCase {
  const char* name;
  bool withWindow;
  std::function<void(StdControlTest&, TEdit*)> change;
  std::string expected;
  int changes;  // -1: as many as the window reports
};

class EditChangeTest : public StdControlTest, public ::testing::WithParamInterface<EditChangeCase> {};

TEST_P(EditChangeTest, TextAndOnChange) {
  const EditChangeCase& c = GetParam();
  auto* edit = Make<TEdit>(Rect(10, 10, 130, 31));
  int changes = 0;
  edit->OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, edit);
    ++changes;
  };
  if (c.withWindow) Form()->Show();
  c.change(*this, edit);
  EXPECT_EQ(edit->Text(), c.expected);
  if (c.changes >= 0) {
    EXPECT_EQ(changes, c.changes);
  }
  Form()->Show();
  char text[64] = {};
  GetWindowTextA(edit->Handle(), text, sizeof(text));
  EXPECT_EQ(std::string(text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EditChangeTest,
    ::testing::Values(
        EditChangeCase{"AssignedWithoutWindow", false, [](StdControlTest&, TEdit* e) { e->SetText("0x66C0"); },
                       "0x66C0", 1},
        EditChangeCase{"AssignedWithWindow", true, [](StdControlTest&, TEdit* e) { e->SetText("0x66C0"); }, "0x66C0",
                       1},
        EditChangeCase{"SameTextAgain", true,
                       [](StdControlTest&, TEdit* e) {
                         e->SetText("4");
                         e->SetText("4");
                       },
                       "4", 1},
        EditChangeCase{"Typed", true,
                       [](StdControlTest& t, TEdit* e) {
                         PostMessageA(e->Handle(), WM_CHAR, '8', 0);
                         t.ProcessMessages();
                       },
                       "8", 1},
        EditChangeCase{"UpperCaseEntryTyped", true,
                       [](StdControlTest& t, TEdit* e) {
                         e->SetCharCase(ecUpperCase);
                         PostMessageA(e->Handle(), WM_CHAR, 'a', 0);
                         PostMessageA(e->Handle(), WM_CHAR, 'b', 0);
                         t.ProcessMessages();
                       },
                       "AB", 2},
        EditChangeCase{"UpperCaseAssignedWithoutWindow", false,
                       [](StdControlTest&, TEdit* e) {
                         e->SetText("66c0");
                         e->SetCharCase(ecUpperCase);
                       },
                       "66C0", 2},
        EditChangeCase{"MaxLengthStopsTyping", true,
                       [](StdControlTest& t, TEdit* e) {
                         e->SetMaxLength(1);
                         for (char ch : {'1', '2', '4'}) PostMessageA(e->Handle(), WM_CHAR, static_cast<WPARAM>(ch), 0);
                         t.ProcessMessages();
                       },
                       "1", -1},
        EditChangeCase{"ReadOnlyRefusesTyping", true,
                       [](StdControlTest& t, TEdit* e) {
                         e->SetReadOnly(true);
                         PostMessageA(e->Handle(), WM_CHAR, 'x', 0);
                         t.ProcessMessages();
                       },
                       "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StdControlTest, PasswordCharAndHideSelectionReachTheWindowAndKeepTheText) {
  auto* edit = Make<TEdit>(Rect(10, 10, 120, 31));
  edit->SetText("s3cret");
  edit->SetPasswordChar('*');
  auto style = [&] { return GetWindowLongPtrA(edit->Handle(), GWL_STYLE); };
  EXPECT_NE(style() & ES_PASSWORD, 0);
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_EQ(edit->Text(), "s3cret");  // the text itself, not the stars
  edit->SetPasswordChar('#');
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '#');
  edit->SetPasswordChar('\0');
  EXPECT_EQ(style() & ES_PASSWORD, 0);
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);

  EXPECT_TRUE(edit->HideSelection());
  EXPECT_EQ(style() & ES_NOHIDESEL, 0);
  edit->SetSelStart(1);
  edit->SetSelLength(3);
  edit->SetHideSelection(false);
  EXPECT_NE(style() & ES_NOHIDESEL, 0);
  EXPECT_EQ(edit->Text(), "s3cret");
  EXPECT_EQ(edit->SelText(), "3cr");  // the window made anew keeps the selection
}

TEST_F(StdControlTest, EditSelectionWithoutAndWithWindow) {
  auto* edit = Make<TEdit>(Rect(10, 10, 130, 31));
  edit->SetAutoSelect(false);  // the edit gets the focus when the form shows
  edit->SetText("Value ON");
  edit->SetSelStart(6);
  edit->SetSelLength(10);  // clamped to the text
  EXPECT_EQ(edit->SelLength(), 2);
  EXPECT_EQ(edit->SelText(), "ON");
  edit->SetSelText("OFF");
  EXPECT_EQ(edit->Text(), "Value OFF");
  EXPECT_EQ(edit->SelStart(), 9);
  edit->SetSelStart(0);
  edit->SetSelLength(5);
  Form()->Show();
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
  edit->SelectAll();
  EXPECT_EQ(edit->SelLength(), 9);
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETLIMITTEXT, 0, 0) > 0, true);
  edit->SetMaxLength(4);
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 4);
  edit->SetReadOnly(true);
  EXPECT_NE(GetWindowLongPtrA(edit->Handle(), GWL_STYLE) & ES_READONLY, 0);
  EXPECT_TRUE(edit->ReadOnly());
}

TEST_F(StdControlTest, AutoSelectSelectsTheTextWhenTheEditGetsTheFocus) {
  auto* first = Make<TEdit>(Rect(10, 10, 130, 31));
  auto* second = Make<TEdit>(Rect(10, 40, 130, 61));
  second->SetText("150");
  first->SetText("50");
  first->SetAutoSelect(false);
  Form()->Show();
  first->SetFocus();
  EXPECT_EQ(first->SelLength(), 0);
  second->SetFocus();
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(second->SelLength(), 3);
}

TEST_F(StdControlTest, MemoLinesAreTheWindowsText) {
  auto* memo = Make<TMemo>(Rect(10, 10, 200, 120));
  memo->Lines()->Add("[SETTINGS]");
  memo->Lines()->Add("HIDE_ON_STARTUP=0");
  memo->Lines()->Insert(1, "; template");
  EXPECT_EQ(memo->Text(), "[SETTINGS]\r\n; template\r\nHIDE_ON_STARTUP=0\r\n");
  int changes = 0;
  memo->OnChange = [&](TObject*) { ++changes; };
  Form()->Show();
  EXPECT_EQ(memo->Lines()->Count(), 3);
  memo->Lines()->Delete(1);
  memo->Lines()->SetStrings(1, "HIDE_ON_STARTUP=1");
  EXPECT_EQ(changes, 2);
  char text[128] = {};
  GetWindowTextA(memo->Handle(), text, sizeof(text));
  EXPECT_STREQ(text, "[SETTINGS]\r\nHIDE_ON_STARTUP=1\r\n");
  // What the user typed is what Lines reads.
  SetWindowTextA(memo->Handle(), "a\r\nb\r\n");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), "b");
  EXPECT_EQ(memo->Lines()->Text(), "a\r\nb\r\n");
  SetWindowTextA(memo->Handle(), "a\r\nb");  // no line break typed after the last line
  EXPECT_EQ(memo->Lines()->Text(), "a\r\nb\r\n");
  EXPECT_THROW(memo->Lines()->Strings(2), EStringListError);
  memo->Lines()->Clear();
  EXPECT_EQ(memo->Lines()->Count(), 0);
  memo->SetReadOnly(true);
  PostMessageA(memo->Handle(), WM_CHAR, 'x', 0);
  ProcessMessages();
  EXPECT_EQ(memo->Text(), "");
}

TEST_F(StdControlTest, MemoLinesSaveToAFile) {
  auto* memo = Make<TMemo>();
  memo->SetVisible(false);
  memo->Lines()->SetText("[SETTINGS]\r\nLEFT=0\r\n");
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string file = std::string(folder) + "stdctrl_memo_lines.ini";
  memo->Lines()->SaveToFile(file);
  TStringList read;
  read.LoadFromFile(file);
  EXPECT_EQ(read.Text(), "[SETTINGS]\r\nLEFT=0\r\n");
  // Lines added one by one: every line, the last included, ends with CR LF in the text and the file.
  memo->Lines()->Clear();
  memo->Lines()->Add("[SETTINGS]");
  memo->Lines()->Add("");
  memo->Lines()->Add("TOP=2");
  EXPECT_EQ(memo->Lines()->Text(), "[SETTINGS]\r\n\r\nTOP=2\r\n");
  memo->Lines()->SaveToFile(file);
  EXPECT_EQ(ReadFileText(file), "[SETTINGS]\r\n\r\nTOP=2\r\n");
  DeleteFileA(file.c_str());
}

// The encoder up-downs: an edit as associate, a range and a step.
TEST_F(StdControlTest, UpDownKeepsItsPositionInRangeAndShowsItInTheAssociate) {
  auto* edit = Make<TEdit>(Rect(10, 10, 60, 31));
  auto* upDown = Make<TUpDown>();
  upDown->SetMin(50);
  upDown->SetMax(400);
  upDown->SetIncrement(10);
  upDown->SetAssociate(edit);
  EXPECT_EQ(upDown->BoundsRect(), Rect(60, 10, 77, 31));
  upDown->SetPosition(170);
  EXPECT_EQ(edit->Text(), "170");
  upDown->SetPosition(1000);
  EXPECT_EQ(upDown->Position(), 400);
  upDown->SetPosition(10);
  EXPECT_EQ(upDown->Position(), 50);
  EXPECT_EQ(edit->Text(), "50");

  std::vector<TUDBtnType> clicks;
  upDown->OnClick = [&](TObject* sender, TUDBtnType button) {
    EXPECT_EQ(As<TUpDown>(sender)->Position(), button == btNext ? 60 : 50);
    clicks.push_back(button);
  };
  Form()->Show();
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(upDown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
  PostClick(upDown->Handle(), 8, 3);                    // the upper arrow
  PostClick(upDown->Handle(), 8, upDown->Height() - 3);  // the lower arrow
  PostClick(upDown->Handle(), 8, upDown->Height() - 3);  // at Min: no move
  EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btNext, btPrev, btPrev}));
  EXPECT_EQ(edit->Text(), "50");

  // OnChanging may refuse the move.
  upDown->OnChanging = [](TObject*, bool& allow) { allow = false; };
  PostClick(upDown->Handle(), 8, 3);
  EXPECT_EQ(upDown->Position(), 50);
  EXPECT_EQ(clicks.size(), 3u);

  // The associate goes away: the up-down forgets it.
  edit->Free();
  EXPECT_EQ(upDown->Associate(), nullptr);
  upDown->SetPosition(70);
  EXPECT_EQ(upDown->Position(), 70);
}

}  // namespace
}  // namespace fw
