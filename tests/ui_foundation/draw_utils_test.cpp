// Colour arithmetic, gradients, the button background, face looks, transparent bitmaps and the
// layered-window calls, painted on a memory canvas.
#include <gtest/gtest.h>

#include <vector>

#include "framework/rtl/exceptions.h"
#include "tests/framework/ui_test_support.h"
#include "ui/foundation/draw_utils.h"
#include "ui/foundation/theme_library.h"

namespace ui {
namespace {

using fw::testing::MemoryBitmap;

class CanvasTest : public ::testing::Test {
 protected:
  explicit CanvasTest(int width = 40, int height = 30) : target_(width, height) { canvas_.SetHandle(target_.DC()); }
  fw::TColor At(int x, int y) { return target_.Pixel(x, y); }
  MemoryBitmap target_;
  fw::TCanvas canvas_;
};

TEST(DrawColours, HalveBrightenAndPosition) {
  EXPECT_EQ(static_cast<fw::TColor>(RGB(0x7F, 0x40, 0x20)), HalveColor(RGB(0xFF, 0x80, 0x40)));
  EXPECT_EQ(static_cast<fw::TColor>(RGB(80, 160, 40)), BrightenColor(RGB(100, 200, 50), -20));
  EXPECT_EQ(static_cast<fw::TColor>(RGB(255, 240, 60)), BrightenColor(RGB(220, 200, 50), 20));  // kept within 255
  EXPECT_EQ(fw::clRed, ColorAtPosition(fw::clRed, fw::clNone, 0, 10, 5));
  EXPECT_EQ(fw::clRed, ColorAtPosition(fw::clRed, fw::clBlue, 7, 7, 3));  // no range: no division
  EXPECT_EQ(static_cast<fw::TColor>(RGB(128, 128, 128)), ColorAtPosition(fw::clBlack, fw::clWhite, 0, 10, 5));
  EXPECT_EQ(static_cast<fw::TColor>(RGB(0, 0, 51)), ColorAtPosition(fw::clBlack, fw::clBlue, 0, 10, 2));
}

TEST_F(CanvasTest, BandedGradientSteps) {
  // 10 wide, 2 steps: extent 9, bands of 4.5 pixels, three bands.
  DrawBandedGradient(&canvas_, fw::clBlack, fw::clWhite, 2, fw::TRect{0, 0, 10, 4}, true);
  EXPECT_EQ(fw::clBlack, At(0, 1));
  EXPECT_EQ(fw::clBlack, At(3, 1));
  EXPECT_EQ(static_cast<fw::TColor>(RGB(128, 128, 128)), At(4, 1));
  EXPECT_EQ(static_cast<fw::TColor>(RGB(128, 128, 128)), At(8, 1));
  EXPECT_EQ(fw::clWhite, At(9, 1));
  // More steps than pixels: one band per pixel.
  DrawBandedGradient(&canvas_, fw::clBlack, fw::clWhite, 100, fw::TRect{0, 10, 5, 14}, true);
  const int expected[5] = {0, 64, 128, 191, 255};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(static_cast<fw::TColor>(RGB(expected[x], expected[x], expected[x])), At(x, 11));
  // No steps: two bands, the second only in the last column.
  DrawBandedGradient(&canvas_, fw::clRed, fw::clBlue, 0, fw::TRect{20, 0, 30, 4}, true);
  EXPECT_EQ(fw::clRed, At(28, 1));
  EXPECT_EQ(fw::clBlue, At(29, 1));
  // Downwards, and upside-down rectangles are turned round.
  DrawBandedGradient(&canvas_, fw::clRed, fw::clBlue, 1, fw::TRect{20, 20, 24, 10}, false);
  EXPECT_EQ(fw::clRed, At(21, 11));
  EXPECT_EQ(fw::clBlue, At(21, 19));
}

TEST_F(CanvasTest, BandedGradientWithoutHeightOrColour) {
  DrawBandedGradient(&canvas_, fw::clRed, fw::clBlue, 4, fw::TRect{0, 5, 10, 5}, true);
  EXPECT_EQ(1200, target_.Count(RECT{0, 0, 40, 30}, fw::clWhite));
  DrawBandedGradient(&canvas_, fw::clNone, fw::clBlue, 4, fw::TRect{0, 0, 10, 4}, true);
  EXPECT_EQ(40, target_.Count(RECT{0, 0, 10, 4}, fw::clBlue));
}

TEST_F(CanvasTest, MirrorGradientHalvesAndBorders) {
  DrawMirrorGradient(&canvas_, fw::TRect{0, 0, 10, 20}, fw::clRed, fw::clRed, fw::clBlue, fw::clBlue, true, fw::clLime,
                     true, true);
  EXPECT_EQ(fw::clRed, At(5, 3));
  EXPECT_EQ(fw::clBlue, At(5, 15));
  EXPECT_EQ(fw::clLime, At(0, 10));
  EXPECT_EQ(fw::clLime, At(9, 10));
  EXPECT_EQ(fw::clRed, At(5, 0));  // sides only: no top line
  DrawMirrorGradient(&canvas_, fw::TRect{20, 0, 30, 10}, fw::clRed, fw::clNone, fw::clNone, fw::clNone, true,
                     fw::clBlack, false, true);
  EXPECT_EQ(fw::clRed, At(25, 5));
  EXPECT_EQ(fw::clBlack, At(25, 0));
  EXPECT_EQ(fw::clBlack, At(25, 10));  // a plain fill grows by one pixel downwards, and so does the frame
}

TEST_F(CanvasTest, ButtonBackgroundByPosition) {
  const fw::TColor top = 0x00FF01, bottom = 0x00FF02, border = 0x00FF03, corner = 0x00FF04, outer = 0x00FF05,
                   face = 0x00FF06;
  struct Case {
    std::uint8_t position;
    bool left, right;
  };
  for (const Case c : {Case{0, true, true}, Case{1, true, false}, Case{2, false, true}, Case{3, false, false}}) {
    target_.Fill(fw::clWhite);
    // (0, 0, 20, 12): right edge 19, bottom 10.
    DrawButtonBackground(&canvas_, face, fw::clNone, fw::clNone, fw::clNone, top, bottom, border, corner, outer,
                         fw::TRect{0, 0, 20, 12}, c.position);
    EXPECT_EQ(c.left ? outer : border, At(0, 0)) << int(c.position);
    EXPECT_EQ(c.left ? corner : top, At(1, 1)) << int(c.position);
    EXPECT_EQ(c.left ? corner : bottom, At(1, 9)) << int(c.position);
    EXPECT_EQ(c.right ? outer : border, At(18, 10)) << int(c.position);
    EXPECT_EQ(c.right ? corner : top, At(17, 1)) << int(c.position);
    EXPECT_EQ(border, At(8, 0));
    EXPECT_EQ(top, At(8, 1));
    EXPECT_EQ(bottom, At(8, 9));
    EXPECT_EQ(border, At(8, 10));
    EXPECT_EQ(face, At(8, 5));
    EXPECT_EQ(c.left ? border : face, At(0, 5)) << int(c.position);
  }
  // With a second colour the inside is a 16-step gradient; with a mirror colour two of them.
  target_.Fill(fw::clWhite);
  DrawButtonBackground(&canvas_, fw::clRed, fw::clRed, fw::clBlue, fw::clBlue, top, bottom, border, corner, outer,
                       fw::TRect{0, 0, 20, 22}, 0);
  EXPECT_EQ(fw::clRed, At(8, 4));
  EXPECT_EQ(fw::clBlue, At(8, 16));
}

TEST_F(CanvasTest, CustomFacesFollowTheState) {
  TControlFaceColors colors;
  colors.NormalFill = 0x000011;
  colors.NormalBorder = 0x000012;
  colors.NormalText = 0x000013;
  colors.HotFill = 0x000021;
  colors.HotBorder = 0x000022;
  colors.DownFill = 0x000031;
  colors.DownBorder = 0x000032;
  colors.DisabledFill = 0x000041;
  colors.DisabledBorder = 0x000042;
  const fw::TColor fills[4] = {0x000011, 0x000021, 0x000031, 0x000041};
  const fw::TColor borders[4] = {0x000012, 0x000022, 0x000032, 0x000042};
  for (std::uint8_t state = 0; state < 4; ++state) {
    DrawButtonFace(&canvas_, nullptr, fw::TRect{0, 0, 20, 10}, fkCustom, state, colors);
    EXPECT_EQ(fills[state], At(10, 5)) << int(state);
    EXPECT_EQ(borders[state], At(0, 5)) << int(state);
    DrawSpinButtons(&canvas_, nullptr, fw::TRect{0, 12, 30, 28}, fkCustom, state, colors);
    EXPECT_EQ(borders[state], At(14, 11)) << int(state);  // the up button's top edge (moved up by one)
    EXPECT_EQ(fw::clBlack, At(21, 15));                  // the up arrow
  }
  target_.Fill(fw::clWhite);
  DrawComboButton(&canvas_, nullptr, fw::TRect{0, 0, 30, 20}, fkCustom, fsHot, colors);
  // The button: Left 30 - 17 + 3 - 2 = 14, Right 28, rows 1 to 19.
  EXPECT_EQ(0x000021, At(20, 3));
  EXPECT_EQ(0x000012, At(15, 10));
  EXPECT_EQ(0x000013, At(22, 10));  // the arrow in the normal text colour
  EXPECT_EQ(fw::clWhite, At(13, 10));
}

TEST_F(CanvasTest, ClassicAndFlatLooksDifferByState) {
  TControlFaceColors colors;
  for (const std::uint8_t kind : {fkClassic, fkFlat}) {
    std::vector<fw::TColor> faces[4];
    for (std::uint8_t state = 0; state < 4; ++state) {
      target_.Fill(fw::clFuchsia);
      DrawButtonFace(&canvas_, nullptr, fw::TRect{0, 0, 20, 10}, kind, state, colors);
      EXPECT_NE(fw::clFuchsia, At(10, 5)) << int(kind) << "/" << int(state);
      for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) faces[state].push_back(At(x, y));
      }
    }
    // Classic faces are sunken when down (Wine draws flat faces alike in every state).
    if (kind == fkClassic) {
      EXPECT_NE(faces[fsNormal], faces[fsDown]);
    }
    target_.Fill(fw::clFuchsia);
    DrawComboButton(&canvas_, nullptr, fw::TRect{0, 0, 30, 20}, kind, fsNormal, colors);
    EXPECT_NE(fw::clFuchsia, At(20, 10));
    EXPECT_EQ(fw::clFuchsia, At(5, 10));
    target_.Fill(fw::clFuchsia);
    DrawSpinButtons(&canvas_, nullptr, fw::TRect{0, 0, 30, 20}, kind, fsDisabled, colors);
    EXPECT_NE(fw::clFuchsia, At(20, 5));
    EXPECT_NE(fw::clFuchsia, At(20, 14));
  }
}

