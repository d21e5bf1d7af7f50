// The rows of the input-assignment and output-assignment pages and their handlers: each row edits the
// per-function record of its number. The row builders run only for the function lists they are given.
// GUI thread.
#include <algorithm>
#include <cctype>
#include <string>

#include "controller/app/board_catalogue.h"
#include "controller/app/dialogs.h"
#include "controller/app/make_control.h"
#include "controller/app/number_text.h"
#include "controller/app/zedarave.h"
#include "framework/rtl/textutils.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/controls/scroll_box.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/controls/color_button.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik {

namespace {

constexpr const char* kUnassigned = "Unassigned";
constexpr const char* kNoButtonPressed = "Select and Assignable Button First";

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The exact upper-case prefix: "fsuipc ..." is an ordinary function.
bool IsFsuipcFunction(const std::string& name) { return name.rfind("FSUIPC", 0) == 0; }

bool SameFunction(const std::string& recordName, const std::string& name) {
  return fw::UpperCase(recordName) == fw::UpperCase(Trim(name));
}

std::string SwitchText(std::int32_t number, std::int32_t state) {
  return std::to_string(number) + (state == 1 ? " ON" : " OFF");
}

std::string CardText(const std::string& description, const std::string& board) {
  return description + " : " + board;
}

void ShowIf(fw::TControl* control, bool visible) {
  if (control != nullptr) control->SetVisible(visible);
}

void CaptionIf(fw::TLabel* label, const std::string& text) {
  if (label != nullptr) label->SetCaption(text);
}

std::string EditText(fw::TObject* Sender) {
  auto* edit = dynamic_cast<fw::TEdit*>(Sender);
  return edit != nullptr ? edit->Text() : std::string();
}

bool ValidRow(int row) { return row >= 1 && row <= kAssignmentRecords; }

// The input rows' control names; the edits' handlers read the row after these prefixes.
constexpr const char* kOffsetEdit = "Switchoffset_";
constexpr const char* kLengthEdit = "Switchlength_";
constexpr const char* kValueOnEdit = "Switchvalue_on_";
constexpr const char* kValueOffEdit = "Switchvalue_off_";
// The output rows' edits: a 10-character prefix, 12 for the value.
constexpr const char* kOutputOffsetEdit = "Outoffset_";
constexpr const char* kOutputLengthEdit = "Outlength_";
constexpr const char* kOutputValueOnEdit = "Outvalue_on_";

}  // namespace

int TZedArave::RowAfterLastUnderscore(fw::TObject* Sender) {
  auto* component = dynamic_cast<fw::TComponent*>(Sender);
  if (component == nullptr) return 0;
  const std::string name = component->Name();
  const auto underscore = name.rfind('_');
  return underscore == std::string::npos ? 0 : strtoint_t(name.substr(underscore + 1));
}

int TZedArave::RowAfterPrefix(fw::TObject* Sender, std::size_t prefixLength) {
  auto* component = dynamic_cast<fw::TComponent*>(Sender);
  if (component == nullptr || component->Name().size() <= prefixLength) return 0;
  return strtoint_t(component->Name().substr(prefixLength));
}

// ---- Row layout ------------------------------------------------------------------------------------------

void TZedArave::build_combo_inputs(bool) {
  row_x = 10;
  row_y = 5;
  input_row_count = 0;
  output_row_count = 0;
}

void TZedArave::build_combo_outputs(bool) {
  row_x = 10;
  row_y = 5;
  output_row_count = 0;
  pagecontrol1->SetEnabled(true);
}

void TZedArave::add_row2(const std::string&) {
  ProgressBar->StepIt();
  ProgressBar->Repaint();
}

