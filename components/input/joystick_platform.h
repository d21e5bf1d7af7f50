// The two multimedia joystick calls the joystick component makes, gathered in one table so that tests can
// put a scripted joystick behind them. The production table calls winmm.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace input {

struct JoystickPlatform {
  MMRESULT(WINAPI* joyGetPosEx)(UINT joystick, LPJOYINFOEX info) = nullptr;
  MMRESULT(WINAPI* joyGetDevCapsA)(UINT_PTR joystick, LPJOYCAPSA caps, UINT size) = nullptr;
};

// The table in force: the scoped replacement when one is installed, winmm's otherwise.
const JoystickPlatform& JoystickCalls();

// Puts another table behind every joystick component while it lives. Install and remove it while no
// component polls.
class ScopedJoystickPlatform {
 public:
  explicit ScopedJoystickPlatform(const JoystickPlatform& calls);
  ~ScopedJoystickPlatform();
  ScopedJoystickPlatform(const ScopedJoystickPlatform&) = delete;
  ScopedJoystickPlatform& operator=(const ScopedJoystickPlatform&) = delete;

 private:
  JoystickPlatform calls_;
  const JoystickPlatform* previous_;
};

}  // namespace input
