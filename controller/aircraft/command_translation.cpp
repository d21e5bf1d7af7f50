#include "controller/aircraft/command_translation.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "controller/aircraft/aircraft_host.h"
#include "controller/aircraft/command_tables.h"
#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_binding.h"
#include "framework/rtl/intconv.h"

namespace aircraft {

namespace {

void Transmit(std::uint32_t event, DWORD data) {
  CallSim(&SimFunctions::TransmitClientEvent, SimSession(), simconnect::kUserAircraft, static_cast<DWORD>(event),
          data, simconnect::kGroupPriorityHighest, simconnect::kEventGroupIsPriority);
}

// The value as an integer, when it is one.
std::optional<std::int64_t> Number(std::string_view value) {
  std::int32_t n = 0;
  if (!fw::TryStrToInt(value, n)) return std::nullopt;
  return n;
}

bool HoldMatches(Hold hold, const KnobPushFlags& flags) {
  switch (hold) {
    case Hold::kAny:
      return true;
    case Hold::kMinsHeld:
      return flags.mins_push_held_cpt;
    case Hold::kMinsNotHeld:
      return !flags.mins_push_held_cpt;
    case Hold::kBaroHeld:
      return flags.baro_push_held_cpt;
    case Hold::kBaroNotHeld:
      return !flags.baro_push_held_cpt;
  }
  return false;
}

bool GateOpen(Gate gate, const AircraftHost& host) {
  switch (gate) {
    case Gate::kAlways:
      return true;
    case Gate::kSwitchesRescanned:
      return host.SwitchesRescanned();
    case Gate::kFoInsHpaEnabled:
      return host.EnableFoInsHpa();
  }
  return false;
}

bool Applies(const CommandRow& row, std::string_view name, std::string_view value, AircraftHost& host) {
  return name == row.name && (row.value == nullptr || value == row.value) && GateOpen(row.gate, host) &&
         HoldMatches(row.hold, host.KnobFlags());
}

// A pushed knob released: its click, unless the knob turned while it was held.
void Release(bool& held, bool& turnedWhileHeld, std::uint32_t event) {
  held = false;
  if (!turnedWhileHeld) SendClick(event);
  turnedWhileHeld = false;
}

void Run(const CommandRow& row, std::string_view value, AircraftHost& host) {
  KnobPushFlags& flags = host.KnobFlags();
  switch (row.form) {
    case SendForm::kClick:
      SendClick(row.event);
      return;
    case SendForm::kValue:
      SendValue(row.event, static_cast<std::uint32_t>(row.data));
      return;
    case SendForm::kMinsPush:
      flags.mins_turned_while_held_cpt = false;
      flags.mins_push_held_cpt = true;
      return;
    case SendForm::kMinsRelease:
      Release(flags.mins_push_held_cpt, flags.mins_turned_while_held_cpt, row.event);
      return;
    case SendForm::kBaroPush:
      flags.baro_turned_while_held_cpt = false;
      flags.baro_push_held_cpt = true;
      return;
    case SendForm::kBaroRelease:
      Release(flags.baro_push_held_cpt, flags.baro_turned_while_held_cpt, row.event);
      return;
    case SendForm::kValueN:
    case SendForm::kRotateN:
    case SendForm::kRotateHundredsN:
      break;
  }
  // The forms that need the value as a number send nothing without one.
  const std::optional<std::int64_t> n = Number(value);
  if (!n) return;
  if (row.form == SendForm::kValueN) {
    SendValue(row.event, static_cast<std::uint32_t>(static_cast<std::int32_t>(*n)));
  } else if (row.form == SendForm::kRotateN) {
    SendRotate(row.event, row.data * *n);
  } else {
    SendRotate(row.event, row.data * (*n / 100));
  }
  if (row.startsTimer) host.StartKnobReleaseTimer(row.timer);
}

void SendCduKey(bool is777, int column, int key, int press) {
  const std::uint32_t event = CduKeyEvent(is777, column, key);
  if (event == 0) return;
  SendValue(event, press == 1 ? simconnect::kLeftPress : simconnect::kLeftRelease);
}

// A CDU key: 253 and 254 are the press and release of key 49, any other value presses that key.
void CduInput(bool is777, int column, std::string_view value) {
  if (value == "253") {
    SendCduKey(is777, column, 49, 1);
  } else if (value == "254") {
    SendCduKey(is777, column, 49, 0);
  } else if (const std::optional<std::int64_t> key = Number(value)) {
    if (*key >= 1 && *key <= 70) SendCduKey(is777, column, static_cast<int>(*key), 1);
  }
}

}  // namespace

void SendServerMessage(std::string_view command) {
  AircraftHost* host = AttachedAircraftHost();
  if (host == nullptr) return;
  const std::size_t equals = command.find('=');
  const std::string_view name = command.substr(0, equals);
  const std::string_view value = equals == std::string_view::npos ? std::string_view() : command.substr(equals + 1);
  const bool is777 = host->Is777Selected();

  const std::pair<const char*, int> kCduNames[] = {
      {"CDU_CAPTAIN_INPUT", kCduColumnCaptain}, {"CDU_FO_INPUT", kCduColumnFirstOfficer},
      {"CDU_OBS_INPUT", kCduColumnObserver}};
  for (const auto& [cduName, column] : kCduNames) {
    if (name == cduName) {
      CduInput(is777, column, value);
      return;
    }
  }
  // Every row whose name, value and conditions hold acts; names are distinct, so only rows of this command.
  for (const CommandRow& row : CommandTable(is777)) {
    if (Applies(row, name, value, *host)) Run(row, value, *host);
  }
}

void SendClick(std::uint32_t event) {
  Transmit(event, simconnect::kLeftPress);
  Transmit(event, simconnect::kLeftRelease);
}

void SendRotate(std::uint32_t event, std::int64_t clicks) {
  if (clicks == 0) {
    Transmit(event, 0);
    return;
  }
  const bool right = clicks > 0;
  const std::int64_t count = std::min(right ? clicks : -clicks, kMaxClicksPerCommand);
  for (std::int64_t i = 0; i < count; ++i) {
    Transmit(event, right ? simconnect::kRightPress : simconnect::kLeftPress);
    Transmit(event, right ? simconnect::kRightRelease : simconnect::kLeftRelease);
  }
}

void SendValue(std::uint32_t event, std::uint32_t data) { Transmit(event, data); }

void SendCduKey737(int column, int key, int press) { SendCduKey(false, column, key, press); }
void SendCduKey777(int column, int key, int press) { SendCduKey(true, column, key, press); }

}  // namespace aircraft
