#include "controller/aircraft/knob_release.h"

#include "controller/aircraft/command_translation.h"

namespace aircraft {

std::uint32_t KnobReleaseEvent(KnobReleaseTimer timer) {
  switch (timer) {
    case KnobReleaseTimer::kCaptainMins: return 69814;
    case KnobReleaseTimer::kCaptainBaro: return 69823;
    case KnobReleaseTimer::kFirstOfficerMins: return 69881;
    case KnobReleaseTimer::kFirstOfficerBaro: return 69889;
  }
  return 0;
}

void SendKnobRelease(KnobReleaseTimer timer) {
  const std::uint32_t event = KnobReleaseEvent(timer);
  SendValue(event, kLeftButtonRelease);
  SendValue(event, kRightButtonRelease);
}

}  // namespace aircraft
