// The drop-down edit's keys, sent through the message queue to a focused control on a shown form: the
// pop-up keys in both editor modes, Alt with the arrows, the keys the editor-disabled mode swallows, and
// Esc and Enter passed on to the form's cancel and default buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/services/keystate.h"
#include "tests/ui_dropdown/dropdown_test_support.h"

namespace ui::testing {
namespace {

using Calls = std::vector<std::string>;
using DropDownKeysTest = DropDownTest;

struct KeyCase {
  const char* name;
  bool editorEnabled;
  bool readOnly;
  bool droppedDown;
  WORD key;
  Calls calls;
  bool keyEventFired;
};

TEST_F(DropDownKeysTest, PopupKeysInBothEditorModes) {
  const std::vector<KeyCase> cases{
      {"F4 opens", true, false, false, VK_F4, {"ShowDropDown"}, true},
      {"F4 closes an open pop-up", true, false, true, VK_F4, {"HideDropDown(ok)"}, true},
      {"Enter closes", true, false, false, VK_RETURN, {"HideDropDown(ok)"}, true},
      {"Esc cancels", true, false, false, VK_ESCAPE, {"HideDropDown(cancel)"}, true},
      {"a letter only types", true, false, false, 'A', {}, true},
      {"read-only F4 still opens with the editor on", true, true, false, VK_F4, {"ShowDropDown"}, true},
      {"disabled editor: F4 opens", false, false, false, VK_F4, {"ShowDropDown"}, false},
      {"disabled editor: F4 closes", false, false, true, VK_F4, {"HideDropDown(ok)"}, false},
      {"disabled editor: Enter closes", false, false, false, VK_RETURN, {"HideDropDown(ok)"}, true},
      {"disabled editor: Esc cancels", false, false, false, VK_ESCAPE, {"HideDropDown(cancel)"}, true},
      {"disabled editor: a letter is swallowed", false, false, false, 'A', {}, false},
      {"disabled editor: End is swallowed", false, false, false, VK_END, {}, false},
      {"disabled editor, read-only: F4 does nothing", false, true, false, VK_F4, {}, false},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* dropDown = MakeDropDown();
    dropDown->SetEditorEnabled(c.editorEnabled);
    dropDown->SetReadOnly(c.readOnly);
    ASSERT_TRUE(Focus(dropDown));
    if (c.droppedDown) dropDown->Open();
    dropDown->Clear();
    bool keyEvent = false;
    dropDown->OnKeyDown = [&](fw::TObject*, WORD& Key, fw::TShiftState) { keyEvent = keyEvent || Key == c.key; };
    PressKey(dropDown->Handle(), c.key);
    EXPECT_EQ(dropDown->Calls, c.calls);
    EXPECT_EQ(keyEvent, c.keyEventFired);
    dropDown->Free();
  }
}

TEST_F(DropDownKeysTest, TheDisabledEditorKeepsTheCaretWhereItIs) {
  auto* dropDown = MakeDropDown();
  dropDown->SetText("Flaps 15");
  dropDown->SetEditorEnabled(false);
  ASSERT_TRUE(Focus(dropDown));
  dropDown->SetSelStart(0);
  dropDown->SetSelLength(0);
  for (WORD key : {WORD{VK_END}, WORD{VK_RIGHT}, WORD{VK_DELETE}, WORD{'X'}}) PressKey(dropDown->Handle(), key);
  EXPECT_EQ(dropDown->SelStart(), 0);
  EXPECT_EQ(dropDown->Text(), "Flaps 15");

  dropDown->SetEditorEnabled(true);
  PressKey(dropDown->Handle(), VK_END);
  EXPECT_EQ(dropDown->SelStart(), 8);
}

TEST_F(DropDownKeysTest, AltWithAnArrowTogglesThePopup) {
  auto* dropDown = MakeDropDown();
  ASSERT_TRUE(Focus(dropDown));
  dropDown->Clear();
  const fw::ServiceDouble<SHORT(int)> alt(fw::KeyState,
                                          [](int key) -> SHORT { return key == VK_MENU ? SHORT(0x8000) : SHORT(0); });
  PressKey(dropDown->Handle(), VK_DOWN, WM_SYSKEYDOWN);
  PressKey(dropDown->Handle(), VK_UP, WM_SYSKEYDOWN);
  EXPECT_EQ(dropDown->Calls, (Calls{"ShowDropDown", "HideDropDown(ok)"}));
}

// Esc and Enter reach the form's cancel and default buttons through the parent, unless the form previews
// the keys itself.
TEST_F(DropDownKeysTest, EscAndEnterArePassedToTheParentWithoutKeyPreview) {
  auto* ok = Make<fw::testing::DialogButton>(fw::TRect{250, 200, 330, 225});
  ok->Default = true;
  auto* cancel = Make<fw::testing::DialogButton>(fw::TRect{250, 240, 330, 265});
  cancel->Cancel = true;
  auto* dropDown = MakeDropDown();
  ASSERT_TRUE(Focus(dropDown));

  PressKey(dropDown->Handle(), VK_ESCAPE);
  EXPECT_EQ(cancel->Clicks, 1);
  EXPECT_EQ(ok->Clicks, 0);
  PressKey(dropDown->Handle(), VK_RETURN);
  EXPECT_EQ(ok->Clicks, 1);
  EXPECT_EQ(GetFocus(), dropDown->Handle());

  Form()->SetKeyPreview(true);
  PressKey(dropDown->Handle(), VK_ESCAPE);
  PressKey(dropDown->Handle(), VK_RETURN);
  EXPECT_EQ(cancel->Clicks, 1);
  EXPECT_EQ(ok->Clicks, 1);
}

TEST_F(DropDownKeysTest, WithoutAParentFormTheSpecialKeyIsNotClaimed) {
  auto* onForm = MakeDropDown();
  onForm->Open();
  EXPECT_EQ(onForm->Perform(fw::CM_WANTSPECIALKEY, VK_ESCAPE), 1);  // Esc while open is the control's
  MSG posted;
  EXPECT_TRUE(PeekMessageA(&posted, Form()->Handle(), WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));  // and went on
  ProcessMessages();

  auto* alone = fw::Create<RecordingDropDown>(Form());
  alone->Open();
  EXPECT_EQ(alone->Perform(fw::CM_WANTSPECIALKEY, VK_ESCAPE), 0);
  EXPECT_EQ(alone->Perform(fw::CM_WANTSPECIALKEY, VK_RETURN), 0);
  // Nothing was posted anywhere: the queue holds no key.
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE));
}

TEST_F(DropDownKeysTest, TheEditAnswersTheDialogCodeItself) {
  auto* dropDown = MakeDropDown();
  const LRESULT code = SendMessageA(dropDown->Handle(), WM_GETDLGCODE, 0, 0);
  // A multi-line edit keeps Enter and Esc (the control re-posts them itself).
  EXPECT_NE(code & DLGC_WANTALLKEYS, 0);
  EXPECT_NE(code & DLGC_WANTCHARS, 0);
}

}  // namespace
}  // namespace ui::testing
