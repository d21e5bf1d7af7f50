// The branch of the switch processing for the two stand-alone EFIS control panels: the captain's (330B)
// and the first officer's (330C). They have no windows or lamps of their own here: an event only sends
// commands, sets the last-switch label and clears the assignment capture. GUI thread only.
#pragma once

#include <cstdint>

#include "controller/aircraft/switch_host.h"

namespace aircraft {

enum class EfisSide { kCaptain, kFirstOfficer };

void RunEfisPanel(SwitchHost& host, EfisSide side, std::int32_t session, std::int32_t switchNumber,
                  std::int32_t state);

}  // namespace aircraft