void TZedArave::add_row(const std::string& name, const std::string& cmdOn, std::int32_t group, bool create,
                        const std::string& cmdOff) {
  if (input_row_count >= kAssignmentRecords) return;  // the page holds 412 rows
  const int n = ++input_row_count;
  InputRow& row = input_rows[static_cast<std::size_t>(n)];
  const std::string number = std::to_string(n);
  const int x = row_x;
  const int y = row_y;
  const bool fsuipc = IsFsuipcFunction(name);

  if (create) {
    row.label = Make<fw::TLabel>(this, ScrollBox1, "Switch_Label" + number, x, y + 4, 200, 16);
    row.label->SetTag(group);
  }
  CaptionIf(row.label, name);

  // The function's record with a board, or a new record for this row.
  tinput_assignments* found = nullptr;
  for (int i = 1; i <= kAssignmentRecords; ++i) {
    tinput_assignments& r = input_assignments[static_cast<std::size_t>(i)];
    if (r.board != kNotAssigned && SameFunction(r.name, name)) {
      found = &r;
      break;
    }
  }
  if (found != nullptr) {
    found->cmd_on = cmdOn;
    found->cmd_off = cmdOff;
  } else {
    tinput_assignments& r = input_assignments[static_cast<std::size_t>(n)];
    r.name = name;
    r.board = kNotAssigned;
    r.board2 = kNotAssigned;
    r.cmd_on = cmdOn;
    r.cmd_off = cmdOff;
  }

  const auto button = [&](ui::TW7SpeedButton*& b, const std::string& prefix, const char* caption, int left,
                          void (TZedArave::*handler)(fw::TObject*)) {
    if (create) {
      b = Make<ui::TW7SpeedButton>(this, ScrollBox1, prefix + number, left, y, 70, 25);
      b->SetCaption(caption);
      b->OnClick = [this, handler](fw::TObject* Sender) { (this->*handler)(Sender); };
    }
  };
  const auto label = [&](fw::TLabel*& l, const std::string& prefix, int left, int width) {
    if (create) l = Make<fw::TLabel>(this, ScrollBox1, prefix + number, left, y + 4, width, 16);
  };
  button(row.main.assign, "Switchbuttonassign_", "Assign 1", x + 210, &TZedArave::assign_key);
  button(row.main.clear, "Switchbuttonclear_", "Clear 1", x + 210, &TZedArave::clear_key);
  label(row.main.card, "Switch_Card", x + 285, 220);
  label(row.main.state, "Switch_label_Input", x + 510, 70);
  const bool mainSet = found != nullptr;
  ShowIf(row.main.assign, !mainSet);
  ShowIf(row.main.clear, mainSet);
  CaptionIf(row.main.card, mainSet ? CardText(found->board_desc, found->board) : kUnassigned);
  if (mainSet) CaptionIf(row.main.state, SwitchText(found->switch_no, found->switch_state));
  ShowIf(row.main.state, mainSet);

  if (!fsuipc) {
    button(row.second.assign, "Switch2buttonassign_", "Assign 2", x + 585, &TZedArave::assign_key2);
    button(row.second.clear, "Switch2buttonclear_", "Clear 2", x + 585, &TZedArave::clear_key2);
    label(row.second.card, "Switch2_Card", x + 660, 220);
    label(row.second.state, "Switch2_label_Input", x + 885, 70);
    const bool secondSet = found != nullptr && found->board2 != kNotAssigned && !found->board2.empty();
    ShowIf(row.second.assign, !secondSet);
    ShowIf(row.second.clear, secondSet);
    CaptionIf(row.second.card, secondSet ? CardText(found->board2_desc, found->board2) : kUnassigned);
    if (secondSet) CaptionIf(row.second.state, SwitchText(found->switch2_no, found->switch2_state));
    ShowIf(row.second.state, secondSet);
  } else {
    FsuipcEdits& e = row.fsuipc;
    if (create) {
      const auto edit = [&](fw::TLabel*& caption, const char* labelPrefix, const char* text, fw::TEdit*& field,
                            const char* editPrefix, int left, int labelWidth, int width, int maxLength,
                            void (TZedArave::*handler)(fw::TObject*)) {
        caption = Make<fw::TLabel>(this, ScrollBox1, labelPrefix + number, left, y + 4, labelWidth, 16);
        caption->SetCaption(text);
        field = Make<fw::TEdit>(this, ScrollBox1, editPrefix + number, left + labelWidth, y, width, 21);
        if (maxLength > 0) field->SetMaxLength(maxLength);
        field->OnChange = [this, handler](fw::TObject* Sender) { (this->*handler)(Sender); };
        caption->SetVisible(false);
        field->SetVisible(false);
      };
      edit(e.offsetLabel, "Switch_offset_label", "Offset", e.offset, kOffsetEdit, x + 585, 40, 45, 4,
           &TZedArave::offset_change);
      e.offset->SetCharCase(fw::ecUpperCase);
      edit(e.lengthLabel, "Switch_length_label", "Length", e.length, kLengthEdit, x + 675, 40, 20, 1,
           &TZedArave::offset_length_change);
      e.length->SetHint("1 = BYTE\r2 = WORD\r4 = DWORD\r8 = FLOAT64");
      e.length->SetShowHint(true);
      edit(e.valueOnLabel, "Switch_value_on_label", "Value ON", e.valueOn, kValueOnEdit, x + 740, 55, 60, 0,
           &TZedArave::offset_value_on_change);
      edit(e.valueOffLabel, "Switch_value_off_label", "Value OFF", e.valueOff, kValueOffEdit, x + 860, 60, 60, 0,
           &TZedArave::offset_value_off_change);
    } else if (found != nullptr) {
      e.offset->SetText(found->fsuipc_offset);
      e.length->SetText(std::to_string(found->fsuipc_size));
      e.valueOn->SetText(std::to_string(static_cast<long long>(found->value_on)));
      e.valueOff->SetText(std::to_string(static_cast<long long>(found->value_off)));
      ShowFsuipcEdits(e, true);
    } else {
      ShowFsuipcEdits(e, false);
    }
  }

  row_x = 10;
  row_y += 35;
  ProgressBar->StepIt();
}

