// The per-function records in the main form: the input rows and their handlers, the output handlers,
// set_led, and the input functions' commands as the switch processing runs them.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "controller/app/event_bridge.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "main_form_fixture.h"
#include "ui/controls/color_button.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik::testing {
namespace {

class AssignmentRowsTest : public MainFormTest {
 protected:
  // A form with one bound board in slot 1.
  TZedArave* FormWithBoard(std::int32_t session, const char* model, int leds = 0, int datalines = 0) {
    TZedArave* form = MakeForm();
    form->board_table[1] = {std::string(model) + "00A1", session, "Board " + std::string(model), model};
    std::memcpy(form->board_info[1].model, model, 4);
    form->board_info[1].ledCount = leds;
    form->board_info[1].datalineCount = datalines;
    return form;
  }
  void Post(TZedArave* form, std::int32_t id, int number, int state) {
    PostMessageA(form->Handle(), WM_SWITCH_EVENT, static_cast<WPARAM>(id), SwitchEventLParam(number, state));
    Drain();
  }
  // A control named as a row's control, for the handlers that read the row from the name.
  template <class T>
  T* Named(TZedArave* form, const std::string& name) {
    T* control = fw::Create<T>(form);
    control->SetName(name);
    return control;
  }
};

TEST_F(AssignmentRowsTest, AfterStartEveryRecordEqualsItsSavedCopyAndSaveStaysWhite) {
  TZedArave* form = MakeForm();
  form->Timer1Timer();
  EXPECT_EQ(form->input_assignments, form->saved_inputs);
  EXPECT_EQ(form->output_assignments, form->saved_outputs);
  EXPECT_TRUE(form->input_assignments[1].name.empty());
  EXPECT_FALSE(form->save_marked());
}

TEST_F(AssignmentRowsTest, AddRowStartsARecordOrTakesOverTheCommandsOfTheAssignedOne) {
  TZedArave* form = MakeForm();
  form->build_combo_inputs(false);
  form->input_assignments[7] = {};
  form->input_assignments[7].name = "Gear Lever";
  form->input_assignments[7].board = "";  // cleared: still counts as having a board
  form->add_row("  gear lever ", "GEAR=1", 2, true, "GEAR=0");
  form->add_row("fsuipc Lights", "LIGHTS=1", 1, true, "LIGHTS=0");
  form->add_row("FSUIPC Strobe", "[FSUIPC]", 1, true, "[FSUIPC]");

  EXPECT_EQ(form->input_row_count, 3);
  EXPECT_EQ(form->row_y, 5 + 3 * 35);
  EXPECT_EQ(form->input_assignments[7].cmd_on, "GEAR=1");
  EXPECT_EQ(form->input_assignments[7].cmd_off, "GEAR=0");
  EXPECT_TRUE(form->input_assignments[1].name.empty());  // row 1 found record 7
  const InputRow& gear = form->input_rows[1];
  EXPECT_EQ(gear.label->Caption(), "  gear lever ");
  EXPECT_EQ(gear.label->Tag(), 2);
  EXPECT_TRUE(gear.main.clear->Visible());
  EXPECT_FALSE(gear.main.assign->Visible());

  // Only the exact upper-case prefix makes an FSUIPC function.
  const tinput_assignments& lights = form->input_assignments[2];
  EXPECT_EQ(lights.name, "fsuipc Lights");
  EXPECT_EQ(lights.board, "NotAssigned");
  EXPECT_EQ(lights.board2, "NotAssigned");
  EXPECT_NE(form->input_rows[2].second.assign, nullptr);
  EXPECT_EQ(form->input_rows[2].fsuipc.offset, nullptr);
  EXPECT_EQ(form->input_rows[2].main.card->Caption(), "Unassigned");

  const InputRow& strobe = form->input_rows[3];
  EXPECT_EQ(strobe.second.assign, nullptr);
  ASSERT_NE(strobe.fsuipc.offset, nullptr);
  EXPECT_EQ(strobe.fsuipc.offset->Name(), "Switchoffset_3");
  EXPECT_FALSE(strobe.fsuipc.offset->Visible());
  EXPECT_EQ(strobe.fsuipc.length->Hint(), "1 = BYTE\r2 = WORD\r4 = DWORD\r8 = FLOAT64");
}

TEST_F(AssignmentRowsTest, AssigningTakesTheLastPressedSwitchAndItsCommandsRunOnTheNextPress) {
  TZedArave* form = FormWithBoard(21, "3302");  // a CDU without a role goes the generic path
  form->build_combo_inputs(false);
  form->add_row("Lamp Test", "[LIGHT_TEST_ON]", 1, true, "[LIGHT_TEST_OFF]");
  form->add_row("FSUIPC Door", "[FSUIPC]", 1, true, "");
  const InputRow& row = form->input_rows[1];

  form->assign_key(row.main.assign);  // nothing pressed yet
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].Text, "Select and Assignable Button First");
  EXPECT_EQ(form->input_assignments[1].board, "NotAssigned");

  Post(form, 21, 9, 1);
  EXPECT_EQ(form->last_assignable_input.board, "330200A1");
  form->assign_off->SetChecked(true);
  form->assign_key2(row.second.assign);
  form->assign_off->SetChecked(false);
  Post(form, 21, 4, 1);
  form->assign_key(row.main.assign);
  const tinput_assignments& lamp = form->input_assignments[1];
  EXPECT_EQ(lamp.board, "330200A1");
  EXPECT_EQ(lamp.switch_no, 4);
  EXPECT_EQ(lamp.switch_state, 1);
  EXPECT_EQ(lamp.board_desc, "Board 3302");
  EXPECT_EQ((std::vector<int>{lamp.switch2_no, lamp.switch2_state}), (std::vector<int>{9, 0}));
  EXPECT_EQ(row.main.card->Caption(), "Board 3302 : 330200A1");
  EXPECT_EQ(row.main.state->Caption(), "4 ON");
  EXPECT_EQ(row.second.state->Caption(), "9 OFF");
  EXPECT_TRUE(row.main.clear->Visible() && !row.main.assign->Visible());
  EXPECT_TRUE(form->save_marked());

  // Switch 4 closing runs the ON command: the lamp test of every bound board.
  Boards().calls.clear();
  Post(form, 21, 4, 1);
  EXPECT_EQ(Boards().CallsStartingWith("LED_Test"), (std::vector<std::string>{"LED_Test(21,1)"}));
  Boards().calls.clear();
  Post(form, 21, 4, 0);
  EXPECT_EQ(Boards().CallsStartingWith("LED_Test"), (std::vector<std::string>{"LED_Test(21,0)"}));

  // An FSUIPC function shows its edits once its main switch is assigned; clearing hides and resets them.
  const InputRow& door = form->input_rows[2];
  door.fsuipc.offset->SetText("0bc0F");
  door.fsuipc.length->SetText("2");
  door.fsuipc.valueOn->SetText("-7");
  door.fsuipc.valueOff->SetText("12a");
  const tinput_assignments& fsuipc = form->input_assignments[2];
  EXPECT_EQ(fsuipc.fsuipc_offset, "0BC0");
  EXPECT_EQ(fsuipc.fsuipc_size, 2);
  EXPECT_EQ(fsuipc.value_on, -7);
  EXPECT_EQ(fsuipc.value_off, 0);
  form->assign_key(door.main.assign);
  EXPECT_TRUE(door.fsuipc.offset->Visible() && door.fsuipc.valueOffLabel->Visible());
  form->clear_key(door.main.clear);
  EXPECT_FALSE(door.fsuipc.offset->Visible());
  EXPECT_EQ(door.fsuipc.offset->Text(), "");
  EXPECT_EQ(door.fsuipc.length->Text(), "0");
  EXPECT_EQ(fsuipc.board, "");  // cleared, not "NotAssigned"
  EXPECT_EQ(door.main.card->Caption(), "Unassigned");
  EXPECT_FALSE(door.main.state->Visible());

  form->clear_key2(row.second.clear);
  EXPECT_EQ((std::vector<int>{lamp.switch2_no, lamp.switch2_state}), (std::vector<int>{0, 0}));
  EXPECT_EQ(lamp.board2, "");
  EXPECT_TRUE(row.second.assign->Visible() && !row.second.clear->Visible());
}

