#include "controller/aircraft/knob_acceleration.h"

#include <algorithm>

#include "framework/rtl/arith.h"

namespace aircraft {

std::int64_t AcceleratedStep(Acceleration variant, std::uint32_t dt, const KnobTuning& tuning) {
  const double t = static_cast<double>(dt);
  switch (variant) {
    case Acceleration::kA:
      return fw::Round(std::max(10.0 - (t - 90.0) / 15.0, 2.0));
    case Acceleration::kB:
      return fw::Round(std::max(10.0 - (t - 90.0) / 40.0, 2.0));
    case Acceleration::kH:
      return fw::Round(std::max(10.0 - std::max(t / 30.0, 2.0), 2.0));
    case Acceleration::kH40:
      return fw::Round(std::max(10.0 - std::max(t / 40.0, 2.0), 2.0));
    case Acceleration::kE:
      return fw::Round(std::max(2.0 - (t - 90.0) / 15.0, 2.0));
    case Acceleration::kG: {
      const double base = std::max(30.0, static_cast<double>(tuning.delay)) - 30.0 - t / 10.0 + 1.0;
      return std::max<std::int64_t>(1, fw::Round(base * tuning.gain / 1000.0));
    }
  }
  return 1;
}

std::int64_t KnobDetentStep(McpSwitchState& state, Knob knob, int direction, std::uint32_t now,
                            Acceleration variant, const KnobTuning& tuning) {
  const auto k = static_cast<std::size_t>(knob);
  const auto d = static_cast<std::size_t>(direction);
  std::int64_t step = 1;
  const std::uint32_t dt = now - state.encoder_last_tick[k];
  if (static_cast<std::int64_t>(dt) < tuning.delay) {
    state.encoder_click_count[k][d] += 1;
    if (state.encoder_click_count[k][d] > tuning.count) step = AcceleratedStep(variant, dt, tuning);
  } else {
    state.encoder_click_count[k][d] = 0;
  }
  state.encoder_last_tick[k] = now;
  for (std::size_t other = 0; other < state.encoder_click_count.size(); ++other) {
    if (other != k) state.encoder_click_count[other] = {0, 0};
  }
  return step;
}

}  // namespace aircraft