void TZedArave::ShowFsuipcEdits(const FsuipcEdits& e, bool visible) {
  for (fw::TControl* c : {static_cast<fw::TControl*>(e.offsetLabel), static_cast<fw::TControl*>(e.offset),
                          static_cast<fw::TControl*>(e.lengthLabel), static_cast<fw::TControl*>(e.length),
                          static_cast<fw::TControl*>(e.valueOnLabel), static_cast<fw::TControl*>(e.valueOn),
                          static_cast<fw::TControl*>(e.valueOffLabel), static_cast<fw::TControl*>(e.valueOff)}) {
    ShowIf(c, visible);
  }
}

void TZedArave::ResetFsuipcEdits(const FsuipcEdits& e) {
  if (e.offset != nullptr) e.offset->SetText("");
  for (fw::TEdit* edit : {e.length, e.valueOn, e.valueOff}) {
    if (edit != nullptr) edit->SetText("0");
  }
}

void TZedArave::ShowUnassigned(const SwitchControls& c) {
  ShowIf(c.assign, true);
  ShowIf(c.clear, false);
  CaptionIf(c.card, kUnassigned);
  ShowIf(c.state, false);
}

void TZedArave::ShowUnassigned(const OutputRow& row) {
  ShowIf(row.assign, true);
  ShowIf(row.clear, false);
  CaptionIf(row.card, kUnassigned);
  ShowIf(row.number, false);
  ShowIf(row.test, false);
}

// ---- Input rows ------------------------------------------------------------------------------------------

void TZedArave::ShowInputSwitch(int n, bool second) {
  const tinput_assignments& r = input_assignments[static_cast<std::size_t>(n)];
  const InputRow& row = input_rows[static_cast<std::size_t>(n)];
  const SwitchControls& c = second ? row.second : row.main;
  ShowIf(c.assign, false);
  ShowIf(c.clear, true);
  CaptionIf(c.card, second ? CardText(r.board2_desc, r.board2) : CardText(r.board_desc, r.board));
  CaptionIf(c.state, second ? SwitchText(r.switch2_no, r.switch2_state) : SwitchText(r.switch_no, r.switch_state));
  ShowIf(c.state, true);
}

void TZedArave::AssignInputSwitch(fw::TObject* Sender, bool second) {
  const int n = RowAfterLastUnderscore(Sender);
  if (!ValidRow(n)) return;
  if (last_assignable_input.board.empty()) {
    ShowMessage(kNoButtonPressed);
    return;
  }
  tinput_assignments& r = input_assignments[static_cast<std::size_t>(n)];
  std::string& board = second ? r.board2 : r.board;
  board = last_assignable_input.board;
  (second ? r.switch2_no : r.switch_no) = last_assignable_input.switch_number;
  (second ? r.switch2_state : r.switch_state) = assign_off != nullptr && assign_off->Checked() ? 0 : 1;
  (second ? r.board2_desc : r.board_desc) = Get_Board_Name(board);
  ShowInputSwitch(n, second);
  const InputRow& row = input_rows[static_cast<std::size_t>(n)];
  if (!second && IsFsuipcFunction(row.label != nullptr ? row.label->Caption() : r.name)) {
    ShowFsuipcEdits(row.fsuipc, true);
  }
  Check_for_Change();
}

