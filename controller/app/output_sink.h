// Where the output drivers send their writes: the main form's guarded writes in the program, a recorder in
// tests. One board's session per call.
#pragma once

#include <cstdint>

namespace trelvik {

class OutputSink {
 public:
  virtual ~OutputSink() = default;
  virtual void LedSet(std::int32_t session, std::int32_t led, std::uint8_t state) = 0;
  virtual void DatalineSet(std::int32_t session, std::int32_t line, std::uint8_t state) = 0;
  virtual void SevenSegmentSet(std::int32_t session, const char* text, std::int32_t firstDigit) = 0;
  // The board's lamp test (every LED on or off); not a guarded write.
  virtual void LedTest(std::int32_t session, std::uint8_t state) = 0;
};

}  // namespace trelvik
