#include "framework/messaging/timer.h"

#include "framework/rtl/exceptions.h"

namespace fw {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  window_ = std::make_unique<TUtilityWindow>(this, [this](TMessage& message) {
    if (message.Msg != WM_TIMER) return false;
    // A tick may already be queued when the timer is stopped.
    if (running_) Timer();
    return true;
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  if (running_) KillTimer(window_->Handle(), kTimerId);
}

void TTimer::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
  if (interval_ == value) return;
  interval_ = value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) KillTimer(window_->Handle(), kTimerId);
  running_ = false;
  if (!enabled_ || interval_ == 0) return;
  if (SetTimer(window_->Handle(), kTimerId, interval_, nullptr) == 0) RaiseLastOSError();
  running_ = true;
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

}  // namespace fw
