// The CDU boards' outputs: the annunciator lamps of each CDU role (partly LEDs, partly data lines) from the
// aircraft's CDU lamp block, and the display brightness from the board's brightness control. Plain
// routines over an OutputSink; the main form runs them in its output passes. GUI thread.
#pragma once

#include <array>
#include <cstdint>

#include "controller/aircraft/cockpit_state.h"
#include "controller/app/output_sink.h"

namespace trelvik {

// The sessions of the five CDU roles: captain, first officer, observers 1 to 3 (0: no board).
using CduRoleSessions = std::array<std::int32_t, 5>;

// Which CDU lamp tests run (their 3000 ms timers are enabled): captain, first officer, observers.
struct CduLampTests {
  bool captain = false;
  bool first_officer = false;
  bool observers = false;
};

// The lamps of one board for every CDU role its session holds, in role order. Captain: data lines 9-13,
// 16, 15, LEDs 1, 2, 4, 3, 5 and data line 6 from entry 0. First officer and observers: the same from
// entries 1 and 2; during their lamp test only data lines 9-13, 16 and 15 are written.
void WriteCduLamps(std::int32_t session, const CduRoleSessions& roles, const CduLampTests& tests,
                   std::uint8_t phase, const std::array<aircraft::CduLamps, 3>& lamps, OutputSink& out);

// A 12-bit reading of the brightness control as a level 0..255: reading / 16 rounded half to even, 0
// without aircraft power.
std::int32_t CduBrightnessLevel(std::int32_t reading, bool powered);

}  // namespace trelvik
