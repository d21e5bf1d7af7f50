#include "boardapi/api/session_outputs.h"

#include <windows.h>

#include <memory>
#include <new>

#include "boardapi/api/on_off.h"
#include "boardapi/api/session.h"
#include "boardapi/board/controller.h"
#include "boardapi/board/peripherals.h"
#include "boardapi/board/segment_text.h"

namespace {

constexpr uint8_t kBrightnessAddress = 0xC0;
constexpr int kBrightnessConfigA = 2;
constexpr int kBrightnessConfigB = 0;
constexpr int kDigitCountWhole = -1;
constexpr char kDigitPadding = ' ';
constexpr int kLinesPerPort = 8;


// The checks of an enable call: session, description, capability, board.
ApiStatus CheckEnable(int32_t handle, int32_t capability, SessionPtr& session) {
  session = Sessions().Find(handle);
  if (!session) return API_ERR_NO_SESSION;
  if (const ApiStatus status = EnsureBoardInfo(handle, *session); status != API_OK) return status;
  if (!(session->boardInfo.capabilities & capability)) return API_ERR_NO_FEATURE;
  if (session->board == nullptr) return API_ERR_NO_BOARD;
  return API_OK;
}

// The checks of a call that uses an enabled feature: session, enabled, board.
ApiStatus CheckUse(int32_t handle, int32_t feature, SessionPtr& session) {
  session = Sessions().Find(handle);
  if (!session) return API_ERR_NO_SESSION;
  if (!session->FeatureOn(feature)) return API_ERR_NOT_ENABLED;
  if (session->board == nullptr) return API_ERR_NO_BOARD;
  return API_OK;
}

ApiStatus Status(bool done) { return done ? API_OK : API_ERR_DEVICE_IO; }

// The LED matrix serves both the LEDs and the 7-segment digits; each keeps its own enabled entry.
ApiStatus EnableMatrix(int32_t handle, int32_t capability, int32_t on) {
  SessionPtr session;
  if (const ApiStatus status = CheckEnable(handle, capability, session); status != API_OK) return status;
  // Stopping an LED scan waits for it with the library lock let go.
  const std::shared_ptr<CventrixController> board = HoldBoard(*session);
  if (!board->EnableLedMatrix(IsOn(on))) return API_ERR_DEVICE_IO;
  session->featureEnabled[capability] = OnOffByte(on);
  return API_OK;
}

// Creates (on) or deletes (off) a session-owned driver; a second create is refused.
template <typename Driver>
ApiStatus SwitchDriver(CBoardSession& session, std::unique_ptr<Driver>& driver, int32_t feature, int32_t on) {
  if (IsOn(on)) {
    if (driver) return API_ERR_ALREADY_ENABLED;
    driver.reset(new (std::nothrow) Driver(session));
    if (!driver) return API_ERR_DEVICE_IO;
  } else {
    driver.reset();
  }
  session.featureEnabled[feature] = OnOffByte(on);
  return API_OK;
}

}  // namespace

ApiStatus LedEnable(int32_t session, int32_t on) { return EnableMatrix(session, BOARD_CAP_LEDS, on); }

ApiStatus LedTest(int32_t handle, int32_t on) {
  SessionPtr session;
  if (const ApiStatus status = CheckUse(handle, BOARD_CAP_LEDS, session); status != API_OK) return status;
  return Status(session->board->LedTest(IsOn(on)) == 0);
}

ApiStatus LedSet(int32_t handle, int32_t led, int32_t state) {
  SessionPtr session;
  if (const ApiStatus status = CheckUse(handle, BOARD_CAP_LEDS, session); status != API_OK) return status;
  return Status(session->board->SetLed(led, OnOffByte(state), false) == 0);
}

ApiStatus SegmentEnable(int32_t session, int32_t on) { return EnableMatrix(session, BOARD_CAP_7SEGMENT, on); }

ApiStatus SegmentDisplay(int32_t handle, const char* text, int32_t firstDigit) {
  SessionPtr session;
  if (const ApiStatus status = CheckUse(handle, BOARD_CAP_7SEGMENT, session); status != API_OK) return status;
  return Status(session->board->DisplayText(firstDigit, text, kDigitCountWhole, kAlignRight, kDigitPadding) == 0);
}

ApiStatus DatalineEnable(int32_t handle, int32_t on) {
  SessionPtr session;
  if (const ApiStatus status = CheckEnable(handle, BOARD_CAP_DATALINES, session); status != API_OK) return status;
  session->featureEnabled[BOARD_CAP_DATALINES] = OnOffByte(on);
  return API_OK;
}

ApiStatus DatalineSet(int32_t handle, int32_t line, int32_t state) {
  SessionPtr session;
  if (const ApiStatus status = CheckUse(handle, BOARD_CAP_DATALINES, session); status != API_OK) return status;
  // Lines count from 1; below that there is no port to compute.
  if (line < 1) return API_ERR_DEVICE_IO;
  const int port = (line - 1) / kLinesPerPort;
  const int bit = (line - 1) % kLinesPerPort;
  return Status(session->board->SetDataLine(port, bit, OnOffByte(state)));
}

