// The windows of the mode-control panels: the three layouts, the vertical-speed sign, Mach texts, the
// flight-path-angle text, the speed flash, no power and the family lamp test.
#include <gtest/gtest.h>

#include <cmath>

#include "controller/app/mcp_windows.h"
#include "output_recorder.h"

namespace trelvik::testing {
namespace {

using Texts = std::vector<std::pair<std::string, int>>;

// A powered 737 panel with every window open and no speed flash.
PanelState Panel737() {
  PanelState p;
  p.aircraft_power = 1;
  p.mcp_ias_open = 1;
  p.mcp_vs_lamp = 1;
  p.ias_flash_above = p.ias_flash_above2 = 999.0;
  p.mcp_course_cpt = 5;
  p.mcp_course_fo = 123;
  return p;
}

McpWindowFields Fields() {
  McpWindowFields f;
  f.window_course_cpt = 5;
  f.window_ias = 250;
  f.window_mach = 78;
  f.window_heading = 5;
  f.window_altitude = 500;
  f.window_vs = -800;
  f.window_course_fo = 123;
  return f;
}

OutputRecorder Write(const std::string& model, const PanelState& panel, const McpWindowFields& fields,
                     WindowConditions conditions = {}) {
  OutputRecorder out;
  SpeedFlashState flash;
  EXPECT_TRUE(WriteMcpWindows(model, 3, panel, fields, conditions, flash, out));
  return out;
}

TEST(McpWindows, The737LayoutWritesEveryWindowAtItsDigit) {
  for (const char* model : {"330F", "3311", "3404", "3310"}) {
    const OutputRecorder out = Write(model, Panel737(), Fields());
    EXPECT_EQ(out.texts, (Texts{{"005", 1}, {" ", 5}, {"250", 6}, {"005", 9}, {"  500", 12}, {" -800", 17}, {"123", 22}}))
        << model;
    EXPECT_TRUE(out.leds.empty()) << model;
  }
  PanelState p = Panel737();
  p.mcp_mach_mode = 1;
  McpWindowFields f = Fields();
  f.window_altitude = 35000;
  EXPECT_EQ(Write("330F", p, f).texts,
            (Texts{{"005", 1}, {" ", 5}, {"0.78", 6}, {"005", 9}, {"35000", 12}, {" -800", 17}, {"123", 22}}));
  p.mcp_ias_open = 0;
  p.mcp_vs_lamp = 0;
  EXPECT_EQ(Write("330F", p, f).texts,
            (Texts{{"005", 1}, {"    ", 5}, {"005", 9}, {"35000", 12}, {"     ", 17}, {"123", 22}}));
}

TEST(McpWindows, The330AShowsItsSignOnTheMinusSegmentAnd360ForACourseOfZero) {
  PanelState p = Panel737();
  p.mcp_course_cpt = 0.0;
  McpWindowFields f = Fields();
  OutputRecorder out = Write("330A", p, f);
  EXPECT_EQ(out.texts, (Texts{{"360", 1}, {" ", 5}, {"250", 6}, {"005", 9}, {"  500", 12}, {"0800", 18},
                              {"005", 9}, {"  500", 12}, {"123", 22}}));
  EXPECT_EQ(out.leds, (std::map<int, int>{{135, 1}}));

  // A course stepped to 0 locally while the aircraft's is not 0 shows three zeros; a climb blanks the sign.
  p.mcp_course_cpt = 1.0;
  f.window_course_cpt = 0;
  f.window_vs = 1200;
  out = Write("330A", p, f);
  EXPECT_EQ(out.texts[0], (std::pair<std::string, int>{"000", 1}));
  EXPECT_EQ(out.texts[5], (std::pair<std::string, int>{" ", 17}));
  EXPECT_EQ(out.texts[6], (std::pair<std::string, int>{"1200", 18}));
  EXPECT_EQ(out.leds, (std::map<int, int>{{135, 0}}));

  p.mcp_vs_fpa_mode = 1;
  p.mcp_fpa = -1.5;
  out = Write("330A", p, f);
  EXPECT_EQ(out.texts[5], (std::pair<std::string, int>{"  -1.5", 17}));
  EXPECT_TRUE(out.leds.empty());
}

TEST(McpWindows, The777LayoutShowsMachByModelAndTheVerticalSpeedFromDigit4) {
  PanelState p = Panel737();
  p.mcp_mach_mode = 1;
  p.mcp_fpa = 2.0;
  McpWindowFields f = Fields();
  f.window_mach = 780;
  f.window_fpa = -3.0;
  struct Case {
    const char* model;
    bool threeDigit;
    Texts texts;
    std::map<int, int> leds;
  } cases[] = {
      {"3327", false, {{"780", 1}, {"0800", 5}, {"005", 9}, {"  500", 12}}, {{24, 1}, {31, 1}}},
      {"3403", true, {{"780", 1}, {"0800", 5}, {"005", 9}, {"  500", 12}}, {{24, 1}, {31, 1}}},
      {"3403", false, {{"0.780", 1}, {"0800", 5}, {"005", 9}, {"  500", 12}}, {{24, 0}, {31, 1}}},
  };
  for (const Case& c : cases) {
    WindowConditions conditions;
    conditions.three_digit_mach = c.threeDigit;
    const OutputRecorder out = Write(c.model, p, f, conditions);
    EXPECT_EQ(out.texts, c.texts) << c.model;
    EXPECT_EQ(out.leds, c.leds) << c.model;
  }
  // Knots, a level window and the flight-path angle: the 3327 from its window field, the 3403 from the aircraft.
  p.mcp_mach_mode = 0;
  p.mcp_vs_fpa_mode = 1;
  OutputRecorder out = Write("3327", p, f);
  EXPECT_EQ(out.texts, (Texts{{"250", 1}, {"  -3.0", 4}, {"005", 9}, {"  500", 12}}));
  EXPECT_EQ(out.leds, (std::map<int, int>{{24, 0}}));
  EXPECT_EQ(Write("3403", p, f).texts[1], (std::pair<std::string, int>{"   2.0", 4}));
  p.mcp_vs_fpa_mode = 0;
  f.window_vs = 0;
  out = Write("3403", p, f);
  EXPECT_EQ(out.texts[1], (std::pair<std::string, int>{" ", 4}));
  EXPECT_EQ(out.texts[2], (std::pair<std::string, int>{"0000", 5}));
  EXPECT_EQ(out.leds.at(31), 0);
  p.mcp_ias_open = 0;
  p.mcp_vs_lamp = 0;
  EXPECT_EQ(Write("3327", p, f).texts, (Texts{{"   ", 1}, {"     ", 4}, {"005", 9}, {"  500", 12}}));
}

TEST(McpWindows, NoPowerBlanksEveryDigitAndTheFamilyTestOnlyFlashes) {
  for (const char* model : {"330A", "330F", "3403", "3327", "3404", "3310", "3311"}) {
    PanelState dark = Panel737();
    dark.aircraft_power = 0;
    OutputRecorder out = Write(model, dark, Fields());
    EXPECT_EQ(out.texts, (Texts{{std::string(24, ' '), 1}})) << model;
    EXPECT_TRUE(out.leds.empty() && out.tests.empty()) << model;

    WindowConditions test;
    test.family_test = true;
    test.phase = 1;
    out = Write(model, Panel737(), Fields(), test);
    EXPECT_EQ(out.tests, std::vector<int>{1}) << model;
    EXPECT_TRUE(out.texts.empty() && out.leds.empty()) << model;
  }
  OutputRecorder out;
  SpeedFlashState flash;
  EXPECT_FALSE(WriteMcpWindows("3302", 3, Panel737(), Fields(), {}, flash, out));
  EXPECT_TRUE(out.texts.empty());
}

TEST(McpWindows, FlightPathAngleTexts) {
  const struct {
    double angle;
    const char* text;
  } cases[] = {{-1.5, "  -1.5"}, {2.0, "   2.0"}, {0.04, "   0.0"}, {-0.04, "   0.0"}, {10.5, "   10."},
               {1.25, "   1.2"}, {1.35, "   1.4"}, {-12.25, "  -12."}, {0.05, "   0.0"}};  // halves go to the even tenth
  for (const auto& c : cases) EXPECT_EQ(FlightPathAngleText(c.angle), c.text) << c.angle;
  EXPECT_EQ(FlightPathAngleText(std::nan("")).size(), 6u);  // never a failure
}

TEST(McpWindows, TheSpeedFlashTogglesEvery250msAndBlanksBetweenOnlyBelowTheLimit) {
  // Each step: the tick of the pass and the character written at digit 5 ("" for none).
  struct Step {
    std::uint32_t now;
    const char* below;
    const char* above;
  } steps[] = {{1000, " ", " "}, {1100, " ", ""}, {1251, "8", "A"}, {1300, " ", ""}, {1502, " ", " "}, {1753, "8", "A"}};
  for (bool overspeed : {false, true}) {
    PanelState p = Panel737();
    p.mcp_ias = 150;
    if (overspeed) {
      p.ias_flash_above2 = 140;
    } else {
      p.ias_flash_below = 200;
    }
    SpeedFlashState flash;
    for (const Step& step : steps) {
      OutputRecorder out;
      WindowConditions conditions;
      conditions.now = step.now;
      WriteMcpWindows("330F", 3, p, Fields(), conditions, flash, out);
      std::string at5;
      for (const auto& [text, digit] : out.texts) {
        if (digit == 5) at5 = text;
      }
      EXPECT_EQ(at5, overspeed ? step.above : step.below) << step.now << (overspeed ? " over" : " under");
    }
  }
}

TEST(McpWindows, WindowFieldsFollowTheAircraftWithCoursesRoundedHalfToEven) {
  PanelState p;
  p.mcp_course_cpt = 2.5;
  p.mcp_course_fo = 359.5;
  p.mcp_ias = 210;
  p.mcp_mach = 79;
  p.mcp_heading = 270;
  p.mcp_altitude = 12000;
  p.mcp_vs = -1500;
  p.mcp_fpa = -2.5;
  McpWindowFields f;
  ReloadWindowFields(p, f);
  EXPECT_EQ(f.window_course_cpt, 2);
  EXPECT_EQ(f.window_course_fo, 360);
  EXPECT_EQ(f.window_ias, 210);
  EXPECT_EQ(f.window_mach, 79);
  EXPECT_EQ(f.window_heading, 270);
  EXPECT_EQ(f.window_altitude, 12000);
  EXPECT_EQ(f.window_vs, -1500);
  EXPECT_EQ(f.window_fpa, -2.5);
  p.mcp_course_cpt = std::nan("");  // a course the window cannot hold keeps the field
  ReloadWindowFields(p, f);
  EXPECT_EQ(f.window_course_cpt, 2);
}

}  // namespace
}  // namespace trelvik::testing
