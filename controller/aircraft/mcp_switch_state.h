// The main form's mode-control fields that the switch processing keeps between events: the window values
// as shown (stepped by each knob detent, reloaded from the aircraft by the 7-segment pass while no switch
// is active), the shared encoder counters, and the panels' mode bytes. Zero at start, never saved.
#pragma once

#include <array>
#include <cstdint>

namespace aircraft {

// The accelerated knobs; one tick and two direction counters each, shared by every mode-control board.
enum class Knob { kCourseFirst, kSpeed, kHeading, kAltitude, kCourseSecond };
inline constexpr int kKnobCount = 5;

struct McpSwitchState {
  std::int32_t window_course_cpt = 0;
  std::int32_t window_course_fo = 0;
  std::int32_t window_ias = 0;
  std::int32_t window_mach = 0;
  std::int32_t window_heading = 0;
  std::int32_t window_altitude = 0;
  std::int32_t window_vs = 0;
  double window_fpa = 0;

  std::array<std::uint32_t, kKnobCount> encoder_last_tick{};
  // [knob][0 decrease, 1 increase]
  std::array<std::array<std::int32_t, 2>, kKnobCount> encoder_click_count{};

  bool bank_angle_mode = false;
  // Position 1 of a VOR/ADF selector was closed at that selector's last event (or read closed by the
  // rescan): 0 and 1 the left and right selectors of the captain's EFIS and the mode-control panels, 2 and
  // 3 those of the first officer's EFIS panel.
  std::array<bool, 4> rescan_pair_flag{};
};

}  // namespace aircraft
