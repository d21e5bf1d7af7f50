#include "controller/aircraft/overhead_switches.h"

#include <string>

#include "controller/aircraft/switch_frame.h"
#include "framework/rtl/arith.h"

namespace aircraft {

namespace {

// The pressurisation settings' steps; each sends the new target computed from the cockpit value, within
// the panel's limits.
enum class Pressurisation { kNone, kFlightUp, kFlightDown, kFlightPreset, kLandingUp, kLandingDown, kLandingPreset };

void SendPressurisation(SwitchHost& host, const PressurisationValues& v, Pressurisation action) {
  const std::string flight = "AIR_PRESSURE_ALTITUDE=";
  const std::string landing = "AIR_LANDING_ALTITUDE=";
  switch (action) {
    case Pressurisation::kNone: return;
    case Pressurisation::kFlightUp:
      if (v.flight_altitude < 42000) host.SendCommand(flight + std::to_string(v.flight_altitude + 500));
      return;
    case Pressurisation::kFlightDown:
      if (v.flight_altitude >= -1000) host.SendCommand(flight + std::to_string(v.flight_altitude - 500));
      return;
    case Pressurisation::kFlightPreset: host.SendCommand(flight + std::to_string(v.flt_alt_preset)); return;
    case Pressurisation::kLandingUp:
      if (v.landing_altitude < 14000) host.SendCommand(landing + std::to_string(fw::Round(v.landing_altitude) + 50));
      return;
    case Pressurisation::kLandingDown:
      if (v.landing_altitude >= -1000) host.SendCommand(landing + std::to_string(fw::Round(v.landing_altitude) - 50));
      return;
    case Pressurisation::kLandingPreset:
      host.SendCommand(landing + std::to_string(fw::Trunc(v.land_alt_preset / 100) * 100));
      return;
  }
}

// What one switch of the 3306 does: a command text, a pressurisation step, or nothing.
struct ElecAction {
  std::string command;
  Pressurisation step = Pressurisation::kNone;
};

ElecAction Command(std::string text) { return ElecAction{std::move(text), Pressurisation::kNone}; }
ElecAction Step(Pressurisation step) { return ElecAction{std::string(), step}; }

// Module 3306, switch closing, by wiring w (0 to 4). Wiring 0 has the battery on switch 16 and the utility
// switches on 17 and 18; the others move them up one switch, and with them the outflow and flight-altitude
// switches from 22 to 26.
ElecAction ElecClosed(std::int32_t w, std::int32_t sw) {
  if (sw == 1) return Command("ELEC_DC_SELECTOR_SWITCH=7");
  if (sw >= 2 && sw <= 8) return Command("ELEC_DC_SELECTOR_SWITCH=" + std::to_string(sw - 2));
  if (sw >= 9 && sw <= 15) return Command("ELEC_AC_SELECTOR_SWITCH=" + std::to_string(sw - 9));
  const bool w0 = w == 0;
  switch (sw) {
    case 16: return w0 ? Command("ELEC_BATTERY_SWITCH=1") : ElecAction{};
    case 17:
      if (w0) return Command("ELEC_CABIN_UTILITY=1");
      return Command(w == 2 || w == 3 ? "ELEC_BATTERY_SWITCH=0" : "ELEC_BATTERY_SWITCH=1");
    case 18: return Command(w0 ? "ELEC_UTILITY_L_SWITCH=1" : "ELEC_CABIN_UTILITY=1");
    case 19: return Command("MF=933");
    case 20: return Command(w <= 2 ? "MF=932" : "MF=933");
    case 21: return Command(w <= 2 ? "AIR_OUTFLOW_MODE=0" : "MF=932");
    case 22: return w0 ? Command("AIR_OUTFLOW_MODE=1") : ElecAction{};
    case 23: return Command(w0 ? "AIR_OUTFLOW_MODE=2" : "AIR_OUTFLOW_MODE=1");
    case 24: return w0 ? Step(Pressurisation::kFlightUp) : Command("AIR_OUTFLOW_MODE=2");
    case 25: return Step(w0 ? Pressurisation::kFlightDown : Pressurisation::kFlightUp);
    case 26: return Step(w0 ? Pressurisation::kFlightPreset : Pressurisation::kFlightDown);
    case 27: return Step(Pressurisation::kLandingUp);
    case 28: return Step(Pressurisation::kLandingDown);
    case 29: return Step(Pressurisation::kFlightPreset);
    case 30: return Step(Pressurisation::kLandingPreset);
    default: return ElecAction{};
  }
}

ElecAction ElecOpened(std::int32_t w, std::int32_t sw) {
  const bool w0 = w == 0;
  switch (sw) {
    case 16: return w0 ? Command("ELEC_BATTERY_SWITCH=0") : ElecAction{};
    case 17:
      if (w0) return Command("ELEC_CABIN_UTILITY=0");
      return Command(w == 2 || w == 3 ? "ELEC_BATTERY_SWITCH=1" : "ELEC_BATTERY_SWITCH=0");
    case 18: return Command(w0 ? "ELEC_UTILITY_L_SWITCH=0" : "ELEC_CABIN_UTILITY=0");
    case 19:
    case 20:
    case 21: return Command("MF=931");
    case 23: return w0 ? ElecAction{} : Command("AIR_OUTFLOW_MODE=0");
    default: return ElecAction{};
  }
}

void RunElec3306(SwitchHost& host, FamilyHost& family, std::int32_t sw, std::int32_t state) {
  const std::int32_t wiring = family.ElecConfigWiring();
  if (wiring < 0 || wiring > 4) return;
  const ElecAction action = state == 1 ? ElecClosed(wiring, sw) : state == 0 ? ElecOpened(wiring, sw) : ElecAction{};
  if (!action.command.empty()) host.SendCommand(action.command);
  SendPressurisation(host, family.Pressurisation(), action.step);
}

void RunElecFlt3324(SwitchHost& host, FamilyHost& family, std::int32_t sw) {
  static const Pressurisation kSteps[] = {Pressurisation::kLandingUp,     Pressurisation::kLandingDown,
                                          Pressurisation::kFlightUp,      Pressurisation::kFlightDown,
                                          Pressurisation::kLandingPreset, Pressurisation::kFlightPreset};
  if (sw >= 1 && sw <= 6) SendPressurisation(host, family.Pressurisation(), kSteps[sw - 1]);
}

void RunIrs3322(SwitchHost& host, std::int32_t sw) {
  if (sw >= 1 && sw <= 5) return host.SendCommand("IRS_DISPLAY_FUNCTION=" + std::to_string(sw - 1));
  if (sw == 6 || sw == 7) return host.SendCommand("IRS_SELECTOR=" + std::to_string(sw - 6));
  if (sw >= 9 && sw <= 17) return host.SendCommand("IRS_KEY_" + std::to_string(sw - 8) + "=1");
  if (sw == 18) return host.SendCommand("IRS_KEY_ENT=1");
  if (sw == 19) return host.SendCommand("IRS_KEY_0=1");
  if (sw == 20) return host.SendCommand("IRS_KEY_CLR=1");
}

}  // namespace

void RunOverheadBoard(SwitchHost& host, FamilyHost& family, OverheadBoard board, std::int32_t switchNumber,
                      std::int32_t state) {
  switch (board) {
    case OverheadBoard::kElec3306:
      // This module writes no label.
      RunElec3306(host, family, switchNumber, state);
      break;
    case OverheadBoard::kElecFlt3324:
      if (state == 1) RunElecFlt3324(host, family, switchNumber);
      host.SetLabel(SwitchLabel::kLastInput, SwitchLabelText("ELEC/FLT - Input: ", switchNumber, state));
      break;
    case OverheadBoard::kIrs3322:
      if (state == 1) RunIrs3322(host, switchNumber);
      host.SetLabel(SwitchLabel::kLastInput, SwitchLabelText("IRS - Input: ", switchNumber, state));
      break;
  }
  host.LastInput() = LastAssignableInput{};
}

}  // namespace aircraft
