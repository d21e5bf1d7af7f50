// Unicode combo boxes on real windows: the items held in the window, what survives a new window, typing
// in the edit child, Enter and Esc with the list open and closed, the order of a pick's notifications and
// failures inside the children's handling.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/classes/stringlist.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/imeresult.h"
#include "framework/services/service.h"
#include "tests/ui_dropdown/unicode_window_fixture.h"
#include "ui/dropdown/uni_combo_box.h"

namespace ui {
namespace {

using testing::UnicodeWindowTest;

std::wstring WindowItem(HWND combo, int index) {
  wchar_t text[256] = {};
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

// Records what its edit child's own procedure gets and the characters its hook sees.
class RecordingCombo : public TCustomUNIComboBox {
 public:
  using TCustomUNIComboBox::TCustomUNIComboBox;
  std::vector<WPARAM> hooked;
  std::vector<WPARAM> childChars;

 protected:
  void EditCharHook(fw::TMessage& Message) override { hooked.push_back(Message.WParam); }
  void ComboWndProc(fw::TMessage& Message, HWND ChildWindow, WNDPROC ChildProc) override {
    if (ChildWindow != EditHandle()) {
      TCustomUNIComboBox::ComboWndProc(Message, ChildWindow, ChildProc);
      return;
    }
    current_ = this;
    childProc_ = ChildProc;
    TCustomUNIComboBox::ComboWndProc(Message, ChildWindow, &RecordingChildProc);
  }

 private:
  static LRESULT CALLBACK RecordingChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CHAR) current_->childChars.push_back(wParam);
    return CallWindowProcW(WideChildProc(window, current_->childProc_), window, msg, wParam, lParam);
  }
  static inline RecordingCombo* current_ = nullptr;
  WNDPROC childProc_ = nullptr;
};

TEST_F(UnicodeWindowTest, ComboItemsLiveInTheWindow) {
  auto* combo = Make<TCustomUNIComboBox>(fw::Rect(10, 10, 160, 21));
  TWideStrings* items = combo->Items();
  EXPECT_EQ(items->Add(L"\x0416"), 0);
  items->Add(L"abc");
  items->Insert(0, L"\x4E2D");
  const HWND window = combo->Handle();
  EXPECT_TRUE(IsWindowUnicode(window));
  EXPECT_TRUE(IsWindowUnicode(combo->ListHandle()));
  EXPECT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(WindowItem(window, 0), L"\x4E2D");
  EXPECT_EQ(WindowItem(window, 1), L"\x0416");
  EXPECT_EQ(items->Get(2), L"abc");
  EXPECT_EQ(items->Get(7), L"");  // an index the list does not have
  EXPECT_EQ(items->IndexOf(L"ABC"), 2);
  EXPECT_EQ(items->IndexOf(L"\x0436"), 1);
  EXPECT_EQ(items->IndexOf(L"ab"), -1);

  // A string the window refuses raises and changes nothing.
  try {
    items->Insert(9, L"beyond");
    ADD_FAILURE() << "no exception";
  } catch (const fw::EOutOfResources& e) {
    EXPECT_STREQ(e.what(), "Unable to insert a line");
  }
  EXPECT_EQ(items->GetCount(), 3);
  items->Delete(0);
  EXPECT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 2);
  items->Put(0, L"\x0417");
  EXPECT_EQ(WindowItem(window, 0), L"\x0417");
}

TEST_F(UnicodeWindowTest, ComboObjectsStayInItsOwnListAndClearingKeepsTheEditText) {
  auto* combo = Make<TCustomUNIComboBox>(fw::Rect(10, 10, 160, 21));
  Form()->Show();
  fw::TObject north;
  fw::TObject south;
  fw::TStringList narrow;
  narrow.AddObject("North", &north);
  narrow.AddObject("South", &south);
  combo->Items()->Assign(&narrow);
  EXPECT_EQ(combo->Items()->GetObjectAt(1), &south);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMDATA, 0, 0), reinterpret_cast<LRESULT>(&north));
  EXPECT_EQ(combo->Items()->AnsiStrings()->Strings(1), "South");
  EXPECT_EQ(combo->Items()->AnsiStrings()->Objects(1), nullptr);

  combo->SetText(L"\x03A9 typed");
  combo->Items()->Clear();
  EXPECT_EQ(combo->Items()->GetCount(), 0);
  EXPECT_EQ(combo->Text(), L"\x03A9 typed");
  EXPECT_EQ(WindowText(combo->EditHandle()), L"\x03A9 typed");
}

