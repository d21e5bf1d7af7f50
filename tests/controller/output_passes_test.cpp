// The LED and 7-segment passes of the main form over the recording board library: which board gets the
// writes, when a pass writes nothing, the phase, the CDU lamp-test marks, the switch-activity hold and a
// failing BoardInfo read.
#include <algorithm>

#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"

namespace trelvik::testing {
namespace {

class OutputPassTest : public MainFormTest {
 protected:
  // A form whose discovery bound the given boards; output no longer suspended, no family test running.
  TZedArave* Form(std::vector<FakeBoard> boards) {
    TZedArave* form = DiscoveredForm(std::move(boards));
    form->mcp_timer->SetEnabled(false);
    form->panel_state.aircraft_power = 1;
    return form;
  }
  // Output calls to one session.
  std::vector<std::string> CallsTo(const char* name, std::int32_t session) {
    return Boards().CallsStartingWith(std::string(name) + "(" + std::to_string(session) + ",");
  }
  int Count(const std::string& call) {
    return static_cast<int>(std::count(Boards().calls.begin(), Boards().calls.end(), call));
  }
};

TEST_F(OutputPassTest, TheLedPassLightsTheLowerSlotOfAModelAndTogglesThePhase) {
  TZedArave* form = Form({{"03E8MCP00001", "330F", 64, 280, 8, 24}, {"03E8MCP00002", "330F", 64, 280, 8, 24},
                          {"03E8MCP00003", "3404", 64, 280, 8, 24}});
  const std::int32_t first = form->board_table[1].session, second = form->board_table[2].session,
                     vdk = form->board_table[3].session;
  form->panel_state.mcp_at_arm_lamp = 1;
  form->panel_state.mcp_at_mode = 7;
  form->Output_Loop_LED();

  EXPECT_TRUE(CallsTo("LED_Set", second).empty());
  EXPECT_EQ(Count("LED_Set(" + std::to_string(first) + ",194,1)"), 1);  // SPEED
  EXPECT_EQ(Count("LED_Set(" + std::to_string(first) + ",193,0)"), 1);  // N1
  EXPECT_EQ(Count("Dataline_Set(" + std::to_string(first) + ",1,1)"), 1);
  EXPECT_EQ(Count("Dataline_Set(" + std::to_string(vdk) + ",5,1)"), 1);
  EXPECT_TRUE(form->at_arm->Checked());
  EXPECT_EQ(form->led_pass_phase, 1);
  EXPECT_EQ(form->Label5->Caption(), "Running.");

  // The family lamp test: the whole board with the phase, no single lamp.
  Boards().calls.clear();
  form->mcp_timer->SetEnabled(true);
  form->Output_Loop_LED();
  EXPECT_EQ(Boards().calls, (std::vector<std::string>{"GetBoardInfo(" + std::to_string(first) + ")",
                                                      "LED_Test(" + std::to_string(first) + ",1)",
                                                      "GetBoardInfo(" + std::to_string(vdk) + ")",
                                                      "LED_Test(" + std::to_string(vdk) + ",1)"}));
  EXPECT_EQ(form->led_pass_phase, 0);
  form->mcp_timer->SetEnabled(false);
  form->Free();
}

TEST_F(OutputPassTest, NoPassWritesWhileOutputIsSuspendedTheTestModeRunsOrTheSelectorDrives) {
  TZedArave* form = Form({{"03E8MCP00001", "330A", 64, 280, 16, 24}});
  form->output_suspended = true;
  form->Output_Loop_LED();
  form->Output_Loop_7SEG();
  form->output_suspended = false;
  form->led_selector_active = true;
  form->Output_Loop_LED();
  form->led_selector_active = false;
  form->test_mode_active = true;
  form->panel_state.cdu_cpt_state = 1;
  form->Output_Loop_LED();
  form->Output_Loop_7SEG();
  EXPECT_TRUE(Boards().calls.empty());
  EXPECT_EQ(form->led_pass_phase, 0);
  EXPECT_EQ(form->panel_state_prev.cdu_cpt_state, 0);  // no copy either
  EXPECT_FALSE(form->cdu_cpt_timer->Enabled());
  EXPECT_TRUE(form->Test_Mode_Label->Visible());
  form->test_mode_active = false;
  form->Free();
}

TEST_F(OutputPassTest, AFailingBoardInfoReadIsReportedOnceWithoutAMessageBox) {
  TZedArave* form = Form({{"03E8MCP00001", "330F", 64, 280, 8, 24}, {"03E8MCP00002", "3310", 64, 280, 8, 24}});
  const std::int32_t elvl = form->board_table[2].session;
  Boards().boards[0].infoFails = true;
  for (int pass = 0; pass < 3; ++pass) {
    form->Output_Loop_LED();
    form->Output_Loop_7SEG();
  }
  EXPECT_TRUE(asked_.empty());
  EXPECT_EQ(form->status_text(1), "Board Info Error");
  EXPECT_TRUE(CallsTo("LED_Set", form->board_table[1].session).empty());
  EXPECT_FALSE(CallsTo("LED_Set", elvl).empty());  // the other model is still served
  const std::string log = folder_.Read("VavOzorovoduz.log");
  const auto first = log.find("Board Info Error : 03E8MCP00001");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(log.find("Board Info Error", first + 1), std::string::npos);
  // Once the board answers again it is served; a later failure is reported again.
  Boards().boards[0].infoFails = false;
  form->Output_Loop_LED();
  EXPECT_FALSE(CallsTo("LED_Set", form->board_table[1].session).empty());
  Boards().boards[0].infoFails = true;
  form->Output_Loop_LED();
  const std::string again = folder_.Read("VavOzorovoduz.log");
  EXPECT_NE(again.find("Board Info Error", first + 1), std::string::npos);
  form->Free();
}

TEST_F(OutputPassTest, TheSevenSegmentPassFollowsTheAircraftExceptWhileKnobsTurn) {
  TZedArave* form = Form({{"03E8MCP00001", "330F", 64, 280, 8, 24}});
  const std::string s = std::to_string(form->board_table[1].session);
  form->panel_state.mcp_heading = 90;
  form->panel_state.mcp_ias_open = 1;
  form->panel_state.ias_flash_above = form->panel_state.ias_flash_above2 = 999.0;
  form->Output_Loop_7SEG();
  EXPECT_EQ(form->mcp_switches.window_heading, 90);
  EXPECT_EQ(Count("7Segment_Display(" + s + ",090,9)"), 1);
  EXPECT_EQ(form->panel_state_prev, form->panel_state);

  // A knob is turning: the locally stepped value stays, nothing is written, the state is still copied.
  Boards().calls.clear();
  form->switch_activity = true;
  form->mcp_switches.window_heading = 95;
  form->panel_state.mcp_heading = 91;
  form->Output_Loop_7SEG();
  EXPECT_TRUE(Boards().CallsStartingWith("7Segment_Display").empty());
  EXPECT_EQ(form->mcp_switches.window_heading, 95);
  EXPECT_EQ(form->panel_state_prev.mcp_heading, 91);

  form->switch_activity = false;
  form->Output_Loop_7SEG();
  EXPECT_EQ(Count("7Segment_Display(" + s + ",091,9)"), 1);
  form->Free();
}

TEST_F(OutputPassTest, ACduLampTestStartsOnTheDiscoveryMarkOrWhenTheStateTurnsOne) {
  TZedArave* form = Form({{"3302CDU00001", "3302", 80, 5, 16, 0}});
  // Discovery marked the previous bytes with 9 for the new CDU model.
  ASSERT_EQ(form->panel_state_prev.cdu_cpt_state, 9);
  form->Output_Loop_7SEG();
  EXPECT_TRUE(form->cdu_cpt_timer->Enabled());
  EXPECT_TRUE(form->cdu_fo_timer->Enabled());
  EXPECT_TRUE(form->cdu_obs_timer->Enabled());
  EXPECT_EQ(form->panel_state_prev.cdu_cpt_state, 0);
  for (fw::TTimer* timer : {form->cdu_cpt_timer, form->cdu_fo_timer, form->cdu_obs_timer}) timer->SetEnabled(false);

  form->Output_Loop_7SEG();  // no change: nothing starts
  EXPECT_FALSE(form->cdu_fo_timer->Enabled());
  form->panel_state.cdu_fo_state = 2;  // a change to another value than 1 starts nothing
  form->Output_Loop_7SEG();
  EXPECT_FALSE(form->cdu_fo_timer->Enabled());
  form->panel_state.cdu_fo_state = 1;
  form->Output_Loop_7SEG();
  EXPECT_TRUE(form->cdu_fo_timer->Enabled());
  EXPECT_FALSE(form->cdu_cpt_timer->Enabled());
  form->cdu_fo_timer->SetEnabled(false);
  form->Free();
}

}  // namespace
}  // namespace trelvik::testing
