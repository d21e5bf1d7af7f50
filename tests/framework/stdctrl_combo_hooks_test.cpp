// The combo box's child hooks and typing limit, driven by the characters a user's typing sends to the
// edit child.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/controls/combo_box.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

// Records the characters and list messages its children get; swallows '#' before the edit sees it.
class HookedCombo : public TComboBox {
 public:
  using TComboBox::TComboBox;
  std::string typed;
  std::vector<UINT> listMessages;

 protected:
  void ComboWndProc(TMessage& Message, HWND ChildWindow, WNDPROC ChildProc) override {
    if (ChildWindow == EditHandle() && Message.Msg == WM_CHAR) {
      typed += static_cast<char>(Message.WParam);
      if (Message.WParam == '#') return;
    }
    if (ChildWindow == ListHandle()) listMessages.push_back(Message.Msg);
    TComboBox::ComboWndProc(Message, ChildWindow, ChildProc);
  }
};

void Type(HWND window, const std::string& text) {
  for (char c : text) PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

TEST_F(StdControlTest, ComboHookSeesTheEditChildsCharactersAndMaxLengthLimitsTyping) {
  auto* combo = Make<HookedCombo>(Rect(10, 10, 160, 31));
  combo->Items()->Add("ILS");
  combo->SetMaxLength(4);
  Form()->Show();
  ASSERT_NE(combo->EditHandle(), nullptr);
  ASSERT_NE(combo->ListHandle(), nullptr);
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };

  Type(combo->EditHandle(), "VO#R12");
  ProcessMessages();
  EXPECT_EQ(combo->typed, "VO#R12");
  EXPECT_EQ(combo->Text(), "VOR1");  // '#' taken by the hook, '2' beyond the limit
  EXPECT_GE(changes, 1);
  SendMessageA(combo->ListHandle(), LB_GETCOUNT, 0, 0);
  EXPECT_NE(std::find(combo->listMessages.begin(), combo->listMessages.end(), static_cast<UINT>(LB_GETCOUNT)),
            combo->listMessages.end());

  // A new window is hooked again and keeps the limit; no limit lets everything through.
  combo->SetStyle(csSimple);
  combo->SetText("");
  combo->typed.clear();
  combo->SetMaxLength(0);
  Type(combo->EditHandle(), "NDB#12345");
  ProcessMessages();
  EXPECT_EQ(combo->typed, "NDB#12345");
  EXPECT_EQ(combo->Text(), "NDB12345");
}

}  // namespace
}  // namespace fw
