#include "controller/app/assignment_records.h"

namespace trelvik {

void ClearRecords(InputRecords& inputs, OutputRecords& outputs) {
  inputs.fill(tinput_assignments{});
  outputs.fill(toutput_assignments{});
}

bool RecordsChanged(const InputRecords& inputs, const InputRecords& savedInputs, const OutputRecords& outputs,
                    const OutputRecords& savedOutputs) {
  for (int i = 1; i <= kAssignmentRecords; ++i) {
    const tinput_assignments& a = inputs[static_cast<std::size_t>(i)];
    const tinput_assignments& b = savedInputs[static_cast<std::size_t>(i)];
    if (a.switch_no != b.switch_no || a.switch_state != b.switch_state || a.switch2_no != b.switch2_no ||
        a.switch2_state != b.switch2_state) {
      return true;
    }
  }
  for (int i = 1; i <= kAssignmentRecords; ++i) {
    if (outputs[static_cast<std::size_t>(i)].output_no != savedOutputs[static_cast<std::size_t>(i)].output_no) {
      return true;
    }
  }
  return false;
}

void ResetAxisFunctions(AxisRecords& axes) {
  axes.fill(AxisAssignment{});
  for (int i = 1; i <= kAxisFunctions; ++i) {
    AxisAssignment& axis = axes[static_cast<std::size_t>(i)];
    axis.low = -16383;
    axis.high = 16383;
    axis.null_zone = 300;
  }
}

const char* AxisStem(int number) {
  static constexpr const char* kStems[kAxisFunctions + 1] = {
      "",           "CPT_OUTBD",  "CPT_INBD",   "CPT_TERR",   "LOWER",      "LOWER_TERR",        "UPPER",
      "FO_OUTBD",   "FO_INBD",    "FO_TERR",    "WXR_TILT",   "ATC_CHATTER", "WXR_GAIN",         "",
      "",           "",           "",           "",           "",           "",                  "ELEVATOR_1",
      "ELEVATOR_2", "ELEVATOR_3", "AILERON_1",  "AILERON_2",  "AILERON_3",  "RUDDER_1",          "RUDDER_2",
      "STEERING_TILLER_1", "STEERING_TILLER_2", "BRAKES_L_1", "BRAKES_L_2", "BRAKES_R_1", "BRAKES_R_2",
      "THROTTLE_L", "THROTTLE_R", "SPEEDBRAKE", "FLAPS"};
  if (number < 1 || number > kAxisFunctions) return "";
  return kStems[number];
}

}  // namespace trelvik
