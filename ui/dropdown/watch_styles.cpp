// The watch's looks (Style) and the colour sets of the style interface.
#include "ui/dropdown/watch_styles.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "ui/dropdown/watch.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

namespace {

constexpr fw::TColor kBlack = 0x00000000;
constexpr fw::TColor kWhite = 0x00FFFFFF;

// Lengths and sizes that follow the control's size are kept in a byte: larger values wrap.
std::uint8_t AsByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

// Sets the attributes a look gives a font; an attribute left out keeps the reset value.
class FontLook {
 public:
  explicit FontLook(fw::TFont* font) : font_(font) {}
  FontLook& Name(const char* name) {
    font_->SetName(name);
    return *this;
  }
  FontLook& Size(int size) {
    font_->SetSize(size);
    return *this;
  }
  FontLook& Color(fw::TColor color) {
    font_->SetColor(color);
    return *this;
  }
  FontLook& Plain() {
    font_->SetStyle(fw::TFontStyles{});
    return *this;
  }
  FontLook& Bold() {
    font_->SetStyle(fw::TFontStyles{fw::fsBold});
    return *this;
  }

 private:
  fw::TFont* font_;
};

// The hour hand in the colour and shadow with the given width, the minute hand's shadow too.
void HourHand(TWatchAppearance& a, fw::TColor color, fw::TColor shadow, std::uint8_t size) {
  a.SetHourPointer(color);
  a.SetHourPointerShadow(shadow);
  a.SetHourPointerSize(size);
}

// The glowing looks (Fluorescent, Fuchsia): marks and hands in one colour c on a dark face of shape s.
void NeonBlock(TWatchAppearance& a, fw::TColor c, TWatchShape s) {
  a.SetCenterPointSize(20);
  FontLook(a.HourFont()).Color(fw::clWindowText).Size(8).Name("MS Sans Serif").Plain();
  a.SetHourColor(c);
  a.SetHourMarkLength(10);
  HourHand(a, c, fw::clBtnShadow, 2);
  a.SetMinuteColor(c);
  a.SetMinutePointer(c);
  a.SetMinutePointerShadow(fw::clBtnShadow);
  a.SetMinutePointerSize(2);
  a.SetShape(s);
  a.SetCenterPointOuterBorderColor(kBlack);
  a.SetHourMarkWidth(2);
  a.SetHourMarkStyle(hmsQuartDblLine);
}

// The sport dials (Sports, Smooth): thin hands a (hour), c (minute), d (second) with shadows b, grey
// marks, Times New Roman numbers and the quarter marks only.
void SportBlock(TWatchAppearance& a, fw::TColor hour, fw::TColor shadow, fw::TColor minute, fw::TColor second) {
  a.SetHourColor(0x00ABB0B1);
  FontLook(a.HourFont()).Color(0x00797979).Name("Times New Roman").Size(9);
  HourHand(a, hour, shadow, 2);
  a.SetMinuteColor(0x00808080);
  a.SetMinutePointer(minute);
  a.SetMinutePointerSize(2);
  a.SetMinutePointerShadow(shadow);
  a.SetMinuteMarkLength(1);
  a.SetSecondPointer(second);
  a.SetTickMarks(tmQuartHours);
}

void CenterPointColors(TWatchAppearance& a, fw::TColor border, fw::TColor outer, fw::TColor fill) {
  a.SetCenterPointBorderColor(border);
  a.SetCenterPointOuterBorderColor(outer);
  a.SetCenterPointColor(fill);
}

// The look's assignments after the reset; Switches tells whether ShowAMPM and ShowNumbers follow.
struct Switches {
  bool ampm;
  bool numbers;
  bool keepAMPM = false;
};

Switches ApplyLook(TVxWatch& watch, TWatchAppearance& a, TWatchStyle style) {
  const int side = std::min(watch.Height(), watch.Width());
  switch (style) {
    case wsClassic:
      FontLook(a.AMPMFont()).Name("MS Sans Serif").Plain();
      FontLook(a.HourFont()).Name("Comic Sans MS").Size(10).Bold();
      a.SetHourMarkLength(8);
      HourHand(a, kBlack, fw::clBtnShadow, 5);
      a.SetMinutePointerShadow(fw::clBtnShadow);
      a.SetMinuteMarkLength(4);
      watch.SetAnimation(true);
      watch.SetAnimationFactor(10);
      return {true, true};
    case wsTower:
      FontLook(a.AMPMFont()).Name("MS Sans Serif").Plain();
      a.SetAMPMFrame(apRect);
      a.SetBorderWidth(1);
      a.SetBackgroundColor(0x00B1F0FE);
      a.SetBackgroundGradient(wgDiagonalForward);
      a.SetCenterPointColor(0x00002BD5);
      a.SetCenterPointSize(6);
      FontLook(a.HourFont()).Color(fw::clWindowText).Name("Century").Bold();
      HourHand(a, kBlack, fw::clBtnShadow, 5);
      a.SetMinutePointerShadow(fw::clBtnShadow);
      a.SetSecondPointer(0x00002BD5);
      a.SetShape(wsRect);
      a.SetPointerStyle(psPointer);
      a.SetBackgroundColorTo(0x005BCCE8);
      a.StoreAMPMColor(a.BackgroundColor());
      a.SetTickMarks(tmHours);
      return {false, false, true};
    case wsFluorescent:
      FontLook(a.AMPMFont()).Name("MS Sans Serif").Size(10).Color(fw::clWindowText).Plain();
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0x00FF3E3E);
      a.SetBackgroundColor(kBlack);
      a.SetBackgroundColorTo(kBlack);
      a.SetCenterPointColor(0x00FF3E3E);
      a.SetCenterPointBorderColor(kBlack);
      a.SetCenterPointOuterBorderColor(kBlack);
      NeonBlock(a, 0x00FF3E3E, wsRoundRect);
      a.SetTickMarks(tmHours);
      return {false, false};
    case wsEmerald:
      FontLook(a.AMPMFont()).Color(0x00A00000).Name("MS Sans Serif").Plain();
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0x003AE800);
      a.SetBackgroundColor(0x003AE800);
      a.SetBackgroundColorTo(kBlack);
      a.SetBackgroundGradient(wgDiagonalForward);
      a.SetCenterPointBorderColor(0x0040FF00);
      a.SetCenterPointColor(0x0038E100);
      a.SetCenterPointSize(16);
      FontLook(a.HourFont()).Name("MS Sans Serif").Color(fw::clWindowText).Plain();
      HourHand(a, 0x0040FF00, fw::clBtnShadow, 5);
      a.SetMinutePointer(0x0040FF00);
      a.SetMinutePointerShadow(fw::clBtnShadow);
      a.SetShape(wsRect);
      a.SetPointerStyle(psPointer);
      a.StoreAMPMColor(fw::clNone);
      FontLook(a.HourFont()).Color(a.BackgroundColor());
      a.SetCenterPointOuterBorderColor(kBlack);
      a.SetHourMarkStyle(hmsQuartDblLine);
      a.SetHourColor(a.BackgroundColor());
      a.SetSecondPointer(0x0000FFFF);
      a.SetTickMarks(tmHours);
      return {false, false};
    case wsBlueStar:
      FontLook(a.AMPMFont()).Name("MS Sans Serif").Size(10).Color(0x00A00000).Plain();
      a.StoreAMPMBorderColor(fw::clNone);
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0x00FFD5D5);
      a.SetBackgroundColor(0x00FFD5D5);
      a.SetBackgroundColorTo(0x00A00000);
      a.SetBackgroundGradient(wgRadial);
      FontLook(a.HourFont()).Name("MS Sans Serif").Size(8).Color(fw::clWindowText).Plain();
      HourHand(a, 0x00A00000, fw::clBtnShadow, 5);
      a.SetMinutePointer(0x00A00000);
      a.SetMinutePointerShadow(fw::clBtnShadow);
      a.SetShape(wsRoundRect);
      a.SetPointerStyle(psPointer);
      a.StoreAMPMColor(fw::clNone);
      FontLook(a.HourFont()).Color(a.BackgroundColor());
      return {true, true};
    case wsFuchsia:
      FontLook(a.AMPMFont()).Name("MS Sans Serif").Size(10).Color(fw::clWindowText).Plain();
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0x00FFD0FF);
      a.SetBackgroundColor(kBlack);
      a.SetBackgroundColorTo(kBlack);
      a.SetCenterPointBorderColor(0x00DD68DD);
      NeonBlock(a, 0x00FFD0FF, wsRect);
      a.SetSecondPointer(0x00DD68DD);
      a.SetTickMarks(tmQuartHours);
      return {false, false};
    case wsBlack:
      FontLook(a.AMPMFont()).Name("MS Sans Serif").Plain();
      a.SetBackgroundColor(0x00202020);
      a.SetBackgroundColorTo(fw::clNone);
      a.SetBorderColor(kBlack);
      CenterPointColors(a, kWhite, kWhite, kWhite);
      a.SetHourColor(0x00585858);
      FontLook(a.HourFont()).Color(kWhite).Name("Century Gothic").Size(11);
      HourHand(a, kWhite, fw::clBtnShadow, 5);
      a.SetMinuteColor(0x00585858);
      a.SetMinutePointer(kWhite);
      a.SetMinutePointerShadow(fw::clBtnShadow);
      a.SetMinuteMarkLength(4);
      return {false, true};
    case wsBlackWhite:
      a.SetBackgroundColor(kWhite);
      a.SetBackgroundColorTo(fw::clNone);
      a.SetBorderColor(kBlack);
      a.SetBorderWidth(8);
      CenterPointColors(a, kBlack, kBlack, kBlack);
      a.SetCenterPointSize(8);
      a.SetHourColor(0x00585858);
      FontLook(a.HourFont()).Color(kBlack).Name("Century Gothic").Size(14).Bold();
      HourHand(a, kBlack, fw::clBtnShadow, 5);
      a.SetMinutePointer(kBlack);
      a.SetMinutePointerShadow(fw::clBtnShadow);
      a.SetMinuteMarkLength(4);
      a.SetSecondPointer(0x00000080);
      a.SetPointerStyle(psPointer);
      a.SetTickMarks(tmQuartHours);
      return {false, true};
    case wsGray:
      FontLook(a.AMPMFont()).Name("MS Sans Serif").Size(10);
      a.SetBackgroundColor(0x00D1D1D1);
      a.SetBackgroundColorTo(0x006C6C6C);
      a.SetBackgroundGradient(wgRadial);
      a.SetBorderColor(0x00454545);
      a.SetCenterPointBorderColor(0x00454545);
      a.SetCenterPointColor(kBlack);
      a.SetCenterPointOuterBorderColor(fw::clNone);
      a.SetHourColor(kBlack);
      FontLook(a.HourFont()).Name("Comic Sans MS").Size(8).Plain();
      HourHand(a, 0x004E4E4E, fw::clNone, 1);
      a.SetMinuteColor(0x00808080);
      a.SetMinutePointer(0x004E4E4E);
      a.SetMinutePointerShadow(fw::clNone);
      a.SetMinutePointerSize(1);
      a.SetSecondPointer(0x000000FF);
      return {true, true};
    case wsSuperNova:
      a.SetBackgroundColorTo(0x00D1D3D3);
      a.SetBorderColor(fw::clNone);
      a.SetCenterPointOuterBorderColor(kBlack);
      a.SetCenterPointSize(10);
      a.SetHourMarkLength(AsByte(RoundToInt(side / 4.5)));
      a.SetHourPointer(kBlack);
      a.SetHourPointerShadow(fw::clBtnShadow);
      a.SetMinuteColor(0x00808080);
      a.SetMinuteMarkLength(AsByte(side / 3));
      a.SetMinutePointer(kBlack);
      return {false, false};
    case wsSports:
      a.SetBackgroundColor(kBlack);
      a.SetBackgroundColorTo(fw::clNone);
      a.SetBorderColor(kBlack);
      a.SetBorderWidth(1);
      CenterPointColors(a, 0x00FF0000, kBlack, 0x00191919);
      a.SetCenterPointSize(AsByte(RoundToInt(side / 3.6)));
      SportBlock(a, 0x000000FF, fw::clNone, 0x0000FFFF, 0x00188BFE);
      return {false, true};
    case wsSmooth:
      a.SetBackgroundColor(kWhite);
      a.SetBackgroundColorTo(0x00ABB0B1);
      a.SetBorderColor(0x00585858);
      a.SetBorderWidth(1);
      CenterPointColors(a, kBlack, 0x004A4A4A, kWhite);
      a.SetCenterPointSize(6);
      SportBlock(a, 0x004A4A4A, 0x00B2B2B2, 0x004A4A4A, 0x004A4A4A);
      return {false, true};
  }
  return {true, true, true};
}

