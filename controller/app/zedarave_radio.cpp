// The main form's radio-family outputs: the NAV/COM/ADF radio panels, the multicoms and the transponders,
// with the hidden status lines of the radio page; the working standby copies reloaded from the aircraft;
// the transponder's code, TCAS mode and IDENT blink. GUI thread only.
#include <optional>

#include "controller/app/access_fault_guard.h"
#include "controller/app/form_output_sink.h"
#include "controller/app/number_text.h"
#include "controller/app/radio_outputs.h"
#include "controller/app/server_command.h"
#include "controller/app/zedarave.h"
#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "framework/services/clock.h"

namespace trelvik {

namespace {

RadioWorkingValues WorkingValues(const TZedArave& form) {
  RadioWorkingValues working;
  working.standby = {form.com1_standby, form.com2_standby, form.nav1_standby,
                     form.nav2_standby, form.adf1_standby, form.adf2_standby};
  working.test = form.radio_test;
  return working;
}

}  // namespace

void TZedArave::set_radio_panel(const std::string& model) {
  ShowRadioStatus();
  WriteRadioBoards(model);
}

void TZedArave::set_radio_panels() {
  ShowRadioStatus();
  for (const char* model : {"4C5A", "3401", "3318", "3305", "3402"}) WriteRadioBoards(model);
}

void TZedArave::ShowRadioStatus() {
  const auto lines = RadioStatusLines(panel_state, WorkingValues(*this), multicom_activity);
  for (std::size_t i = 0; i < lines.size(); ++i) radio_status_labels[i]->SetCaption(lines[i]);
}

void TZedArave::WriteRadioBoards(const std::string& model) {
  const RadioWorkingValues working = WorkingValues(*this);
  const std::int32_t radioRoles[] = {captain_com_session, fo_com_session, captain_nav_session,
                                     fo_nav_session,      adf1_session,   adf2_session};
  const std::array<std::int32_t, 4> multicomRoles{captain_multicom_session, fo_multicom_session,
                                                  obs1_multicom_session, obs2_multicom_session};
  const std::array<std::int32_t, 4> modes{captain_multicom_mode, fo_multicom_mode, obs1_multicom_mode,
                                          obs2_multicom_mode};
  const bool lampTest = radio_timer->Enabled();
  FormOutputs out(*this);
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const tbuffer_id& entry = board_table[static_cast<std::size_t>(slot)];
    const BoardInfo& info = board_info[static_cast<std::size_t>(slot)];
    if (entry.model != model || entry.session == 0 || (info.ledCount <= 0 && info.digitCount <= 0)) continue;
    const std::int32_t session = entry.session;
    // One board's failure leaves the others served.
    Shielded([&] {
      if (lampTest) return out.LedTest(session, led_pass_phase);
      if (model == "4C5A") {
        std::optional<aircraft::Radio> role;
        for (int r = 0; r < aircraft::kRadioCount && !role; ++r) {
          if (radioRoles[r] == session) role = static_cast<aircraft::Radio>(r);
        }
        WriteRadioPanel(session, role, panel_state, working, out);
      } else if (model == "3401" || model == "3318") {
        std::optional<int> role;
        for (int r = 0; r < 4 && !role; ++r) {
          if (multicomRoles[static_cast<std::size_t>(r)] == session) role = r;
        }
        const auto status = WriteMulticomPanel(session, model == "3401", role, modes, Is777Selected(), panel_state,
                                               working, out);
        if (status) set_status_text(2, *status);
      } else if (model == "3305" || model == "3402") {
        WriteTransponderPanel(session, session == transponder_session, panel_state, xpndr_code_entry,
                              xpndr_ident && ident_blink != 0, out);
      }
    });
  }
}

void TZedArave::RefreshRadioValues() {
  double* const vhf[] = {&com1_standby, &com2_standby, &nav1_standby, &nav2_standby};
  for (std::size_t i = 0; i < 4; ++i) *vhf[i] = BcdFrequency(panel_state.vhf_standby_bcd[i]);
  adf1_standby = panel_state.adf_standby[0];
  adf2_standby = panel_state.adf_standby[1];
}

void TZedArave::transponder_pass() {
  if (enable_radio == nullptr || !enable_radio->Checked() || transponder_session <= 0) return;
  std::int32_t mode = xpndr_mode;
  if (xpndr_selector == 1 && xpndr_mode == 0) mode = 1;
  const auto& flags = panel_state.tcas_flags;
  if (xpndr_selector == 2 && flags[0] == 0 && flags[1] == 0 && flags[2] == 1) mode = 0;
  if (xpndr_selector == 0) mode = 0;
  if (mode != panel_state.tcas_mode_switch) SendServerCommand("TCAS_MODE_SWITCH=" + std::to_string(mode));

  const std::string& code = xpndr_code_entry;
  if (code.size() == 4 && code.find_first_of("#-") == std::string::npos &&
      strtoint_t(code) != panel_state.transponder_code) {
    SendServerCommand("TRANSPONDER_SET=" + code);
  }

  // IDENT shows as two 250 ms blinks, then clears.
  if (xpndr_ident && fw::TickCount() - ident_blink_tick > 250) {
    ident_blink_tick = fw::TickCount();
    ident_blink = static_cast<std::uint8_t>(1 - ident_blink);
    if (++ident_blink_count >= 4) {
      ident_blink_count = 0;
      ident_blink = 0;
      xpndr_ident = false;
    }
  }
}

}  // namespace trelvik
