// The lamps of the mode-control panels: for one model code, every lamp of one board from the cockpit
// state. The same order of checks for every model: the hidden A/T arm test (330A, 330F), the family lamp
// test, no power (the panel's dark set), then the lamps.
#pragma once

#include <cstdint>
#include <string>

#include "controller/app/output_sink.h"
#include "controller/app/panel_state.h"

namespace trelvik {

// The models the LED and 7-segment passes serve, in the order they serve them.
inline constexpr const char* kMcpModels[] = {"330A", "330F", "3403", "3327", "3404", "3310", "3311"};

struct LampConditions {
  bool at_test = false;        // the hidden "A/T Arm Test" box
  bool family_test = false;    // the mode-control family's 3 s lamp test is running
  std::uint8_t phase = 0;      // led_pass_phase: the family test flashes with it
  bool b777 = false;           // the 777 is the selected aircraft
  bool hdg_trk_reverse = false;
};

// Writes the lamps of a board of `model`; false for a model that has no lamps here. `at_arm` receives the
// A/T arm indicator that the 3404 and 3311 set (left alone otherwise).
bool WriteMcpLamps(const std::string& model, std::int32_t session, const PanelState& panel,
                   const LampConditions& conditions, OutputSink& sink, bool& at_arm);

// The EFIS panels 330B and 330C: LEDs 1 to 16 with the family test's phase, off without power (1 to 17),
// otherwise on.
void WriteEfisLamps(std::int32_t session, const PanelState& panel, bool efisTest, std::uint8_t phase,
                    OutputSink& sink);

}  // namespace trelvik
