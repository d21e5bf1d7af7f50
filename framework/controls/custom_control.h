#pragma once
// A windowed control that draws itself: override Paint and draw on Canvas.
#include "framework/controls/control_canvas.h"
#include "framework/controls/win_control.h"

namespace fw {

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);

  TCanvas* Canvas() { return &canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC DC) override;
  void DestroyWnd() override;

 private:
  TControlCanvas canvas_;
};

}  // namespace fw