void TZedArave::ClearInputSwitch(fw::TObject* Sender, bool second) {
  const int n = RowAfterLastUnderscore(Sender);
  if (!ValidRow(n)) return;
  tinput_assignments& r = input_assignments[static_cast<std::size_t>(n)];
  (second ? r.board2 : r.board).clear();
  (second ? r.board2_desc : r.board_desc).clear();
  (second ? r.switch2_no : r.switch_no) = 0;
  (second ? r.switch2_state : r.switch_state) = 0;
  const InputRow& row = input_rows[static_cast<std::size_t>(n)];
  ShowUnassigned(second ? row.second : row.main);
  if (!second && IsFsuipcFunction(row.label != nullptr ? row.label->Caption() : r.name)) {
    ShowFsuipcEdits(row.fsuipc, false);
    ResetFsuipcEdits(row.fsuipc);
  }
  Check_for_Change();
}

void TZedArave::assign_key(fw::TObject* Sender) { AssignInputSwitch(Sender, false); }
void TZedArave::assign_key2(fw::TObject* Sender) { AssignInputSwitch(Sender, true); }
void TZedArave::clear_key(fw::TObject* Sender) { ClearInputSwitch(Sender, false); }
void TZedArave::clear_key2(fw::TObject* Sender) { ClearInputSwitch(Sender, true); }

void TZedArave::offset_change(fw::TObject* Sender) {
  const int n = RowAfterPrefix(Sender, std::char_traits<char>::length(kOffsetEdit));
  if (ValidRow(n)) input_assignments[static_cast<std::size_t>(n)].fsuipc_offset = EditText(Sender).substr(0, 4);
}

void TZedArave::offset_length_change(fw::TObject* Sender) {
  const int n = RowAfterPrefix(Sender, std::char_traits<char>::length(kLengthEdit));
  if (ValidRow(n)) {
    input_assignments[static_cast<std::size_t>(n)].fsuipc_size = static_cast<std::uint8_t>(strtoint_t(EditText(Sender)));
  }
}

void TZedArave::offset_value_on_change(fw::TObject* Sender) {
  const int n = RowAfterPrefix(Sender, std::char_traits<char>::length(kValueOnEdit));
  if (ValidRow(n)) input_assignments[static_cast<std::size_t>(n)].value_on = strtoint_t(EditText(Sender));
}

void TZedArave::offset_value_off_change(fw::TObject* Sender) {
  const int n = RowAfterPrefix(Sender, std::char_traits<char>::length(kValueOffEdit));
  if (ValidRow(n)) input_assignments[static_cast<std::size_t>(n)].value_off = strtoint_t(EditText(Sender));
}

// ---- Output rows -----------------------------------------------------------------------------------------

void TZedArave::assign_key_output(fw::TObject* Sender) {
  const int n = RowAfterLastUnderscore(Sender);
  if (!ValidRow(n)) return;
  toutput_assignments& r = output_assignments[static_cast<std::size_t>(n)];
  const OutputRow& row = output_rows[static_cast<std::size_t>(n)];
  const std::string name = row.label != nullptr ? row.label->Caption() : r.name;
  const std::string heading = "Assigning LED to : " + name;
  if (manual_assignment != nullptr) manual_assignment->Label1->SetCaption(heading);
  if (Relay_Selector != nullptr) Relay_Selector->Label1->SetCaption(heading);
  if (LED_Selector == nullptr) return;
  LED_Selector->Label1->SetCaption(heading);
  led_selector_active = true;  // the dialog drives the LEDs itself
  if (!LED_Selector->get_next_board(1)) {
    led_selector_active = false;
    ShowMessage("No assignable board connected");
    return;
  }
  LED_Selector->ShowModal();
  led_selector_active = false;
  if (LED_Selector->selected_led > 0) {
    r.name = name;
    r.board = LED_Selector->selected_board;
    r.output_no = LED_Selector->selected_led;
    r.board_desc = Get_Board_Name(r.board);
    ShowIf(row.assign, false);
    ShowIf(row.clear, true);
    CaptionIf(row.card, CardText(r.board_desc, r.board));
    CaptionIf(row.number, std::to_string(r.output_no));
    ShowIf(row.number, true);
    ShowIf(row.test, true);
    if (IsFsuipcFunction(name)) ShowFsuipcEdits(row.fsuipc, true);
  }
  Check_for_Change();
}

