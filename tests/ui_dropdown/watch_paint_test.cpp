// The watch's painting read back by pixels: face fills, shapes and outline, marks, the AM/PM box, the
// hands in each pointer style, the centre disc, the second hand of clock mode, a clock tick that draws the
// hands over the cached face, and a picture face.
#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "framework/services/clock.h"
#include "tests/ui_dropdown/watch_test_support.h"

namespace ui {
namespace {

using testing::MemoryBitmap;
using testing::Near;
using testing::WatchTest;

constexpr fw::TColor kGreen = 0x00FF00;  // the control's colour around the face
constexpr fw::TColor kRed = 0x0000FF;
constexpr fw::TColor kBlue = 0xFF0000;
constexpr fw::TColor kYellow = 0x00FFFF;
constexpr fw::TColor kOrange = 0x0080FF;

class WatchPaintTest : public WatchTest {
 protected:
  // A 180 x 180 watch on green, its face at (10, 10)-(170, 170), centre (90, 90), radius 80.
  TVxWatch* PaintWatch() {
    TVxWatch* watch = MakeWatch();
    watch->SetColor(kGreen);
    return watch;
  }
  // The same without marks, numbers and AM/PM box: only the face and the hands.
  TVxWatch* BareWatch() {
    TVxWatch* watch = PaintWatch();
    watch->Appearance()->SetTickMarks(tmNone);
    watch->SetShowAMPM(false);
    return watch;
  }
  MemoryBitmap& Paint(TVxWatch* watch) {
    bitmap_.Fill(fw::clFuchsia);
    watch->PaintTo(bitmap_.DC(), 0, 0);
    return bitmap_;
  }
  fw::TColor Pixel(fw::TPoint p) { return bitmap_.Pixel(p.X, p.Y); }
  static fw::TColor ScreenPixel(TVxWatch* watch, fw::TPoint p) {
    const HDC dc = GetWindowDC(watch->Handle());
    const COLORREF c = GetPixel(dc, p.X, p.Y);
    ReleaseDC(watch->Handle(), dc);
    return static_cast<fw::TColor>(c);
  }

