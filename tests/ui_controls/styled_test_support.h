// A form per test for the styled controls, and the framework's memory bitmap to paint into.
#pragma once

#include "tests/framework/stdctrl_test_support.h"

namespace ui::testing {

using fw::testing::MemoryBitmap;
using StyledControlTest = fw::testing::StdControlTest;

}  // namespace ui::testing
