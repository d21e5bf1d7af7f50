// The cockpit state derived from the add-on's data areas, and its copy into the form's output block.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "controller/aircraft/cockpit_state.h"
#include "controller/aircraft/panel_update.h"

namespace aircraft_test {
namespace {

using namespace aircraft;

// The output fields with the widths the output passes read.
struct Panel {
  std::uint8_t aircraft_power = 0;
  double mcp_course_cpt = 0, mcp_course_fo = 0;
  std::int32_t mcp_ias = 0, mcp_mach = 0;
  std::uint8_t mcp_mach_mode = 0, mcp_ias_open = 0;
  double ias_flash_below = 0, ias_flash_above = 0, ias_flash_above2 = 0;
  std::int32_t mcp_heading = 0, mcp_altitude = 0, mcp_vs = 0;
  double mcp_fpa = 0;
  std::uint8_t mcp_vs_fpa_mode = 0, mcp_hdg_trk_mode = 0, mcp_alt_change_unit = 0, mcp_at_mode = 0;
  std::uint8_t mcp_n1_lamp = 0, mcp_speed_lamp = 0;
  std::uint16_t mcp_fd_lamp_cpt = 0, mcp_fd_lamp_fo = 0;
  std::uint8_t mcp_at_arm_lamp = 0, mcp_vnav_lamp = 0, mcp_lvl_chg_lamp = 0, mcp_hdg_sel_lamp = 0,
               mcp_hdg_hold_lamp = 0, mcp_lnav_lamp = 0, mcp_vor_loc_lamp = 0, mcp_app_lamp = 0,
               mcp_alt_hold_lamp = 0, mcp_vs_lamp = 0, mcp_cmd_a_lamp = 0, mcp_cmd_b_lamp = 0, mcp_cws_a_lamp = 0,
               mcp_cws_b_lamp = 0;
};

class CockpitStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCockpitState();
    a737.fill(1);  // unpowered: bytes 101-104 all non-zero
    a777.fill(0);
  }
  void Store737() { StoreData737(a737.data()); }
  void Store777() { StoreData777(a777.data()); }
  Panel Update737() {
    Store737();
    UpdateB737Structure(Cockpit(), panel);
    return panel;
  }
  Panel Update777() {
    Store777();
    UpdateB777Structure(Cockpit(), panel);
    return panel;
  }
  template <class Area>
  static void Put16(Area& area, std::size_t at, std::uint16_t value) {
    area[at] = static_cast<std::uint8_t>(value);
    area[at + 1] = static_cast<std::uint8_t>(value >> 8);
  }
  template <class Area>
  static void PutFloat(Area& area, std::size_t at, float value) {
    std::memcpy(&area[at], &value, sizeof value);
  }

  AddonData737 a737;
  AddonData777 a777;
  Panel panel;
};

