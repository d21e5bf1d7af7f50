// Where the main form meets the aircraft link and switch processing. The aircraft side installs its
// implementation once at start (before the forms are made); until it does, the form runs without one:
// no SimConnect library is loaded and switch events go nowhere.
//
// What the aircraft side reads and writes of the form goes through the form's public members: the
// selected aircraft (settings().aircraft_type), the simulator information list (fs_info_lines()), the
// status bar texts (set_status_text()), panel_state and the log.
#pragma once

#include <cstdint>
#include <string>

namespace trelvik {

class TZedArave;

class AircraftLink {
 public:
  virtual ~AircraftLink() = default;
  // Start-up: SimConnect.dll exists in the program's folder; load it by this full path.
  virtual void LoadSimConnect(TZedArave& form, const std::string& path) = 0;
  // The five-second reconnect timer's tick.
  virtual void ReconnectTick(TZedArave& form) = 0;
  // One switch event on the GUI thread (board session, or 10000 plus the joystick number).
  virtual void ProcessSwitch(TZedArave& form, std::uint32_t id, std::int32_t number, std::int32_t state) = 0;
  // Shut-down: close what the link holds open.
  virtual void Close(TZedArave& form) = 0;
};

// The installed link; nullptr while none is.
AircraftLink* InstalledAircraftLink();
void InstallAircraftLink(AircraftLink* link);

}  // namespace trelvik