TEST_F(AssignmentRowsTest, SetLedDrivesTheNamedOutputOnItsBoard) {
  TZedArave* form = FormWithBoard(31, "330A", 40);
  form->board_table[2] = {"410700B2", 32, "Relay", "4107"};
  std::memcpy(form->board_info[2].model, "4107", 4);
  form->board_info[2].datalineCount = 8;
  form->output_assignments[1] = {"Gear Light", "330A00A1", 3, "", 0, "", 0, 0, 0};
  form->output_assignments[2] = {"Fan", "410700B2", 5, "", 0, "", 0, 0, 0};
  form->output_assignments[3] = {"Unbound", "3311FFFF", 2, "", 0, "", 0, 0, 0};
  form->output_assignments[4] = {"HALDOR APU Starting/Cooldown", "330A00A1", 7, "", 0, "", 0, 0, 0};
  form->output_suspended = false;
  Boards().calls.clear();
  form->set_led("  gear light ", 1);
  form->set_led("FAN", 1);
  form->set_led("Unbound", 1);
  form->set_led("Nothing", 1);
  form->blink_phase = 0;
  form->set_led("HALDOR APU Starting/Cooldown", 1);
  EXPECT_EQ(Boards().calls,
            (std::vector<std::string>{"LED_Set(31,3,1)", "Dataline_Set(32,5,1)", "LED_Set(31,7,0)"}));
  EXPECT_EQ(form->output_assignments[1].state, 1);

  // Cold and dark without DC power: every output off, the state still kept.
  form->settings().force_cold_and_dark = true;
  Boards().calls.clear();
  form->set_led("Gear Light", 1);
  EXPECT_EQ(Boards().calls, (std::vector<std::string>{"LED_Set(31,3,0)"}));

  // A cleared record still counts as assigned in the search, so it hides a later one of the same name.
  form->output_assignments[5] = form->output_assignments[1];
  form->output_assignments[1].board = "";
  Boards().calls.clear();
  form->set_led("Gear Light", 1);
  EXPECT_TRUE(Boards().calls.empty());
}