TEST_F(CockpitStateTest, PowerRulesOfThe737AndItsCdus) {
  struct Case {
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;  // over an area of all 1
    std::uint8_t aircraft, captainCdu, firstOfficerCdu;
  };
  const Case cases[] = {
      {{}, 0, 0, 0},
      {{{101, 0}}, 1, 1, 0},
      {{{103, 0}}, 1, 1, 0},
      {{{102, 0}}, 1, 1, 1},
      {{{104, 0}}, 1, 1, 1},
      {{{85, 1}, {93, 0}}, 0, 1, 0},  // the captain's CDU on its own condition
      {{{85, 1}, {93, 1}}, 0, 0, 0},
      {{{85, 2}, {93, 0}}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    for (const auto& [at, value] : c.bytes) a737[at] = value;
    const Panel p = Update737();
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    EXPECT_EQ(p.aircraft_power, c.aircraft);
    EXPECT_EQ(Cockpit().cdu_lamps[kCduCaptain].power, c.captainCdu);
    EXPECT_EQ(Cockpit().cdu_lamps[kCduCaptain].power2, c.captainCdu);
    EXPECT_EQ(Cockpit().cdu_lamps[kCduFirstOfficer].power, c.firstOfficerCdu);
    EXPECT_EQ(Cockpit().cdu_lamps[kCduFirstOfficer].power2, c.firstOfficerCdu);
  }
}

TEST_F(CockpitStateTest, The777IsPoweredOnlyByAOneAndPowersAllThreeCdus) {
  for (const std::uint8_t value : {0, 1, 2, 255}) {
    a777[31] = value;
    const std::uint8_t expected = value == 1 ? 1 : 0;
    EXPECT_EQ(Update777().aircraft_power, expected) << int(value);
    for (const CduLamps& cdu : Cockpit().cdu_lamps) {
      EXPECT_EQ(cdu.power, expected);
      EXPECT_EQ(cdu.power2, expected);
    }
  }
}

TEST_F(CockpitStateTest, WindowValuesKeepTheirWidthsAndSigns) {
  Put16(a737, 256, 359);
  Put16(a737, 258, 65535);
  Put16(a737, 268, 65535);
  Put16(a737, 270, 41000);
  Put16(a737, 272, static_cast<std::uint16_t>(-1200));
  a737[274] = 0;
  Panel p = Update737();
  EXPECT_EQ(p.mcp_course_cpt, 359.0);
  EXPECT_EQ(p.mcp_course_fo, 65535.0);
  EXPECT_EQ(p.mcp_heading, 65535);
  EXPECT_EQ(p.mcp_altitude, 41000);
  EXPECT_EQ(p.mcp_vs, -1200);
  a737[274] = 1;  // blank: the window reads 0 whatever it holds
  EXPECT_EQ(Update737().mcp_vs, 0);

  Put16(a777, 294, 40000);
  Put16(a777, 296, 65000);
  Put16(a777, 298, static_cast<std::uint16_t>(-32768));
  PutFloat(a777, 300, -2.5f);
  a777[316] = 3;
  a777[317] = 1;
  a777[310] = 7;
  p = Update777();
  EXPECT_EQ(p.mcp_heading, 40000);
  EXPECT_EQ(p.mcp_altitude, 65000);
  EXPECT_EQ(p.mcp_vs, -32768);
  EXPECT_EQ(p.mcp_fpa, -2.5);
  EXPECT_EQ(p.mcp_hdg_trk_mode, 3);
  EXPECT_EQ(p.mcp_vs_fpa_mode, 1);
  EXPECT_EQ(p.mcp_alt_change_unit, 7);
  EXPECT_EQ(p.mcp_course_cpt, 359.0);  // the 777 leaves the courses as the 737 set them
  a777[304] = 1;
  EXPECT_EQ(Update777().mcp_vs, 0);
}

TEST_F(CockpitStateTest, SpeedIsKnotsFrom100ElseMachRoundedHalfToEven) {
  struct Case {
    bool is777;
    float speed;
    std::uint8_t machMode;
    std::int32_t shown;  // knots or Mach units
  };
  const Case cases[] = {
      {false, 100.0f, 0, 100},  {false, 99.5f, 1, 9950}, {false, 0.78f, 1, 78},   {false, 100.5f, 0, 100},
      {false, 101.5f, 0, 102},  {false, 0.625f, 1, 62},  {false, 0.375f, 1, 38},  {true, 0.78f, 1, 780},
      {true, 0.8125f, 1, 812}, {true, 250.5f, 0, 250},   {true, 99.0f, 1, 99000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.is777 ? "777 " : "737 ") << c.speed);
    PutFloat(a737, 260, c.speed);
    PutFloat(a777, 288, c.speed);
    const Panel p = c.is777 ? Update777() : Update737();
    EXPECT_EQ(p.mcp_mach_mode, c.machMode);
    EXPECT_EQ(c.machMode == 0 ? p.mcp_ias : p.mcp_mach, c.shown);
  }
}

