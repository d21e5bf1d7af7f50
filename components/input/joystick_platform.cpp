#include "components/input/joystick_platform.h"

#include <atomic>

namespace input {

namespace {

const JoystickPlatform kWinmm{&::joyGetPosEx, &::joyGetDevCapsA};
std::atomic<const JoystickPlatform*> current{nullptr};

}  // namespace

const JoystickPlatform& JoystickCalls() {
  const JoystickPlatform* calls = current.load(std::memory_order_acquire);
  return calls != nullptr ? *calls : kWinmm;
}

ScopedJoystickPlatform::ScopedJoystickPlatform(const JoystickPlatform& calls)
    : calls_(calls), previous_(current.exchange(&calls_, std::memory_order_acq_rel)) {}

ScopedJoystickPlatform::~ScopedJoystickPlatform() { current.store(previous_, std::memory_order_release); }

}  // namespace input
