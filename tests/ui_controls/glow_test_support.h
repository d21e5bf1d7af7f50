// A form per test for the glow button tests: buttons on it, a 16 x 16 image list, and the process-wide
// fade interval put back after every test.
#pragma once

#include "framework/graphics/image_list.h"
#include "tests/ui_controls/styled_test_support.h"
#include "ui/controls/glow_button.h"

namespace ui::testing {

class GlowButtonTest : public StyledControlTest {
 protected:
  void SetUp() override {
    StyledControlTest::SetUp();
    savedFadeInterval_ = GlowFadeInterval();
  }
  void TearDown() override {
    SetGlowFadeInterval(savedFadeInterval_);
    StyledControlTest::TearDown();
  }
  // A glow button on the form at (10, 10), 100 x 41.
  TVxGlowButton* Button(fw::TRect bounds = fw::Rect(10, 10, 110, 51)) { return Make<TVxGlowButton>(bounds); }
  // An image list of 16 x 16 images owned by the form, holding one image of the colour.
  fw::TImageList* Images16(fw::TColor colour = fw::clRed) {
    auto* list = fw::Create<fw::TImageList>(Form());
    list->SetSize(16, 16);
    fw::TBitmap image;
    image.SetSize(16, 16);
    image.Canvas()->Brush()->SetColor(colour);
    image.Canvas()->FillRect(fw::Rect(0, 0, 16, 16));
    list->Add(&image, nullptr);
    return list;
  }

 private:
  int savedFadeInterval_ = 30;
};

}  // namespace ui::testing
