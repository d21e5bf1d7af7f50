#pragma once
// TProgressBar: the comctl32 progress bar. Position stays within Min..Max.
#include "framework/controls/win_control.h"

namespace fw {

class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(TComponent* AOwner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  int Step() const { return step_; }
  void SetStep(int value) { step_ = value; }
  void StepIt() { SetPosition(position_ + step_); }
  void StepBy(int Delta) { SetPosition(position_ + Delta); }
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  void Apply();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
  bool smooth_ = false;
};

}  // namespace fw
