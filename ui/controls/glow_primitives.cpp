#include "ui/controls/glow_primitives.h"

#include <memory>

#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {

namespace {

float F(int v) { return static_cast<float>(v); }

}  // namespace

void FillGlowHalf(TGPGraphics* Graphics, const fw::TRect& Rect, fw::TColor Color1, fw::TColor Color2,
                  TGDIPGradient Kind, bool UpperHalf) {
  if (Color2 == fw::clNone) Color2 = Color1;
  else if (Color1 == fw::clNone) Color1 = Color2;
  const int w = Rect.Right - Rect.Left;
  const int h = Rect.Bottom - Rect.Top;
  const GpRectF area = MakeRect(F(Rect.Left), F(Rect.Top), F(w), F(h));
  TGPSolidBrush solid(ColorToARGB(UpperHalf ? Color1 : Color2));
  Graphics->FillRectangle(&solid, area);

  TGPGraphicsPath path;
  if (UpperHalf) path.AddEllipse(F(Rect.Left), F(Rect.Top - h / 2 + 2), F(w), F(h));
  else path.AddEllipse(F(Rect.Left), F(Rect.Top), F(w), F(h));

  std::unique_ptr<TGPBrush> brush;
  if (Kind == ggRadial) {
    auto radial = std::make_unique<TGPPathGradientBrush>(&path);
    const int centreY = UpperHalf ? Rect.Top : Rect.Bottom;
    radial->SetCenterPointF(MakePointF(F(Rect.Left + w / 2), F(centreY)));
    radial->SetCenterColor(ColorToARGB(UpperHalf ? Color2 : Color1));
    ARGB surround = ColorToARGB(UpperHalf ? Color1 : Color2);
    int count = 1;
    radial->SetSurroundColors(&surround, count);
    brush = std::move(radial);
  } else {
    const LinearGradientMode mode = Kind == ggVertical          ? LinearGradientModeVertical
                                    : Kind == ggDiagonalForward ? LinearGradientModeForwardDiagonal
                                                                : LinearGradientModeBackwardDiagonal;
    brush = std::make_unique<TGPLinearGradientBrush>(area, ColorToARGB(Color1), ColorToARGB(Color2), mode);
  }
  Graphics->FillRectangle(brush.get(), area);
}

namespace {

// The closed rounded outline of DrawGlowBorder and DrawGlowFocusRect.
void AddRoundedOutline(TGPGraphicsPath& path, int X, int Y, int Width, int Height, int Radius) {
  const int d = 2 * Radius;
  path.AddLine(F(X + Radius), F(Y), F(X + Width - d), F(Y));
  path.AddArc(F(X + Width - d), F(Y), F(d), F(d), 270, 90);
  path.AddLine(F(X + Width), F(Y + Radius), F(X + Width), F(Y + Height - d));
  path.AddArc(F(X + Width - d), F(Y + Height - d), F(d), F(d), 0, 90);
  path.AddLine(F(X + Width - d), F(Y + Height), F(X + Radius), F(Y + Height));
  path.AddArc(F(X), F(Y + Height - d), F(d), F(d), 90, 90);
  path.AddLine(F(X), F(Y + Height - d), F(X), F(Y + Radius));
  path.AddArc(F(X), F(Y), F(d), F(d), 180, 90);
  path.CloseFigure();
}

// The join line at X of a middle or right piece.
void DrawJoinLine(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Height, bool HotOrDown) {
  if (HotOrDown) {
    TGPPen shade(ColorToARGB(ShadeColor(Color, -5)));
    Graphics->DrawLine(&shade, F(X), F(Y), F(X), F(Y + Height));
  } else {
    TGPPen light(ColorToARGB(ShadeColor(0xFFFFFF, -10)));
    Graphics->DrawLine(&light, F(X), F(Y + 2), F(X), F(Y + Height - 2));
  }
}

}  // namespace

void DrawGlowBorder(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int Radius) {
  TGPPen pen(ColorToARGB(Color));
  if (Radius == 0) {
    Graphics->DrawRectangleXYWH(&pen, F(X), F(Y), F(Width), F(Height));
    return;
  }
  TGPGraphicsPath path;
  AddRoundedOutline(path, X, Y, Width, Height, Radius);
  Graphics->DrawPath(&pen, &path);
}

void DrawGlowFocusRect(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int Radius) {
  TGPPen pen(ColorToARGB(Color));
  pen.SetDashStyle(DashStyleDot);
  TGPGraphicsPath path;
  AddRoundedOutline(path, X, Y, Width, Height, Radius);
  Graphics->DrawPath(&pen, &path);
}

