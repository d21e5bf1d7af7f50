#include "controller/aircraft/efis_switches.h"

#include <string>

#include "controller/aircraft/switch_frame.h"

namespace aircraft {

namespace {

// The command names of one side; the knob and selector names differ in more than a prefix.
struct SideNames {
  const char* nd;          // "ND_CAPTAIN_" / "ND_FO_"
  const char* baro_unit;   // IN/HPA selector
  const char* mins_mode;   // MINS mode selector
  const char* mins_up;
  const char* mins_down;
  const char* baro_up;
  const char* baro_down;
  const char* mins_reset;  // switch 21
  const char* baro_std;    // switch 22
  const char* label;
};

const SideNames kCaptain{"ND_CAPTAIN_",          "CAPT_BARO_INS_HPA=",  "MINIMUMS_MODE_CPT=",
                         "MINIMUMS_INCREASE=10", "MINIMUMS_DECREASE=10", "CAPT_BARO_INCREASE=1",
                         "CAPT_BARO_DECREASE=1", "MF=530",               "STD_SET_CAPT=2",
                         "EFIS CA - Input: "};
const SideNames kFirstOfficer{"ND_FO_",
                              "FO_BARO_INS_HPA=",
                              "MINIMUMS_MODE_FO=",
                              "MINIMUMS_FO_INCREASE=10",
                              "MINIMUMS_FO_DECREASE=10",
                              "FO_BARO_INCREASE=1",
                              "FO_BARO_DECREASE=1",
                              "MF=532",
                              "STD_SET_FO=2",
                              "EFIS FO - Input: "};

// Switches 9-15 and 17-20: one display option each.
const char* DisplayOption(std::int32_t switchNumber) {
  static const char* const kOptions[] = {"WXR", "STA", "WPT", "APT", "DATA", "POS", "TER", nullptr,
                                         "FPV", "MTRS", "CENTRED", "TFC"};
  if (switchNumber < 9 || switchNumber > 20) return nullptr;
  return kOptions[switchNumber - 9];
}

// Each side keeps a pair of selector flags of its own, so one side's selector never silences the other's:
// the captain's 0 and 1, the first officer's 2 and 3.
std::size_t PairFlagBase(EfisSide side) { return side == EfisSide::kCaptain ? 0 : 2; }

// The range selector (switches 25-32): position k sends range k, or k - 1 with the 777 unless the range
// option keeps the 737's positions. The captain's first position then sends nothing, the first officer's
// range 0.
void SendRange(SwitchHost& host, EfisSide side, const SideNames& names, std::int32_t switchNumber) {
  std::int32_t range = switchNumber - 25;
  if (host.Is777Selected() && host.Efis().map_range_option_777 != 1) {
    if (range == 0 && side == EfisSide::kCaptain) return;
    if (range > 0) --range;
  }
  host.SendCommand(std::string(names.nd) + "RANGE=" + std::to_string(range));
}

void SendClosed(SwitchHost& host, EfisSide side, std::int32_t switchNumber) {
  const SideNames& names = side == EfisSide::kCaptain ? kCaptain : kFirstOfficer;
  const EfisSettings settings = host.Efis();
  const EfisSideSettings& own = side == EfisSide::kCaptain ? settings.captain : settings.first_officer;
  const std::string nd = names.nd;
  // Each reversal setting swaps the two texts of a switch pair.
  const auto pick = [](bool reverse, const char* first, const char* second) { return reverse ? second : first; };
  switch (switchNumber) {
    case 5:
    case 6: {
      const bool hpa = (switchNumber == 5) != own.baro_reverse;
      host.SendCommand(std::string(names.baro_unit) + (hpa ? "1" : "0"));
      return;
    }
    case 7:
    case 8: {
      const std::string mode = (switchNumber == 8) != own.mins_reverse ? "1" : "0";
      host.SendCommand(names.mins_mode + mode);
      if (side == EfisSide::kFirstOfficer && settings.link_cpt_mins_mode_to_fo) {
        host.SendCommand(kCaptain.mins_mode + mode);
      }
      return;
    }
    case 21: host.SendCommand(names.mins_reset); return;
    case 22: host.SendCommand(names.baro_std); return;
    case 33:
    case 34:
    case 35:
    case 36: host.SendCommand(nd + "MODE=" + std::to_string(36 - switchNumber)); return;
    case 41: host.SendCommand(pick(own.mins_direction_reverse, names.mins_up, names.mins_down)); return;
    case 42: host.SendCommand(pick(own.mins_direction_reverse, names.mins_down, names.mins_up)); return;
    case 43: host.SendCommand(pick(own.baro_direction_reverse, names.baro_up, names.baro_down)); return;
    case 44: host.SendCommand(pick(own.baro_direction_reverse, names.baro_down, names.baro_up)); return;
    default: break;
  }
  if (switchNumber >= 25 && switchNumber <= 32) return SendRange(host, side, names, switchNumber);
  if (const char* option = DisplayOption(switchNumber)) host.SendCommand(nd + option + "=2");
}

}  // namespace

void RunEfisPanel(SwitchHost& host, EfisSide side, std::int32_t session, std::int32_t switchNumber,
                  std::int32_t state) {
  const SideNames& names = side == EfisSide::kCaptain ? kCaptain : kFirstOfficer;
  const bool selector = switchNumber >= 1 && switchNumber <= 4;
  // Switches 1 and 2 are the left selector's positions 1 and 2, switches 3 and 4 the right one's.
  if (selector && SelectorEventEnds(host, session, switchNumber, switchNumber % 2 == 1,
                                    PairFlagBase(side) + (switchNumber <= 2 ? 0 : 1))) {
    return;
  }
  if (selector && (state == 0 || state == 1)) {
    const std::string position = state == 0 ? "0" : std::to_string(2 - switchNumber % 2);
    host.SendCommand(std::string(names.nd) + "RADIO_" + (switchNumber <= 2 ? "L=" : "R=") + position);
  } else if (state == 1) {
    SendClosed(host, side, switchNumber);
  }
  // The captain's panel shows only closings; the first officer's shows both.
  if (side == EfisSide::kFirstOfficer || state == 1) {
    host.SetLabel(SwitchLabel::kLastInput, SwitchLabelText(names.label, switchNumber, state));
  }
  host.LastInput() = LastAssignableInput{};
}

}  // namespace aircraft
