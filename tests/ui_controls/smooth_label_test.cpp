// The smooth label painted through its parent into a memory bitmap: where the captions land (boxes
// measured with the same GDI+ call here), the fill, the brush kinds, the shadow, and its change reports.
#include "ui/controls/smooth_label.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/ui_controls/styled_test_support.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {
namespace {

constexpr fw::TColor kRed = 0x0000FF;
constexpr fw::TColor kBlue = 0xFF0000;

class SmoothLabelTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    Form()->SetColor(fw::clWhite);
  }
  // A transparent 200 x 50 label at (10, 10) with a solid red caption.
  TVxSmoothLabel* MakeLabel(const std::string& text = "Saved") {
    auto* label = Make<TVxSmoothLabel>(fw::Rect(10, 10, 210, 60));
    for (TVxSmoothLabelCaption* c : {label->Caption(), label->CaptionShadow()}) {
      c->Font()->SetName("DejaVu Sans");
      c->Font()->SetSize(14);
      c->SetGradientType(gtSolid);
      c->SetColorStart(kRed);
    }
    label->Caption()->SetText(text);
    TGDIPFill* fill = label->Fill();
    fill->SetGradientType(gtSolid);
    fill->SetColor(kBlue);
    fill->SetBorderColor(fw::clNone);
    return label;
  }
  // The caption's size in the label's layout rectangle, measured as the label measures it.
  static GpRectF Measure(TVxSmoothLabel* label, TVxSmoothLabelCaption* c) {
    testing::MemoryBitmap bitmap(10, 10);
    TGPGraphics graphics(bitmap.DC());
    const std::unique_ptr<TGPFont> font = graphics.MakeFont(c->Font());
    TGPStringFormat format(4096);
    GpRectF box{};
    int fitted = 0, lines = 0;
    graphics.MeasureString(AnsiToWide(c->Text()), -1, font.get(),
                           MakeRect(0, 0, static_cast<float>(label->Width() - 1), static_cast<float>(label->Height() - 1)),
                           &format, box, fitted, lines);
    return box;
  }
  // Paints the form; the box (form coordinates) around every pixel inside the label that is not white, and
  // how many there are.
  int Paint(fw::TRect& inked) {
    bitmap_.Fill(fw::clWhite);
    Form()->PaintTo(bitmap_.DC(), 0, 0);
    int count = 0;
    inked = fw::TRect{1000, 1000, -1, -1};
    for (int y = 10; y < 60; ++y) {
      for (int x = 10; x < 210; ++x) {
        if (bitmap_.Pixel(x, y) == fw::clWhite) continue;
        ++count;
        inked = fw::TRect{std::min(inked.Left, x), std::min(inked.Top, y), std::max(inked.Right, x + 1),
                          std::max(inked.Bottom, y + 1)};
      }
    }
    return count;
  }
  // The inked box lies within the caption box at (x, y) of size box, give or take the edge pixels.
  static void ExpectInside(const fw::TRect& inked, float x, float y, const GpRectF& box) {
    EXPECT_GE(inked.Left, static_cast<int>(x) - 1);
    EXPECT_GE(inked.Top, static_cast<int>(y) - 1);
    EXPECT_LE(inked.Right, static_cast<int>(x + box.Width) + 2);
    EXPECT_LE(inked.Bottom, static_cast<int>(y + box.Height) + 2);
  }

  testing::MemoryBitmap bitmap_{400, 300};
};

TEST_F(SmoothLabelTest, TheCaptionStandsAtItsLocationInsideTheMeasuredBox) {
  struct Case {
    TVxSmoothLabelLocation location;
    int column, row;  // 0 start, 1 centre, 2 end; -1: the caption's own Left and Top
  };
  const Case cases[] = {{plTopLeft, 0, 0}, {plCenterCenter, 1, 1}, {plBottomRight, 2, 2}, {plTopRight, 2, 0},
                        {plCustom, -1, -1}};
  TVxSmoothLabel* label = MakeLabel();
  label->Caption()->SetLeft(7);
  label->Caption()->SetTop(3);
  const GpRectF box = Measure(label, label->Caption());
  ASSERT_GT(box.Width, 10);
  const float W = 199, H = 49;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.location);
    label->Caption()->SetLocation(c.location);
    fw::TRect inked;
    ASSERT_GT(Paint(inked), 0);
    const float x = c.column < 0 ? 7 : c.column == 0 ? 0 : c.column == 1 ? (W - box.Width) / 2 : W - box.Width;
    const float y = c.row < 0 ? 3 : c.row == 0 ? 0 : c.row == 1 ? (H - box.Height) / 2 : H - box.Height;
    ExpectInside(inked, 10 + x, 10 + y, box);
  }
}

