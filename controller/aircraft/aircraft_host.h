// What the aircraft link needs of the main form: the selected aircraft, the simulator information list and
// status bar it reports on, the simulator flag, message boxes, the idle loop, and the form's flags and
// timers that the command translation reads and starts. The main form attaches itself for the whole run;
// everything is called on the GUI thread.
#pragma once

#include <string>

namespace fw {
class TStrings;
}

namespace aircraft {

// The EFIS knob push-and-turn bookkeeping of the main form (MINS and BARO knobs of both pilots).
struct KnobPushFlags {
  bool mins_push_held_cpt = false;
  bool mins_turned_while_held_cpt = false;
  bool baro_push_held_cpt = false;
  bool baro_turned_while_held_cpt = false;
  bool mins_push_held_fo = false;
  bool mins_turned_while_held_fo = false;
  bool baro_push_held_fo = false;
  bool baro_turned_while_held_fo = false;
};

// The 200 ms one-shot timers that send a 777 knob's button release.
enum class KnobReleaseTimer { kCaptainMins, kCaptainBaro, kFirstOfficerMins, kFirstOfficerBaro };

class AircraftHost {
 public:
  virtual ~AircraftHost() = default;

  // aircraft_type: item 1 the 777, item 0 the 737.
  virtual bool Is777Selected() const = 0;
  // fs_info, the simulator information list.
  virtual fw::TStrings& SimInfo() = 0;
  // A panel of StatusBar1.
  virtual void SetStatusPanel(int index, const std::string& text) = 0;
  virtual void SetSimDetected(bool detected) = 0;
  // A modal message box with the text.
  virtual void ShowMessage(const std::string& text) = 0;
  // Installs the main form's idle loop as the application's idle handler.
  virtual void InstallIdleLoop() = 0;

  virtual KnobPushFlags& KnobFlags() = 0;
  virtual bool SwitchesRescanned() const = 0;
  // The ENABLE_FO_INS_HPA setting.
  virtual bool EnableFoInsHpa() const = 0;
  virtual void StartKnobReleaseTimer(KnobReleaseTimer timer) = 0;
};

// The form the link reports to; null detaches (nothing is reported then).
void AttachAircraftHost(AircraftHost* host);
AircraftHost* AttachedAircraftHost();

}  // namespace aircraft
