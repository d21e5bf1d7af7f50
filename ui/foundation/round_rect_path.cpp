#include "ui/foundation/round_rect_path.h"

namespace ui {

namespace {

void AddRoundRect(TGPGraphicsPath& path, const GpRectF& R, int Radius, TFillRoundingType RoundingType) {
  const float r = static_cast<float>(Radius);
  const float d = 2 * r;
  const float X = R.X;
  const float Y = R.Y;
  const float right = R.X + R.Width;
  const float bottom = R.Y + R.Height;
  switch (RoundingType) {
    case rtNone:
      path.AddLine(X, Y, right, Y);
      path.AddLine(right, Y, right, bottom);
      path.AddLine(right, bottom, X, bottom);
      path.AddLine(X, bottom, X, Y);
      break;
    case rtTop:
      path.AddArc(X, Y, d, d, 180, 90);
      path.AddLine(X + r, Y, right - r, Y);
      path.AddArc(right - d, Y, d, d, 270, 90);
      path.AddLine(right, Y + r, right, bottom);
      path.AddLine(right, bottom, X, bottom);
      path.AddLine(X, bottom, X, Y + r);
      break;
    case rtBottom:
      path.AddLine(X, Y, right, Y);
      path.AddLine(right, Y, right, bottom - r);
      path.AddArc(right - d, bottom - d, d, d, 0, 90);
      path.AddLine(right - r, bottom, X + r, bottom);
      path.AddArc(X, bottom - d, d, d, 90, 90);
      path.AddLine(X, bottom - r, X, Y);
      break;
    case rtBoth:
      path.AddArc(X, Y, d, d, 180, 90);
      path.AddLine(X + r, Y, right - r, Y);
      path.AddArc(right - d, Y, d, d, 270, 90);
      path.AddLine(right, Y + r, right, bottom - r);
      path.AddArc(right - d, bottom - d, d, d, 0, 90);
      path.AddLine(right - r, bottom, X + r, bottom);
      path.AddArc(X, bottom - d, d, d, 90, 90);
      path.AddLine(X, bottom - r, X, Y + r);
      break;
    case rtLeft:
      path.AddArc(X, Y, d, d, 180, 90);
      path.AddLine(X + r, Y, right - r, Y);
      path.AddLine(right, Y, right, bottom);
      path.AddLine(right - r, bottom, X + r, bottom);
      path.AddArc(X, bottom - d, d, d, 90, 90);
      path.AddLine(X, bottom - r, X, Y + r);
      break;
    case rtRight:
      path.AddLine(X, Y, right - r, Y);
      path.AddArc(right - d, Y, d, d, 270, 90);
      path.AddLine(right, Y + r, right, bottom - r);
      path.AddArc(right - d, bottom - d, d, d, 0, 90);
      path.AddLine(right - r, bottom, X, bottom);
      path.AddLine(X, bottom - r, X, Y + r);
      break;
  }
  path.CloseFigure();
}

GpRectF ToRectF(const fw::TRect& R) {
  return MakeRect(static_cast<float>(R.Left), static_cast<float>(R.Top), static_cast<float>(R.Right - R.Left),
                  static_cast<float>(R.Bottom - R.Top));
}

}  // namespace

std::unique_ptr<TGPGraphicsPath> CreateRoundRectPath(const GpRectF& R, int Radius, TFillRoundingType RoundingType) {
  auto path = std::make_unique<TGPGraphicsPath>(FillModeAlternate);
  AddRoundRect(*path, R, Radius, RoundingType);
  return path;
}

std::unique_ptr<TGPGraphicsPath> CreateFramePath(const fw::TRect& R, int Radius, TFillRoundingType RoundingType,
                                                 int Thickness) {
  auto path = std::make_unique<TGPGraphicsPath>(FillModeAlternate);
  const GpRectF outer = ToRectF(R);
  const float t = static_cast<float>(Thickness);
  AddRoundRect(*path, outer, Radius, RoundingType);
  AddRoundRect(*path, MakeRect(outer.X + t, outer.Y + t, outer.Width - 2 * t, outer.Height - 2 * t), Radius,
               RoundingType);
  return path;
}

}  // namespace ui
