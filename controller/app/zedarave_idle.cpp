// The main form's idle pass: the GUI thread runs it whenever its queue is empty, so each pass stays short.
// Tick differences are unsigned 32-bit, so they hold across the tick count's wrap.
#include <cstdint>

#include "controller/aircraft/cockpit_state.h"
#include "controller/aircraft/panel_update.h"
#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_binding.h"
#include "controller/app/zedarave.h"
#include "framework/controls/label.h"
#include "framework/services/clock.h"

namespace trelvik {

namespace {

// A flag that clears once `age` ms have passed since its tick; the tick moves on with it.
void Age(bool& flag, std::uint32_t& tick, std::uint32_t age) {
  const std::uint32_t now = fw::TickCount();
  if (now - tick > age) {
    tick = now;
    flag = false;
  }
}

constexpr std::int32_t kReloadTrigger = 89;

// Whether a pass with this interval is due; when it is, its start is now.
bool Due(std::uint32_t& tick, std::int32_t interval) {
  const std::uint32_t now = fw::TickCount();
  if (now - tick < static_cast<std::uint32_t>(interval)) return false;
  tick = now;
  return true;
}

}  // namespace

void TZedArave::loop() {
  Age(switch_activity, switch_activity_tick, 2000);
  Age(output_suspended, output_suspend_tick, 2000);
  Age(multicom_activity, multicom_activity_tick, 2000);
  if (fw::TickCount() - blink_tick > 300) {
    blink_tick = fw::TickCount();
    blink_phase = static_cast<std::uint8_t>(1 - blink_phase);
  }

  // The aircraft: one dispatch of the selected aircraft's session (only with a library), then its values.
  if (Is777Selected()) {
    if (aircraft::SimLibraryLoaded()) aircraft::PollSim777();
    aircraft::UpdateB777Structure(aircraft::Cockpit(), panel_state);
  } else {
    if (aircraft::SimLibraryLoaded()) aircraft::PollSim737();
    aircraft::UpdateB737Structure(aircraft::Cockpit(), panel_state);
  }

  // The LED pass.
  if (Due(led_pass_tick, settings_.output_led_timer)) {
    Label181->SetCaption(panel_state.aircraft_power != 0 ? "DC Power : ON" : "DC Power : OFF");
    Output_Loop_LED();
  }
  // The 7-segment pass.
  if (Due(seg_pass_tick, settings_.output_7seg_timer)) Output_Loop_7SEG();
  // The output monitor, once a second (it fills only while its page is shown).
  if (Due(monitor_tick, 1000)) write_Output_states();
  // The transponder's code and TCAS mode, and the IDENT blink.
  transponder_pass();
  // The assignments reloaded when the reload trigger moves to or from 89.
  if (panel_state.reload_trigger != reload_trigger_prev) {
    if (panel_state.reload_trigger == kReloadTrigger || reload_trigger_prev == kReloadTrigger) {
      Reload_Assignment_Options();
    }
    reload_trigger_prev = panel_state.reload_trigger;
  }
  // The joystick axes, at most every 200 ms.
  axis_pass();
}

}  // namespace trelvik
