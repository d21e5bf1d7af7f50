#include "controller/app/cdu_outputs.h"

#include <algorithm>

#include "framework/rtl/arith.h"

namespace trelvik {

namespace {

std::uint8_t Lit(std::uint8_t field) { return field != 0 ? 1 : 0; }

void WriteRole(std::int32_t session, bool testing, bool testsLeds, std::uint8_t phase,
               const aircraft::CduLamps& lamps, OutputSink& out) {
  if (testing) {
    for (std::int32_t line : {9, 10, 11, 12, 13}) out.DatalineSet(session, line, phase);
    out.DatalineSet(session, 16, 1);
    out.DatalineSet(session, 15, phase);
    if (!testsLeds) return;
    for (std::int32_t led = 1; led <= 5; ++led) out.LedSet(session, led, phase);
    out.DatalineSet(session, 6, 1);
    return;
  }
  out.DatalineSet(session, 9, Lit(lamps.lamp1));
  out.DatalineSet(session, 10, Lit(lamps.lamp2));
  out.DatalineSet(session, 11, Lit(lamps.lamp4));
  out.DatalineSet(session, 12, Lit(lamps.lamp3));
  out.DatalineSet(session, 13, Lit(lamps.lamp5));
  out.DatalineSet(session, 16, Lit(lamps.power2));
  // The power field goes out with its own value.
  out.DatalineSet(session, 15, lamps.power);
  out.LedSet(session, 1, Lit(lamps.lamp1));
  out.LedSet(session, 2, Lit(lamps.lamp2));
  out.LedSet(session, 4, Lit(lamps.lamp4));
  out.LedSet(session, 3, Lit(lamps.lamp3));
  out.LedSet(session, 5, Lit(lamps.lamp5));
  out.DatalineSet(session, 6, lamps.power);
}

}  // namespace

void WriteCduLamps(std::int32_t session, const CduRoleSessions& roles, const CduLampTests& tests,
                   std::uint8_t phase, const std::array<aircraft::CduLamps, 3>& lamps, OutputSink& out) {
  using aircraft::kCduCaptain;
  using aircraft::kCduFirstOfficer;
  using aircraft::kCduObserver;
  if (session == roles[0]) WriteRole(session, tests.captain, true, phase, lamps[kCduCaptain], out);
  if (session == roles[1]) WriteRole(session, tests.first_officer, false, phase, lamps[kCduFirstOfficer], out);
  if (session == roles[2] || session == roles[3] || session == roles[4]) {
    WriteRole(session, tests.observers, false, phase, lamps[kCduObserver], out);
  }
}

std::int32_t CduBrightnessLevel(std::int32_t reading, bool powered) {
  if (!powered) return 0;
  const auto level = static_cast<std::int32_t>(fw::Round(reading / 16.0));
  return std::clamp(level, 0, 255);
}

}  // namespace trelvik
