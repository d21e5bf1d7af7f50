#include "boardapi/api/app.h"
#include "boardapi/exports/export_frame.h"

// Unlike the other on/off arguments, any non-zero low byte turns notification on.
ApiStatus ventrix_Enable_DeviceChange_Notification_Callback(int32_t on, DeviceChangeCallback callback) {
  return frame::Run(
      __func__, "%s(%d, 0x%.08X)",
      [&] { return theApp.EnableDeviceChangeNotification(frame::LogOnOff(on) != 0, callback); },
      frame::LogOnOff(on), frame::LogPointer(callback));
}