TEST_F(AssignmentRowsTest, OutputHandlersClearTestAndEditTheirRecord) {
  TZedArave* form = FormWithBoard(31, "330A", 40);
  form->output_assignments[3] = {"Gear Light", "330A00A1", 6, "Board 330A", 0, "", 0, 0, 0};
  form->saved_outputs = form->output_assignments;  // as loaded
  form->output_suspended = false;
  Boards().calls.clear();

  auto* box = Named<fw::TCheckBox>(form, "_3");
  box->SetChecked(true);
  form->Test_Output(box);
  EXPECT_EQ(Boards().calls, (std::vector<std::string>{"LED_Set(31,6,1)"}));
  EXPECT_TRUE(form->test_mode_active);
  EXPECT_TRUE(form->reset_test->Visible());

  auto* offset = Named<fw::TEdit>(form, "Outoffset_3");
  offset->SetText("66C0A");
  form->offset_output_change(offset);
  auto* value = Named<fw::TEdit>(form, "Outvalue_on_3");
  value->SetText("255");
  form->offset_output_value_on_change(value);
  EXPECT_EQ(form->output_assignments[3].fsuipc_offset, "66C0");
  EXPECT_EQ(form->output_assignments[3].value_on, 255);
  EXPECT_FALSE(form->save_marked());  // the edits do not mark changes

  form->clear_key_output(Named<ui::TW7SpeedButton>(form, "Outputbuttonclear_3"));
  EXPECT_EQ(form->output_assignments[3].board, "");
  EXPECT_EQ(form->output_assignments[3].output_no, 0);
  EXPECT_TRUE(form->save_marked());
  Boards().calls.clear();
  form->test_mode_active = false;
  form->Test_Output(box);  // no output number: nothing at all
  EXPECT_TRUE(Boards().calls.empty());
  EXPECT_FALSE(form->test_mode_active);
}

}  // namespace
}  // namespace trelvik::testing
