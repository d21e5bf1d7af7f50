#include "controller/app/board_api.h"

#include <atomic>

namespace trelvik {
namespace {

std::atomic<const BoardApi*> current{nullptr};

}  // namespace

const BoardApi& RealBoardApi() {
  static const BoardApi api{
      &ventrix_OpenControllers,
      &ventrix_CloseControllers,
      &ventrix_GetAPIVersion,
      &ventrix_GetDeviceList,
      &ventrix_Bind,
      &ventrix_UnBind,
      &ventrix_GetBoardInfo,
      &ventrix_SetBoardOptions,
      &ventrix_LED_Enable,
      &ventrix_LED_Test,
      &ventrix_LED_Set,
      &ventrix_7Segment_Enable,
      &ventrix_7Segment_Display,
      &ventrix_Dataline_Enable,
      &ventrix_Dataline_Set,
      &ventrix_Brightness_Enable,
      &ventrix_Brightness_Set,
      &ventrix_Analog_Enable,
      &ventrix_Analog_GetValue,
      &ventrix_Switch_Enable_Callback,
      &ventrix_Switch_Get_State,
      &ventrix_Enable_DeviceChange_Notification_Callback,
      &ventrix_EnableLogging,
  };
  return api;
}

const BoardApi& Api() {
  const BoardApi* api = current.load(std::memory_order_acquire);
  return api != nullptr ? *api : RealBoardApi();
}

BoardApiDouble::BoardApiDouble(const BoardApi& api) : previous_(current.exchange(&api)) {}

BoardApiDouble::~BoardApiDouble() { current.store(previous_); }

}  // namespace trelvik
