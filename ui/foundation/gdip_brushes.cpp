#include "ui/foundation/gdip_brushes.h"

#include "ui/foundation/gdip_image.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {

using namespace flat;

TGPBrush::~TGPBrush() { GdipDeleteBrush(native_); }

TGPSolidBrush::TGPSolidBrush(ARGB Color) { SetCreationStatus(GdipCreateSolidFill(Color, &native_)); }

TGPHatchBrush::TGPHatchBrush(HatchStyle Style, ARGB ForeColor, ARGB BackColor) {
  SetCreationStatus(GdipCreateHatchBrush(Style, ForeColor, BackColor, &native_));
}

TGPTextureBrush::TGPTextureBrush(TGPImage* Image, WrapMode Mode) {
  SetCreationStatus(GdipCreateTexture(NativeOf(Image), Mode, &native_));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const GpPointF& Point1, const GpPointF& Point2, ARGB Color1,
                                               ARGB Color2) {
  SetCreationStatus(GdipCreateLineBrush(&Point1, &Point2, Color1, Color2, WrapModeTile, &native_));
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const GpRectF& Rect, ARGB Color1, ARGB Color2,
                                               LinearGradientMode Mode) {
  SetCreationStatus(GdipCreateLineBrushFromRect(&Rect, Color1, Color2, Mode, WrapModeTile, &native_));
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const GpRectF& Rect, ARGB Color1, ARGB Color2, float Angle,
                                               BOOL IsAngleScalable) {
  SetCreationStatus(
      GdipCreateLineBrushFromRectWithAngle(&Rect, Color1, Color2, Angle, IsAngleScalable, WrapModeTile, &native_));
}
GpStatus TGPLinearGradientBrush::SetGammaCorrection(BOOL UseGamma) {
  return SetStatus(GdipSetLineGammaCorrection(native_, UseGamma));
}
GpStatus TGPLinearGradientBrush::SetInterpolationColors(const ARGB* Colors, const float* Positions, int Count) {
  if (Count <= 0) return SetStatus(InvalidParameter);
  return SetStatus(GdipSetLinePresetBlend(native_, Colors, Positions, Count));
}

TGPPathGradientBrush::TGPPathGradientBrush(TGPGraphicsPath* Path) {
  SetCreationStatus(GdipCreatePathGradientFromPath(NativeOf(Path), &native_));
}
GpStatus TGPPathGradientBrush::SetInterpolationColors(const ARGB* Colors, const float* Positions, int Count) {
  if (Colors == nullptr || Count <= 0) return SetStatus(InvalidParameter);
  return SetStatus(GdipSetPathGradientPresetBlend(native_, Colors, Positions, Count));
}
GpStatus TGPPathGradientBrush::SetWrapMode(WrapMode Mode) {
  return SetStatus(GdipSetPathGradientWrapMode(native_, Mode));
}
GpStatus TGPPathGradientBrush::SetCenterColor(ARGB Color) {
  SetStatus(GdipSetPathGradientCenterColor(native_, Color));
  return lastStatus_;
}
int TGPPathGradientBrush::GetPointCount() {
  int count = 0;
  SetStatus(GdipGetPathGradientPointCount(native_, &count));
  return count;
}
GpStatus TGPPathGradientBrush::SetSurroundColors(const ARGB* Colors, int& Count) {
  const int points = GetPointCount();
  if (Colors == nullptr || points <= 0 || Count > points) return SetStatus(InvalidParameter);
  int taken = Count;
  SetStatus(GdipSetPathGradientSurroundColorsWithCount(native_, Colors, &taken));
  if (lastStatus_ == Ok) Count = taken;
  return lastStatus_;
}
GpStatus TGPPathGradientBrush::SetCenterPointF(const GpPointF& Point) {
  return SetStatus(GdipSetPathGradientCenterPoint(native_, &Point));
}
GpStatus TGPPathGradientBrush::SetCenterPoint(const GpPoint& Point) {
  return SetStatus(GdipSetPathGradientCenterPointI(native_, &Point));
}

}  // namespace ui
