// A multimedia joystick played from a script, behind the joystick component's call table.
//
// The first joyGetPosEx returns the first state, each later one the next; the last state repeats. The
// scripted joystick also remembers which threads read it, so a test can see them end.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <vector>

#include "components/input/joystick_platform.h"

struct JoyState {
  DWORD x = 32767, y = 32767, z = 32767, r = 32767, u = 32767, v = 32767;
  DWORD buttons = 0;
  DWORD pov = 65535;
};

class ScriptedJoystick {
 public:
  explicit ScriptedJoystick(UINT deviceNumber = 0);
  ~ScriptedJoystick();

  void SetScript(std::vector<JoyState> states);
  void SetCaps(const JOYCAPSA& caps);
  void SetPresent(bool present);

  // Waits until joyGetPosEx has been called at least `count` times; false at the deadline.
  bool WaitForReads(int count, std::chrono::milliseconds timeout = std::chrono::seconds(10));
  int Reads();
  int CapsReads();
  UINT LastDeviceAsked();
  std::set<DWORD> ReaderThreads();

  // True when every thread that read the joystick has ended (waiting for them up to the timeout).
  bool ReadersEnded(DWORD timeoutMs = 0);

  static JOYCAPSA Caps(WORD min, WORD max, UINT extraAxes);

 private:
  static MMRESULT WINAPI GetPos(UINT joystick, LPJOYINFOEX info);
  static MMRESULT WINAPI GetCaps(UINT_PTR joystick, LPJOYCAPSA caps, UINT size);

  static ScriptedJoystick* current_;
  std::mutex mutex_;
  std::condition_variable changed_;
  UINT deviceNumber_;
  bool present_ = true;
  std::vector<JoyState> states_{JoyState{}};
  JOYCAPSA caps_{};
  int reads_ = 0;
  int capsReads_ = 0;
  UINT lastDevice_ = 0xFFFFFFFF;
  std::set<DWORD> readers_;
  input::ScopedJoystickPlatform platform_;
};
