// TVxSmoothProgressBar: a progress bar with a floating-point position kept within Minimum..Maximum.
#pragma once

#include "framework/classes/events.h"
#include "framework/controls/custom_control.h"

namespace ui {

class TVxSmoothProgressBar : public fw::TCustomControl {
 public:
  explicit TVxSmoothProgressBar(fw::TComponent* AOwner);

  double Position() const { return position_; }
  // Clamps value to Minimum..Maximum, stores it, repaints and fires OnPositionChanged.
  void SetPosition(double value);
  double Minimum() const { return minimum_; }
  void SetMinimum(double value);
  double Maximum() const { return maximum_; }
  void SetMaximum(double value);
  double Step() const { return step_; }
  void SetStep(double value) { step_ = value; }
  void GoToMinimum() { SetPosition(minimum_); }
  void StepIt() { SetPosition(position_ + step_); }

  fw::TNotifyEvent OnPositionChanged;

 protected:
  void Paint() override;

 private:
  double position_ = 0;
  double minimum_ = 0;
  double maximum_ = 100;
  double step_ = 1;
};

}  // namespace ui
