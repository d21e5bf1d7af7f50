// Unicode edits and memos on real windows: wide characters typed and read back, the 8-bit key events
// beside them, the wide text without a window and across a new one, input-method results, the class
// registered once and the trap's lifetime.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "framework/services/imeresult.h"
#include "framework/services/service.h"
#include "tests/ui_dropdown/unicode_window_fixture.h"
#include "ui/dropdown/uni_edit.h"
#include "ui/dropdown/wide_control_text.h"

namespace ui {
namespace {

using testing::UnicodeWindowTest;

// Records the messages that reach the framework's handling of the control.
class RecordingEdit : public TAsgUniEdit {
 public:
  using TAsgUniEdit::TAsgUniEdit;
  std::vector<UINT> messages;
  void WndProc(fw::TMessage& Message) override {
    messages.push_back(Message.Msg);
    TAsgUniEdit::WndProc(Message);
  }
  int Seen(UINT msg) const { return static_cast<int>(std::count(messages.begin(), messages.end(), msg)); }
};

// Its window's parent does not exist, so making the window fails.
class OrphanEdit : public TAsgUniEdit {
 public:
  using TAsgUniEdit::TAsgUniEdit;

 protected:
  void CreateParams(fw::TCreateParams& Params) override {
    TAsgUniEdit::CreateParams(Params);
    Params.WndParent = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFFFF0));
  }
};

TEST_F(UnicodeWindowTest, TypedCharactersReachTheEditWhileKeyEventsSeeTheirEightBitForm) {
  auto* edit = Make<TAsgUniEdit>(fw::Rect(10, 10, 200, 31));
  Form()->Show();
  ASSERT_TRUE(IsWindowUnicode(edit->Handle()));
  std::vector<unsigned char> seen;
  char replacement = 0;
  edit->OnKeyPress = [&](fw::TObject*, char& Key) {
    seen.push_back(static_cast<unsigned char>(Key));
    if (static_cast<unsigned char>(Key) == 255 && replacement != 0) Key = replacement == '-' ? 0 : replacement;
  };

  TypeChar(edit->Handle(), L'a');
  TypeChar(edit->Handle(), 0x0416);  // CYRILLIC CAPITAL ZHE
  TypeChar(edit->Handle(), 0x00E9);  // é: 8-bit itself
  TypeChar(edit->Handle(), 0x4E2D);
  EXPECT_EQ(WindowText(edit->Handle()), std::wstring(L"a\x0416\x00E9\x4E2D"));
  EXPECT_EQ(edit->Text(), std::wstring(L"a\x0416\x00E9\x4E2D"));
  EXPECT_EQ(seen, (std::vector<unsigned char>{'a', 255, 0xE9, 255}));

  // A handler's replacement is typed in place of the wide character; a cleared key stops it.
  replacement = 'x';
  TypeChar(edit->Handle(), 0x03A9);
  replacement = '-';
  TypeChar(edit->Handle(), 0x03A9);
  EXPECT_EQ(edit->Text(), std::wstring(L"a\x0416\x00E9\x4E2Dx"));
}

TEST_F(UnicodeWindowTest, CharactersTypedThroughTheMessageQueueArriveWhole) {
  auto* edit = Make<TAsgUniEdit>(fw::Rect(10, 10, 200, 31));
  auto* plain = Make<fw::TEdit>(fw::Rect(10, 40, 200, 21));
  Form()->Show();
  for (const wchar_t c : {L'\x0416', L'a', L'\x4E2D'}) PostMessageW(edit->Handle(), WM_CHAR, c, 1);
  PostMessageA(plain->Handle(), WM_CHAR, 0xE9, 1);  // an 8-bit window keeps its 8-bit characters
  ProcessMessages();
  EXPECT_EQ(edit->Text(), L"\x0416" L"a\x4E2D");
  EXPECT_EQ(plain->Text(), "\xE9");
}

