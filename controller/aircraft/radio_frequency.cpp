#include "controller/aircraft/radio_frequency.h"

#include <cstdint>

#include "controller/aircraft/float_parts.h"
#include "framework/rtl/arith.h"
#include "framework/rtl/floattext.h"

namespace aircraft {

namespace {

// Whether f sits on a channel ending in 0 or 5 (x.00, x.05, x.10 ...), whose neighbours are 2 and 3
// hundredths away in either direction.
bool OnRoundChannel(double f) { return fw::Round(f * 100) % 5 == 0; }

// The last two digits of an ADF frequency in tenths of a kHz (359.9 gives 99, 350.1 gives 1).
std::int64_t DecadeTenths(double f) { return fw::Round(FloatFraction(f / 10) * 100); }

}  // namespace

double StepVhf(double f, const VhfBand& band, FrequencyStep step) {
  switch (step) {
    case FrequencyStep::kFineDown:
      f -= OnRoundChannel(f) ? 0.03 : 0.02;
      // Below x.00 lands on (x-1).97: back up into the same MHz.
      if (FloatFraction(f) > 0.95 && fw::Round(FloatFraction(f * 10) * 10) == 7) f += 1;
      if (f < band.low) f += 0.95;
      return f;
    case FrequencyStep::kFineUp:
      f += OnRoundChannel(f) ? 0.02 : 0.03;
      // Above x.97 lands on (x+1).00: back down into the same MHz.
      if (FloatFraction(f) == 0) f -= 1;
      if (f > band.high) f -= 0.95;
      return f;
    case FrequencyStep::kCoarseDown:
      f -= 1;
      if (f < band.low) f += band.coarse_wrap;
      return f;
    case FrequencyStep::kCoarseUp:
      f += 1;
      if (f > band.high) f -= band.coarse_wrap;
      return f;
  }
  return f;
}

double StepAdf(double f, FrequencyStep step) {
  switch (step) {
    case FrequencyStep::kFineDown:
      f -= 0.1;
      // Only a step that crossed below the decade wraps: x0.0 down is x9.9, while x0.1 down stays at x0.0.
      if (DecadeTenths(f) == 99) f += 10;
      return f;
    case FrequencyStep::kFineUp:
      f += 0.1;
      if (DecadeTenths(f) % 100 == 0) f -= 10;
      return f;
    case FrequencyStep::kCoarseDown:
      f -= 10;
      if (f < 0) f += 999;
      return f;
    case FrequencyStep::kCoarseUp:
      f += 10;
      if (f > 9999.9) f -= 999;
      return f;
  }
  return f;
}

std::string VhfSendDigits(double f) {
  std::string text = fw::FloatToStr(f * 100);
  while (text.size() < 4) text = "0" + text;
  return text.substr(1, 4);
}

std::string AdfSendText(double f) { return fw::FloatToStr(f); }

}  // namespace aircraft
