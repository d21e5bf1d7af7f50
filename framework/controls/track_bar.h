#pragma once
// TTrackBar: the comctl32 track bar. Position stays within Min..Max; a minimum above the maximum or a
// maximum below the minimum is ignored. OnChange fires whenever Position changes, whether the user moved
// the thumb (mouse, keys) or the program set it.
#include "framework/controls/win_control.h"

namespace fw {

enum TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
 public:
  explicit TTrackBar(TComponent* AOwner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  // Spacing of the tick marks.
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  // The step of Page Up/Down and of a click beside the thumb; LineSize the step of the arrow keys.
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);

  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void Changed();

 private:
  void Apply();

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  int pageSize_ = 2;
  int lineSize_ = 1;
  TTrackBarOrientation orientation_ = trHorizontal;
};

}  // namespace fw
