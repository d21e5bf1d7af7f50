// The main form's copy of the cockpit state into its output block, once per idle pass: the values of the
// selected aircraft, shaped as the output passes read them. Written over any block with the output fields'
// names, so the form's own block is filled directly. A field an aircraft does not publish keeps its value.
#pragma once

#include <cmath>
#include <cstdint>

#include "controller/aircraft/cockpit_state.h"
#include "framework/rtl/arith.h"

namespace aircraft {

namespace panel_detail {

// N1 lamp gives mode 1, then the SPEED lamp mode 7; with neither lit the mode stays.
template <class Panel>
void AutothrottleMode(Panel& panel) {
  if (panel.mcp_n1_lamp != 0) panel.mcp_at_mode = 1;
  if (panel.mcp_speed_lamp != 0) panel.mcp_at_mode = 7;
}

// A speed scaled for its window, rounded half to even; false when the area's value cannot be shown (not a
// number, or beyond any window), so the window keeps what it showed.
inline bool WindowValue(double scaled, std::int32_t& value) {
  if (!std::isfinite(scaled) || std::fabs(scaled) > 2147483647.0) return false;
  value = static_cast<std::int32_t>(fw::Round(scaled));
  return true;
}

// Knots from 100 up, otherwise a Mach number shown as hundredths (737) or thousandths (777).
template <class Panel>
void Speed(Panel& panel, float speed, double machScale) {
  std::int32_t value = 0;
  if (speed >= 100.0f) {
    panel.mcp_mach_mode = 0;
    if (WindowValue(speed, value)) panel.mcp_ias = value;
  } else {
    panel.mcp_mach_mode = 1;
    if (WindowValue(static_cast<double>(speed) * machScale, value)) panel.mcp_mach = value;
  }
}

}  // namespace panel_detail

template <class Panel>
void UpdateB737Structure(const CockpitState& cockpit, Panel& panel) {
  const CockpitState737& s = cockpit.b737;
  panel.aircraft_power = s.power_737;
  panel.mcp_cmd_a_lamp = s.cmd_a_lamp;
  panel.mcp_cmd_b_lamp = s.cmd_b_lamp;
  panel.mcp_cws_a_lamp = s.cws_a_lamp;
  panel.mcp_cws_b_lamp = s.cws_b_lamp;
  panel.mcp_at_arm_lamp = s.at_arm_lamp;
  panel.mcp_fd_lamp_cpt = s.fd_lamp_cpt;
  panel.mcp_fd_lamp_fo = s.fd_lamp_fo;
  panel.mcp_n1_lamp = s.n1_lamp;
  panel.mcp_speed_lamp = s.speed_lamp_737;
  panel.mcp_vnav_lamp = s.vnav_lamp_737;
  panel.mcp_lvl_chg_lamp = s.lvl_chg_lamp_737;
  panel.mcp_hdg_sel_lamp = s.hdg_sel_lamp;
  panel.mcp_lnav_lamp = s.lnav_lamp_737;
  panel.mcp_vor_loc_lamp = s.vor_loc_lamp_737;
  panel.mcp_app_lamp = s.app_lamp_737;
  panel.mcp_alt_hold_lamp = s.alt_hold_lamp_737;
  panel.mcp_vs_lamp = s.vs_lamp_737;
  panel_detail::AutothrottleMode(panel);
  // The speed window flashes exactly while the add-on flags it.
  panel.ias_flash_above = 999.0;
  panel.ias_flash_above2 = 999.0;
  panel.ias_flash_below = s.speed_flash_737 != 0 ? 999.0 : 0.0;
  panel_detail::Speed(panel, s.speed_737, 100.0);
  panel.mcp_ias_open = s.speed_blank_737 != 0 ? 0 : 1;
  panel.mcp_heading = s.heading_737;
  panel.mcp_altitude = s.altitude_737;
  panel.mcp_vs = s.vs_737;
  if (s.vs_blank_737 != 0) panel.mcp_vs = 0;
  panel.mcp_course_cpt = s.course_cpt;
  panel.mcp_course_fo = s.course_fo;
}

template <class Panel>
void UpdateB777Structure(const CockpitState& cockpit, Panel& panel) {
  const CockpitState777& s = cockpit.b777;
  panel.aircraft_power = s.power_777;
  panel.mcp_cmd_a_lamp = s.ap_lamp_777;
  panel.mcp_speed_lamp = s.speed_lamp_777;
  panel.mcp_vnav_lamp = s.vnav_lamp_777;
  panel.mcp_lvl_chg_lamp = s.flch_lamp_777;
  panel.mcp_hdg_hold_lamp = s.hdg_hold_lamp;
  panel.mcp_lnav_lamp = s.lnav_lamp_777;
  panel.mcp_vor_loc_lamp = s.loc_lamp_777;
  panel.mcp_app_lamp = s.app_lamp_777;
  panel.mcp_alt_hold_lamp = s.alt_hold_lamp_777;
  panel.mcp_vs_lamp = s.vs_lamp_777;
  panel_detail::AutothrottleMode(panel);
  // The 777's speed window never flashes.
  panel.ias_flash_below = 0.0;
  panel.ias_flash_above = 999.0;
  panel.ias_flash_above2 = 999.0;
  panel_detail::Speed(panel, s.speed_777, 1000.0);
  panel.mcp_ias_open = s.speed_blank_777 != 0 ? 0 : 1;
  panel.mcp_heading = s.heading_777;
  panel.mcp_altitude = s.altitude_777;
  panel.mcp_vs = s.vs_777;
  if (s.vs_blank_777 != 0) panel.mcp_vs = 0;
  panel.mcp_fpa = s.fpa_777;
  panel.mcp_hdg_trk_mode = s.hdg_trk_mode;
  panel.mcp_vs_fpa_mode = s.vs_fpa_mode;
  panel.mcp_alt_change_unit = s.alt_change_unit;
}

}  // namespace aircraft