TEST_F(SmoothLabelTest, NothingBelowTwoPixelsAndTheFillOnlyWhenNotTransparent) {
  TVxSmoothLabel* label = MakeLabel();
  fw::TRect inked;
  const int captionOnly = Paint(inked);
  EXPECT_GT(captionOnly, 0);
  EXPECT_EQ(bitmap_.Pixel(12, 58), fw::clWhite);  // transparent: the form shows through
  label->SetTransparent(false);
  Paint(inked);
  EXPECT_EQ(bitmap_.Pixel(12, 58), kBlue);
  for (const fw::TRect bounds : {fw::Rect(10, 10, 11, 60), fw::Rect(10, 10, 210, 11)}) {
    label->SetBoundsRect(bounds);
    EXPECT_EQ(Paint(inked), 0);
  }
}

TEST_F(SmoothLabelTest, AMissingEndColourDrawsTheStartColourAlone) {
  TVxSmoothLabel* label = MakeLabel("Waiting for Axis Movement..");
  label->Caption()->SetGradientType(gtVertical);
  const auto bluish = [&] {
    fw::TRect inked;
    EXPECT_GT(Paint(inked), 0);
    int count = 0;
    for (int y = 10; y < 60; ++y) {
      for (int x = 10; x < 210; ++x) count += GetRValue(bitmap_.Pixel(x, y)) < 255 ? 1 : 0;
    }
    return count;  // red over white only ever blends into (255, g, g)
  };
  label->Caption()->SetColorEnd(kBlue);
  EXPECT_GT(bluish(), 0);
  label->Caption()->SetColorEnd(fw::clNone);
  EXPECT_EQ(bluish(), 0);
}

TEST_F(SmoothLabelTest, BrushKindsWithoutABrushDrawNoText) {
  TVxSmoothLabel* label = MakeLabel();
  for (TVxGradientType kind : {gtRadial, gtAngle, gtPath, gtNone, gtTexture}) {  // the texture has no picture
    label->Caption()->SetGradientType(kind);
    fw::TRect inked;
    EXPECT_EQ(Paint(inked), 0) << kind;
  }
  label->Caption()->SetGradientType(gtHatch);
  fw::TRect inked;
  EXPECT_GT(Paint(inked), 0);
}

TEST_F(SmoothLabelTest, TheShadowStandsAtTheMainCaptionsCustomPlacePlusItsOffsets) {
  TVxSmoothLabel* label = MakeLabel("");
  TVxSmoothLabelCaption* shadow = label->CaptionShadow();
  shadow->SetText("Shadow");
  shadow->SetLocation(plCustom);
  shadow->SetLeft(100);  // not used: the main caption's place counts
  shadow->SetTop(30);
  label->Caption()->SetLeft(20);
  label->Caption()->SetTop(5);
  label->SetCaptionShadowOffsetLeft(15);
  label->SetCaptionShadowOffsetTop(8);
  fw::TRect inked;
  EXPECT_EQ(Paint(inked), 0);  // hidden until CaptionShadowVisible
  label->SetCaptionShadowVisible(true);
  ASSERT_GT(Paint(inked), 0);
  ExpectInside(inked, 10 + 20 + 15, 10 + 5 + 8, Measure(label, shadow));
}

TEST_F(SmoothLabelTest, EveryChangeIsReportedOnceAndAnUnchangedTextNotAtAll) {
  TVxSmoothLabel* label = MakeLabel("Saved");
  int changes = 0;
  label->OnChange = [&](fw::TObject*) { ++changes; };
  label->Caption()->SetText("Saved");
  EXPECT_EQ(changes, 0);
  label->Caption()->SetText("Assignments Saved");
  label->CaptionShadow()->Font()->SetSize(30);
  label->Fill()->SetColor(kRed);
  label->SetTransparent(false);
  label->SetTransparent(false);
  // The label's own rendering type: two values, stored by their position.
  static_assert(TVxSmoothLabel::tAntiAlias == 0 && TVxSmoothLabel::tClearType == 1);
  EXPECT_EQ(label->TextRendering(), TVxSmoothLabel::tAntiAlias);
  label->SetTextRendering(TVxSmoothLabel::tClearType);
  label->SetTextRendering(TVxSmoothLabel::tClearType);
  EXPECT_EQ(changes, 5);
  TVxSmoothLabel* copy = MakeLabel("");
  copy->OnChange = [&](fw::TObject*) { ++changes; };
  copy->Assign(label);
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(copy->Caption()->Text(), "Assignments Saved");
  EXPECT_EQ(copy->TextRendering(), TVxSmoothLabel::tClearType);
  EXPECT_FALSE(copy->Transparent());
  EXPECT_EQ(copy->Fill()->Color(), kRed);
  EXPECT_EQ(label->Version(), "1.5.0.1");
}

}  // namespace
}  // namespace ui
