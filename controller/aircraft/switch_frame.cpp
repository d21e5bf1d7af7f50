#include "controller/aircraft/switch_frame.h"

#include <string>

#include "controller/aircraft/efis_switches.h"
#include "controller/aircraft/mcp_switches.h"
#include "controller/aircraft/model_code.h"
#include "framework/services/clock.h"

namespace aircraft {

namespace {

void EnterEvent(SwitchHost& host, std::int32_t id, std::int32_t switchNumber, std::int32_t state) {
  host.MarkSwitchActivity(fw::TickCount());
  const std::string received = "Switch Received " + std::to_string(id) + " " + std::to_string(switchNumber) +
                               " " + std::to_string(state);
  host.ShowSwitchReceived(received);
  host.Log(received);
  const std::uint32_t now = fw::TickCount();
  host.Log("Time betwwen last rcvd switch :" + std::to_string(now - host.PrevSwitchTick()));
  host.PrevSwitchTick() = now;
  host.AdvanceInputProgress();
}

void ClearLastInput(SwitchHost& host) { host.LastInput() = LastAssignableInput{}; }

// A key of a CDU in one of the five roles; false when id holds no CDU role.
bool HandleCduKey(SwitchHost& host, const SwitchRoles& roles, std::int32_t id, std::int32_t switchNumber,
                  std::int32_t state) {
  int role = -1;
  for (int i = 0; i < 5 && role < 0; ++i) {
    if (roles.cdu[static_cast<std::size_t>(i)] == id) role = i;
  }
  if (role < 0) return false;
  // Switch 49 (the CDU's shift-like key) is sent on both edges, with its own codes.
  const bool isKey49 = switchNumber == 49;
  const std::int32_t key = isKey49 ? (state == 1 ? 253 : 254) : switchNumber;
  if (state == 1 || (state == 0 && isKey49)) {
    static const char* const kCommands[] = {"CDU_CAPTAIN_INPUT=", "CDU_FO_INPUT=", "CDU_OBS_INPUT="};
    static const char* const kPrefixes[] = {"CDU CPT - Input: ", "CDU FO - Input: ", "CDU OBS - Input: "};
    const int kind = role < 2 ? role : 2;
    host.SendCommand(kCommands[kind] + std::to_string(key));
    host.SetLabel(SwitchLabel::kLastInput, SwitchLabelText(kPrefixes[kind], switchNumber, state));
    host.SetLabel(SwitchLabel::kLastBoardCdu, host.DeviceNameOfSession(id));
  }
  ClearLastInput(host);
  return true;
}

bool ModelIs(const std::string& model, std::initializer_list<const char*> codes) {
  for (const char* code : codes) {
    if (HasModelCode(model, code)) return true;
  }
  return false;
}

// The role and model families; false when none claims the event.
bool DispatchFamily(SwitchHost& host, const SwitchRoles& roles, const std::string& model, std::int32_t id,
                    std::int32_t switchNumber, std::int32_t state) {
  using Family = SwitchHost::Family;
  const auto run = [&](Family family, std::int32_t index) {
    if (!host.RunFamily(family, index, model, id, switchNumber, state)) ClearLastInput(host);
  };
  for (std::size_t i = 0; i < roles.multicom.size(); ++i) {
    if (roles.multicom[i] == id) return run(Family::kMulticom, static_cast<std::int32_t>(i)), true;
  }
  for (std::size_t i = 0; i < roles.radio.size(); ++i) {
    if (roles.radio[i] == id) return run(Family::kRadio, static_cast<std::int32_t>(i)), true;
  }
  if (roles.transponder == id) return run(Family::kTransponder, 0), true;
  if (IsModeControlModel(model)) {
    RunModeControlPanel(host, model, id, switchNumber, state);
    return true;
  }
  if (ModelIs(model, {"330B"})) return RunEfisPanel(host, EfisSide::kCaptain, id, switchNumber, state), true;
  if (ModelIs(model, {"330C"})) return RunEfisPanel(host, EfisSide::kFirstOfficer, id, switchNumber, state), true;
  if (ModelIs(model, {"3306"})) return run(Family::kOverhead, 0), true;
  if (ModelIs(model, {"3324"})) return run(Family::kOverhead, 1), true;
  if (ModelIs(model, {"3322"})) return run(Family::kOverhead, 2), true;
  return false;
}

void RunGenericPath(SwitchHost& host, std::string board, std::int32_t id, std::int32_t switchNumber,
                    std::int32_t state) {
  host.SetLabel(SwitchLabel::kLastBoardCdu, ModelIs(board, {"3302", "331A"}) ? host.DeviceNameOfSession(id) : "");
  host.SetLabel(SwitchLabel::kLastBoardRadio, ModelIs(board, {"3401", "3318", "4C5A", "3305", "3402"})
                                                  ? host.DeviceNameOfSession(id)
                                                  : "");
  if (board.find("JOYSTICK") == std::string::npos) board = host.DeviceNameOfSession(id);
  host.UncheckAssignOff();
  if (state == 1) {
    host.SetLabel(SwitchLabel::kLastInput, board + " - Input: " + std::to_string(switchNumber) + " ON");
    host.LastInput() = LastAssignableInput{board, switchNumber, 1};
    host.SetImportSwitchBoard(board);
    if (host.ImportWaitingForSwitch()) host.AssignImportBoard();
  }
  host.RunInputAssignments(board, switchNumber, state);
}

}  // namespace

std::string SwitchLabelText(const std::string& prefix, std::int32_t switchNumber, std::int32_t state) {
  return prefix + std::to_string(switchNumber) + (state == 1 ? " ON" : " OFF");
}

bool SelectorEventEnds(SwitchHost& host, std::int32_t session, std::int32_t switchNumber, bool positionOne,
                       std::size_t flag) {
  const bool closed = host.SwitchClosed(session, switchNumber);
  bool& positionOneClosed = host.Mcp().rescan_pair_flag[flag];
  if (positionOne) {
    positionOneClosed = closed;
    return false;
  }
  return !closed && positionOneClosed;
}

void ProcessSwitch(SwitchHost& host, std::int32_t id, std::int32_t switchNumber, std::int32_t state) {
  EnterEvent(host, id, switchNumber, state);
  const SwitchRoles roles = host.Roles();
  if (HandleCduKey(host, roles, id, switchNumber, state)) return;

  std::string board;
  if (std::optional<std::string> model = host.ModelOfSession(id)) {
    board = *model;
  } else if (id < kJoystickIdBase) {
    return;
  } else {
    board = "JOYSTICK " + std::to_string(id - kJoystickIdBase);
  }
  if (DispatchFamily(host, roles, board, id, switchNumber, state)) return;
  RunGenericPath(host, board, id, switchNumber, state);
}

}  // namespace aircraft
