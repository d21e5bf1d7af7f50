#include "controller/app/form_switch_host.h"

#include "controller/aircraft/cockpit_state.h"
#include "controller/aircraft/command_translation.h"
#include "controller/aircraft/panel_update.h"
#include "controller/app/board_api.h"
#include "controller/app/zedarave.h"
#include "framework/controls/label.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/check_box.h"
#include "framework/services/timing_trace.h"
#include "ui/controls/smooth_progress_bar.h"

namespace trelvik {

namespace {

const char* const kUnknownBoard = " Unknown Board";

}  // namespace

void FormSwitchHost::ShowSwitchReceived(const std::string& text) { pendingReceived_ = text; }

void FormSwitchHost::Log(const std::string& text) { form_.log(text); }

void FormSwitchHost::AdvanceInputProgress() { ++pendingProgress_; }

void FormSwitchHost::ShowEntrySteps() noexcept {
  try {
    if (pendingReceived_) {
      const std::string text = std::move(*pendingReceived_);
      pendingReceived_.reset();
      // The status bar paints on its next WM_PAINT.
      form_.StatusBar1->Invalidate();
      form_.StatusBar1->Panels()->Items(0)->SetText(text);
    }
    for (; pendingProgress_ > 0; --pendingProgress_) {
      ui::TVxSmoothProgressBar* bar = form_.input_progress;
      if (bar->Position() < 100) bar->SetPosition(bar->Position() + 1);
    }
  } catch (...) {
    // A window that cannot take the text keeps its old one; the event itself is done.
    pendingReceived_.reset();
    pendingProgress_ = 0;
  }
}

void FormSwitchHost::SetLabel(aircraft::SwitchLabel label, const std::string& text) {
  switch (label) {
    case aircraft::SwitchLabel::kLastInput: form_.last_input->SetCaption(text); break;
    case aircraft::SwitchLabel::kLastBoardCdu: form_.last_input2->SetCaption(text); break;
    case aircraft::SwitchLabel::kLastBoardRadio: form_.last_input3->SetCaption(text); break;
  }
}

aircraft::SwitchRoles FormSwitchHost::Roles() const {
  aircraft::SwitchRoles roles;
  roles.cdu = {form_.cdu_cpt_session, form_.cdu_fo_session, form_.cdu_obs1_session, form_.cdu_obs2_session,
               form_.cdu_obs3_session};
  roles.multicom = {form_.captain_multicom_session, form_.fo_multicom_session, form_.obs1_multicom_session,
                    form_.obs2_multicom_session};
  roles.radio = {form_.captain_com_session, form_.fo_com_session, form_.captain_nav_session,
                 form_.fo_nav_session,      form_.adf1_session,   form_.adf2_session};
  roles.transponder = form_.transponder_session;
  return roles;
}

std::optional<std::string> FormSwitchHost::ModelOfSession(std::int32_t id) const {
  const int slot = SlotOfSession(form_.board_table, id);
  if (slot == 0) return std::nullopt;
  return ModelOf(form_.board_info[static_cast<std::size_t>(slot)]);
}

std::string FormSwitchHost::DeviceNameOfSession(std::int32_t id) const {
  const int slot = SlotOfSession(form_.board_table, id);
  return slot == 0 ? kUnknownBoard : form_.board_table[static_cast<std::size_t>(slot)].name;
}

void FormSwitchHost::SendCommand(const std::string& command) {
  fw::TracePoint(fw::TraceKind::kCommand, 0);
  aircraft::SendServerMessage(command);
  ShowEntrySteps();
}

bool FormSwitchHost::Is777Selected() const { return form_.Is777Selected(); }

void FormSwitchHost::SevenSegmentSet(std::int32_t session, const std::string& text, std::int32_t firstDigit) {
  form_.interface_7Seg_Set(session, text.c_str(), firstDigit);
}

void FormSwitchHost::LedSet(std::int32_t session, std::int32_t led, bool on) {
  form_.interface_LED_Set(session, led, on ? 1 : 0);
}

bool FormSwitchHost::SwitchClosed(std::int32_t session, std::int32_t switchNumber) {
  std::int32_t state = 0;
  if (Api().Switch_Get_State(session, switchNumber, &state) != 0) return false;
  return state == 1;
}

void FormSwitchHost::RunMcpLedPass(const std::string& model) {
  form_.set_mcp_outputs(model);
}

void FormSwitchHost::MarkSwitchActivity(std::uint32_t tick) {
  form_.switch_activity = true;
  form_.switch_activity_tick = tick;
}

void FormSwitchHost::ClearSwitchActivity() { form_.switch_activity = false; }

void FormSwitchHost::SetSwitchActivityTick(std::uint32_t tick) { form_.switch_activity_tick = tick; }

std::uint32_t& FormSwitchHost::PrevSwitchTick() { return form_.prev_switch_tick; }

aircraft::LastAssignableInput& FormSwitchHost::LastInput() { return form_.last_assignable_input; }

aircraft::McpSwitchState& FormSwitchHost::Mcp() { return form_.mcp_switches; }

aircraft::KnobPushFlags& FormSwitchHost::PushFlags() { return form_.knob_flags; }

aircraft::McpTuning FormSwitchHost::Tuning() const {
  const ProgramSettings& s = form_.settings();
  const auto knob = [](const EncoderSettings& e) { return aircraft::KnobTuning{e.count, e.delay, e.gain}; };
  return aircraft::McpTuning{knob(s.crs), knob(s.ias), knob(s.hdg), knob(s.alt), s.old_haldor_mcp};
}

aircraft::McpReadback FormSwitchHost::Readback() const {
  const PanelState& p = form_.panel_state;
  return aircraft::McpReadback{p.mcp_ias_open != 0, p.mcp_mach_mode != 0, p.mcp_vs_lamp != 0,
                               p.mcp_vs_fpa_mode != 0, p.mcp_alt_change_unit != 0, p.bank_angle_limit};
}

aircraft::EfisSettings FormSwitchHost::Efis() const {
  const ProgramSettings& s = form_.settings();
  aircraft::EfisSettings efis;
  efis.captain = {s.cpt_baro_reverse, s.cpt_mins_reverse, s.cpt_mins_direction_reverse, s.cpt_baro_direction_reverse};
  efis.first_officer = {s.fo_baro_reverse, s.fo_mins_reverse, s.fo_mins_direction_reverse,
                        s.fo_baro_direction_reverse};
  efis.link_cpt_mins_mode_to_fo = s.link_cpt_mins_mode_to_fo;
  efis.map_range_option_777 = s.efis_map_range_option_777;
  return efis;
}

void FormSwitchHost::UncheckAssignOff() {
  if (form_.assign_off != nullptr) form_.assign_off->SetChecked(false);
}

void FormSwitchHost::SetImportSwitchBoard(const std::string& board) { form_.import_switch_board = board; }

bool FormSwitchHost::ImportWaitingForSwitch() const { return form_.import_waiting_for_switch; }

void FormSwitchHost::AssignImportBoard() {
  if (form_.OnImportSwitch) form_.OnImportSwitch();
}

void FormSwitchHost::RunInputAssignments(const std::string& board, std::int32_t switchNumber,
                                         std::int32_t state) {
  if (form_.run_input_assignments) form_.run_input_assignments(board, switchNumber, state);
}

bool FormSwitchHost::RunFamily(Family family, std::int32_t index, const std::string& model, std::int32_t id,
                               std::int32_t switchNumber, std::int32_t state) {
  if (!form_.switch_families) return false;
  return form_.switch_families(family, index, model, id, switchNumber, state);
}

double& FormSwitchHost::Standby(aircraft::Radio radio) {
  double* const standby[] = {&form_.com1_standby, &form_.com2_standby, &form_.nav1_standby,
                             &form_.nav2_standby, &form_.adf1_standby, &form_.adf2_standby};
  return *standby[static_cast<std::size_t>(radio)];
}

bool& FormSwitchHost::RadioTest(aircraft::Radio radio) { return form_.radio_test[static_cast<std::size_t>(radio)]; }

std::int32_t& FormSwitchHost::MulticomMode(std::int32_t role) {
  std::int32_t* const modes[] = {&form_.captain_multicom_mode, &form_.fo_multicom_mode, &form_.obs1_multicom_mode,
                                 &form_.obs2_multicom_mode};
  return *modes[static_cast<std::size_t>(role)];
}

std::string& FormSwitchHost::XpndrCodeEntry() { return form_.xpndr_code_entry; }

std::int32_t& FormSwitchHost::XpndrMode() { return form_.xpndr_mode; }

std::int32_t& FormSwitchHost::XpndrSelector() { return form_.xpndr_selector; }

bool& FormSwitchHost::XpndrIdent() { return form_.xpndr_ident; }

void FormSwitchHost::ClearOutputSuspended() { form_.output_suspended = false; }

void FormSwitchHost::MarkMulticomActivity(std::uint32_t tick) {
  form_.multicom_activity = true;
  form_.multicom_activity_tick = tick;
}

void FormSwitchHost::ShowRadioPanel(const std::string& model) { form_.set_radio_panel(model); }

void FormSwitchHost::RederiveB777() { aircraft::UpdateB777Structure(aircraft::Cockpit(), form_.panel_state); }

std::int32_t FormSwitchHost::ElecConfigWiring() const { return form_.settings().elec_config_wiring; }

aircraft::PressurisationValues FormSwitchHost::Pressurisation() const { return form_.pressurisation; }

}  // namespace trelvik
