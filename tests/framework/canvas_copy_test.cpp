// Canvas operations that copy, fill and mark: pictures, rectangles with a copy mode, brush copies,
// flood fills and focus rectangles.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "tests/framework/ui_test_support.h"

namespace fw {
namespace {

// A bitmap of the given size filled with one colour.
void Filled(TBitmap& bitmap, int width, int height, TColor color) {
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
}

TEST(CanvasCopy, DrawAndStretchDrawPlaceAGraphic) {
  TBitmap picture;
  Filled(picture, 2, 2, clRed);
  TBitmap target;
  Filled(target, 8, 8, clWhite);
  target.Canvas()->Draw(1, 1, &picture);
  target.Canvas()->StretchDraw(Rect(4, 4, 8, 8), &picture);
  target.Canvas()->Draw(0, 0, nullptr);
  const RECT all{0, 0, 8, 8};
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(target.Canvas()->Pixels(3, 3), clWhite);
  EXPECT_EQ(target.Canvas()->Pixels(7, 7), clRed);
  int red = 0;
  for (int y = all.top; y < all.bottom; ++y)
    for (int x = all.left; x < all.right; ++x) red += target.Canvas()->Pixels(x, y) == clRed ? 1 : 0;
  EXPECT_EQ(red, 4 + 16);
}

TEST(CanvasCopy, CopyRectUsesTheCopyMode) {
  TBitmap source;
  Filled(source, 2, 1, clBlue);
  source.Canvas()->SetPixels(1, 0, clWhite);
  TBitmap target;
  Filled(target, 4, 2, clRed);
  TCanvas* canvas = target.Canvas();
  EXPECT_EQ(canvas->CopyMode(), cmSrcCopy);
  canvas->CopyRect(Rect(0, 0, 2, 1), source.Canvas(), Rect(0, 0, 2, 1));
  EXPECT_EQ(canvas->Pixels(0, 0), clBlue);
  EXPECT_EQ(canvas->Pixels(1, 0), clWhite);
  canvas->CopyRect(Rect(0, 1, 4, 2), source.Canvas(), Rect(0, 0, 2, 1));  // stretched
  EXPECT_EQ(canvas->Pixels(1, 1), clBlue);
  EXPECT_EQ(canvas->Pixels(2, 1), clWhite);
  canvas->SetCopyMode(cmSrcInvert);
  canvas->CopyRect(Rect(2, 0, 4, 1), source.Canvas(), Rect(0, 0, 2, 1));  // red xor blue, red xor white
  EXPECT_EQ(canvas->Pixels(2, 0), clFuchsia);
  EXPECT_EQ(canvas->Pixels(3, 0), clAqua);
}

TEST(CanvasCopy, BrushCopyPaintsTheBrushWhereTheBitmapHasTheColour) {
  TBitmap glyph;
  Filled(glyph, 3, 1, clFuchsia);
  glyph.Canvas()->SetPixels(1, 0, clNavy);
  TBitmap target;
  Filled(target, 3, 1, clWhite);
  target.Canvas()->Brush()->SetColor(clLime);
  target.Canvas()->BrushCopy(Rect(0, 0, 3, 1), &glyph, Rect(0, 0, 3, 1), clFuchsia);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clLime);
  EXPECT_EQ(target.Canvas()->Pixels(1, 0), clNavy);
  EXPECT_EQ(target.Canvas()->Pixels(2, 0), clLime);
}

TEST(CanvasCopy, FloodFillStopsAtABorderOrFillsASurface) {
  // A black square outline at 2..6 on white; a red pixel inside it.
  TBitmap bitmap;
  const auto reset = [&] {
    Filled(bitmap, 9, 9, clWhite);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clBlack);
    canvas->FrameRect(Rect(2, 2, 7, 7));
    canvas->SetPixels(4, 4, clRed);
  };
  reset();
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clBlue);
  canvas->FloodFill(3, 3, clBlack, fsBorder);  // everything inside the outline, the red pixel too
  EXPECT_EQ(canvas->Pixels(3, 3), clBlue);
  EXPECT_EQ(canvas->Pixels(4, 4), clBlue);
  EXPECT_EQ(canvas->Pixels(2, 2), clBlack);
  EXPECT_EQ(canvas->Pixels(0, 0), clWhite);

  reset();
  canvas->Brush()->SetColor(clBlue);
  canvas->FloodFill(0, 0, clWhite, fsSurface);  // the white outside the outline only
  EXPECT_EQ(canvas->Pixels(0, 0), clBlue);
  EXPECT_EQ(canvas->Pixels(8, 8), clBlue);
  EXPECT_EQ(canvas->Pixels(3, 3), clWhite);
  EXPECT_EQ(canvas->Pixels(4, 4), clRed);
}

TEST(CanvasCopy, FocusRectangleIsDottedAndUndoneByASecondOne) {
  TBitmap bitmap;
  Filled(bitmap, 10, 10, clWhite);
  TCanvas* canvas = bitmap.Canvas();
  canvas->DrawFocusRect(Rect(1, 1, 9, 9));
  int changed = 0;
  for (int x = 1; x < 9; ++x) changed += canvas->Pixels(x, 1) != clWhite ? 1 : 0;
  EXPECT_GT(changed, 0);
  EXPECT_LT(changed, 8);  // dotted, not solid
  EXPECT_EQ(canvas->Pixels(5, 5), clWhite);
  canvas->DrawFocusRect(Rect(1, 1, 9, 9));
  for (int x = 1; x < 9; ++x) EXPECT_EQ(canvas->Pixels(x, 1), clWhite);
}

}  // namespace
}  // namespace fw
