// The smooth panel: the cached face, its fill and captions, links in the HTML caption, the title strip
// that drags the window, the presets.
#include "ui/controls/smooth_panel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/ui_controls/styled_test_support.h"
#include "framework/streams/memory_stream.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {
namespace {

constexpr fw::TColor kRed = 0x0000FF;
constexpr fw::TColor kGreen = 0x00FF00;

class SmoothPanelTest : public testing::StyledControlTest {
 protected:
  TVxSmoothPanel* MakePanel(fw::TRect bounds = fw::Rect(10, 10, 210, 110)) {
    TVxSmoothPanel* panel = Make<TVxSmoothPanel>(bounds);
    panel->Caption()->Font()->SetName("DejaVu Sans");
    panel->Caption()->HTMLFont()->SetName("DejaVu Sans");
    panel->SetTransparent(false);
    TGDIPFill* fill = panel->Fill();
    fill->SetGradientType(gtSolid);
    fill->SetColor(kRed);
    fill->SetColorTo(kRed);
    fill->SetBorderColor(fw::clNone);
    fill->SetShadowColor(fw::clNone);
    fill->SetRounding(0);
    return panel;
  }
  void Paint(TVxSmoothPanel* panel, testing::MemoryBitmap& bitmap) { panel->PaintTo(bitmap.DC(), 0, 0); }
};

TEST_F(SmoothPanelTest, TheFaceIsRebuiltOnlyWhenCaptionFillOrSizeChange) {
  TVxSmoothPanel* panel = MakePanel();
  testing::MemoryBitmap bitmap(200, 100);
  Paint(panel, bitmap);
  Paint(panel, bitmap);
  EXPECT_EQ(panel->FaceBuildCount(), 1);
  panel->Invalidate();
  Paint(panel, bitmap);
  EXPECT_EQ(panel->FaceBuildCount(), 1);
  panel->Caption()->SetText("Title");
  Paint(panel, bitmap);
  EXPECT_EQ(panel->FaceBuildCount(), 2);
  panel->Fill()->SetColor(kGreen);
  Paint(panel, bitmap);
  EXPECT_EQ(panel->FaceBuildCount(), 3);
  panel->SetBounds(10, 10, 150, 80);
  Paint(panel, bitmap);
  EXPECT_EQ(panel->FaceBuildCount(), 4);
  panel->Fill()->SetColor(kGreen);  // unchanged: nothing to rebuild
  Paint(panel, bitmap);
  EXPECT_EQ(panel->FaceBuildCount(), 4);
}

TEST_F(SmoothPanelTest, AFillWithoutBorderCoversEveryEdgePixel) {
  TVxSmoothPanel* panel = MakePanel();
  testing::MemoryBitmap bitmap(200, 100);
  bitmap.Fill(fw::clWhite);
  Paint(panel, bitmap);
  for (const POINT p : {POINT{0, 0}, POINT{199, 0}, POINT{0, 99}, POINT{199, 99}, POINT{100, 50}}) {
    EXPECT_EQ(bitmap.Pixel(p.x, p.y), kRed) << p.x << "," << p.y;
  }
}

TEST_F(SmoothPanelTest, CaptionPositionsInTheInnerRectangle) {
  struct Case {
    TVxSmoothPanelLocation location;
    GpRectF rect;
    fw::TPoint expected;
  };
  const Case cases[] = {
      {plTopLeft, GpRectF{8, 6, 200, 100}, {8, 6}},
      {plTopRight, GpRectF{8, 6, 200, 100}, {150, 6}},
      {plTopRight, GpRectF{180, 0, 200, 100}, {180, 0}},  // never left of the inset
      {plCenterCenter, GpRectF{0, 0, 200, 100}, {75, 40}},
      {plBottomLeft, GpRectF{2.5f, 0, 200, 100}, {2, 80}},  // rounded half to even
      {plBottomCenter, GpRectF{0, 0, 201, 100}, {75, 80}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.location));
    EXPECT_EQ(TVxSmoothPanel::CalcPosition(c.location, 50, 20, c.rect).X, c.expected.X);
    EXPECT_EQ(TVxSmoothPanel::CalcPosition(c.location, 50, 20, c.rect).Y, c.expected.Y);
  }
}