void DrawGlowLeftPiece(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int Radius) {
  const int d = 2 * Radius;
  TGPPen pen(ColorToARGB(Color));
  TGPGraphicsPath path;
  path.AddLine(F(X + Width), F(Y + Height), F(X + Radius), F(Y + Height));
  path.AddArc(F(X), F(Y + Height - d), F(d), F(d), 90, 90);
  path.AddLine(F(X), F(Y + Height - d), F(X), F(Y + Radius));
  path.AddArc(F(X), F(Y), F(d), F(d), 180, 90);
  path.AddLine(F(X + Radius), F(Y), F(X + Width), F(Y));
  Graphics->DrawPath(&pen, &path);
  TGPPen shade(ColorToARGB(ShadeColor(Color, -5)));
  Graphics->DrawLine(&shade, F(X + Width), F(Y), F(X + Width), F(Y + Height));
}

void DrawGlowMiddlePiece(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int /*Radius*/,
                         bool HotOrDown) {
  TGPPen pen(ColorToARGB(Color));
  Graphics->DrawLine(&pen, F(X - 1), F(Y + Height), F(X + Width), F(Y + Height));
  Graphics->DrawLine(&pen, F(X - 1), F(Y), F(X + Width), F(Y));
  TGPPen shade(ColorToARGB(ShadeColor(Color, -5)));
  Graphics->DrawLine(&shade, F(X + Width), F(Y), F(X + Width), F(Y + Height));
  DrawJoinLine(Graphics, Color, X, Y, Height, HotOrDown);
}

void DrawGlowRightPiece(TGPGraphics* Graphics, fw::TColor Color, int X, int Y, int Width, int Height, int Radius,
                        bool HotOrDown) {
  const int d = 2 * Radius;
  TGPPen pen(ColorToARGB(Color));
  TGPGraphicsPath path;
  path.AddLine(F(X), F(Y), F(X + Width - d), F(Y));
  path.AddArc(F(X + Width - d), F(Y), F(d), F(d), 270, 90);
  path.AddLine(F(X + Width), F(Y + Radius), F(X + Width), F(Y + Height - d));
  path.AddArc(F(X + Width - d), F(Y + Height - d), F(d), F(d), 0, 90);
  path.AddLine(F(X + Width - d), F(Y + Height), F(X), F(Y + Height));
  Graphics->DrawPath(&pen, &path);
  DrawJoinLine(Graphics, Color, X, Y, Height, HotOrDown);
}

void DrawDropDownArrow(fw::TCanvas* Canvas, fw::TPoint Point, fw::TColor Color, fw::TColor HighlightColor,
                       bool PointsDown) {
  const int x = Point.X;
  const int y = Point.Y;
  // (along, across) for an arrow pointing down; mirrored about the diagonal for one pointing right.
  auto at = [&](int along, int across) {
    return PointsDown ? fw::TPoint{x + along, y + across} : fw::TPoint{x + across, y + along};
  };
  Canvas->Pen()->SetColor(Color);
  auto line = [&](fw::TPoint from, fw::TPoint to) {
    Canvas->MoveTo(from.X, from.Y);
    Canvas->LineTo(to.X, to.Y);
  };
  line(at(0, 0), at(5, 0));
  line(at(1, 1), at(4, 1));
  const fw::TPoint tip = at(2, 2);
  Canvas->SetPixels(tip.X, tip.Y, Color);
  for (const fw::TPoint p : {at(0, 1), at(4, 1), at(1, 2), at(3, 2), at(2, 3)}) Canvas->SetPixels(p.X, p.Y, HighlightColor);
}

void DrawGlowPicture(TGPGraphics* Graphics, fw::TPoint Point, TGDIPPicture* Picture) {
  if (Picture->Empty() || Picture->Data().Size() == 0) return;
  TDecodedImage decoded(Picture->Data());
  if (!decoded.Decoded()) return;
  TGPImage& image = decoded.Image();
  const auto width = static_cast<float>(image.GetWidth());
  const auto height = static_cast<float>(image.GetHeight());
  if (image.GetFormat() != ifBMP) {
    Graphics->DrawImage(&image, Point.X, Point.Y);
    return;
  }
  ARGB key = 0;
  decoded.MakeBitmap()->GetPixel(0, static_cast<int>(height) - 1, key);
  TGPImageAttributes attributes;
  attributes.SetColorKey(key, key);
  Graphics->DrawImageRectRect(&image, MakeRect(F(Point.X), F(Point.Y), width, height), 0, 0, width, height, UnitPixel,
                              &attributes);
}

}  // namespace ui
