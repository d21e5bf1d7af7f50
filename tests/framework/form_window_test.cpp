// Forms as windows: translucency, showing without activation, the form of a control, and the messages a
// form sends its focused control (a press elsewhere, its activation).
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

TEST_F(StdControlTest, AlphaBlendMakesTheFormLayeredWithItsAlpha) {
  Form()->SetAlphaBlendValue(192);
  Form()->SetAlphaBlend(true);
  Form()->Show();
  auto alpha = [&]() -> int {
    BYTE value = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(Form()->Handle(), nullptr, &value, &flags) || (flags & LWA_ALPHA) == 0) return -1;
    return value;
  };
  EXPECT_NE(GetWindowLongPtrA(Form()->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(alpha(), 192);
  Form()->SetAlphaBlendValue(40);
  EXPECT_EQ(alpha(), 40);
  Form()->Hide();
  Form()->HandleNeeded();
  Form()->SetAlphaBlend(false);
  EXPECT_EQ(GetWindowLongPtrA(Form()->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  Form()->SetAlphaBlend(true);  // a window made anew is layered from the start
  Form()->RecreateWnd();
  EXPECT_NE(GetWindowLongPtrA(Form()->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(alpha(), 40);
}

TEST_F(StdControlTest, AFormShownWithoutActivationLeavesTheActiveWindowAndFocus) {
  auto* edit = Make<TEdit>(Rect(10, 10, 100, 31));
  Form()->Show();
  ASSERT_TRUE(WaitForFocus(edit->Handle()));
  const HWND active = GetActiveWindow();
  ASSERT_EQ(active, Form()->Handle());

  auto* popup = Create<TForm>(&App());
  popup->SetBorderStyle(bsNone);
  popup->SetFormStyle(fsStayOnTop);
  auto* inPopup = testing::MakeChild<TEdit>(popup, popup, Rect(5, 5, 80, 26));
  int shown = 0;
  popup->OnShow = [&](TObject*) { ++shown; };
  popup->ShowNoActivate();
  ProcessMessages();
  EXPECT_TRUE(popup->Visible());
  EXPECT_TRUE(IsWindowVisible(popup->Handle()));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(GetActiveWindow(), active);
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_FALSE(inPopup->Focused());

  // The form a control is on.
  EXPECT_EQ(GetParentForm(inPopup), popup);
  EXPECT_EQ(GetParentForm(popup), popup);
  EXPECT_EQ(GetParentForm(edit), Form());
  auto* loose = Create<TPanel>(&App());
  auto* onLoose = testing::MakeChild<TPanel>(Form(), loose);
  EXPECT_EQ(GetParentForm(onLoose), nullptr);
  EXPECT_EQ(GetParentForm(nullptr), nullptr);
  popup->Free();
}

// Records the press notices and activations it receives.
class ModeWatchingEdit : public TEdit {
 public:
  using TEdit::TEdit;
  std::vector<LPARAM> CancelledBy;
  int Activations = 0;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_CANCELMODE) CancelledBy.push_back(Message.LParam);
    if (Message.Msg == CM_UIACTIVATE) ++Activations;
    TEdit::WndProc(Message);
  }
};

TEST_F(StdControlTest, TheFocusedControlHearsOfAPressElsewhereAndOfItsFormsActivation) {
  auto* edit = Make<ModeWatchingEdit>(Rect(10, 10, 100, 31));
  auto* label = Make<TLabel>(Rect(10, 50, 100, 70));
  Form()->Show();
  ASSERT_TRUE(WaitForFocus(edit->Handle()));
  PostClick(Form()->Handle(), 20, 60);  // on the label
  EXPECT_EQ(edit->CancelledBy, std::vector<LPARAM>{reinterpret_cast<LPARAM>(label)});

  auto* other = Create<TForm>(&App());
  other->Show();
  const int activations = edit->Activations;
  SetActiveWindow(Form()->Handle());
  ASSERT_TRUE(WaitForFocus(edit->Handle()));
  EXPECT_EQ(edit->Activations, activations + 1);
  other->Free();
}

}  // namespace
}  // namespace fw
