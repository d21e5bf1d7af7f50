// The mode-control panel variants as the switch tables and knobs tell them apart: one per model, and the
// CTRL MCP once per aircraft.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "controller/aircraft/switch_host.h"

namespace aircraft {

enum class McpPanel { kCtrl737, kCtrl777, kHaldor737, kMx737, kHaldorVdk, kElvl, kHaldor777, kMx777 };

// What one switch of a panel sees while it runs.
struct McpEvent {
  SwitchHost& host;
  McpPanel panel;
  std::int32_t session;
  std::int32_t switch_number;
  std::int32_t state;
  std::uint32_t now;
  // Set by a VOR/ADF selector whose release is left to its other position: no tail for this event.
  bool ended = false;
};

using McpAction = std::function<void(McpEvent&)>;
using McpTable = std::map<std::int32_t, McpAction>;

// The switch table of a panel.
const McpTable& McpTableOf(McpPanel panel);

// The knobs (window stepping and commands).
enum class Direction { kDecrease = 0, kIncrease = 1 };
void CourseDetent(McpEvent& e, bool first, Direction direction);
void SpeedDetent(McpEvent& e, Direction direction);
void HeadingDetent(McpEvent& e, Direction direction);
void AltitudeDetent(McpEvent& e, Direction direction);
void VerticalSpeedDetent(McpEvent& e, Direction direction);

}  // namespace aircraft
