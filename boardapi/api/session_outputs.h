// The session routines behind the output and peripheral exports: each finds the session, checks that the
// board has the feature and that it is enabled on the session, asks the board or the session's driver, and
// turns the answer into an ApiStatus. On/off arguments arrive raw; only their low byte counts and 1 is on.
#pragma once

#include <cstdint>

#include "boardapi/include/ventrixAPI.h"

ApiStatus LedEnable(int32_t session, int32_t on);
ApiStatus LedTest(int32_t session, int32_t on);
ApiStatus LedSet(int32_t session, int32_t led, int32_t state);
ApiStatus SegmentEnable(int32_t session, int32_t on);
ApiStatus SegmentDisplay(int32_t session, const char* text, int32_t firstDigit);
ApiStatus DatalineEnable(int32_t session, int32_t on);
ApiStatus DatalineSet(int32_t session, int32_t line, int32_t state);
ApiStatus ServoEnable(int32_t session, int32_t on);
ApiStatus ServoSetPosition(int32_t session, int32_t controller, int32_t servo, int32_t position);
ApiStatus ServoSetCenter(int32_t session, int32_t controller, int32_t servo, int32_t center);
ApiStatus BrightnessEnable(int32_t session, int32_t on);
ApiStatus BrightnessSet(int32_t session, int32_t level);
ApiStatus AnalogEnable(int32_t session, int32_t on);
ApiStatus AnalogGetValue(int32_t session, int32_t channel, int32_t* value);
ApiStatus AnalogGetValues(int32_t session, void* buffer, int32_t size);
