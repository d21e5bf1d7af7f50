// The drop-down window's shape and frame, on a plain pop-up window standing in for the system's menu window:
// its region, the one-time move under its opener, the frame in the border colour with the line that joins
// a first-level drop-down to its bar item, and the window given back when it hides.
#include "ui/controls/menu_window_shape.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "ui/controls/menu_item_painting.h"

namespace ui {
namespace {

constexpr fw::TColor kBorder = 0x0000FF;
constexpr fw::TColor kBackground = 0x00FF00;

class DropDownWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TrelvikDropDownStandIn";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "TrelvikDropDownStandIn", "", WS_POPUP | WS_VISIBLE, 100, 100, 200,
                              100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    UpdateWindow(window_);
  }
  void TearDown() override { DestroyWindow(window_); }

  RECT WindowRect() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return r;
  }
  RECT RegionBox() const {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    if (GetWindowRgn(window_, region) != ERROR) GetRgnBox(region, &box);
    DeleteObject(region);
    return box;
  }
  fw::TColor Pixel(int x, int y) const {
    const HDC dc = GetWindowDC(window_);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window_, dc);
    return static_cast<fw::TColor>(c);
  }

  HWND window_ = nullptr;
};

TEST_F(DropDownWindowTest, AFirstLevelDropDownIsShapedMovedOnceAndJoinsItsBarItem) {
  TDropDownWindowLook look;
  look.borderColor = kBorder;
  look.backgroundColor = kBackground;
  look.opener = RECT{120, 80, 170, 100};
  ShapeAndFrameDropDownWindow(window_, look);
  EXPECT_TRUE(IsShapedDropDownWindow(window_));
  const RECT moved = WindowRect();
  EXPECT_EQ(moved.left, 99);
  EXPECT_EQ(moved.top, 98);
  const RECT box = RegionBox();
  EXPECT_EQ(box.left, 1);
  EXPECT_EQ(box.top, 1);
  EXPECT_EQ(box.right, 200 - 1 - kDropDownRightCut);
  EXPECT_EQ(box.bottom, 99);

  // Drawn again (as after every item) it stays where it is; the frame is in the border colour, broken at
  // the top by the background-coloured line under the opener, with a background-coloured frame inside.
  ShapeAndFrameDropDownWindow(window_, look);
  EXPECT_EQ(WindowRect().left, 99);
  EXPECT_EQ(WindowRect().top, 98);
  EXPECT_EQ(Pixel(1, 50), kBorder);
  EXPECT_EQ(Pixel(200 - 1 - kDropDownRightCut - 1, 50), kBorder);
  EXPECT_EQ(Pixel(2, 50), kBackground);
  EXPECT_EQ(Pixel(10, 1), kBorder);
  EXPECT_EQ(Pixel(120 - 99 + 1 + 5, 1), kBackground);
  EXPECT_EQ(Pixel(170 - 99 + 5, 1), kBorder);

  // Hidden, the window has its own procedure and shape again.
  ShowWindow(window_, SW_HIDE);
  EXPECT_FALSE(IsShapedDropDownWindow(window_));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window_, region), ERROR);
  DeleteObject(region);
}

TEST_F(DropDownWindowTest, DeeperDropDownsMoveAndNarrowByTheWayTheirSubMenusOpen) {
  struct Case {
    bool opensRight;
    int left;
    int frameRight;
  };
  for (const Case c : {Case{true, 100 - 14, 200 - 1 - 2 * kDropDownRightCut}, Case{false, 100 + 20, 200 - 1}}) {
    SCOPED_TRACE(c.opensRight ? "opens right" : "opens left");
    SetWindowPos(window_, nullptr, 100, 100, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    TDropDownWindowLook look;
    look.level = 2;
    look.opensRight = c.opensRight;
    look.borderColor = kBorder;
    look.backgroundColor = kBackground;
    ShapeAndFrameDropDownWindow(window_, look);
    EXPECT_EQ(WindowRect().left, c.left);
    EXPECT_EQ(WindowRect().top, 100);
    EXPECT_EQ(Pixel(10, 1), kBorder);
    if (c.frameRight < 200 - 1 - kDropDownRightCut) {
      EXPECT_EQ(Pixel(c.frameRight - 1, 50), kBorder);
    }
    ShowWindow(window_, SW_HIDE);
    EXPECT_FALSE(IsShapedDropDownWindow(window_));
  }
}

}  // namespace
}  // namespace ui
