// The output drivers' sink in the program: the main form's guarded writes; a board's lamp test goes to the
// library directly, its failures dropped. GUI thread.
#pragma once

#include "controller/app/output_sink.h"

namespace trelvik {

class TZedArave;

class FormOutputs final : public OutputSink {
 public:
  explicit FormOutputs(TZedArave& form) : form_(form) {}
  void LedSet(std::int32_t session, std::int32_t led, std::uint8_t state) override;
  void DatalineSet(std::int32_t session, std::int32_t line, std::uint8_t state) override;
  void SevenSegmentSet(std::int32_t session, const char* text, std::int32_t firstDigit) override;
  void LedTest(std::int32_t session, std::uint8_t state) override;

 private:
  TZedArave& form_;
};

}  // namespace trelvik
