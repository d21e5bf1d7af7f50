// The main form's four knob-release timers: 200 ms after the command translation sent a 777 MINS or BARO
// knob turn, the knob's button release. A turn while the timer runs does not restart it, so a fast series
// of detents gets one release 200 ms after the first. GUI thread.
#include "controller/aircraft/knob_release.h"
#include "controller/app/zedarave.h"
#include "framework/messaging/timer.h"

namespace trelvik {

namespace {

void ReleaseKnob(fw::TTimer* timer, aircraft::KnobReleaseTimer knob) {
  timer->SetEnabled(false);
  aircraft::SendKnobRelease(knob);
}

}  // namespace

void TZedArave::Stop_CPT_BaroTimer() { ReleaseKnob(Stop_CPT_Baro, aircraft::KnobReleaseTimer::kCaptainBaro); }

void TZedArave::Stop_FO_BaroTimer() { ReleaseKnob(Stop_FO_Baro, aircraft::KnobReleaseTimer::kFirstOfficerBaro); }

void TZedArave::Stop_CPT_MINSTimer() { ReleaseKnob(Stop_CPT_MINS, aircraft::KnobReleaseTimer::kCaptainMins); }

void TZedArave::Stop_FO_MINSTimer() { ReleaseKnob(Stop_FO_MINS, aircraft::KnobReleaseTimer::kFirstOfficerMins); }

}  // namespace trelvik
