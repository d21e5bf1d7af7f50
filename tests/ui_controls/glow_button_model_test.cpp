// The glow button's colour functions, appearance and style presets (pure objects), and its model on real
// windows: groups, Down while loading, auto size, Assign and Version.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/actions/action_list.h"
#include "framework/graphics/image_list.h"
#include "tests/ui_controls/glow_test_support.h"
#include "ui/controls/glow_button.h"
#include "ui/foundation/style_detection.h"

namespace ui {
namespace {

// ---- colour functions ----

struct ShadeCase {
  fw::TColor color;
  int r, g, b;
  fw::TColor expected;
};

TEST(GlowColorFunctions, ShadeColor) {
  const ShadeCase cases[] = {
      {0x000000, -10, -10, -10, 0x000000},  // darkening black stays black
      {0x000000, 5, 5, 5, 0x050505},        // a zero channel takes the percentage
      {0xFFFFFF, 10, 10, 10, 0xFFFFFF},     // brightening leaves non-zero channels alone
      {0x00FF80, 20, 20, 20, 0x14FF80},     // ... and lifts only the zero one
      {0xF5F0E1, -10, -10, 0, 0xF5D8CA},    // red 202.5 rounds to the even 202
      {0x0000FF, -50, -50, -50, 0x000080},  // red 127.5 rounds to the even 128; zero channels stay 0
      {0x000003, -50, 0, 0, 0x000002},      // 1.5 rounds to 2
      {0x000005, -50, 0, 0, 0x000002},      // 2.5 rounds to 2
      {0x000000, 300, 0, 0, 0x0000FF},      // a zero channel stays within its byte
  };
  for (const ShadeCase& c : cases) {
    EXPECT_EQ(ShadeColorRGB(c.color, c.r, c.g, c.b), c.expected) << std::hex << c.color << " " << c.r;
  }
  EXPECT_EQ(ShadeColor(0x808080, -10), 0x737373);  // 115.2
  // System colours are resolved first.
  EXPECT_EQ(ShadeColor(fw::clBtnFace, 0), static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace)));
}

struct BlendCase {
  fw::TColor c1, c2;
  int percent;
  fw::TColor expected;
};

TEST(GlowColorFunctions, BlendColor) {
  const BlendCase cases[] = {
      {0x0000FF, 0xFFFFFF, 50, 0x8080FF},     // 127.5 rounds to 128 on green and blue
      {0x000001, 0x000002, 50, 0x000002},     // 1.5 to 2
      {0x000003, 0x000002, 50, 0x000002},     // 2.5 to 2
      {0x0000FF, 0x000000, 100, 0x0000FF},    // all of Color1
      {0x0000FF, 0x000000, 150, 0x0000FF},
      {0x0000FF, 0x000000, 0, 0x000000},      // all of Color2
      {0x0000FF, 0x000000, -5, 0x000000},
      {fw::clNone, 0x123456, 50, 0x123456},   // a none colour gives the other one unchanged
      {0x123456, fw::clNone, 50, 0x123456},
      {fw::clNone, fw::clNone, 100, fw::clNone},
      {0x0000C8, 0x000064, 25, 0x00007D},     // 0.25 * 200 + 0.75 * 100
  };
  for (const BlendCase& c : cases) {
    EXPECT_EQ(BlendColor(c.c1, c.c2, c.percent), c.expected) << std::hex << c.c1 << " " << c.c2 << " " << std::dec
                                                              << c.percent;
  }
  const auto face = static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace));
  EXPECT_EQ(BlendColor(fw::clBtnFace, face, 50), face);
}

// ---- appearance ----

struct Named {
  const char* name;
  long long actual, expected;
};

