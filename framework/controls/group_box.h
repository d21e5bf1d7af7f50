#pragma once
// TGroupBox: a container framed by an etched line with its caption in the top edge; children are aligned
// inside the frame, below the caption.
#include "framework/controls/custom_control.h"

namespace fw {

class TCustomGroupBox : public TCustomControl {
 public:
  explicit TCustomGroupBox(TComponent* AOwner);

 protected:
  void Paint() override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Dispatch(TMessage& Message) override;
  // The height of a line of the caption's font.
  int CaptionHeight();
};

class TGroupBox : public TCustomGroupBox {
 public:
  using TCustomGroupBox::TCustomGroupBox;
};

}  // namespace fw
