// The canvas over a memory bitmap: fills, shapes and text land on the expected pixels, and text is
// opaque on a solid brush and transparent on a clear one.
#include <gtest/gtest.h>

#include "framework/graphics/canvas.h"
#include "framework/rtl/exceptions.h"
#include "ui_test_support.h"

namespace fw {
namespace {

using testing::MemoryBitmap;

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : bitmap_(100, 60) { canvas_.SetHandle(bitmap_.DC()); }
  ~CanvasTest() override { canvas_.SetHandle(nullptr); }

  MemoryBitmap bitmap_;
  TCanvas canvas_;
};

TEST_F(CanvasTest, FillRectCoversExactlyTheRectangle) {
  canvas_.Brush()->SetColor(clRed);
  canvas_.FillRect(Rect(10, 10, 20, 15));
  EXPECT_EQ(bitmap_.Count(RECT{10, 10, 20, 15}, clRed), 50);
  EXPECT_EQ(bitmap_.Pixel(9, 10), clWhite);
  EXPECT_EQ(bitmap_.Pixel(20, 14), clWhite);
  EXPECT_EQ(bitmap_.Pixel(19, 15), clWhite);
}

TEST_F(CanvasTest, ShapesHavePenOutlineAndBrushInside) {
  canvas_.Pen()->SetColor(clBlue);
  canvas_.Brush()->SetColor(clLime);
  canvas_.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(bitmap_.Pixel(0, 0), clBlue);
  EXPECT_EQ(bitmap_.Pixel(9, 9), clBlue);
  EXPECT_EQ(bitmap_.Pixel(5, 5), clLime);
  EXPECT_EQ(bitmap_.Pixel(10, 10), clWhite);

  canvas_.Ellipse(40, 0, 60, 20);
  EXPECT_EQ(bitmap_.Pixel(50, 10), clLime);
  EXPECT_EQ(bitmap_.Pixel(50, 0), clBlue);
  EXPECT_EQ(bitmap_.Pixel(40, 0), clWhite);
  canvas_.RoundRect(70, 0, 90, 20, 10, 10);
  EXPECT_EQ(bitmap_.Pixel(80, 10), clLime);
  EXPECT_EQ(bitmap_.Pixel(80, 0), clBlue);
  EXPECT_EQ(bitmap_.Pixel(70, 0), clWhite);

  canvas_.Brush()->SetStyle(bsClear);
  canvas_.Rectangle(20, 0, 30, 10);
  EXPECT_EQ(bitmap_.Pixel(20, 0), clBlue);
  EXPECT_EQ(bitmap_.Pixel(25, 5), clWhite);
}

TEST_F(CanvasTest, FrameRectAndLinesUseBrushAndPen) {
  canvas_.Brush()->SetColor(clMaroon);
  canvas_.FrameRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(bitmap_.Pixel(0, 5), clMaroon);
  EXPECT_EQ(bitmap_.Pixel(5, 5), clWhite);

  canvas_.Pen()->SetColor(clNavy);
  canvas_.MoveTo(20, 5);
  canvas_.LineTo(30, 5);
  EXPECT_EQ(bitmap_.Pixel(20, 5), clNavy);
  EXPECT_EQ(bitmap_.Pixel(29, 5), clNavy);
  EXPECT_EQ(bitmap_.Pixel(30, 5), clWhite);  // the end point is not drawn
  EXPECT_EQ(canvas_.PenPos(), Point(30, 5));

  const TPoint triangle[] = {{40, 0}, {60, 0}, {40, 20}};
  canvas_.Brush()->SetColor(clTeal);
  canvas_.Polygon(triangle);
  EXPECT_EQ(bitmap_.Pixel(43, 3), clTeal);
  EXPECT_EQ(bitmap_.Pixel(58, 18), clWhite);
}

TEST_F(CanvasTest, PixelsReadAndWriteAndResolveSystemColours) {
  canvas_.SetPixels(3, 4, clPurple);
  EXPECT_EQ(canvas_.Pixels(3, 4), clPurple);
  EXPECT_EQ(bitmap_.Pixel(3, 4), clPurple);
  canvas_.SetPixels(5, 5, clBtnFace);
  EXPECT_EQ(static_cast<COLORREF>(canvas_.Pixels(5, 5)), GetSysColor(COLOR_BTNFACE));
}

TEST_F(CanvasTest, SolidBrushMakesTextOpaqueOnTheBrushColour) {
  canvas_.Font()->SetColor(clBlack);
  canvas_.Brush()->SetColor(clYellow);
  const TSize extent = canvas_.TextExtent("Wg");
  ASSERT_GT(extent.cx, 0);
  ASSERT_GT(extent.cy, 0);
  canvas_.TextOut(10, 10, "Wg");
  const RECT cell{10, 10, 10 + extent.cx, 10 + extent.cy};
  const int cellPixels = extent.cx * extent.cy;
  const int yellow = bitmap_.Count(cell, clYellow);
  const int black = bitmap_.Count(cell, clBlack);
  EXPECT_EQ(bitmap_.Count(cell, clWhite), 0);
  EXPECT_GT(yellow, 0);
  EXPECT_GT(black, 0);
  EXPECT_LE(yellow + black, cellPixels);
  EXPECT_EQ(canvas_.PenPos(), Point(10 + extent.cx, 10));
}

TEST_F(CanvasTest, ClearBrushLeavesTheBackgroundBehindText) {
  bitmap_.Fill(clSilver);
  canvas_.Font()->SetColor(clBlack);
  canvas_.Brush()->SetStyle(bsClear);
  const TSize extent = canvas_.TextExtent("Wg");
  canvas_.TextOut(10, 10, "Wg");
  const RECT cell{10, 10, 10 + extent.cx, 10 + extent.cy};
  EXPECT_GT(bitmap_.Count(cell, clBlack), 0);
  EXPECT_GT(bitmap_.Count(cell, clSilver), 0);
  EXPECT_EQ(bitmap_.Count(cell, clWhite), 0);
}

TEST_F(CanvasTest, TextRectClipsTextAndFillsTheRectWithASolidBrush) {
  canvas_.Font()->SetColor(clBlack);
  canvas_.Brush()->SetColor(clAqua);
  canvas_.TextRect(Rect(10, 10, 20, 20), 5, 5, "WWWWWWWW");
  EXPECT_EQ(bitmap_.Count(RECT{10, 10, 20, 20}, clWhite), 0);
  EXPECT_GT(bitmap_.Count(RECT{10, 10, 20, 20}, clBlack), 0);
  // Nothing outside the rectangle, although the text starts left of it and runs far beyond it.
  EXPECT_EQ(bitmap_.Count(RECT{0, 0, 100, 10}, clWhite), 100 * 10);
  EXPECT_EQ(bitmap_.Count(RECT{20, 10, 100, 20}, clWhite), 80 * 10);
}

TEST_F(CanvasTest, FontChangesTakeEffectOnTheNextDrawing) {
  canvas_.Font()->SetSize(8);
  const int small = canvas_.TextHeight("X");
  canvas_.Font()->SetSize(20);
  const int large = canvas_.TextHeight("X");
  EXPECT_GT(large, small);
  canvas_.Font()->SetStyle({fsBold});
  EXPECT_GE(canvas_.TextWidth("XXXX"), 1);
}

TEST(CanvasWithoutHandle, DrawingRaisesInvalidOperation) {
  TCanvas canvas;
  EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

TEST(GraphicsObjects, FontSizeAndHeightConvertThroughThePixelsPerInch) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &font);
    ++changes;
  };
  font.SetSize(12);
  EXPECT_EQ(font.Height(), -MulDiv(12, font.PixelsPerInch(), 72));
  EXPECT_EQ(font.Size(), 12);
  font.SetSize(12);  // unchanged: no event
  EXPECT_EQ(changes, 1);

  TFont copy;
  copy.Assign(&font);
  EXPECT_EQ(copy.Size(), 12);
  EXPECT_EQ(copy.Name(), font.Name());
}

TEST(GraphicsObjects, ColouringAClearBrushMakesItSolid) {
  TBrush brush;
  brush.SetStyle(bsClear);
  brush.SetColor(clRed);
  EXPECT_EQ(brush.Style(), bsSolid);
}

TEST(GraphicsObjects, AssigningUnrelatedObjectsRaisesConversionError) {
  TFont font;
  TPen pen;
  EXPECT_THROW(font.Assign(&pen), EConvertError);
}

}  // namespace
}  // namespace fw
