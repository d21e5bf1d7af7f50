// What the framework reads of the keyboard, the cursor and the screen goes through services a test
// replaces; hints placed by their control in a hint window class of its own; application cursors.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/controls/cursors.h"
#include "framework/controls/find_vcl_window.h"
#include "framework/controls/hint_window.h"
#include "framework/controls/panel.h"
#include "framework/forms/screen.h"
#include "framework/services/cursorpos.h"
#include "framework/services/keystate.h"
#include "framework/services/screenmetrics.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

SHORT Pressed(int key, std::initializer_list<int> down) {
  for (int k : down) {
    if (k == key) return static_cast<SHORT>(0x8000);
  }
  return 0;
}

TEST_F(StdControlTest, ServiceDoublesChangeWhatTheFrameworkReads) {
  {
    const ServiceDouble<SHORT(int)> keys(KeyState, [](int key) { return Pressed(key, {VK_SHIFT, VK_CONTROL}); });
    EXPECT_EQ(KeyboardShiftState(), (TShiftState{ssShift, ssCtrl}));
    EXPECT_EQ(MouseKeysToShiftState(MK_LBUTTON), TShiftState{ssLeft});  // modifiers of a mouse message: its own
  }
  {
    const ServiceDouble<SHORT(int)> keys(KeyState, [](int key) { return Pressed(key, {VK_MENU}); });
    EXPECT_EQ(KeyboardShiftState(), TShiftState{ssAlt});
    EXPECT_EQ(MouseKeysToShiftState(MK_SHIFT), (TShiftState{ssShift, ssAlt}));
  }

  // The screen: its size and the monitor nearest a point.
  std::vector<POINT> asked;
  const ServiceDouble<SIZE()> size(ScreenSize, [] { return SIZE{2560, 1440}; });
  const ServiceDouble<MonitorArea(POINT)> monitors(NearestMonitor, [&](POINT p) {
    asked.push_back(p);
    return p.x < 1280 ? MonitorArea{nullptr, RECT{0, 0, 1280, 1024}, RECT{0, 0, 1280, 984}}
                      : MonitorArea{nullptr, RECT{1280, 0, 2560, 1024}, RECT{1330, 0, 2560, 1024}};
  });
  EXPECT_EQ(Screen->Width(), 2560);
  EXPECT_EQ(Screen->Height(), 1440);
  const TMonitor second = Screen->MonitorFromPoint(TPoint{1500, 10});
  EXPECT_EQ(second.BoundsRect, Rect(1280, 0, 2560, 1024));
  EXPECT_EQ(second.WorkareaRect, Rect(1330, 0, 2560, 1024));
  EXPECT_EQ(Screen->MonitorFromPoint(TPoint{5, 5}).WorkareaRect, Rect(0, 0, 1280, 984));

  // A hint window stays inside the work area of the monitor of its corner.
  auto* window = Create<THintWindow>(nullptr);
  asked.clear();
  window->ActivateHint(Bounds(1200, 970, 60, 20), "low");
  EXPECT_EQ(window->BoundsRect(), Bounds(1200, 964, 60, 20));
  window->ActivateHint(Bounds(1300, 100, 60, 20), "left of the docked bar");
  EXPECT_EQ(window->BoundsRect(), Bounds(1330, 100, 60, 20));
  EXPECT_EQ(asked.size(), 2U);
  window->Free();

  // The window under a point decides the control there.
  auto* panel = Make<TPanel>(Rect(10, 10, 100, 100));
  Form()->Show();
  const ServiceDouble<HWND(POINT)> under(WindowAtPoint, [&](POINT) { return panel->Handle(); });
  EXPECT_EQ(FindVCLWindow(TPoint{-500, -500}), panel);
}

// A hint window class of a test: remembers the data its size was asked with.
class NoteHintWindow : public THintWindow {
 public:
  using THintWindow::THintWindow;
  void* Data = nullptr;
  TRect CalcHintRect(int MaxWidth, const std::string& AHint, void* AData) override {
    Data = AData;
    return THintWindow::CalcHintRect(MaxWidth, AHint, AData);
  }
};

// Gives its hint per half: the left half and the right half of its client area.
class HalvesPanel : public TPanel {
 public:
  using TPanel::TPanel;
  int Asked = 0;
  int Note = 7;
  std::vector<TPoint> CursorPositions;

  void Dispatch(TMessage& Message) override {
    if (Message.Msg != CM_HINTSHOW) return TPanel::Dispatch(Message);
    auto& info = *reinterpret_cast<THintInfo*>(Message.LParam);
    ++Asked;
    CursorPositions.push_back(info.CursorPos);
    const bool left = info.CursorPos.X < Width() / 2;
    info.CursorRect = left ? Rect(0, 0, Width() / 2, Height()) : Rect(Width() / 2, 0, Width(), Height());
    info.HintStr = left ? "left half" : "right half";
    info.HintPos = ClientToScreen(TPoint{left ? 0 : Width() / 2, Height()});
    info.HintWindowClass = &CreateHintWindow<NoteHintWindow>;
    info.HintData = &Note;
    Message.Result = 0;
  }
};

class HintPlacementTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    App().SetHintPause(10);
    App().SetHintShortPause(10);
    App().SetHintHidePause(0);
    Form()->SetBounds(100, 100, 400, 300);
    panel_ = Make<HalvesPanel>(Rect(20, 20, 220, 120));
    panel_->SetHint("halves");
    panel_->SetShowHint(true);
    Form()->Show();
  }
  // The mouse at a client point of the panel: the cursor the framework reads (a double) and a move message;
  // the system's cursor goes there too, so that the window does not think the mouse left it.
  void MoveTo(int x, int y) {
    cursor_ = panel_->ClientToScreen(TPoint{x, y}).ToPOINT();
    SetCursorPos(cursor_.x, cursor_.y);
    PostMessageA(panel_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    ProcessMessages();
  }
  bool WaitForHint(const std::string& text) {
    const DWORD start = GetTickCount();
    while (!(App().HintWindow()->IsShowing() && App().HintWindow()->Caption() == text) &&
           GetTickCount() - start < 20000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      ProcessMessages();
    }
    return App().HintWindow()->IsShowing() && App().HintWindow()->Caption() == text;
  }

  HalvesPanel* panel_ = nullptr;
  POINT cursor_{};
  ServiceDouble<POINT()> cursorDouble_{CursorPos, [this] { return cursor_; }};
};

TEST_F(HintPlacementTest, AControlPlacesItsHintInItsOwnWindowClassAndHintsPartByPart) {
  MoveTo(30, 40);
  ASSERT_TRUE(WaitForHint("left half"));
  auto* window = dynamic_cast<NoteHintWindow*>(App().HintWindow());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Data, &panel_->Note);
  EXPECT_EQ(window->Left(), panel_->ClientToScreen(TPoint{0, 0}).X);
  EXPECT_EQ(window->Top(), panel_->ClientToScreen(TPoint{0, panel_->Height()}).Y);
  EXPECT_EQ(panel_->CursorPositions.at(0), (TPoint{30, 40}));

  MoveTo(60, 50);  // still inside the left half: nothing asked again
  EXPECT_EQ(panel_->Asked, 1);
  MoveTo(150, 50);  // the right half: asked anew, shown at its own place
  ASSERT_TRUE(WaitForHint("right half"));
  EXPECT_EQ(panel_->Asked, 2);
  EXPECT_EQ(App().HintWindow()->Left(), panel_->ClientToScreen(TPoint{panel_->Width() / 2, 0}).X);
}

TEST_F(StdControlTest, ARegisteredCursorNumberShowsOnAControl) {
  constexpr TCursor crPointer = 54;
  BYTE andMask[32 * 4];
  BYTE xorMask[32 * 4];
  std::fill(std::begin(andMask), std::end(andMask), 0xFF);
  std::fill(std::begin(xorMask), std::end(xorMask), 0x00);
  HCURSOR own = CreateCursor(GetModuleHandleA(nullptr), 3, 3, 32, 32, andMask, xorMask);
  ASSERT_NE(own, nullptr);
  Screen->SetCursors(crPointer, own);
  EXPECT_EQ(Screen->Cursors(crPointer), own);
  EXPECT_EQ(CursorHandle(crPointer), own);

  auto* panel = Make<TPanel>(Rect(10, 10, 100, 100));
  panel->SetCursor(crPointer);
  Form()->Show();
  const ServiceDouble<POINT()> cursor(CursorPos, [&] { return panel->ClientToScreen(TPoint{5, 5}).ToPOINT(); });
  EXPECT_TRUE(SendMessageA(panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(panel->Handle()), HTCLIENT));
  EXPECT_EQ(GetCursor(), own);

  // The splitters have cursors of their own; an unknown number is the arrow; a removed one is unknown.
  EXPECT_EQ(CursorHandle(crHSplit), LoadCursorA(nullptr, IDC_SIZEWE));
  EXPECT_EQ(CursorHandle(crVSplit), LoadCursorA(nullptr, IDC_SIZENS));
  Screen->SetCursors(crPointer, nullptr);
  EXPECT_EQ(Screen->Cursors(crPointer), LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_THROW(Screen->LoadCursors(crPointer, GetModuleHandleA(nullptr), "NO_SUCH_CURSOR"), EResNotFound);
  EXPECT_EQ(Screen->Cursors(crPointer), LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace
}  // namespace fw
