// Mouse capture, the control under a screen point, drag and drop, pop-up menus on controls, reading
// order, anchors and size limits.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/controls/drag_drop.h"
#include "framework/menus/menu.h"
#include "framework/rtl/syslocale.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::GraphicBox;
using testing::PaintedControl;
using testing::StdControlTest;

TEST_F(StdControlTest, CaptureKeepsMouseMessagesOutsideTheControl) {
  auto* box = Make<GraphicBox>(Rect(10, 10, 30, 30));
  std::vector<TPoint> moves;
  box->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.push_back(TPoint{x, y}); };
  Form()->Show();
  Form()->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));  // not over the box: not its message
  EXPECT_TRUE(moves.empty());
  box->SetMouseCapture(true);
  EXPECT_TRUE(box->MouseCapture());
  Form()->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], (TPoint{90, 90}));  // in the box's own coordinates
  box->SetMouseCapture(false);
  EXPECT_FALSE(box->MouseCapture());
  Form()->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
  EXPECT_EQ(moves.size(), 1u);

  auto* windowed = Make<PaintedControl>(Rect(50, 50, 80, 80));
  windowed->SetMouseCapture(true);
  EXPECT_EQ(GetCapture(), windowed->Handle());
  EXPECT_TRUE(windowed->MouseCapture());
  windowed->SetMouseCapture(false);
}

TEST_F(StdControlTest, ControlUnderAScreenPointIsGraphicOrWindowed) {
  auto* panel = Make<PaintedControl>(Rect(20, 20, 120, 120));
  auto* box = Make<GraphicBox>(Rect(10, 10, 30, 30), panel);
  Form()->Show();
  ProcessMessages();
  EXPECT_EQ(FindDragTarget(panel->ClientToScreen(TPoint{15, 15}), false), box);
  EXPECT_EQ(FindDragTarget(panel->ClientToScreen(TPoint{60, 60}), false), panel);
  EXPECT_EQ(FindDragTarget(Form()->ClientToScreen(TPoint{5, 5}), false), Form());
  box->SetEnabled(false);
  EXPECT_EQ(FindDragTarget(panel->ClientToScreen(TPoint{15, 15}), false), panel);
  EXPECT_EQ(FindDragTarget(panel->ClientToScreen(TPoint{15, 15}), true), box);
}

TEST_F(StdControlTest, DragPastTheThresholdRunsDragOverAndDragDropOnTheTarget) {
  auto* source = Make<PaintedControl>(Rect(10, 10, 60, 60));
  auto* target = Make<PaintedControl>(Rect(200, 10, 260, 60));
  auto* refusing = Make<PaintedControl>(Rect(200, 100, 260, 160));
  source->SetDragMode(dmAutomatic);
  std::vector<TDragState> states;
  TObject* dropped = nullptr;
  TPoint dropAt{};
  target->OnDragOver = [&](TObject*, TObject* src, int, int, TDragState state, bool& accept) {
    states.push_back(state);
    accept = src == source;
  };
  target->OnDragDrop = [&](TObject*, TObject* src, int x, int y) {
    dropped = src;
    dropAt = TPoint{x, y};
  };
  refusing->OnDragOver = [&](TObject*, TObject*, int, int, TDragState, bool& accept) { accept = false; };
  TObject* endedOn = reinterpret_cast<TObject*>(1);
  int clicks = 0;
  source->OnEndDrag = [&](TObject*, TObject* t, int, int) { endedOn = t; };
  source->OnClick = [&](TObject*) { ++clicks; };
  Form()->Show();
  ProcessMessages();

  const auto at = [&](TControl* c, int x, int y) {
    const TPoint onSource = source->ScreenToClient(c->ClientToScreen(TPoint{x, y}));
    return MAKELPARAM(onSource.X, onSource.Y);
  };
  const TPoint start = source->ClientToScreen(TPoint{20, 20});
  SetCursorPos(start.X, start.Y);
  source->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_TRUE(source->Dragging());
  source->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(22, 21));  // within the threshold: no drag yet
  EXPECT_TRUE(states.empty());
  source->Perform(WM_MOUSEMOVE, MK_LBUTTON, at(target, 10, 10));
  source->Perform(WM_MOUSEMOVE, MK_LBUTTON, at(target, 12, 12));
  EXPECT_EQ(states, (std::vector<TDragState>{dsDragEnter, dsDragMove}));
  source->Perform(WM_LBUTTONUP, 0, at(target, 15, 16));
  EXPECT_EQ(dropped, source);
  EXPECT_EQ(dropAt, (TPoint{15, 16}));
  EXPECT_EQ(endedOn, target);
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(clicks, 0);

  // Onto a control that refuses: no drop, and the drag ends on nothing.
  dropped = nullptr;
  SetCursorPos(start.X, start.Y);
  source->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  source->Perform(WM_MOUSEMOVE, MK_LBUTTON, at(refusing, 10, 10));
  source->Perform(WM_LBUTTONUP, 0, at(refusing, 10, 10));
  EXPECT_EQ(dropped, nullptr);
  EXPECT_EQ(endedOn, nullptr);

  // A press and release without moving is a click, not a drag.
  source->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  source->Perform(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(source->Dragging());
}

