// The main window's commands: the role buttons, the basic and program views, the aircraft-type switch, the
// find keys and the scrolling of the assignment pages, the output test controls, the clear-all buttons, the
// encoder tuning and the page changes. GUI thread.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_binding.h"
#include "controller/app/access_fault_guard.h"
#include "controller/app/board_api.h"
#include "controller/app/dialog_boards.h"
#include "controller/app/dialogs.h"
#include "controller/app/zedarave.h"
#include "framework/rtl/textutils.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/scroll_box.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/up_down.h"
#include "framework/menus/menu_item.h"
#include "framework/services/messagebox.h"
#include "ui/controls/column_combo_box.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/office_check_box.h"
#include "ui/controls/office_radio_group.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/controls/color_button.h"
#include "ui/controls/w7_speed_button.h"
#include "ui/grid/model/string_grid.h"

namespace trelvik {

namespace {

constexpr int kInputPage = 1;
constexpr int kOutputPage = 2;
constexpr int kMonitorPage = 5;
constexpr int kDimmerPage = 6;

// A role that a button assigns from the last board whose key was pressed.
struct Role {
  int assign;  // W7SpeedButton number
  int clear;
  const char* message;  // when no key was pressed
  int label;            // Label number
  std::string TZedArave::*board;
  std::int32_t TZedArave::*session;
  bool cdu;
};

constexpr Role kRoles[] = {
    {10, 5, "Press a Key on the CAPTAIN CDU first", 9, &TZedArave::cdu_cpt_board, &TZedArave::cdu_cpt_session, true},
    {11, 6, "Press a Key on the F/O CDU first", 10, &TZedArave::cdu_fo_board, &TZedArave::cdu_fo_session, true},
    {12, 7, "Press a Key on the OBSERVER 1 CDU first", 16, &TZedArave::cdu_obs1_board, &TZedArave::cdu_obs1_session,
     true},
    {13, 8, "Press a Key on the OBSERVER 2 CDU first", 17, &TZedArave::cdu_obs2_board, &TZedArave::cdu_obs2_session,
     true},
    {14, 9, "Press a Key on the OBSERVER 3 CDU first", 18, &TZedArave::cdu_obs3_board, &TZedArave::cdu_obs3_session,
     true},
    {15, 26, "Press a Key on the CAPTAIN COM first", 23, &TZedArave::captain_com_board,
     &TZedArave::captain_com_session, false},
    {16, 27, "Press a Key on the F/O COM first", 24, &TZedArave::fo_com_board, &TZedArave::fo_com_session, false},
    {17, 28, "Press a Key on the CAPTAIN NAV first", 28, &TZedArave::captain_nav_board,
     &TZedArave::captain_nav_session, false},
    {18, 29, "Press a Key on the F/O NAV first", 29, &TZedArave::fo_nav_board, &TZedArave::fo_nav_session, false},
    {19, 30, "Press a Key on the ADF1 first", 30, &TZedArave::adf1_board, &TZedArave::adf1_session, false},
    {20, 31, "Press a Key on the ADF 2 first", 34, &TZedArave::adf2_board, &TZedArave::adf2_session, false},
    {21, 32, "Press a Key on the TRANSPONDER first", 36, &TZedArave::transponder_board,
     &TZedArave::transponder_session, false},
    {22, 33, "Press a Key on the CPT MULTICOM first", 37, &TZedArave::captain_multicom_board,
     &TZedArave::captain_multicom_session, false},
    {23, 34, "Press a Key on the FO MULTICOM first", 39, &TZedArave::fo_multicom_board,
     &TZedArave::fo_multicom_session, false},
    {24, 35, "Press a Key on the OBS1 MULTICOM first", 41, &TZedArave::obs1_multicom_board,
     &TZedArave::obs1_multicom_session, false},
    {25, 36, "Press a Key on the OBS2 MULTICOM first", 43, &TZedArave::obs2_multicom_board,
     &TZedArave::obs2_multicom_session, false},
};

// The modifier keys of a key press (mouse buttons left out).
fw::TShiftState Modifiers(fw::TShiftState shift) {
  return shift * fw::TShiftState{fw::ssShift, fw::ssAlt, fw::ssCtrl};
}

}  // namespace

// ---- Role buttons ----------------------------------------------------------------------------------------

void TZedArave::AssignRoleClick(int assignButton) {
  for (const Role& role : kRoles) {
    if (role.assign != assignButton) continue;
    const std::string name = (role.cdu ? last_input2 : last_input3)->Caption();
    if (name.empty()) {
      ShowMessage(role.message);
      return;
    }
    // The label also names boards that no slot holds (a key of a board that has gone): such a name is no
    // role, and saving it would put it into the assignments file.
    const std::int32_t session = Get_Board_session(name);
    if (session < 1) {
      ShowMessage("\"" + name + "\" is not a connected board. " + role.message);
      return;
    }
    this->*role.session = session;
    this->*role.board = name;
    role_labels[static_cast<std::size_t>(role.label)]->SetCaption(name);
    if (role.cdu) mark_unsaved();
    return;
  }
}

void TZedArave::ClearRoleClick(int clearButton) {
  for (const Role& role : kRoles) {
    if (role.clear != clearButton) continue;
    this->*role.session = 0;
    (this->*role.board).clear();
    role_labels[static_cast<std::size_t>(role.label)]->SetCaption("Not Assigned");
    if (role.cdu) mark_unsaved();
    return;
  }
}

// ---- Views -----------------------------------------------------------------------------------------------

void TZedArave::Button35Click() {
  if (button35->ArrowType() == ui::atUp) {
    button35->SetCaption("Enable Program Mode");
    button35->SetArrowType(ui::atDown);
    SetHeight(115);
    StatusBar1->SetAlign(fw::alTop);
    VxGlowButton4->SetVisible(false);
  } else {
    button35->SetCaption("Return to Basic Mode");
    button35->SetArrowType(ui::atUp);
    SetHeight(509);
    StatusBar1->SetAlign(fw::alBottom);
    const int page = pagecontrol1->ActivePageIndex();
    VxGlowButton4->SetVisible(page == kInputPage || page == kOutputPage);
  }
  Repaint();
}

void TZedArave::RunMode1Click() {
  button35->SetCaption("Enable Program Mode");
  button35->SetArrowType(ui::atDown);
  SetHeight(125);
  Repaint();
}

void TZedArave::ProgramMode1Click() {
  button35->SetCaption("Return to Basic Mode");
  button35->SetArrowType(ui::atUp);
  SetHeight(758);
  Repaint();
}

// ---- Aircraft type ---------------------------------------------------------------------------------------

void TZedArave::aircraft_typeClick() {
  settings_.aircraft_type = aircraft_type->ItemIndex() == 1 ? 1 : 0;  // what Save writes
  if (!startup_done_) return;
  if (aircraft::SimLibraryLoaded()) aircraft::CloseSim();
  Clear_Log_Details();
  Reload_Assignment_Options();
  if (aircraft::SimLibraryLoaded()) {
    if (Is777Selected()) {
      aircraft::OpenSim777();
    } else {
      aircraft::OpenSim737();
    }
  }
}

void TZedArave::Reload_Assignment_Options() {
  pagecontrol1->SetActivePage(VxSmoothTabPager11);
  Label5->SetCaption("Initializing..");
  Label5->SetVisible(true);
  ProgressBar->SetMaximum(1648);
  ProgressBar->GoToMinimum();
  ProgressBar->SetVisible(true);
  ClearRecords(input_assignments, output_assignments);
  build_combo_inputs(false);
  build_combo_outputs(false);
  LoadAssignmentsTwice();
  Label5->SetVisible(false);
  ProgressBar->SetVisible(false);
}

void TZedArave::ShowDescriptionsClick() {
  if (Form8 != nullptr) Form8->ShowModal();
}

// ---- Find --------------------------------------------------------------------------------------------------

void TZedArave::Find1Click() {
  if (find != nullptr) find->ShowModal();
}

std::int32_t TZedArave::FindRow(std::int32_t start, const std::string& text, bool outputs) const {
  const std::string wanted = fw::UpperCase(text);
  const auto matches = [&](int row) {
    fw::TLabel* label = outputs ? output_rows[static_cast<std::size_t>(row)].label
                                      : input_rows[static_cast<std::size_t>(row)].label;
    return label != nullptr && fw::UpperCase(label->Caption()).find(wanted) != std::string::npos;
  };
  for (int row = std::max(start, 1); row <= kAssignmentRecords; ++row) {
    if (matches(row)) return row;
  }
  for (int row = 1; row <= kAssignmentRecords; ++row) {
    if (matches(row)) return row;
  }
  return 0;
}

std::int32_t TZedArave::findpos(std::int32_t start, const std::string& text) const {
  return FindRow(start, text, false);
}

std::int32_t TZedArave::findpos2(std::int32_t start, const std::string& text) const {
  return FindRow(start, text, true);
}

// ---- Output tests ------------------------------------------------------------------------------------------

void TZedArave::CheckBox1Click() {
  const bool on = Test_Mode1->Checked() || CheckBox1->Checked();
  test_mode_active = on;
  const std::uint8_t state = on ? 1 : 0;
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const std::int32_t session = board_table[static_cast<std::size_t>(slot)].session;
    if (session == 0) continue;
    SetCduRoleLamps(session, state);
    if (on && IsRelayModel(ModelOf(board_info[static_cast<std::size_t>(slot)]))) continue;
    Shielded([&] { Api().LED_Test(session, state); });
  }
}

