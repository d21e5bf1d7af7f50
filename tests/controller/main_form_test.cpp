// The main form's start-up, close question and shut-down, in process over the board library stand-in.
#include <windows.h>

#include "controller/app/dialogs.h"
#include "controller/app/settings.h"
#include "framework/classes/strings.h"
#include "framework/controls/label.h"
#include "framework/controls/list_box.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"
#include "ui/controls/office_radio_group.h"

namespace trelvik::testing {
namespace {

TEST_F(MainFormTest, FirstStartWritesTheTemplateOpensAnEmptyLogAndArmsTheStartUpTick) {
  folder_.Write("VavOzorovoduz.log", "old run\r\n");
  TZedArave* form = MakeForm();
  std::string expected;
  for (const std::string& line : ConfigTemplateLines()) expected += line + "\r\n";
  EXPECT_EQ(folder_.Read("CONFIG.INI"), expected);
  EXPECT_EQ(folder_.Read("VavOzorovoduz.log"), "");
  EXPECT_EQ(form->Caption(), "VDK-Trelvik: VDK to ORVA Hardware Interface - Version 2.00");
  EXPECT_EQ(form->aircraft_type->ItemIndex(), 1);
  EXPECT_EQ(form->Left(), 2);
  EXPECT_EQ(form->Top(), 2);
  EXPECT_TRUE(form->family_enabled_mcp && form->family_enabled_cdu);
  EXPECT_FALSE(form->family_enabled_radio || form->family_enabled_sys || form->family_enabled_irs ||
               form->family_enabled_elec);
  EXPECT_EQ(Lines(form->fs_info_lines()), (std::vector<std::string>{"SimConnect.dll - Not Found"}));
  EXPECT_TRUE(form->Timer1->Enabled());
  EXPECT_FALSE(form->reconnect->Enabled());
  EXPECT_EQ(form->com1_standby, 888.88);
  EXPECT_EQ(form->adf2_standby, 8888.8);
  EXPECT_EQ(form->xpndr_code_entry, "####");
  EXPECT_EQ((std::vector<int>{form->captain_multicom_mode, form->fo_multicom_mode, form->obs1_multicom_mode,
                              form->obs2_multicom_mode}),
            (std::vector<int>{1, 3, 2, 2}));
  EXPECT_EQ(form->axis_functions[34].null_zone, 300);
  EXPECT_TRUE(Boards().calls.empty());  // nothing touches the boards before the start-up tick
}

TEST_F(MainFormTest, SimConnectBesideTheProgramArmsTheReconnectTimer) {
  folder_.Write("SimConnect.dll", "");
  TZedArave* form = MakeForm();
  EXPECT_TRUE(form->reconnect->Enabled());
  EXPECT_EQ(form->fs_info_lines()->Count(), 0);
}

TEST_F(MainFormTest, StartUpTickLoadsTheAssignmentsThenDiscoversWithoutBoards) {
  folder_.Write("ASSIGNMENTS.INI",
                 "[CDU_ASSIGNMENTS]\r\nCPT=3302ABCD0001\r\n"
                 "[RADIO_ASSIGNMENTS]\r\nCAPTAIN_COM=4C5AABCD0002\r\nOBS2_MULTICOM=3401ABCD0003\r\n");
  Boards().openFails = true;
  TZedArave* form = MakeForm();
  form->Timer1Timer();
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(form->cdu_cpt_board, "3302ABCD0001");
  EXPECT_EQ(form->Label9->Caption(), "3302ABCD0001");
  EXPECT_EQ(form->Label10->Caption(), "");  // an empty role leaves its label blank
  EXPECT_EQ(form->role_labels[23]->Caption(), "4C5AABCD0002");
  EXPECT_EQ(form->role_labels[24]->Caption(), "Not Assigned");  // radio labels keep their text when empty
  EXPECT_EQ(form->role_labels[43]->Caption(), "3401ABCD0003");    // the second observer's, not the FO's
  EXPECT_EQ(form->role_labels[39]->Caption(), "Not Assigned");
  EXPECT_EQ(form->obs2_multicom_session, -1);                    // not bound yet
  EXPECT_EQ(Boards().calls, (std::vector<std::string>{"CloseControllers()", "OpenControllers()",
                                                      "Enable_DeviceChange_Notification_Callback(1)"}));
  EXPECT_FALSE(form->discovery_busy);
  EXPECT_TRUE(form->startup_done());
  EXPECT_TRUE(form->Timer_resend->Enabled());
  EXPECT_FALSE(static_cast<bool>(App().OnIdle));  // the reconnect timer installs the idle loop later
}

TEST_F(MainFormTest, CloseAsksOnlyWithUnsavedChangesAndCancelKeepsTheProgram) {
  TZedArave* form = MakeForm();
  bool canClose = false;
  form->FormCloseQuery(canClose);
  EXPECT_TRUE(canClose);
  EXPECT_TRUE(asked_.empty());

  form->mark_unsaved();  // a role assignment changed
  answer_ = IDCANCEL;
  form->FormCloseQuery(canClose);
  EXPECT_FALSE(canClose);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].Text, "Save Before Closing ?");
  EXPECT_EQ(asked_[0].Caption, "Changes Detected");
  EXPECT_EQ(asked_[0].Buttons(), static_cast<UINT>(MB_YESNOCANCEL));
  EXPECT_EQ(asked_[0].Icon(), static_cast<UINT>(MB_ICONQUESTION));
  EXPECT_EQ(asked_[0].DefaultButton(), 3);