TEST_F(CockpitStateTest, TheWindowNotWrittenKeepsItsValueAndAnUnshowableSpeedChangesNoWindow) {
  PutFloat(a737, 260, 250.0f);
  Update737();
  PutFloat(a737, 260, 0.78f);
  Panel p = Update737();
  EXPECT_EQ(p.mcp_ias, 250);
  EXPECT_EQ(p.mcp_mach, 78);
  for (const float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 3e38f,
                          -3e38f}) {
    PutFloat(a737, 260, bad);
    p = Update737();
    EXPECT_EQ(p.mcp_ias, 250) << bad;
    EXPECT_EQ(p.mcp_mach, 78) << bad;
  }
}

TEST_F(CockpitStateTest, SpeedWindowBlankAndFlash) {
  a737[264] = 0;
  a737[265] = 0;
  Panel p = Update737();
  EXPECT_EQ(p.mcp_ias_open, 1);
  EXPECT_EQ(p.ias_flash_below, 0.0);
  EXPECT_EQ(p.ias_flash_above, 999.0);
  EXPECT_EQ(p.ias_flash_above2, 999.0);
  a737[264] = 2;
  a737[265] = 9;
  p = Update737();
  EXPECT_EQ(p.mcp_ias_open, 0);
  EXPECT_EQ(p.ias_flash_below, 999.0);

  a777[293] = 1;
  p = Update777();
  EXPECT_EQ(p.mcp_ias_open, 0);
  EXPECT_EQ(p.ias_flash_below, 0.0);  // the 777's window never flashes
}

TEST_F(CockpitStateTest, EachMcpLampFollowsItsByte) {
  struct Case {
    bool is777;
    std::size_t at;
    std::uint8_t Panel::*lamp;
  };
  const Case cases[] = {
      {false, 277, &Panel::mcp_at_arm_lamp},   {false, 283, &Panel::mcp_n1_lamp},
      {false, 284, &Panel::mcp_speed_lamp},    {false, 285, &Panel::mcp_vnav_lamp},
      {false, 286, &Panel::mcp_lvl_chg_lamp},  {false, 287, &Panel::mcp_hdg_sel_lamp},
      {false, 288, &Panel::mcp_lnav_lamp},     {false, 289, &Panel::mcp_vor_loc_lamp},
      {false, 290, &Panel::mcp_app_lamp},      {false, 291, &Panel::mcp_alt_hold_lamp},
      {false, 292, &Panel::mcp_vs_lamp},       {false, 293, &Panel::mcp_cmd_a_lamp},
      {false, 294, &Panel::mcp_cws_a_lamp},    {false, 295, &Panel::mcp_cmd_b_lamp},
      {false, 296, &Panel::mcp_cws_b_lamp},    {true, 336, &Panel::mcp_cmd_a_lamp},
      {true, 338, &Panel::mcp_speed_lamp},     {true, 339, &Panel::mcp_lnav_lamp},
      {true, 340, &Panel::mcp_vnav_lamp},      {true, 341, &Panel::mcp_lvl_chg_lamp},
      {true, 342, &Panel::mcp_hdg_hold_lamp},  {true, 343, &Panel::mcp_vs_lamp},
      {true, 344, &Panel::mcp_alt_hold_lamp},  {true, 345, &Panel::mcp_vor_loc_lamp},
      {true, 346, &Panel::mcp_app_lamp},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.is777 ? "777 byte " : "737 byte ") << c.at);
    SetUp();
    a737.fill(0);
    Panel before = c.is777 ? Update777() : Update737();
    EXPECT_EQ(before.*c.lamp, 0);
    (c.is777 ? a777[c.at] : a737[c.at]) = 5;  // raw bytes of the area
    const Panel after = c.is777 ? Update777() : Update737();
    EXPECT_EQ(after.*c.lamp, 5);
    // Nothing else of the block moved, but the autothrottle mode the N1 and SPEED lamps set.
    Panel expected = after;
    expected.*c.lamp = before.*c.lamp;
    expected.mcp_at_mode = before.mcp_at_mode;
    EXPECT_EQ(std::memcmp(&expected, &before, sizeof before), 0);
  }
  a737.fill(0);
  a737[280] = 3;
  a737[281] = 200;
  const Panel p = Update737();
  EXPECT_EQ(p.mcp_fd_lamp_cpt, 3);
  EXPECT_EQ(p.mcp_fd_lamp_fo, 200);
}

