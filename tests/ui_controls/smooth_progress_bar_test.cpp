// The smooth progress bar: easing over driven timer ticks, clamping and range changes, StepIt and
// GoToMinimum, the glow and marquee counters, the glow only above 0, the value text, the presets.
#include "ui/controls/smooth_progress_bar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/messaging/timer.h"
#include "tests/ui_controls/styled_test_support.h"
#include "ui/foundation/gdip_fill.h"

namespace ui {
namespace {

constexpr fw::TColor kBlue = 0xFF0000;

class SmoothProgressBarTest : public testing::StyledControlTest {
 protected:
  // A 200 x 20 bar whose timers never run: the tests call their handlers.
  TVxSmoothProgressBar* MakeBar() {
    TVxSmoothProgressBar* bar = Make<TVxSmoothProgressBar>(fw::Rect(0, 0, 200, 20));
    bar->EasingTimer()->SetEnabled(false);
    bar->MarqueeTimer()->SetEnabled(false);
    bar->OnPositionChanged = [this](fw::TObject*, double value) { reported_.push_back(value); };
    return bar;
  }
  // Shows value at once (no easing), then eases again from there.
  static void Settle(TVxSmoothProgressBar* bar, double value) {
    bar->SetProgressAnimation(false);
    bar->SetPosition(value);
    bar->SetProgressAnimation(true);
  }
  // Ticks until a tick reports nothing; the number of ticks that reported.
  int TickUntilQuiet(TVxSmoothProgressBar* bar) {
    int reporting = 0;
    for (int i = 0; i < 10000; ++i) {
      const std::size_t before = reported_.size();
      bar->EasingTick();
      EXPECT_GE(bar->Position(), bar->Minimum());
      EXPECT_LE(bar->Position(), bar->Maximum());
      if (reported_.size() == before) return reporting;
      ++reporting;
    }
    ADD_FAILURE() << "the easing never settled";
    return reporting;
  }

