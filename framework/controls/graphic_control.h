#pragma once
// A control without a window of its own: it paints on its parent's window (override Paint and draw on
// Canvas, whose origin is the control's top left) and receives the mouse messages its parent routes to
// it.
#include "framework/controls/control.h"
#include "framework/controls/control_canvas.h"

namespace fw {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);

  TCanvas* Canvas() { return &canvas_; }
  void Dispatch(TMessage& Message) override;

 protected:
  virtual void Paint() {}
  void ParentWindowDestroying() override { canvas_.FreeHandle(); }

 private:
  TControlCanvas canvas_;
};

}  // namespace fw
