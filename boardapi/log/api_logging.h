// Turning the API log on and off (the work behind ventrix_EnableLogging).
#pragma once

#include "boardapi/include/ventrixAPI.h"

// On: -16 when already on, -20 without a per-user application-data folder; otherwise the log file becomes
// "<AppData>\Brannock Limited\ventrix API\ventrix API.log", logging starts and the banner is written.
// Off: logging stops (0 also when it was off).
ApiStatus SetApiLogging(bool on);
