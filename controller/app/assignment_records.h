// The programmable layer's records: input functions (one or two board switches answered by a command or
// an FSUIPC write), output functions (one LED or data line) and joystick axis functions. The main form
// holds 412 of each per-function kind (numbered 1 to 412) with saved copies for change detection, and
// 37 axis functions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "controller/aircraft/input_function.h"

namespace trelvik {

using aircraft::InputRecords;
using aircraft::kAssignmentRecords;
using aircraft::tinput_assignments;
inline constexpr int kAxisFunctions = 37;

struct toutput_assignments {
  std::string name;
  std::string board;
  std::int32_t output_no = 0;
  std::string board_desc;
  std::uint8_t state = 0;
  std::string fsuipc_offset;
  std::uint8_t fsuipc_size = 0;
  double value_on = 0;
  double value_off = 0;

  bool operator==(const toutput_assignments&) const = default;
};

struct AxisAssignment {
  std::int32_t joystick = 0;
  std::int32_t axis = 0;
  std::int32_t value = 0;
  std::int32_t low = 0;
  std::int32_t high = 0;
  std::int32_t null_zone = 0;
  bool reverse = false;

  bool operator==(const AxisAssignment&) const = default;
};

using OutputRecords = std::array<toutput_assignments, kAssignmentRecords + 1>;
using AxisRecords = std::array<AxisAssignment, kAxisFunctions + 1>;

// Every text empty and every number 0.
void ClearRecords(InputRecords& inputs, OutputRecords& outputs);

// Whether any input record differs from its saved copy in a switch number or state, or any output record
// in its output number; names and the other fields do not count.
bool RecordsChanged(const InputRecords& inputs, const InputRecords& savedInputs, const OutputRecords& outputs,
                    const OutputRecords& savedOutputs);

// Clears every axis function and gives it the default calibration: low -16383, high 16383, null zone 300.
void ResetAxisFunctions(AxisRecords& axes);

// The key stem of axis function number (1..12 and 20..37); empty for the unused numbers.
const char* AxisStem(int number);

}  // namespace trelvik
