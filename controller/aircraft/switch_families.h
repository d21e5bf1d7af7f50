// The families the frame hands to the main form's switch_families hook: multicom, radio and transponder
// roles and the overhead boards. The form installs RunSwitchFamily there.
#pragma once

#include <cstdint>
#include <string>

#include "controller/aircraft/family_host.h"
#include "controller/aircraft/switch_host.h"

namespace aircraft {

// One event of a family: index is the multicom role (0-3), the radio role (Radio), or the overhead board
// (OverheadBoard); always handled (true).
bool RunSwitchFamily(SwitchHost& host, FamilyHost& family, SwitchHost::Family kind, std::int32_t index,
                     const std::string& model, std::int32_t id, std::int32_t switchNumber, std::int32_t state);

}  // namespace aircraft