  answer_ = IDNO;
  form->FormCloseQuery(canClose);
  EXPECT_TRUE(canClose);
  EXPECT_TRUE(form->save_marked());  // nothing saved

  // A changed record counts too, and Yes saves before closing.
  form->input_assignments[7].switch_no = 12;
  form->mark_saved();
  form->cdu_cpt_board = "3302ABCD0001";
  form->assignments_file = folder_.File("ASSIGNMENTS.INI");
  answer_ = IDYES;
  form->FormCloseQuery(canClose);
  EXPECT_TRUE(canClose);
  EXPECT_EQ(asked_.size(), 3u);
  EXPECT_NE(folder_.Read("ASSIGNMENTS.INI").find("CPT=3302ABCD0001\r\n"), std::string::npos);
  EXPECT_EQ(form->saved_inputs[7].switch_no, 12);
}

TEST_F(MainFormTest, ShutDownDarkensTheCdusThenReleasesEveryBoundBoardAndClosesTheControllers) {
  TZedArave* form = MakeForm();
  // Slot 1 a captain CDU, slot 2 a failed bind, slot 3 a mode-control board: every bound slot goes.
  form->board_table[1] = {"3302ABCD0001", 101, "VDK CDU", "3302"};
  form->board_info[1].ledCount = 5;
  form->board_info[1].datalineCount = 16;
  form->board_table[2] = {"330AABCD0002", 0, "NotAssigned", ""};
  form->board_table[3] = {"330AABCD0003", 103, "VDK CTRL MCP", "330A"};
  form->board_info[3].digitCount = 24;
  form->cdu_cpt_session = 101;
  form->output_suspended = true;  // closed within two seconds of a discovery
  Boards().calls.clear();
  FreeForm(form);
  EXPECT_EQ(Boards().calls,
            (std::vector<std::string>{
                "EnableLogging(0)", "Enable_DeviceChange_Notification_Callback(0)", "Dataline_Set(101,9,0)",
                "Dataline_Set(101,10,0)", "Dataline_Set(101,11,0)", "Dataline_Set(101,12,0)", "Dataline_Set(101,13,0)",
                "Dataline_Set(101,16,0)", "Dataline_Set(101,15,0)", "LED_Set(101,1,0)", "LED_Set(101,2,0)",
                "LED_Set(101,3,0)", "LED_Set(101,4,0)", "LED_Set(101,5,0)", "Dataline_Set(101,6,0)",
                "Switch_Enable_Callback(101,0)", "LED_Enable(101,0)", "Dataline_Enable(101,0)", "UnBind(101)",
                "Switch_Enable_Callback(103,0)", "7Segment_Enable(103,0)", "UnBind(103)", "CloseControllers()"}));
}

}  // namespace
}  // namespace trelvik::testing