  MemoryBitmap bitmap_{180, 180};
};

TEST_F(WatchPaintTest, TheFaceFillsItsShapeAndTheOutlineFollowsIt) {
  TVxWatch* watch = BareWatch();
  watch->Appearance()->SetBackgroundColor(kRed);
  const fw::TPoint inFace = Toward(45, 50);
  const fw::TPoint onOutline = Toward(45, 79);
  const fw::TPoint corner{5, 5};
  struct Case {
    TWatchShape shape;
    int border;
    fw::TColor inFace, onOutline, corner;
  };
  const Case cases[] = {
      {wsCircle, 8, kRed, fw::clBlack, kGreen},
      {wsRect, 0, kRed, kRed, kRed},
      {wsRect, 8, kRed, kRed, kRed},  // the square's outline runs along the client's edge
      {wsRoundRect, 0, kRed, kRed, kRed},
  };
  for (const Case& c : cases) {
    watch->Appearance()->SetShape(c.shape);
    watch->Appearance()->SetBorderWidth(c.border);
    Paint(watch);
    EXPECT_TRUE(Near(Pixel(inFace), c.inFace)) << c.shape << "/" << c.border << ": " << std::hex << Pixel(inFace);
    EXPECT_TRUE(Near(Pixel(onOutline), c.onOutline)) << c.shape << "/" << c.border << ": " << std::hex << Pixel(onOutline);
    EXPECT_TRUE(Near(Pixel(corner), c.corner)) << c.shape << "/" << c.border << ": " << std::hex << Pixel(corner);
  }
  // Without an outline the circle's edge is the face's.
  watch->Appearance()->SetBorderWidth(0);
  Paint(watch);
  EXPECT_TRUE(Near(Pixel(onOutline), kRed, 60)) << std::hex << Pixel(onOutline);
  // The square's outline and the rounded shape's cut corner.
  watch->Appearance()->SetShape(wsRect);
  watch->Appearance()->SetBorderWidth(4);
  Paint(watch);
  EXPECT_EQ(bitmap_.Pixel(1, 90), fw::clBlack);
  watch->Appearance()->SetShape(wsRoundRect);
  watch->Appearance()->SetBorderWidth(0);
  Paint(watch);
  EXPECT_EQ(bitmap_.Pixel(0, 0), kGreen);
  // A Size smaller than the control shrinks the circle, not the square.
  watch->Appearance()->SetShape(wsCircle);
  watch->Appearance()->SetSize(100);
  EXPECT_EQ(watch->GetFaceRect(), fw::Rect(40, 40, 140, 140));
  Paint(watch);
  EXPECT_EQ(Pixel(Toward(45, 60)), kGreen);
  EXPECT_EQ(Pixel(Toward(45, 40)), kRed);
}

TEST_F(WatchPaintTest, GradientsRunFromTheColourToTheEndColour) {
  TVxWatch* watch = BareWatch();
  watch->Appearance()->SetBorderWidth(0);
  watch->Appearance()->SetBackgroundColor(fw::clWhite);
  watch->Appearance()->SetBackgroundColorTo(kBlue);
  const auto red = [](fw::TColor c) { return static_cast<int>(c & 0xFF); };

  Paint(watch);  // vertical by default: light at the top, dark at the bottom
  EXPECT_GT(red(Pixel(fw::TPoint{60, 30})), 180);
  EXPECT_LT(red(Pixel(fw::TPoint{60, 150})), 80);

  watch->Appearance()->SetBackgroundGradient(wgDiagonalForward);
  Paint(watch);
  EXPECT_GT(red(Pixel(Toward(315, 70))), 170);
  EXPECT_LT(red(Pixel(Toward(135, 70))), 90);
  EXPECT_TRUE(Near(Pixel(Toward(45, 70)), Pixel(Toward(225, 70)), 24));

  watch->Appearance()->SetBackgroundGradient(wgDiagonalBackward);
  Paint(watch);
  EXPECT_GT(red(Pixel(Toward(45, 70))), 170);
  EXPECT_LT(red(Pixel(Toward(225, 70))), 90);

  watch->Appearance()->SetBackgroundGradient(wgRadial);
  watch->Appearance()->SetCenterPointSize(0);
  watch->SetTime(Clock(3, 15));
  Paint(watch);
  EXPECT_GT(red(Pixel(Toward(0, 6))), 200);  // the hands point right, their tails left
  EXPECT_LT(red(Pixel(Toward(0, 76))), 60);

  // Without an end colour the face is plain.
  watch->Appearance()->SetBackgroundColorTo(fw::clNone);
  Paint(watch);
  EXPECT_TRUE(Near(Pixel(Toward(0, 76)), fw::clWhite));
}

TEST_F(WatchPaintTest, MarksFollowTheTickMarkSetting) {
  TVxWatch* watch = PaintWatch();
  watch->SetShowAMPM(false);
  watch->SetShowNumbers(false);
  watch->SetTime(Clock(7, 35));  // the hands out of the way of 3, 2 and 12 o'clock
  watch->Appearance()->SetHourColor(kRed);
  watch->Appearance()->SetHourMarkWidth(3);
  watch->Appearance()->SetMinuteColor(kBlue);
  watch->Appearance()->SetMinuteMarkWidth(3);
  // Mark radius 78; hour marks from 70.2, minute marks from 74.1.
  const fw::TPoint quarter = Toward(90, 74);
  const fw::TPoint hour = Toward(60, 74);
  const fw::TPoint minute = Toward(12, 76);
  struct Case {
    TTickMarks marks;
    bool quarter, hour, minute;
  };
  const Case cases[] = {{tmAll, true, true, true},
                        {tmHours, true, true, false},
                        {tmQuartHours, true, false, false},
                        {tmNone, false, false, false}};
  for (const Case& c : cases) {
    watch->Appearance()->SetTickMarks(c.marks);
    Paint(watch);
    EXPECT_EQ(Near(Pixel(quarter), kRed), c.quarter) << c.marks << std::hex << " " << Pixel(quarter);
    EXPECT_EQ(Near(Pixel(hour), kRed), c.hour) << c.marks << std::hex << " " << Pixel(hour);
    EXPECT_EQ(Near(Pixel(minute), kBlue), c.minute) << c.marks << std::hex << " " << Pixel(minute);
    EXPECT_TRUE(Near(Pixel(Toward(90, 64)), fw::clWhite)) << c.marks;  // inside the marks: the face
  }

  // Double quarter marks lie 2 pixels to each side of the single one; a set length starts them further in.
  watch->Appearance()->SetTickMarks(tmAll);
  watch->Appearance()->SetHourMarkWidth(2);
  watch->Appearance()->SetHourMarkStyle(hmsQuartDblLine);
  Paint(watch);
  EXPECT_TRUE(Near(bitmap_.Pixel(164, 88), kRed));
  EXPECT_TRUE(Near(bitmap_.Pixel(164, 92), kRed));
  EXPECT_TRUE(Near(bitmap_.Pixel(164, 90), fw::clWhite));
  EXPECT_TRUE(Near(bitmap_.Pixel(88, 16), kRed));
  EXPECT_TRUE(Near(bitmap_.Pixel(92, 16), kRed));
  watch->Appearance()->SetHourMarkLength(30);
  Paint(watch);
  EXPECT_TRUE(Near(bitmap_.Pixel(30, 88), kRed));  // from 48 to 78 pixels out
  EXPECT_TRUE(Near(bitmap_.Pixel(150, 92), kRed));
  EXPECT_TRUE(Near(bitmap_.Pixel(150, 90), fw::clWhite));
}

TEST_F(WatchPaintTest, NumbersAreDrawnInTheHourFontForTheirMarks) {
  TVxWatch* watch = PaintWatch();
  watch->SetShowAMPM(false);
  watch->SetTime(Clock(7, 35));
  watch->Appearance()->HourFont()->SetColor(kRed);
  // Where the 3 and the 1 are written (number radius 61 from the centre plus one pixel).
  const RECT three{145, 80, 160, 102};
  const RECT one{112, 28, 132, 48};
  // The text is smoothed: the pixels it touches, some of them in the font's own colour.
  const auto reds = [this](const RECT& r) {
    const int area = (r.right - r.left) * (r.bottom - r.top);
    return bitmap_.Count(r, kRed) > 0 ? area - bitmap_.Count(r, fw::clWhite) : 0;
  };
  Paint(watch);
  EXPECT_GT(reds(three), 10);
  EXPECT_GT(reds(one), 5);
  watch->Appearance()->SetTickMarks(tmQuartHours);
  Paint(watch);
  EXPECT_GT(reds(three), 10);
  EXPECT_EQ(reds(one), 0);
  watch->Appearance()->SetTickMarks(tmHours);
  Paint(watch);
  EXPECT_EQ(reds(three), 0);
  watch->Appearance()->SetTickMarks(tmAll);
  watch->SetShowNumbers(false);
  Paint(watch);
  EXPECT_EQ(reds(three), 0);
}

TEST_F(WatchPaintTest, TheAMPMBoxIsFilledFramedAndLabelled) {
  TVxWatch* watch = PaintWatch();  // both hands up, away from the box
  watch->Appearance()->SetAMPMColor(kYellow);
  watch->Appearance()->SetAMPMBorderColor(kRed);
  const fw::TRect box = watch->GetAMPMRect();
  const int mid = (box.Top + box.Bottom) / 2;
  Paint(watch);
  EXPECT_EQ(bitmap_.Pixel(box.Left, mid), kRed);
  EXPECT_EQ(bitmap_.Pixel(box.Right - 1, mid), kRed);
  EXPECT_EQ(bitmap_.Pixel(box.Left + 2, box.Bottom - 2), kYellow);
  const RECT inside{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
  const int yellowAM = bitmap_.Count(inside, kYellow);
  EXPECT_LT(yellowAM, (inside.right - inside.left) * (inside.bottom - inside.top));  // the text is there

  // Another text in the afternoon; no frame for a clNone border; nothing without the box.
  watch->SetTime(Clock(12, 0));
  Paint(watch);
  EXPECT_NE(bitmap_.Count(inside, kYellow), yellowAM);
  watch->Appearance()->SetAMPMBorderColor(fw::clNone);
  Paint(watch);
  EXPECT_EQ(bitmap_.Pixel(box.Left, mid), kYellow);
  watch->SetShowAMPM(false);
  Paint(watch);
  EXPECT_EQ(bitmap_.Count(inside, kYellow), 0);
}

TEST_F(WatchPaintTest, HandsPointAtTheTimeInTheirStyleWithTheCentreDiscOnTop) {
  TVxWatch* watch = BareWatch();
  watch->Appearance()->SetHourPointer(kRed);
  watch->Appearance()->SetMinutePointer(kBlue);
  watch->SetTime(Clock(3, 30));  // hour hand at 105 degrees, minute hand at 6 o'clock
  const fw::TPoint hourHand = Toward(105, 30);
  const fw::TPoint minuteHand = Toward(180, 50);
  const fw::TPoint neither = Toward(270, 30);
  for (const TPointerStyle style : {psLine, psPointer}) {
    watch->Appearance()->SetPointerStyle(style);
    Paint(watch);
    EXPECT_TRUE(Near(Pixel(hourHand), kRed)) << style << std::hex << " " << Pixel(hourHand);
    EXPECT_TRUE(Near(Pixel(minuteHand), kBlue)) << style << std::hex << " " << Pixel(minuteHand);
    EXPECT_TRUE(Near(Pixel(neither), fw::clWhite)) << style;
    EXPECT_TRUE(Near(Pixel(Toward(180, 62)), fw::clWhite)) << style;  // the minute hand ends at 0.7 R = 56
  }
  for (const TPointerStyle style : {psShortLine, psLineArrow}) {
    watch->Appearance()->SetPointerStyle(style);
    Paint(watch);
    EXPECT_TRUE(Near(Pixel(hourHand), fw::clWhite)) << style;
    EXPECT_TRUE(Near(Pixel(minuteHand), fw::clWhite)) << style;
    EXPECT_EQ(bitmap_.Pixel(90, 90), fw::clBlack) << style;  // the centre disc alone
  }

  // Shadows below the hands (alpha 80 of the colour's own bytes), none for clNone.
  // The minute hand at 3 o'clock has its shadow 3 pixels below it.
  watch->Appearance()->SetPointerStyle(psLine);
  watch->Appearance()->SetMinutePointerShadow(kRed);
  watch->SetTime(Clock(9, 15));
  Paint(watch);
  EXPECT_TRUE(Near(bitmap_.Pixel(120, 90), kBlue));
  EXPECT_TRUE(Near(bitmap_.Pixel(120, 93), 0xAFAFFF, 12)) << std::hex << bitmap_.Pixel(120, 93);
  watch->Appearance()->SetMinutePointerShadow(fw::clNone);
  Paint(watch);
  EXPECT_EQ(bitmap_.Pixel(120, 93), fw::clWhite);

  // The disc: fill, outer ring (a fifth of its size wide) and inner ring (a tenth).
  watch->Appearance()->SetCenterPointSize(20);
  watch->Appearance()->SetCenterPointColor(kYellow);
  watch->Appearance()->SetCenterPointOuterBorderColor(kGreen);
  watch->Appearance()->SetCenterPointBorderColor(kOrange);
  Paint(watch);
  EXPECT_EQ(bitmap_.Pixel(90, 90), kYellow);
  EXPECT_TRUE(Near(bitmap_.Pixel(79, 90), kGreen)) << std::hex << bitmap_.Pixel(79, 90);
  EXPECT_TRUE(Near(bitmap_.Pixel(82, 90), kOrange)) << std::hex << bitmap_.Pixel(82, 90);
  watch->Appearance()->SetCenterPointSize(0);
  Paint(watch);
  EXPECT_NE(bitmap_.Pixel(90, 90), kYellow);
}

TEST_F(WatchPaintTest, ClockModeDrawsTheSecondHandOfNowPlusTheOffset) {
  fw::TDateTime now = Clock(10, 0, 15);
  const fw::ServiceDouble<fw::TDateTime()> clock(fw::Now, [&] { return now; });
  TVxWatch* watch = BareWatch();
  watch->Appearance()->SetSecondPointerSize(3);
  watch->Appearance()->SetMinutePointer(kBlue);
  watch->Settings()->SetTimeOffset(30);
  watch->Settings()->SetAuto(true);
  Paint(watch);
  EXPECT_TRUE(Near(Pixel(Toward(90, 50)), kRed)) << std::hex << Pixel(Toward(90, 50));  // 15 seconds
  EXPECT_TRUE(Near(Pixel(Toward(180, 50)), kBlue));  // 10:30: the minute hand at 6 o'clock
  EXPECT_TRUE(Near(Pixel(Toward(0, 50)), fw::clWhite));

  watch->Settings()->SetSecond(false);
  Paint(watch);
  EXPECT_TRUE(Near(Pixel(Toward(90, 50)), fw::clWhite));
  // Outside clock mode there is no second hand.
  watch->Settings()->SetSecond(true);
  watch->Settings()->SetAuto(false);
  Paint(watch);
  EXPECT_TRUE(Near(Pixel(Toward(90, 50)), fw::clWhite));
}

TEST_F(WatchPaintTest, AClockTickDrawsTheHandsOverTheCachedFace) {
  fw::TDateTime now = Clock(3, 0);
  const fw::ServiceDouble<fw::TDateTime()> clock(fw::Now, [&] { return now; });
  TVxWatch* watch = BareWatch();
  watch->Settings()->SetSecond(false);
  watch->Settings()->SetAuto(true);
  Form()->Show();
  ProcessMessages();
  Paint(watch);  // the face into the cache, drawn white
  EXPECT_EQ(ScreenPixel(watch, Toward(90, 30)), fw::clBlack);

  // A new face colour waits for the next paint; the tick moves the hour hand to 9 on the old face.
  watch->Appearance()->SetBackgroundColor(kYellow);
  now = Clock(9, 0);
  watch->TickTimer()->OnTimer(watch->TickTimer());
  EXPECT_EQ(ScreenPixel(watch, Toward(270, 30)), fw::clBlack);
  EXPECT_EQ(ScreenPixel(watch, Toward(90, 30)), fw::clWhite);
  EXPECT_EQ(ScreenPixel(watch, Toward(45, 50)), fw::clWhite);

  ProcessMessages();  // the paint draws the face anew
  EXPECT_EQ(ScreenPixel(watch, Toward(45, 50)), kYellow);
  EXPECT_EQ(ScreenPixel(watch, Toward(270, 30)), fw::clBlack);
}

TEST_F(WatchPaintTest, APictureReplacesTheColouredFace) {
  TVxWatch* watch = BareWatch();
  watch->Appearance()->SetBorderWidth(0);
  watch->Appearance()->SetBackgroundColor(kYellow);
  fw::TBitmap picture;
  picture.SetSize(20, 20);
  picture.Canvas()->Brush()->SetColor(kBlue);
  picture.Canvas()->FillRect(fw::Rect(0, 0, 20, 20));
  picture.Canvas()->Brush()->SetColor(fw::clWhite);
  picture.Canvas()->FillRect(fw::Rect(0, 0, 10, 20));  // the left half has the top-left pixel's colour
  watch->Appearance()->Picture()->SetGraphic(&picture);
  Paint(watch);
  // Stretched over the whole client area; the left half keyed out shows the control's colour.
  EXPECT_TRUE(Near(bitmap_.Pixel(170, 20), kBlue));
  EXPECT_TRUE(Near(bitmap_.Pixel(120, 160), kBlue));
  EXPECT_TRUE(Near(bitmap_.Pixel(20, 40), kGreen));
  EXPECT_TRUE(Near(bitmap_.Pixel(60, 150), kGreen));
  watch->Appearance()->Picture()->SetGraphic(nullptr);
  Paint(watch);
  EXPECT_TRUE(Near(bitmap_.Pixel(60, 150), kYellow));
}

}  // namespace
}  // namespace ui