TEST_F(SmoothPanelTest, TheUnderlineIsBelowTheCaptionAboveItInTheBottomRow) {
  for (const TVxSmoothPanelLocation location : {plTopLeft, plBottomLeft}) {
    SCOPED_TRACE(static_cast<int>(location));
    TVxSmoothPanel* panel = MakePanel();
    panel->Fill()->SetColor(fw::clWhite);
    panel->Fill()->SetColorTo(fw::clWhite);
    panel->Caption()->SetText("WWWW");
    panel->Caption()->SetGradientType(gtSolid);
    panel->Caption()->SetColorStart(fw::clBlack);
    panel->Caption()->SetLineColor(kGreen);
    panel->Caption()->SetLocation(location);
    testing::MemoryBitmap bitmap(200, 100);
    Paint(panel, bitmap);
    int lineRow = -1;
    int firstInk = -1;
    int lastInk = -1;
    for (int y = 0; y < 100; ++y) {
      if (bitmap.Count(RECT{0, y, 200, y + 1}, kGreen) > 100) lineRow = y;
      if (bitmap.Count(RECT{0, y, 200, y + 1}, fw::clBlack) > 0) {
        if (firstInk < 0) firstInk = y;
        lastInk = y;
      }
    }
    ASSERT_GE(lineRow, 0);
    ASSERT_GE(firstInk, 0);
    if (location == plTopLeft) EXPECT_GT(lineRow, lastInk);
    else EXPECT_LT(lineRow, firstInk);
    panel->Free();
  }
}

TEST_F(SmoothPanelTest, AnyGradientWithoutABrushDrawsNoCaption) {
  TVxSmoothPanel* panel = MakePanel();
  panel->Fill()->SetColor(fw::clWhite);
  panel->Fill()->SetColorTo(fw::clWhite);
  panel->Caption()->SetText("WWWW");
  panel->Caption()->SetLine(false);
  panel->Caption()->SetColorStart(fw::clBlack);
  panel->Caption()->SetColorEnd(fw::clBlack);
  panel->Caption()->SetGradientType(gtRadial);
  testing::MemoryBitmap bitmap(200, 100);
  Paint(panel, bitmap);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 200, 100}, fw::clWhite), 200 * 100);
  panel->Caption()->SetGradientType(gtVertical);
  Paint(panel, bitmap);
  EXPECT_LT(bitmap.Count(RECT{0, 0, 200, 100}, fw::clWhite), 200 * 100);
}

TEST_F(SmoothPanelTest, ATextureCaptionIsPaintedWithItsPicture) {
  // A 2 x 2 red BMP.
  const std::vector<std::uint8_t> bmp = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0,
                                         0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0,
                                         0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255,
                                         0, 0};
  fw::TMemoryStream* stream = fw::Create<fw::TMemoryStream>();
  stream->WriteBuffer(bmp.data(), static_cast<std::int32_t>(bmp.size()));
  stream->SetPosition(0);
  TVxSmoothPanel* panel = MakePanel();
  panel->Fill()->SetColor(fw::clWhite);
  panel->Fill()->SetColorTo(fw::clWhite);
  panel->Caption()->Picture()->LoadFromStream(stream);
  stream->Free();
  panel->Caption()->SetText("WWWW");
  panel->Caption()->SetLine(false);
  panel->Caption()->SetGradientType(gtTexture);
  testing::MemoryBitmap bitmap(200, 100);
  Paint(panel, bitmap);
  EXPECT_GT(bitmap.Count(RECT{0, 0, 200, 100}, kRed), 20);
}

