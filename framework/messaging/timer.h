#pragma once
// TTimer: calls OnTimer every Interval milliseconds while Enabled. Ticks are WM_TIMER messages of a
// hidden window of the timer's own, so they come from whatever loop is pumping messages: the
// application's, ProcessMessages, a modal form's or a message box's.
//
// Setting Enabled to the value it has changes nothing (a running timer keeps its next expiry); a new
// Interval starts the count again.
#include <memory>

#include "framework/classes/component.h"
#include "framework/classes/events.h"
#include "framework/messaging/utility_window.h"

namespace fw {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned value);

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  bool running_ = false;
  std::unique_ptr<TUtilityWindow> window_;
};

}  // namespace fw
