#include "framework/services/beep.h"

#include <windows.h>

namespace fw {

namespace {

void SystemBeep(std::uint32_t hertz, std::uint32_t milliseconds) { ::Beep(hertz, milliseconds); }

}  // namespace

constinit Service<void(std::uint32_t, std::uint32_t)> Beep{&SystemBeep};

}  // namespace fw