TEST_F(StdControlTest, RightClickPopsTheControlsMenuWithItsComponent) {
  auto* menu = Create<TPopupMenu>(Form());
  auto* item = Create<TMenuItem>(menu);
  item->SetCaption("Reset");
  menu->Items()->Add(item);
  int clicked = 0;
  item->OnClick = [&](TObject*) { ++clicked; };
  auto* box = Make<GraphicBox>(Rect(10, 10, 40, 40));
  auto* windowed = Make<PaintedControl>(Rect(100, 10, 140, 40));
  box->SetPopupMenu(menu);
  windowed->SetPopupMenu(menu);
  std::vector<TPoint> shownAt;
  ServiceDouble<UINT(HMENU, UINT, int, int, HWND)> tracking(
      TrackPopupMenuService, [&](HMENU, UINT, int x, int y, HWND) {
        shownAt.push_back(TPoint{x, y});
        return item->Command();
      });
  Form()->Show();
  ProcessMessages();

  Form()->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
  Form()->Perform(WM_RBUTTONUP, 0, MAKELPARAM(20, 20));
  ASSERT_EQ(shownAt.size(), 1u);
  EXPECT_EQ(shownAt[0], Form()->ClientToScreen(TPoint{20, 20}));
  EXPECT_EQ(menu->PopupComponent(), box);
  EXPECT_EQ(clicked, 1);

  const TPoint screen = windowed->ClientToScreen(TPoint{5, 6});
  SendMessageA(windowed->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(windowed->Handle()),
               MAKELPARAM(screen.X, screen.Y));
  ASSERT_EQ(shownAt.size(), 2u);
  EXPECT_EQ(shownAt[1], screen);
  EXPECT_EQ(menu->PopupComponent(), windowed);

  menu->Free();  // the controls forget it
  EXPECT_EQ(box->PopupMenu(), nullptr);
  EXPECT_EQ(windowed->PopupMenu(), nullptr);
}

TEST_F(StdControlTest, RightToLeftReadingOnlyOnAMiddleEastSystemAndFollowsTheParent) {
  auto* panel = Make<PaintedControl>(Rect(0, 0, 100, 100));
  auto* child = Make<GraphicBox>(Rect(0, 0, 10, 10), panel);
  const bool wasMiddleEast = SysLocale.MiddleEast;
  SysLocale.MiddleEast = false;
  panel->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(child->BiDiMode(), bdRightToLeft);  // ParentBiDiMode
  EXPECT_FALSE(child->UseRightToLeftReading());
  SysLocale.MiddleEast = true;
  EXPECT_TRUE(child->UseRightToLeftReading());
  child->SetBiDiMode(bdLeftToRight);
  EXPECT_FALSE(child->ParentBiDiMode());
  EXPECT_FALSE(child->UseRightToLeftReading());
  panel->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_EQ(child->BiDiMode(), bdLeftToRight);
  SysLocale.MiddleEast = wasMiddleEast;
}

TEST_F(StdControlTest, AnchorsKeepEdgeDistancesAndConstraintsLimitTheSize) {
  auto* panel = Make<PaintedControl>(Rect(0, 0, 200, 100));
  auto* right = Make<GraphicBox>(Rect(150, 10, 190, 30), panel);
  right->SetAnchors({akTop, akRight});
  auto* stretched = Make<GraphicBox>(Rect(10, 40, 190, 60), panel);
  stretched->SetAnchors({akLeft, akTop, akRight, akBottom});
  auto* fixed = Make<GraphicBox>(Rect(10, 70, 30, 90), panel);
  panel->SetBounds(0, 0, 260, 140);
  EXPECT_EQ(right->BoundsRect(), Rect(210, 10, 250, 30));
  EXPECT_EQ(stretched->BoundsRect(), Rect(10, 40, 250, 100));
  EXPECT_EQ(fixed->BoundsRect(), Rect(10, 70, 30, 90));
  Form()->Show();  // with a window the distances hold the same
  panel->SetWidth(200);
  EXPECT_EQ(right->BoundsRect(), Rect(150, 10, 190, 30));

  fixed->Constraints()->SetMinWidth(15);
  fixed->Constraints()->SetMaxHeight(25);
  fixed->SetBounds(10, 70, 5, 100);
  EXPECT_EQ(fixed->Width(), 15);
  EXPECT_EQ(fixed->Height(), 25);
  panel->Constraints()->SetMaxWidth(150);  // applies at once
  EXPECT_EQ(panel->Width(), 150);
}

}  // namespace
}  // namespace fw
