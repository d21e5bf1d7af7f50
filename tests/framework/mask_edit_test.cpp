// The mask edit: typing, deleting and pasting through a time mask, assigned texts fitted into it, the
// mask error raised only by validation, and one OnChange per programmatic write (masked and multi-line).
#include <gtest/gtest.h>

#include <string>

#include "framework/clipboard/clipboard.h"
#include "framework/controls/mask_edit.h"
#include "framework/controls/memo.h"
#include "framework/rtl/formatsettings.h"
#include "tests/framework/stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

// Hours with an optional first digit shown as a leading blank, minutes and seconds; literals saved,
// blank shown as a space.
constexpr const char* kTimeMask = "!90:00:00;1; ";

void Type(TWinControl* control, const std::string& chars) {
  for (char c : chars) SendMessageA(control->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
}

void Caret(TCustomEdit* edit, int pos) {
  edit->SetSelStart(pos);
  edit->SetSelLength(0);
}

TEST_F(StdControlTest, TheTimeMaskTakesDigitsAndKeepsItsSeparators) {
  ASSERT_EQ(FormatSettings.TimeSeparator, ':');
  auto* edit = Make<TMaskEdit>(Rect(10, 10, 130, 31));
  edit->SetEditMask(kTimeMask);
  EXPECT_EQ(edit->EditText(), "  :  :  ");
  Caret(edit, 0);
  Type(edit, "12x3:456");  // the letter is refused, the typed separator is skipped over
  EXPECT_EQ(edit->EditText(), "12:34:56");
  EXPECT_EQ(edit->Text(), "12:34:56");
  Type(edit, "7");  // no room left
  EXPECT_EQ(edit->EditText(), "12:34:56");

  // Backspace blanks the position before the caret, stepping over the separator; Delete the one at it.
  Caret(edit, 6);
  Type(edit, "\b");
  EXPECT_EQ(edit->EditText(), "12:3 :56");
  EXPECT_EQ(edit->SelStart(), 4);
  Caret(edit, 0);
  SendMessageA(edit->Handle(), WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(edit->EditText(), " 2:3 :56");

  // Pasting types the clipboard's text from the caret; separators in it match the mask's.
  Clipboard()->SetAsText("07:15:30");
  Caret(edit, 0);
  SendMessageA(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->EditText(), "07:15:30");
  char window[32] = {};
  GetWindowTextA(edit->Handle(), window, sizeof(window));
  EXPECT_EQ(std::string(window), "07:15:30");
}

TEST_F(StdControlTest, AMaskedTextMissingRequiredCharactersRaisesOnlyWhenValidated) {
  auto* edit = Make<TMaskEdit>(Rect(10, 10, 130, 31));
  edit->SetEditMask(kTimeMask);
  edit->SetText("9:05:00");  // the missing hour digit becomes a leading blank
  EXPECT_EQ(edit->EditText(), " 9:05:00");
  EXPECT_NO_THROW(edit->ValidateEdit());  // the first hour digit is optional

  EXPECT_NO_THROW(edit->SetText("12:3"));
  EXPECT_THROW(edit->ValidateEdit(), EMaskError);
  edit->SetText("12:30:00");
  EXPECT_NO_THROW(edit->ValidateEdit());

  // Without saved literals Text holds only the typed characters; case shifts and escaped literals.
  auto* code = Make<TMaskEdit>(Rect(10, 40, 130, 61));
  code->SetEditMask(">LL\\-<ll;0;_");
  code->SetText("abCD");
  EXPECT_EQ(code->EditText(), "AB-cd");
  EXPECT_EQ(code->Text(), "ABcd");
  code->SetEditMask("");
  EXPECT_EQ(code->Text(), "ABcd");  // the text stays when the mask goes
}

TEST_F(StdControlTest, EveryProgrammaticWriteOfAMaskedOrMultiLineEditIsOneChange) {
  auto* edit = Make<TMaskEdit>(Rect(10, 10, 130, 31));
  auto* memo = Make<TMemo>(Rect(10, 40, 130, 100));
  edit->SetEditMask(kTimeMask);
  int editChanges = 0;
  int memoChanges = 0;
  edit->OnChange = [&](TObject*) { ++editChanges; };
  memo->OnChange = [&](TObject*) { ++memoChanges; };
  Form()->Show();
  edit->SetText("11:22:33");
  memo->SetText("one\r\ntwo");
  EXPECT_EQ(editChanges, 1);
  EXPECT_EQ(memoChanges, 1);
  edit->SetText("11:22:33");  // the same text again changes nothing
  edit->SetEditText("10:22:33");
  memo->SetText("three");
  EXPECT_EQ(editChanges, 2);
  EXPECT_EQ(memoChanges, 2);
  Caret(edit, 0);
  Type(edit, "2");  // typed: one change as well
  EXPECT_EQ(editChanges, 3);
  EXPECT_EQ(edit->Text(), "20:22:33");
}

}  // namespace
}  // namespace fw
