#include "controller/app/form_output_sink.h"

#include "controller/app/access_fault_guard.h"
#include "controller/app/board_api.h"
#include "controller/app/zedarave.h"

namespace trelvik {

void FormOutputs::LedSet(std::int32_t session, std::int32_t led, std::uint8_t state) {
  form_.interface_LED_Set(session, led, state);
}

void FormOutputs::DatalineSet(std::int32_t session, std::int32_t line, std::uint8_t state) {
  form_.interface_Dataline_Set(session, line, state);
}

void FormOutputs::SevenSegmentSet(std::int32_t session, const char* text, std::int32_t firstDigit) {
  form_.interface_7Seg_Set(session, text, firstDigit);
}

void FormOutputs::LedTest(std::int32_t session, std::uint8_t state) {
  Shielded([&] { Api().LED_Test(session, state); });
}

}  // namespace trelvik
