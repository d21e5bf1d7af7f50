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
  // The bank-angle limit the ELVL heading knob steps from while in bank-angle mode; nothing fills it yet.
  std::int32_t bank_angle_limit = 0;

  // Filled from the cockpit state of the selected aircraft on every idle pass (aircraft/panel_update.h).
  std::uint8_t aircraft_power = 0;
  double mcp_course_cpt = 0;
  double mcp_course_fo = 0;
  std::int32_t mcp_ias = 0;
  std::int32_t mcp_mach = 0;
  std::uint8_t mcp_mach_mode = 0;
  std::uint8_t mcp_ias_open = 0;
  double ias_flash_below = 0;
  double ias_flash_above = 0;
  double ias_flash_above2 = 0;
  std::int32_t mcp_heading = 0;
  std::int32_t mcp_altitude = 0;
  std::int32_t mcp_vs = 0;
  double mcp_fpa = 0;
  std::uint8_t mcp_vs_fpa_mode = 0;
  std::uint8_t mcp_hdg_trk_mode = 0;
  std::uint8_t mcp_alt_change_unit = 0;
  std::uint8_t mcp_at_mode = 0;
  std::uint8_t mcp_n1_lamp = 0;
  std::uint8_t mcp_speed_lamp = 0;
  std::uint16_t mcp_fd_lamp_cpt = 0;
  std::uint16_t mcp_fd_lamp_fo = 0;
  std::uint8_t mcp_at_arm_lamp = 0;
  std::uint8_t mcp_vnav_lamp = 0;
  std::uint8_t mcp_lvl_chg_lamp = 0;
  std::uint8_t mcp_hdg_sel_lamp = 0;
  std::uint8_t mcp_hdg_hold_lamp = 0;
  std::uint8_t mcp_lnav_lamp = 0;
  std::uint8_t mcp_vor_loc_lamp = 0;
  std::uint8_t mcp_app_lamp = 0;
  std::uint8_t mcp_alt_hold_lamp = 0;
  std::uint8_t mcp_vs_lamp = 0;
  std::uint8_t mcp_cmd_a_lamp = 0;
  std::uint8_t mcp_cmd_b_lamp = 0;
  std::uint8_t mcp_cws_a_lamp = 0;
  std::uint8_t mcp_cws_b_lamp = 0;

  bool operator==(const PanelState&) const = default;
};

}  // namespace trelvik
