// The main window's commands in process: the role buttons and Save's colour, the basic and program views,
// the aircraft-type switch, test mode, scrolling of the assignment pages, the clear-all buttons, the tuning
// up-downs, the page changes and the find search.
#include <windows.h>

#include <cstring>

#include "controller/app/event_bridge.h"
#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/scroll_box.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/up_down.h"
#include "framework/menus/menu_item.h"
#include "main_form_fixture.h"
#include "ui/controls/color_button.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/office_check_box.h"
#include "ui/controls/office_radio_group.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik::testing {
namespace {

class MainWindowCommandsTest : public MainFormTest {
 protected:
  void Bind(TZedArave* form, int slot, const std::string& name, std::int32_t session, const char* model) {
    form->board_table[static_cast<std::size_t>(slot)] = {name, session, "Board " + name, model};
    std::memcpy(form->board_info[static_cast<std::size_t>(slot)].model, model, 4);
  }
  void Click(TZedArave* form, int speedButton) {
    ui::TW7SpeedButton* button = form->speed_buttons[static_cast<std::size_t>(speedButton)];
    button->OnClick(button);
  }
  void Post(TZedArave* form, std::int32_t id, int number, int state) {
    PostMessageA(form->Handle(), WM_SWITCH_EVENT, static_cast<WPARAM>(id), SwitchEventLParam(number, state));
    Drain();
  }
};

TEST_F(MainWindowCommandsTest, AssignCaptainCduTakesTheBoardWhoseKeyWasPressedAndMarksSave) {
  TZedArave* form = MakeForm();
  Bind(form, 1, "3302ABCD0001", 101, "3302");
  Click(form, 10);  // no key pressed yet
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].Text, "Press a Key on the CAPTAIN CDU first");
  EXPECT_EQ(form->cdu_cpt_session, 0);

  Post(form, 101, 3, 1);  // a key of the CDU that holds no role yet
  EXPECT_EQ(form->last_input2->Caption(), "3302ABCD0001");
  Click(form, 10);
  EXPECT_EQ(form->cdu_cpt_session, 101);
  EXPECT_EQ(form->cdu_cpt_board, "3302ABCD0001");
  EXPECT_EQ(form->Label9->Caption(), "3302ABCD0001");
  EXPECT_TRUE(form->save_marked());

  bool canClose = true;
  form->FormCloseQuery(canClose);
  EXPECT_EQ(asked_.back().Text, "Save Before Closing ?");

  form->mark_saved();
  Click(form, 5);  // Clear
  EXPECT_EQ(form->cdu_cpt_session, 0);
  EXPECT_EQ(form->cdu_cpt_board, "");
  EXPECT_EQ(form->Label9->Caption(), "Not Assigned");
  EXPECT_TRUE(form->save_marked());
}

TEST_F(MainWindowCommandsTest, RoleButtonsRefuseALastBoardThatNamesNoBoundBoard) {
  TZedArave* form = MakeForm();
  Bind(form, 1, "3302ABCD0001", 101, "3302");
  form->cdu_fo_session = 77;  // a key of a session that no slot holds any more shows " Unknown Board"
  Post(form, 77, 3, 1);
  EXPECT_EQ(form->last_input2->Caption(), " Unknown Board");
  Click(form, 10);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_NE(asked_[0].Text.find("Press a Key on the CAPTAIN CDU first"), std::string::npos);
  EXPECT_EQ(form->cdu_cpt_session, 0);
  EXPECT_EQ(form->cdu_cpt_board, "");
  EXPECT_EQ(form->Label9->Caption(), "Not Assigned");
  EXPECT_FALSE(form->save_marked());
}

