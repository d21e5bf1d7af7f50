// Focus and tab order among standard controls, the application's hints in the hint window, and Screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/hint_window.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"
#include "framework/forms/screen.h"
#include "framework/messaging/timer.h"
#include "framework/rtl/textutils.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

TEST_F(StdControlTest, TabMovesTheFocusInTabOrderOverTabStops) {
  auto* first = Make<TEdit>(Rect(10, 10, 100, 31));
  auto* panel = Make<TPanel>(Rect(10, 40, 200, 120));
  auto* inPanel = Make<TEdit>(Rect(10, 10, 100, 31), panel);
  auto* skipped = Make<TEdit>(Rect(10, 130, 100, 151));
  auto* button = Make<TButton>(Rect(10, 160, 85, 185));
  skipped->SetTabStop(false);
  button->SetTabOrder(0);  // first of the form
  EXPECT_EQ(button->TabOrder(), 0);
  EXPECT_EQ(first->TabOrder(), 1);
  Form()->Show();
  EXPECT_TRUE(button->Focused());  // the form focuses its first tab stop

  std::vector<TWinControl*> visited;
  for (int i = 0; i < 4; ++i) {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    ProcessMessages();
    visited.push_back(FindControl(GetFocus()));
  }
  EXPECT_EQ(visited, (std::vector<TWinControl*>{first, inPanel, button, first}));
  EXPECT_EQ(Form()->ActiveControl(), first);

  // What cannot have the focus.
  inPanel->SetEnabled(false);
  EXPECT_FALSE(inPanel->CanFocus());
  EXPECT_THROW(inPanel->SetFocus(), EInvalidOperation);
  panel->SetVisible(false);
  inPanel->SetEnabled(true);
  EXPECT_FALSE(inPanel->CanFocus());
  EXPECT_TRUE(skipped->CanFocus());
  skipped->SetFocus();
  EXPECT_TRUE(skipped->Focused());
  EXPECT_FALSE(first->Focused());
  EXPECT_EQ(Screen->ActiveControl(), skipped);
}

class HintTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    App().SetHintPause(20);
    App().SetHintShortPause(10);
    App().SetHintHidePause(300);
    Form()->SetBounds(100, 100, 400, 300);
    Form()->Show();
  }
  // Moves the mouse over the control (the cursor too, so that the window does not think it left).
  void MoveMouseTo(TControl* control) {
    const TPoint screen = control->ClientToScreen(TPoint{2, 2});
    SetCursorPos(screen.X, screen.Y);
    POINT client{screen.X, screen.Y};
    ScreenToClient(Form()->Handle(), &client);
    HWND target = Form()->Handle();
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      target = windowed->Handle();
      client = POINT{2, 2};
    }
    PostMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    ProcessMessages();
  }
  // Handles messages as they arrive until the hint window shows (or hides); the bound only keeps a hint
  // that never comes from hanging the suite.
  bool WaitForHint(bool showing) {
    const DWORD start = GetTickCount();
    while (App().HintWindow()->IsShowing() != showing && GetTickCount() - start < 20000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      ProcessMessages();
    }
    return App().HintWindow()->IsShowing() == showing;
  }
  // Whether a hint shows after move() before a timer of the given interval, started just before it, ticks.
  // Timers tick in the order they expire, so the answer does not depend on how slow the machine is: a hint
  // due before the timer has shown by then, and one due after it has not.
  bool HintShowsBefore(unsigned interval, const std::function<void()>& move) {
    bool ticked = false;
    bool shown = false;
    auto* timer = Create<TTimer>(&App());
    timer->SetInterval(interval);
    timer->OnTimer = [&](TObject*) {
      shown = shown || App().HintWindow()->IsShowing();
      ticked = true;
      timer->SetEnabled(false);
    };
    move();
    const DWORD start = GetTickCount();
    while (!ticked && GetTickCount() - start < 20000) {
      shown = shown || App().HintWindow()->IsShowing();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      ProcessMessages();
    }
    timer->Free();
    return shown;
  }
  unsigned HintPause() { return static_cast<unsigned>(App().HintPause()); }
};