TEST_F(UnicodeWindowTest, WideTextLivesWithoutAWindowAndAcrossANewOne) {
  const std::wstring text = L"\x03A9\x03BC\x03AD\x03B3\x03B1\r\n\x0416 \x4E2D";
  auto* memo = fw::Create<TAsgUniMemo>(Form());
  memo->SetText(text);
  EXPECT_FALSE(memo->HandleAllocated());
  EXPECT_EQ(memo->Text(), text);

  memo->SetParent(Form());
  Form()->Show();
  const HWND first = memo->Handle();
  EXPECT_EQ(WindowText(first), text);

  // What the user types at its end joins it; a WordWrap change makes the window anew with the same text.
  SendMessageW(first, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
  TypeChar(first, 0x0436);
  memo->SetWordWrap(true);
  const HWND second = memo->Handle();
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GetWindowLongPtrW(second, GWL_STYLE) & ES_AUTOHSCROLL, 0);
  EXPECT_TRUE(IsWindowUnicode(second));
  EXPECT_EQ(WindowText(second), text + L"\x0436");
  EXPECT_EQ(memo->Text(), text + L"\x0436");

  // Without the window again, the text is still there.
  memo->SetParent(nullptr);
  EXPECT_FALSE(memo->HandleAllocated());
  EXPECT_EQ(memo->Text(), text + L"\x0436");
}

TEST_F(UnicodeWindowTest, SettingTheTextItHasSendsNoChange) {
  auto* memo = Make<TAsgUniMemo>(fw::Rect(10, 10, 200, 100));
  Form()->Show();
  memo->SetText(L"\x0416");
  int changes = 0;
  memo->OnChange = [&](fw::TObject*) { ++changes; };
  memo->SetText(L"\x0416");
  EXPECT_EQ(changes, 0);
  memo->SetText(L"\x0417");
  EXPECT_EQ(changes, 1);

  // Without a window: two wide texts that narrow alike are still a change.
  auto* loose = fw::Create<TAsgUniMemo>(Form());
  loose->SetText(L"\x4E2D");
  int looseChanges = 0;
  loose->OnChange = [&](fw::TObject*) { ++looseChanges; };
  loose->SetText(L"\x4E2D");
  loose->SetText(L"\x4E2E");
  EXPECT_EQ(looseChanges, 1);
  EXPECT_EQ(loose->Text(), L"\x4E2E");
}

TEST_F(UnicodeWindowTest, InputMethodResultArrivesAsCharactersInOrder) {
  auto* edit = Make<RecordingEdit>(fw::Rect(10, 10, 200, 31));
  Form()->Show();
  std::optional<std::wstring> result = std::wstring(L"\x65E5\x672C\x8A9E");
  fw::ServiceDouble ime(fw::ImeResultStringW, [&](HWND window) {
    EXPECT_EQ(window, edit->Handle());
    return result;
  });
  SendMessageW(edit->Handle(), WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  EXPECT_EQ(edit->Text(), L"\x65E5\x672C\x8A9E");
  EXPECT_EQ(edit->Seen(WM_CHAR), 3);
  EXPECT_EQ(edit->Seen(WM_IME_COMPOSITION), 0);

  // No result string, or no input context: the message goes on as it is.
  SendMessageW(edit->Handle(), WM_IME_COMPOSITION, 0, GCS_COMPSTR);
  result.reset();
  SendMessageW(edit->Handle(), WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  EXPECT_EQ(edit->Seen(WM_IME_COMPOSITION), 2);
  EXPECT_EQ(edit->Text(), L"\x65E5\x672C\x8A9E");
}

TEST_F(UnicodeWindowTest, OneUnicodeClassServesEveryControlOfAFrameworkClass) {
  auto* first = Make<TAsgUniEdit>(fw::Rect(10, 10, 100, 21));
  auto* second = Make<TAsgUniEdit>(fw::Rect(10, 40, 100, 21));
  auto* memo = Make<TAsgUniMemo>(fw::Rect(10, 70, 100, 60));
  Form()->Show();
  wchar_t name[128] = {};
  GetClassNameW(first->Handle(), name, 128);
  EXPECT_EQ(std::wstring(name), L"Trelvik.EDIT.UnicodeClass");
  const ULONG_PTR atom = GetClassLongPtrW(first->Handle(), GCW_ATOM);
  EXPECT_EQ(GetClassLongPtrW(second->Handle(), GCW_ATOM), atom);
  EXPECT_EQ(GetClassLongPtrW(memo->Handle(), GCW_ATOM), atom);
  for (fw::TWinControl* control : {static_cast<fw::TWinControl*>(first), static_cast<fw::TWinControl*>(second),
                                   static_cast<fw::TWinControl*>(memo)}) {
    EXPECT_TRUE(IsWindowUnicode(control->Handle()));
  }
}

TEST_F(UnicodeWindowTest, FrameworkTextMessagesAndEightBitTextAreConverted) {
  auto* edit = Make<TAsgUniEdit>(fw::Rect(10, 10, 200, 31));
  Form()->Show();
  edit->SetText(L"Caf\x00E9 \x0416");
  // The framework's own 8-bit view: the system's code page, '?' for what it lacks.
  char buffer[64] = {};
  const LRESULT length = edit->Perform(WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer));
  EXPECT_EQ(std::string(buffer), "Caf\xE9 ?");
  EXPECT_EQ(length, 6);
  EXPECT_EQ(static_cast<fw::TControl*>(edit)->Caption(), "Caf\xE9 ?");
  edit->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("R\xE9sum\xE9"));
  EXPECT_EQ(edit->Text(), L"R\x00E9sum\x00E9");
}