TEST_F(CockpitStateTest, AutothrottleModeFromN1ThenSpeedAndKeptWithNeither) {
  a737.fill(0);
  a737[283] = 1;
  EXPECT_EQ(Update737().mcp_at_mode, 1);
  a737[284] = 1;
  EXPECT_EQ(Update737().mcp_at_mode, 7);
  a737[283] = 0;
  a737[284] = 0;
  EXPECT_EQ(Update737().mcp_at_mode, 7);
  a737[283] = 1;
  Update737();
  // The 777 does not write the N1 lamp: the 737's lit lamp still sets mode 1.
  EXPECT_EQ(Update777().mcp_at_mode, 1);
}

TEST_F(CockpitStateTest, CduLampBytes) {
  struct Case {
    bool is777;
    std::size_t at;
    std::size_t cdu;
    std::uint8_t CduLamps::*lamp;
  };
  const Case cases[] = {
      {false, 377, kCduCaptain, &CduLamps::lamp1},      {false, 378, kCduFirstOfficer, &CduLamps::lamp1},
      {false, 379, kCduCaptain, &CduLamps::lamp2},      {false, 380, kCduFirstOfficer, &CduLamps::lamp2},
      {false, 381, kCduCaptain, &CduLamps::lamp4},      {false, 382, kCduFirstOfficer, &CduLamps::lamp4},
      {false, 383, kCduCaptain, &CduLamps::lamp3},      {false, 384, kCduFirstOfficer, &CduLamps::lamp3},
      {false, 385, kCduCaptain, &CduLamps::lamp5},      {false, 386, kCduFirstOfficer, &CduLamps::lamp5},
      {true, 377, kCduCaptain, &CduLamps::lamp1},       {true, 378, kCduFirstOfficer, &CduLamps::lamp1},
      {true, 379, kCduObserver, &CduLamps::lamp1},      {true, 380, kCduCaptain, &CduLamps::lamp2},
      {true, 381, kCduFirstOfficer, &CduLamps::lamp2},  {true, 382, kCduObserver, &CduLamps::lamp2},
      {true, 383, kCduCaptain, &CduLamps::lamp4},       {true, 384, kCduFirstOfficer, &CduLamps::lamp4},
      {true, 385, kCduObserver, &CduLamps::lamp4},      {true, 386, kCduCaptain, &CduLamps::lamp3},
      {true, 387, kCduFirstOfficer, &CduLamps::lamp3},  {true, 388, kCduObserver, &CduLamps::lamp3},
      {true, 389, kCduCaptain, &CduLamps::lamp5},       {true, 390, kCduFirstOfficer, &CduLamps::lamp5},
      {true, 391, kCduObserver, &CduLamps::lamp5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.is777 ? "777 byte " : "737 byte ") << c.at);
    SetUp();
    a737.fill(0);
    (c.is777 ? a777[c.at] : a737[c.at]) = 0x80;
    c.is777 ? Store777() : Store737();
    for (std::size_t cdu = 0; cdu < 3; ++cdu) {
      for (std::uint8_t CduLamps::*lamp :
           {&CduLamps::lamp1, &CduLamps::lamp2, &CduLamps::lamp3, &CduLamps::lamp4, &CduLamps::lamp5}) {
        const std::uint8_t expected = cdu == c.cdu && lamp == c.lamp ? 1 : 0;
        EXPECT_EQ(Cockpit().cdu_lamps[cdu].*lamp, expected) << "cdu " << cdu;
      }
    }
  }
}

TEST_F(CockpitStateTest, The737LeavesTheObserverCdu) {
  a777[31] = 1;
  a777[379] = 1;
  Store777();
  Store737();
  EXPECT_EQ(Cockpit().cdu_lamps[kCduObserver].power, 1);
  EXPECT_EQ(Cockpit().cdu_lamps[kCduObserver].lamp1, 1);
}

}  // namespace
}  // namespace aircraft_test
