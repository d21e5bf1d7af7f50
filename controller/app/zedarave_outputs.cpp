// The main form's output passes over the mode-control panels: lamps (LED pass) and windows (7-segment
// pass). The idle loop runs them on their intervals; the switch processing calls the per-model drivers.
// GUI thread only.
#include <algorithm>

#include "controller/app/access_fault_guard.h"
#include "controller/app/board_api.h"
#include "controller/app/form_output_sink.h"
#include "controller/app/mcp_lamps.h"
#include "controller/app/zedarave.h"
#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "framework/services/clock.h"
#include "framework/services/timing_trace.h"
#include "ui/controls/smooth_label.h"

namespace trelvik {

std::int32_t TZedArave::OutputBoardSession(const std::string& model) {
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    if (board_table[slot].model != model) continue;
    const std::int32_t session = board_table[slot].session;
    if (session == 0) return 0;
    BoardInfo info{};
    const auto known = std::find(board_info_errors_.begin(), board_info_errors_.end(), model);
    if (Api().GetBoardInfo(session, &info) != API_OK) {
      // Reported once, never as a message box: modal loops run the idle pass, so boxes would pile up.
      if (known == board_info_errors_.end()) {
        board_info_errors_.push_back(model);
        set_status_text(1, "Board Info Error");
        force_log("Board Info Error : " + board_table[slot].name);
      }
      return 0;
    }
    if (known != board_info_errors_.end()) board_info_errors_.erase(known);
    return session;
  }
  return 0;
}

void TZedArave::set_mcp_outputs(const std::string& model) {
  const std::int32_t session = OutputBoardSession(model);
  if (session == 0) return;
  LampConditions conditions;
  conditions.at_test = AT_Test->Checked();
  conditions.family_test = mcp_timer != nullptr && mcp_timer->Enabled();
  conditions.phase = led_pass_phase;
  conditions.b777 = Is777Selected();
  conditions.hdg_trk_reverse = settings_.hdg_trk_reverse;
  FormOutputs outputs(*this);
  try {
    bool armed = at_arm->Checked();
    WriteMcpLamps(model, session, panel_state, conditions, outputs, armed);
    at_arm->SetChecked(armed);
  } catch (...) {
  }
}

void TZedArave::ShowRunningLabel() {
  Test_Mode_Label->Hide();
  Label5->SetVisible(!initializing_devices->Visible());
  if (save_Timer->Enabled() || Axis_Detect->Enabled()) Label5->Hide();
  if (Label5->Caption() == "Initializing..") Label5->SetCaption("Running");
  if (Label5->Caption().size() >= 12) {
    Label5->SetCaption("Running");
  } else {
    Label5->SetCaption(Label5->Caption() + ".");
  }
}

void TZedArave::Output_Loop_LED() {
  const fw::TraceScope trace(fw::TraceKind::kLedPass);
  if (AT_Test->Checked()) output_suspended = false;
  if (test_mode_active) {
    Test_Mode_Label->Show();
    Label5->Hide();
    return;
  }
  ShowRunningLabel();
  if (output_suspended) return;
  try {
    if (led_selector_active) return;
    if (reload_input_assignments) {
      reload_input_assignments = false;
      Load_Input_Assignments("");
    }
    // The output assignments only feed the internal flags; nothing fills them in this program.
    std::fill(internal_flag.begin(), internal_flag.end(), false);
    for (const char* model : kMcpModels) set_mcp_outputs(model);
    Set_CDU_LEDs("3302");
    Set_CDU_LEDs("331A");
    Set_ELEC_Panel("3306");
    Set_ELEC_Panel("3324");
    Set_IRS_Panel("3322");
    led_pass_phase = static_cast<std::uint8_t>(1 - led_pass_phase);
  } catch (...) {
  }
}

void TZedArave::set_mcp_outputs_7seg(const std::string& model) {
  const std::int32_t session = OutputBoardSession(model);
  if (session == 0) return;
  WindowConditions conditions;
  conditions.family_test = mcp_timer != nullptr && mcp_timer->Enabled();
  conditions.phase = led_pass_phase;
  conditions.three_digit_mach = p_3digit_mach != nullptr && p_3digit_mach->Checked();
  conditions.now = fw::TickCount();
  FormOutputs outputs(*this);
  try {
    WriteMcpWindows(model, session, panel_state, mcp_switches, conditions, speed_flash, outputs);
  } catch (...) {
  }
}

void TZedArave::Output_Loop_7SEG() {
  const fw::TraceScope trace(fw::TraceKind::kSegmentPass);
  if (test_mode_active || output_suspended) return;
  try {
    // A CDU's lamp test starts when its state byte turns 1, or after discovery marked it 9 for a new model.
    const struct {
      std::uint8_t now, before;
      fw::TTimer* timer;
    } roles[] = {{panel_state.cdu_cpt_state, panel_state_prev.cdu_cpt_state, cdu_cpt_timer},
                 {panel_state.cdu_fo_state, panel_state_prev.cdu_fo_state, cdu_fo_timer},
                 {panel_state.cdu_obs_state, panel_state_prev.cdu_obs_state, cdu_obs_timer}};
    for (const auto& role : roles) {
      if (role.now != role.before && (role.now == 1 || role.before == 9)) role.timer->SetEnabled(true);
    }
    if (enable_cdu != nullptr && enable_cdu->Checked()) SetCduBrightness();
    if (!switch_activity) {
      ReloadWindowFields(panel_state, mcp_switches);
      for (const char* model : kMcpModels) set_mcp_outputs_7seg(model);
      RefreshRadioValues();
      set_radio_panels();
    }
    panel_state_prev = panel_state;
  } catch (...) {
  }
}

}  // namespace trelvik
