// The switch rescan over a recording form: which switches are replayed and in what state (board pair
// rules, assignment block pairs and keywords, unreadable switches), and what it sets around the replay.
#include <gtest/gtest.h>

#include <map>

#include "controller/aircraft/switch_rescan.h"
#include "tests/switches/fake_switch_host.h"

namespace switches_test {
namespace {

using Strings = std::vector<std::string>;

class FakeRescanHost : public aircraft::RescanHost {
 public:
  std::vector<aircraft::RescanAssignment> assignments;
  std::map<std::string, std::int32_t> sessions;  // device name -> session
  std::vector<aircraft::RescanBoard> boards;
  std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> positions;  // missing: unreadable
  bool is777 = false;

  aircraft::KnobPushFlags flags;
  bool suspended = false;
  std::uint32_t suspendTick = 0;
  Strings replays;
  int gridWrites = 0;
  std::array<bool, 4> pairFlags{};
  aircraft::RescanBlockFlags blockFlags{};
  bool rescanned = false;
  std::string status;
  Strings order;  // suspend, replays, grid, rescanned, status as they happen

  aircraft::KnobPushFlags& PushFlags() override { return flags; }
  void SuspendOutput(std::uint32_t tick) override {
    suspended = true;
    suspendTick = tick;
    order.push_back("suspend");
  }
  std::vector<aircraft::RescanAssignment> Assignments() const override { return assignments; }
  std::int32_t SessionOfBoard(const std::string& board) const override {
    auto it = sessions.find(board);
    return it == sessions.end() ? -1 : it->second;
  }
  std::vector<aircraft::RescanBoard> BoundBoards() const override { return boards; }
  std::optional<std::int32_t> ReadSwitch(std::int32_t session, std::int32_t sw) override {
    auto it = positions.find({session, sw});
    if (it == positions.end()) return std::nullopt;
    return it->second;
  }
  void Replay(std::int32_t session, std::int32_t sw, std::int32_t state) override {
    replays.push_back(std::to_string(session) + "/" + std::to_string(sw) + "/" + std::to_string(state));
    order.push_back("replay");
  }
  void WriteSwitchStates() override {
    ++gridWrites;
    order.push_back("grid");
  }
  bool Is777Selected() const override { return is777; }
  std::array<bool, 4>& PairFlags() override { return pairFlags; }
  aircraft::RescanBlockFlags& BlockFlags() override { return blockFlags; }
  void SetSwitchesRescanned() override {
    rescanned = true;
    order.push_back("rescanned");
  }
  void SetStatus(const std::string& text) override {
    status = text;
    order.push_back("status");
  }

