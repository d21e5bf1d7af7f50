// The button release of the 777's MINS and BARO knobs: the add-on takes a knob turn as a mouse click on
// it, so a turn is finished by the left- and right-button release flags sent to the same event. The main
// form's four 200 ms one-shot timers send them after a turn, and the switch rescan for all four knobs.
// GUI thread only; nothing is sent without a SimConnect library.
#pragma once

#include <cstdint>

#include "controller/aircraft/aircraft_host.h"

namespace aircraft {

inline constexpr std::uint32_t kLeftButtonRelease = 0x20000;
inline constexpr std::uint32_t kRightButtonRelease = 0x80000;

// The add-on event of the knob a release timer belongs to.
std::uint32_t KnobReleaseEvent(KnobReleaseTimer timer);

// Sends the knob's event with the left-, then the right-button release flag.
void SendKnobRelease(KnobReleaseTimer timer);

}  // namespace aircraft
