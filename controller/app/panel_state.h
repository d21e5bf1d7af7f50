// The main form's block of output values that the output passes show, filled from the aircraft's
// cockpit state by the aircraft link; panel_state_prev is its copy from the previous 7-segment pass.
// Zero at creation. The passes that read each field add it here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace trelvik {

struct PanelState {
  std::uint8_t cdu_cpt_state = 0;
  std::uint8_t cdu_fo_state = 0;
  std::uint8_t cdu_obs_state = 0;
  // A change to or from 89 makes the idle pass reload the assignments; nothing in this program sets it.
  std::uint8_t reload_trigger = 0;
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

  // The aircraft's radios, shown by the radio-family outputs; the add-on's data areas carry none of them,
  // so they stay 0. VHF frequencies (COM1, COM2, NAV1, NAV2) as binary-coded-decimal words (0x1845 is
  // 118.45 MHz), ADF1 and ADF2 in kHz.
  std::array<std::uint32_t, 4> vhf_active_bcd{};
  std::array<std::uint32_t, 4> vhf_standby_bcd{};
  std::array<double, 2> adf_active{};
  std::array<double, 2> adf_standby{};
  std::int32_t transponder_code = 0;
  std::uint8_t transponder_mode = 0;
  // The TCAS mode switch's position and the three flags the transponder selector's position 2 looks at
  // (mode 0 only while they read 0, 0, 1).
  std::uint8_t tcas_mode_switch = 0;
  std::array<std::uint8_t, 3> tcas_flags{};

  // The overhead boards' readings (nothing fills them yet): the ELEC panel's three readouts in tenths, its
  // two whole readouts and three lamps; the IRS display's hemisphere letters and position values.
  std::array<std::uint16_t, 3> elec_tenths{};
  std::array<std::uint16_t, 2> elec_whole{};
  std::array<std::uint8_t, 3> elec_lamps{};
  std::string irs_latitude_letter;
  std::string irs_longitude_letter;
  double irs_latitude = 0;
  double irs_longitude = 0;

  bool operator==(const PanelState&) const = default;
};

}  // namespace trelvik
