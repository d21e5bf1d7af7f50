#include "sim/run/panels.h"

#include <cstdio>

#include "sim/channel/remote_boards.h"

namespace trelvikrun {

namespace {

std::string ModelText(uint16_t model) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", model);
  return text;
}

// The HALDOR 737 panel: windows on digits 1..24, lamps from LED 193.
Panel Mcp737(const std::string& model) {
  return {"MCP " + model,
          {{"CRS", 1, 3}, {"IAS", 5, 4}, {"HDG", 9, 3}, {"ALT", 12, 5}, {"V/S", 17, 5}, {"CRS-FO", 22, 3}},
          193,
          {{193, "N1"}, {194, "SPEED"}, {195, "VNAV"}, {196, "LVL CHG"}, {197, "HDG SEL"}, {198, "LNAV"},
           {199, "VOR LOC"}, {201, "APP"}, {202, "ALT HLD"}, {203, "V/S"}, {204, "CMD A"}, {205, "CWS A"},
           {206, "CMD B"}, {207, "CWS B"}, {225, "F/D CPT"}, {226, "A/T ARM"}, {227, "F/D FO"}}};
}

// The HALDOR 777 panel: windows on digits 1..16, lamps from LED 129.
Panel Mcp777(const std::string& model) {
  return {"MCP " + model,
          {{"IAS", 1, 3}, {"V/S", 4, 5}, {"HDG", 9, 3}, {"ALT", 12, 5}},
          129,
          {{145, "A/P L"}, {146, "A/T"}, {147, "LNAV"}, {148, "VNAV"}, {149, "FLCH"}, {150, "HDG HOLD"},
           {151, "V/S"}, {152, "ALT HOLD"}, {153, "LOC"}, {154, "APP"}, {155, "A/P R"}}};
}

std::string LedRuns(const std::vector<int>& leds) {
  std::string text;
  for (std::size_t i = 0; i < leds.size();) {
    std::size_t j = i;
    while (j + 1 < leds.size() && leds[j + 1] == leds[j] + 1) ++j;
    if (!text.empty()) text += ",";
    text += std::to_string(leds[i]);
    if (j > i) text += "-" + std::to_string(leds[j]);
    i = j + 1;
  }
  return text;
}

}  // namespace

Panel PanelOf(const HidSimMirrorBoard& board) {
  const std::string model = ModelText(board.model);
  if (model == "330F" || model == "3311" || model == "3404") return Mcp737(model);
  if (model == "3403" || model == "3327") return Mcp777(model);
  if (model == "330B") return {"EFIS-CA " + model, {}, 1, {}};
  if (model == "330C") return {"EFIS-FO " + model, {}, 1, {}};
  if (model == "3302") return {"CDU " + model, {}, 1, {}};
  return {"board " + model, {}, 1, {}};
}

std::string WindowText(const HidSimMirrorBoard& board, const PanelWindow& window) {
  std::string text;
  for (int digit = window.firstDigit; digit < window.firstDigit + window.digits; ++digit) {
    text += simchannel::DigitText(simchannel::DigitSegments(board, digit));
  }
  return text;
}

std::vector<PanelChange> Changes(const Panel& panel, const HidSimMirrorBoard& before, const HidSimMirrorBoard& after) {
  std::vector<PanelChange> changes;
  if (before.plugged != after.plugged) {
    changes.push_back({"board", panel.name + (after.plugged ? " plugged in" : " unplugged")});
  }
  if ((before.openHandles > 0) != (after.openHandles > 0)) {
    changes.push_back({"board", panel.name + (after.openHandles > 0 ? " opened by the program" : " released by the program")});
  }
  for (const PanelWindow& window : panel.windows) {
    const std::string was = WindowText(before, window);
    const std::string now = WindowText(after, window);
    // Digits that are no character are a window caught between two of its rows: told once it shows one.
    if (was != now && now.find('?') == std::string::npos) {
      changes.push_back({"window", panel.name + " " + window.name + " \"" + now + "\"", 0,
                         panel.name + " " + window.name, now});
    }
  }
  std::vector<int> lit;
  std::vector<int> dark;
  for (int led = panel.firstLamp; led <= 256; ++led) {
    const bool on = simchannel::LedLit(after, led);
    if (simchannel::LedLit(before, led) == on) continue;
    const auto named = panel.lamps.find(led);
    if (named != panel.lamps.end()) {
      changes.push_back({"lamp", panel.name + " " + named->second + " (LED " + std::to_string(led) + ")" +
                                     (on ? " on" : " off"), 1});
    } else {
      (on ? lit : dark).push_back(led);
    }
  }
  if (!lit.empty()) changes.push_back({"lamp", panel.name + " LEDs " + LedRuns(lit) + " on", static_cast<int>(lit.size())});
  if (!dark.empty()) {
    changes.push_back({"lamp", panel.name + " LEDs " + LedRuns(dark) + " off", static_cast<int>(dark.size())});
  }
  for (int port = 0; port < 4; ++port) {
    if (before.ports[port] == after.ports[port]) continue;
    char text[64];
    std::snprintf(text, sizeof text, " data lines %d-%d: %02X", 8 * port + 1, 8 * port + 8, after.ports[port]);
    changes.push_back({"lines", panel.name + text});
  }
  return changes;
}

}  // namespace trelvikrun