void TZedArave::clear_key_output(fw::TObject* Sender) {
  const int n = RowAfterLastUnderscore(Sender);
  if (!ValidRow(n)) return;
  toutput_assignments& r = output_assignments[static_cast<std::size_t>(n)];
  r.board.clear();
  r.board_desc.clear();
  r.output_no = 0;
  const OutputRow& row = output_rows[static_cast<std::size_t>(n)];
  ShowUnassigned(row);
  if (IsFsuipcFunction(row.label != nullptr ? row.label->Caption() : r.name)) {
    ShowFsuipcEdits(row.fsuipc, false);
    ResetFsuipcEdits(row.fsuipc);
  }
  Check_for_Change();
}

void TZedArave::offset_output_change(fw::TObject* Sender) {
  const int n = RowAfterPrefix(Sender, std::char_traits<char>::length(kOutputOffsetEdit));
  if (ValidRow(n)) output_assignments[static_cast<std::size_t>(n)].fsuipc_offset = EditText(Sender).substr(0, 4);
}

void TZedArave::offset_output_length_change(fw::TObject* Sender) {
  const int n = RowAfterPrefix(Sender, std::char_traits<char>::length(kOutputLengthEdit));
  if (ValidRow(n)) {
    output_assignments[static_cast<std::size_t>(n)].fsuipc_size =
        static_cast<std::uint8_t>(strtoint_t(EditText(Sender)));
  }
}

void TZedArave::offset_output_value_on_change(fw::TObject* Sender) {
  const int n = RowAfterPrefix(Sender, std::char_traits<char>::length(kOutputValueOnEdit));
  if (ValidRow(n)) output_assignments[static_cast<std::size_t>(n)].value_on = strtoint_t(EditText(Sender));
}

void TZedArave::Test_Output(fw::TObject* Sender) {
  const int n = RowAfterLastUnderscore(Sender);
  if (!ValidRow(n)) return;
  const toutput_assignments& r = output_assignments[static_cast<std::size_t>(n)];
  if (r.output_no <= 0) return;
  const std::int32_t session = Get_Board_session(r.board);
  if (session > 0) {
    auto* box = dynamic_cast<fw::TCheckBox*>(Sender);
    const std::uint8_t state = box != nullptr && box->Checked() ? 1 : 0;
    const int slot = SlotOfSession(board_table, session);
    if (slot != 0 && IsRelayModel(ModelOf(board_info[static_cast<std::size_t>(slot)]))) {
      interface_Dataline_Set(session, r.output_no, state);
    } else {
      interface_LED_Set(session, r.output_no, state);
    }
  }
  test_mode_active = true;
  ShowIf(reset_test, true);
}

// ---- Driving an output function --------------------------------------------------------------------------

void TZedArave::set_led(const std::string& name, std::uint8_t state) {
  toutput_assignments* record = nullptr;
  for (int k = 1; k <= kAssignmentRecords && record == nullptr; ++k) {
    toutput_assignments& r = output_assignments[static_cast<std::size_t>(k)];
    if (r.board != kNotAssigned && SameFunction(r.name, name)) record = &r;
  }
  if (record == nullptr) return;
  const std::int32_t session = Get_Board_session(record->board);
  const int slot = SlotOfSession(board_table, session);
  if (slot == 0) return;
  const BoardInfo& info = board_info[static_cast<std::size_t>(slot)];
  const bool relay = IsRelayModel(ModelOf(info));
  const std::int32_t count = relay ? info.datalineCount : info.ledCount;
  if (count == 0 || session < 1 || session > 5000 || record->output_no == 0) return;
  record->state = state;
  std::uint8_t value = state;
  if (record->name == "HALDOR APU Starting/Cooldown" && state != 0) value = blink_phase;
  if (settings_.force_cold_and_dark && panel_state.aircraft_power == 0) value = 0;
  if (relay) {
    interface_Dataline_Set(session, record->output_no, value);
  } else {
    interface_LED_Set(session, record->output_no, value);
  }
}

}  // namespace trelvik
