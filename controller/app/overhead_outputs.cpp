#include "controller/app/overhead_outputs.h"

#include <string>

#include "controller/app/fs_module.h"
#include "controller/app/number_text.h"
#include "framework/rtl/arith.h"

namespace trelvik {

namespace {

void Text(OutputSink& sink, std::int32_t session, const std::string& text, std::int32_t digit) {
  sink.SevenSegmentSet(session, text.c_str(), digit);
}

std::string Pad(std::int64_t value, std::int32_t width) {
  return int_to_str(static_cast<std::int32_t>(value), width, " ");
}

// A reading kept in tenths, shown whole.
std::int64_t Tenths(double reading) { return FloatIntPart(reading * 0.1); }

void Flash(OutputSink& sink, std::int32_t session, std::int32_t lastLed, std::uint8_t phase) {
  for (std::int32_t led = 0; led <= lastLed; ++led) sink.LedSet(session, led, phase);
}

}  // namespace

void WriteElecPanel(std::int32_t session, bool is3306, std::int32_t wiring, const PanelState& panel,
                    const aircraft::PressurisationValues& pressurisation, const OverheadConditions& conditions,
                    OutputSink& sink) {
  if (conditions.family_test) return Flash(sink, session, 179, conditions.phase);
  if (panel.aircraft_power == 0) {
    Text(sink, session, std::string(22, ' '), 1);
    if (is3306) {
      for (std::int32_t led = 177; led <= 179; ++led) sink.LedSet(session, led, 0);
    }
    return;
  }
  Text(sink, session, Pad(Tenths(panel.elec_tenths[0]), 2), 1);
  Text(sink, session, Pad(Tenths(panel.elec_tenths[1]), 2), 3);
  Text(sink, session, Pad(Tenths(panel.elec_tenths[2]), 2), 5);
  Text(sink, session, Pad(panel.elec_whole[1], 3), 7);
  Text(sink, session, Pad(panel.elec_whole[0], 3), 10);

  const std::string flight = Pad(pressurisation.flight_altitude, 5);
  const std::string landing = Pad(fw::Round(pressurisation.landing_altitude), 5);
  if (!is3306 || wiring == 0) {
    Text(sink, session, landing, 13);
    Text(sink, session, flight, 18);
  } else if (wiring >= 1 && wiring <= 4) {
    Text(sink, session, flight, 13);
    Text(sink, session, landing, 18);
  }
  if (is3306) {
    for (std::int32_t i = 0; i < 3; ++i) sink.LedSet(session, 177 + i, panel.elec_lamps[static_cast<std::size_t>(i)]);
  }
}

void WriteIrsPanel(std::int32_t session, const PanelState& panel, const OverheadConditions& conditions,
                   OutputSink& sink) {
  if (conditions.family_test) return Flash(sink, session, 116, conditions.phase);
  if (panel.aircraft_power == 0) {
    Text(sink, session, std::string(13, ' '), 1);
    for (std::int32_t led = 105; led <= 116; ++led) sink.LedSet(session, led, 0);
    return;
  }
  const std::string& latitude = panel.irs_latitude_letter;
  const std::string& longitude = panel.irs_longitude_letter;
  if (latitude == "N" || latitude == "S") Text(sink, session, latitude, 1);
  Text(sink, session, Pad(fw::Round(panel.irs_latitude), 5), 2);
  // The display has no W: it shows U in its place.
  if (longitude == "E") Text(sink, session, "E", 1);
  if (longitude == "W") Text(sink, session, "U", 1);
  Text(sink, session, Pad(fw::Round(panel.irs_longitude), 6), 8);
  for (std::int32_t led = 105; led <= 116; ++led) sink.LedSet(session, led, 1);
}

}  // namespace trelvik
