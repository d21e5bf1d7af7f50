// The Unicode edit with a button: F4 and ButtonClick, the editor switched off, its minimum height, the
// button's place and the text's rectangle.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/services/keystate.h"
#include "framework/services/service.h"
#include "tests/ui_dropdown/unicode_window_fixture.h"
#include "ui/dropdown/uni_edit_btn.h"

namespace ui {
namespace {

using testing::UnicodeWindowTest;

void PutOnClipboard(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

TEST_F(UnicodeWindowTest, F4ClicksTheButtonWhateverTheModifiers) {
  auto* edit = Make<TAsgUniEditBtn>(fw::Rect(10, 10, 160, 24));
  Form()->Show();
  std::vector<fw::TObject*> clicks;
  edit->OnClickBtn = [&](fw::TObject* Sender) { clicks.push_back(Sender); };
  struct Case {
    UINT msg;
    int heldKey;  // 0: none
  };
  for (const Case c : {Case{WM_KEYDOWN, 0}, Case{WM_KEYDOWN, VK_CONTROL}, Case{WM_SYSKEYDOWN, VK_MENU},
                       Case{WM_KEYDOWN, VK_SHIFT}}) {
    fw::ServiceDouble keys(fw::KeyState, [&](int key) -> SHORT { return key == c.heldKey ? SHORT(0x8000) : SHORT(0); });
    SendMessageW(edit->Handle(), c.msg, VK_F4, 0);
  }
  EXPECT_EQ(clicks, std::vector<fw::TObject*>(4, edit));

  // Other keys do not click; a key handler that takes F4 keeps it from the button.
  SendMessageW(edit->Handle(), WM_KEYDOWN, VK_F3, 0);
  edit->OnKeyDown = [](fw::TObject*, WORD& Key, fw::TShiftState) { Key = 0; };
  SendMessageW(edit->Handle(), WM_KEYDOWN, VK_F4, 0);
  EXPECT_EQ(clicks.size(), 4u);

  // The button part's click reaches OnClickBtn with the button as sender.
  edit->ButtonClick(edit->ButtonPart());
  EXPECT_EQ(clicks.back(), edit->ButtonPart());
}

TEST_F(UnicodeWindowTest, EditorDisabledRefusesTypingCuttingAndPastingButNotTheButton) {
  auto* edit = Make<TAsgUniEditBtn>(fw::Rect(10, 10, 160, 24));
  Form()->Show();
  edit->SetText(L"\x0416\x0436");
  int clicks = 0;
  int keyPresses = 0;
  edit->OnClickBtn = [&](fw::TObject*) { ++clicks; };
  edit->OnKeyPress = [&](fw::TObject*, char&) { ++keyPresses; };
  PutOnClipboard(Form()->Handle(), L"\x4E2D");

  edit->SetEditorEnabled(false);
  SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
  TypeChar(edit->Handle(), L'a');
  TypeChar(edit->Handle(), 0x03A9);
  SendMessageW(edit->Handle(), WM_CUT, 0, 0);
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"\x0416\x0436");
  EXPECT_EQ(keyPresses, 0);
  SendMessageW(edit->Handle(), WM_KEYDOWN, VK_F4, 0);
  EXPECT_EQ(clicks, 1);

  // Read-only refuses cut and paste as well; with the editor on and writable they work.
  edit->SetEditorEnabled(true);
  edit->SetReadOnly(true);
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"\x0416\x0436");
  edit->SetReadOnly(false);
  SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
  SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), L"\x4E2D");
  TypeChar(edit->Handle(), 0x03A9);
  EXPECT_EQ(edit->Text(), L"\x4E2D\x03A9");
  EXPECT_EQ(keyPresses, 1);
}

TEST_F(UnicodeWindowTest, EditWithButtonKeepsItsHeightAndLeavesTheButtonRoom) {
  auto* edit = Make<TAsgUniEditBtn>(fw::Rect(10, 10, 160, 24));
  Form()->Show();
  const int minHeight = edit->MinHeight();
  ASSERT_GT(minHeight, 5);
  edit->SetHeight(5);
  EXPECT_EQ(edit->Height(), minHeight);

  edit->SetHeight(minHeight + 10);
  edit->SetButtonWidth(22);
  edit->SetWidth(170);  // a size change places the button again
  TAsgEditButton* button = edit->ButtonPart();
  EXPECT_EQ(button->Width(), 22);
  EXPECT_EQ(button->Left(), 170 - 22 - 5);  // bordered: 5 off the edge
  EXPECT_EQ(button->Top(), 0);
  EXPECT_EQ(button->Height(), edit->Height() - 5);
  // The text stops short of the button (the system takes its margins off the rectangle given).
  const auto textRight = [&] {
    RECT rect{};
    SendMessageW(edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect.right;
  };
  const LONG wide = textRight();
  EXPECT_LE(wide, edit->ClientWidth() - 22 - 3);
  edit->SetButtonWidth(30);
  edit->SetWidth(171);
  EXPECT_EQ(textRight(), wide + 1 - 8);

  // The button part holds what the edit gives it.
  edit->SetButtonCaption("...");
  edit->SetIsWinXP(true);
  EXPECT_EQ(button->ButtonCaption(), "...");
  EXPECT_TRUE(button->Button()->IsWinXP());
  EXPECT_EQ(button->FocusControl(), edit);
}

TEST_F(UnicodeWindowTest, RightAlignMakesTheWindowAnewWithItsText) {
  auto* edit = Make<TAsgUniEditBtn>(fw::Rect(10, 10, 160, 24));
  Form()->Show();
  edit->SetText(L"\x05D0\x05D1");
  const HWND before = edit->Handle();
  EXPECT_EQ(GetWindowLongPtrW(before, GWL_STYLE) & ES_RIGHT, 0);
  edit->SetRightAlign(true);
  EXPECT_NE(GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_RIGHT, 0);
  EXPECT_EQ(WindowText(edit->Handle()), L"\x05D0\x05D1");
}

}  // namespace
}  // namespace ui
