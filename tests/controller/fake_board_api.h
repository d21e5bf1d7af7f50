// A stand-in for the board library in process: boards listed by device name with their BoardInfo, and a
// log of every call in the order made, as "Name(arg,arg)".
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controller/app/board_api.h"

namespace trelvik::testing {

struct FakeBoard {
  std::string name;
  std::string model;
  int switches = 0, leds = 0, datalines = 0, digits = 0;
  bool bindFails = false;
  bool infoFails = false;
  // Switch positions read back (1 closed; a switch not listed reads open) and switches that cannot be read.
  std::map<int, int> positions{};
  std::vector<int> unreadable{};
  // The brightness control's reading on analog channel 0.
  int analog = 0;
  bool analogFails = false;
};

struct FakeBoardLibrary {
  std::vector<FakeBoard> boards;
  bool openFails = false;
  bool versionFails = false;
  bool deviceListFails = false;
  bool faultOnLedSet = false;
  std::vector<std::string> calls;
  std::map<int, std::string> sessionNames;  // session -> device name
  int nextSession = 100;
  // Runs inside OpenControllers (for example to send a device change meanwhile).
  std::function<void()> onOpen;

  // Calls whose text starts with prefix.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
};

// Installs the stand-in for its lifetime.
class FakeBoardApi {
 public:
  FakeBoardApi();
  ~FakeBoardApi();
  FakeBoardLibrary& library();

 private:
  BoardApiDouble double_;
};

}  // namespace trelvik::testing
