// The clock services: milliseconds since start-up, sleeping, and the local date-time.
#pragma once

#include <cstdint>

#include "framework/rtl/datetime.h"
#include "framework/services/service.h"

namespace fw {

// Milliseconds since the system started, wrapping after 49.7 days (as GetTickCount).
extern Service<std::uint32_t()> TickCount;
// Suspends the calling thread for the given milliseconds (as Sleep).
extern Service<void(std::uint32_t)> SleepMs;
// Waits up to the given milliseconds for a message to arrive in the calling thread's queue; returns as soon as
// one is there (as MsgWaitForMultipleObjectsEx on no handles). True when a message is waiting.
extern Service<bool(std::uint32_t)> WaitForMessageMs;
// The local date and time.
extern Service<TDateTime()> Now;

}  // namespace fw
