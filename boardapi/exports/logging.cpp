#include "boardapi/exports/export_frame.h"
#include "boardapi/log/api_logging.h"

// The frame logs before the call: turning logging on does not log its own call, turning it off does.
ApiStatus ventrix_EnableLogging(int32_t on) {
  return frame::Run(__func__, "%s(%d)", [&] { return SetApiLogging(frame::IsOn(on)); }, frame::LogOnOff(on));
}
