#include "controller/aircraft/input_commands.h"

#include <cctype>
#include <cmath>
#include <cstring>

namespace aircraft {

namespace {

// Where a command comes from: the main switch's ON (A) or OFF (B) command, the second switch's ON (C) or
// OFF (D) command.
enum class Section { kMainOn, kMainOff, kSecondOn, kSecondOff };

bool IsMain(Section s) { return s == Section::kMainOn || s == Section::kMainOff; }
bool IsOff(Section s) { return s == Section::kMainOff || s == Section::kSecondOff; }

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// Whether text begins with "[INTERNAL_k_<suffix>]" for some k from 1 to 10.
bool StartsWithInternal(const std::string& text, const char* suffix) {
  for (int k = 1; k <= 10; ++k) {
    const std::string keyword = "[INTERNAL_" + std::to_string(k) + "_" + suffix + "]";
    if (StartsWith(text, keyword.c_str())) return true;
  }
  return false;
}

// The lamp-test keywords, in either part of a command; false for any other text. The main switch's
// commands also tell the aircraft that its lamp test switch moved.
bool RunLampTestKeyword(InputCommandHost& host, const std::string& part, Section section) {
  struct Keyword {
    const char* text;
    bool second;  // light_test2
    bool on;
  };
  static constexpr Keyword kKeywords[] = {{"[LIGHT_TEST_ON]", false, true},
                                          {"[LIGHT_TEST_OFF]", false, false},
                                          {"[LIGHT_TEST_ON2]", true, true},
                                          {"[LIGHT_TEST_OFF2]", true, false}};
  for (const Keyword& k : kKeywords) {
    if (part != k.text) continue;
    if (k.second) {
      host.LightTest2(k.on);
    } else {
      host.LightTest(k.on);
    }
    if (IsMain(section)) host.SendCommand(k.on ? "MIP_LIGHT_TEST_SWITCH=1" : "MIP_LIGHT_TEST_SWITCH=0");
    return true;
  }
  return false;
}

// The keywords either part of a command may hold for the program itself: the rescan, the lamp tests and the
// flight-deck door (which does nothing here); false for any other text.
bool RunProgramKeyword(InputCommandHost& host, const std::string& part, Section section) {
  if (part == "[RESCAN]") {
    host.Rescan();
    return true;
  }
  return part == "[FLTDECK_DOOR]" || RunLampTestKeyword(host, part, section);
}

void FsuipcWrite(InputCommandHost& host, const tinput_assignments& record, double value) {
  if (!host.SimDetected()) return;
  const std::optional<std::uint32_t> offset = FsuipcOffset(record.fsuipc_offset);
  if (!offset) return;
  // The integer part, wrapped to the size's width as the simulator reads it.
  const double whole = std::trunc(value);
  const std::int64_t integer = std::fabs(whole) < 9.2e18 ? static_cast<std::int64_t>(whole) : 0;
  // The write's own result is not looked at: the exchange's result decides.
  switch (record.fsuipc_size) {
    case 1: {
      const auto v = static_cast<std::uint8_t>(integer);
      host.FsuipcWrite(*offset, 1, &v);
      break;
    }
    case 2: {
      const auto v = static_cast<std::uint16_t>(integer);
      host.FsuipcWrite(*offset, 2, &v);
      break;
    }
    case 4: {
      const auto v = static_cast<std::uint32_t>(integer);
      host.FsuipcWrite(*offset, 4, &v);
      break;
    }
    case 8:
      host.FsuipcWrite(*offset, 8, &value);
      break;
    default:
      break;
  }
  if (host.FsuipcProcess() != 0) host.SimDetected() = false;
}

// The left part of a command; false when nothing more may be done for this function.
bool RunLeftPart(InputCommandHost& host, const std::string& left, const tinput_assignments& record,
                 Section section) {
  if (RunProgramKeyword(host, left, section)) {
  } else if (left == "PARKING_BRAKE=1") {
    if (section == Section::kMainOn) host.ParkingBrakeSent() = true;
    host.SendCommand(left);
  } else if (left == "PARKING_BRAKE=0") {
    if (IsOff(section) && !host.ParkingBrakeSent()) return false;
    host.SendCommand(left);
  } else if (StartsWith(left, "[FSUIPC")) {
    if (section == Section::kSecondOn) {
      host.SendCommand(left);
    } else {
      FsuipcWrite(host, record, section == Section::kMainOn ? record.value_on : record.value_off);
    }
  } else if (StartsWithInternal(left, "ON")) {
    if (IsOff(section)) host.SendCommand(left);
  } else if (StartsWithInternal(left, "OFF")) {
    if (!IsOff(section)) host.SendCommand(left);
  } else {
    host.SendCommand(left);
  }
  return true;
}

void RunRightPart(InputCommandHost& host, const std::string& right, Section section) {
  if (!RunProgramKeyword(host, right, section)) host.SendCommand(right);
}

// Runs one command; false when nothing more may be done for this function.
bool RunCommand(InputCommandHost& host, const std::string& command, const tinput_assignments& record,
                Section section) {
  if (command.empty()) return true;
  const std::size_t colon = command.find(':');
  const std::string left = command.substr(0, colon);
  const std::string right = colon == std::string::npos ? std::string() : command.substr(colon + 1);
  if (!RunLeftPart(host, left, record, section)) return false;
  if (!right.empty()) RunRightPart(host, right, section);
  return true;
}

}  // namespace

std::optional<std::uint32_t> FsuipcOffset(const std::string& text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                                   : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

void RunInputAssignments(InputCommandHost& host, const std::string& board, std::int32_t switchNumber,
                         std::int32_t state) {
  for (int i = 1; i <= kAssignmentRecords; ++i) {
    const tinput_assignments& held = host.Inputs()[static_cast<std::size_t>(i)];
    if (held.name.empty()) return;
    if (held.board == "NotAssigned") continue;
    const bool main = held.board == board && held.switch_no == switchNumber;
    if (!main && !(held.board2 == board && held.switch2_no == switchNumber)) continue;
    // A copy of a function that answers: a rescan inside a command replays other events before this one goes
    // on.
    const tinput_assignments record = held;
    if (main) {
      const bool on = record.switch_state == state;
      if (!RunCommand(host, on ? record.cmd_on : record.cmd_off, record,
                      on ? Section::kMainOn : Section::kMainOff)) {
        continue;
      }
      host.WriteSwitchStates();
    }
    if (record.board2 == board && record.switch2_no == switchNumber) {
      const bool on = record.switch2_state == state;
      const std::string& command = on ? record.cmd_on : record.cmd_off;
      if (command.empty()) continue;
      if (!RunCommand(host, command, record, on ? Section::kSecondOn : Section::kSecondOff)) continue;
      host.WriteSwitchStates();
    }
  }
}

}  // namespace aircraft