void TZedArave::Button38Click() {
  if (TestLED != nullptr && TestLED->outputboard->ComboItems()->Count() == 0) AddLedBoards(TestLED->outputboard, *this);
  test_mode_active = true;
  if (TestLED != nullptr) TestLED->ShowModal();
  test_mode_active = false;
}

void TZedArave::reset_testClick() {
  for (int row = 1; row <= kAssignmentRecords; ++row) {
    fw::TCheckBox* box = output_rows[static_cast<std::size_t>(row)].test;
    if (box != nullptr) box->SetChecked(false);
  }
  reset_test->SetVisible(false);
  test_mode_active = false;
}

bool TZedArave::ConfirmClearAll(const char* title) {
  fw::MessageBoxRequest request;
  request.Owner = HandleAllocated() ? Handle() : nullptr;
  request.Text = "Are You Sure ?";
  request.Caption = title;
  request.Flags = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
  return fw::ShowMessageBox(request) == IDYES;
}

void TZedArave::Button36Click() {
  if (!ConfirmClearAll("Clear All Switch Assignments")) return;
  for (int i = 1; i <= kAssignmentRecords; ++i) {
    tinput_assignments& r = input_assignments[static_cast<std::size_t>(i)];
    r.board = r.board2 = "NotAssigned";
    r.switch_no = r.switch_state = r.switch2_no = r.switch2_state = 0;
    r.board_desc.clear();
    r.board2_desc.clear();
    const InputRow& row = input_rows[static_cast<std::size_t>(i)];
    ShowUnassigned(row.main);
    ShowUnassigned(row.second);
  }
  Check_for_Change();
}

