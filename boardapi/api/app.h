// The library object: the board list, the device names this process has bound, and the device-change
// notification. Built at load after the API log and the session list, destroyed at unload before them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "boardapi/api/detector.h"
#include "boardapi/board/controllers.h"
#include "boardapi/include/ventrixAPI.h"

class CventrixAPIApp {
 public:
  CventrixAPIApp();
  ~CventrixAPIApp();
  CventrixAPIApp(const CventrixAPIApp&) = delete;
  CventrixAPIApp& operator=(const CventrixAPIApp&) = delete;

  // app.cpp
  ApiStatus OpenControllers();
  ApiStatus CloseControllers();
  ApiStatus GetTotalControllers(int32_t* count);
  // app_device_list.cpp
  ApiStatus GetDeviceList(char* buffer, uint32_t* size, const char* modelFilter);
  // app_binding.cpp
  ApiStatus Bind(const char* deviceName, int32_t* session);
  ApiStatus UnBind(int32_t session);
  ApiStatus SetBoardOptions(int32_t session, int32_t options);
  // app_device_change.cpp
  ApiStatus EnableDeviceChangeNotification(bool on, DeviceChangeCallback callback);

 private:
  std::vector<std::string> boundNames_;  // in bind order
  CventrixControllers controllers_;
  CDeviceChangeDetector detector_;
  DeviceChangeCallback deviceChangeCallback_ = nullptr;
};

extern CventrixAPIApp& theApp;
