// An output sink that keeps what the drivers wrote: the last state of each LED and data line, the window
// texts in the order written, and the lamp tests.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "controller/app/output_sink.h"

namespace trelvik::testing {

struct OutputRecorder : OutputSink {
  std::map<int, int> leds, lines;
  std::vector<int> ledOrder;
  std::vector<std::pair<std::string, int>> texts;
  std::vector<int> tests;

  void LedSet(std::int32_t, std::int32_t led, std::uint8_t state) override {
    leds[led] = state;
    ledOrder.push_back(led);
  }
  void DatalineSet(std::int32_t, std::int32_t line, std::uint8_t state) override { lines[line] = state; }
  void SevenSegmentSet(std::int32_t, const char* text, std::int32_t digit) override { texts.emplace_back(text, digit); }
  void LedTest(std::int32_t, std::uint8_t state) override { tests.push_back(state); }

  // LEDs of first..last written on (1) or off (0); -1 for one that was not written.
  std::vector<int> Leds(int first, int last) const {
    std::vector<int> states;
    for (int led = first; led <= last; ++led) {
      const auto at = leds.find(led);
      states.push_back(at == leds.end() ? -1 : at->second);
    }
    return states;
  }
  std::vector<int> LitLeds() const {
    std::vector<int> lit;
    for (const auto& [led, state] : leds) {
      if (state != 0) lit.push_back(led);
    }
    return lit;
  }
};

}  // namespace trelvik::testing