TEST(GlowAppearance, ValuesAfterConstruction) {
  TGlowButtonAppearance a;
  const Named values[] = {
      {"BorderColor", a.BorderColor(), 0xC0C0C0},
      {"BorderColorHot", a.BorderColorHot(), 0xFF0000},
      {"BorderColorDown", a.BorderColorDown(), 0x800000},
      {"BorderColorChecked", a.BorderColorChecked(), 0xFF0000},
      {"BorderColorDisabled", a.BorderColorDisabled(), 0x808080},
      {"Color", a.Color(), 0xFFFFFF},
      {"ColorTo", a.ColorTo(), 0xFFFFFF},
      {"ColorChecked", a.ColorChecked(), 0xF5D8CA},
      {"ColorCheckedTo", a.ColorCheckedTo(), 0xF9BDA0},
      {"ColorDisabled", a.ColorDisabled(), 0xF2F2F2},
      {"ColorDisabledTo", a.ColorDisabledTo(), 0xF2F2F2},
      {"ColorDown", a.ColorDown(), 0xF5D8CA},
      {"ColorDownTo", a.ColorDownTo(), 0xF9BDA0},
      {"ColorHot", a.ColorHot(), 0xF5F0E1},
      {"ColorHotTo", a.ColorHotTo(), 0xF9D2B2},
      {"ColorMirror", a.ColorMirror(), 0xC0C0C0},
      {"ColorMirrorTo", a.ColorMirrorTo(), 0xFFFFFF},
      {"ColorMirrorHot", a.ColorMirrorHot(), 0xF5C8AD},
      {"ColorMirrorHotTo", a.ColorMirrorHotTo(), 0xFFF8F4},
      {"ColorMirrorDown", a.ColorMirrorDown(), 0xF5B49C},
      {"ColorMirrorDownTo", a.ColorMirrorDownTo(), 0xFFDFDC},
      {"ColorMirrorChecked", a.ColorMirrorChecked(), 0xF5B49C},
      {"ColorMirrorCheckedTo", a.ColorMirrorCheckedTo(), 0xFFDFDC},
      {"ColorMirrorDisabled", a.ColorMirrorDisabled(), 0xB6B6B6},
      {"ColorMirrorDisabledTo", a.ColorMirrorDisabledTo(), 0xF2F2F2},
      {"Gradient", a.Gradient(), ggVertical},
      {"GradientMirror", a.GradientMirror(), ggVertical},
      {"GradientHot", a.GradientHot(), ggRadial},
      {"GradientMirrorHot", a.GradientMirrorHot(), ggRadial},
      {"GradientDown", a.GradientDown(), ggRadial},
      {"GradientMirrorDown", a.GradientMirrorDown(), ggRadial},
      {"GradientChecked", a.GradientChecked(), ggRadial},
      {"GradientMirrorChecked", a.GradientMirrorChecked(), ggVertical},
      {"GradientDisabled", a.GradientDisabled(), ggRadial},
      {"GradientMirrorDisabled", a.GradientMirrorDisabled(), ggRadial},
      {"SystemFont", a.SystemFont(), true},
      {"TextColorHot", a.TextColorHot(), 0},
      {"TextColorDown", a.TextColorDown(), 0},
      {"HotTransparent", a.HotTransparent(), false},
  };
  for (const Named& v : values) EXPECT_EQ(v.actual, v.expected) << v.name;
}

TEST(GlowAppearance, SettersAndAssignNotifyOncePerChangedValue) {
  TGlowButtonAppearance a;
  int changes = 0;
  a.OnChange = [&](fw::TObject*) { ++changes; };
  a.SetColor(0xFFFFFF);  // equal
  a.SetGradientHot(ggRadial);
  a.SetSystemFont(true);
  EXPECT_EQ(changes, 0);
  a.SetColor(0x0000FF);
  a.SetGradientHot(ggVertical);
  a.SetSystemFont(false);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(a.Color(), 0x0000FF);

  TGlowButtonAppearance same;
  same.Assign(&a);
  changes = 0;
  a.Assign(&same);  // nothing differs
  EXPECT_EQ(changes, 0);

  TGlowButtonAppearance other;
  other.SetColorMirrorTo(0x00FFFF);
  other.SetBorderColorDisabled(0x123456);
  other.SetGradientMirrorDisabled(ggDiagonalBackward);
  other.SetTextColorDown(0x010203);
  other.SetHotTransparent(true);
  a.Assign(&other);
  // Four values of other differ from the defaults, three of a's own changes go back: seven changes.
  EXPECT_EQ(changes, 7);
  EXPECT_EQ(a.ColorMirrorTo(), 0x00FFFF);
  EXPECT_EQ(a.BorderColorDisabled(), 0x123456);
  EXPECT_EQ(a.GradientMirrorDisabled(), ggDiagonalBackward);
  EXPECT_EQ(a.TextColorDown(), 0x010203);
  EXPECT_EQ(a.Color(), 0xFFFFFF);
  EXPECT_TRUE(a.HotTransparent());
}