TEST_F(MainWindowCommandsTest, RadioPageRolesUseTheirOwnLabelAndLeaveSaveAlone) {
  TZedArave* form = MakeForm();
  Bind(form, 2, "3401ABCD0003", 103, "3401");
  form->last_input3->SetCaption("3401ABCD0003");
  Click(form, 25);  // Assign OBS 2 MULTICOM
  EXPECT_EQ(form->obs2_multicom_session, 103);
  EXPECT_EQ(form->role_labels[43]->Caption(), "3401ABCD0003");
  EXPECT_EQ(form->role_labels[39]->Caption(), "Not Assigned");
  Click(form, 21);  // Assign TRANSPONDER
  EXPECT_EQ(form->transponder_session, 103);
  EXPECT_FALSE(form->save_marked());

  form->last_input3->SetCaption("");
  Click(form, 19);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].Text, "Press a Key on the ADF1 first");

  Click(form, 36);  // Clear OBS 2 MULTICOM
  EXPECT_EQ(form->obs2_multicom_session, 0);
  EXPECT_EQ(form->obs2_multicom_board, "");
  EXPECT_EQ(form->role_labels[43]->Caption(), "Not Assigned");
  EXPECT_FALSE(form->save_marked());
}

TEST_F(MainWindowCommandsTest, WindowHeightsPerModeAndTheFindButton) {
  TZedArave* form = MakeForm();
  form->RunMode1->OnClick(form->RunMode1);
  EXPECT_EQ(form->Height(), 125);
  EXPECT_EQ(form->button35->Caption(), "Enable Program Mode");
  form->ProgramMode1->OnClick(form->ProgramMode1);
  EXPECT_EQ(form->Height(), 758);
  EXPECT_EQ(form->button35->ArrowType(), ui::atUp);

  form->pagecontrol1->SelectPage(1);
  form->button35->OnClick(form->button35);  // arrow up: back to basic
  EXPECT_EQ(form->Height(), 115);
  EXPECT_EQ(form->button35->ArrowType(), ui::atDown);
  EXPECT_EQ(form->StatusBar1->Align(), fw::alTop);
  EXPECT_FALSE(form->VxGlowButton4->Visible());
  form->button35->OnClick(form->button35);
  EXPECT_EQ(form->Height(), 509);
  EXPECT_EQ(form->button35->Caption(), "Return to Basic Mode");
  EXPECT_EQ(form->StatusBar1->Align(), fw::alBottom);
  EXPECT_TRUE(form->VxGlowButton4->Visible());  // on the input assignment page

  form->pagecontrol1->SelectPage(3);
  EXPECT_FALSE(form->VxGlowButton4->Visible());
  form->pagecontrol1->SelectPage(2);
  EXPECT_TRUE(form->VxGlowButton4->Visible());
}

TEST_F(MainWindowCommandsTest, WheelAndKeysScrollTheShownAssignmentPage) {
  TZedArave* form = MakeForm();
  form->SetHeight(758);
  auto* distant = fw::Create<fw::TLabel>(form);
  distant->SetParent(form->ScrollBox1);
  distant->SetBounds(10, 5000, 100, 16);
  form->ScrollBox1->UpdateScrollBars();
  fw::TControlScrollBar* bar = form->ScrollBox1->VertScrollBar();
  ASSERT_GT(bar->MaxPosition(), 2000);

  bar->SetPosition(500);
  form->MSWheel1IntelliScroll(120);  // another page is shown
  EXPECT_EQ(bar->Position(), 500);
  form->pagecontrol1->SelectPage(1);
  form->MSWheel1IntelliScroll(120);
  EXPECT_EQ(bar->Position(), 466);
  form->MSWheel1IntelliScroll(-240);
  EXPECT_EQ(bar->Position(), 535);

  struct KeyCase {
    WORD key;
    fw::TShiftState shift;
    int from, to;
  };
  const int end = bar->MaxPosition();
  const KeyCase cases[] = {
      {VK_NEXT, {}, 500, 1020},           {VK_PRIOR, {}, 1020, 500},         {VK_PRIOR, {}, 300, 0},
      {VK_NEXT, {fw::ssShift}, 500, 500}, {VK_END, {fw::ssCtrl}, 500, end},  {VK_HOME, {fw::ssCtrl}, 700, 0},
      {VK_END, {}, 500, 500},             {VK_HOME, {fw::ssCtrl, fw::ssShift}, 700, 700},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.key);
    bar->SetPosition(c.from);
    WORD key = c.key;
    form->FormKeyDown(key, c.shift);
    EXPECT_EQ(bar->Position(), c.to);
  }

  // The form sees the keys first, and the wheel reaches the page through the form's window.
  EXPECT_TRUE(form->KeyPreview());
  bar->SetPosition(500);
  SendMessageA(form->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(bar->Position(), 466);
}

