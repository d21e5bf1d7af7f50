// The speaker service: a tone of a frequency for a duration, as Beep; a test hears the cues instead.
#pragma once

#include <cstdint>

#include "framework/services/service.h"

namespace fw {

// Plays a tone of `hertz` for `milliseconds` and returns when it ends.
extern Service<void(std::uint32_t hertz, std::uint32_t milliseconds)> Beep;

}  // namespace fw
