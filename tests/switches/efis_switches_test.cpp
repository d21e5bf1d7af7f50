// The EFIS control panels (captain 330B, first officer 330C): the commands per side, setting, aircraft,
// switch and state; the VOR/ADF contact check; labels and the assignment capture.
#include <gtest/gtest.h>

#include "tests/switches/fake_switch_host.h"

namespace switches_test {
namespace {

using Strings = std::vector<std::string>;

// Which settings a case turns on.
enum Setting : unsigned {
  kNone = 0,
  kBaroReverse = 1,
  kMinsReverse = 2,
  kMinsDirection = 4,
  kBaroDirection = 8,
  kLink = 16,
  kRangeOption1 = 32,
};

struct Case {
  const char* model;
  bool is777;
  unsigned settings;
  std::int32_t sw;
  std::int32_t state;
  Strings expected;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
  return out << c.model << (c.is777 ? "/777 " : "/737 ") << "settings " << c.settings << " switch " << c.sw
             << (c.state ? " close" : " open");
}

aircraft::EfisSettings SettingsOf(unsigned bits) {
  aircraft::EfisSideSettings side{(bits & kBaroReverse) != 0, (bits & kMinsReverse) != 0,
                                  (bits & kMinsDirection) != 0, (bits & kBaroDirection) != 0};
  aircraft::EfisSettings s;
  s.captain = side;
  s.first_officer = side;
  s.link_cpt_mins_mode_to_fo = (bits & kLink) != 0;
  s.map_range_option_777 = (bits & kRangeOption1) != 0 ? 1 : 0;
  return s;
}

TEST(EfisPanels, CommandsPerSideSettingAndSwitch) {
  const Case cases[] = {
      {"330B", false, kNone, 5, 1, {"CAPT_BARO_INS_HPA=1"}},
      {"330B", false, kBaroReverse, 5, 1, {"CAPT_BARO_INS_HPA=0"}},
      {"330B", false, kNone, 6, 1, {"CAPT_BARO_INS_HPA=0"}},
      {"330C", false, kBaroReverse, 6, 1, {"FO_BARO_INS_HPA=1"}},
      {"330B", false, kNone, 5, 0, {}},
      {"330B", false, kNone, 7, 1, {"MINIMUMS_MODE_CPT=0"}},
      {"330B", false, kMinsReverse, 8, 1, {"MINIMUMS_MODE_CPT=0"}},
      {"330C", false, kNone, 8, 1, {"MINIMUMS_MODE_FO=1"}},
      {"330C", false, kLink, 7, 1, {"MINIMUMS_MODE_FO=0", "MINIMUMS_MODE_CPT=0"}},
      {"330C", false, kLink | kMinsReverse, 7, 1, {"MINIMUMS_MODE_FO=1", "MINIMUMS_MODE_CPT=1"}},
      {"330B", false, kLink, 7, 1, {"MINIMUMS_MODE_CPT=0"}},
      {"330B", true, kNone, 9, 1, {"ND_CAPTAIN_WXR=2"}},
      {"330C", false, kNone, 15, 1, {"ND_FO_TER=2"}},
      {"330B", false, kNone, 16, 1, {}},
      {"330B", false, kNone, 17, 1, {"ND_CAPTAIN_FPV=2"}},
      {"330C", false, kNone, 20, 1, {"ND_FO_TFC=2"}},
      {"330B", false, kNone, 21, 1, {"MF=530"}},
      {"330C", false, kNone, 21, 1, {"MF=532"}},
      {"330B", false, kNone, 22, 1, {"STD_SET_CAPT=2"}},
      {"330C", false, kNone, 22, 1, {"STD_SET_FO=2"}},
      {"330B", false, kNone, 23, 1, {}},
      {"330B", false, kNone, 33, 1, {"ND_CAPTAIN_MODE=3"}},
      {"330C", false, kNone, 36, 1, {"ND_FO_MODE=0"}},
      {"330B", false, kNone, 37, 1, {}},
      {"330B", false, kNone, 41, 1, {"MINIMUMS_INCREASE=10"}},
      {"330B", false, kMinsDirection, 41, 1, {"MINIMUMS_DECREASE=10"}},
      {"330B", false, kMinsDirection, 42, 1, {"MINIMUMS_INCREASE=10"}},
      {"330C", true, kNone, 42, 1, {"MINIMUMS_FO_DECREASE=10"}},
      {"330C", false, kMinsDirection, 41, 1, {"MINIMUMS_FO_DECREASE=10"}},
      {"330B", false, kNone, 43, 1, {"CAPT_BARO_INCREASE=1"}},
      {"330B", false, kBaroDirection, 43, 1, {"CAPT_BARO_DECREASE=1"}},
      {"330C", false, kBaroDirection, 44, 1, {"FO_BARO_INCREASE=1"}},
      {"330B", false, kNone, 41, 0, {}},
      {"330B", false, kNone, 45, 1, {}},
      // The range selector: the 737's positions, kept with the 777 by range option 1, shifted otherwise.
      {"330B", false, kNone, 25, 1, {"ND_CAPTAIN_RANGE=0"}},
      {"330C", false, kNone, 32, 1, {"ND_FO_RANGE=7"}},
      {"330B", true, kRangeOption1, 25, 1, {"ND_CAPTAIN_RANGE=0"}},
      {"330B", true, kRangeOption1, 32, 1, {"ND_CAPTAIN_RANGE=7"}},
      {"330B", true, kNone, 25, 1, {}},
      {"330B", true, kNone, 26, 1, {"ND_CAPTAIN_RANGE=0"}},
      {"330B", true, kNone, 32, 1, {"ND_CAPTAIN_RANGE=6"}},
      {"330C", true, kNone, 25, 1, {"ND_FO_RANGE=0"}},
      {"330C", true, kNone, 26, 1, {"ND_FO_RANGE=0"}},
      {"330C", true, kNone, 27, 1, {"ND_FO_RANGE=1"}},
      {"330B", false, kNone, 25, 0, {}},
  };
  for (const Case& c : cases) {
    FakeClock clock;
    FakeSwitchHost host;
    host.is777 = c.is777;
    host.efis = SettingsOf(c.settings);
    host.slots = {{5, "BOARD", c.model}};
    aircraft::ProcessSwitch(host, 5, c.sw, c.state);
    EXPECT_EQ(host.commands, c.expected) << c;
    // These boards have no outputs here.
    EXPECT_TRUE(host.segments.empty() && host.leds.empty() && host.ledPasses.empty()) << c;
  }
}

struct SelectorStep {
  std::int32_t sw;
  std::int32_t state;
  bool closedNow;  // the contact as read back
  Strings expected;
};

TEST(EfisPanels, VorAdfSelectorsReadTheirContactsBack) {
  // Left selector of the captain's panel: position 1, back to OFF, position 2, back to OFF; and position 2
  // opening while position 1 reads closed (the knob went on to position 1) ends silently.
  const SelectorStep steps[] = {
      {1, 1, true, {"ND_CAPTAIN_RADIO_L=1"}},
      {1, 0, false, {"ND_CAPTAIN_RADIO_L=0"}},
      {2, 1, true, {"ND_CAPTAIN_RADIO_L=2"}},
      {2, 0, false, {"ND_CAPTAIN_RADIO_L=0"}},
      {3, 1, true, {"ND_CAPTAIN_RADIO_R=1"}},
      {4, 0, false, {}},
      {3, 0, false, {"ND_CAPTAIN_RADIO_R=0"}},
      {4, 1, true, {"ND_CAPTAIN_RADIO_R=2"}},
  };
  FakeClock clock;
  FakeSwitchHost host;
  host.slots = {{5, "BOARD", "330B"}};
  for (const SelectorStep& s : steps) {
    host.commands.clear();
    host.labels.clear();
    host.lastInput = {"kept", 1, 1};
    host.contacts[s.sw] = s.closedNow;
    aircraft::ProcessSwitch(host, 5, s.sw, s.state);
    EXPECT_EQ(host.commands, s.expected) << s.sw << "/" << s.state;
    if (s.expected.empty()) {
      // Ended at once: no label, capture kept.
      EXPECT_EQ(host.lastInput.board, "kept");
      EXPECT_EQ(host.Label(aircraft::SwitchLabel::kLastInput), "<unset>");
    }
  }
}

TEST(EfisPanels, EachSideKeepsItsOwnSelectorFlags) {
  // The captain's position 1 stays closed; the first officer's position 2 opening still sends its 0.
  FakeClock clock;
  FakeSwitchHost host;
  host.slots = {{5, "CA", "330B"}, {6, "FO", "330C"}};
  host.contacts = {{1, true}};
  aircraft::ProcessSwitch(host, 5, 1, 1);
  host.contacts = {{2, false}};
  aircraft::ProcessSwitch(host, 6, 2, 0);
  EXPECT_EQ(host.commands, (Strings{"ND_CAPTAIN_RADIO_L=1", "ND_FO_RADIO_L=0"}));
  EXPECT_EQ(host.mcp.rescan_pair_flag, (std::array<bool, 4>{true, false, false, false}));
  // A failed read counts as open.
  host.contacts.clear();
  aircraft::ProcessSwitch(host, 6, 3, 1);
  EXPECT_FALSE(host.mcp.rescan_pair_flag[3]);
}

TEST(EfisPanels, LabelsAndCapture) {
  struct {
    const char* model;
    std::int32_t state;
    const char* label;
  } cases[] = {{"330B", 1, "EFIS CA - Input: 43 ON"},
               {"330B", 0, "<unset>"},
               {"330C", 1, "EFIS FO - Input: 43 ON"},
               {"330C", 0, "EFIS FO - Input: 43 OFF"}};
  for (const auto& c : cases) {
    FakeClock clock;
    FakeSwitchHost host;
    host.slots = {{5, "BOARD", c.model}};
    host.lastInput = {"kept", 3, 1};
    aircraft::ProcessSwitch(host, 5, 43, c.state);
    EXPECT_EQ(host.Label(aircraft::SwitchLabel::kLastInput), c.label) << c.model << c.state;
    EXPECT_EQ(host.lastInput.board, "") << c.model << c.state;
    EXPECT_TRUE(host.familyRuns.empty() && host.assignmentRuns.empty());
  }
}

}  // namespace
}  // namespace switches_test