void TZedArave::Button37Click() {
  if (!ConfirmClearAll("Clear All Output Assignments")) return;
  for (int i = 1; i <= kAssignmentRecords; ++i) {
    toutput_assignments& r = output_assignments[static_cast<std::size_t>(i)];
    r.board = "NotAssigned";
    r.output_no = 0;
    r.board_desc.clear();
    ShowUnassigned(output_rows[static_cast<std::size_t>(i)]);
  }
  Check_for_Change();
}

// ---- Options and tuning ----------------------------------------------------------------------------------

void TZedArave::p_elec_configClick() { settings_.elec_config_wiring = p_elec_config->ItemIndex(); }

void TZedArave::W7SpeedButton133Click() {
  axis_functions[12] = AxisAssignment{};
  Label177->SetCaption("Not Assigned");
}

void TZedArave::UpDownClick(int upDown) {
  const int position = encoder_controls[static_cast<std::size_t>(upDown)].upDown->Position();
  ProgramSettings& s = settings_;
  std::int32_t* const values[] = {nullptr,       &s.crs.count, &s.crs.delay, &s.ias.count, &s.ias.delay,
                                  &s.hdg.count,  &s.hdg.delay, &s.alt.count, &s.alt.delay, &s.alt.gain,
                                  &s.hdg.gain,   &s.ias.gain,  &s.crs.gain};
  if (upDown >= 1 && upDown <= 12) *values[upDown] = position;
}

// ---- Pages, keys and the wheel -----------------------------------------------------------------------------

void TZedArave::pagecontrol1Changing(int toPage, bool& AllowChange) {
  AllowChange = true;
  VxGlowButton4->SetVisible(toPage == kInputPage || toPage == kOutputPage);
  if (toPage == kMonitorPage) {
    for (int row = 0; row < stringgrid1->RowCount(); ++row) stringgrid1->Rows(row)->Clear();
    if (write_switch_states) write_switch_states();
    for (int row = 0; row < stringgrid2->RowCount(); ++row) stringgrid2->Rows(row)->Clear();
  }
  if (toPage == kDimmerPage) {
    for (auto& joystick : axis_work.baseline) joystick.fill(0);
    for (int j = 1; j <= kDxJoysticks; ++j) axis_work.baseline[static_cast<std::size_t>(j)] = QueryJoystick(j).values;
  }
}