// One colour set of the style interface.
struct ColorSet {
  fw::TColor ampmBorder;
  fw::TColor ampm;
  fw::TColor background;
  fw::TColor backgroundTo;
  fw::TColor border;
  fw::TColor centerBorder;
  fw::TColor center;
  fw::TColor marksAndHands;
  fw::TColor shadows;
  fw::TColor second;
};

// Style numbers 0-15; set 8 is never applied (its place only keeps the numbering).
constexpr ColorSet kColorSets[16] = {
    {0x00962D00, 0x00D68759, 0x00FFD2AF, 0x00FFD2AF, 0x00D68759, 0x00D68759, 0x00D68759, 0x00D68759, kWhite, kWhite},
    {0x00962D00, 0x00BDA4A5, 0x00E6D8D8, 0x00E6D8D8, 0x00BDA4A5, 0x00BDA4A5, 0x00BDA4A5, 0x00BDA4A5, kWhite, kWhite},
    {0x00962D00, 0x0082C0AF, 0x00B9EAE1, 0x00B9EAE1, 0x0082C0AF, 0x0082C0AF, 0x0082C0AF, 0x0082C0AF, kWhite, kWhite},
    {0x00962D00, 0x00808080, 0x00F2F2F2, 0x00F2F2F2, 0x00808080, 0x00808080, 0x00808080, 0x00808080, kWhite,
     0x00808080},
    {0x00F0DED0, 0x00F0DED0, 0x00FFEFE3, 0x00FFEFE3, 0x00F0DED0, 0x00FFEFE3, 0x00FFEFE3, 0x00723708, kWhite,
     0x00723708},
    {0x00F2F1F0, 0x005C534C, 0x005C534C, 0x005C534C, 0x00F2F1F0, 0x00FFEFE3, 0x00FFEFE3, 0x00F2F1F0, kWhite,
     0x00F2F1F0},
    {kBlack, fw::clBtnFace, fw::clBtnFace, fw::clBtnFace, kBlack, kBlack, kBlack, kBlack, kWhite, kBlack},
    {0x007E9898, 0x00F5F9FA, 0x00F5F9FA, 0x00F5F9FA, 0x007E9898, 0x007E9898, 0x007E9898, 0x007E9898, kWhite,
     0x007E9898},
    {},
    {0x00E8E0DB, 0x00F8F4F1, 0x00F8F4F1, 0x00F8F4F1, 0x00E8E0DB, 0x00E8E0DB, 0x0074706F, 0x0074706F, kWhite,
     0x0074706F},
    {0x00FEDF9A, 0x00FFFDF9, 0x00FFFDF9, 0x00FFFAF0, 0x00FEDF9A, 0x00FEDF9A, 0x00FEDF9A, 0x00FEDF9A, kWhite,
     0x00FEDF9A},
    {0x00FBD6B8, 0x00FDFBFA, 0x00FDFBFA, 0x00FDF3EB, 0x00FBD6B8, 0x00FBD6B8, 0x00FBD6B8, 0x00FBD6B8, kWhite,
     0x00FBD6B8},
    {0x00808080, fw::clBtnFace, fw::clBtnFace, fw::clBtnFace, 0x00808080, 0x00808080, 0x00808080, 0x00808080, kWhite,
     0x00808080},
    {0x00C7B29F, 0x00F0DAC7, 0x00FDF6EF, 0x00FDF6EF, 0x00C7B29F, 0x00C7B29F, 0x00C7B29F, 0x00C7B29F, kWhite,
     0x00C7B29F},
    {0x00D2CDC8, 0x00EDE5E0, kWhite, kWhite, 0x00D2CDC8, 0x00D2CDC8, 0x00D2CDC8, 0x00D2CDC8, 0x00C0C0C0, 0x00D2CDC8},
    {0x006D6D6D, 0x00919191, 0x00BFBFBF, 0x00BFBFBF, 0x006D6D6D, 0x006D6D6D, 0x006D6D6D, 0x006D6D6D, kWhite,
     0x006D6D6D},
};

