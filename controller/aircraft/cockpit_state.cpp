#include "controller/aircraft/cockpit_state.h"

#include <cstring>

namespace aircraft {

namespace {

struct Link {
  AddonData737 data737{};
  AddonData777 data777{};
  bool has737 = false;
  bool has777 = false;
  CockpitState state;
};

Link link;

template <class Area>
std::uint16_t U16(const Area& area, std::size_t at) {
  return static_cast<std::uint16_t>(area[at] | (area[at + 1] << 8));
}

template <class Area>
std::int16_t I16(const Area& area, std::size_t at) {
  return static_cast<std::int16_t>(U16(area, at));
}

template <class Area>
float F32(const Area& area, std::size_t at) {
  const std::uint32_t bits = static_cast<std::uint32_t>(area[at]) | static_cast<std::uint32_t>(area[at + 1]) << 8 |
                             static_cast<std::uint32_t>(area[at + 2]) << 16 |
                             static_cast<std::uint32_t>(area[at + 3]) << 24;
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::uint8_t Lit(std::uint8_t flag) { return flag != 0 ? 1 : 0; }

void Derive737() {
  const AddonData737& a = link.data737;
  CockpitState737& s = link.state.b737;
  // The add-on reports its power buses in four bytes: the aircraft is powered while any of them is 0.
  const bool powered = a[101] == 0 || a[102] == 0 || a[103] == 0 || a[104] == 0;
  s.power_737 = powered ? 1 : 0;
  s.course_cpt = U16(a, 256);
  s.course_fo = U16(a, 258);
  s.speed_737 = F32(a, 260);
  s.speed_blank_737 = a[264];
  s.speed_flash_737 = a[265];
  s.heading_737 = U16(a, 268);
  s.altitude_737 = U16(a, 270);
  s.vs_737 = I16(a, 272);
  s.vs_blank_737 = a[274];
  s.at_arm_lamp = a[277];
  s.fd_lamp_cpt = a[280];
  s.fd_lamp_fo = a[281];
  s.n1_lamp = a[283];
  s.speed_lamp_737 = a[284];
  s.vnav_lamp_737 = a[285];
  s.lvl_chg_lamp_737 = a[286];
  s.hdg_sel_lamp = a[287];
  s.lnav_lamp_737 = a[288];
  s.vor_loc_lamp_737 = a[289];
  s.app_lamp_737 = a[290];
  s.alt_hold_lamp_737 = a[291];
  s.vs_lamp_737 = a[292];
  s.cmd_a_lamp = a[293];
  s.cws_a_lamp = a[294];
  s.cmd_b_lamp = a[295];
  s.cws_b_lamp = a[296];

  CduLamps& captain = link.state.cdu_lamps[kCduCaptain];
  captain.power = (a[85] == 1 && a[93] != 1) || powered ? 1 : 0;
  captain.power2 = captain.power;
  CduLamps& firstOfficer = link.state.cdu_lamps[kCduFirstOfficer];
  firstOfficer.power = a[102] == 0 || a[104] == 0 ? 1 : 0;
  firstOfficer.power2 = firstOfficer.power;
  // Lamps in pairs (captain, first officer) in the order of lamps 1, 2, 4, 3, 5.
  CduLamps* const pair[] = {&captain, &firstOfficer};
  for (std::size_t side = 0; side < 2; ++side) {
    pair[side]->lamp1 = Lit(a[377 + side]);
    pair[side]->lamp2 = Lit(a[379 + side]);
    pair[side]->lamp4 = Lit(a[381 + side]);
    pair[side]->lamp3 = Lit(a[383 + side]);
    pair[side]->lamp5 = Lit(a[385 + side]);
  }
}

void Derive777() {
  const AddonData777& a = link.data777;
  CockpitState777& s = link.state.b777;
  s.power_777 = a[31] == 1 ? 1 : 0;
  s.speed_777 = F32(a, 288);
  s.speed_blank_777 = a[293];
  s.heading_777 = U16(a, 294);
  s.altitude_777 = U16(a, 296);
  s.vs_777 = I16(a, 298);
  s.fpa_777 = F32(a, 300);
  s.vs_blank_777 = a[304];
  s.alt_change_unit = a[310];
  s.hdg_trk_mode = a[316];
  s.vs_fpa_mode = a[317];
  s.ap_lamp_777 = a[336];
  s.speed_lamp_777 = a[338];
  s.lnav_lamp_777 = a[339];
  s.vnav_lamp_777 = a[340];
  s.flch_lamp_777 = a[341];
  s.hdg_hold_lamp = a[342];
  s.vs_lamp_777 = a[343];
  s.alt_hold_lamp_777 = a[344];
  s.loc_lamp_777 = a[345];
  s.app_lamp_777 = a[346];

  // Lamps in threes (left, right, centre) in the order of lamps 1, 2, 4, 3, 5.
  for (std::size_t cdu = 0; cdu < 3; ++cdu) {
    CduLamps& lamps = link.state.cdu_lamps[cdu];
    lamps.power = s.power_777;
    lamps.power2 = s.power_777;
    lamps.lamp1 = Lit(a[377 + cdu]);
    lamps.lamp2 = Lit(a[380 + cdu]);
    lamps.lamp4 = Lit(a[383 + cdu]);
    lamps.lamp3 = Lit(a[386 + cdu]);
    lamps.lamp5 = Lit(a[389 + cdu]);
  }
}

}  // namespace

void StoreData737(const std::uint8_t* area) {
  std::memcpy(link.data737.data(), area, link.data737.size());
  link.has737 = true;
  Derive737();
}

void StoreData777(const std::uint8_t* area) {
  std::memcpy(link.data777.data(), area, link.data777.size());
  link.has777 = true;
  Derive777();
}

void Rederive737() {
  if (link.has737) Derive737();
}

void Rederive777() {
  if (link.has777) Derive777();
}

const CockpitState& Cockpit() { return link.state; }
const AddonData737& LastAddonData737() { return link.data737; }
const AddonData777& LastAddonData777() { return link.data777; }

void ResetCockpitState() { link = Link{}; }

}  // namespace aircraft