  std::vector<double> reported_;
};

TEST_F(SmoothProgressBarTest, EachTickCoversAFifteenthOfTheWayAndTheSettlingTickReportsOnceMore) {
  TVxSmoothProgressBar* bar = MakeBar();
  bar->SetPosition(15);
  EXPECT_EQ(bar->Position(), 0);  // nothing moves before the timer ticks
  EXPECT_TRUE(reported_.empty());
  bar->EasingTick();
  EXPECT_DOUBLE_EQ(bar->Position(), 1);
  for (int i = 0; i < 5; ++i) {
    const double before = 15 - bar->Position();
    bar->EasingTick();
    EXPECT_NEAR(15 - bar->Position(), before * 14 / 15, 1e-9);
  }
  EXPECT_EQ(reported_.size(), 6u);
  const int more = TickUntilQuiet(bar);
  EXPECT_EQ(bar->Position(), 15);
  EXPECT_EQ(reported_.back(), 15);
  ASSERT_GE(reported_.size(), 2u);
  EXPECT_LT(reported_[reported_.size() - 2], 15);  // the last moving tick stopped short, the settling one arrived
  EXPECT_EQ(reported_.size(), 6u + static_cast<std::size_t>(more));

  // Easing down works the same way.
  reported_.clear();
  bar->SetPosition(3);
  bar->EasingTick();
  EXPECT_DOUBLE_EQ(bar->Position(), 15 - 12.0 / 15);
  TickUntilQuiet(bar);
  EXPECT_EQ(bar->Position(), 3);
}

TEST_F(SmoothProgressBarTest, WithoutEasingEveryPositionIsShownAndReportedAtOnceClamped) {
  TVxSmoothProgressBar* bar = MakeBar();
  bar->SetProgressAnimation(false);
  bar->SetMinimum(-10);
  struct Case {
    double set, shown;
  };
  const Case cases[] = {{50, 50}, {50, 50}, {150, 100}, {-20, -10}, {99.5, 99.5}};
  for (const Case& c : cases) {
    reported_.clear();
    bar->SetPosition(c.set);
    EXPECT_EQ(bar->Position(), c.shown) << c.set;
    EXPECT_EQ(reported_, std::vector<double>{c.shown}) << c.set;  // also for an unchanged value
  }
  bar->SetProgressAnimation(true);
  bar->SetPosition(500);
  EXPECT_EQ(bar->Target(), 100);
  TickUntilQuiet(bar);
  EXPECT_EQ(bar->Position(), 100);
}

TEST_F(SmoothProgressBarTest, StepItAddsToTheTargetAndASecondStepWithinATickJumpsTheDisplay) {
  TVxSmoothProgressBar* bar = MakeBar();
  bar->StepIt();
  EXPECT_EQ(bar->Target(), 10);
  EXPECT_EQ(bar->Position(), 0);
  bar->StepIt();
  EXPECT_EQ(bar->Target(), 20);  // from the target, not from the display
  EXPECT_EQ(bar->Position(), 20);
  EXPECT_TRUE(reported_.empty());
  bar->EasingTick();
  EXPECT_EQ(reported_, std::vector<double>{20});
  EXPECT_EQ(TickUntilQuiet(bar), 0);
}

TEST_F(SmoothProgressBarTest, GoToMinimumIsReadAsTheOldValueUntilTheTicksBringItDown) {
  TVxSmoothProgressBar* bar = MakeBar();
  Settle(bar, 50);
  reported_.clear();
  bar->GoToMinimum();
  EXPECT_EQ(bar->Position(), 50);
  bar->EasingTick();
  EXPECT_LT(bar->Position(), 50);
  TickUntilQuiet(bar);
  EXPECT_EQ(bar->Position(), 0);
}

TEST_F(SmoothProgressBarTest, ANewRangePullsTheDisplayAndTheTargetIntoIt) {
  TVxSmoothProgressBar* bar = MakeBar();
  bar->SetProgressAnimation(false);
  bar->SetPosition(80);
  reported_.clear();
  bar->SetMaximum(50);
  EXPECT_EQ(bar->Position(), 50);
  EXPECT_EQ(bar->Target(), 50);
  bar->SetMinimum(60);
  EXPECT_EQ(bar->Position(), 60);
  EXPECT_EQ(bar->Target(), 60);
  EXPECT_TRUE(reported_.empty());

  // While easing toward 90 from 40, a maximum of 70 clamps the target; one of 30 also the display.
  bar->SetMinimum(0);
  bar->SetMaximum(100);
  Settle(bar, 40);
  bar->SetPosition(90);
  bar->SetMaximum(70);
  EXPECT_EQ(bar->Target(), 70);
  EXPECT_EQ(bar->Position(), 40);
  TickUntilQuiet(bar);
  EXPECT_EQ(bar->Position(), 70);
  bar->SetPosition(10);
  bar->EasingTick();
  bar->SetMaximum(30);
  EXPECT_EQ(bar->Position(), 30);
  EXPECT_EQ(bar->Target(), 10);
  bar->SetMinimum(20);
  EXPECT_EQ(bar->Target(), 20);
  TickUntilQuiet(bar);
  EXPECT_EQ(bar->Position(), 20);
}

TEST_F(SmoothProgressBarTest, TheGlowCrossesTheFilledPartThenWaitsAHundredAndFiftyTicks) {
  TVxSmoothProgressBar* bar = MakeBar();
  Settle(bar, 50);
  const double filled =
      bar->Appearance()->CalculateProgressRect(fw::Rect(0, 0, 200, 20), pbdHorizontal, 0, 100, 50).Width;
  EXPECT_EQ(bar->GlowPosition(), -40);
  int ticks = 0;
  while (bar->GlowPosition() != -60 && ticks < 1000) {
    const double before = bar->GlowPosition();
    bar->EasingTick();
    ++ticks;
    if (bar->GlowPosition() != -60) {
      EXPECT_EQ(bar->GlowPosition(), before + 3);
      EXPECT_LE(bar->GlowPosition(), filled);
    } else {
      EXPECT_GT(before + 3, filled);
    }
  }
  EXPECT_EQ(bar->GlowDelay(), 0);
  for (int i = 0; i < 150; ++i) bar->EasingTick();
  EXPECT_EQ(bar->GlowPosition(), -60);
  EXPECT_EQ(bar->GlowDelay(), 1500);
  bar->EasingTick();
  EXPECT_EQ(bar->GlowPosition(), -57);

  // At the minimum, or with the glow off, the counters rest.
  Settle(bar, 0);
  bar->EasingTick();
  EXPECT_EQ(bar->GlowPosition(), -57);
  Settle(bar, 50);
  bar->SetGlowAnimation(false);
  bar->EasingTick();
  EXPECT_EQ(bar->GlowPosition(), -57);
}

TEST_F(SmoothProgressBarTest, TheMarqueeRunsAcrossAndStartsAgainBeforeTheBar) {
  TVxSmoothProgressBar* bar = MakeBar();
  bar->SetStyle(pbstMarquee);
  EXPECT_TRUE(bar->MarqueeTimer()->Enabled());
  EXPECT_FALSE(bar->EasingTimer()->Enabled());
  bar->SetMarqueeSize(20);
  bar->SetMarqueeInterval(25);
  EXPECT_EQ(bar->MarqueeTimer()->Interval(), 25u);
  for (int i = 0; i < 35; ++i) bar->MarqueeTick();
  EXPECT_EQ(bar->GlowPosition(), -40 + 35 * 8);  // 240: not yet past 2 x 20 + 200
  bar->MarqueeTick();
  EXPECT_EQ(bar->GlowPosition(), -40);
  EXPECT_EQ(bar->GlowDelay(), 0);
  bar->SetStyle(pbstNormal);
  EXPECT_FALSE(bar->MarqueeTimer()->Enabled());
  EXPECT_TRUE(bar->EasingTimer()->Enabled());
}

TEST_F(SmoothProgressBarTest, TheGlowShowsOnlyAboveZero) {
  TVxSmoothProgressBar* bar = MakeBar();
  TGDIPProgress* look = bar->Appearance();
  look->SetShadows(false);
  look->SetOverlays(false);
  for (TGDIPFill* fill : {look->BackGroundFill(), look->ProgressFill()}) {
    fill->SetGradientType(gtSolid);
    fill->SetBorderColor(fw::clNone);
  }
  look->ProgressFill()->SetColor(kBlue);
  bar->SetMinimum(-50);
  Settle(bar, 10);
  for (int i = 0; i < 20; ++i) bar->EasingTick();  // the glow's centre now at 20
  ASSERT_EQ(bar->GlowPosition(), 20);
  struct Case {
    double position;
    bool glow;
  };
  for (const Case c : {Case{10, true}, Case{0, false}, Case{-10, false}}) {
    bar->SetProgressAnimation(false);
    bar->SetPosition(c.position);
    testing::MemoryBitmap bitmap(200, 20);
    bar->PaintTo(bitmap.DC(), 0, 0);
    EXPECT_EQ(bitmap.Pixel(20, 10) != kBlue, c.glow) << c.position;  // inside the filled part each time
  }
}

TEST_F(SmoothProgressBarTest, ABackgroundThatIsNotOpaqueShowsTheParentThrough) {
  constexpr fw::TColor kRed = 0x0000FF;
  Form()->SetColor(kRed);
  TVxSmoothProgressBar* bar = MakeBar();
  TGDIPProgress* look = bar->Appearance();
  look->SetShadows(false);
  look->SetOverlays(false);
  TGDIPFill* back = look->BackGroundFill();
  back->SetGradientType(gtSolid);
  back->SetColor(kBlue);
  back->SetBorderColor(fw::clNone);
  testing::MemoryBitmap bitmap(200, 20);
  bar->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Pixel(100, 10), kBlue);
  back->SetOpacity(0);
  bitmap.Fill(fw::clWhite);
  bar->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Pixel(100, 10), kRed);
}