TEST_F(CanvasTest, ThemedLooksDrawThroughTheBinder) {
  ASSERT_NE(nullptr, ThemeLib.OpenThemeData);
  TControlFaceColors colors;
  for (std::uint8_t state = 0; state < 4; ++state) {
    EXPECT_NO_THROW(DrawComboButton(&canvas_, nullptr, fw::TRect{0, 0, 30, 20}, fkThemed, state, colors));
    EXPECT_NO_THROW(DrawButtonFace(&canvas_, nullptr, fw::TRect{0, 0, 30, 20}, fkThemed, state, colors));
    EXPECT_NO_THROW(DrawSpinButtons(&canvas_, nullptr, fw::TRect{0, 0, 30, 20}, fkThemed, state, colors));
  }
}

TEST_F(CanvasTest, TransparentBitmapReplacesItsTopLeftColour) {
  fw::TBitmap glyph;
  glyph.SetSize(3, 3);
  glyph.Canvas()->Brush()->SetColor(fw::clRed);
  glyph.Canvas()->FillRect(fw::TRect{0, 0, 3, 3});
  glyph.Canvas()->SetPixels(1, 1, fw::clBlue);
  DrawTransparentBitmap(&canvas_, &glyph, fw::clLime, fw::TRect{5, 5, 30, 30});
  EXPECT_EQ(fw::clLime, At(5, 5));
  EXPECT_EQ(fw::clLime, At(7, 7));
  EXPECT_EQ(fw::clBlue, At(6, 6));
  EXPECT_EQ(fw::clWhite, At(8, 8));  // natural size
  EXPECT_THROW(DrawBitmapResource(&canvas_, fw::clLime, fw::TRect{0, 0, 5, 5}, "NO_SUCH_GLYPH"), fw::EResNotFound);
}

TEST_F(CanvasTest, SmallTriangleAndFill) {
  DrawSmallTriangle(&canvas_, 10, 10, fw::clRed);
  EXPECT_EQ(fw::clRed, At(10, 11));
  EXPECT_EQ(fw::clWhite, At(10, 9));
  FillRectColor(&canvas_, fw::TRect{20, 20, 25, 25}, fw::clBlue);
  EXPECT_EQ(25, target_.Count(RECT{20, 20, 25, 25}, fw::clBlue));
}

TEST(LayeredWindows, CallsReachUser32) {
  HWND window = CreateWindowExA(WS_EX_LAYERED, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(nullptr, window);
  EXPECT_TRUE(CallSetLayeredWindowAttributes(window, 0, 128, LWA_ALPHA));
  EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, 0, 128, LWA_ALPHA));
  DestroyWindow(window);
}

}  // namespace
}  // namespace ui
