// The add-on's published data areas and the cockpit state derived from them. The areas are the add-on's
// wire format: little-endian values at fixed offsets. Each arrival of a data area is copied whole and the
// state is derived from the copy; the main form copies the state into its output block (panel_update.h).
// Module-level state of the aircraft link, all zero at start, written only by the derivation; GUI thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace aircraft {

inline constexpr std::size_t kAddonData737Size = 668;
inline constexpr std::size_t kAddonData777Size = 395;
inline constexpr std::size_t kAddonControl737Size = 8;
inline constexpr std::size_t kAddonControl777Size = 4;

using AddonData737 = std::array<std::uint8_t, kAddonData737Size>;
using AddonData777 = std::array<std::uint8_t, kAddonData777Size>;

struct CockpitState737 {
  std::uint8_t power_737 = 0;
  std::uint16_t course_cpt = 0;
  std::uint16_t course_fo = 0;
  float speed_737 = 0;
  std::uint8_t speed_blank_737 = 0;
  std::uint8_t speed_flash_737 = 0;
  std::uint16_t heading_737 = 0;
  std::uint16_t altitude_737 = 0;
  std::int16_t vs_737 = 0;
  std::uint8_t vs_blank_737 = 0;
  std::uint8_t fd_lamp_cpt = 0;
  std::uint8_t fd_lamp_fo = 0;
  std::uint8_t at_arm_lamp = 0;
  std::uint8_t n1_lamp = 0;
  std::uint8_t speed_lamp_737 = 0;
  std::uint8_t vnav_lamp_737 = 0;
  std::uint8_t lvl_chg_lamp_737 = 0;
  std::uint8_t hdg_sel_lamp = 0;
  std::uint8_t lnav_lamp_737 = 0;
  std::uint8_t vor_loc_lamp_737 = 0;
  std::uint8_t app_lamp_737 = 0;
  std::uint8_t alt_hold_lamp_737 = 0;
  std::uint8_t vs_lamp_737 = 0;
  std::uint8_t cmd_a_lamp = 0;
  std::uint8_t cws_a_lamp = 0;
  std::uint8_t cmd_b_lamp = 0;
  std::uint8_t cws_b_lamp = 0;
};

// One CDU's lamps: power and power2 drive its data lines (always equal), lamp1..lamp5 its LEDs 1..5.
struct CduLamps {
  std::uint8_t power = 0;
  std::uint8_t power2 = 0;
  std::uint8_t lamp3 = 0;
  std::uint8_t lamp4 = 0;
  std::uint8_t lamp2 = 0;
  std::uint8_t lamp5 = 0;
  std::uint8_t lamp1 = 0;
};

enum CduIndex : std::size_t { kCduCaptain = 0, kCduFirstOfficer = 1, kCduObserver = 2 };

struct CockpitState777 {
  std::uint8_t power_777 = 0;
  float speed_777 = 0;
  std::uint8_t speed_blank_777 = 0;
  std::uint16_t heading_777 = 0;
  std::uint16_t altitude_777 = 0;
  std::int16_t vs_777 = 0;
  float fpa_777 = 0;
  std::uint8_t vs_blank_777 = 0;
  std::uint8_t hdg_trk_mode = 0;
  std::uint8_t vs_fpa_mode = 0;
  std::uint8_t speed_lamp_777 = 0;
  std::uint8_t vnav_lamp_777 = 0;
  std::uint8_t flch_lamp_777 = 0;
  std::uint8_t hdg_hold_lamp = 0;
  std::uint8_t lnav_lamp_777 = 0;
  std::uint8_t loc_lamp_777 = 0;
  std::uint8_t app_lamp_777 = 0;
  std::uint8_t alt_hold_lamp_777 = 0;
  std::uint8_t vs_lamp_777 = 0;
  std::uint8_t ap_lamp_777 = 0;
  std::uint8_t alt_change_unit = 0;
};

struct CockpitState {
  CockpitState737 b737;
  std::array<CduLamps, 3> cdu_lamps;
  CockpitState777 b777;
};

// A data area arrived: copy it and derive that aircraft's part and the CDU lamp block.
void StoreData737(const std::uint8_t* area);
void StoreData777(const std::uint8_t* area);
// A control area arrived: derive again from the copy already held; nothing before the first data area.
void Rederive737();
void Rederive777();

const CockpitState& Cockpit();
const AddonData737& LastAddonData737();
const AddonData777& LastAddonData777();
// Back to the start: areas, state and "no area yet" all zero.
void ResetCockpitState();

}  // namespace aircraft
