// The mode-control panels' switch tables: exact command strings per model, aircraft, switch and state,
// and the tail every event of these boards runs.
#include <gtest/gtest.h>

#include "tests/switches/fake_switch_host.h"

namespace switches_test {
namespace {

using Strings = std::vector<std::string>;

struct Case {
  const char* model;
  bool is777;
  std::int32_t sw;
  std::int32_t state;
  Strings expected;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
  return out << c.model << (c.is777 ? "/777 " : "/737 ") << c.sw << (c.state ? " close" : " open");
}

Strings CommandsOf(const std::string& model, bool is777, std::int32_t sw, std::int32_t state) {
  FakeClock clock;
  FakeSwitchHost host;
  host.is777 = is777;
  host.slots = {{5, "BOARD", model}};
  aircraft::ProcessSwitch(host, 5, sw, state);
  return host.commands;
}

TEST(McpTables, CommandsPerModelAircraftSwitchAndState) {
  const Case cases[] = {
      // CTRL MCP: the 777 inverts the flight directors and arms and has its own rows.
      {"330A", false, 1, 1, {"MCP_KILL=1"}},
      {"330A", false, 1, 0, {"MCP_KILL=0"}},
      {"330A", false, 2, 1, {"MCP_FLTDIR_L=1"}},
      {"330A", true, 2, 1, {"MCP_FLTDIR_L=0"}},
      {"330A", true, 3, 0, {"MCP_FLTDIR_R=1"}},
      {"330A", false, 4, 0, {"MCP_AUTOTHROTTLE_ARM_L=0"}},
      {"330A", true, 4, 1, {"MCP_TOGGLE_VS_FPA_SELECTOR=1"}},
      {"330A", true, 4, 0, {}},
      {"330A", false, 5, 1, {}},
      {"330A", true, 5, 0, {"MCP_ALTITUDE_CH_UNIT=0"}},
      {"330A", false, 8, 1, {"MCP_ENGAGED_CMD_B=1"}},
      {"330A", true, 8, 1, {"MCP_ENGAGED=1"}},
      {"330A", false, 14, 1, {"MCP_HDG_SELECT_ENGAGED=1"}},
      {"330A", true, 14, 1, {"MCP_HDG_HOLD_ENGAGED=1"}},
      {"330A", false, 22, 1, {"MCP_TOGGLE_SPEED_WINDOW=1"}},
      {"330A", true, 22, 1, {"MCP_HDG_SELECT_ENGAGED=1"}},
      {"330A", true, 23, 1, {"MCP_AUTOTHROTTLE_ARM_L=0"}},
      {"330A", true, 24, 0, {"MCP_AUTOTHROTTLE_ARM_R=1"}},
      {"330A", false, 23, 1, {}},
      {"330A", false, 25, 1, {"MCP_BANK_ANGLE=10"}},
      {"330A", false, 29, 1, {"MCP_BANK_ANGLE=30"}},
      {"330A", true, 25, 1, {"MCP_BANK_ANGLE=30"}},
      {"330A", true, 26, 1, {"MCP_BANK_ANGLE=5"}},
      {"330A", true, 30, 1, {"MCP_BANK_ANGLE=25"}},
      {"330A", false, 30, 1, {}},
      {"330A", true, 35, 1, {"MFD_DISPLAY_POSITION=2"}},
      {"330A", true, 36, 1, {"MFD_DISPLAY=1"}},
      {"330A", true, 47, 1, {"MFD_DISPLAY=12"}},
      {"330A", true, 48, 1, {"EICAS_RECALL=1"}},
      {"330A", true, 57, 1, {}},
      // The 737 panels.
      {"330F", false, 7, 1, {"MCP_TOGGLE_SPEED_WINDOW=1"}},
      {"330F", false, 8, 1, {}},
      {"3311", false, 7, 1, {}},
      {"3311", false, 8, 1, {"MCP_TOGGLE_SPEED_WINDOW=1"}},
      {"3404", false, 7, 1, {"MCP_TOGGLE_SPEED_WINDOW=1"}},
      {"3404", true, 8, 1, {"MCP_TOGGLE_SPEED_WINDOW=1"}},
      {"3310", false, 8, 1, {}},
      {"3310", false, 11, 1, {"MCP_HDG_SELECT_ENGAGED=1"}},
      {"3311", false, 16, 1, {}},
      {"3311", false, 18, 1, {"MCP_ALT_SELECT_ENGAGED=1"}},
      {"330F", false, 18, 1, {}},
      {"3310", false, 18, 1, {}},
      {"330F", false, 22, 0, {"MCP_KILL=0"}},
      {"3310", false, 25, 1, {"MCP_FLTDIR_R=1"}},
      {"3404", false, 30, 1, {"MCP_BANK_ANGLE=30"}},
      {"330F", false, 26, 1, {}},
      {"330F", false, 9, 0, {}},
      // 737-only boards with the 777 selected send nothing.
      {"330F", true, 9, 1, {}},
      {"3311", true, 20, 1, {}},
      // EFIS controls of the mode-control boards.
      {"3311", false, 57, 1, {"MINIMUMS_DECREASE=10"}},
      {"330F", false, 60, 1, {"CAPT_BARO_INCREASE=1"}},
      {"3311", false, 61, 1, {"MINIMUMS_FO_INCREASE=10"}},
      {"3311", false, 62, 1, {"MINIMUMS_FO_DECREASE=10"}},
      {"3404", false, 61, 1, {"MINIMUMS_FO_DECREASE=10"}},
      {"330F", false, 61, 1, {}},
      {"3404", false, 65, 1, {"ND_CAPTAIN_MODE=3"}},
      {"3403", false, 68, 1, {"ND_CAPTAIN_MODE=0"}},
      {"330F", false, 73, 1, {"ND_CAPTAIN_FPV=2"}},
      {"330F", false, 73, 0, {}},
      {"3403", false, 73, 1, {"ND_CAPTAIN_RANGE=0"}},
      {"3327", true, 79, 1, {"ND_CAPTAIN_RANGE=6"}},
      {"3311", false, 77, 1, {"MF=530"}},
      {"3311", false, 79, 0, {"MINIMUMS_MODE_CPT=1"}},
      {"3311", false, 80, 1, {"CAPT_BARO_INS_HPA=1"}},
      {"3403", false, 81, 1, {"MINIMUMS_MODE_CPT=0"}},
      {"3403", false, 82, 0, {"CAPT_BARO_INS_HPA=0"}},
      {"3403", false, 88, 1, {"ND_CAPTAIN_TFC=2"}},
      {"330F", false, 88, 1, {}},
      {"3403", false, 95, 1, {"ND_CAPTAIN_TER=2"}},
      {"330F", false, 96, 1, {"ND_CAPTAIN_RANGE=7"}},
      {"3403", false, 96, 1, {}},
      {"330F", false, 97, 1, {}},
      {"3311", false, 100, 1, {"ND_FO_MODE=0"}},
      {"3404", false, 101, 1, {"ND_FO_RADIO_L=1"}},
      {"3404", false, 102, 0, {"ND_FO_RADIO_L=0"}},
      {"3327", false, 104, 1, {"ND_FO_RADIO_R=2"}},
      {"3311", false, 109, 1, {"MF=532"}},
      {"3311", false, 110, 1, {"STD_SET_FO=2"}},
      {"3404", false, 109, 1, {"ND_FO_CENTRED=2"}},
      {"3311", false, 111, 0, {"MINIMUMS_MODE_FO=1"}},
      {"3311", false, 112, 1, {"FO_BARO_INS_HPA=0"}},
      {"3404", false, 111, 1, {"MINIMUMS_MODE_FO=0"}},
      {"3404", false, 112, 1, {"FO_BARO_INS_HPA=1"}},
      {"3403", false, 111, 1, {"ND_FO_RANGE=6"}},
      {"3403", false, 114, 1, {"FO_BARO_INS_HPA=1"}},
      {"3403", false, 117, 1, {"MF=532"}},
      {"3403", false, 118, 1, {"STD_SET_FO=2"}},
      {"3403", false, 120, 1, {"ND_FO_TFC=2"}},
      {"3403", false, 127, 1, {"ND_FO_TER=2"}},
      {"3311", false, 128, 1, {"ND_FO_RANGE=7"}},
      {"3403", false, 128, 1, {}},
      // The 777 panels, the same for both aircraft.
      {"3403", false, 1, 1, {"MINIMUMS_DECREASE=0"}},
      {"3327", true, 2, 1, {"MINIMUMS_INCREASE=2"}},
      {"3403", true, 3, 1, {"CAPT_BARO_DECREASE=0"}},
      {"3327", false, 4, 1, {"CAPT_BARO_INCREASE=2"}},
      {"3403", false, 17, 1, {"MCP_FLTDIR_L=0"}},
      {"3403", true, 17, 0, {"MCP_FLTDIR_L=1"}},
      {"3327", false, 19, 1, {"MCP_AUTOTHROTTLE_ARM_R=0"}},
      {"3403", false, 25, 1, {"MCP_ENGAGED=1"}},
      {"3403", false, 31, 1, {"MCP_HDG_HOLD_ENGAGED=1"}},
      {"3403", false, 36, 1, {"MCP_ENGAGED=1"}},
      {"3403", false, 38, 1, {}},
      {"3327", false, 38, 0, {"MCP_ALTITUDE_CH_UNIT=0"}},
      {"3327", false, 39, 1, {"MCP_TOGGLE_SPEED_WINDOW=1"}},
      {"3403", false, 43, 1, {"MFD_DISPLAY_POSITION=2"}},
      {"3403", false, 44, 1, {"MFD_DISPLAY=1"}},
      {"3327", false, 55, 1, {"MFD_DISPLAY=12"}},
      {"3327", false, 56, 1, {"EICAS_RECALL=1"}},
      {"3327", false, 58, 1, {"MCP_BANK_ANGLE=5"}},
      {"3327", false, 58, 0, {"MCP_BANK_ANGLE=30"}},
      {"3327", false, 62, 1, {"MCP_BANK_ANGLE=25"}},
      {"3403", false, 58, 1, {}},
      {"3403", false, 63, 1, {"MCP_HDG_SELECT_ENGAGED=1"}},
      {"3403", false, 64, 1, {"MCP_ALT_SELECT_ENGAGED=1"}},
  };
  for (const Case& c : cases) EXPECT_EQ(CommandsOf(c.model, c.is777, c.sw, c.state), c.expected) << c;
}

TEST(McpTables, TailRunsTheModelsLedPassAndLabel) {
  const struct {
    const char* model;
    std::int32_t sw;
    Strings passes;
    const char* label;
  } cases[] = {
      {"330A", 25, {"330A"}, "MCP - Input: 25 ON"},  {"330A", 26, {}, "MCP - Input: 26 ON"},
      {"3311", 3, {"330F"}, "MCP - Input: 3 ON"},    {"3310", 2, {"330A"}, "MCP Eval - Input: 2 ON"},
      {"3404", 64, {"3404"}, "MCP - Input: 64 ON"},  {"3403", 65, {}, "MCP - Input: 65 ON"},
      {"3327", 1, {"3327"}, "MCP - Input: 1 ON"},    {"330F", 200, {}, "MCP - Input: 200 ON"},
  };
  for (const auto& c : cases) {
    FakeClock clock;
    FakeSwitchHost host;
    host.slots = {{5, "BOARD", c.model}};
    host.lastInput = {"x", 2, 1};
    aircraft::ProcessSwitch(host, 5, c.sw, 1);
    EXPECT_EQ(host.ledPasses, c.passes) << c.model << " " << c.sw;
    // The LED pass ends the switch activity at once; otherwise it stays for the idle loop.
    EXPECT_EQ(host.switchActivity, c.passes.empty()) << c.model << " " << c.sw;
    EXPECT_EQ(host.Label(aircraft::SwitchLabel::kLastInput), c.label) << c.model;
    EXPECT_EQ(host.lastInput.board, "") << c.model;
  }
}

TEST(McpTables, SevenThreeSevenOnlyBoardsStillRunTheirTailWithTheTripleSeven) {
  FakeClock clock;
  FakeSwitchHost host;
  host.is777 = true;
  host.slots = {{5, "BOARD", "330F"}};
  aircraft::ProcessSwitch(host, 5, 5, 0);
  EXPECT_TRUE(host.commands.empty());
  EXPECT_EQ(host.ledPasses, (Strings{"330F"}));
  EXPECT_EQ(host.Label(aircraft::SwitchLabel::kLastInput), "MCP - Input: 5 OFF");
}

TEST(McpTables, SpeedModeButtonsLetTheIdleLoopEndTheActivity) {
  FakeClock clock;
  for (const char* model : {"330F", "3311"}) {
    FakeSwitchHost host;
    host.slots = {{5, "BOARD", model}};
    aircraft::ProcessSwitch(host, 5, 6, 1);
    EXPECT_EQ(host.commands, (Strings{"MCP_TOGGLE_MACH_SPEED_SELECTOR=1"}));
    EXPECT_EQ(host.switchActivityTick, clock.now - 10000) << model;
  }
  FakeSwitchHost host;
  host.slots = {{5, "BOARD", "3404"}};
  aircraft::ProcessSwitch(host, 5, 6, 1);
  EXPECT_EQ(host.switchActivityTick, clock.now);
}

// Captain's VOR/ADF selector, left: 69 position 1, 70 position 2.
TEST(McpTables, SelectorMovingFromTwoToOneSendsOnlyTheNewPosition) {
  FakeClock clock;
  FakeSwitchHost host;
  host.slots = {{5, "BOARD", "3404"}};
  host.contacts = {{69, true}, {70, false}};
  aircraft::ProcessSwitch(host, 5, 69, 1);
  host.labels.clear();
  aircraft::ProcessSwitch(host, 5, 70, 0);
  EXPECT_EQ(host.commands, (Strings{"ND_CAPTAIN_RADIO_L=1"}));
  EXPECT_TRUE(host.labels.empty());

  // Position 1 opening to off, then position 2 closing and opening to off again.
  host.contacts = {{69, false}, {70, false}};
  aircraft::ProcessSwitch(host, 5, 69, 0);
  host.contacts[70] = true;
  aircraft::ProcessSwitch(host, 5, 70, 1);
  host.contacts[70] = false;
  aircraft::ProcessSwitch(host, 5, 70, 0);
  EXPECT_EQ(host.commands, (Strings{"ND_CAPTAIN_RADIO_L=1", "ND_CAPTAIN_RADIO_L=0", "ND_CAPTAIN_RADIO_L=2",
                                    "ND_CAPTAIN_RADIO_L=0"}));
  // The right selector keeps its own flag.
  host.contacts = {{71, true}, {72, false}};
  aircraft::ProcessSwitch(host, 5, 71, 1);
  aircraft::ProcessSwitch(host, 5, 72, 0);
  EXPECT_EQ(host.commands.back(), "ND_CAPTAIN_RADIO_R=1");
  EXPECT_EQ(host.mcp.rescan_pair_flag, (std::array<bool, 4>{false, true, false, false}));
}

TEST(McpTables, SelectorBookkeepingRunsEvenWhenTheBoardIsIgnored) {
  FakeClock clock;
  FakeSwitchHost host;
  host.is777 = true;
  host.slots = {{5, "BOARD", "330F"}};
  host.contacts = {{69, true}};
  aircraft::ProcessSwitch(host, 5, 69, 1);
  EXPECT_TRUE(host.commands.empty());
  EXPECT_TRUE(host.mcp.rescan_pair_flag[0]);
}

TEST(McpTables, PushAndTurnKnobs) {
  FakeClock clock;
  FakeSwitchHost host;
  host.slots = {{5, "BOARD", "330F"}};
  // Pushed, turned, released: the mode change and no reset.
  aircraft::ProcessSwitch(host, 5, 77, 1);
  aircraft::ProcessSwitch(host, 5, 57, 1);
  aircraft::ProcessSwitch(host, 5, 77, 0);
  EXPECT_EQ(host.commands, (Strings{"ND_CAPTAIN_RST_PUSH=1", "MINIMUMS_MODE_CPT=0"}));
  // Pushed and released: the reset.
  host.commands.clear();
  aircraft::ProcessSwitch(host, 5, 77, 1);
  aircraft::ProcessSwitch(host, 5, 77, 0);
  EXPECT_EQ(host.commands, (Strings{"ND_CAPTAIN_RST_PUSH=1", "MF=530"}));
  // Turned while not pushed: the value change.
  host.commands.clear();
  aircraft::ProcessSwitch(host, 5, 60, 1);
  aircraft::ProcessSwitch(host, 5, 78, 1);
  aircraft::ProcessSwitch(host, 5, 60, 1);
  aircraft::ProcessSwitch(host, 5, 78, 0);
  EXPECT_EQ(host.commands, (Strings{"CAPT_BARO_INCREASE=1", "ND_CAPTAIN_STD_PUSH=1", "CAPT_BARO_INS_HPA=0"}));

  // First officer's knobs on the HALDOR-VDK board: nothing on the push, the release command on letting go.
  FakeSwitchHost vdk;
  vdk.slots = {{5, "BOARD", "3404"}};
  aircraft::ProcessSwitch(vdk, 5, 108, 1);
  aircraft::ProcessSwitch(vdk, 5, 108, 0);
  aircraft::ProcessSwitch(vdk, 5, 107, 1);
  aircraft::ProcessSwitch(vdk, 5, 62, 1);
  aircraft::ProcessSwitch(vdk, 5, 107, 0);
  aircraft::ProcessSwitch(vdk, 5, 63, 1);
  EXPECT_EQ(vdk.commands, (Strings{"STD_SET_FO=2", "MINIMUMS_MODE_FO=1", "FO_BARO_DECREASE=1"}));

  // A replayed release after start-up (turned flag set beforehand) sends nothing.
  FakeSwitchHost replay;
  replay.slots = {{5, "BOARD", "3403"}};
  replay.pushFlags.mins_turned_while_held_cpt = true;
  aircraft::ProcessSwitch(replay, 5, 85, 0);
  EXPECT_TRUE(replay.commands.empty());
}

TEST(McpTables, OldHaldorBoardsSwapHeadingAndSecondCourse) {
  FakeClock clock;
  FakeSwitchHost host;
  host.slots = {{5, "BOARD", "330F"}};
  host.tuning.old_haldor_mcp = true;
  aircraft::ProcessSwitch(host, 5, 37, 1);
  aircraft::ProcessSwitch(host, 5, 45, 1);
  EXPECT_EQ(host.commands, (Strings{"MCP_HDG_INCREASE=1", "NAV2_RADIO_COURSE_INCREASE=1"}));
  // Only that board.
  FakeSwitchHost other;
  other.slots = {{5, "BOARD", "3311"}};
  other.tuning.old_haldor_mcp = true;
  aircraft::ProcessSwitch(other, 5, 37, 1);
  EXPECT_EQ(other.commands, (Strings{"MCP_HDG_DECREASE=1"}));
}

TEST(McpTables, ElvlBankAngleMode) {
  FakeClock clock;
  const struct {
    std::int32_t limit;
    std::int32_t sw;
    Strings expected;
  } cases[] = {{10, 37, {"MCP_BANK_ANGLE=15"}}, {25, 37, {"MCP_BANK_ANGLE=30"}}, {30, 37, {}},
               {30, 38, {"MCP_BANK_ANGLE=25"}}, {15, 38, {"MCP_BANK_ANGLE=10"}}, {10, 38, {}},
               {0, 37, {}}};
  for (const auto& c : cases) {
    FakeSwitchHost host;
    host.slots = {{5, "BOARD", "3310"}};
    host.mcp.bank_angle_mode = true;
    host.mcp.window_heading = 100;
    host.readback.bank_angle_limit = c.limit;
    aircraft::ProcessSwitch(host, 5, c.sw, 1);
    EXPECT_EQ(host.commands, c.expected) << c.limit << " " << c.sw;
    EXPECT_EQ(host.mcp.window_heading, 100);
    EXPECT_TRUE(host.segments.empty());
  }
  // Switch 11 of the boards that have the mode sets and clears it as its table says.
  const struct {
    const char* model;
    bool afterClose;
    bool afterOpen;
  } modes[] = {{"330F", true, false}, {"3311", true, true}, {"3404", false, false}};
  for (const auto& m : modes) {
    FakeSwitchHost host;
    host.slots = {{5, "BOARD", m.model}};
    aircraft::ProcessSwitch(host, 5, 11, 1);
    EXPECT_EQ(host.mcp.bank_angle_mode, m.afterClose) << m.model;
    aircraft::ProcessSwitch(host, 5, 11, 0);
    EXPECT_EQ(host.mcp.bank_angle_mode, m.afterOpen) << m.model;
  }
}

}  // namespace
}  // namespace switches_test
