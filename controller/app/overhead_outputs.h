// The displays and lamps of the overhead boards, one board per call: the ELEC and cabin-altitude panels
// 3306 and 3324, and the IRS display 3322. Values come from panel_state's overhead readings and the
// form's pressurisation settings; no state here.
#pragma once

#include <cstdint>

#include "controller/aircraft/family_host.h"
#include "controller/app/output_sink.h"
#include "controller/app/panel_state.h"

namespace trelvik {

struct OverheadConditions {
  bool family_test = false;  // the family's 3 s lamp test (elec_timer or irs_timer) is running
  std::uint8_t phase = 0;    // led_pass_phase: the lamp test flashes with it
};

// An ELEC panel: 3306 (is3306) places its altitudes by the wiring (ELEC_CONFIG_WIRING) and has three
// lamps; 3324 always shows the landing altitude first.
void WriteElecPanel(std::int32_t session, bool is3306, std::int32_t wiring, const PanelState& panel,
                    const aircraft::PressurisationValues& pressurisation, const OverheadConditions& conditions,
                    OutputSink& sink);

void WriteIrsPanel(std::int32_t session, const PanelState& panel, const OverheadConditions& conditions,
                   OutputSink& sink);

}  // namespace trelvik
