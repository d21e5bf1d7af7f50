#include "controller/aircraft/switch_rescan.h"

#include <algorithm>

#include "controller/aircraft/knob_release.h"
#include "controller/aircraft/model_code.h"
#include "controller/aircraft/sim_session.h"
#include "framework/services/clock.h"

namespace aircraft {

namespace {

// Function pairs whose second switch is not replayed open while the first read closed: a two-position
// switch wired to two contacts.
struct BlockedPair {
  const char* first;
  const char* second;
};

const BlockedPair kBlockedPairs[] = {
    {"Standby Power Switch BAT", "Standby Power Switch AUTO"},
    {"Seatbelt OFF", "Seatbelt ON"},
    {"No Smoking OFF", "No Smoking ON"},
    {"APU Switch OFF", "APU Switch ON"},
};

// The boards whose switches are replayed, with their selector pairs: switch first, first + 1 and
// first + 2, first + 3, using rescan_pair_flag from flag_base. first 0 means no pairs.
struct ReplayedModel {
  const char* code;
  std::int32_t first;
  std::size_t flag_base;
};

const ReplayedModel kReplayedModels[] = {
    {"330A", 0, 0},  {"330F", 69, 0}, {"3403", 69, 0}, {"3327", 69, 0}, {"3404", 69, 0},
    {"3311", 69, 0}, {"3310", 0, 0},  {"330B", 1, 0},  {"330C", 1, 2},  {"3306", 0, 0},
};

const ReplayedModel* ReplayedModelOf(const std::string& model) {
  for (const ReplayedModel& m : kReplayedModels) {
    if (HasModelCode(model, m.code)) return &m;
  }
  return nullptr;
}

// The pair rule: the first switch of a pair records whether it is closed; the second is not replayed open
// while the first is closed.
bool PairSkips(const ReplayedModel& m, std::array<bool, 4>& flags, std::int32_t switchNumber, std::int32_t state) {
  if (m.first == 0 || switchNumber < m.first || switchNumber > m.first + 3) return false;
  const std::size_t flag = m.flag_base + static_cast<std::size_t>((switchNumber - m.first) / 2);
  if ((switchNumber - m.first) % 2 == 0) {
    flags[flag] = state == 1;
    return false;
  }
  return state == 0 && flags[flag];
}

// One switch of an assignment; false when the record's block check says to pass over the whole record.
bool ReplayAssignedSwitch(RescanHost& host, const RescanAssignment& record, const std::string& board,
                          std::int32_t switchNumber) {
  const std::int32_t session = host.SessionOfBoard(board);
  if (session < 1) return false;
  const std::optional<std::int32_t> state = host.ReadSwitch(session, switchNumber);
  // A switch the library cannot read is not replayed: nothing is known about its position.
  if (!state) return true;
  if (CheckSwitchProcessBlocked(host.BlockFlags(), record.name, *state) == 1) return false;
  if (!record.keyword) host.Replay(session, switchNumber, *state);
  return true;
}

void ReplayAssignments(RescanHost& host) {
  for (const RescanAssignment& record : host.Assignments()) {
    if (record.switch_no > 0 && !ReplayAssignedSwitch(host, record, record.board, record.switch_no)) continue;
    if (record.switch2_no > 0) ReplayAssignedSwitch(host, record, record.board2, record.switch2_no);
  }
}

void ReplayBoards(RescanHost& host) {
  for (const RescanBoard& board : host.BoundBoards()) {
    const ReplayedModel* model = ReplayedModelOf(board.model);
    if (model == nullptr || board.session == 0) continue;
    for (std::int32_t j = std::max(board.first_switch, 1); j <= board.last_switch; ++j) {
      const std::optional<std::int32_t> state = host.ReadSwitch(board.session, j);
      if (!state) continue;
      if (PairSkips(*model, host.PairFlags(), j, *state)) continue;
      host.Replay(board.session, j, *state);
    }
  }
}

}  // namespace

std::uint8_t CheckSwitchProcessBlocked(RescanBlockFlags& flags, const std::string& name, std::int32_t state) {
  for (std::size_t i = 0; i < std::size(kBlockedPairs); ++i) {
    if (name == kBlockedPairs[i].first) {
      flags[i] = state == 1;
      return 0;
    }
    if (name == kBlockedPairs[i].second) return state == 0 && flags[i] ? 1 : 0;
  }
  return 0;
}

void RescanSwitches(RescanHost& host) {
  // The replayed MINS and BARO pushes of the captain's knobs must not send their reset and STD commands.
  host.PushFlags().mins_turned_while_held_cpt = true;
  host.PushFlags().baro_turned_while_held_cpt = true;
  host.SuspendOutput(fw::TickCount());
  ReplayAssignments(host);
  ReplayBoards(host);
  host.WriteSwitchStates();
  if (SimSession() != nullptr && host.Is777Selected()) {
    for (KnobReleaseTimer knob : {KnobReleaseTimer::kCaptainBaro, KnobReleaseTimer::kFirstOfficerBaro,
                                  KnobReleaseTimer::kCaptainMins, KnobReleaseTimer::kFirstOfficerMins}) {
      SendKnobRelease(knob);
    }
  }
  host.SetSwitchesRescanned();
  host.SetStatus("Switches Rescanned");
}

}  // namespace aircraft
