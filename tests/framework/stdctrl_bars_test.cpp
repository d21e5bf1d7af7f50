// Progress bars, status bars and scroll bars: values kept in range, mirrored to the windows, the status
// bar's panels and alignment, scrolling through the window's messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "framework/controls/progress_bar.h"
#include "framework/controls/scroll_bar.h"
#include "framework/controls/status_bar.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

TEST_F(StdControlTest, ProgressBarKeepsPositionInRangeAndMirrorsIt) {
  auto* bar = Make<TProgressBar>(Rect(10, 10, 210, 26));
  bar->SetMax(1648);
  bar->SetPosition(2000);
  EXPECT_EQ(bar->Position(), 1648);
  bar->SetPosition(0);
  bar->SetStep(1);
  bar->StepIt();
  bar->StepBy(9);
  EXPECT_EQ(bar->Position(), 10);
  bar->SetVisible(false);
  Form()->Show();
  EXPECT_FALSE(IsWindowVisible(bar->Handle()));
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0), 10);
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETRANGE, FALSE, 0), 1648);
  bar->SetMin(20);
  EXPECT_EQ(bar->Position(), 20);
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0), 20);
  bar->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(bar->Handle()));
}

TEST_F(StdControlTest, StatusBarPanelsReachTheWindowAndTheBarSitsAtTheBottom) {
  auto* bar = Make<TStatusBar>();
  bar->Panels()->Add()->SetWidth(250);
  bar->Panels()->Add()->SetWidth(100);
  bar->Panels()->Items(1)->SetText("Assignments Saved");
  EXPECT_EQ(bar->Align(), alBottom);
  Form()->Show();
  const int client = Form()->ClientHeight();
  EXPECT_EQ(bar->BoundsRect(), Rect(0, client - 19, Form()->ClientWidth(), client));
  char text[64] = {};
  SendMessageA(bar->Handle(), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Assignments Saved");
  EXPECT_EQ(SendMessageA(bar->Handle(), SB_GETPARTS, 0, 0), 2);
  int edges[2] = {};
  SendMessageA(bar->Handle(), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[0], 250);
  EXPECT_EQ(edges[1], -1);  // the last panel takes the rest

  bar->Panels()->Items(0)->SetText("MISC_EXPORT.INI - Saved");
  bar->Panels()->Items(0)->SetAlignment(taCenter);
  SendMessageA(bar->Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "\tMISC_EXPORT.INI - Saved");
  bar->SetSimplePanel(true);
  bar->SetSimpleText("Simple");
  EXPECT_NE(SendMessageA(bar->Handle(), SB_ISSIMPLE, 0, 0), 0);
  EXPECT_EQ(bar->Panels()->Items(0)->Text(), "MISC_EXPORT.INI - Saved");
  EXPECT_GT(testing::PaintedPixelsOnParent(bar), 0);

  // A text changed while the bar is simple shows once it has panels again; a width lays the parts out anew.
  bar->Panels()->Items(1)->SetText("Written while simple");
  bar->SetSimplePanel(false);
  EXPECT_EQ(SendMessageA(bar->Handle(), SB_ISSIMPLE, 0, 0), 0);
  SendMessageA(bar->Handle(), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Written while simple");
  bar->Panels()->Items(0)->SetWidth(300);
  SendMessageA(bar->Handle(), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[0], 300);
  SendMessageA(bar->Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "\tMISC_EXPORT.INI - Saved");
}

TEST_F(StdControlTest, ScrollBarScrollsByTheWindowsMessagesAndReportsChanges) {
  auto* bar = Make<TScrollBar>(Rect(10, 10, 210, 27));
  bar->SetParams(5, 0, 50);
  bar->SetSmallChange(2);
  bar->SetLargeChange(10);
  std::vector<std::pair<TScrollCode, int>> scrolls;
  int changes = 0;
  bar->OnScroll = [&](TObject*, TScrollCode code, int& pos) {
    scrolls.emplace_back(code, pos);
    if (code == scBottom) pos = 40;  // the handler may move it elsewhere
  };
  bar->OnChange = [&](TObject*) { ++changes; };
  Form()->Show();
  const auto scroll = [&](WORD code) {
    SendMessageA(Form()->Handle(), WM_HSCROLL, code, reinterpret_cast<LPARAM>(bar->Handle()));
  };
  scroll(SB_LINEDOWN);
  scroll(SB_PAGEDOWN);
  scroll(SB_BOTTOM);
  scroll(SB_LINEUP);
  EXPECT_EQ(scrolls, (std::vector<std::pair<TScrollCode, int>>{{scLineDown, 7}, {scPageDown, 17}, {scBottom, 50},
                                                               {scLineUp, 38}}));
  EXPECT_EQ(bar->Position(), 38);
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 38);
  bar->SetPosition(38);
  bar->SetPosition(100);
  EXPECT_EQ(bar->Position(), 50);
  EXPECT_EQ(changes, 5);
}

}  // namespace
}  // namespace fw
