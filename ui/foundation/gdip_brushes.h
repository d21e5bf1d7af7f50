#pragma once
// GDI+ brushes: one base owning the native brush, and the solid, hatch, texture, linear-gradient and
// path-gradient kinds.
#include "ui/foundation/gdip_base.h"
#include "ui/foundation/gdiplus_flat.h"

namespace ui {

class TGPImage;
class TGPGraphicsPath;

class TGPBrush : public TGPNativeObject<flat::GpBrush> {
 public:
  ~TGPBrush() override;

 protected:
  TGPBrush() = default;
};

class TGPSolidBrush : public TGPBrush {
 public:
  explicit TGPSolidBrush(ARGB Color);
};

class TGPHatchBrush : public TGPBrush {
 public:
  TGPHatchBrush(HatchStyle Style, ARGB ForeColor, ARGB BackColor);
};

class TGPTextureBrush : public TGPBrush {
 public:
  TGPTextureBrush(TGPImage* Image, WrapMode Mode);
};

// All three constructors tile the gradient beyond its rectangle.
class TGPLinearGradientBrush : public TGPBrush {
 public:
  TGPLinearGradientBrush(const GpPointF& Point1, const GpPointF& Point2, ARGB Color1, ARGB Color2);
  TGPLinearGradientBrush(const GpRectF& Rect, ARGB Color1, ARGB Color2, LinearGradientMode Mode);
  TGPLinearGradientBrush(const GpRectF& Rect, ARGB Color1, ARGB Color2, float Angle, BOOL IsAngleScalable);

  GpStatus SetGammaCorrection(BOOL UseGamma);
  // Fails with InvalidParameter, without asking GDI+, for a count of 0 or less.
  GpStatus SetInterpolationColors(const ARGB* Colors, const float* Positions, int Count);
};

class TGPPathGradientBrush : public TGPBrush {
 public:
  explicit TGPPathGradientBrush(TGPGraphicsPath* Path);

  // Fails with InvalidParameter, without asking GDI+, for no colours or a count of 0 or less.
  GpStatus SetInterpolationColors(const ARGB* Colors, const float* Positions, int Count);
  GpStatus SetWrapMode(WrapMode Mode);
  // Answers the brush's last status rather than this call's.
  GpStatus SetCenterColor(ARGB Color);
  int GetPointCount();
  // Fails with InvalidParameter for no colours, a path without points or more colours than points;
  // otherwise Count becomes the number GDI+ took (when the brush has no failure). Answers the last status.
  GpStatus SetSurroundColors(const ARGB* Colors, int& Count);
  GpStatus SetCenterPointF(const GpPointF& Point);
  GpStatus SetCenterPoint(const GpPoint& Point);
};

}  // namespace ui
