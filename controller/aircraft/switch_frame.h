// The switch processing: every switch change of a bound board and every joystick button ends up here, on
// the GUI thread. The frame stamps the activity, reports the event, types the CDU keys, picks the family
// of the sending board and hands the rest to the generic path (assignment capture and input assignments).
#pragma once

#include <cstddef>
#include <cstdint>

#include "controller/aircraft/switch_host.h"

namespace aircraft {

// Joystick events carry 10000 plus the 0-based joystick number as their id.
inline constexpr std::int32_t kJoystickIdBase = 10000;

void ProcessSwitch(SwitchHost& host, std::int32_t id, std::int32_t switchNumber, std::int32_t state);

// The label text of a handled switch: prefix, number, " ON" for state 1 and " OFF" otherwise.
std::string SwitchLabelText(const std::string& prefix, std::int32_t switchNumber, std::int32_t state);

// The contact check of a VOR/ADF selector whose two positions are two switches. Position 1's event records in
// the selector's flag (McpSwitchState::rescan_pair_flag[flag]) whether it is closed; position 2 reading open
// while position 1 is closed means the selector moved on to position 1, whose closing already said so: the
// event ends here (true).
bool SelectorEventEnds(SwitchHost& host, std::int32_t session, std::int32_t switchNumber, bool positionOne,
                       std::size_t flag);

}  // namespace aircraft
