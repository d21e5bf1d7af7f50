// The switch rescan: the present position of every switch of the bound panel boards, and of every switch
// named in the input assignments, replayed through the switch processing as if it had just moved there,
// so that the aircraft follows the hardware (five seconds after start-up, and on request). Runs to its end
// on the GUI thread; the outputs pause meanwhile.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controller/aircraft/aircraft_host.h"

namespace aircraft {

// One input assignment as the rescan reads it: its name, its main and second switch (number 0: none) and
// whether one of its commands is a keyword (a text with "["), which is never replayed.
struct RescanAssignment {
  std::string name;
  std::string board;
  std::int32_t switch_no = 0;
  std::string board2;
  std::int32_t switch2_no = 0;
  bool keyword = false;
};

// A bound board slot: its session, model code and switch numbers.
struct RescanBoard {
  std::int32_t session = 0;
  std::string model;
  std::int32_t first_switch = 0;
  std::int32_t last_switch = 0;
};

// The flags of check_switch_process_blocked, one per guarded pair of function names.
using RescanBlockFlags = std::array<bool, 4>;

class RescanHost {
 public:
  virtual ~RescanHost() = default;
  virtual KnobPushFlags& PushFlags() = 0;
  // output_suspended := 1 with its tick.
  virtual void SuspendOutput(std::uint32_t tick) = 0;
  virtual std::vector<RescanAssignment> Assignments() const = 0;
  // Get_Board_session: the session of a device name, -1 when no slot holds it.
  virtual std::int32_t SessionOfBoard(const std::string& board) const = 0;
  // Every slot with a session, in slot order.
  virtual std::vector<RescanBoard> BoundBoards() const = 0;
  // The present position of a switch (1 closed, 0 open); nothing when the library cannot read it.
  virtual std::optional<std::int32_t> ReadSwitch(std::int32_t session, std::int32_t switchNumber) = 0;
  // process_switch.
  virtual void Replay(std::int32_t session, std::int32_t switchNumber, std::int32_t state) = 0;
  // The switch monitor grid.
  virtual void WriteSwitchStates() = 0;
  virtual bool Is777Selected() const = 0;
  // rescan_pair_flag, shared with the switch processing's VOR/ADF selectors.
  virtual std::array<bool, 4>& PairFlags() = 0;
  virtual RescanBlockFlags& BlockFlags() = 0;
  virtual void SetSwitchesRescanned() = 0;
  // Panel 0 of the status bar.
  virtual void SetStatus(const std::string& text) = 0;
};

// check_switch_process_blocked: 1 when the replay of the named function's switch in this state must be
// skipped, because the first function of its pair was read closed before. Names compare exactly.
std::uint8_t CheckSwitchProcessBlocked(RescanBlockFlags& flags, const std::string& name, std::int32_t state);

// Button11Click.
void RescanSwitches(RescanHost& host);

}  // namespace aircraft
