#include "controller/app/guarded_writes.h"

#include "controller/app/access_fault_guard.h"
#include "controller/app/board_api.h"
#include "framework/services/timing_trace.h"

namespace trelvik {

void GuardedLedSet(bool suspended, std::int32_t session, std::int32_t led, std::uint8_t state) noexcept {
  if (suspended) return;
  const fw::TraceScope trace(fw::TraceKind::kReportWrite, session);
  Shielded([&] { Api().LED_Set(session, led, state); });
}

void GuardedSevenSegmentSet(bool suspended, std::int32_t session, const char* text, std::int32_t firstDigit) noexcept {
  if (suspended) return;
  const fw::TraceScope trace(fw::TraceKind::kReportWrite, session);
  Shielded([&] { Api().SevenSegment_Display(session, text, firstDigit); });
}

void GuardedDatalineSet(bool suspended, std::int32_t session, std::int32_t line, std::uint8_t state) noexcept {
  if (suspended) return;
  const fw::TraceScope trace(fw::TraceKind::kReportWrite, session);
  Shielded([&] { Api().Dataline_Set(session, line, state); });
}

}  // namespace trelvik
