// The watch's appearance and settings: defaults, notification on change only, the fonts and the picture,
// Assign; and the watch's geometry from its client size.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/rtl/exceptions.h"
#include "tests/ui_dropdown/watch_test_support.h"

namespace ui {
namespace {

using testing::WatchTest;

TEST(WatchAppearanceTest, DefaultsDescribeAWhiteClassicFace) {
  TWatchAppearance a;
  EXPECT_EQ(a.Size(), 0);
  EXPECT_EQ(a.Shape(), wsCircle);
  EXPECT_EQ(a.BackgroundColor(), fw::clWhite);
  EXPECT_EQ(a.BackgroundColorTo(), fw::clNone);
  EXPECT_EQ(a.BackgroundGradient(), wgVertical);
  EXPECT_TRUE(a.Picture()->Empty());
  EXPECT_EQ(a.BorderColor(), fw::clBlack);
  EXPECT_EQ(a.BorderWidth(), 4);
  EXPECT_EQ(a.TickMarks(), tmAll);
  EXPECT_EQ(a.HourColor(), fw::clBlack);
  EXPECT_EQ(a.HourMarkLength(), 0);
  EXPECT_EQ(a.HourMarkWidth(), 1);
  EXPECT_EQ(a.HourMarkStyle(), hmsLine);
  EXPECT_EQ(a.MinuteColor(), fw::TColor{0x808080});
  EXPECT_EQ(a.MinuteMarkLength(), 0);
  EXPECT_EQ(a.MinuteMarkWidth(), 1);
  for (fw::TFont* font : {a.HourFont(), a.AMPMFont()}) {
    EXPECT_EQ(font->Name(), "Tahoma");
    EXPECT_EQ(font->Color(), fw::clWindowText);
    EXPECT_TRUE(font->Style().Empty());
  }
  EXPECT_EQ(a.HourFont()->Size(), 8);
  EXPECT_EQ(a.AMPMFont()->Size(), 10);
  EXPECT_EQ(a.AMPMColor(), fw::clWhite);
  EXPECT_EQ(a.AMPMBorderColor(), fw::clBlack);
  EXPECT_EQ(a.AMPMFrame(), apRect);
  EXPECT_EQ(a.PointerStyle(), psLine);
  EXPECT_EQ(a.HourPointer(), fw::clBlack);
  EXPECT_EQ(a.HourPointerShadow(), fw::clBtnShadow);
  EXPECT_EQ(a.HourPointerSize(), 4);
  EXPECT_EQ(a.MinutePointer(), fw::clBlack);
  EXPECT_EQ(a.MinutePointerShadow(), fw::clBtnShadow);
  EXPECT_EQ(a.MinutePointerSize(), 3);
  EXPECT_EQ(a.SecondPointer(), fw::clRed);
  EXPECT_EQ(a.SecondPointerSize(), 1);
  EXPECT_EQ(a.CenterPointSize(), 4);
  EXPECT_EQ(a.CenterPointColor(), fw::clBlack);
  EXPECT_EQ(a.CenterPointBorderColor(), fw::clNone);
  EXPECT_EQ(a.CenterPointOuterBorderColor(), fw::clNone);
}

// Each setter given a value other than the default, as a name and a call.
struct Setter {
  const char* name;
  std::function<void(TWatchAppearance&)> set;
};

std::vector<Setter> EverySetter() {
  return {
      {"Size", [](TWatchAppearance& a) { a.SetSize(120); }},
      {"Shape", [](TWatchAppearance& a) { a.SetShape(wsRoundRect); }},
      {"BackgroundColor", [](TWatchAppearance& a) { a.SetBackgroundColor(0x123456); }},
      {"BackgroundColorTo", [](TWatchAppearance& a) { a.SetBackgroundColorTo(0x654321); }},
      {"BackgroundGradient", [](TWatchAppearance& a) { a.SetBackgroundGradient(wgRadial); }},
      {"BorderColor", [](TWatchAppearance& a) { a.SetBorderColor(0x0000AA); }},
      {"BorderWidth", [](TWatchAppearance& a) { a.SetBorderWidth(7); }},
      {"TickMarks", [](TWatchAppearance& a) { a.SetTickMarks(tmQuartHours); }},
      {"HourColor", [](TWatchAppearance& a) { a.SetHourColor(0x00AA00); }},
      {"HourMarkLength", [](TWatchAppearance& a) { a.SetHourMarkLength(9); }},
      {"HourMarkWidth", [](TWatchAppearance& a) { a.SetHourMarkWidth(3); }},
      {"HourMarkStyle", [](TWatchAppearance& a) { a.SetHourMarkStyle(hmsQuartDblLine); }},
      {"MinuteColor", [](TWatchAppearance& a) { a.SetMinuteColor(0xAA0000); }},
      {"MinuteMarkLength", [](TWatchAppearance& a) { a.SetMinuteMarkLength(5); }},
      {"MinuteMarkWidth", [](TWatchAppearance& a) { a.SetMinuteMarkWidth(2); }},
      {"AMPMColor", [](TWatchAppearance& a) { a.SetAMPMColor(fw::clNone); }},
      {"AMPMBorderColor", [](TWatchAppearance& a) { a.SetAMPMBorderColor(0x00AAAA); }},
      {"AMPMFrame", [](TWatchAppearance& a) { a.SetAMPMFrame(apRoundRect); }},
      {"PointerStyle", [](TWatchAppearance& a) { a.SetPointerStyle(psPointer); }},
      {"HourPointer", [](TWatchAppearance& a) { a.SetHourPointer(0x111111); }},
      {"HourPointerShadow", [](TWatchAppearance& a) { a.SetHourPointerShadow(fw::clNone); }},
      {"HourPointerSize", [](TWatchAppearance& a) { a.SetHourPointerSize(6); }},
      {"MinutePointer", [](TWatchAppearance& a) { a.SetMinutePointer(0x222222); }},
      {"MinutePointerShadow", [](TWatchAppearance& a) { a.SetMinutePointerShadow(0x333333); }},
      {"MinutePointerSize", [](TWatchAppearance& a) { a.SetMinutePointerSize(5); }},
      {"SecondPointer", [](TWatchAppearance& a) { a.SetSecondPointer(0x444444); }},
      {"SecondPointerSize", [](TWatchAppearance& a) { a.SetSecondPointerSize(2); }},
      {"CenterPointSize", [](TWatchAppearance& a) { a.SetCenterPointSize(12); }},
      {"CenterPointColor", [](TWatchAppearance& a) { a.SetCenterPointColor(0x555555); }},
      {"CenterPointBorderColor", [](TWatchAppearance& a) { a.SetCenterPointBorderColor(0x666666); }},
      {"CenterPointOuterBorderColor", [](TWatchAppearance& a) { a.SetCenterPointOuterBorderColor(0x777777); }},
  };
}

TEST(WatchAppearanceTest, ValuesNotifyOnlyWhenTheyChangeFontsAndPictureAlways) {
  TWatchAppearance a;
  int notices = 0;
  a.OnChange = [&](TWatchAppearance* sender) {
    EXPECT_EQ(sender, &a);
    ++notices;
  };
  for (const Setter& s : EverySetter()) {
    notices = 0;
    s.set(a);
    EXPECT_EQ(notices, 1) << s.name;
    s.set(a);
    EXPECT_EQ(notices, 1) << s.name << " set again";
  }

  fw::TFont font;
  font.SetName("Courier New");
  font.SetSize(14);
  notices = 0;
  a.SetHourFont(&font);
  a.SetHourFont(&font);
  a.SetAMPMFont(&font);
  EXPECT_EQ(notices, 3);
  EXPECT_EQ(a.HourFont()->Name(), "Courier New");
  EXPECT_EQ(a.AMPMFont()->Size(), 14);
  EXPECT_NE(a.HourFont(), &font);  // a copy

  fw::TBitmap bitmap;
  bitmap.SetSize(4, 4);
  fw::TPicture picture;
  picture.SetGraphic(&bitmap);
  notices = 0;
  a.SetPicture(&picture);
  EXPECT_EQ(notices, 1);
  EXPECT_FALSE(a.Picture()->Empty());
  a.Picture()->Bitmap()->SetSize(8, 8);  // the picture's own content
  EXPECT_GE(notices, 2);
}

TEST(WatchAppearanceTest, AssignCopiesEveryValueAndRefusesOtherClasses) {
  TWatchAppearance source;
  for (const Setter& s : EverySetter()) s.set(source);
  source.HourFont()->SetName("Courier New");
  source.AMPMFont()->SetSize(16);
  fw::TBitmap bitmap;
  bitmap.SetSize(3, 5);
  source.Picture()->SetGraphic(&bitmap);

  TWatchAppearance copy;
  int notices = 0;
  copy.OnChange = [&](TWatchAppearance*) { ++notices; };
  copy.Assign(&source);
  EXPECT_GT(notices, 0);
  // Every setter of the copy now finds its value in place.
  TWatchAppearance probe;
  probe.Assign(&source);
  int probeNotices = 0;
  probe.OnChange = [&](TWatchAppearance*) { ++probeNotices; };
  for (const Setter& s : EverySetter()) {
    s.set(probe);
    EXPECT_EQ(probeNotices, 0) << s.name;
  }
  EXPECT_EQ(copy.HourFont()->Name(), "Courier New");
  EXPECT_EQ(copy.AMPMFont()->Size(), 16);
  EXPECT_EQ(copy.Picture()->Width(), 3);
  EXPECT_EQ(copy.Picture()->Height(), 5);

  fw::TFont font;
  EXPECT_THROW(copy.Assign(&font), fw::EConvertError);
}

TEST(WatchSettingsTest, SettersNotifyOnChangeAndAssignOnlyThroughAuto) {
  TWatchSettings s;
  EXPECT_FALSE(s.Auto());
  EXPECT_EQ(s.TimeOffset(), 0);
  EXPECT_TRUE(s.Second());
  int notices = 0;
  s.OnChange = [&](TWatchSettings*) { ++notices; };
  s.SetAuto(true);
  s.SetAuto(true);
  s.SetTimeOffset(90);
  s.SetTimeOffset(90);
  s.SetSecond(false);
  s.SetSecond(false);
  EXPECT_EQ(notices, 3);

  TWatchSettings other;
  other.SetAuto(true);
  other.SetTimeOffset(-15);
  other.SetSecond(true);
  notices = 0;
  s.Assign(&other);  // Auto unchanged: no notice
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(s.TimeOffset(), -15);
  EXPECT_TRUE(s.Second());
  other.SetAuto(false);
  s.Assign(&other);
  EXPECT_EQ(notices, 1);
  EXPECT_FALSE(s.Auto());
  TWatchAppearance appearance;
  EXPECT_THROW(s.Assign(&appearance), fw::EConvertError);
}

class WatchGeometryTest : public WatchTest {};

TEST_F(WatchGeometryTest, TheWatchCopiesTheAppearanceAndSettingsItIsGiven) {
  TVxWatch* watch = MakeWatch();
  TWatchAppearance look;
  look.SetBackgroundColor(0x00AA00);
  watch->SetAppearance(&look);
  EXPECT_NE(watch->Appearance(), &look);
  EXPECT_EQ(watch->Appearance()->BackgroundColor(), fw::TColor{0x00AA00});
  TWatchSettings clock;
  clock.SetAuto(true);
  clock.SetTimeOffset(60);
  watch->SetSettings(&clock);
  EXPECT_NE(watch->Settings(), &clock);
  EXPECT_EQ(watch->Settings()->TimeOffset(), 60);
  EXPECT_TRUE(watch->TickTimer()->Enabled());  // the copy's Auto started the clock
}

TEST_F(WatchGeometryTest, TheFaceIsCentredAndTheBoxSitsBelowTheCentre) {
  struct Case {
    int width, height, size;
    fw::TRect face;
  };
  const Case cases[] = {
      {180, 180, 0, fw::Rect(10, 10, 170, 170)},   {180, 180, 100, fw::Rect(40, 40, 140, 140)},
      {180, 180, 500, fw::Rect(0, 0, 180, 180)},   {200, 120, 0, fw::Rect(50, 10, 150, 110)},
      {121, 201, 0, fw::Rect(10, 50, 111, 151)},   {200, 120, -3, fw::Rect(50, 10, 150, 110)},
      {15, 15, 0, fw::Rect(7, 7, 7, 7)},  // too small for the margin: an empty face, not an inverted one
  };
  for (const Case& c : cases) {
    TVxWatch* watch = MakeWatch(c.width, c.height);
    watch->Appearance()->SetSize(c.size);
    EXPECT_EQ(watch->GetFaceRect(), c.face) << c.width << "x" << c.height << " size " << c.size;
    EXPECT_EQ(watch->GetCenter(), (fw::TPoint{c.face.Left + c.face.Width() / 2, c.face.Top + c.face.Height() / 2}));
    EXPECT_EQ(watch->GetRadius(), c.face.Width() / 2);
    fw::testing::MemoryBitmap bitmap(c.width, c.height);
    watch->PaintTo(bitmap.DC(), 0, 0);  // any size paints
  }

  // The box: "AM" in the AM/PM font plus 8 wide, centred, its top a third of (radius - height) below the centre.
  TVxWatch* watch = MakeWatch();
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, watch->Appearance()->AMPMFont()->Handle());
  SIZE text{};
  GetTextExtentPoint32A(dc, "AM", 2, &text);
  SelectObject(dc, old);
  DeleteDC(dc);
  const fw::TRect box = watch->GetAMPMRect();
  EXPECT_EQ(box.Width(), text.cx + 8);
  EXPECT_EQ(box.Height(), text.cy);
  EXPECT_LE(std::abs((box.Left + box.Right) - 180), 1);
  EXPECT_EQ(box.Top, 90 + static_cast<int>(std::lround((80 - text.cy) / 3.0)));
  watch->Appearance()->AMPMFont()->SetSize(20);
  EXPECT_GT(watch->GetAMPMRect().Height(), box.Height());
}

}  // namespace
}  // namespace ui
