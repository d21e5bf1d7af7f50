// How far one detent of an accelerated mode-control knob steps. Detents of one knob in one direction that
// come faster than the knob's DELAY are counted; once the count passes COUNT each further fast detent
// steps by the panel's formula of the time since the previous detent. A slow detent, or a detent of any
// other knob, starts the count again.
#pragma once

#include <cstdint>

#include "controller/aircraft/mcp_switch_state.h"
#include "controller/aircraft/switch_host.h"

namespace aircraft {

// The formulas of the panels (dt in milliseconds since the knob's previous detent).
enum class Acceleration {
  kA,    // course knobs, the 737 speed and altitude knobs
  kB,    // speed on the CTRL MCP with the 777
  kH,    // heading on the 737 panels
  kH40,  // heading on the CTRL MCP with the 777
  kE,    // heading on the ELVL panel
  kG,    // speed, heading and altitude on the 777 panels, scaled by the knob's GAIN
};

// The step of an accelerating detent.
std::int64_t AcceleratedStep(Acceleration variant, std::uint32_t dt, const KnobTuning& tuning);

// Counts one detent of knob in direction (0 decrease, 1 increase) at now and returns its step: 1 while
// not accelerating. Clears the counters of every other knob.
std::int64_t KnobDetentStep(McpSwitchState& state, Knob knob, int direction, std::uint32_t now,
                            Acceleration variant, const KnobTuning& tuning);

}  // namespace aircraft