// ---- presets ----

struct LookRow {
  fw::TColor color, colorTo, mirror, mirrorTo, border;
};

LookRow Normal(TGlowButtonAppearance* a) {
  return {a->Color(), a->ColorTo(), a->ColorMirror(), a->ColorMirrorTo(), a->BorderColor()};
}
LookRow Hot(TGlowButtonAppearance* a) {
  return {a->ColorHot(), a->ColorHotTo(), a->ColorMirrorHot(), a->ColorMirrorHotTo(), a->BorderColorHot()};
}
LookRow Down(TGlowButtonAppearance* a) {
  return {a->ColorDown(), a->ColorDownTo(), a->ColorMirrorDown(), a->ColorMirrorDownTo(), a->BorderColorDown()};
}
LookRow Checked(TGlowButtonAppearance* a) {
  return {a->ColorChecked(), a->ColorCheckedTo(), a->ColorMirrorChecked(), a->ColorMirrorCheckedTo(),
          a->BorderColorChecked()};
}
bool operator==(const LookRow& x, const LookRow& y) {
  return x.color == y.color && x.colorTo == y.colorTo && x.mirror == y.mirror && x.mirrorTo == y.mirrorTo &&
         x.border == y.border;
}
void PrintTo(const LookRow& r, std::ostream* os) {
  *os << std::hex << r.color << " " << r.colorTo << " " << r.mirror << " " << r.mirrorTo << " / " << r.border;
}

class GlowPresetTest : public testing::GlowButtonTest {};

constexpr LookRow kWarmHot{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB};
constexpr LookRow kWarmDown{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B};
constexpr LookRow kWarmCheckedKeep{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0xFF0000};
constexpr LookRow kWarmCheckedDark{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0x45667B};

