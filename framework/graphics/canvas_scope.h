#pragma once
// Lends a DC to a canvas for one scope: the canvas draws on it and lets go of it at the end, also when
// the drawing throws.
#include "framework/graphics/canvas.h"

namespace fw {

class CanvasDCScope {
 public:
  CanvasDCScope(TCanvas* canvas, HDC dc) : canvas_(canvas) { canvas_->SetHandle(dc); }
  ~CanvasDCScope() { canvas_->SetHandle(nullptr); }
  CanvasDCScope(const CanvasDCScope&) = delete;
  CanvasDCScope& operator=(const CanvasDCScope&) = delete;

 private:
  TCanvas* canvas_;
};

}  // namespace fw
