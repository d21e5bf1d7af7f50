// The overhead boards of the switch processing: the ELEC and pressurisation module 3306 in its five
// wirings, the ELEC/flight-altitude module 3324 and the IRS display and keyboard 3322. Each switch change
// sends at most one command. GUI thread only.
#pragma once

#include <cstdint>

#include "controller/aircraft/family_host.h"
#include "controller/aircraft/switch_host.h"

namespace aircraft {

enum class OverheadBoard { kElec3306 = 0, kElecFlt3324 = 1, kIrs3322 = 2 };

void RunOverheadBoard(SwitchHost& host, FamilyHost& family, OverheadBoard board, std::int32_t switchNumber,
                      std::int32_t state);

}  // namespace aircraft
