// Controls paint into a DC handed to them, so a control, its graphic children and its windowed
// children render into a memory bitmap, with or without windows of their own.
#include <gtest/gtest.h>

#include "ui_test_controls.h"
#include "ui_test_support.h"

namespace fw {
namespace {

using testing::ApplicationTest;
using testing::GraphicBox;
using testing::MakeChild;
using testing::MemoryBitmap;
using testing::PaintedControl;

class ControlPaintTest : public ApplicationTest {
 protected:
  void SetUp() override {
    ApplicationTest::SetUp();
    form_ = Create<TForm>(&App());
    form_->SetColor(clSilver);
    form_->SetBounds(0, 0, 200, 150);
  }
  TForm* form_ = nullptr;
};

TEST_F(ControlPaintTest, CustomControlAndGraphicChildPaintWithoutAnyWindow) {
  auto* control = MakeChild<PaintedControl>(form_, form_, Rect(0, 0, 40, 30));
  MakeChild<GraphicBox>(form_, control, Bounds(10, 5, 8, 6));
  MemoryBitmap bitmap(60, 40);

  control->PaintTo(bitmap.DC(), 3, 2);
  EXPECT_FALSE(control->HandleAllocated());
  EXPECT_EQ(bitmap.Count(RECT{3, 2, 43, 32}, clRed), 40 * 30 - 8 * 6);
  EXPECT_EQ(bitmap.Count(RECT{13, 7, 21, 13}, clBlue), 8 * 6);
  EXPECT_EQ(bitmap.Pixel(2, 2), clWhite);
  EXPECT_EQ(bitmap.Pixel(43, 2), clWhite);
  EXPECT_EQ(bitmap.Pixel(3, 32), clWhite);
}

TEST_F(ControlPaintTest, WmPaintWithADcPaintsIntoThatDc) {
  auto* control = MakeChild<PaintedControl>(form_, form_, Rect(0, 0, 20, 10));
  control->Fill = clGreen;
  MemoryBitmap bitmap(30, 20);
  SendMessageA(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()), 0);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 20, 10}, clGreen), 200);
  EXPECT_EQ(bitmap.Pixel(20, 0), clWhite);
}

TEST_F(ControlPaintTest, FormPaintsItsColourAndEveryChildInPlace) {
  auto* left = MakeChild<PaintedControl>(form_, form_, Bounds(10, 10, 20, 20));
  auto* hidden = MakeChild<PaintedControl>(form_, form_, Bounds(50, 10, 20, 20));
  hidden->Fill = clGreen;
  hidden->SetVisible(false);
  MakeChild<GraphicBox>(form_, form_, Bounds(100, 10, 10, 10));
  form_->HandleNeeded();
  const TRect client = form_->ClientRect();
  MemoryBitmap bitmap(client.Width(), client.Height());

  form_->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Pixel(5, 5), clSilver);
  EXPECT_EQ(bitmap.Count(RECT{10, 10, 30, 30}, clRed), 400);
  EXPECT_EQ(bitmap.Count(RECT{50, 10, 70, 30}, clSilver), 400);
  EXPECT_EQ(bitmap.Count(RECT{100, 10, 110, 20}, clBlue), 100);

  // A colour change shows at the next paint.
  left->Fill = clYellow;
  form_->SetColor(clMaroon);
  form_->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Pixel(5, 5), clMaroon);
  EXPECT_EQ(bitmap.Pixel(15, 15), clYellow);
}

TEST_F(ControlPaintTest, CanvasOutsidePaintMeasuresWithTheControlsWindow) {
  auto* control = MakeChild<PaintedControl>(form_, form_, Rect(0, 0, 50, 20));
  control->Canvas()->Font()->SetSize(10);
  EXPECT_GT(control->Canvas()->TextWidth("Devices Ignored"), 0);
  EXPECT_TRUE(control->HandleAllocated());
  control->RecreateWnd();  // the canvas lets go of the old window's DC
  EXPECT_GT(control->Canvas()->TextHeight("X"), 0);
}

}  // namespace
}  // namespace fw
