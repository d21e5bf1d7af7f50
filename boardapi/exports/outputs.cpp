// Exports of the output and peripheral calls of a session.
#include "boardapi/api/session_outputs.h"
#include "boardapi/exports/export_frame.h"

ApiStatus ventrix_LED_Enable(int32_t session, int32_t on) {
  return frame::Run(__func__, "%s(0x%.08X, %d)", [&] { return LedEnable(session, on); }, frame::LogHandle(session),
                    frame::LogOnOff(on));
}
VENTRIX_TWIN(ventrix_LED_Enable, (int32_t session, int32_t on), (session, on))

ApiStatus ventrix_LED_Test(int32_t session, int32_t on) {
  return frame::Run(__func__, "%s(0x%.08X, %d)", [&] { return LedTest(session, on); }, frame::LogHandle(session),
                    frame::LogOnOff(on));
}
VENTRIX_TWIN(ventrix_LED_Test, (int32_t session, int32_t on), (session, on))

ApiStatus ventrix_LED_Set(int32_t session, int32_t led, int32_t state) {
  return frame::Run(__func__, "%s(0x%.08X, %d, %d)", [&] { return LedSet(session, led, state); },
                    frame::LogHandle(session), led, frame::LogOnOff(state));
}
VENTRIX_TWIN(ventrix_LED_Set, (int32_t session, int32_t led, int32_t state), (session, led, state))

ApiStatus ventrix_7Segment_Enable(int32_t session, int32_t on) {
  return frame::Run(__func__, "%s(0x%.08X, %d)", [&] { return SegmentEnable(session, on); },
                    frame::LogHandle(session), frame::LogOnOff(on));
}
VENTRIX_TWIN(ventrix_7Segment_Enable, (int32_t session, int32_t on), (session, on))

ApiStatus ventrix_7Segment_Display(int32_t session, const char* text, int32_t firstDigit) {
  return frame::Run(__func__, "%s(0x%.08X, 0x%.08X, %d)", [&] { return SegmentDisplay(session, text, firstDigit); },
                    frame::LogHandle(session), frame::LogPointer(text), firstDigit);
}
VENTRIX_TWIN(ventrix_7Segment_Display, (int32_t session, const char* text, int32_t firstDigit),
             (session, text, firstDigit))

ApiStatus ventrix_Dataline_Enable(int32_t session, int32_t on) {
  return frame::Run(__func__, "%s(0x%.08X, %d)", [&] { return DatalineEnable(session, on); },
                    frame::LogHandle(session), frame::LogOnOff(on));
}
VENTRIX_TWIN(ventrix_Dataline_Enable, (int32_t session, int32_t on), (session, on))

ApiStatus ventrix_Dataline_Set(int32_t session, int32_t line, int32_t state) {
  return frame::Run(__func__, "%s(0x%.08X, %d, %d)", [&] { return DatalineSet(session, line, state); },
                    frame::LogHandle(session), line, frame::LogOnOff(state));
}
VENTRIX_TWIN(ventrix_Dataline_Set, (int32_t session, int32_t line, int32_t state), (session, line, state))

ApiStatus ventrix_Servo_Enable(int32_t session, int32_t on) {
  return frame::Run(__func__, "%s(0x%.08X, %d)", [&] { return ServoEnable(session, on); },
                    frame::LogHandle(session), frame::LogOnOff(on));
}
VENTRIX_TWIN(ventrix_Servo_Enable, (int32_t session, int32_t on), (session, on))

ApiStatus ventrix_Servo_Set_Position(int32_t session, int32_t controller, int32_t servo, int32_t position) {
  return frame::Run(__func__, "%s(0x%.08X, %d, %d, %d)",
                    [&] { return ServoSetPosition(session, controller, servo, position); },
                    frame::LogHandle(session), controller, servo, position);
}
VENTRIX_TWIN(ventrix_Servo_Set_Position, (int32_t session, int32_t controller, int32_t servo, int32_t position),
             (session, controller, servo, position))

ApiStatus ventrix_Servo_Set_Center(int32_t session, int32_t controller, int32_t servo, int32_t center) {
  return frame::Run(__func__, "%s(0x%.08X, %d, %d, %d)",
                    [&] { return ServoSetCenter(session, controller, servo, center); }, frame::LogHandle(session),
                    controller, servo, center);
}
VENTRIX_TWIN(ventrix_Servo_Set_Center, (int32_t session, int32_t controller, int32_t servo, int32_t center),
             (session, controller, servo, center))

ApiStatus ventrix_Brightness_Enable(int32_t session, int32_t on) {
  return frame::Run(__func__, "%s(0x%.08X, %d)", [&] { return BrightnessEnable(session, on); },
                    frame::LogHandle(session), frame::LogOnOff(on));
}
VENTRIX_TWIN(ventrix_Brightness_Enable, (int32_t session, int32_t on), (session, on))

// The level is logged whole: it is a number, not an on/off argument.
ApiStatus ventrix_Brightness_Set(int32_t session, int32_t level) {
  return frame::Run(__func__, "%s(0x%.08X, %d)", [&] { return BrightnessSet(session, level); },
                    frame::LogHandle(session), level);
}
VENTRIX_TWIN(ventrix_Brightness_Set, (int32_t session, int32_t level), (session, level))

ApiStatus ventrix_Analog_Enable(int32_t session, int32_t on) {
  return frame::Run(__func__, "%s(0x%.08X, %d)", [&] { return AnalogEnable(session, on); },
                    frame::LogHandle(session), frame::LogOnOff(on));
}
VENTRIX_TWIN(ventrix_Analog_Enable, (int32_t session, int32_t on), (session, on))

ApiStatus ventrix_Analog_GetValue(int32_t session, int32_t channel, int32_t* value) {
  return frame::Run(__func__, "%s(0x%.08X, %d, 0x%.08X)", [&] { return AnalogGetValue(session, channel, value); },
                    frame::LogHandle(session), channel, frame::LogPointer(value));
}
VENTRIX_TWIN(ventrix_Analog_GetValue, (int32_t session, int32_t channel, int32_t* value), (session, channel, value))

// No stdcall twin.
ApiStatus ventrix_Analog_GetValues(int32_t session, void* buffer, int32_t size) {
  return frame::Run(__func__, "%s(0x%.08X, 0x%.08X, %d)", [&] { return AnalogGetValues(session, buffer, size); },
                    frame::LogHandle(session), frame::LogPointer(buffer), size);
}
