// Track bars and check list boxes: values kept in range and mirrored to the windows, changes by the
// user's keys and clicks reaching their events.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "framework/controls/check_list_box.h"
#include "framework/controls/track_bar.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

TEST_F(StdControlTest, TrackBarClampsRefusesCrossedRangesAndMirrorsToTheWindow) {
  auto* bar = Make<TTrackBar>(Rect(10, 10, 210, 55));
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  bar->SetMax(20);
  bar->SetPosition(50);
  EXPECT_EQ(bar->Position(), 20);
  EXPECT_EQ(changes, 1);
  bar->SetMin(30);  // above the maximum: ignored
  EXPECT_EQ(bar->Min(), 0);
  bar->SetMin(5);
  bar->SetMax(2);  // below the minimum: ignored
  EXPECT_EQ(bar->Max(), 20);
  bar->SetMax(12);  // pulls the position down with it
  EXPECT_EQ(bar->Position(), 12);
  EXPECT_EQ(changes, 2);
  bar->SetPosition(12);  // no change, no event
  EXPECT_EQ(changes, 2);

  Form()->Show();
  EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETRANGEMIN, 0, 0), 5);
  EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETRANGEMAX, 0, 0), 12);
  EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETPOS, 0, 0), 12);
  bar->SetPageSize(3);
  EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETPAGESIZE, 0, 0), 3);
  bar->SetPosition(7);
  EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETPOS, 0, 0), 7);
  EXPECT_EQ(changes, 3);
}

TEST_F(StdControlTest, TrackBarReportsTheUsersMovesInBothOrientations) {
  for (TTrackBarOrientation orientation : {trHorizontal, trVertical}) {
    SCOPED_TRACE(orientation);
    auto* bar = Make<TTrackBar>(Rect(10, 10, 210, 55));
    bar->SetOrientation(orientation);
    bar->SetPageSize(4);
    Form()->Show();
    std::vector<int> seen;
    bar->OnChange = [&](TObject*) { seen.push_back(bar->Position()); };
    // A vertical bar's Down/Page Down move towards the maximum as Right does on a horizontal one.
    PostMessageA(bar->Handle(), WM_KEYDOWN, orientation == trVertical ? VK_DOWN : VK_RIGHT, 0);
    PostMessageA(bar->Handle(), WM_KEYDOWN, VK_NEXT, 0);
    PostMessageA(bar->Handle(), WM_KEYDOWN, VK_END, 0);
    ProcessMessages();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 1);
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_EQ(seen.back(), 10);
    EXPECT_NE(std::find(seen.begin(), seen.end(), 5), seen.end());
    bar->Free();
  }
}

TEST_F(StdControlTest, CheckListBoxStepsStatesByClickOnTheBoxAndBySpace) {
  auto* list = Make<TCheckListBox>(Rect(10, 10, 210, 150));
  for (const char* name : {"Gear", "Flaps", "Spoilers"}) list->Items()->Add(name);
  list->SetChecked(2, true);
  list->Items()->Insert(0, "Brakes");  // the states move with their items
  EXPECT_EQ(list->State(3), cbChecked);
  EXPECT_THROW(list->State(4), EListError);
  Form()->Show();
  int clicks = 0;
  list->OnClickCheck = [&](TObject*) { ++clicks; };
  const int row = list->ItemHeight();

  PostClick(list->Handle(), 5, row + row / 2);  // on the box of "Gear"
  EXPECT_EQ(list->State(1), cbChecked);
  EXPECT_EQ(clicks, 1);
  PostClick(list->Handle(), 120, row + row / 2);  // on its text: selects only
  EXPECT_EQ(list->State(1), cbChecked);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  PostClick(list->Handle(), 5, 8 * row);  // below the last item
  EXPECT_EQ(clicks, 1);

  list->SetAllowGrayed(true);
  const TCheckBoxState cycle[] = {cbUnchecked, cbGrayed, cbChecked};
  for (TCheckBoxState expected : cycle) {
    PostMessageA(list->Handle(), WM_CHAR, ' ', 0);
    ProcessMessages();
    EXPECT_EQ(list->State(1), expected);
  }
  EXPECT_EQ(clicks, 4);
  list->Items()->Delete(0);
  EXPECT_TRUE(list->Checked(0));
  EXPECT_TRUE(list->Checked(2));
  EXPECT_GT(testing::PaintedPixels(list), 0);
}

}  // namespace
}  // namespace fw
