// The metro scroll strip: the thumb's geometry as a pure function, no thumb while everything fits, page
// clicks (the last page stays at N - V) and dragging the thumb, on a grid's real strips.
#include <gtest/gtest.h>

#include "framework/rtl/arith.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"
#include "ui/grid/settings/scroll_control.h"

namespace ui::testing {
namespace {

TEST(ScrollThumbTest, StartAndLengthAlongTheTrack) {
  struct Case {
    const char* name;
    int extent, lead, trail, first, fixed, visible, count;
    int start, length;
  };
  const Case cases[] = {
      // Track 180 after 20: 20 + round(180 x 24 / 49 = 88.2); round(180 x 20 / 50) = 72.
      {"middle", 200, 20, 0, 25, 1, 20, 50, 108, 72},
      {"at the top", 200, 20, 0, 1, 1, 20, 50, 20, 72},
      // round(180 x 5 / 100 = 9) is below the minimum of 20.
      {"short thumb", 200, 20, 0, 1, 1, 5, 100, 20, 20},
      // 20 + round(180 x 98 / 99) = 198 would end past 200.
      {"never past the end", 200, 20, 0, 99, 1, 5, 100, 180, 20},
      // The footer rows shorten the track: 160 long, 20 + round(160 x 10 / 20) = 100, round(160 x 5 / 21).
      {"footer rows", 200, 20, 20, 11, 1, 5, 21, 100, 38},
      // Halves to even: round(100 x 1 / 8 = 12.5) = 12.
      {"half", 100, 0, 0, 1, 0, 4, 8, 12, 50},
      // Only fixed rows (N - F = 0) or none at all: no division, the thumb at the track's start.
      {"only fixed rows", 100, 20, 0, 1, 1, 1, 1, 20, 80},
      {"no rows", 100, 0, 0, 0, 0, 0, 0, 0, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TScrollThumb thumb = ScrollThumbGeometry(c.extent, c.lead, c.trail, c.first, c.fixed, c.visible, c.count);
    EXPECT_EQ(thumb.Start, c.start);
    EXPECT_EQ(thumb.Length, c.length);
  }
}

class ScrollStripTest : public fw::testing::StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    grid_ = Make<TVxStringGrid>(fw::Bounds(0, 0, 300, 200));
    grid_->HandleNeeded();
    grid_->SetScrollType(ssMetro);
    strip_ = grid_->VertScrollControl();
    ASSERT_NE(strip_, nullptr);
    strip_->HandleNeeded();
  }
  void Mouse(UINT msg, int y) {
    SendMessageA(strip_->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(2, static_cast<WORD>(y)));
  }
  int ThumbPixels() {
    fw::testing::MemoryBitmap bitmap(strip_->Width(), strip_->Height());
    strip_->PaintTo(bitmap.DC(), 0, 0);
    const RECT all{0, 0, strip_->Width(), strip_->Height()};
    return bitmap.Count(all, 0x0000FF);
  }

  TVxStringGrid* grid_ = nullptr;
  TScrollControl* strip_ = nullptr;
};

TEST_F(ScrollStripTest, NoThumbWhileEveryRowFits) {
  strip_->SetColor(0x0000FF);
  grid_->SetRowCount(3);
  EXPECT_FALSE(strip_->ThumbShown());
  EXPECT_EQ(ThumbPixels(), 0);
  grid_->SetRowCount(100);
  EXPECT_TRUE(strip_->ThumbShown());
  const TScrollThumb thumb = strip_->Thumb();
  EXPECT_EQ(thumb.Length, 20);  // the minimum
  EXPECT_EQ(ThumbPixels(), strip_->ScrollWidth * thumb.Length);
}

TEST_F(ScrollStripTest, PageClicksMoveTheTopRowByTheVisibleRows) {
  grid_->SetRowCount(30);
  const int visible = grid_->VisibleRowCount();
  const int last = 30 - visible;
  ASSERT_GT(last, visible);
  Mouse(WM_LBUTTONDOWN, strip_->Height() - 1);  // after the thumb
  Mouse(WM_LBUTTONUP, strip_->Height() - 1);
  EXPECT_EQ(grid_->TopRow(), 1 + visible);
  Mouse(WM_LBUTTONDOWN, strip_->Thumb().Start - 1);  // before it
  Mouse(WM_LBUTTONUP, strip_->Thumb().Start - 1);
  EXPECT_EQ(grid_->TopRow(), 1);
  Mouse(WM_LBUTTONDOWN, 0);  // before it on the first page: no further than the fixed rows
  EXPECT_EQ(grid_->TopRow(), 1);
  // On the last page a click below the thumb keeps the top row at N - V.
  grid_->SetTopRow(last);
  strip_->Invalidate();
  const TScrollThumb thumb = strip_->Thumb();
  ASSERT_LT(thumb.Start + thumb.Length, strip_->Height());
  Mouse(WM_LBUTTONDOWN, strip_->Height() - 1);
  EXPECT_EQ(grid_->TopRow(), last);
  EXPECT_FALSE(strip_->Dragging());
}

TEST_F(ScrollStripTest, DraggingTheThumbScrollsInProportion) {
  grid_->SetRowCount(60);
  const int visible = grid_->VisibleRowCount();
  const int height = strip_->Height();
  const int track = height - grid_->RowHeights(0);
  const int at = strip_->Thumb().Start + 2;
  Mouse(WM_LBUTTONDOWN, at);
  EXPECT_TRUE(strip_->Dragging());
  Mouse(WM_MOUSEMOVE, at + 30);
  const int expected = static_cast<int>(fw::Round(30.0 / track * 60)) + 1;
  EXPECT_EQ(grid_->TopRow(), expected);
  Mouse(WM_MOUSEMOVE, at + 5000);  // no further than the last page
  EXPECT_EQ(grid_->TopRow(), 60 - visible);
  Mouse(WM_MOUSEMOVE, at - 5000);  // nor before the fixed rows
  EXPECT_EQ(grid_->TopRow(), 1);
  Mouse(WM_LBUTTONUP, at);
  EXPECT_FALSE(strip_->Dragging());
  Mouse(WM_MOUSEMOVE, at + 30);
  EXPECT_EQ(grid_->TopRow(), 1);

  // A first row as tall as the strip leaves no track: the drag moves nothing rather than dividing by 0.
  grid_->SetRowHeights(0, strip_->Height());
  Mouse(WM_LBUTTONDOWN, strip_->Thumb().Start);
  ASSERT_TRUE(strip_->Dragging());
  Mouse(WM_MOUSEMOVE, strip_->Thumb().Start + 30);
  EXPECT_EQ(grid_->TopRow(), 1);
  Mouse(WM_LBUTTONUP, 0);
}

}  // namespace
}  // namespace ui::testing
