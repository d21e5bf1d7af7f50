// Exports of a session's switch events.
#include "boardapi/api/session_switches.h"
#include "boardapi/exports/export_frame.h"

ApiStatus ventrix_Switch_Enable_Callback(int32_t session, int32_t on, SwitchCallback callback) {
  return frame::Run(__func__, "%s(0x%.08X, %d, 0x%.08X)",
                    [&] { return EnableSwitchCallback(session, frame::IsOn(on), callback); },
                    frame::LogHandle(session), frame::LogOnOff(on), frame::LogPointer(callback));
}
VENTRIX_TWIN(ventrix_Switch_Enable_Callback, (int32_t session, int32_t on, SwitchCallback callback),
             (session, on, callback))

ApiStatus ventrix_Switch_Enable_Poll(int32_t session, int32_t on) {
  return frame::Run(__func__, "%s(0x%.08X, %d)", [&] { return EnableSwitchPoll(session, frame::IsOn(on)); },
                    frame::LogHandle(session), frame::LogOnOff(on));
}
VENTRIX_TWIN(ventrix_Switch_Enable_Poll, (int32_t session, int32_t on), (session, on))

ApiStatus ventrix_Switch_Get_Item(int32_t session, int32_t* switchNumber, int32_t* direction) {
  return frame::Run(__func__, "%s(0x%.08X, 0x%.08X, 0x%.08X)",
                    [&] { return GetSwitchItem(session, switchNumber, direction); }, frame::LogHandle(session),
                    frame::LogPointer(switchNumber), frame::LogPointer(direction));
}
VENTRIX_TWIN(ventrix_Switch_Get_Item, (int32_t session, int32_t* switchNumber, int32_t* direction),
             (session, switchNumber, direction))

ApiStatus ventrix_Switch_Get_State(int32_t session, int32_t switchNumber, int32_t* state) {
  return frame::Run(__func__, "%s(0x%.08X, %d, 0x%.08X)",
                    [&] { return GetSwitchState(session, switchNumber, state); }, frame::LogHandle(session),
                    switchNumber, frame::LogPointer(state));
}
VENTRIX_TWIN(ventrix_Switch_Get_State, (int32_t session, int32_t switchNumber, int32_t* state),
             (session, switchNumber, state))