TEST_F(UnicodeWindowTest, ComboKeepsItemsSelectionAndTextAcrossANewWindow) {
  auto* combo = Make<TCustomUNIComboBox>(fw::Rect(10, 10, 160, 21));
  Form()->Show();
  fw::TObject marker;
  combo->Items()->Add(L"b\x0416");
  combo->Items()->AddObject(L"A\x4E2D", &marker);
  combo->Items()->Add(L"c");
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), L"A\x4E2D");

  combo->SetStyle(fw::csSimple);
  EXPECT_TRUE(IsWindowUnicode(combo->EditHandle()));
  EXPECT_EQ(combo->Items()->GetCount(), 3);
  EXPECT_EQ(combo->Items()->GetObjectAt(1), &marker);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), L"A\x4E2D");

  // The window sorts a sorted list.
  combo->SetSorted(true);
  EXPECT_EQ(combo->Items()->Get(0), L"A\x4E2D");
  EXPECT_EQ(combo->Items()->Get(1), L"b\x0416");
  EXPECT_EQ(combo->Items()->GetObjectAt(0), &marker);
  EXPECT_EQ(combo->Items()->Add(L"B"), 1);
}

TEST_F(UnicodeWindowTest, TypingInTheComboRunsKeyEventsAndTheHook) {
  auto* combo = Make<RecordingCombo>(fw::Rect(10, 10, 160, 21));
  Form()->Show();
  const HWND edit = combo->EditHandle();
  ASSERT_TRUE(IsWindowUnicode(edit));
  std::vector<unsigned char> seen;
  combo->OnKeyPress = [&](fw::TObject*, char& Key) {
    seen.push_back(static_cast<unsigned char>(Key));
    if (Key == '#') Key = 0;
  };
  TypeChar(edit, L'a');
  TypeChar(edit, 0x0416);
  TypeChar(edit, L'#');
  TypeChar(edit, 0x4E2D);
  EXPECT_EQ(combo->Text(), L"a\x0416\x4E2D");
  EXPECT_EQ(seen, (std::vector<unsigned char>{'a', 255, '#', 255}));
  EXPECT_EQ(combo->hooked, (std::vector<WPARAM>{'a', 0x041600FF, '#', 0x4E2D00FF}));
  EXPECT_EQ(combo->childChars, (std::vector<WPARAM>{'a', 0x0416, 0x4E2D}));

  // Backspace: OnKeyPress, and the edit deletes as usual.
  TypeChar(edit, 8);
  EXPECT_EQ(seen.back(), 8);
  EXPECT_EQ(combo->Text(), L"a\x0416");

  // An input method's result reaches the edit child as its characters.
  fw::ServiceDouble ime(fw::ImeResultStringW, [](HWND) { return std::optional<std::wstring>(L"\x65E5\x672C"); });
  SendMessageW(edit, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  EXPECT_EQ(combo->Text(), L"a\x0416\x65E5\x672C");
  EXPECT_EQ(combo->childChars.back(), WPARAM{0x672C});
}

TEST_F(UnicodeWindowTest, EnterAndEscapeCloseAnOpenListAndGoNoFurther) {
  auto* combo = Make<RecordingCombo>(fw::Rect(10, 10, 160, 21));
  combo->Items()->Add(L"\x0416");
  Form()->Show();
  const HWND edit = combo->EditHandle();
  for (const wchar_t key : {L'\r', L'\x1B'}) {
    combo->childChars.clear();
    TypeChar(edit, key);  // list closed: the edit gets it
    EXPECT_EQ(combo->childChars, std::vector<WPARAM>{key});
    combo->SetDroppedDown(true);
    ASSERT_TRUE(combo->DroppedDown());
    TypeChar(edit, key);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->childChars, std::vector<WPARAM>{key});
  }
}

TEST_F(UnicodeWindowTest, APickSetsTheTextThenClicksThenChanges) {
  auto* combo = Make<TCustomUNIComboBox>(fw::Rect(10, 10, 160, 21));
  Form()->Show();
  combo->Items()->Add(L"\x0416");
  combo->Items()->Add(L"\x4E2D\x6587");
  std::vector<std::wstring> events;
  combo->OnClick = [&](fw::TObject*) { events.push_back(L"click " + combo->Text()); };
  combo->OnChange = [&](fw::TObject*) { events.push_back(L"change " + combo->Text()); };
  // The notification the window sends its parent when the user picks an item.
  SendMessageW(combo->Handle(), CB_SETCURSEL, 1, 0);
  SendMessageW(Form()->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ(events, (std::vector<std::wstring>{L"click \x4E2D\x6587", L"change \x4E2D\x6587"}));
}

TEST_F(UnicodeWindowTest, AFailureInTheChildsHandlingGoesToTheApplication) {
  auto* combo = Make<TCustomUNIComboBox>(fw::Rect(10, 10, 160, 21));
  Form()->Show();
  std::vector<std::string> reported;
  App().OnException = [&](fw::TObject*, fw::Exception& E) { reported.push_back(E.what()); };
  combo->OnKeyPress = [](fw::TObject*, char&) { throw fw::EInvalidOperation("refused"); };
  EXPECT_EQ(SendMessageW(combo->EditHandle(), WM_CHAR, 0x0416, 1), 0);
  EXPECT_EQ(reported, std::vector<std::string>{"refused"});
  EXPECT_EQ(combo->Text(), L"");
}

}  // namespace
}  // namespace ui
