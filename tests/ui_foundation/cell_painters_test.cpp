// The grid's graphical cells, painted on a memory canvas.
#include <gtest/gtest.h>

#include "framework/forms/form.h"
#include "tests/framework/ui_test_support.h"
#include "ui/foundation/cell_painters.h"

namespace ui {
namespace {

using fw::testing::MemoryBitmap;

class CellTest : public ::testing::Test {
 protected:
  CellTest() : target_(120, 40) { canvas_.SetHandle(target_.DC()); }
  fw::TColor At(int x, int y) { return target_.Pixel(x, y); }
  int Count(int l, int t, int r, int b, fw::TColor c) { return target_.Count(RECT{l, t, r, b}, c); }
  MemoryBitmap target_;
  fw::TCanvas canvas_;
};

TEST_F(CellTest, ProgressBarWithItsTwoColouredText) {
  canvas_.Brush()->SetColor(fw::clYellow);
  DrawProgressBar(&canvas_, fw::TRect{2, 2, 102, 32}, fw::clRed, fw::clBlue, fw::clLime, fw::clBlack, 50, 0, 0, 0, 100,
                  "", fw::clGreen, false);
  EXPECT_EQ(fw::clRed, At(5, 4));
  EXPECT_EQ(fw::clRed, At(51, 4));
  EXPECT_EQ(fw::clLime, At(52, 4));
  EXPECT_EQ(fw::clLime, At(100, 30));
  EXPECT_EQ(fw::clGreen, At(1, 10));   // the border, one pixel out
  EXPECT_EQ(fw::clYellow, At(0, 10));  // the outer frame in the brush colour the canvas had
  // The centred text "50%" crosses the boundary: blue on the done part, black on the rest.
  EXPECT_GT(Count(30, 2, 52, 32, fw::clBlue), 0);
  EXPECT_GT(Count(52, 2, 80, 32, fw::clBlack), 0);
  EXPECT_EQ(0, Count(52, 2, 102, 32, fw::clBlue));
}

TEST_F(CellTest, ProgressBarRangeAndFormats) {
  struct Case {
    double value;
    int min, max;
    const char* format;
    int doneRight;  // first column not in the done part (the bar spans 0-100)
  };
  const Case cases[] = {
      {150, 0, 100, "", 100},            // above 100 %: the whole bar
      {-10, 0, 100, "", 0},              // below: nothing
      {30, 20, 70, "%d items", 20},      // (30 - 20) / 50
      {30, 20, 70, "%.1f mm/d", 20},     // a "d" that is no conversion: the float is used, nothing raised
      {5, 40, 40, "%d", 0},              // no range: the empty bar
      {5, 40, 40, "plain", 0},           // a format without a conversion draws the empty bar too
  };
  for (const Case& c : cases) {
    target_.Fill(fw::clWhite);
    EXPECT_NO_THROW(DrawProgressBar(&canvas_, fw::TRect{0, 0, 100, 30}, fw::clRed, fw::clRed, fw::clLime, fw::clLime,
                                    c.value, 0, 0, c.min, c.max, c.format, fw::clNone, false))
        << c.format;
    if (c.doneRight > 0) {
      EXPECT_EQ(fw::clRed, At(c.doneRight - 1, 1)) << c.value << c.format;
    }
    if (c.doneRight < 100) {
      EXPECT_EQ(fw::clLime, At(c.doneRight, 1)) << c.value << c.format;
    }
  }
}

TEST_F(CellTest, LevelBars) {
  TProgressLevelsLook look;
  look.ShowPercentage = false;
  look.Stacked = true;
  look.Level3Color = fw::clRed;
  // 102 wide: 100 pixels inside; at 100 % the parts are 70, 20 and the remaining 10 up to the inner edge.
  DrawProgressLevels(&canvas_, fw::TRect{0, 0, 102, 10}, 100, look);
  EXPECT_EQ(fw::clLime, At(70, 5));
  EXPECT_EQ(fw::clYellow, At(71, 5));
  EXPECT_EQ(fw::clYellow, At(90, 5));
  EXPECT_EQ(fw::clRed, At(91, 5));
  EXPECT_EQ(fw::clRed, At(100, 5));
  EXPECT_EQ(fw::clBlack, At(101, 5));  // the outline

  // Nothing but background and outline at 0.
  target_.Fill(fw::clFuchsia);
  DrawProgressLevels(&canvas_, fw::TRect{0, 0, 102, 10}, 0, look);
  EXPECT_EQ(100 * 8, Count(1, 1, 101, 9, fw::clWhite));

  // Not stacked: one colour by level.
  look.Stacked = false;
  const struct {
    int value;
    fw::TColor colour;
  } levels[] = {{50, fw::clLime}, {80, fw::clYellow}, {95, 0x00A5FF}, {100, fw::clRed}};
  for (const auto& level : levels) {
    DrawProgressLevels(&canvas_, fw::TRect{0, 12, 102, 22}, level.value, look);
    EXPECT_EQ(level.colour, At(10, 17)) << level.value;
    EXPECT_EQ(level.colour, At(level.value, 17)) << level.value;
    if (level.value < 100) {
      EXPECT_EQ(fw::clWhite, At(level.value + 1, 17)) << level.value;
    }
  }

  // Blocks: 7 wide with gaps of 2; at 50 % the last block is 4 wide.
  look.CompletionSmooth = false;
  DrawProgressLevels(&canvas_, fw::TRect{0, 24, 102, 36}, 50, look);
  EXPECT_EQ(fw::clLime, At(2, 30));
  EXPECT_EQ(fw::clLime, At(8, 30));
  EXPECT_EQ(fw::clWhite, At(9, 30));
  EXPECT_EQ(fw::clWhite, At(10, 30));
  EXPECT_EQ(fw::clLime, At(11, 30));
  EXPECT_EQ(fw::clLime, At(47, 30));
  EXPECT_EQ(fw::clLime, At(50, 30));
  EXPECT_EQ(fw::clWhite, At(51, 30));
}

TEST_F(CellTest, Shapes) {
  struct Case {
    std::uint8_t shape;
    fw::TPoint inside;
    fw::TPoint outside;
  };
  // Box (0, 0, 20, 10) at each case's own origin.
  const Case cases[] = {
      {0, {10, 5}, {0, 0}},   {1, {5, 5}, {15, 5}},  {2, {17, 5}, {2, 2}},  {3, {3, 5}, {17, 2}},
      {4, {10, 7}, {2, 2}},   {5, {10, 2}, {2, 7}},  {6, {10, 5}, {1, 1}},  {7, {10, 5}, {12, 5}},
      {8, {10, 5}, {10, 7}},  {10, {10, 5}, {0, 0}}, {11, {5, 5}, {15, 5}}, {13, {10, 5}, {1, 1}},
      {14, {10, 7}, {2, 8}},  {15, {10, 2}, {2, 1}}, {16, {3, 5}, {3, 1}},  {17, {17, 5}, {17, 1}},
      {18, {9, 5}, {14, 5}},
  };
  for (const Case& c : cases) {
    target_.Fill(fw::clWhite);
    DrawShape(&canvas_, 40, 10, 20, 10, c.shape, fw::clRed, fw::clRed);
    EXPECT_EQ(fw::clRed, At(40 + c.inside.X, 10 + c.inside.Y)) << int(c.shape);
    EXPECT_EQ(fw::clWhite, At(40 + c.outside.X, 10 + c.outside.Y)) << int(c.shape);
  }
  target_.Fill(fw::clWhite);
  DrawShape(&canvas_, 0, 0, 20, 10, 19, fw::clRed, fw::clRed);
  EXPECT_EQ(120 * 40, Count(0, 0, 120, 40, fw::clWhite));
}

TEST_F(CellTest, RangeIndicator) {
  // (0, 0, 44, 20) shrinks to (2, 2, 42, 18): half 20.
  DrawRangeIndicator(&canvas_, fw::TRect{0, 0, 44, 20}, 150, 100, false, fw::clRed, fw::clLime);
  EXPECT_EQ(fw::clLime, At(22, 10));
  EXPECT_EQ(fw::clLime, At(41, 10));
  EXPECT_EQ(fw::clWhite, At(21, 10));
  DrawRangeIndicator(&canvas_, fw::TRect{50, 0, 94, 20}, -50, 100, false, fw::clRed, fw::clLime);
  EXPECT_EQ(fw::clRed, At(62, 10));
  EXPECT_EQ(fw::clRed, At(71, 10));
  EXPECT_EQ(fw::clWhite, At(61, 10));
  EXPECT_EQ(fw::clWhite, At(72, 10));
  target_.Fill(fw::clWhite);
  EXPECT_NO_THROW(DrawRangeIndicator(&canvas_, fw::TRect{0, 0, 44, 20}, 5, 0, false, fw::clRed, fw::clLime));
  EXPECT_EQ(120 * 40, Count(0, 0, 120, 40, fw::clWhite));
  // The value shows clamped.
  DrawRangeIndicator(&canvas_, fw::TRect{0, 0, 44, 20}, 150, 100, true, fw::clRed, fw::clLime);
  EXPECT_GT(Count(2, 2, 42, 18, fw::clBlack), 0);
}

TEST_F(CellTest, PieAtBothEnds) {
  // The circle is filled with the canvas's brush (the cell's colour) before the sector.
  canvas_.Brush()->SetColor(fw::clWhite);
  DrawProgressPie(&canvas_, fw::TRect{0, 0, 31, 31}, fw::clRed, 0, false);
  EXPECT_EQ(0, Count(0, 0, 31, 31, fw::clRed));
  EXPECT_EQ(static_cast<fw::TColor>(0x808080), At(15, 8));  // the twelve-o'clock radius
  target_.Fill(fw::clWhite);
  canvas_.Brush()->SetColor(fw::clWhite);
  DrawProgressPie(&canvas_, fw::TRect{0, 0, 31, 31}, fw::clRed, 25, false);
  EXPECT_EQ(fw::clRed, At(22, 8));   // upper right quarter
  EXPECT_NE(fw::clRed, At(8, 8));    // upper left
  EXPECT_NE(fw::clRed, At(22, 22));  // lower right
  target_.Fill(fw::clWhite);
  canvas_.Brush()->SetColor(fw::clWhite);
  DrawProgressPie(&canvas_, fw::TRect{0, 0, 31, 31}, fw::clRed, 100, false);
  EXPECT_EQ(fw::clRed, At(8, 8));
  EXPECT_EQ(fw::clRed, At(22, 22));
}

class ErrorUnderlineTest : public fw::testing::ApplicationTest {};

TEST_F(ErrorUnderlineTest, AZigzagUnderTheStretch) {
  auto* form = fw::Create<fw::TForm>(&App());
  form->Handle();
  MemoryBitmap target(200, 40);
  fw::TCanvas canvas;
  canvas.SetHandle(target.DC());
  DrawErrorUnderline(form, &canvas, "a misspeled word", fw::TRect{0, 0, 200, 20}, 10, 2, 9);
  EXPECT_GT(target.Count(RECT{0, 0, 200, 40}, fw::clRed), 10);
  EXPECT_EQ(0, target.Count(RECT{0, 0, 200, 8}, fw::clRed));
  EXPECT_EQ(0, form->ComponentCount());  // the measuring edit is gone
  EXPECT_NO_THROW(DrawErrorUnderline(form, &canvas, "short", fw::TRect{0, 20, 200, 40}, 0, 9, 4));
}

}  // namespace
}  // namespace ui
