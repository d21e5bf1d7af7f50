// The numeric windows of the mode-control panels (course, speed or Mach, heading, altitude, vertical speed
// or flight-path angle, second course) for one board, from the form's window fields. The window fields
// follow the aircraft except while knobs are being turned, when the switch processing steps them.
#pragma once

#include <cstdint>
#include <string>

#include "controller/aircraft/mcp_switch_state.h"
#include "controller/app/output_sink.h"
#include "controller/app/panel_state.h"

namespace trelvik {

// The window fields the switch processing steps between events.
using McpWindowFields = aircraft::McpSwitchState;

// The speed window's flash character, one for all panels.
struct SpeedFlashState {
  bool speed_flash_shown = false;
  std::uint32_t speed_flash_tick = 0;
};

struct WindowConditions {
  bool family_test = false;  // the mode-control family's 3 s lamp test is running
  std::uint8_t phase = 0;    // led_pass_phase
  bool three_digit_mach = false;
  std::uint32_t now = 0;     // tick count of this pass
};

// The window fields from the aircraft's values; courses rounded half to even. Values that cannot be held
// in a window field keep the field as it was.
void ReloadWindowFields(const PanelState& panel, McpWindowFields& fields);

// Writes the windows of a board of `model`; false for a model without windows here.
bool WriteMcpWindows(const std::string& model, std::int32_t session, const PanelState& panel,
                     const McpWindowFields& fields, const WindowConditions& conditions, SpeedFlashState& flash,
                     OutputSink& sink);

// A flight-path angle as six characters: "  -1.5", "   2.0", "   0.0" below 0.05 either way.
std::string FlightPathAngleText(double angle);

}  // namespace trelvik