TEST_F(UnicodeWindowTest, TheTrapLastsAsLongAsTheWindow) {
  auto* edit = Make<TAsgUniEdit>(fw::Rect(10, 10, 200, 31));
  Form()->Show();
  const HWND window = edit->Handle();
  ASSERT_NE(TWinControlTrap::Of(window), nullptr);
  EXPECT_EQ(TWinControlTrap::Of(window)->Control(), edit);
  EXPECT_EQ(GetPropA(window, MAKEINTATOM(WideWindowTrapAtom())), TWinControlTrap::Of(window));
  EXPECT_TRUE(static_cast<bool>(edit->WindowProc()));

  edit->SetParent(nullptr);  // the window goes
  EXPECT_EQ(TWinControlTrap::Of(window), nullptr);
  EXPECT_FALSE(static_cast<bool>(edit->WindowProc()));
  EXPECT_EQ(edit->Perform(WM_GETTEXTLENGTH), 0);  // no window, nothing trapped: the framework's handling
}

TEST_F(UnicodeWindowTest, AWindowThatCannotBeMadeRaisesTheSystemError) {
  auto* edit = Make<OrphanEdit>(fw::Rect(10, 10, 200, 31));
  edit->SetText(L"\x0416");
  EXPECT_THROW(edit->HandleNeeded(), fw::EOSError);
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(edit->Text(), L"\x0416");
}

TEST(WideCharCodeTest, StashAndRestoreAroundTheEightBitHandlers) {
  struct Case {
    WPARAM typed;
    int handlerGives;  // -1: the handler leaves the character alone
    WPARAM stashed;
    WPARAM restored;
  };
  const Case cases[] = {
      {'a', -1, 'a', 'a'},                 // 8-bit characters pass untouched
      {0xE9, -1, 0xE9, 0xE9},
      {0x0416, -1, 0x041600FF, 0x0416},    // the framework sees 255, the window the character
      {0x0416, 'x', 0x041600FF, 'x'},      // a replacement stays
      {0xFFFF, -1, 0xFFFF00FF, 0xFFFF},
      {0x0100, 0, 0x010000FF, 0},          // a cleared key stays cleared
  };
  for (const Case& c : cases) {
    fw::TMessage message{WM_CHAR, c.typed, 0, 0};
    StashWideCharCode(message);
    EXPECT_EQ(message.WParam, c.stashed) << std::hex << c.typed;
    if (c.handlerGives >= 0) message.WParam = (message.WParam & ~WPARAM{0xFFFF}) | static_cast<WPARAM>(c.handlerGives);
    RestoreWideCharCode(message);
    EXPECT_EQ(message.WParam, c.restored) << std::hex << c.typed;
  }
  fw::TMessage other{WM_KEYDOWN, 0x0416, 0, 0};
  EXPECT_THROW(StashWideCharCode(other), fw::EInvalidOperation);
  EXPECT_THROW(RestoreWideCharCode(other), fw::EInvalidOperation);
  fw::TMessage twice{WM_CHAR, 0x0416, 0, 0};
  StashWideCharCode(twice);
  EXPECT_THROW(StashWideCharCode(twice), fw::EInvalidOperation);
}

}  // namespace
}  // namespace ui
