// The scripted flight the run plays: what the add-on publishes at each moment (encoded as the add-on's data
// area of the selected aircraft), the switches pressed and the knob turned on the simulated boards, and what
// each step must show on them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trelvikrun {

// The aircraft as the add-on reports it.
struct FlightState {
  bool power = false;
  int course = 0;
  double speed = 0;
  int heading = 0;
  int altitude = 0;
  int verticalSpeed = 0;
  bool flightDirector = false;
  bool autothrottleArmed = false;
  bool n1 = false;
  bool speedMode = false;
  bool levelChange = false;
  bool headingSelect = false;
  bool verticalSpeedMode = false;
  bool altitudeHold = false;
  bool commandA = false;
};

// The add-on's data area of the aircraft: its name and bytes.
std::string DataAreaName(bool is777);
std::vector<std::uint8_t> DataArea(bool is777, const FlightState& state);
// The stand-in's control request that publishes the state ("data <area> <hex bytes>").
std::string DataRequest(bool is777, const FlightState& state);
// The same for any bytes of a named area.
std::string ClientDataRequest(const std::string& area, const std::vector<std::uint8_t>& bytes);
// The stand-in's control request that loads the add-on's aircraft ("ORVA 737", "ORVA 777").
std::string AircraftRequest(const std::string& addon);

// Boards of the run, in the simulator's order.
enum BoardIndex : int { kMcp = 0, kEfisCaptain = 1, kEfisFirstOfficer = 2, kCdu = 3 };
// The simulator's board list for the aircraft (VENTRIX_HIDSIM_BOARDS) and the CDU's board name for the
// assignments file.
std::string BoardsText(bool is777);
inline constexpr char kCduBoardName[] = "03EACDU00001";

// What a step must show: a window's text or a lamp's state on a board.
struct Check {
  int board;
  std::string window;  // the window's name, or empty for a lamp
  std::string text;    // the window's text
  int led = 0;
  bool lit = false;
};

struct Step {
  enum class Kind { kData, kPress, kKnob };
  Kind kind;
  std::string description;
  FlightState state;      // kData: the add-on's new state
  int board = kMcp;       // kPress, kKnob
  int switchNumber = 0;   // kPress: the button; kKnob: the detent switch
  int detents = 0;        // kKnob
  bool sendsEvent = false;
  std::vector<Check> checks;
  int headingStep = 0;    // kKnob: the add-on's heading follows each detent by this much, as the aircraft does
};

std::vector<Step> Flight(bool is777);

}  // namespace trelvikrun
