// The main form's CDU outputs: the lamps of the CDU roles (LED pass; all lit or dark for test mode and at
// shut-down) and each role's display brightness (7-segment pass). GUI thread.
#include <string>

#include "controller/aircraft/cockpit_state.h"
#include "controller/aircraft/command_translation.h"
#include "controller/app/access_fault_guard.h"
#include "controller/app/board_api.h"
#include "controller/app/cdu_outputs.h"
#include "controller/app/form_output_sink.h"
#include "controller/app/zedarave.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"

namespace trelvik {

void TZedArave::Set_CDU_LEDs(const std::string& model) {
  const CduRoleSessions roles{cdu_cpt_session, cdu_fo_session, cdu_obs1_session, cdu_obs2_session,
                              cdu_obs3_session};
  const CduLampTests tests{cdu_cpt_timer->Enabled(), cdu_fo_timer->Enabled(), cdu_obs_timer->Enabled()};
  const auto& lamps = aircraft::Cockpit().cdu_lamps;
  FormOutputs out(*this);
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const tbuffer_id& entry = board_table[static_cast<std::size_t>(slot)];
    if (entry.model != model || entry.session == 0) continue;
    // One board's failure leaves the others served.
    Shielded([&] { WriteCduLamps(entry.session, roles, tests, led_pass_phase, lamps, out); });
  }
}

void TZedArave::SetCduRoleLamps(std::int32_t session, std::uint8_t state) {
  // Sessions are positive; a role without a board holds 0.
  const bool cduRole = session > 0 && (session == cdu_cpt_session || session == cdu_fo_session ||
                                       session == cdu_obs1_session || session == cdu_obs2_session);
  if (!cduRole) return;
  for (std::int32_t line : {9, 10, 11, 12, 13, 16, 15}) interface_Dataline_Set(session, line, state);
  for (std::int32_t led = 1; led <= 5; ++led) interface_LED_Set(session, led, state);
  if (state == 0) interface_Dataline_Set(session, 6, 0);
}

void TZedArave::SetCduBrightness() {
  const std::int32_t sessions[] = {cdu_cpt_session, cdu_fo_session, cdu_obs1_session, cdu_obs2_session,
                                   cdu_obs3_session};
  std::int32_t* const sent[] = {&cdu_brightness_sent_cpt, &cdu_brightness_sent_fo, &cdu_brightness_sent_obs};
  static const char* const kCommands[] = {"DISPLAY_CPT_CDU_BRIGHTNESS=", "DISPLAY_FO_CDU_BRIGHTNESS=",
                                          "DISPLAY_OBS_CDU_BRIGHTNESS="};
  const bool powered = panel_state.aircraft_power != 0;
  for (std::size_t role = 0; role < 5; ++role) {
    const std::int32_t session = sessions[role];
    if (session <= 0) continue;
    // The library refuses a read whose value holds 0 on entry; -1 also marks a read that failed.
    cdu_analog_value = -1;
    ApiStatus status = API_ERR_DEVICE_IO;
    Shielded([&] { status = Api().Analog_GetValue(session, 0, &cdu_analog_value); });
    // A failed read keeps the role's level: a dark display only follows the aircraft's power.
    const bool readOk = status == API_OK && cdu_analog_value >= 0;
    if (readOk) {
      cdu_brightness_level = CduBrightnessLevel(cdu_analog_value, powered);
    } else {
      cdu_brightness_level = powered ? cdu_role_level[role] : 0;
    }
    cdu_role_level[role] = cdu_brightness_level;
    const std::int32_t level = cdu_brightness_level;
    Shielded([&] { Api().Brightness_Set(session, level); });
    brightness_labels[role]->SetCaption("Brightness : " + std::to_string(level));
    if (role < 3 && level != *sent[role]) {
      aircraft::SendServerMessage(kCommands[role] + std::to_string(level));
      *sent[role] = level;
    }
  }
}

}  // namespace trelvik
