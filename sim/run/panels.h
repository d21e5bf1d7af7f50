// What the account calls the simulated boards and what it reads off them: a board's name, its 7-segment
// windows (first digit and digit count) and its named lamps; and the lines that tell how a board changed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "sim/hidsim_mirror.h"

namespace trelvikrun {

struct PanelWindow {
  const char* name;
  int firstDigit;
  int digits;
};

struct Panel {
  std::string name;                   // "MCP 330F"
  std::vector<PanelWindow> windows;   // the digits of the windows
  int firstLamp = 1;                  // the LEDs from here on are lamps (below it: window digits)
  std::map<int, std::string> lamps;   // lamp names by LED
};

Panel PanelOf(const HidSimMirrorBoard& board);

// What a window shows, one character per digit (a lit point follows its digit).
std::string WindowText(const HidSimMirrorBoard& board, const PanelWindow& window);

struct PanelChange {
  const char* kind;  // "window", "lamp", "lines", "board"
  std::string text;
  int lamps = 0;     // lamps the line covers
  std::string window{};  // for a window: the board's and window's name, which its text is told for
  std::string shows{};   // for a window: its text
};
// How the board changed from before to after, one line per window (once it shows characters only), named lamp,
// run of unnamed lamps, data lines and plug state.
std::vector<PanelChange> Changes(const Panel& panel, const HidSimMirrorBoard& before, const HidSimMirrorBoard& after);

}  // namespace trelvikrun