TEST_F(SmoothProgressBarTest, TheValueTextFollowsTheEasedPosition) {
  TVxSmoothProgressBar* bar = MakeBar();
  bar->Appearance()->SetValueVisible(true);
  bar->Appearance()->SetValueType(vtAbsolute);
  bar->Appearance()->SetValueFormat("%.0f Pulses");
  std::vector<std::string> texts;
  bar->OnDrawValue = [&](fw::TObject*, const std::string& format, std::string& text) {
    EXPECT_EQ(format, "%.0f Pulses");
    texts.push_back(text);
    text = "";
  };
  bar->SetPosition(60);
  bar->EasingTick();
  testing::MemoryBitmap bitmap(200, 20);
  bar->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(texts, std::vector<std::string>{"4 Pulses"});
}

TEST_F(SmoothProgressBarTest, PresetsAndColourRecordsSetThePaintersFills) {
  struct Preset {
    int style;
    fw::TColor back, backTo, backBorder, color, colorTo, mirror, border;
  };
  constexpr fw::TColor N = fw::clNone;
  const Preset presets[] = {
      {0, 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFCE1CB, 0xE0A57D, N, 0x962D00},
      {1, 0xE6D8D8, 0xE6D8D8, 0xC0C0C0, 0xECE2E1, 0xB39698, N, 0x947C7C},
      {2, 0xCFF0EA, 0xCFF0EA, 0xC0C0C0, 0xCFF0EA, 0x8CC0B1, N, 0x588060},
      {3, 0xF2F2F2, 0xF2F2F2, 0xC0C0C0, 0xFFFFFF, 0xC9D1D5, N, 0x808080},
      {4, 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFD1AD},
      {5, 0x5C534C, 0x5C534C, 0xC0C0C0, 0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0x000000},
      {6, 0xB6B6B6, 0xB6B6B6, 0xC0C0C0, 0xFFFFFF, fw::clBtnFace, N, 0x000000},
      {7, 0xF5F9FA, 0xF5F9FA, 0xC0C0C0, 0xF5F9FA, 0xA8C0C0, N, 0x962D00},
      {9, 0xCAC1BA, 0xCAC1BA, 0xC0C0C0, 0xFAEEEB, 0xE5DBD7, 0xE2D8D4, 0x000000},
      {10, 0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFDF8F1, 0xFCEFD5, N, 0xFDDE99},
      {11, 0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFDFBFA, 0xFDF3EB, N, 0xFBD6B8},
      {12, fw::clBtnFace, fw::clBtnFace, 0x808080, 0xC0C0C0, 0xC0C0C0, N, 0x808080},
      {13, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xEDDBCD, N, N, 0x5B391E},
      {14, 0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0xEDE9E5, N, N, 0x7C6D66},
      {15, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x828282, N, N, 0x6D6D6D},
  };
  TVxSmoothProgressBar* bar = MakeBar();
  TGDIPProgress* look = bar->Appearance();
  for (const Preset& p : presets) {
    SCOPED_TRACE(p.style);
    bar->ApplyStyleColors(TControlFaceColors{});  // switches overlays, shadows and glow off
    look->ProgressFill()->SetGradientMirrorType(gtSolid);
    bar->ApplyStyle(p.style);
    EXPECT_TRUE(look->Overlays());
    EXPECT_TRUE(look->Shadows());
    EXPECT_TRUE(bar->GlowAnimation());
    EXPECT_EQ(look->BackGroundFill()->Color(), p.back);
    EXPECT_EQ(look->BackGroundFill()->ColorTo(), p.backTo);
    EXPECT_EQ(look->BackGroundFill()->BorderColor(), p.backBorder);
    EXPECT_EQ(look->ProgressFill()->Color(), p.color);
    EXPECT_EQ(look->ProgressFill()->ColorTo(), p.colorTo);
    EXPECT_EQ(look->ProgressFill()->ColorMirror(), p.mirror);
    EXPECT_EQ(look->ProgressFill()->BorderColor(), p.border);
    EXPECT_EQ(look->ProgressFill()->GradientMirrorType(), p.style == 12 ? gtSolid : gtVertical);
  }
  look->ProgressFill()->SetColor(kBlue);
  bar->ApplyStyle(8);
  EXPECT_EQ(look->ProgressFill()->Color(), kBlue);

  TControlFaceColors colors;
  colors.HeaderFill = 0x000011;
  colors.HeaderBorder = 0x000012;
  colors.DownFill = 0x000021;
  colors.DownBorder = 0x000022;
  colors.DownText = 0x000023;
  bar->ApplyStyleColors(colors);
  EXPECT_FALSE(bar->GlowAnimation());
  EXPECT_EQ(look->BackGroundFill()->ColorMirrorTo(), colors.HeaderFill);
  EXPECT_EQ(look->BackGroundFill()->BorderColor(), colors.HeaderBorder);
  EXPECT_EQ(look->ProgressFill()->ColorMirror(), colors.DownFill);
  EXPECT_EQ(look->ProgressFill()->BorderColor(), colors.DownBorder);
  EXPECT_EQ(look->Font()->Color(), colors.DownText);
}

}  // namespace
}  // namespace ui
