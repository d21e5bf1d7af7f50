// Single output writes to a board: dropped while output is suspended (during and shortly after discovery
// and the switch rescan), and every failure swallowed (a refused write, an exception, an access fault
// inside the library), so a board that vanished never disturbs the idle loop. The next pass writes again.
#pragma once

#include <cstdint>

namespace trelvik {

void GuardedLedSet(bool suspended, std::int32_t session, std::int32_t led, std::uint8_t state) noexcept;
void GuardedSevenSegmentSet(bool suspended, std::int32_t session, const char* text, std::int32_t firstDigit) noexcept;
void GuardedDatalineSet(bool suspended, std::int32_t session, std::int32_t line, std::uint8_t state) noexcept;

}  // namespace trelvik
