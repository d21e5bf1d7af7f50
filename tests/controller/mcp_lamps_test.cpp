// The lamps of every mode-control model from the cockpit state: which lamp follows which field, the
// backlights, the dark set without power, the hidden A/T arm test and the family lamp test.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "controller/app/mcp_lamps.h"
#include "output_recorder.h"

namespace trelvik::testing {
namespace {

constexpr std::int32_t kSession = 7;

PanelState Powered() {
  PanelState p;
  p.aircraft_power = 1;
  return p;
}

OutputRecorder Write(const std::string& model, const PanelState& panel, LampConditions conditions = {}) {
  OutputRecorder out;
  bool atArm = false;
  EXPECT_TRUE(WriteMcpLamps(model, kSession, panel, conditions, out, atArm));
  return out;
}

std::set<int> Lit(const OutputRecorder& out) {
  const std::vector<int> lit = out.LitLeds();
  return {lit.begin(), lit.end()};
}

std::set<int> Range(int first, int last, int step = 1) {
  std::set<int> leds;
  for (int led = first; led <= last; led += step) leds.insert(led);
  return leds;
}

std::set<int> Union(std::initializer_list<std::set<int>> parts) {
  std::set<int> all;
  for (const auto& part : parts) all.insert(part.begin(), part.end());
  return all;
}

TEST(McpLamps, WithEveryLampOffOnlyTheBacklightsAndFixedLampsLight) {
  struct Case {
    const char* model;
    bool b777;
    std::set<int> lit;
  } cases[] = {
      {"330A", false, Union({Range(193, 219, 2), Range(233, 248)})},
      {"330A", true, Union({Range(193, 215, 2), {194, 217, 223, 227, 231}, Range(233, 248)})},
      {"330F", false, Union({Range(209, 215), Range(217, 223), Range(233, 248)})},
      {"330F", true, Union({Range(209, 215), Range(217, 223), Range(233, 248)})},
      {"3404", false, Union({Range(209, 215), Range(217, 223), Range(233, 240)})},
      {"3311", true, Union({Range(209, 215), Range(217, 223), Range(233, 240)})},
      {"3403", true, Union({Range(129, 141), Range(161, 184), {143, 185, 187, 189}})},
      {"3327", false, Union({Range(129, 141), Range(161, 184), {143, 185, 187, 189}})},
      {"3310", false, {}},
  };
  for (const Case& c : cases) {
    LampConditions conditions;
    conditions.b777 = c.b777;
    EXPECT_EQ(Lit(Write(c.model, Powered(), conditions)), c.lit) << c.model << (c.b777 ? " 777" : " 737");
  }
}

// Each field lights its lamps (and darkens the "not" lamp of a pair) on each model.
TEST(McpLamps, EachFieldDrivesItsLampsOnEachModel) {
  using Set = std::function<void(PanelState&)>;
  struct Case {
    const char* model;
    bool b777;
    const char* field;
    Set set;
    std::set<int> lights;
    std::set<int> darkens;
    std::map<int, int> lines;
  };
  const Set n1 = [](PanelState& p) { p.mcp_at_mode = 1; };
  const Set speedMode = [](PanelState& p) { p.mcp_at_mode = 7; };
  const Set cmdA = [](PanelState& p) { p.mcp_cmd_a_lamp = 1; };
  const Set cmdB = [](PanelState& p) { p.mcp_cmd_b_lamp = 1; };
  const Set cwsA = [](PanelState& p) { p.mcp_cws_a_lamp = 1; };
  const Set cwsB = [](PanelState& p) { p.mcp_cws_b_lamp = 1; };
  const Set vs = [](PanelState& p) { p.mcp_vs_lamp = 1; };
  const Set altHold = [](PanelState& p) { p.mcp_alt_hold_lamp = 1; };
  const Set app = [](PanelState& p) { p.mcp_app_lamp = 1; };
  const Set vorLoc = [](PanelState& p) { p.mcp_vor_loc_lamp = 1; };
  const Set hdgSel = [](PanelState& p) { p.mcp_hdg_sel_lamp = 1; };
  const Set hdgHold = [](PanelState& p) { p.mcp_hdg_hold_lamp = 1; };
  const Set vnav = [](PanelState& p) { p.mcp_vnav_lamp = 1; };
  const Set lnav = [](PanelState& p) { p.mcp_lnav_lamp = 1; };
  const Set lvlChg = [](PanelState& p) { p.mcp_lvl_chg_lamp = 1; };
  const Set fdCpt = [](PanelState& p) { p.mcp_fd_lamp_cpt = 256; };  // a 16-bit value lit by its high byte
  const Set fdFo = [](PanelState& p) { p.mcp_fd_lamp_fo = 1; };
  const Set atArm = [](PanelState& p) { p.mcp_at_arm_lamp = 1; };
  const Set mach = [](PanelState& p) { p.mcp_mach_mode = 1; };
  const Set track = [](PanelState& p) { p.mcp_hdg_trk_mode = 1; };
  const Set fpa = [](PanelState& p) { p.mcp_vs_fpa_mode = 1; };
  const Set speedLamp = [](PanelState& p) { p.mcp_speed_lamp = 1; };
  const Set n1Lamp = [](PanelState& p) { p.mcp_n1_lamp = 1; };
  const Case cases[] = {
      {"330A", false, "N1", n1, {194}, {}, {}},
      {"330A", false, "SPEED", speedMode, {196}, {}, {}},
      {"330A", false, "CMD B", cmdB, {198}, {}, {}},
      {"330A", false, "CMD A", cmdA, {200}, {}, {}},
      {"330A", false, "V/S", vs, {202}, {}, {}},
      {"330A", false, "ALT HOLD", altHold, {204}, {}, {}},
      {"330A", false, "APP", app, {206}, {}, {}},
      {"330A", false, "VOR LOC", vorLoc, {208}, {}, {}},
      {"330A", false, "HDG SEL", hdgSel, {210}, {}, {}},
      {"330A", false, "VNAV", vnav, {212}, {}, {}},
      {"330A", false, "LNAV", lnav, {214}, {}, {}},
      {"330A", false, "LVL CHG", lvlChg, {216}, {}, {}},
      {"330A", false, "CWS A", cwsA, {218}, {}, {}},
      {"330A", false, "CWS B", cwsB, {220}, {}, {}},
      {"330A", false, "FD CPT", fdCpt, {227}, {}, {}},
      {"330A", false, "FD FO", fdFo, {229}, {}, {}},
      {"330A", false, "A/T ARM", atArm, {231, 277}, {}, {{16, 1}}},
      {"330A", true, "N1 (none on the 777)", n1, {}, {}, {}},
      {"330A", true, "SPEED", speedMode, {196}, {}, {}},
      {"330A", true, "A/P", cmdA, {198, 200}, {}, {}},
      {"330A", true, "HDG HOLD", hdgHold, {210}, {}, {}},
      {"330A", true, "LVL CHG", lvlChg, {216}, {}, {}},
      {"330A", true, "TRK", track, {218}, {217}, {}},
      {"330A", true, "MACH", mach, {224}, {223}, {}},
      {"330A", true, "FPA", fpa, {232}, {231}, {}},
      {"330A", true, "A/T ARM (no lamp on the 777)", atArm, {}, {}, {}},
      {"330F", false, "N1", n1, {193}, {}, {}},
      {"330F", false, "SPEED", speedMode, {194}, {}, {}},
      {"330F", false, "VNAV", vnav, {195}, {}, {}},
      {"330F", false, "LVL CHG", lvlChg, {196}, {}, {}},
      {"330F", false, "HDG SEL", hdgSel, {197}, {}, {}},
      {"330F", false, "LNAV", lnav, {198}, {}, {}},
      {"330F", false, "VOR LOC", vorLoc, {199}, {}, {}},
      {"330F", false, "APP", app, {201}, {}, {}},
      {"330F", false, "ALT HOLD", altHold, {202}, {}, {}},
      {"330F", false, "V/S", vs, {203}, {}, {}},
      {"330F", false, "CMD A", cmdA, {204}, {}, {}},
      {"330F", false, "CWS A", cwsA, {205}, {}, {}},
      {"330F", false, "CMD B", cmdB, {206}, {}, {}},
      {"330F", false, "CWS B", cwsB, {207}, {}, {}},
      {"330F", false, "FD CPT", fdCpt, {225}, {}, {}},
      {"330F", false, "FD FO", fdFo, {227}, {}, {}},
      {"330F", true, "A/T ARM", atArm, {226, 277}, {}, {{1, 1}, {2, 1}}},
      {"3404", false, "N1", n1, {193}, {}, {}},
      {"3404", false, "CWS B", cwsB, {207}, {}, {}},
      {"3311", false, "FD CPT", fdCpt, {225}, {}, {}},
      {"3311", false, "FD FO", fdFo, {226}, {}, {}},
      {"3404", true, "A/T ARM", atArm, {227}, {}, {{5, 1}}},
      {"3403", true, "A/P", cmdA, {145, 155}, {}, {}},
      {"3403", true, "SPEED lamp", speedLamp, {146}, {}, {}},
      {"3403", true, "LNAV", lnav, {147}, {}, {}},
      {"3327", true, "VNAV", vnav, {148}, {}, {}},
      {"3327", true, "FLCH", lvlChg, {149}, {}, {}},
      {"3327", true, "HDG HOLD", hdgHold, {150}, {}, {}},
      {"3327", true, "V/S", vs, {151}, {}, {}},
      {"3327", true, "ALT HOLD", altHold, {152}, {}, {}},
      {"3327", true, "LOC", vorLoc, {153}, {}, {}},
      {"3327", true, "APP", app, {154}, {}, {}},
      {"3403", false, "MACH", mach, {186}, {185}, {}},
      {"3403", true, "TRK", track, {190}, {189}, {}},
      {"3403", true, "FPA", fpa, {188}, {187}, {}},
      {"3310", false, "N1 lamp itself", n1Lamp, {195}, {}, {}},
      {"3310", false, "N1 mode (no lamp)", n1, {}, {}, {}},
      {"3310", false, "SPEED", speedMode, {196}, {}, {}},
      {"3310", false, "VNAV", vnav, {199}, {}, {}},
      {"3310", false, "LVL CHG", lvlChg, {201}, {}, {}},
      {"3310", false, "HDG SEL", hdgSel, {202}, {}, {}},
      {"3310", false, "LNAV", lnav, {203}, {}, {}},
      {"3310", false, "VOR LOC", vorLoc, {204}, {}, {}},
      {"3310", false, "APP", app, {205}, {}, {}},
      {"3310", false, "ALT HOLD", altHold, {206}, {}, {}},
      {"3310", false, "V/S", vs, {207}, {}, {}},
      {"3310", false, "CMD A", cmdA, {210}, {}, {}},
      {"3310", false, "CMD B", cmdB, {211}, {}, {}},
      {"3310", false, "CWS A", cwsA, {212}, {}, {}},
      {"3310", false, "CWS B", cwsB, {213}, {}, {}},
      {"3310", false, "A/T ARM", atArm, {194, 277}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.model) + (c.b777 ? " 777 " : " 737 ") + c.field);
    LampConditions conditions;
    conditions.b777 = c.b777;
    const std::set<int> before = Lit(Write(c.model, Powered(), conditions));
    PanelState panel = Powered();
    c.set(panel);
    const OutputRecorder after = Write(c.model, panel, conditions);
    std::set<int> lights, darkens;
    const std::set<int> now = Lit(after);
    std::set_difference(now.begin(), now.end(), before.begin(), before.end(), std::inserter(lights, lights.end()));
    std::set_difference(before.begin(), before.end(), now.begin(), now.end(), std::inserter(darkens, darkens.end()));
    EXPECT_EQ(lights, c.lights);
    EXPECT_EQ(darkens, c.darkens);
    for (const auto& [line, state] : c.lines) EXPECT_EQ(after.lines.at(line), state) << "data line " << line;
  }
}

TEST(McpLamps, TheNoPowerSetDarkensTheWholeRangeAndOnlyThe330ADataLines) {
  struct Case {
    const char* model;
    int last;
    std::map<int, int> lines;
  } cases[] = {{"330A", 255, {{1, 0}, {2, 0}}}, {"330F", 255, {}}, {"3404", 255, {}}, {"3311", 255, {}},
               {"3403", 255, {}},               {"3327", 255, {}}, {"3310", 256, {}}};
  for (const Case& c : cases) {
    PanelState panel;  // no power, every lamp field set
    panel.mcp_at_arm_lamp = panel.mcp_cmd_a_lamp = panel.mcp_vs_lamp = 1;
    panel.mcp_at_mode = 7;
    const OutputRecorder out = Write(c.model, panel);
    EXPECT_EQ(out.Leds(1, c.last), std::vector<int>(c.last, 0)) << c.model;
    EXPECT_EQ(out.leds.size(), static_cast<std::size_t>(c.last)) << c.model;
    EXPECT_EQ(out.lines, c.lines) << c.model;  // the 330A's data line 16 keeps its last state
  }
}

TEST(McpLamps, TheHiddenArmTestLightsOnlyTheArmOutputsOfThe330AAnd330F) {
  LampConditions test;
  test.at_test = true;
  test.family_test = true;  // the arm test comes first
  OutputRecorder ctrl = Write("330A", PanelState{}, test);
  EXPECT_EQ(ctrl.leds, (std::map<int, int>{{231, 1}, {277, 1}}));
  EXPECT_EQ(ctrl.lines, (std::map<int, int>{{16, 1}}));
  EXPECT_TRUE(ctrl.tests.empty());
  OutputRecorder haldor = Write("330F", PanelState{}, test);
  EXPECT_EQ(haldor.leds, (std::map<int, int>{{226, 1}, {277, 1}}));
  EXPECT_EQ(haldor.lines, (std::map<int, int>{{1, 1}, {2, 1}}));
  // The other models have no arm test: they go on to the family test.
  EXPECT_EQ(Write("3404", PanelState{}, test).tests, std::vector<int>{0});
}

TEST(McpLamps, TheFamilyTestFlashesEveryModelWithThePhaseAndWritesNoLamp) {
  for (const char* model : kMcpModels) {
    for (std::uint8_t phase : {0, 1}) {
      LampConditions test;
      test.family_test = true;
      test.phase = phase;
      const OutputRecorder out = Write(model, Powered(), test);
      EXPECT_EQ(out.tests, std::vector<int>{phase}) << model;
      EXPECT_TRUE(out.leds.empty() && out.lines.empty()) << model;
    }
  }
}

TEST(McpLamps, HeadingTrackReverseSwapsThe330ALampsAndThe3404SetsTheArmIndicator) {
  LampConditions b777;
  b777.b777 = true;
  b777.hdg_trk_reverse = true;
  PanelState panel = Powered();
  EXPECT_EQ(Write("330A", panel, b777).Leds(217, 218), (std::vector<int>{0, 1}));
  panel.mcp_hdg_trk_mode = 1;
  EXPECT_EQ(Write("330A", panel, b777).Leds(217, 218), (std::vector<int>{1, 0}));

  OutputRecorder out;
  bool atArm = false;
  panel.mcp_at_arm_lamp = 1;
  WriteMcpLamps("3404", kSession, panel, {}, out, atArm);
  EXPECT_TRUE(atArm);
  panel.mcp_at_arm_lamp = 0;
  WriteMcpLamps("3311", kSession, panel, {}, out, atArm);
  EXPECT_FALSE(atArm);
  EXPECT_FALSE(WriteMcpLamps("3302", kSession, panel, {}, out, atArm));
}

TEST(McpLamps, EfisPanelsFlashWithThePhaseGoDarkWithoutPowerAndLightOtherwise) {
  OutputRecorder flash, dark, lit;
  WriteEfisLamps(kSession, Powered(), true, 1, flash);
  WriteEfisLamps(kSession, PanelState{}, false, 1, dark);
  WriteEfisLamps(kSession, Powered(), false, 0, lit);
  EXPECT_EQ(flash.Leds(1, 17), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, -1}));
  EXPECT_EQ(dark.Leds(1, 17), std::vector<int>(17, 0));
  EXPECT_EQ(lit.Leds(1, 17), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, -1}));
}

}  // namespace
}  // namespace trelvik::testing