TEST_F(HintTest, TheHintOfTheControlUnderTheMouseShowsAfterThePauseAndHidesAgain) {
  auto* image = Make<TImage>(Rect(20, 20, 60, 60));
  const std::string hint = "The number of clicks required\rbefore Acceleration mode is Enabled.";
  image->SetHint(hint);
  image->SetShowHint(true);
  EXPECT_FALSE(HintShowsBefore(HintPause() / 2, [&] { MoveMouseTo(image); }));
  ASSERT_TRUE(WaitForHint(true));
  THintWindow* window = App().HintWindow();
  EXPECT_EQ(window->Caption(), hint);
  const TRect oneLine = window->CalcHintRect(1000, "The number of clicks required");
  EXPECT_GT(window->Height(), oneLine.Height());  // the carriage return breaks the line
  EXPECT_GT(testing::PaintedPixels(window, clFuchsia), 0);
  ASSERT_TRUE(WaitForHint(false));  // HintHidePause

  // A key hides a showing hint at once.
  auto* label = Make<TLabel>(Rect(100, 20, 200, 40));
  label->SetCaption("Gain");
  label->SetHint("Acceleration Gain|long help");
  label->SetShowHint(true);
  App().SetHintHidePause(0);  // never hides by itself
  MoveMouseTo(label);
  ASSERT_TRUE(WaitForHint(true));
  EXPECT_EQ(window->Caption(), "Acceleration Gain");
  PostMessageA(Form()->Handle(), WM_KEYDOWN, VK_SHIFT, 0);
  ProcessMessages();
  EXPECT_FALSE(window->IsShowing());
}

TEST_F(HintTest, NoHintWithoutShowHintAndAControlMayChangeOrRefuseIt) {
  auto* quiet = Make<TLabel>(Rect(20, 20, 100, 40));
  quiet->SetHint("not shown");
  quiet->SetShowHint(false);
  EXPECT_FALSE(HintShowsBefore(5 * HintPause(), [&] { MoveMouseTo(quiet); }));

  // ParentShowHint: the panel's setting counts for its children.
  auto* panel = Make<TPanel>(Rect(20, 60, 200, 160));
  panel->SetShowHint(true);
  auto* edit = Make<testing::Recording<TEdit>>(Rect(10, 10, 100, 31), panel);
  edit->SetHint("1 = BYTE\r2 = WORD\r4 = DWORD\r8 = FLOAT64");
  MoveMouseTo(edit);
  ASSERT_TRUE(WaitForHint(true));
  EXPECT_EQ(edit->Count(CM_HINTSHOW), 1);

  App().SetShowHint(false);
  EXPECT_FALSE(App().HintWindow()->IsShowing());
  EXPECT_FALSE(HintShowsBefore(5 * HintPause(), [&] {
    MoveMouseTo(quiet);
    MoveMouseTo(edit);
  }));
}

TEST(HintWindowTest, CalcHintRectWrapsAtTheWidthGiven) {
  auto* window = Create<THintWindow>(nullptr);
  const std::string text = "Increase the value to make the encoder change faster.";
  const TRect wide = window->CalcHintRect(1000, text);
  const TRect narrow = window->CalcHintRect(120, text);
  EXPECT_LE(narrow.Width(), 120);
  EXPECT_GT(narrow.Height(), wide.Height());
  window->ActivateHint(Bounds(10, 10, wide.Width(), wide.Height()), text);
  EXPECT_TRUE(window->IsShowing());
  EXPECT_EQ(window->BoundsRect(), Bounds(10, 10, wide.Width(), wide.Height()));
  window->ReleaseHandle();
  EXPECT_FALSE(window->IsShowing());
  window->Free();
}

TEST_F(StdControlTest, ScreenKnowsTheDisplayTheFormsAndTheCursor) {
  EXPECT_EQ(Screen->Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Screen->Height(), GetSystemMetrics(SM_CYSCREEN));
  // The main window's start position centres it on the screen.
  EXPECT_GT(Screen->Width(), 0);
  TStrings* fonts = Screen->Fonts();
  ASSERT_GT(fonts->Count(), 0);
  for (int i = 1; i < fonts->Count(); ++i) EXPECT_LE(AnsiCompareText(fonts->Strings(i - 1), fonts->Strings(i)), 0);

  const int forms = Screen->FormCount();
  auto* dialog = Create<TForm>(&App());
  EXPECT_EQ(Screen->FormCount(), forms + 1);
  EXPECT_EQ(Screen->Forms(forms), dialog);
  dialog->Show();
  EXPECT_EQ(Screen->ActiveForm(), dialog);
  dialog->Free();
  EXPECT_EQ(Screen->FormCount(), forms);

  auto* edit = Make<TEdit>(Rect(10, 10, 100, 31));
  Form()->Show();
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crHourGlass);
  EXPECT_TRUE(SendMessageA(edit->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(edit->Handle()), HTCLIENT));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
  Screen->SetCursor(crDefault);
  SendMessageA(Form()->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Form()->Handle()), HTCLIENT);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace fw
