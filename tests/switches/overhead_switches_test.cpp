// The overhead boards: the ELEC module 3306 in each wiring, the pressurisation steps with their limits
// (3324), and the IRS keyboard (3322).
#include <gtest/gtest.h>

#include "tests/switches/fake_family_host.h"

namespace switches_test {
namespace {

using aircraft::ProcessSwitch;
using aircraft::SwitchLabel;
using Strings = std::vector<std::string>;

class OverheadSwitchTest : public ::testing::Test {
 protected:
  OverheadSwitchTest() { host.slots = {{31, "ELEC31", "3306"}, {32, "FLT32", "3324"}, {33, "IRS33", "3322"}}; }
  Strings Press(std::int32_t session, std::int32_t sw, std::int32_t state) {
    host.commands.clear();
    ProcessSwitch(host, session, sw, state);
    return host.commands;
  }
  FakeClock clock;
  FakeFamilyHost host;
};

// Module 3306: every switch that differs between the wirings, both edges, for wirings 0 to 4.
TEST_F(OverheadSwitchTest, ElecModuleFollowsItsWiring) {
  host.pressurisation = {10000, 500.0, 35000, 1234.5};
  const char* const kFlightUp = "AIR_PRESSURE_ALTITUDE=10500";
  const char* const kFlightDown = "AIR_PRESSURE_ALTITUDE=9500";
  const char* const kFlightPreset = "AIR_PRESSURE_ALTITUDE=35000";
  const struct {
    std::int32_t sw;
    std::int32_t state;
    std::array<const char*, 5> byWiring;  // nullptr: nothing sent
  } cases[] = {
      {1, 1, {"ELEC_DC_SELECTOR_SWITCH=7", "ELEC_DC_SELECTOR_SWITCH=7", "ELEC_DC_SELECTOR_SWITCH=7",
              "ELEC_DC_SELECTOR_SWITCH=7", "ELEC_DC_SELECTOR_SWITCH=7"}},
      {2, 1, {"ELEC_DC_SELECTOR_SWITCH=0", "ELEC_DC_SELECTOR_SWITCH=0", "ELEC_DC_SELECTOR_SWITCH=0",
              "ELEC_DC_SELECTOR_SWITCH=0", "ELEC_DC_SELECTOR_SWITCH=0"}},
      {8, 1, {"ELEC_DC_SELECTOR_SWITCH=6", "ELEC_DC_SELECTOR_SWITCH=6", "ELEC_DC_SELECTOR_SWITCH=6",
              "ELEC_DC_SELECTOR_SWITCH=6", "ELEC_DC_SELECTOR_SWITCH=6"}},
      {9, 1, {"ELEC_AC_SELECTOR_SWITCH=0", "ELEC_AC_SELECTOR_SWITCH=0", "ELEC_AC_SELECTOR_SWITCH=0",
              "ELEC_AC_SELECTOR_SWITCH=0", "ELEC_AC_SELECTOR_SWITCH=0"}},
      {15, 1, {"ELEC_AC_SELECTOR_SWITCH=6", "ELEC_AC_SELECTOR_SWITCH=6", "ELEC_AC_SELECTOR_SWITCH=6",
               "ELEC_AC_SELECTOR_SWITCH=6", "ELEC_AC_SELECTOR_SWITCH=6"}},
      {16, 1, {"ELEC_BATTERY_SWITCH=1", nullptr, nullptr, nullptr, nullptr}},
      {16, 0, {"ELEC_BATTERY_SWITCH=0", nullptr, nullptr, nullptr, nullptr}},
      {17, 1, {"ELEC_CABIN_UTILITY=1", "ELEC_BATTERY_SWITCH=1", "ELEC_BATTERY_SWITCH=0", "ELEC_BATTERY_SWITCH=0",
               "ELEC_BATTERY_SWITCH=1"}},
      {17, 0, {"ELEC_CABIN_UTILITY=0", "ELEC_BATTERY_SWITCH=0", "ELEC_BATTERY_SWITCH=1", "ELEC_BATTERY_SWITCH=1",
               "ELEC_BATTERY_SWITCH=0"}},
      {18, 1, {"ELEC_UTILITY_L_SWITCH=1", "ELEC_CABIN_UTILITY=1", "ELEC_CABIN_UTILITY=1", "ELEC_CABIN_UTILITY=1",
               "ELEC_CABIN_UTILITY=1"}},
      {18, 0, {"ELEC_UTILITY_L_SWITCH=0", "ELEC_CABIN_UTILITY=0", "ELEC_CABIN_UTILITY=0", "ELEC_CABIN_UTILITY=0",
               "ELEC_CABIN_UTILITY=0"}},
      {19, 1, {"MF=933", "MF=933", "MF=933", "MF=933", "MF=933"}},
      {20, 1, {"MF=932", "MF=932", "MF=932", "MF=933", "MF=933"}},
      {21, 1, {"AIR_OUTFLOW_MODE=0", "AIR_OUTFLOW_MODE=0", "AIR_OUTFLOW_MODE=0", "MF=932", "MF=932"}},
      {19, 0, {"MF=931", "MF=931", "MF=931", "MF=931", "MF=931"}},
      {21, 0, {"MF=931", "MF=931", "MF=931", "MF=931", "MF=931"}},
      {22, 1, {"AIR_OUTFLOW_MODE=1", nullptr, nullptr, nullptr, nullptr}},
      {22, 0, {nullptr, nullptr, nullptr, nullptr, nullptr}},
      {23, 1, {"AIR_OUTFLOW_MODE=2", "AIR_OUTFLOW_MODE=1", "AIR_OUTFLOW_MODE=1", "AIR_OUTFLOW_MODE=1",
               "AIR_OUTFLOW_MODE=1"}},
      {23, 0, {nullptr, "AIR_OUTFLOW_MODE=0", "AIR_OUTFLOW_MODE=0", "AIR_OUTFLOW_MODE=0", "AIR_OUTFLOW_MODE=0"}},
      {24, 1, {kFlightUp, "AIR_OUTFLOW_MODE=2", "AIR_OUTFLOW_MODE=2", "AIR_OUTFLOW_MODE=2", "AIR_OUTFLOW_MODE=2"}},
      {25, 1, {kFlightDown, kFlightUp, kFlightUp, kFlightUp, kFlightUp}},
      {26, 1, {kFlightPreset, kFlightDown, kFlightDown, kFlightDown, kFlightDown}},
      {27, 1, {"AIR_LANDING_ALTITUDE=550", "AIR_LANDING_ALTITUDE=550", "AIR_LANDING_ALTITUDE=550",
               "AIR_LANDING_ALTITUDE=550", "AIR_LANDING_ALTITUDE=550"}},
      {28, 1, {"AIR_LANDING_ALTITUDE=450", "AIR_LANDING_ALTITUDE=450", "AIR_LANDING_ALTITUDE=450",
               "AIR_LANDING_ALTITUDE=450", "AIR_LANDING_ALTITUDE=450"}},
      {29, 1, {kFlightPreset, kFlightPreset, kFlightPreset, kFlightPreset, kFlightPreset}},
      {30, 1, {"AIR_LANDING_ALTITUDE=1200", "AIR_LANDING_ALTITUDE=1200", "AIR_LANDING_ALTITUDE=1200",
               "AIR_LANDING_ALTITUDE=1200", "AIR_LANDING_ALTITUDE=1200"}},
      {27, 0, {nullptr, nullptr, nullptr, nullptr, nullptr}},
      {31, 1, {nullptr, nullptr, nullptr, nullptr, nullptr}},
  };
  for (const auto& c : cases) {
    for (std::int32_t w = 0; w < 5; ++w) {
      host.wiring = w;
      const char* expected = c.byWiring[static_cast<std::size_t>(w)];
      EXPECT_EQ(Press(31, c.sw, c.state), expected ? Strings{expected} : Strings{})
          << "switch " << c.sw << "/" << c.state << " wiring " << w;
    }
  }
  // A wiring the module does not have sends nothing.
  for (std::int32_t w : {5, -1}) {
    host.wiring = w;
    EXPECT_TRUE(Press(31, 1, 1).empty()) << w;
  }
  // The module writes no label; it only clears the capture.
  host.lastInput = {"someone", 1, 1};
  Press(31, 19, 1);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "<unset>");
  EXPECT_EQ(host.lastInput.board, "");
}

TEST_F(OverheadSwitchTest, PressurisationStepsStopAtTheirLimits) {
  const struct {
    std::int32_t flight;
    double landing;
    double landingPreset;
    std::int32_t sw;
    Strings sent;
  } cases[] = {
      {41900, 0, 0, 3, {"AIR_PRESSURE_ALTITUDE=42400"}},
      {42000, 0, 0, 3, {}},
      {-1000, 0, 0, 4, {"AIR_PRESSURE_ALTITUDE=-1500"}},
      {-1001, 0, 0, 4, {}},
      {0, 13999.4, 0, 1, {"AIR_LANDING_ALTITUDE=14049"}},
      {0, 14000, 0, 1, {}},
      {0, -1000, 0, 2, {"AIR_LANDING_ALTITUDE=-1050"}},
      {0, -1001, 0, 2, {}},
      {0, 250.5, 0, 2, {"AIR_LANDING_ALTITUDE=200"}},  // nearest integer, halves to even
      {0, 0, 1234.5, 5, {"AIR_LANDING_ALTITUDE=1200"}},
      {0, 0, -1250, 5, {"AIR_LANDING_ALTITUDE=-1200"}},
      {0, 0, 0, 6, {"AIR_PRESSURE_ALTITUDE=0"}},
      {0, 0, 0, 7, {}},
  };
  for (const auto& c : cases) {
    host.pressurisation = {c.flight, c.landing, 0, c.landingPreset};
    EXPECT_EQ(Press(32, c.sw, 1), c.sent) << c.flight << " " << c.landing << " " << c.landingPreset << " sw " << c.sw;
    EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "ELEC/FLT - Input: " + std::to_string(c.sw) + " ON");
  }
  EXPECT_TRUE(Press(32, 3, 0).empty());
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "ELEC/FLT - Input: 3 OFF");
}

TEST_F(OverheadSwitchTest, IrsKeyboard) {
  const struct {
    std::int32_t sw;
    const char* sent;
  } cases[] = {
      {1, "IRS_DISPLAY_FUNCTION=0"}, {5, "IRS_DISPLAY_FUNCTION=4"}, {6, "IRS_SELECTOR=0"}, {7, "IRS_SELECTOR=1"},
      {8, nullptr},                  {9, "IRS_KEY_1=1"},            {17, "IRS_KEY_9=1"},  {18, "IRS_KEY_ENT=1"},
      {19, "IRS_KEY_0=1"},           {20, "IRS_KEY_CLR=1"},         {21, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Press(33, c.sw, 1), c.sent ? Strings{c.sent} : Strings{}) << c.sw;
    EXPECT_TRUE(Press(33, c.sw, 0).empty()) << c.sw;
    EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "IRS - Input: " + std::to_string(c.sw) + " OFF");
  }
}

}  // namespace
}  // namespace switches_test