// The numbers and AM/PM text of the dark set 5 are light.
constexpr fw::TColor kSet5Text = 0x00F2F1F0;

}  // namespace

void ApplyWatchColorSet(TWatchAppearance& a, int Style) {
  a.SetCenterPointOuterBorderColor(kBlack);
  a.HourFont()->SetColor(kBlack);
  a.AMPMFont()->SetColor(kBlack);
  if (Style < 0 || Style > 15 || Style == 8) return;
  const ColorSet& set = kColorSets[Style];
  a.StoreAMPMBorderColor(set.ampmBorder);
  a.StoreAMPMColor(set.ampm);
  if (Style == 5) a.AMPMFont()->SetColor(kSet5Text);
  a.SetBackgroundColor(set.background);
  a.SetBackgroundColorTo(set.backgroundTo);
  a.SetBorderColor(set.border);
  a.SetCenterPointBorderColor(set.centerBorder);
  a.SetCenterPointColor(set.center);
  a.SetHourColor(set.marksAndHands);
  a.SetMinuteColor(set.marksAndHands);
  a.SetHourPointerShadow(set.shadows);
  a.SetHourPointer(set.marksAndHands);
  a.SetMinutePointerShadow(set.shadows);
  a.SetMinutePointer(set.marksAndHands);
  a.SetSecondPointer(set.second);
  if (Style == 5) a.HourFont()->SetColor(kSet5Text);
}

void TVxWatch::SetStyle(TWatchStyle value) {
  if (value == style_) return;
  style_ = value;
  TWatchAppearance& a = *appearance_;
  a.SetDefaults();
  const Switches switches = ApplyLook(*this, a, value);
  if (!switches.keepAMPM) SetShowAMPM(switches.ampm);
  SetShowNumbers(switches.numbers);
  // The reset itself is silent: a look that sets nothing a setter reports must still be drawn.
  Invalidate();
}

void TVxWatch::ApplyStyle(int Style) { ApplyWatchColorSet(*appearance_, Style); }

}  // namespace ui