fw::TScrollBox* TZedArave::ActiveRowBox() const {
  switch (pagecontrol1->ActivePageIndex()) {
    case kInputPage: return ScrollBox1;
    case kOutputPage: return ScrollBox2;
    default: return nullptr;
  }
}

void TZedArave::FormKeyDown(std::uint16_t& Key, fw::TShiftState Shift) {
  fw::TScrollBox* box = ActiveRowBox();
  if (box == nullptr) return;
  const fw::TShiftState modifiers = Modifiers(Shift);
  if (Key == 'F' && modifiers.Contains(fw::ssCtrl)) {
    Find1Click();
    return;
  }
  fw::TControlScrollBar* bar = box->VertScrollBar();
  if (modifiers.Empty() && Key == VK_NEXT) bar->SetPosition(bar->Position() + 520);
  if (modifiers.Empty() && Key == VK_PRIOR) bar->SetPosition(bar->Position() - 520);
  if (modifiers == fw::TShiftState{fw::ssCtrl} && Key == VK_END) bar->SetPosition(bar->MaxPosition());
  if (modifiers == fw::TShiftState{fw::ssCtrl} && Key == VK_HOME) bar->SetPosition(0);
}

void TZedArave::MSWheel1IntelliScroll(std::int32_t zdelta) {
  fw::TScrollBox* box = ActiveRowBox();
  if (box == nullptr) return;
  fw::TControlScrollBar* bar = box->VertScrollBar();
  bar->SetPosition(bar->Position() - static_cast<int>(zdelta * 0.29));
}

// ---- Wiring ------------------------------------------------------------------------------------------------

void TZedArave::ConnectCommands() {
  for (const Role& role : kRoles) {
    const int assign = role.assign;
    const int clear = role.clear;
    speed_buttons[static_cast<std::size_t>(assign)]->OnClick = [this, assign](fw::TObject*) { AssignRoleClick(assign); };
    speed_buttons[static_cast<std::size_t>(clear)]->OnClick = [this, clear](fw::TObject*) { ClearRoleClick(clear); };
  }
  button35->OnClick = [this](fw::TObject*) { Button35Click(); };
  RunMode1->OnClick = [this](fw::TObject*) { RunMode1Click(); };
  ProgramMode1->OnClick = [this](fw::TObject*) { ProgramMode1Click(); };
  aircraft_type->OnClick = [this](fw::TObject*) { aircraft_typeClick(); };
  VxGlowButton3->OnClick = [this](fw::TObject*) { SaveConfiguration1Click(); };
  VxGlowButton1->OnClick = [this](fw::TObject*) { NewConfiguration1Click(); };
  VxGlowButton2->OnClick = [this](fw::TObject*) { LoadConfiguration1Click(); };
  VxGlowButton4->OnClick = [this](fw::TObject*) { Find1Click(); };
  show_descriptions->OnClick = [this](fw::TObject*) { ShowDescriptionsClick(); };
  W7SpeedButton3->OnClick = [this](fw::TObject*) { Button11Click(); };
  Find1->OnClick = [this](fw::TObject*) { Find1Click(); };
  Test_Mode1->OnClick = [this](fw::TObject*) { CheckBox1Click(); };
  CheckBox1->OnClick = [this](fw::TObject*) { CheckBox1Click(); };
  speed_buttons[1]->OnClick = [this](fw::TObject*) { Button38Click(); };
  reset_test->OnClick = [this](fw::TObject*) { reset_testClick(); };
  speed_buttons[4]->OnClick = [this](fw::TObject*) { Button36Click(); };
  speed_buttons[2]->OnClick = [this](fw::TObject*) { Button37Click(); };
  p_elec_config->OnClick = [this](fw::TObject*) { p_elec_configClick(); };
  W7SpeedButton133->OnClick = [this](fw::TObject*) { W7SpeedButton133Click(); };
  for (int upDown = 1; upDown <= 12; ++upDown) {
    encoder_controls[static_cast<std::size_t>(upDown)].upDown->OnClick =
        [this, upDown](fw::TObject*, fw::TUDBtnType) { UpDownClick(upDown); };
  }
  pagecontrol1->OnChanging = [this](fw::TObject*, int, int toPage, bool& AllowChange) {
    pagecontrol1Changing(toPage, AllowChange);
  };
  SetKeyPreview(true);
  OnKeyDown = [this](fw::TObject*, WORD& Key, fw::TShiftState Shift) { FormKeyDown(Key, Shift); };
}

}  // namespace trelvik