TEST_F(SmoothPanelTest, TheTitleStripDragsTheWindowWhenCanMove) {
  Form()->Show();
  TVxSmoothPanel* panel = MakePanel();
  const auto hit = [&](int x, int y) {
    const fw::TPoint s = panel->ClientToScreen(fw::Point(x, y));
    return SendMessageA(panel->Handle(), WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y));
  };
  EXPECT_EQ(hit(50, 5), HTCLIENT);
  panel->SetCanMove(true);
  EXPECT_EQ(hit(50, 5), HTCAPTION);
  EXPECT_EQ(hit(1, 19), HTCAPTION);
  EXPECT_EQ(hit(50, 20), HTCLIENT);
  EXPECT_EQ(hit(0, 5), HTCLIENT);
  EXPECT_EQ(hit(199, 5), HTCAPTION);

  int ended = 0;
  panel->OnEndMoveSize = [&](fw::TObject*) { ++ended; };
  SendMessageA(panel->Handle(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(ended, 1);
}

TEST_F(SmoothPanelTest, OnDrawIsRaisedEvenForATinyPanel) {
  TVxSmoothPanel* panel = MakePanel(fw::Rect(0, 0, 1, 30));
  int draws = 0;
  panel->OnDraw = [&](fw::TObject*, fw::TCanvas*, const fw::TRect& r) {
    ++draws;
    EXPECT_EQ(r.Width(), 1);
  };
  testing::MemoryBitmap bitmap(1, 30);
  Paint(panel, bitmap);
  EXPECT_EQ(draws, 1);
  EXPECT_EQ(panel->FaceBuildCount(), 0);
}

TEST_F(SmoothPanelTest, ALinkInTheHTMLCaptionRaisesItsEventWhenClicked) {
  TVxSmoothPanel* panel = MakePanel();
  panel->Caption()->SetHTMLText("Open <A HREF=\"docs\">the manual</A>");
  panel->Caption()->SetHTMLLocation(plTopLeft);
  testing::MemoryBitmap bitmap(200, 100);
  Paint(panel, bitmap);
  fw::TPoint on{-1, -1};
  for (int y = 0; y < 40 && on.X < 0; ++y) {
    for (int x = 0; x < 200 && on.X < 0; ++x) {
      if (panel->GetAnchorAt(x, y) == "docs") on = fw::Point(x, y);
    }
  }
  ASSERT_GE(on.X, 0);
  EXPECT_EQ(panel->GetAnchorAt(2, 90), "");
  std::string clicked;
  panel->OnAnchorClick = [&](fw::TObject*, const std::string& anchor) { clicked = anchor; };
  panel->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(on.X, on.Y));
  EXPECT_EQ(panel->Cursor(), fw::crHandPoint);
  panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(on.X, on.Y));
  panel->Perform(WM_LBUTTONUP, 0, MAKELPARAM(on.X, on.Y));
  EXPECT_EQ(clicked, "docs");
  panel->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(2, 90));
  EXPECT_EQ(panel->Cursor(), fw::crDefault);
}

TEST_F(SmoothPanelTest, StylePresetsSetFillAndCaptionColours) {
  TVxSmoothPanel* panel = MakePanel();
  struct Case {
    int style;
    fw::TColor color, colorTo, mirror, border, start, line;
    TGlowMode glow;
  };
  const Case cases[] = {
      {0, 0xFDEADA, 0xE4AE88, fw::clNone, 0xDFD2C5, 0, 0, gmNone},
      {4, 0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xE3B28D, 0xB0721C, 0xB0721C, gmNone},
      {6, fw::clBtnFace, fw::clBtnFace, fw::clNone, 0, 0, 0, gmNone},
      {14, 0xFFFFFF, 0xEDE5E0, fw::clNone, 0xD2CDC8, 0x5B391E, 0x5B391E, gmRadial},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    panel->ApplyStyle(c.style);
    EXPECT_EQ(panel->Fill()->Color(), c.color);
    EXPECT_EQ(panel->Fill()->ColorTo(), c.colorTo);
    EXPECT_EQ(panel->Fill()->ColorMirror(), c.mirror);
    EXPECT_EQ(panel->Fill()->BorderColor(), c.border);
    EXPECT_EQ(panel->Caption()->ColorStart(), c.start);
    EXPECT_EQ(panel->Caption()->LineColor(), c.line);
    EXPECT_EQ(panel->Fill()->Glow(), c.glow);
    EXPECT_EQ(panel->Fill()->Rounding(), 10);
    EXPECT_EQ(panel->Fill()->ShadowColor(), 0x808080);
  }
  panel->Caption()->SetBackgroundColor(kRed);
  panel->ApplyStyle(8);  // style 8 keeps the caption band
  EXPECT_EQ(panel->Caption()->BackgroundColor(), kRed);
  panel->ApplyStyle(3);
  EXPECT_EQ(panel->Caption()->BackgroundColor(), fw::clNone);
  EXPECT_EQ(panel->Version(), "1.2.1.0");
}

}  // namespace
}  // namespace ui