TEST_F(MainWindowCommandsTest, AircraftTypeSwitchReloadsOnlyAfterStartUp) {
  folder_.Write("ASSIGNMENTS.INI", "[CDU_ASSIGNMENTS]\r\nCPT=3302ABCD0001\r\n");
  Boards().openFails = true;
  TZedArave* form = MakeForm();
  form->input_assignments[3].name = "Gear";
  form->aircraft_type->SetItemIndex(0);  // before the start-up tick: nothing happens
  EXPECT_EQ(form->input_assignments[3].name, "Gear");
  EXPECT_EQ(form->cdu_cpt_board, "");

  form->Timer1Timer();
  form->aircraft_type->SetItemIndex(1);
  form->pagecontrol1->SelectPage(3);
  form->input_assignments[3].name = "Gear";
  form->cdu_cpt_board = "changed";
  form->fs_info_lines()->Add("old line");
  form->aircraft_type->SetItemIndex(0);
  EXPECT_EQ(form->input_assignments[3].name, "");
  EXPECT_EQ(form->cdu_cpt_board, "3302ABCD0001");  // loaded again
  EXPECT_EQ(form->fs_info_lines()->Count(), 0);
  EXPECT_EQ(form->pagecontrol1->ActivePageIndex(), 0);
  EXPECT_FALSE(form->Label5->Visible());
  EXPECT_FALSE(form->ProgressBar->Visible());
  EXPECT_EQ(form->settings().aircraft_type, 0);  // what Save writes
}

TEST_F(MainWindowCommandsTest, TestModeLightsTheCduRolesAndTestsEveryBoardButTheRelays) {
  TZedArave* form = MakeForm();
  Bind(form, 1, "3302ABCD0001", 101, "3302");
  Bind(form, 2, "4107ABCD0002", 102, "4107");
  Bind(form, 3, "330AABCD0003", 103, "330A");
  form->cdu_cpt_session = 101;
  form->output_suspended = false;
  form->Test_Mode1->SetChecked(true);
  EXPECT_TRUE(form->test_mode_active);
  EXPECT_EQ(Boards().calls,
            (std::vector<std::string>{"Dataline_Set(101,9,1)", "Dataline_Set(101,10,1)", "Dataline_Set(101,11,1)",
                                      "Dataline_Set(101,12,1)", "Dataline_Set(101,13,1)", "Dataline_Set(101,16,1)",
                                      "Dataline_Set(101,15,1)", "LED_Set(101,1,1)", "LED_Set(101,2,1)",
                                      "LED_Set(101,3,1)", "LED_Set(101,4,1)", "LED_Set(101,5,1)",
                                      "LED_Test(101,1)", "LED_Test(103,1)"}));

  // Either box keeps test mode on.
  form->CheckBox1->SetChecked(true);
  form->Test_Mode1->SetChecked(false);
  EXPECT_TRUE(form->test_mode_active);
  Boards().calls.clear();
  form->CheckBox1->SetChecked(false);
  EXPECT_FALSE(form->test_mode_active);
  EXPECT_EQ(Boards().CallsStartingWith("LED_Test"),
            (std::vector<std::string>{"LED_Test(101,0)", "LED_Test(102,0)", "LED_Test(103,0)"}));
  EXPECT_EQ(Boards().CallsStartingWith("Dataline_Set(101,6"), (std::vector<std::string>{"Dataline_Set(101,6,0)"}));
  EXPECT_EQ(Boards().CallsStartingWith("LED_Set(101,5"), (std::vector<std::string>{"LED_Set(101,5,0)"}));

  form->test_mode_active = true;
  form->reset_test->SetVisible(true);
  form->reset_test->OnClick(form->reset_test);
  EXPECT_FALSE(form->test_mode_active);
  EXPECT_FALSE(form->reset_test->Visible());
}

