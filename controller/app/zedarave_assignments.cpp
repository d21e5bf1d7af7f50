// The assignments file: the loader that spreads it over the form's roles and axis functions, Save, and the
// hidden New, Load and Save As commands.
#include <optional>
#include <tuple>

#include "controller/app/zedarave.h"
#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/ini/inifile.h"
#include "framework/messaging/timer.h"
#include "framework/services/filedialogs.h"
#include "framework/services/programfolder.h"
#include "framework/classes/stringlist.h"
#include "ui/controls/smooth_label.h"

namespace trelvik {

void TZedArave::Load_Input_Assignments(const std::string& file) {
  const std::string folder = fw::ProgramFolder();
  if (file.empty()) {
    fw::TIniFile config(ConfigFilePath(folder));
    assignments_file = folder + ReadAssignmentsFileName(config);
  } else {
    assignments_file = file;
  }
  fw::TIniFile ini(assignments_file);

  // The selected aircraft's function lists; nothing in this program builds from them.
  const bool b777 = settings_.aircraft_type == 1;
  fw::TStringList inputs;
  fw::TStringList outputs;
  ini.ReadSectionValues(b777 ? "INPUT_ASSIGNMENTS_777" : "INPUT_ASSIGNMENTS_737", &inputs);
  ini.ReadSectionValues(b777 ? "OUTPUT_ASSIGNMENTS_777" : "OUTPUT_ASSIGNMENTS_737", &outputs);

  const struct {
    const char* key;
    std::string& board;
    fw::TLabel* label;
  } cdus[] = {{"CPT", cdu_cpt_board, Label9},
              {"FO", cdu_fo_board, Label10},
              {"OBS1", cdu_obs1_board, Label16},
              {"OBS2", cdu_obs2_board, Label17},
              {"OBS3", cdu_obs3_board, Label18}};
  for (const auto& c : cdus) {
    c.board = ini.ReadString("CDU_ASSIGNMENTS", c.key, "");
    c.label->SetCaption(c.board);
  }
  p_cpt_ext->SetChecked(ini.ReadBool("CDU_ASSIGNMENTS", "CPT_REMOTE", false));
  p_fo_ext->SetChecked(ini.ReadBool("CDU_ASSIGNMENTS", "FO_REMOTE", false));
  p_obs_ext->SetChecked(ini.ReadBool("CDU_ASSIGNMENTS", "OBS_REMOTE", false));

  // Radio roles; a label shows only a name that is there (otherwise it keeps "Not Assigned").
  const std::tuple<const char*, std::string&, int> radios[] = {
      {"CAPTAIN_COM", captain_com_board, 23}, {"FO_COM", fo_com_board, 24}, {"CAPTAIN_NAV", captain_nav_board, 28},
      {"FO_NAV", fo_nav_board, 29},           {"ADF1", adf1_board, 30},     {"ADF2", adf2_board, 34},
      {"TRANSPONDER", transponder_board, 36}};
  for (const auto& [key, board, label] : radios) {
    board = ini.ReadString("RADIO_ASSIGNMENTS", key, "");
    if (!board.empty()) role_labels[static_cast<std::size_t>(label)]->SetCaption(board);
  }

  const std::tuple<const char*, std::string&, std::int32_t&, int> multicoms[] = {
      {"CAPTAIN_MULTICOM", captain_multicom_board, captain_multicom_session, 37},
      {"FO_MULTICOM", fo_multicom_board, fo_multicom_session, 39},
      {"OBS1_MULTICOM", obs1_multicom_board, obs1_multicom_session, 41},
      {"OBS2_MULTICOM", obs2_multicom_board, obs2_multicom_session, 43}};
  for (const auto& [key, board, session, label] : multicoms) {
    board = ini.ReadString("RADIO_ASSIGNMENTS", key, "");
    session = Get_Board_session(board);
    if (!board.empty()) role_labels[static_cast<std::size_t>(label)]->SetCaption(board);
  }

  for (int number = 1; number <= kAxisFunctions; ++number) {
    const std::string stem = AxisStem(number);
    if (stem.empty()) continue;
    AxisAssignment& axis = axis_functions[static_cast<std::size_t>(number)];
    axis.joystick = ini.ReadInteger("AXIS_ASSIGNMENTS", stem + "_JOYSTICK", 0);
    axis.axis = ini.ReadInteger("AXIS_ASSIGNMENTS", stem + "_AXIS", 0);
    // A joystick or axis number outside 1..8 names no device or axis: the function is not assigned.
    if (axis.joystick < 1 || axis.joystick > 8 || axis.axis < 1 || axis.axis > 8) axis.joystick = axis.axis = 0;
    if (number < 20) continue;
    const bool noNullZone =
        stem == "BRAKES_R_1" || stem == "BRAKES_R_2" || stem == "THROTTLE_L" || stem == "THROTTLE_R";
    axis.low = ini.ReadInteger("AXIS_ASSIGNMENTS", stem + "_LOW", -16383);
    axis.high = ini.ReadInteger("AXIS_ASSIGNMENTS", stem + "_HIGH", 16383);
    axis.null_zone = ini.ReadInteger("AXIS_ASSIGNMENTS", stem + "_NULL", noNullZone ? 0 : 300);
    axis.reverse = ini.ReadBool("AXIS_ASSIGNMENTS", stem + "_REVERSE", false);
  }

  ShowLoadedAxes();
  ClearRecords(input_assignments, output_assignments);
  saved_inputs = input_assignments;
  saved_outputs = output_assignments;
}

void TZedArave::Check_for_Change() {
  if (RecordsChanged(input_assignments, saved_inputs, output_assignments, saved_outputs)) mark_unsaved();
}

bool TZedArave::AssignmentsChanged() const {
  return save_marked() || RecordsChanged(input_assignments, saved_inputs, output_assignments, saved_outputs);
}

void TZedArave::SaveConfiguration1Click() {
  {
    fw::TIniFile ini(assignments_file);
    ini.WriteString("CDU_ASSIGNMENTS", "CPT", cdu_cpt_board);
    ini.WriteString("CDU_ASSIGNMENTS", "FO", cdu_fo_board);
    ini.WriteString("CDU_ASSIGNMENTS", "OBS1", cdu_obs1_board);
  }
  {
    settings_.hide_on_startup = hide_on_startup_checked();
    settings_.use_3_digit_mach = p_3digit_mach->Checked();
    fw::TIniFile config(ConfigFilePath(fw::ProgramFolder()));
    WriteSettings(config, settings_, Left(), Top());
  }
  saved_inputs = input_assignments;
  saved_outputs = output_assignments;
  mark_saved();
  Label5->SetVisible(false);
  save_label->Caption()->SetText("Assignments Saved");
  save_label->SetVisible(true);
  set_status_text(1, "Assignments Saved");
  save_Timer->SetEnabled(true);
}

void TZedArave::NewConfiguration1Click() {
  if (!ConfirmClearAll("Clear All Assignments")) return;
  // Roles, axis functions and the file stay as they are.
  ClearRecords(input_assignments, output_assignments);
  build_combo_inputs(false);
  build_combo_outputs(false);
}

void TZedArave::LoadConfiguration1Click() {
  fw::FileDialogRequest request;
  request.Owner = HandleAllocated() ? Handle() : nullptr;
  request.Filter = "Import/Export File|*.ini";
  request.DefaultExt = "ini";  // the system appends it to a name typed without one
  const std::optional<std::string> path = fw::ShowOpenFileDialog(request);
  if (!path) return;
  assignments_file = *path;
  ClearRecords(input_assignments, output_assignments);
  Load_Input_Assignments(*path);
  build_combo_inputs(false);
  build_combo_outputs(false);
}

void TZedArave::SaveAs1Click() {
  fw::FileDialogRequest request;
  request.Owner = HandleAllocated() ? Handle() : nullptr;
  request.Filter = "Assignment Files|*.ini";
  request.InitialDir = fw::ProgramFolder();
  std::optional<std::string> path = fw::ShowSaveFileDialog(request);
  if (!path) return;
  // Only an exact lower-case ".ini" counts as the extension.
  if (path->size() < 4 || path->compare(path->size() - 4, 4, ".ini") != 0) *path += ".ini";
  assignments_file = *path;
  SaveConfiguration1Click();
}

}  // namespace trelvik
