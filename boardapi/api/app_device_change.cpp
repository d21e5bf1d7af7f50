#include <windows.h>

#include <dbt.h>

#include "boardapi/api/app.h"

namespace {

// Runs on the detector thread: arrival (0x8000) is reason 2, removal (0x8004) reason 1. The thread holds no
// library lock, so the program may call the library from its callback, even to turn notification off.
int32_t WINAPI OnControllerChange(uint32_t event, DeviceChangeCallback callback) {
  if (event == DBT_DEVICEARRIVAL) callback(2);
  if (event == DBT_DEVICEREMOVECOMPLETE) callback(1);
  return 1;
}

}  // namespace

ApiStatus CventrixAPIApp::EnableDeviceChangeNotification(bool on, DeviceChangeCallback callback) {
  if (!on) {
    deviceChangeCallback_ = nullptr;
    detector_.Stop();
    return API_OK;
  }
  if (callback == nullptr) return API_ERR_NULL_CALLBACK;
  if (deviceChangeCallback_ != nullptr) return API_ERR_ALREADY_ENABLED;
  // A detector that could not start reports nothing: the program must not wait for notifications.
  if (!detector_.Start(&OnControllerChange, callback)) return API_ERR_DEVICE_IO;
  deviceChangeCallback_ = callback;
  return API_OK;
}
