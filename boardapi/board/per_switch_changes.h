// The switch-by-switch hand-over of a reading: which switches to report, in report order.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "boardapi/board/key_matrix.h"

// Mode 1 covers the low bytes (switches 1-64), mode 2 also the high bytes (65-128). An initial reading reports
// every switch of the mode, open ones too; a later one only the switches whose bit differs from last.
std::vector<SwitchChange> PerSwitchChanges(const std::array<uint16_t, 8>& last, const std::array<uint16_t, 8>& now,
                                           int mode, bool initial);
