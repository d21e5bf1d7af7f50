// The replaceable message method in front of WndProc: it sees the window's messages and the framework's
// own (Perform), hands on what it leaves, and key handlers keep the high word of WM_CHAR it puts there.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/controls/edit.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

// Records the WParam of every WM_CHAR that reaches its window's default handling.
class CharRecordingEdit : public TEdit {
 public:
  using TEdit::TEdit;
  std::vector<WPARAM> handedOn;
  void DefaultHandler(TMessage& Message) override {
    if (Message.Msg == WM_CHAR) handedOn.push_back(Message.WParam);
    TEdit::DefaultHandler(Message);
  }
};

TEST_F(StdControlTest, AReplacedMessageMethodSeesEveryMessageAndHandsOnTheRest) {
  auto* edit = Make<CharRecordingEdit>(Rect(10, 10, 120, 21));
  Form()->Show();
  std::vector<UINT> seen;
  const TControl::TWndMethod previous = edit->WindowProc();
  EXPECT_FALSE(static_cast<bool>(previous));
  edit->SetWindowProc([&](TMessage& Message) {
    seen.push_back(Message.Msg);
    if (Message.Msg == WM_CHAR) Message.WParam |= 0x12340000;  // a high word the key handlers keep
    if (Message.Msg == WM_USER + 7) {
      Message.Result = 42;  // taken here
      return;
    }
    edit->WndProc(Message);
  });
  std::vector<char> keys;
  edit->OnKeyPress = [&](TObject*, char& Key) {
    keys.push_back(Key);
    if (Key == 'b') Key = 'c';
  };

  SendMessageA(edit->Handle(), WM_CHAR, 'a', 1);
  SendMessageA(edit->Handle(), WM_CHAR, 'b', 1);
  EXPECT_EQ(edit->Perform(WM_USER + 7), 42);
  EXPECT_EQ(SendMessageA(edit->Handle(), WM_USER + 7, 0, 0), 42);
  EXPECT_EQ(keys, (std::vector<char>{'a', 'b'}));
  EXPECT_EQ(edit->handedOn, (std::vector<WPARAM>{0x12340000 | 'a', 0x12340000 | 'c'}));
  EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_USER + 7)), 2);

  // Put back, the control's own WndProc is the message method again.
  edit->SetWindowProc(previous);
  EXPECT_EQ(edit->Perform(WM_USER + 7), 0);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_USER + 7)), 2);
}

}  // namespace
}  // namespace fw
