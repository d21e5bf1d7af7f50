// The mode-control knobs with a fake clock: the acceleration formulas and shared counters, and the windows
// stepped and written at once with their wrap and clamp rules per panel.
#include <gtest/gtest.h>

#include "controller/aircraft/knob_acceleration.h"
#include "tests/switches/fake_switch_host.h"

namespace switches_test {
namespace {

using aircraft::Acceleration;
using Strings = std::vector<std::string>;

class McpKnobTest : public ::testing::Test {
 protected:
  void Use(const char* model, bool is777 = false) {
    host.slots = {{5, "BOARD", model}};
    host.is777 = is777;
  }
  // One detent at now + afterMs.
  void Detent(std::int32_t sw, std::uint32_t afterMs = 1000) {
    clock.now += afterMs;
    aircraft::ProcessSwitch(host, 5, sw, 1);
  }
  std::string LastCommand() const { return host.commands.empty() ? "" : host.commands.back(); }
  SegmentWrite LastWrite() const { return host.segments.empty() ? SegmentWrite{} : host.segments.back(); }

  FakeClock clock;
  FakeSwitchHost host;
};

TEST(KnobAcceleration, Formulas) {
  const aircraft::KnobTuning defaults{8, 180, 18};
  const struct {
    Acceleration variant;
    std::uint32_t dt;
    std::int64_t step;
  } cases[] = {
      {Acceleration::kA, 0, 16},   {Acceleration::kA, 50, 13},  {Acceleration::kA, 90, 10},
      {Acceleration::kA, 179, 4},  {Acceleration::kB, 50, 11},  {Acceleration::kB, 179, 8},
      {Acceleration::kH, 0, 8},    {Acceleration::kH, 90, 7},   {Acceleration::kH, 179, 4},
      {Acceleration::kH40, 90, 8}, {Acceleration::kH40, 179, 6}, {Acceleration::kE, 0, 8},
      {Acceleration::kE, 179, 2},  {Acceleration::kE, 120, 2},
      // The formula, not the rounder "3 for every dt" of the worked example.
      {Acceleration::kG, 0, 3},    {Acceleration::kG, 170, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(aircraft::AcceleratedStep(c.variant, c.dt, defaults), c.step)
        << static_cast<int>(c.variant) << " dt " << c.dt;
  }
  // Variant G never steps by less than 1, and scales with the gain.
  EXPECT_EQ(aircraft::AcceleratedStep(Acceleration::kG, 100, {8, 180, 1}), 1);
  EXPECT_EQ(aircraft::AcceleratedStep(Acceleration::kG, 100, {8, 180, 100}), 14);
  EXPECT_EQ(aircraft::AcceleratedStep(Acceleration::kG, 0, {8, 10, 1000}), 1);
}

TEST_F(McpKnobTest, SpeedAcceleratesAfterCountFastDetents) {
  Use("330F");
  host.mcp.window_ias = 200;
  Detent(36);
  for (int i = 0; i < 8; ++i) Detent(36, 50);
  EXPECT_EQ(host.commands, Strings(9, "MCP_SPEED_INCREASE=1"));
  Detent(36, 50);
  EXPECT_EQ(LastCommand(), "MCP_SPEED_INCREASE=13");
  EXPECT_EQ(host.mcp.window_ias, 222);
  EXPECT_EQ(LastWrite(), (SegmentWrite{5, " 222", 5}));
  Detent(36, 180);
  EXPECT_EQ(LastCommand(), "MCP_SPEED_INCREASE=1");
  Detent(36, 50);
  EXPECT_EQ(LastCommand(), "MCP_SPEED_INCREASE=1");
}

TEST_F(McpKnobTest, AnotherKnobRestartsTheCountButTheOtherDirectionKeepsIt) {
  Use("3404");
  Detent(36);
  for (int i = 0; i < 9; ++i) Detent(36, 50);
  EXPECT_EQ(LastCommand(), "MCP_SPEED_INCREASE=13");
  Detent(38, 50);  // heading
  Detent(36, 50);
  EXPECT_EQ(LastCommand(), "MCP_SPEED_INCREASE=1");

  // Alternating directions: each direction counts on its own.
  FakeSwitchHost fresh;
  host = fresh;
  Use("3404");
  Detent(36);
  for (int i = 0; i < 8; ++i) {
    Detent(36, 50);
    Detent(35, 50);
  }
  EXPECT_EQ(LastCommand(), "MCP_SPEED_DECREASE=1");
  Detent(36, 50);
  EXPECT_EQ(LastCommand(), "MCP_SPEED_INCREASE=13");
  Detent(35, 50);
  EXPECT_EQ(LastCommand(), "MCP_SPEED_DECREASE=13");
}

TEST_F(McpKnobTest, SpeedWindowFollowsTheAircraftsSpeedMode) {
  Use("3403");
  host.mcp.window_ias = 359;
  Detent(6);
  Detent(6);
  EXPECT_EQ(host.mcp.window_ias, 360);
  EXPECT_EQ(LastWrite(), (SegmentWrite{5, "360", 1}));
  // Mach moves by a hundredth however fast the knob turns.
  host.readback.mach_mode = true;
  host.mcp.window_mach = 78;
  for (int i = 0; i < 10; ++i) Detent(6, 10);
  EXPECT_EQ(host.mcp.window_mach, 87);
  EXPECT_EQ(LastWrite(), (SegmentWrite{5, "0.87", 1}));
  EXPECT_EQ(LastCommand(), "MCP_SPEED_INCREASE=3");
  EXPECT_EQ(host.mcp.window_ias, 360);
}

TEST_F(McpKnobTest, ClosedSpeedWindowIsBlankedAndTheCommandStillSent) {
  const struct {
    const char* model;
    bool is777;
    SegmentWrite blank;
  } cases[] = {{"330A", false, {5, "    ", 5}}, {"3310", false, {5, "    ", 5}}, {"330F", false, {5, " ", 5}},
               {"3311", false, {5, " ", 5}},  {"3404", false, {5, " ", 5}},  {"3403", false, {5, "    ", 1}},
               {"3327", true, {5, "    ", 1}},
               // The CTRL MCP with the 777 blanks its own speed digits, not the course window.
               {"330A", true, {5, "   ", 6}}};
  for (const auto& c : cases) {
    FakeSwitchHost h;
    h.slots = {{5, "BOARD", c.model}};
    h.is777 = c.is777;
    h.readback.ias_open = false;
    h.mcp.window_ias = 250;
    const bool ctrl = std::string(c.model) == "330A";
    aircraft::ProcessSwitch(h, 5, ctrl ? 49 : (std::string(c.model) == "3403" || std::string(c.model) == "3327") ? 5 : 35, 1);
    EXPECT_EQ(h.segments, (std::vector<SegmentWrite>{c.blank})) << c.model;
    EXPECT_EQ(h.commands, (Strings{"MCP_SPEED_DECREASE=1"})) << c.model;
    EXPECT_EQ(h.mcp.window_ias, 250) << c.model;
  }
}

TEST_F(McpKnobTest, HeadingWrapsPerPanel) {
  const struct {
    const char* model;
    bool is777;
    std::int32_t sw;
    std::int32_t from;
    const char* shown;
  } cases[] = {
      {"330F", false, 38, 359, "000"}, {"330F", false, 37, 0, "359"},   {"330A", false, 52, 359, "000"},
      {"3403", false, 8, 359, "360"},  {"3403", false, 8, 360, "001"},  {"3327", true, 7, 1, "360"},
      {"330A", true, 52, 359, "360"},  {"330A", true, 51, 1, "360"},    {"3310", false, 37, 359, "000"},
      // The ELVL's two rules in turn: 0 becomes 360, which is above 359 and becomes 0.
      {"3310", false, 38, 1, "000"},   {"3310", false, 38, 2, "001"},
  };
  for (const auto& c : cases) {
    FakeSwitchHost h;
    h.slots = {{5, "BOARD", c.model}};
    h.is777 = c.is777;
    h.mcp.window_heading = c.from;
    aircraft::ProcessSwitch(h, 5, c.sw, 1);
    EXPECT_EQ(h.segments, (std::vector<SegmentWrite>{{5, c.shown, 9}})) << c.model << " " << c.from;
  }
}

TEST_F(McpKnobTest, AltitudeStepsAndClamps) {
  Use("3404");
  host.mcp.window_altitude = 42900;
  Detent(42);
  EXPECT_EQ(LastCommand(), "MCP_ALTITUDE_INCREASE=100");
  EXPECT_EQ(LastWrite(), (SegmentWrite{5, "43000", 12}));
  for (int i = 0; i < 9; ++i) Detent(42, 90);
  EXPECT_EQ(LastCommand(), "MCP_ALTITUDE_INCREASE=1000");
  EXPECT_EQ(host.mcp.window_altitude, 43000);
  host.mcp.window_altitude = 100;
  Detent(41);
  Detent(41);
  EXPECT_EQ(LastWrite(), (SegmentWrite{5, "    0", 12}));

  // CTRL MCP with the 777: no acceleration, the change unit picks the feet, the add-on gets one click.
  FakeSwitchHost h;
  h.slots = {{5, "BOARD", "330A"}};
  h.is777 = true;
  h.readback.alt_change_unit = true;
  h.mcp.window_altitude = 49500;
  for (int i = 0; i < 12; ++i) {
    clock.now += 10;
    aircraft::ProcessSwitch(h, 5, 54, 1);
  }
  EXPECT_EQ(h.commands, Strings(12, "MCP_ALTITUDE_INCREASE=1"));
  EXPECT_EQ(h.mcp.window_altitude, 50000);

  // The 777 panels send the step, the window moves by a hundred feet per step.
  FakeSwitchHost g;
  g.slots = {{5, "BOARD", "3327"}};
  g.mcp.window_altitude = 10000;
  aircraft::ProcessSwitch(g, 5, 12, 1);
  EXPECT_EQ(g.commands, (Strings{"MCP_ALTITUDE_INCREASE=1"}));
  EXPECT_EQ(g.segments, (std::vector<SegmentWrite>{{5, "10100", 12}}));
  // The ELVL panel steps no window.
  FakeSwitchHost e;
  e.slots = {{5, "BOARD", "3310"}};
  aircraft::ProcessSwitch(e, 5, 42, 1);
  EXPECT_EQ(e.commands, (Strings{"MCP_ALTITUDE_INCREASE=100"}));
  EXPECT_TRUE(e.segments.empty());
}

TEST_F(McpKnobTest, CourseWrapsAndTheElvlShowsNoCourse) {
  Use("330A");
  host.mcp.window_course_cpt = 0;
  host.mcp.window_course_fo = 359;
  Detent(59);
  Detent(58);
  EXPECT_EQ(host.commands, (Strings{"NAV1_RADIO_COURSE_DECREASE=1", "NAV2_RADIO_COURSE_INCREASE=1"}));
  EXPECT_EQ(host.segments, (std::vector<SegmentWrite>{{5, "359", 1}, {5, "000", 22}}));
  FakeSwitchHost e;
  e.slots = {{5, "BOARD", "3310"}};
  aircraft::ProcessSwitch(e, 5, 45, 1);
  aircraft::ProcessSwitch(e, 5, 34, 1);
  EXPECT_EQ(e.commands, (Strings{"NAV2_RADIO_COURSE_INCREASE=1", "NAV1_RADIO_COURSE_INCREASE=1"}));
  EXPECT_TRUE(e.segments.empty());
}

TEST_F(McpKnobTest, VerticalSpeedSevenThreeSevenRule) {
  Use("330F");
  const struct {
    std::int32_t sw;
    std::int32_t from;
    std::int32_t to;
  } cases[] = {{44, 950, 1000}, {44, 1000, 1100}, {43, 1000, 950}, {43, 1100, 1000}, {43, -1000, -1100},
               {44, -1000, -950}, {44, 5950, 6000}, {44, 6000, 6000}, {43, -7900, -7900}};
  for (const auto& c : cases) {
    host.mcp.window_vs = c.from;
    Detent(c.sw);
    EXPECT_EQ(host.mcp.window_vs, c.to) << c.from;
  }
  EXPECT_EQ(LastWrite(), (SegmentWrite{5, "-7900", 17}));
  EXPECT_EQ(LastCommand(), "MCP_VERTICAL_SPEED_DECREASE=1");
  FakeSwitchHost h;
  h.slots = {{5, "BOARD", "3403"}};
  h.mcp.window_vs = 0;
  aircraft::ProcessSwitch(h, 5, 10, 1);
  EXPECT_EQ(h.segments, (std::vector<SegmentWrite>{{5, "  100", 4}}));
}

TEST_F(McpKnobTest, VerticalSpeedTripleSevenRule) {
  Use("3327");
  host.mcp.window_vs = 0;
  Detent(9);
  EXPECT_EQ(host.mcp.window_vs, -100);
  EXPECT_EQ(host.leds, (std::vector<std::pair<std::int32_t, bool>>{{31, true}}));
  EXPECT_EQ(LastWrite(), (SegmentWrite{5, "0100", 5}));
  Detent(10);
  EXPECT_EQ(host.leds.size(), 9u);  // LEDs 25-32 off
  EXPECT_EQ(host.leds.back(), (std::pair<std::int32_t, bool>{32, false}));
  EXPECT_EQ(LastWrite(), (SegmentWrite{5, "0000", 5}));
  host.readback.vs_lamp = false;
  Detent(10);
  EXPECT_EQ(LastWrite(), (SegmentWrite{5, "     ", 4}));
  EXPECT_EQ(host.mcp.window_vs, 100);

  // Flight-path angle: tenths, its own text, clamped.
  host.readback = {true, false, true, true, false, 0};
  const struct {
    double from;
    std::int32_t sw;
    const char* shown;
  } cases[] = {{0.0, 10, "   0.1"}, {0.1, 9, "   0.0"}, {-0.2, 9, "  -0.3"}, {0.9, 10, "   1.0"},
               {98.95, 10, "   99."}, {-99.0, 9, "  -99."}};
  for (const auto& c : cases) {
    host.mcp.window_fpa = c.from;
    Detent(c.sw);
    EXPECT_EQ(LastWrite(), (SegmentWrite{5, c.shown, 4})) << c.from;
  }
  EXPECT_DOUBLE_EQ(host.mcp.window_fpa, -99.0);
  EXPECT_EQ(LastCommand(), "MCP_VERTICAL_SPEED_DECREASE=1");
}

TEST_F(McpKnobTest, TripleSevenPanelsAccelerateWithTheirGain) {
  Use("3403");
  host.tuning.heading = {8, 180, 18};
  host.mcp.window_heading = 100;
  Detent(8);
  for (int i = 0; i < 8; ++i) Detent(8, 40);
  EXPECT_EQ(LastCommand(), "MCP_HDG_INCREASE=1");
  Detent(8, 40);
  EXPECT_EQ(LastCommand(), "MCP_HDG_INCREASE=3");
  EXPECT_EQ(host.mcp.window_heading, 112);
}

}  // namespace
}  // namespace switches_test
