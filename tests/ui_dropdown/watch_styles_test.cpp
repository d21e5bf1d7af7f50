// The watch's looks and the colour sets of the style interface. Each look is a table of the properties it
// sets; the whole appearance (fonts, picture and the watch's switches included) is compared with the
// defaults overridden by that table, so a wrong value and a value the look must not touch both show.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "tests/ui_dropdown/watch_test_support.h"
#include "ui/dropdown/watch_styles.h"

namespace ui {
namespace {

using testing::WatchTest;

// A property value as text, so numbers, colours, enumerations and font names share one table.
struct Value {
  template <class T>
    requires(!std::is_pointer_v<T>)
  Value(T v) : text(std::to_string(static_cast<long long>(v))) {}
  Value(const char* s) : text(s) {}
  std::string text;
};
using Entries = std::vector<std::pair<std::string, Value>>;
using Look = std::map<std::string, std::string>;

void PutFont(Look& look, const std::string& name, fw::TFont* font) {
  look[name + ".Name"] = font->Name();
  look[name + ".Size"] = Value(font->Size()).text;
  look[name + ".Color"] = Value(font->Color()).text;
  look[name + ".Bold"] = Value(font->Style().Contains(fw::fsBold)).text;
  look[name + ".OtherStyles"] = Value(font->Style().Contains(fw::fsItalic) || font->Style().Contains(fw::fsUnderline) ||
                                      font->Style().Contains(fw::fsStrikeOut))
                                    .text;
}

Look Snapshot(TWatchAppearance* a) {
  Look look;
  const auto put = [&look](const char* name, Value v) { look[name] = v.text; };
  put("Size", a->Size());
  put("Shape", a->Shape());
  put("BackgroundColor", a->BackgroundColor());
  put("BackgroundColorTo", a->BackgroundColorTo());
  put("BackgroundGradient", a->BackgroundGradient());
  put("PictureEmpty", a->Picture()->Empty());
  put("BorderColor", a->BorderColor());
  put("BorderWidth", a->BorderWidth());
  put("TickMarks", a->TickMarks());
  put("HourColor", a->HourColor());
  put("HourMarkLength", a->HourMarkLength());
  put("HourMarkWidth", a->HourMarkWidth());
  put("HourMarkStyle", a->HourMarkStyle());
  put("MinuteColor", a->MinuteColor());
  put("MinuteMarkLength", a->MinuteMarkLength());
  put("MinuteMarkWidth", a->MinuteMarkWidth());
  PutFont(look, "HourFont", a->HourFont());
  PutFont(look, "AMPMFont", a->AMPMFont());
  put("AMPMColor", a->AMPMColor());
  put("AMPMBorderColor", a->AMPMBorderColor());
  put("AMPMFrame", a->AMPMFrame());
  put("PointerStyle", a->PointerStyle());
  put("HourPointer", a->HourPointer());
  put("HourPointerShadow", a->HourPointerShadow());
  put("HourPointerSize", a->HourPointerSize());
  put("MinutePointer", a->MinutePointer());
  put("MinutePointerShadow", a->MinutePointerShadow());
  put("MinutePointerSize", a->MinutePointerSize());
  put("SecondPointer", a->SecondPointer());
  put("SecondPointerSize", a->SecondPointerSize());
  put("CenterPointSize", a->CenterPointSize());
  put("CenterPointColor", a->CenterPointColor());
  put("CenterPointBorderColor", a->CenterPointBorderColor());
  put("CenterPointOuterBorderColor", a->CenterPointOuterBorderColor());
  return look;
}

Look Snapshot(TVxWatch* watch) {
  Look look = Snapshot(watch->Appearance());
  look["ShowAMPM"] = Value(watch->ShowAMPM()).text;
  look["ShowNumbers"] = Value(watch->ShowNumbers()).text;
  look["Animation"] = Value(watch->Animation()).text;
  look["AnimationFactor"] = Value(watch->AnimationFactor()).text;
  return look;
}

Look Override(Look look, const Entries& entries) {
  for (const auto& [name, value] : entries) {
    EXPECT_TRUE(look.count(name)) << "no property " << name;
    look[name] = value.text;
  }
  return look;
}

// The properties that differ, one per line ("name: actual, expected").
std::string Differences(const Look& actual, const Look& expected) {
  std::string lines;
  for (const auto& [name, value] : expected) {
    const auto found = actual.find(name);
    const std::string got = found == actual.end() ? "(missing)" : found->second;
    if (got != value) lines += name + ": " + got + ", expected " + value + "\n";
  }
  return lines;
}

constexpr fw::TColor kBlack = 0x000000;
constexpr fw::TColor kWhite = 0xFFFFFF;

// What each look sets on a 180 x 180 watch (the neon and sport blocks written out), the switches included.
const std::map<TWatchStyle, Entries>& Looks() {
  static const std::map<TWatchStyle, Entries> looks = [] {
    std::map<TWatchStyle, Entries> m;
    m[wsClassic] = {{"AMPMFont.Name", "MS Sans Serif"}, {"HourFont.Name", "Comic Sans MS"}, {"HourFont.Size", 10},
                    {"HourFont.Bold", 1}, {"HourMarkLength", 8}, {"HourPointer", kBlack}, {"HourPointerSize", 5},
                    {"MinuteMarkLength", 4}, {"ShowAMPM", 1}, {"ShowNumbers", 1}};
    m[wsTower] = {{"AMPMFont.Name", "MS Sans Serif"}, {"BorderWidth", 1}, {"BackgroundColor", 0xB1F0FE},
                  {"BackgroundGradient", wgDiagonalForward}, {"CenterPointColor", 0x002BD5}, {"CenterPointSize", 6},
                  {"HourFont.Name", "Century"}, {"HourFont.Bold", 1}, {"HourPointerSize", 5},
                  {"SecondPointer", 0x002BD5}, {"Shape", wsRect}, {"PointerStyle", psPointer},
                  {"BackgroundColorTo", 0x5BCCE8}, {"AMPMColor", 0xB1F0FE}, {"TickMarks", tmHours},
                  {"ShowNumbers", 0}};
    m[wsFluorescent] = {{"AMPMFont.Name", "MS Sans Serif"}, {"AMPMFrame", apRoundRect}, {"BorderColor", 0xFF3E3E},
                        {"BackgroundColor", kBlack}, {"BackgroundColorTo", kBlack}, {"CenterPointColor", 0xFF3E3E},
                        {"CenterPointBorderColor", kBlack}, {"CenterPointSize", 20}, {"HourFont.Name", "MS Sans Serif"},
                        {"HourColor", 0xFF3E3E}, {"HourMarkLength", 10}, {"HourPointer", 0xFF3E3E},
                        {"HourPointerSize", 2}, {"MinuteColor", 0xFF3E3E}, {"MinutePointer", 0xFF3E3E},
                        {"MinutePointerSize", 2}, {"Shape", wsRoundRect}, {"CenterPointOuterBorderColor", kBlack},
                        {"HourMarkWidth", 2}, {"HourMarkStyle", hmsQuartDblLine}, {"TickMarks", tmHours},
                        {"ShowAMPM", 0}, {"ShowNumbers", 0}};
    m[wsEmerald] = {{"AMPMFont.Color", 0xA00000}, {"AMPMFont.Name", "MS Sans Serif"}, {"AMPMFrame", apRoundRect},
                    {"BorderColor", 0x3AE800}, {"BackgroundColor", 0x3AE800}, {"BackgroundColorTo", kBlack},
                    {"BackgroundGradient", wgDiagonalForward}, {"CenterPointBorderColor", 0x40FF00},
                    {"CenterPointColor", 0x38E100}, {"CenterPointSize", 16}, {"HourFont.Name", "MS Sans Serif"},
                    {"HourPointer", 0x40FF00}, {"HourPointerSize", 5}, {"MinutePointer", 0x40FF00},
                    {"Shape", wsRect}, {"PointerStyle", psPointer}, {"AMPMColor", fw::clNone},
                    {"HourFont.Color", 0x3AE800}, {"CenterPointOuterBorderColor", kBlack},
                    {"HourMarkStyle", hmsQuartDblLine}, {"HourColor", 0x3AE800}, {"SecondPointer", 0x00FFFF},
                    {"TickMarks", tmHours}, {"ShowAMPM", 0}, {"ShowNumbers", 0}};
    m[wsBlueStar] = {{"AMPMFont.Name", "MS Sans Serif"}, {"AMPMFont.Color", 0xA00000}, {"AMPMBorderColor", fw::clNone},
                     {"AMPMFrame", apRoundRect}, {"BorderColor", 0xFFD5D5}, {"BackgroundColor", 0xFFD5D5},
                     {"BackgroundColorTo", 0xA00000}, {"BackgroundGradient", wgRadial},
                     {"HourFont.Name", "MS Sans Serif"}, {"HourPointer", 0xA00000}, {"HourPointerSize", 5},
                     {"MinutePointer", 0xA00000}, {"Shape", wsRoundRect}, {"PointerStyle", psPointer},
                     {"AMPMColor", fw::clNone}, {"HourFont.Color", 0xFFD5D5}, {"ShowAMPM", 1}, {"ShowNumbers", 1}};
    m[wsFuchsia] = {{"AMPMFont.Name", "MS Sans Serif"}, {"AMPMFrame", apRoundRect}, {"BorderColor", 0xFFD0FF},
                    {"BackgroundColor", kBlack}, {"BackgroundColorTo", kBlack}, {"CenterPointBorderColor", 0xDD68DD},
                    {"CenterPointSize", 20}, {"HourFont.Name", "MS Sans Serif"}, {"HourColor", 0xFFD0FF},
                    {"HourMarkLength", 10}, {"HourPointer", 0xFFD0FF}, {"HourPointerSize", 2},
                    {"MinuteColor", 0xFFD0FF}, {"MinutePointer", 0xFFD0FF}, {"MinutePointerSize", 2},
                    {"Shape", wsRect}, {"CenterPointOuterBorderColor", kBlack}, {"HourMarkWidth", 2},
                    {"HourMarkStyle", hmsQuartDblLine}, {"SecondPointer", 0xDD68DD}, {"TickMarks", tmQuartHours},
                    {"ShowAMPM", 0}, {"ShowNumbers", 0}};
    m[wsBlack] = {{"AMPMFont.Name", "MS Sans Serif"}, {"BackgroundColor", 0x202020}, {"BorderColor", kBlack},
                  {"CenterPointBorderColor", kWhite}, {"CenterPointOuterBorderColor", kWhite},
                  {"CenterPointColor", kWhite}, {"HourColor", 0x585858}, {"HourFont.Color", kWhite},
                  {"HourFont.Name", "Century Gothic"}, {"HourFont.Size", 11}, {"HourPointer", kWhite},
                  {"HourPointerSize", 5}, {"MinuteColor", 0x585858}, {"MinutePointer", kWhite},
                  {"MinuteMarkLength", 4}, {"ShowAMPM", 0}, {"ShowNumbers", 1}};
    m[wsBlackWhite] = {{"BackgroundColor", kWhite}, {"BorderColor", kBlack}, {"BorderWidth", 8},
                       {"CenterPointBorderColor", kBlack}, {"CenterPointOuterBorderColor", kBlack},
                       {"CenterPointColor", kBlack}, {"CenterPointSize", 8}, {"HourColor", 0x585858},
                       {"HourFont.Color", kBlack}, {"HourFont.Name", "Century Gothic"}, {"HourFont.Size", 14},
                       {"HourFont.Bold", 1}, {"HourPointer", kBlack}, {"HourPointerSize", 5},
                       {"MinutePointer", kBlack}, {"MinuteMarkLength", 4}, {"SecondPointer", 0x000080},
                       {"PointerStyle", psPointer}, {"TickMarks", tmQuartHours}, {"ShowAMPM", 0}, {"ShowNumbers", 1}};
    m[wsGray] = {{"AMPMFont.Name", "MS Sans Serif"}, {"AMPMFont.Size", 10}, {"BackgroundColor", 0xD1D1D1},
                 {"BackgroundColorTo", 0x6C6C6C}, {"BackgroundGradient", wgRadial}, {"BorderColor", 0x454545},
                 {"CenterPointBorderColor", 0x454545}, {"CenterPointColor", kBlack},
                 {"CenterPointOuterBorderColor", fw::clNone}, {"HourColor", kBlack}, {"HourFont.Name", "Comic Sans MS"},
                 {"HourFont.Size", 8}, {"HourPointer", 0x4E4E4E}, {"HourPointerShadow", fw::clNone},
                 {"HourPointerSize", 1}, {"MinuteColor", 0x808080}, {"MinutePointer", 0x4E4E4E},
                 {"MinutePointerShadow", fw::clNone}, {"MinutePointerSize", 1}, {"SecondPointer", 0x0000FF},
                 {"ShowAMPM", 1}, {"ShowNumbers", 1}};
    m[wsSuperNova] = {{"BackgroundColorTo", 0xD1D3D3}, {"BorderColor", fw::clNone},
                      {"CenterPointOuterBorderColor", kBlack}, {"CenterPointSize", 10}, {"HourMarkLength", 40},
                      {"HourPointer", kBlack}, {"MinuteColor", 0x808080}, {"MinuteMarkLength", 60},
                      {"MinutePointer", kBlack}, {"ShowAMPM", 0}, {"ShowNumbers", 0}};
    const Entries sport = {{"HourColor", 0xABB0B1}, {"HourFont.Color", 0x797979}, {"HourFont.Name", "Times New Roman"},
                           {"HourFont.Size", 9}, {"HourPointerSize", 2}, {"MinuteColor", 0x808080},
                           {"MinutePointerSize", 2}, {"MinuteMarkLength", 1}, {"TickMarks", tmQuartHours},
                           {"ShowAMPM", 0}, {"ShowNumbers", 1}};
    m[wsSports] = sport;
    m[wsSports].insert(m[wsSports].end(),
                       {{"BackgroundColor", kBlack}, {"BorderColor", kBlack}, {"BorderWidth", 1},
                        {"CenterPointBorderColor", 0xFF0000}, {"CenterPointOuterBorderColor", kBlack},
                        {"CenterPointColor", 0x191919}, {"CenterPointSize", 50}, {"HourPointer", 0x0000FF},
                        {"HourPointerShadow", fw::clNone}, {"MinutePointer", 0x00FFFF},
                        {"MinutePointerShadow", fw::clNone}, {"SecondPointer", 0x188BFE}});
    m[wsSmooth] = sport;
    m[wsSmooth].insert(m[wsSmooth].end(),
                       {{"BackgroundColor", kWhite}, {"BackgroundColorTo", 0xABB0B1}, {"BorderColor", 0x585858},
                        {"BorderWidth", 1}, {"CenterPointBorderColor", kBlack},
                        {"CenterPointOuterBorderColor", 0x4A4A4A}, {"CenterPointColor", kWhite},
                        {"CenterPointSize", 6}, {"HourPointer", 0x4A4A4A}, {"HourPointerShadow", 0xB2B2B2},
                        {"MinutePointer", 0x4A4A4A}, {"MinutePointerShadow", 0xB2B2B2}, {"SecondPointer", 0x4A4A4A}});
    return m;
  }();
  return looks;
}

class WatchStylesTest : public WatchTest {
 protected:
  // Leaves the watch with a face size and a picture, which a look must drop.
  static void Customise(TVxWatch* watch) {
    watch->Appearance()->SetSize(100);
    fw::TBitmap bitmap;
    bitmap.SetSize(4, 4);
    fw::TPicture picture;
    picture.SetGraphic(&bitmap);
    watch->Appearance()->SetPicture(&picture);
    watch->SetAnimationFactor(3);
  }
};

TEST_F(WatchStylesTest, EachLookOnAFreshWatchAndAfterAnotherLookSetsItsTableAndNothingElse) {
  const Look defaults = Snapshot(MakeWatch());
  for (const auto& [style, entries] : Looks()) {
    SCOPED_TRACE(style);
    const Look expected = Override(defaults, entries);

    TVxWatch* fresh = MakeWatch();
    // The stored value changes nothing: a new watch set to the classic look keeps the defaults.
    fresh->SetStyle(style);
    if (style == wsClassic) {
      EXPECT_EQ(Differences(Snapshot(fresh), defaults), "");
      fresh->SetStyle(wsTower);
      fresh->SetStyle(wsClassic);
    }
    EXPECT_EQ(fresh->Style(), style);
    EXPECT_EQ(Differences(Snapshot(fresh), expected), "");

    // After another look (which switched the AM/PM box off) and a custom size and picture.
    TVxWatch* used = MakeWatch();
    used->SetStyle(style == wsFluorescent ? wsEmerald : wsFluorescent);
    Customise(used);
    used->SetStyle(style);
    Look after = expected;
    if (style == wsTower) after["ShowAMPM"] = "0";  // the tower keeps the box as it was
    if (style != wsClassic) after["AnimationFactor"] = "3";  // only the classic look sets the watch's animation
    EXPECT_EQ(Differences(Snapshot(used), after), "");
  }
}

TEST_F(WatchStylesTest, SizeDependentLengthsFollowTheControlAndWrapAsBytes) {
  struct Case {
    int side;
    TWatchStyle style;
    const char* property;
    int expected;
  };
  const Case cases[] = {
      {900, wsSuperNova, "HourMarkLength", 200},   // 900 / 4.5
      {900, wsSuperNova, "MinuteMarkLength", 44},  // 900 div 3 = 300, kept in a byte
      {1000, wsSports, "CenterPointSize", 22},     // 1000 / 3.6 = 277.8 -> 278, kept in a byte
      {99, wsSuperNova, "HourMarkLength", 22},     // 22.0
      {100, wsSuperNova, "HourMarkLength", 22},    // 22.2
      {117, wsSuperNova, "HourMarkLength", 26},    // 26.0
      {90, wsSports, "CenterPointSize", 25},       // 25.0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.property) + " " + std::to_string(c.side));
    TVxWatch* watch = MakeWatch(c.side + 50, c.side);  // the smaller side counts
    watch->SetStyle(c.style);
    EXPECT_EQ(Snapshot(watch)[c.property], std::to_string(c.expected));
  }
}

TEST(WatchColorSetTest, SetsRecolourTheAppearanceAndSetEightOnlyBlackensTheFontsAndRing) {
  // Every set first blackens the centre's outer ring and both fonts.
  const Entries common = {{"CenterPointOuterBorderColor", kBlack}, {"HourFont.Color", kBlack}, {"AMPMFont.Color", kBlack}};
  // AMPMBorderColor, AMPMColor, the two background colours, BorderColor, the centre's ring and fill, the marks
  // and hands, the shadows and the second hand.
  const auto set = [&](fw::TColor ampmBorder, fw::TColor ampm, fw::TColor bg, fw::TColor bgTo, fw::TColor border,
                       fw::TColor ring, fw::TColor centre, fw::TColor marks, fw::TColor shadows, fw::TColor second) {
    Entries e = common;
    e.insert(e.end(), {{"AMPMBorderColor", ampmBorder}, {"AMPMColor", ampm}, {"BackgroundColor", bg},
                       {"BackgroundColorTo", bgTo}, {"BorderColor", border}, {"CenterPointBorderColor", ring},
                       {"CenterPointColor", centre}, {"HourColor", marks}, {"MinuteColor", marks},
                       {"HourPointer", marks}, {"MinutePointer", marks}, {"HourPointerShadow", shadows},
                       {"MinutePointerShadow", shadows}, {"SecondPointer", second}});
    return e;
  };
  Entries five = set(0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, kWhite, 0xF2F1F0);
  five.insert(five.end(), {{"HourFont.Color", 0xF2F1F0}, {"AMPMFont.Color", 0xF2F1F0}});
  const std::vector<std::pair<int, Entries>> cases = {
      {0, set(0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, kWhite, kWhite)},
      {2, set(0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, kWhite, kWhite)},
      {4, set(0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, kWhite, 0x723708)},
      {5, five},
      {6, set(kBlack, fw::clBtnFace, fw::clBtnFace, fw::clBtnFace, kBlack, kBlack, kBlack, kBlack, kWhite, kBlack)},
      {8, common},
      {9, set(0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, kWhite, 0x74706F)},
      {10, set(0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, kWhite, 0xFEDF9A)},
      {14, set(0xD2CDC8, 0xEDE5E0, kWhite, kWhite, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8)},
      {15, set(0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, kWhite, 0x6D6D6D)},
      {16, common},
      {-1, common},
  };
  TWatchAppearance reference;
  const Look defaults = Snapshot(&reference);
  for (const auto& [style, entries] : cases) {
    SCOPED_TRACE(style);
    TWatchAppearance a;
    ApplyWatchColorSet(a, style);
    EXPECT_EQ(Differences(Snapshot(&a), Override(defaults, entries)), "");
  }

  // The AM/PM box's colours are stored without a notice; the other colours notify through their setters.
  TWatchAppearance a;
  int notices = 0;
  a.OnChange = [&](TWatchAppearance*) { ++notices; };
  ApplyWatchColorSet(a, 3);
  EXPECT_GT(notices, 0);
  a.StoreAMPMColor(0x123456);
  a.StoreAMPMBorderColor(0x654321);
  notices = 0;
  ApplyWatchColorSet(a, 3);
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(a.AMPMColor(), fw::TColor{0x808080});
  EXPECT_EQ(a.AMPMBorderColor(), fw::TColor{0x962D00});
}

TEST_F(WatchStylesTest, TheWatchsStyleOperationRecoloursItsOwnAppearance) {
  TVxWatch* watch = MakeWatch();
  static_cast<IControlStyle*>(watch)->SetComponentStyle(7);
  EXPECT_EQ(watch->Appearance()->BackgroundColor(), fw::TColor{0xF5F9FA});
  EXPECT_EQ(watch->Appearance()->SecondPointer(), fw::TColor{0x7E9898});
  EXPECT_EQ(watch->Style(), wsClassic);  // a colour set is no look
}

TEST(WatchAppearanceResetTest, SetDefaultsRestoresEveryValueSilently) {
  TWatchAppearance reference;
  TWatchAppearance a;
  ApplyWatchColorSet(a, 5);
  a.SetSize(77);
  a.SetShape(wsRoundRect);
  a.SetTickMarks(tmNone);
  a.SetHourMarkStyle(hmsQuartDblLine);
  a.SetMinuteMarkWidth(4);
  a.SetSecondPointerSize(3);
  a.HourFont()->SetName("Courier New");
  a.HourFont()->SetStyle(fw::TFontStyles{fw::fsItalic});
  a.AMPMFont()->SetSize(20);
  fw::TBitmap bitmap;
  bitmap.SetSize(4, 4);
  fw::TPicture picture;
  picture.SetGraphic(&bitmap);
  a.SetPicture(&picture);
  ASSERT_NE(Differences(Snapshot(&a), Snapshot(&reference)), "");

  int notices = 0;
  a.OnChange = [&](TWatchAppearance*) { ++notices; };
  a.SetDefaults();
  EXPECT_EQ(Differences(Snapshot(&a), Snapshot(&reference)), "");
  EXPECT_EQ(notices, 0);
  // The new picture still reports its changes.
  a.SetPicture(&picture);
  EXPECT_EQ(notices, 1);
}

}  // namespace
}  // namespace ui