TEST_F(GlowPresetTest, EachStyleSetsItsLooksAndTheirGradientsVertical) {
  struct Row {
    int style;
    LookRow normal, hot, down, checked;
    bool hotTransparent;
  };
  const fw::TColor HL = fw::clHighlight;
  const LookRow hot13{0x8AE3FD, 0xD9F9FD, 0xD9F9FD, 0x8AE3FD, 0x58CAF1};
  const LookRow down13{0x6CD0FF, 0x7BEEFF, 0x7BEEFF, 0x6CD0FF, 0x308AC2};
  const LookRow checked13{0xD9F9FD, 0x6CD0FF, 0x6CD0FF, 0x6CD0FF, 0x308AC2};
  const Row rows[] = {
      // The warm set (the checked border stays, except for 4, 5 and 9).
      {0, {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, kWarmHot, kWarmDown, kWarmCheckedKeep, false},
      {1, {0xE6E9E2, 0xE6D8D8, 0xE6E9E2, 0xC8B2B3, 0x927476}, kWarmHot, kWarmDown, kWarmCheckedKeep, false},
      {2, {0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1}, kWarmHot, kWarmDown, kWarmCheckedKeep, false},
      {3, {0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000}, kWarmHot, kWarmDown, kWarmCheckedKeep, false},
      {4, {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, kWarmHot, kWarmDown, kWarmCheckedDark, false},
      {5, {0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2}, kWarmHot, kWarmDown, kWarmCheckedDark, false},
      {7, {0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC}, kWarmHot, kWarmDown, kWarmCheckedKeep, false},
      {9, {0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9}, kWarmHot, kWarmDown, kWarmCheckedDark, false},
      // Looks of their own.
      {6,
       {0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC},
       {0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, HL},
       {0xB59284, 0xB59284, 0xB59284, 0xB59284, HL},
       {0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0x000000},
       false},
      {10,
       {0xFDF8F1, 0xFDF8F1, 0xFCEFD5, 0xFDF8F1, 0xFDDE99},
       {fw::clNone, 0xFFFAF0, 0xFFFAF0, 0xFFFAF0, 0xFCF2DA},
       {0xFCEFD5, 0xFCEFD5, 0xFDF4E3, 0xFDF4E3, 0xFEDF9A},
       {0xFCEFD5, 0xFAE9C6, 0xF7DAA2, 0xFBEDD3, 0xFEDF9A},
       false},
      {11,
       {0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCDBC1, 0xCEA27D},
       {0xFDFBFA, 0xFDF3EB, 0xFDF3EB, 0xFDFBFA, 0xFBD6B8},
       {0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCEBDC, 0xCEA27D},
       {0xFDFBFA, 0xFDF3EB, 0xFCEBDC, 0xFCEBDC, HL},
       false},
      {13, {0xFDF6EF, 0xF0DAC7, 0xF0DAC7, 0xF0DAC7, 0xC7B29F}, hot13, down13, checked13, true},
      {14, {0xFFFFFF, 0xEDE5E0, 0xEDE5E0, 0xEDE5E0, 0xD2CDC8}, hot13, down13, checked13, true},
      {15, {0xBFBFBF, 0x919191, 0x919191, 0x919191, 0x6D6D6D}, hot13, down13, checked13, true},
  };
  for (const Row& row : rows) {
    TVxGlowButton* b = Button();
    TGlowButtonAppearance* a = b->Appearance();
    b->ApplyStyle(row.style);
    SCOPED_TRACE(row.style);
    EXPECT_EQ(Normal(a), row.normal);
    EXPECT_EQ(Hot(a), row.hot);
    EXPECT_EQ(Down(a), row.down);
    EXPECT_EQ(Checked(a), row.checked);
    for (TGDIPGradient g : {a->Gradient(), a->GradientMirror(), a->GradientHot(), a->GradientMirrorHot(),
                            a->GradientDown(), a->GradientMirrorDown(), a->GradientChecked(),
                            a->GradientMirrorChecked()}) {
      EXPECT_EQ(g, ggVertical);
    }
    EXPECT_EQ(a->HotTransparent(), row.hotTransparent);
  }
}

TEST_F(GlowPresetTest, StylesThatChangeOnlySomeValues) {
  TGlowButtonAppearance defaults;
  // 8: nothing but HotTransparent (off); 12: the normal border and every gradient kind stay.
  TVxGlowButton* eight = Button();
  eight->Appearance()->SetHotTransparent(true);
  eight->ApplyStyle(8);
  EXPECT_FALSE(eight->Appearance()->HotTransparent());
  EXPECT_EQ(Normal(eight->Appearance()), Normal(&defaults));
  EXPECT_EQ(Hot(eight->Appearance()), Hot(&defaults));

  TVxGlowButton* twelve = Button();
  TGlowButtonAppearance* a = twelve->Appearance();
  twelve->ApplyStyle(12);
  EXPECT_EQ(Normal(a), (LookRow{fw::clBtnFace, fw::clBtnFace, fw::clBtnFace, fw::clBtnFace, 0xC0C0C0}));
  EXPECT_EQ(Hot(a), (LookRow{0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0x808080}));
  EXPECT_EQ(Down(a), (LookRow{fw::clHighlight, fw::clHighlight, fw::clHighlight, fw::clHighlight, fw::clHighlight}));
  EXPECT_EQ(Checked(a), (LookRow{0x808080, 0x808080, 0x808080, 0x808080, 0x808080}));
  EXPECT_EQ(a->Gradient(), ggVertical);
  EXPECT_EQ(a->GradientHot(), ggRadial);
  EXPECT_EQ(a->GradientChecked(), ggRadial);

  // No style touches the disabled look.
  for (int style = 0; style < 16; ++style) {
    TVxGlowButton* b = Button();
    b->ApplyStyle(style);
    TGlowButtonAppearance* d = b->Appearance();
    EXPECT_EQ(d->ColorDisabled(), defaults.ColorDisabled()) << style;
    EXPECT_EQ(d->ColorMirrorDisabled(), defaults.ColorMirrorDisabled()) << style;
    EXPECT_EQ(d->BorderColorDisabled(), defaults.BorderColorDisabled()) << style;
    EXPECT_EQ(d->GradientDisabled(), defaults.GradientDisabled()) << style;
  }
}

TEST_F(GlowPresetTest, FaceColorsSetEveryLookAndStopTheFadesOfEveryButton) {
  TVxGlowButton* b = Button();
  IControlFaceColors* colours = b;
  TControlFaceColors c;
  c.NormalFill = 0x000011;
  c.NormalBorder = 0x000012;
  c.NormalText = 0x000013;
  c.DownFill = 0x000031;
  c.DownBorder = 0x000032;
  c.DownText = 0x000033;
  c.HotFill = 0x000041;
  c.HotBorder = 0x000042;
  c.HotText = 0x000043;
  c.DisabledFill = 0x000051;
  c.DisabledBorder = 0x000052;
  c.DisabledText = 0x000053;
  ASSERT_EQ(GlowFadeInterval(), 30);
  colours->SetColors(c);
  TGlowButtonAppearance* a = b->Appearance();
  EXPECT_EQ(Normal(a), (LookRow{0x11, fw::clNone, 0x11, fw::clNone, 0x12}));
  EXPECT_EQ(Hot(a), (LookRow{0x41, fw::clNone, 0x41, fw::clNone, 0x42}));
  EXPECT_EQ(Down(a), (LookRow{0x31, fw::clNone, 0x31, fw::clNone, 0x32}));
  EXPECT_EQ(a->ColorDisabled(), 0x11);
  EXPECT_EQ(a->ColorDisabledTo(), 0x11);
  EXPECT_EQ(a->ColorMirrorDisabled(), 0x11);
  EXPECT_EQ(a->ColorMirrorDisabledTo(), 0x11);
  EXPECT_EQ(a->BorderColorDisabled(), 0x53);  // the disabled group's third colour
  EXPECT_EQ(a->TextColorHot(), 0x43);
  EXPECT_EQ(a->TextColorDown(), 0x33);
  EXPECT_EQ(GlowFadeInterval(), 0);
  EXPECT_FALSE(b->Rounded());
  EXPECT_EQ(b->Font()->Color(), 0x13);
  EXPECT_EQ(b->Font()->Name(), GetDefaultFontName());
}

// ---- the button on a form ----

class GlowModelTest : public testing::GlowButtonTest {};

TEST_F(GlowModelTest, AppearanceChangesRepaintOnlyWhenTheValueChanges) {
  Form()->Show();
  TVxGlowButton* b = Button();
  ProcessMessages();
  auto pending = [&] { return GetUpdateRect(b->Handle(), nullptr, FALSE) != FALSE; };
  ValidateRect(b->Handle(), nullptr);
  b->Appearance()->SetColor(b->Appearance()->Color());
  EXPECT_FALSE(pending());
  for (auto set : {&TGlowButtonAppearance::SetColor, &TGlowButtonAppearance::SetColorTo,
                   &TGlowButtonAppearance::SetColorMirror, &TGlowButtonAppearance::SetColorMirrorTo}) {
    ValidateRect(b->Handle(), nullptr);
    (b->Appearance()->*set)(fw::clRed);
    EXPECT_TRUE(pending());
  }
}

TEST_F(GlowModelTest, APlainButtonStaysUpAndACheckButtonToggles) {
  Form()->Show();
  TVxGlowButton* b = Button();
  b->SetDown(true);
  EXPECT_FALSE(b->Down());
  b->SetStyle(bsCheck);
  b->SetDown(true);
  EXPECT_TRUE(b->Down());
  b->SetDown(false);
  EXPECT_FALSE(b->Down());
}

TEST_F(GlowModelTest, GroupMembersReleaseEachOther) {
  Form()->Show();
  TVxGlowButton* first = Button();
  TVxGlowButton* second = Button();
  TVxGlowButton* elsewhere = Button();
  for (TVxGlowButton* b : {first, second}) b->SetGroupIndex(1);
  elsewhere->SetGroupIndex(2);
  elsewhere->SetDown(true);
  first->SetDown(true);
  EXPECT_TRUE(first->Down());
  first->SetDown(false);  // a down member stays down without AllowAllUp
  EXPECT_TRUE(first->Down());
  second->SetDown(true);  // the broadcast releases the other member of group 1 only
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  EXPECT_TRUE(elsewhere->Down());
  second->SetAllowAllUp(true);
  second->SetDown(false);
  EXPECT_FALSE(second->Down());
}

TEST_F(GlowModelTest, DownGivenWhileLoadingIsAppliedByLoaded) {
  fw::BeginLoading(Form());
  TVxGlowButton* b = Button();
  b->SetDown(true);  // no group yet: forced up
  EXPECT_FALSE(b->Down());
  b->SetGroupIndex(3);
  fw::EndLoading(Form());
  EXPECT_TRUE(b->Down());
}

TEST_F(GlowModelTest, AutoSizeTakesTheContentSpacingAndMarginsAndTheDropDownPart) {
  Form()->Show();
  TVxGlowButton* b = Button();
  b->SetImages(Images16());
  b->SetImageIndex(0);
  b->SetCaption("");
  b->SetSpacing(3);
  b->SetMarginHorz(4);
  b->SetMarginVert(5);
  b->SetAutoSize(true);
  // A 16 x 16 glyph without caption is the whole content.
  EXPECT_EQ(b->Width(), 3 * 3 + 16 + 2 * 4 + 2);
  EXPECT_EQ(b->Height(), 2 * 3 + 16 + 2 * 5);
  b->SetDropDownButton(true);
  EXPECT_EQ(b->Width(), 3 * 3 + 16 + 2 * 4 + 2 + 14);
  EXPECT_EQ(b->Height(), 2 * 3 + 16 + 2 * 5);
  b->SetDropDownPosition(dpBottom);
  EXPECT_EQ(b->Width(), 3 * 3 + 16 + 2 * 4 + 2);
  EXPECT_EQ(b->Height(), 2 * 3 + 16 + 2 * 5 + 14);
}

TEST_F(GlowModelTest, SmallSizeStatesLayTheGlyphLeftAndLargeRestoresTheLayout) {
  Form()->Show();
  TVxGlowButton* b = Button();
  b->SetAutoSize(true);
  b->SetLayout(blGlyphTop);
  b->SetDropDownPosition(dpBottom);
  b->SetMaxButtonSizeState(bsLabel);
  EXPECT_EQ(b->Layout(), blGlyphLeft);
  EXPECT_EQ(b->DropDownPosition(), dpRight);
  b->SetMaxButtonSizeState(bsLarge);
  EXPECT_EQ(b->Layout(), blGlyphTop);
  EXPECT_EQ(b->DropDownPosition(), dpBottom);
}

TEST_F(GlowModelTest, AssignCopiesTheButtonPropertiesButNotTheAppearanceOrGroup) {
  TVxGlowButton* source = Button();
  TVxGlowButton* target = Button();
  fw::TImageList* list = Images16();
  source->SetAntiAlias(aaNone);
  source->SetBorderStyle(fw::bsNone);
  source->SetCancel(true);
  source->SetCaption("Source");
  source->SetDefault(true);
  source->SetImages(list);
  source->SetHotImages(list);
  source->SetDisabledImages(list);
  source->SetImageIndex(0);
  source->SetFocusType(ftHot);
  source->SetMarginHorz(7);
  source->SetMarginVert(8);
  source->SetModalResult(fw::mrOk);
  source->Notes()->Add("note");
  source->NotesFont()->SetHeight(-11);
  source->OfficeHint()->SetTitle("hint");
  source->SetPosition(bpMiddle);
  source->SetInitRepeatPause(300);
  source->SetRepeatPause(50);
  source->SetRepeatClick(true);
  source->SetRounded(false);
  source->SetShortCutHint("S");
  source->SetShortCutHintPos(shpBottom);
  source->SetShowCaption(false);
  source->SetShowDisabled(false);
  source->SetSpacing(10);
  source->SetTransparent(true);
  source->SetTrimming(StringTrimmingWord);
  source->SetWordWrap(false);
  source->SetTabStop(true);
  source->Font()->SetColor(0x5B391E);
  source->Appearance()->SetColor(fw::clRed);
  source->SetGroupIndex(4);
  source->SetLayout(blGlyphBottom);
  target->Assign(source);
  EXPECT_EQ(target->AntiAlias(), aaNone);
  EXPECT_EQ(target->BorderStyle(), fw::bsNone);
  EXPECT_TRUE(target->Cancel());
  EXPECT_EQ(target->Caption(), "Source");
  EXPECT_TRUE(target->Default());
  EXPECT_EQ(target->Images(), list);
  EXPECT_EQ(target->HotImages(), list);
  EXPECT_EQ(target->DisabledImages(), list);
  EXPECT_EQ(target->ImageIndex(), 0);
  EXPECT_EQ(target->FocusType(), ftHot);
  EXPECT_EQ(target->MarginHorz(), 7);
  EXPECT_EQ(target->MarginVert(), 8);
  EXPECT_EQ(target->ModalResult(), fw::mrOk);
  EXPECT_EQ(target->Notes()->Text(), source->Notes()->Text());
  EXPECT_EQ(target->NotesFont()->Height(), -11);
  EXPECT_EQ(target->OfficeHint()->Title(), "hint");
  EXPECT_EQ(target->Position(), bpMiddle);
  EXPECT_EQ(target->InitRepeatPause(), 300);
  EXPECT_EQ(target->RepeatPause(), 50);
  EXPECT_TRUE(target->RepeatClick());
  EXPECT_FALSE(target->Rounded());
  EXPECT_EQ(target->ShortCutHint(), "S");
  EXPECT_EQ(target->ShortCutHintPos(), shpBottom);
  EXPECT_FALSE(target->ShowCaption());
  EXPECT_FALSE(target->ShowDisabled());
  EXPECT_EQ(target->Spacing(), 10);
  EXPECT_TRUE(target->Transparent());
  EXPECT_EQ(target->Trimming(), StringTrimmingWord);
  EXPECT_FALSE(target->WordWrap());
  EXPECT_TRUE(target->TabStop());
  EXPECT_EQ(target->Font()->Color(), 0x5B391E);
  EXPECT_FALSE(target->ParentFont());
  // Not copied: the appearance and TVxGlowButton's own properties.
  EXPECT_EQ(target->Appearance()->Color(), 0xFFFFFF);
  EXPECT_EQ(target->GroupIndex(), 0);
  EXPECT_EQ(target->Layout(), blGlyphLeft);
  // Anything but a glow button is ignored.
  target->Assign(list);
  EXPECT_EQ(target->Caption(), "Source");
}

TEST_F(GlowModelTest, DefaultsAndVersion) {
  TVxGlowButton* b = Make<TVxGlowButton>();
  EXPECT_EQ(b->Width(), 100);
  EXPECT_EQ(b->Height(), 41);
  EXPECT_TRUE(b->DoubleBuffered());
  EXPECT_FALSE(b->TabStop());
  EXPECT_FALSE(b->ControlStyle().Contains(fw::csDoubleClicks));
  EXPECT_EQ(b->NotesFont()->Name(), "Tahoma");
  EXPECT_EQ(b->NotesFont()->Size(), 8);
  EXPECT_EQ(b->GetVersionNr(), 0x02010007u);
  EXPECT_EQ(b->Version(), "2.1.0.7");
  b->SetVersion("9.9.9.9");
  EXPECT_EQ(b->Version(), "2.1.0.7");
}

TEST_F(GlowModelTest, AClickGivesTheFormTheModalResult) {
  Form()->Show();
  TVxGlowButton* b = Button();
  int clicks = 0;
  b->OnClick = [&](fw::TObject*) { ++clicks; };
  b->SetModalResult(fw::mrCancel);
  PostClick(b);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Form()->ModalResult(), fw::mrCancel);
}

// ---- the action link ----

class GlowActionTest : public testing::GlowButtonTest {
 protected:
  void SetUp() override {
    testing::GlowButtonTest::SetUp();
    Form()->Show();
    list_ = fw::Create<fw::TActionList>(Form());
    action_ = fw::Create<fw::TAction>(Form());
    action_->SetActionList(list_);
    action_->SetCaption("Act");
    action_->OnExecute = [this](fw::TObject*) { ++executed_; };
    button_ = Button();
  }
  fw::TActionList* list_ = nullptr;
  fw::TAction* action_ = nullptr;
  TVxGlowButton* button_ = nullptr;
  int executed_ = 0;
};

TEST_F(GlowActionTest, CaptionEnabledAndCheckedFollowTheAction) {
  button_->SetStyle(bsCheck);
  button_->SetAction(action_);
  EXPECT_EQ(button_->Caption(), "Act");
  action_->SetCaption("Renamed");
  EXPECT_EQ(button_->Caption(), "Renamed");
  action_->SetEnabled(false);
  EXPECT_FALSE(button_->Enabled());
  action_->SetEnabled(true);
  action_->SetChecked(true);
  EXPECT_TRUE(button_->Down());
  action_->SetChecked(false);
  EXPECT_FALSE(button_->Down());
  // A click without an OnClick of the button's own executes the action.
  button_->SetStyle(bsButton);
  PostClick(button_);
  EXPECT_EQ(executed_, 1);
}

TEST_F(GlowActionTest, GroupIndexComesFromTheActionAndFollowsIt) {
  action_->SetGroupIndex(2);
  button_->SetAction(action_);
  EXPECT_EQ(button_->GroupIndex(), 2);
  action_->SetGroupIndex(3);
  EXPECT_EQ(button_->GroupIndex(), 3);
  button_->SetGroupIndex(5);  // its own now
  action_->SetGroupIndex(4);
  EXPECT_EQ(button_->GroupIndex(), 5);
}

// ActionChange as the framework calls it: with the defaults being checked (an action set while loading)
// the action's group index replaces the button's own; on a later change of the action only a button
// without one takes it.
class ActionChangeButton : public TVxGlowButton {
 public:
  using TVxGlowButton::TVxGlowButton;
  using TVxCustomGlowButton::ActionChange;
};

TEST_F(GlowActionTest, TheActionsGroupIndexReplacesTheButtonsOwnOnlyWhileDefaultsAreChecked) {
  struct Case {
    bool checkDefaults;
    int own;
    int expected;
  };
  for (const Case c : {Case{true, 5, 2}, Case{true, 0, 2}, Case{false, 5, 5}, Case{false, 0, 2}}) {
    SCOPED_TRACE(std::string(c.checkDefaults ? "checking defaults" : "not checking") + ", own index " +
                 std::to_string(c.own));
    auto* b = Make<ActionChangeButton>(fw::Rect(10, 60, 110, 101));
    b->SetGroupIndex(c.own);
    action_->SetGroupIndex(2);
    b->ActionChange(action_, c.checkDefaults);
    EXPECT_EQ(b->GroupIndex(), c.expected);
  }
}

TEST_F(GlowActionTest, TheActionListsImageIsDrawn) {
  list_->SetImages(Images16());
  action_->SetImageIndex(0);
  button_->SetCaption("");
  button_->SetAction(action_);
  button_->SetCaption("");
  EXPECT_EQ(button_->ImageIndex(), -1);
  testing::MemoryBitmap bitmap(button_->Width(), button_->Height());
  button_->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(button_->ImageIndex(), 0);  // taken from the action while painting
  // The 16 x 16 red image, centred without a caption.
  const int x = (100 - 16) / 2;
  const int y = (41 - 16) / 2;
  EXPECT_EQ(bitmap.Count(RECT{x, y, x + 16, y + 16}, fw::clRed), 16 * 16);
  // The button's own list wins only with ipOwnLists.
  button_->SetImages(Images16(fw::clBlue));
  button_->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Count(RECT{x, y, x + 16, y + 16}, fw::clRed), 16 * 16);
  button_->SetImageListType(ipOwnLists);
  button_->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Count(RECT{x, y, x + 16, y + 16}, fw::clBlue), 16 * 16);
}

TEST_F(GlowActionTest, ACheckButtonWhoseCheckedStateTheActionKeepsIsNotUndoneOutside) {
  button_->SetStyle(bsCheck);
  button_->SetAction(action_);
  action_->SetChecked(true);  // linked: Down follows, and the link remembers it
  ASSERT_TRUE(button_->Down());
  SendMessageA(button_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 20));
  EXPECT_FALSE(button_->Down());
  SendMessageA(button_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(500, 20));
  EXPECT_FALSE(button_->Down());  // the action's link decided; no undo
  EXPECT_EQ(executed_, 0);       // released outside: no click
}

TEST_F(GlowActionTest, AssignCopiesTheAction) {
  button_->SetAction(action_);
  TVxGlowButton* copy = Button();
  copy->Assign(button_);
  EXPECT_EQ(copy->Action(), action_);
  EXPECT_EQ(copy->Caption(), "Act");
}

}  // namespace
}  // namespace ui
