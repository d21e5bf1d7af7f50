// The main form's block of output values that the output passes show, filled from the aircraft's
// cockpit state by the aircraft link; panel_state_prev is its copy from the previous 7-segment pass.
// Zero at creation. The passes that read each field add it here.
#pragma once

#include <cstdint>

namespace trelvik {

struct PanelState {
  std::uint8_t cdu_cpt_state = 0;
  std::uint8_t cdu_fo_state = 0;
  std::uint8_t cdu_obs_state = 0;

  bool operator==(const PanelState&) const = default;
};

}  // namespace trelvik
