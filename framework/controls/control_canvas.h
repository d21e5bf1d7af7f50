#pragma once
// The canvas of a control. While the control paints it draws on the DC of the paint; at other times it
// takes a DC of the control's window (or, for a graphic control, of the parent's window, moved and
// clipped to the control) and gives it back when another DC is set or FreeHandle is called.
#include "framework/graphics/canvas.h"

namespace fw {

class TControl;

class TControlCanvas : public TCanvas {
 public:
  explicit TControlCanvas(TControl* control) : control_(control) {}
  ~TControlCanvas() override { FreeHandle(); }

  TControl* Control() const { return control_; }
  void SetHandle(HDC dc) override;
  void FreeHandle() { SetHandle(nullptr); }

  // Runs paint with the canvas drawing on dc (locked meanwhile), then lets go of dc.
  template <class Paint>
  void PaintOn(HDC dc, Paint&& paint) {
    Lock();
    SetHandle(dc);
    try {
      paint();
    } catch (...) {
      SetHandle(nullptr);
      Unlock();
      throw;
    }
    SetHandle(nullptr);
    Unlock();
  }

 protected:
  void CreateHandle() override;

 private:
  TControl* control_;
  HWND dcWindow_ = nullptr;
  HDC ownDC_ = nullptr;
};

}  // namespace fw
