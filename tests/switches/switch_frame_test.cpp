// The frame of the switch processing: the entry steps, the CDU keys of the five roles, the order in which
// roles and models claim an event, and the generic path's capture for boards and joysticks.
#include <gtest/gtest.h>

#include "tests/switches/fake_switch_host.h"

namespace switches_test {
namespace {

using aircraft::ProcessSwitch;
using aircraft::SwitchLabel;
using Strings = std::vector<std::string>;

class SwitchFrameTest : public ::testing::Test {
 protected:
  SwitchFrameTest() {
    host.slots = {{3, "3302ABC", "3302"}, {4, "3302DEF", "3302"}, {5, "4C5A111", "4C5A"},
                  {6, "330AXYZ", "330A"}, {7, "9999QQQ", "9999"}};
    host.roles.cdu = {3, 0, 0, 21, 0};  // captain on session 3; the second observer on 21 (no slot)
  }
  FakeClock clock;
  FakeSwitchHost host;
};

TEST_F(SwitchFrameTest, EveryEventIsStampedReportedAndTimed) {
  clock.now = 5000;
  host.prevTick = 4200;
  ProcessSwitch(host, 7, 12, 1);
  EXPECT_TRUE(host.switchActivity);
  EXPECT_EQ(host.switchActivityTick, 5000u);
  EXPECT_EQ(host.statusText, "Switch Received 7 12 1");
  EXPECT_EQ(host.logLines, (Strings{"Switch Received 7 12 1", "Time betwwen last rcvd switch :800"}));
  EXPECT_EQ(host.prevTick, 5000u);
  EXPECT_EQ(host.progress, 1);
}

TEST_F(SwitchFrameTest, CduKeysAreSentOnPressAndKey49OnBothEdges) {
  host.lastInput = {"somebody", 9, 1};
  ProcessSwitch(host, 3, 12, 1);
  ProcessSwitch(host, 3, 12, 0);
  EXPECT_EQ(host.commands, (Strings{"CDU_CAPTAIN_INPUT=12"}));
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "CDU CPT - Input: 12 ON");
  EXPECT_EQ(host.Label(SwitchLabel::kLastBoardCdu), "3302ABC");
  EXPECT_EQ(host.lastInput.board, "");
  EXPECT_EQ(host.lastInput.switch_number, 0);

  ProcessSwitch(host, 3, 49, 1);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "CDU CPT - Input: 49 ON");
  ProcessSwitch(host, 3, 49, 0);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "CDU CPT - Input: 49 OFF");
  EXPECT_EQ(host.commands, (Strings{"CDU_CAPTAIN_INPUT=12", "CDU_CAPTAIN_INPUT=253", "CDU_CAPTAIN_INPUT=254"}));
  EXPECT_TRUE(host.assignmentRuns.empty());
}

TEST_F(SwitchFrameTest, EachRoleHasItsCommandAndTheObserversShareOne) {
  const struct {
    int role;
    const char* command;
    const char* label;
  } cases[] = {{0, "CDU_CAPTAIN_INPUT=7", "CDU CPT - Input: 7 ON"}, {1, "CDU_FO_INPUT=7", "CDU FO - Input: 7 ON"},
               {2, "CDU_OBS_INPUT=7", "CDU OBS - Input: 7 ON"},    {3, "CDU_OBS_INPUT=7", "CDU OBS - Input: 7 ON"},
               {4, "CDU_OBS_INPUT=7", "CDU OBS - Input: 7 ON"}};
  for (const auto& c : cases) {
    FakeSwitchHost h;
    h.roles.cdu[static_cast<std::size_t>(c.role)] = 40;
    ProcessSwitch(h, 40, 7, 1);
    EXPECT_EQ(h.commands, (Strings{c.command})) << c.role;
    EXPECT_EQ(h.Label(SwitchLabel::kLastInput), c.label) << c.role;
    // A role whose board has left the slots is still served, under an unknown name.
    EXPECT_EQ(h.Label(SwitchLabel::kLastBoardCdu), " Unknown Board") << c.role;
  }
}

TEST_F(SwitchFrameTest, CduInNoRoleIsCapturedUnderItsDeviceName) {
  ProcessSwitch(host, 4, 8, 1);
  EXPECT_TRUE(host.commands.empty());
  EXPECT_EQ(host.Label(SwitchLabel::kLastBoardCdu), "3302DEF");
  EXPECT_EQ(host.Label(SwitchLabel::kLastBoardRadio), "");
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "3302DEF - Input: 8 ON");
  EXPECT_EQ(host.lastInput.board, "3302DEF");
  EXPECT_EQ(host.lastInput.switch_number, 8);
  EXPECT_EQ(host.lastInput.state, 1);
  EXPECT_EQ(host.importBoard, "3302DEF");
  EXPECT_EQ(host.assignmentRuns, (Strings{"3302DEF 8 1"}));
  EXPECT_EQ(host.assignOffUnchecks, 1);

  // A release only unchecks assign_off and runs the assignments; the capture stays.
  ProcessSwitch(host, 4, 8, 0);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "3302DEF - Input: 8 ON");
  EXPECT_EQ(host.lastInput.state, 1);
  EXPECT_EQ(host.assignOffUnchecks, 2);
  EXPECT_EQ(host.assignmentRuns, (Strings{"3302DEF 8 1", "3302DEF 8 0"}));
}

