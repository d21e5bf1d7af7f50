// One programmable input function: a main and a second board switch (or joystick button) answered by an ON
// and an OFF command, or by an FSUIPC write. The main form holds 412 of them (numbered 1 to 412); the switch
// processing runs their commands and the rescan replays their switches.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace aircraft {

inline constexpr int kAssignmentRecords = 412;

struct tinput_assignments {
  std::string name;
  std::string board;  // device name of the main switch's board; "NotAssigned" when none
  std::string board_desc;
  std::int32_t switch_no = 0;
  std::int32_t switch_state = 0;  // the state that turns the function on: 1 ON, 0 OFF
  std::string board2;
  std::string board2_desc;
  std::int32_t switch2_no = 0;
  std::int32_t switch2_state = 0;
  std::string cmd_on;
  std::string cmd_off;
  std::string fsuipc_offset;  // hexadecimal, at most 4 characters
  std::uint8_t fsuipc_size = 0;  // 1 byte, 2 word, 4 double word, 8 float64
  double value_on = 0;
  double value_off = 0;

  bool operator==(const tinput_assignments&) const = default;
};

using InputRecords = std::array<tinput_assignments, kAssignmentRecords + 1>;

}  // namespace aircraft
