// The board library as the program calls it: the 23 functions it imports, through one table, so tests
// can stand in for the library and see every call. The table defaults to the real imports.
#pragma once

#include <cstdint>

#include "boardapi/include/ventrixAPI.h"

namespace trelvik {

struct BoardApi {
  ApiStatus (*OpenControllers)();
  ApiStatus (*CloseControllers)();
  ApiStatus (*GetAPIVersion)(char* buffer, uint32_t* size);
  ApiStatus (*GetDeviceList)(char* buffer, uint32_t* size, const char* modelFilter);
  ApiStatus (*Bind)(const char* deviceName, int32_t* session);
  ApiStatus (*UnBind)(int32_t session);
  ApiStatus (*GetBoardInfo)(int32_t session, BoardInfo* info);
  ApiStatus (*SetBoardOptions)(int32_t session, int32_t options);
  ApiStatus (*LED_Enable)(int32_t session, int32_t on);
  ApiStatus (*LED_Test)(int32_t session, int32_t on);
  ApiStatus (*LED_Set)(int32_t session, int32_t led, int32_t state);
  ApiStatus (*SevenSegment_Enable)(int32_t session, int32_t on);
  ApiStatus (*SevenSegment_Display)(int32_t session, const char* text, int32_t firstDigit);
  ApiStatus (*Dataline_Enable)(int32_t session, int32_t on);
  ApiStatus (*Dataline_Set)(int32_t session, int32_t line, int32_t state);
  ApiStatus (*Brightness_Enable)(int32_t session, int32_t on);
  ApiStatus (*Brightness_Set)(int32_t session, int32_t level);
  ApiStatus (*Analog_Enable)(int32_t session, int32_t on);
  ApiStatus (*Analog_GetValue)(int32_t session, int32_t channel, int32_t* value);
  ApiStatus (*Switch_Enable_Callback)(int32_t session, int32_t on, SwitchCallback callback);
  ApiStatus (*Switch_Get_State)(int32_t session, int32_t switchNumber, int32_t* state);
  ApiStatus (*Enable_DeviceChange_Notification_Callback)(int32_t on, DeviceChangeCallback callback);
  ApiStatus (*EnableLogging)(int32_t on);
};

// The library's own functions.
const BoardApi& RealBoardApi();

// The table in use; the real one unless a test put its own in place.
const BoardApi& Api();

// Puts a table in place for the scope's lifetime (GUI thread, tests only).
class BoardApiDouble {
 public:
  explicit BoardApiDouble(const BoardApi& api);
  ~BoardApiDouble();
  BoardApiDouble(const BoardApiDouble&) = delete;
  BoardApiDouble& operator=(const BoardApiDouble&) = delete;

 private:
  const BoardApi* previous_;
};

}  // namespace trelvik