TEST_F(MainWindowCommandsTest, ClearAllSwitchAssignmentsAsksFirst) {
  TZedArave* form = MakeForm();
  form->build_combo_inputs(false);
  form->add_row("Gear", "GEAR=1", 1, true, "GEAR=0");
  form->last_assignable_input = {"3302ABCD0001", 4, 1};
  form->assign_key(form->input_rows[1].main.assign);
  form->mark_saved();
  form->saved_inputs = form->input_assignments;

  answer_ = IDNO;
  Click(form, 4);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].Caption, "Clear All Switch Assignments");
  EXPECT_EQ(asked_[0].Text, "Are You Sure ?");
  EXPECT_EQ(asked_[0].Buttons(), static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(asked_[0].Icon(), static_cast<UINT>(MB_ICONQUESTION));
  EXPECT_EQ(asked_[0].DefaultButton(), 2);
  EXPECT_EQ(form->input_assignments[1].switch_no, 4);

  answer_ = IDYES;
  Click(form, 4);
  const tinput_assignments& gear = form->input_assignments[1];
  EXPECT_EQ(gear.board, "NotAssigned");
  EXPECT_EQ(gear.board2, "NotAssigned");
  EXPECT_EQ(gear.switch_no, 0);
  EXPECT_EQ(gear.name, "Gear");
  EXPECT_EQ(gear.cmd_on, "GEAR=1");
  EXPECT_EQ(form->input_rows[1].main.card->Caption(), "Unassigned");
  EXPECT_TRUE(form->input_rows[1].main.assign->Visible());
  EXPECT_FALSE(form->input_rows[1].main.state->Visible());
  EXPECT_TRUE(form->save_marked());

  form->output_assignments[2] = {"Lamp", "3302ABCD0001", 6, "Board", 0, "", 0, 0, 0};
  Click(form, 2);
  EXPECT_EQ(asked_.back().Caption, "Clear All Output Assignments");
  EXPECT_EQ(form->output_assignments[2].board, "NotAssigned");
  EXPECT_EQ(form->output_assignments[2].output_no, 0);
}

TEST_F(MainWindowCommandsTest, TuningUpDownsAndOptionsStoreTheirValues) {
  TZedArave* form = MakeForm();
  fw::TUpDown* crsDelay = form->encoder_controls[2].upDown;
  crsDelay->SetPosition(120);
  crsDelay->OnClick(crsDelay, fw::btNext);
  fw::TUpDown* altGain = form->encoder_controls[9].upDown;
  altGain->SetPosition(44);
  altGain->OnClick(altGain, fw::btPrev);
  EXPECT_EQ(form->settings().crs.delay, 120);
  EXPECT_EQ(form->settings().alt.gain, 44);

  form->p_elec_config->Items()->Add("0");
  form->p_elec_config->Items()->Add("1");
  form->p_elec_config->Items()->Add("2");
  form->p_elec_config->SetItemIndex(2);
  EXPECT_EQ(form->settings().elec_config_wiring, 2);

  form->axis_functions[12].joystick = 3;
  form->axis_functions[12].axis = 2;
  form->Label177->SetCaption("Joystick:3 Axis:2");
  form->W7SpeedButton133->OnClick(form->W7SpeedButton133);
  EXPECT_EQ(form->axis_functions[12], AxisAssignment{});
  EXPECT_EQ(form->Label177->Caption(), "Not Assigned");
}

TEST_F(MainWindowCommandsTest, MonitorPageRefreshesTheSwitchGridAndFindSearchesTheRowLabels) {
  TZedArave* form = MakeForm();
  int refreshes = 0;
  form->write_switch_states = [&] { ++refreshes; };
  form->pagecontrol1->SelectPage(5);
  EXPECT_EQ(refreshes, 1);

  form->build_combo_inputs(false);
  for (const char* name : {"Gear Lever", "Flaps", "GEAR horn", "Lights", "Door", "Landing gear"}) {
    form->add_row(name, "", 1, true, "");
  }
  EXPECT_EQ(form->findpos(5, "gear"), 6);
  EXPECT_EQ(form->findpos(2, "GeAr"), 3);
  EXPECT_EQ(form->findpos(7, "gear"), 1);  // from the top again
  EXPECT_EQ(form->findpos(413, "door"), 5);
  EXPECT_EQ(form->findpos(1, "wiper"), 0);
  EXPECT_EQ(form->findpos2(1, "gear"), 0);  // no output rows
}

}  // namespace
}  // namespace trelvik::testing