TEST_F(SwitchFrameTest, RadioBoardInNoRoleShowsOnTheRadioPage) {
  ProcessSwitch(host, 5, 2, 1);
  EXPECT_EQ(host.Label(SwitchLabel::kLastBoardRadio), "4C5A111");
  EXPECT_EQ(host.Label(SwitchLabel::kLastBoardCdu), "");
}

TEST_F(SwitchFrameTest, JoystickButtonsGoThroughTheGenericPath) {
  ProcessSwitch(host, 10003, 5, 1);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "JOYSTICK 3 - Input: 5 ON");
  EXPECT_EQ(host.lastInput.board, "JOYSTICK 3");
  EXPECT_EQ(host.assignmentRuns, (Strings{"JOYSTICK 3 5 1"}));
  ProcessSwitch(host, 10003, 5, 0);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "JOYSTICK 3 - Input: 5 ON");
  EXPECT_EQ(host.assignmentRuns, (Strings{"JOYSTICK 3 5 1", "JOYSTICK 3 5 0"}));
}

TEST_F(SwitchFrameTest, ImportWizardWaitingTakesTheBoard) {
  host.import_waiting = true;
  ProcessSwitch(host, 7, 1, 0);
  EXPECT_EQ(host.importAssigns, 0);
  ProcessSwitch(host, 7, 1, 1);
  EXPECT_EQ(host.importBoard, "9999QQQ");
  EXPECT_EQ(host.importAssigns, 1);
}

TEST_F(SwitchFrameTest, UnknownSessionChangesOnlyTheEntrySteps) {
  host.lastInput = {"kept", 3, 1};
  ProcessSwitch(host, 44, 2, 1);
  EXPECT_EQ(host.statusText, "Switch Received 44 2 1");
  EXPECT_EQ(host.logLines.size(), 2u);
  EXPECT_EQ(host.progress, 1);
  EXPECT_TRUE(host.labels.empty());
  EXPECT_EQ(host.lastInput.board, "kept");
  EXPECT_TRUE(host.assignmentRuns.empty());
}

TEST_F(SwitchFrameTest, RolesComeBeforeModels) {
  // A mode-control board in the COM1 role is a COM1 radio.
  host.roles.radio[0] = 6;
  ProcessSwitch(host, 6, 1, 1);
  EXPECT_EQ(host.familyRuns, (Strings{"1/0/330A"}));
  EXPECT_TRUE(host.commands.empty());
}

TEST_F(SwitchFrameTest, FamiliesArePickedInOrder) {
  const struct {
    const char* model;
    const char* family;
  } cases[] = {{"3306", "3/0/3306"}, {"3324", "3/1/3324"}, {"3322", "3/2/3322"}};
  for (const auto& c : cases) {
    FakeSwitchHost h;
    h.slots = {{9, "BOARD", c.model}};
    h.lastInput = {"x", 1, 1};
    h.family_handles = false;
    ProcessSwitch(h, 9, 4, 1);
    EXPECT_EQ(h.familyRuns, (Strings{c.family})) << c.model;
    // A family that is not there yet still ends the event as a family does.
    EXPECT_EQ(h.lastInput.board, "") << c.model;
    EXPECT_TRUE(h.assignmentRuns.empty()) << c.model;
  }
  FakeSwitchHost h;
  h.roles.multicom[2] = 9;
  h.roles.transponder = 10;
  h.slots = {{9, "B", "3401"}, {10, "T", "3305"}};
  ProcessSwitch(h, 9, 1, 1);
  ProcessSwitch(h, 10, 1, 1);
  EXPECT_EQ(h.familyRuns, (Strings{"0/2/3401", "2/0/3305"}));
}

TEST_F(SwitchFrameTest, ModeControlBoardsTakeTheirBranch) {
  ProcessSwitch(host, 6, 7, 1);
  EXPECT_EQ(host.commands, (Strings{"MCP_TOGGLE_AUTOTHROTTLE_ENGAGED=1"}));
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "MCP - Input: 7 ON");
  EXPECT_TRUE(host.assignmentRuns.empty());
}

}  // namespace
}  // namespace switches_test