ApiStatus ServoEnable(int32_t handle, int32_t on) {
  SessionPtr session;
  if (const ApiStatus status = CheckEnable(handle, BOARD_CAP_SERVOS, session); status != API_OK) return status;
  if (!session->board->SetIicMode(IsOn(on))) return API_ERR_DEVICE_IO;
  session->featureEnabled[BOARD_CAP_SERVOS] = OnOffByte(on);
  return API_OK;
}

ApiStatus ServoSetPosition(int32_t handle, int32_t controller, int32_t servo, int32_t position) {
  SessionPtr session;
  if (const ApiStatus status = CheckUse(handle, BOARD_CAP_SERVOS, session); status != API_OK) return status;
  return Status(session->board->ServoSetPosition(controller, servo, position));
}

ApiStatus ServoSetCenter(int32_t handle, int32_t controller, int32_t servo, int32_t center) {
  SessionPtr session;
  if (const ApiStatus status = CheckUse(handle, BOARD_CAP_SERVOS, session); status != API_OK) return status;
  return Status(session->board->ServoSetCenter(controller, servo, center));
}

ApiStatus BrightnessEnable(int32_t handle, int32_t on) {
  SessionPtr session;
  if (const ApiStatus status = CheckEnable(handle, BOARD_CAP_BRIGHTNESS, session); status != API_OK) return status;
  if (IsOn(on)) {
    if (session->brightnessDriver) return API_ERR_ALREADY_ENABLED;
    auto driver = std::make_unique<CBrightnessDriver>(*session, kBrightnessAddress);
    if (driver->Reset() != 0 || driver->Configure(kBrightnessConfigA, kBrightnessConfigB) != 0) {
      return API_ERR_DEVICE_IO;  // the driver goes here, leaving nothing half made
    }
    session->brightnessDriver = std::move(driver);
  } else {
    session->brightnessDriver.reset();
  }
  session->featureEnabled[BOARD_CAP_BRIGHTNESS] = OnOffByte(on);
  return API_OK;
}

ApiStatus BrightnessSet(int32_t handle, int32_t level) {
  SessionPtr session;
  if (const ApiStatus status = CheckUse(handle, BOARD_CAP_BRIGHTNESS, session); status != API_OK) return status;
  if (static_cast<uint32_t>(level) > 255) return API_ERR_OUT_OF_RANGE;
  if (!session->brightnessDriver) return API_ERR_NOT_ENABLED;
  return Status(session->brightnessDriver->SetChannel(0, level) == 0);
}

ApiStatus AnalogEnable(int32_t handle, int32_t on) {
  SessionPtr session = Sessions().Find(handle);
  if (!session) return API_ERR_NO_SESSION;
  if (const ApiStatus status = EnsureBoardInfo(handle, *session); status != API_OK) return status;
  // Unlike the other enables, the board is checked before the capability.
  if (session->board == nullptr) return API_ERR_NO_BOARD;
  const int32_t capabilities = session->boardInfo.capabilities;
  if (capabilities & BOARD_CAP_ANALOG) return SwitchDriver(*session, session->analogInput, BOARD_CAP_ANALOG, on);
  if (capabilities & BOARD_CAP_ANALOG_BANK) {
    return SwitchDriver(*session, session->analogInputBank, BOARD_CAP_ANALOG_BANK, on);
  }
  return API_ERR_NO_FEATURE;
}

ApiStatus AnalogGetValue(int32_t handle, int32_t channel, int32_t* value) {
  SessionPtr session = Sessions().Find(handle);
  if (!session) return API_ERR_NO_SESSION;
  if (channel != 0) return API_ERR_OUT_OF_RANGE;
  if (!session->FeatureOn(BOARD_CAP_ANALOG)) return API_ERR_NOT_ENABLED;
  if (session->board == nullptr) return API_ERR_NO_BOARD;
  if (!session->analogInput) return API_ERR_NOT_ENABLED;
  if (*value == 0) return API_ERR_OUT_OF_RANGE;
  const int reading = session->analogInput->Read();
  if (reading == -1) return API_ERR_DEVICE_IO;
  *value = reading;
  return API_OK;
}

ApiStatus AnalogGetValues(int32_t handle, void* buffer, int32_t size) {
  SessionPtr session;
  if (const ApiStatus status = CheckUse(handle, BOARD_CAP_ANALOG_BANK, session); status != API_OK) return status;
  if (!session->analogInputBank) return API_ERR_NOT_ENABLED;
  const int result = session->analogInputBank->ReadAll(buffer, size);
  if (result == ERROR_INSUFFICIENT_BUFFER) return API_ERR_BUFFER_TOO_SMALL;
  return Status(result == 0);
}
