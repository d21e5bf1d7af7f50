// The simulated boards of a program in another process, as a test tool sees them: the state mirror it
// creates and keeps (so the last state outlives the program) and the boards' control pipe
// (sim/hidsim_mirror.h). Give the program VENTRIX_HIDSIM_CONTROL=Name().
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "sim/hidsim_mirror.h"

namespace simchannel {

class RemoteBoards {
 public:
  // name: unique among the programs running at the same time in the Wine session.
  explicit RemoteBoards(std::string name);
  ~RemoteBoards();
  RemoteBoards(const RemoteBoards&) = delete;
  RemoteBoards& operator=(const RemoteBoards&) = delete;

  const std::string& Name() const { return name_; }
  bool Ready() const { return view_ != nullptr; }
  // A consistent copy of every board the program's simulator holds; empty before it published any.
  std::vector<HidSimMirrorBoard> Boards() const;
  // One control request ("press 0 12 1", "unplug 1", ...): the reply, nothing when the program did not answer.
  std::optional<std::string> Request(const std::string& request, unsigned timeoutMs = 40000) const;
  bool Press(int board, int switchNumber, bool closed) const;
  // The same, answering when the board's switches changed (QueryPerformanceCounter ticks, one clock for every
  // process of the machine).
  std::optional<long long> PressAt(int board, int switchNumber, bool closed) const;
  bool Unplug(int board) const;
  bool Replug(int board) const;
  // The board's brightness control reads this (0..4095) from now on.
  bool SetAnalog(int board, int reading) const;

 private:
  std::string name_;
  HANDLE mapping_ = nullptr;
  HidSimMirror* view_ = nullptr;
};

// Whether LED n (1..256) of the board is lit: column (n - 1) / 8, row (n - 1) % 8.
bool LedLit(const HidSimMirrorBoard& board, int led);
// Whether data line n (1..32) is driven: its port bit reads 0.
bool LineOn(const HidSimMirrorBoard& board, int line);
// The segment pattern of 7-segment digit k (1..32): the column's eight rows, bit r from row r.
unsigned char DigitSegments(const HidSimMirrorBoard& board, int digit);
// The character a digit shows ('?' for a pattern that is no character), a point appended when lit.
std::string DigitText(unsigned char segments);

}  // namespace simchannel