  // Every switch of a board at the given positions (switch number -> state).
  void Board(std::int32_t session, const char* model, std::map<std::int32_t, std::int32_t> states,
             std::int32_t first = 1, std::int32_t last = 0) {
    if (last == 0) last = states.empty() ? 0 : states.rbegin()->first;
    boards.push_back({session, model, first, last});
    for (const auto& [sw, state] : states) positions[{session, sw}] = state;
  }
};

TEST(SwitchRescan, PairRulesPerModel) {
  struct Case {
    const char* model;
    std::map<std::int32_t, std::int32_t> states;
    Strings replayed;
  } cases[] = {
      // Captain's EFIS: position 2 open is not replayed while position 1 reads closed.
      {"330B", {{1, 1}, {2, 0}, {3, 0}, {4, 0}, {5, 1}}, {"7/1/1", "7/3/0", "7/4/0", "7/5/1"}},
      {"330B", {{1, 0}, {2, 0}}, {"7/1/0", "7/2/0"}},
      {"330B", {{1, 1}, {2, 1}}, {"7/1/1", "7/2/1"}},
      {"330C", {{1, 0}, {2, 0}, {3, 1}, {4, 0}}, {"7/1/0", "7/2/0", "7/3/1"}},
      // Mode-control panels pair 69/70 and 71/72.
      {"330F", {{68, 1}, {69, 1}, {70, 0}, {71, 0}, {72, 0}}, {"7/68/1", "7/69/1", "7/71/0", "7/72/0"}},
      {"3404", {{71, 1}, {72, 0}}, {"7/71/1"}},
      // No pairs on the CTRL MCP, the ELVL panel or the ELEC board.
      {"330A", {{1, 1}, {2, 0}, {69, 1}, {70, 0}}, {"7/1/1", "7/2/0", "7/69/1", "7/70/0"}},
      {"3306", {{1, 1}, {2, 0}}, {"7/1/1", "7/2/0"}},
      // CDUs, radios and unknown models are never replayed.
      {"3302", {{1, 1}}, {}},
      {"4C5A", {{1, 1}}, {}},
  };
  for (const Case& c : cases) {
    FakeClock clock;
    FakeRescanHost host;
    host.Board(7, c.model, c.states);
    aircraft::RescanSwitches(host);
    EXPECT_EQ(host.replays, c.replayed) << c.model;
  }
}

TEST(SwitchRescan, CaptainsAndFirstOfficersEfisPairsAreSeparate) {
  FakeClock clock;
  FakeRescanHost host;
  host.Board(7, "330B", {{1, 1}});
  host.Board(8, "330C", {{1, 0}, {2, 0}});
  aircraft::RescanSwitches(host);
  EXPECT_EQ(host.replays, (Strings{"7/1/1", "8/1/0", "8/2/0"}));
  EXPECT_EQ(host.pairFlags, (std::array<bool, 4>{true, false, false, false}));
}

TEST(SwitchRescan, UnreadableSwitchesAreSkipped) {
  // Switch 2 cannot be read: it is passed over rather than replayed with the previous switch's state.
  FakeClock clock;
  FakeRescanHost host;
  host.Board(7, "330A", {{1, 1}, {3, 0}}, 1, 3);
  // A board whose switch range is empty replays nothing.
  host.Board(9, "330A", {}, 5, 4);
  aircraft::RescanSwitches(host);
  EXPECT_EQ(host.replays, (Strings{"7/1/1", "7/3/0"}));
}

TEST(SwitchRescan, AssignmentReplay) {
  FakeClock clock;
  FakeRescanHost host;
  host.sessions = {{"A", 3}, {"B", 4}};
  host.positions = {{{3, 1}, 1}, {{3, 2}, 0}, {{3, 5}, 0}, {{4, 6}, 1}, {{3, 7}, 1}, {{3, 8}, 0}, {{3, 9}, 0}};
  host.assignments = {
      {"Standby Power Switch BAT", "A", 1, "", 0, false},
      {"Standby Power Switch AUTO", "A", 2, "B", 6, false},  // blocked: its second switch too
      {"Landing Light", "A", 5, "B", 6, false},               // main and second switch
      {"Reload", "A", 7, "", 0, true},                        // a keyword: read, not replayed
      {"Gone", "missing", 8, "B", 6, false},                  // no session: the whole record is passed over
      {"Unreadable", "A", 4, "A", 9, false},                  // main switch unreadable, second replayed
      {"Seatbelt ON", "A", 9, "", 0, false},                  // its first name never read: not blocked
  };
  aircraft::RescanSwitches(host);
  EXPECT_EQ(host.replays, (Strings{"3/1/1", "3/5/0", "4/6/1", "3/9/0", "3/9/0"}));
}

TEST(SwitchRescan, BlockedFunctionPairs) {
  struct Step {
    const char* name;
    std::int32_t state;
    std::uint8_t blocked;
  } steps[] = {
      {"Seatbelt ON", 0, 0},  {"Seatbelt OFF", 1, 0},   {"Seatbelt ON", 1, 0},
      {"Seatbelt ON", 0, 1},  {"No Smoking ON", 0, 0},  {"seatbelt on", 0, 0},
      {"Seatbelt OFF", 0, 0}, {"Seatbelt ON", 0, 0},    {"APU Switch OFF", 1, 0},
      {"APU Switch ON", 0, 1}, {"No Smoking OFF", 1, 0}, {"No Smoking ON", 0, 1},
      {"Standby Power Switch BAT", 1, 0}, {"Standby Power Switch AUTO", 0, 1},
  };
  aircraft::RescanBlockFlags flags{};
  for (const Step& s : steps) {
    EXPECT_EQ(aircraft::CheckSwitchProcessBlocked(flags, s.name, s.state), s.blocked) << s.name << " " << s.state;
  }
}

TEST(SwitchRescan, WhatItSetsAroundTheReplay) {
  FakeClock clock;
  clock.now = 4242;
  FakeRescanHost host;
  host.Board(7, "330A", {{1, 0}});
  aircraft::RescanSwitches(host);
  EXPECT_TRUE(host.flags.mins_turned_while_held_cpt);
  EXPECT_TRUE(host.flags.baro_turned_while_held_cpt);
  EXPECT_TRUE(host.suspended);
  EXPECT_EQ(host.suspendTick, 4242u);
  EXPECT_EQ(host.order, (Strings{"suspend", "replay", "grid", "rescanned", "status"}));
  EXPECT_EQ(host.status, "Switches Rescanned");
}

}  // namespace
}  // namespace switches_test
