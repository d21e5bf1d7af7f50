// The watch's drawing: the face, marks, numbers and AM/PM box into the face cache, the hands over it,
// and the AM/PM slide.
#include <cmath>
#include <numbers>
#include <string>

#include "framework/controls/control_canvas.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/services/clock.h"
#include "ui/dropdown/watch.h"
#include "ui/dropdown/watch_drawing.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

namespace {

constexpr int kRoundCorner = 8;
constexpr int kBoxCorner = 5;
constexpr std::uint8_t kShadowAlpha = 80;
constexpr int kSlidePauseMs = 10;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

// The colour's own red, green and blue bytes (a system colour is taken as it is stored) at the opacity.
ARGB RawColor(std::uint8_t Alpha, fw::TColor Color) {
  return MakeColor(Alpha, static_cast<std::uint8_t>(Color), static_cast<std::uint8_t>(Color >> 8),
                   static_cast<std::uint8_t>(Color >> 16));
}

// A point at Distance along the angle (degrees clockwise from 12 o'clock) from the origin.
GpPointF Along(float X0, float Y0, double Degrees, double Distance) {
  const double a = Radians(Degrees);
  return MakePointF(static_cast<float>(X0 + std::sin(a) * Distance), static_cast<float>(Y0 - std::cos(a) * Distance));
}

void Line(TGPGraphics& Graphics, TGPPen& Pen, float X0, float Y0, double Degrees, double From, double To) {
  const GpPointF a = Along(X0, Y0, Degrees, From);
  const GpPointF b = Along(X0, Y0, Degrees, To);
  Graphics.DrawLine(&Pen, a.X, a.Y, b.X, b.Y);
}

// The width and height of one line of text in the font.
fw::TSize MeasureText(fw::TFont* Font, const std::string& Text, UINT Flags) {
  fw::MemoryDC dc;
  const fw::SelectedObject font(dc.Get(), Font->Handle());
  RECT measured{0, 0, 200, 200};
  DrawTextA(dc.Get(), Text.c_str(), -1, &measured, DT_CALCRECT | Flags);
  return fw::TSize{measured.right - measured.left, measured.bottom - measured.top};
}

void Copy(HDC To, HDC From, int Width, int Height) { BitBlt(To, 0, 0, Width, Height, From, 0, 0, SRCCOPY); }

}  // namespace

template <class Draw>
void TVxWatch::DrawOnWindow(Draw&& draw) {
  fw::TCanvas* canvas = Canvas();
  if (painting_) {
    draw(canvas->Handle());
    return;
  }
  if (!HandleAllocated()) return;
  // The window's DC is given back afterwards unless someone else was already drawing on the canvas.
  struct Release {
    fw::TCanvas* canvas;
    bool keep;
    ~Release() {
      if (!keep) static_cast<fw::TControlCanvas*>(canvas)->FreeHandle();
    }
  } release{canvas, canvas->HandleAllocated()};
  draw(canvas->Handle());
}

void TVxWatch::DrawAll() {
  // In clock mode the box shows the half of the displayed time; everything is drawn anew anyway.
  if (settings_->Auto()) isAM_ = ClockShowsMorning();
  DrawOnWindow([this](HDC dc) {
    const fw::TRect client = ClientRect();
    const int w = client.Width();
    const int h = client.Height();
    if (w <= 0 || h <= 0) return;
    cache_->SetSize(w, h);
    HDC cacheDC = cache_->Canvas()->Handle();
    BitBlt(cacheDC, 0, 0, w, h, dc, client.Left, client.Top, SRCCOPY);
    {
      TGPGraphics graphics(cacheDC);
      graphics.SetSmoothingMode(SmoothingModeAntiAlias);
      DrawFace(graphics, client);
      DrawTicks(graphics);
    }
    DrawNumbers(cache_->Canvas());
    DrawAMPM(cache_->Canvas());
    Copy(dc, cache_->Canvas()->Handle(), w, h);
    TGPGraphics graphics(dc);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawPointers(graphics);
  });
}

void TVxWatch::DrawHandsOverCache(HDC DC) {
  const int w = cache_->Width();
  const int h = cache_->Height();
  frame_->SetSize(w, h);
  HDC frameDC = frame_->Canvas()->Handle();
  Copy(frameDC, cache_->Canvas()->Handle(), w, h);
  {
    TGPGraphics graphics(frameDC);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawPointers(graphics);
  }
  Copy(DC, frameDC, w, h);
}

void TVxWatch::UpdateHands() {
  FollowClockHalf();
  DrawOnWindow([this](HDC dc) {
    const fw::TRect client = ClientRect();
    if (client.IsEmpty() || cache_->Width() != client.Width() || cache_->Height() != client.Height()) {
      // No face drawn for this size yet: the coming paint draws everything.
      Invalidate();
      return;
    }
    DrawHandsOverCache(dc);
  });
}

void TVxWatch::DrawFace(TGPGraphics& Graphics, const fw::TRect& R) {
  const float X = static_cast<float>(R.Left);
  const float Y = static_cast<float>(R.Top);
  const float W = static_cast<float>(R.Width());
  const float H = static_cast<float>(R.Height());
  const GpRectF client = MakeRect(X, Y, W, H);
  const fw::TPoint c = GetCenter();
  const float r = static_cast<float>(GetRadius());
  const GpRectF circle = MakeRect(static_cast<float>(c.X) - r, static_cast<float>(c.Y) - r, 2 * r, 2 * r);
  const TWatchShape shape = appearance_->Shape();
  fw::TPicture* picture = appearance_->Picture();
  if (!picture->Empty()) {
    DrawWatchPicture(&Graphics, client, picture->Graphic());
  } else {
    const fw::TColor c1 = appearance_->BackgroundColor();
    const fw::TColor c2 = appearance_->BackgroundColorTo() == fw::clNone ? c1 : appearance_->BackgroundColorTo();
    const TWatchGradient gradient = appearance_->BackgroundGradient();
    if (gradient == wgRadial) {
      std::unique_ptr<TGPGraphicsPath> path;
      if (shape == wsCircle) {
        path = std::make_unique<TGPGraphicsPath>();
        path->AddEllipseRect(circle);
      } else if (shape == wsRect) {
        path = CreateRectPath(client);
      } else {
        path = CreateRoundedRectPath(client, kRoundCorner);
      }
      TGPPathGradientBrush brush(path.get());
      brush.SetCenterColor(ColorToARGB(c1));
      brush.SetCenterPoint(MakePoint(c.X, c.Y));
      const ARGB surround = RawColor(255, c2);
      int count = 1;
      brush.SetSurroundColors(&surround, count);
      Graphics.FillPath(&brush, path.get());
    } else {
      const LinearGradientMode mode = gradient == wgVertical          ? LinearGradientModeVertical
                                      : gradient == wgDiagonalForward ? LinearGradientModeForwardDiagonal
                                                                      : LinearGradientModeBackwardDiagonal;
      TGPLinearGradientBrush brush(client, ColorToARGB(c1), ColorToARGB(c2), mode);
      if (shape == wsCircle) {
        Graphics.FillEllipse(&brush, circle.X, circle.Y, circle.Width, circle.Height);
      } else if (shape == wsRect) {
        Graphics.FillRectangle(&brush, client);
      } else {
        FillRoundedRect(&Graphics, &brush, X, Y, W, H, kRoundCorner);
      }
    }
  }
  if (appearance_->BorderWidth() < 1) return;
  TGPPen pen(ColorToARGB(appearance_->BorderColor()), static_cast<float>(appearance_->BorderWidth()));
  if (shape == wsCircle) {
    Graphics.DrawEllipse(&pen, circle.X, circle.Y, circle.Width, circle.Height);
  } else if (shape == wsRect) {
    Graphics.DrawRectangleXYWH(&pen, X, Y, W - 1, H - 1);
  } else {
    DrawRoundedRect(&Graphics, &pen, X, Y, W - 1, H - 1, kRoundCorner);
  }
}

void TVxWatch::DrawTicks(TGPGraphics& Graphics) {
  const TTickMarks marks = appearance_->TickMarks();
  if (marks == tmNone) return;
  const fw::TPoint c = GetCenter();
  const double rO = GetRadius() - appearance_->BorderWidth() / 2;
  // Angles here run clockwise from 3 o'clock.
  const auto mark = [&](TGPPen& pen, int degrees, double from, float dx, float dy) {
    const double a = Radians(degrees);
    const float x = static_cast<float>(c.X) + dx;
    const float y = static_cast<float>(c.Y) + dy;
    Graphics.DrawLine(&pen, static_cast<float>(x + std::cos(a) * from), static_cast<float>(y + std::sin(a) * from),
                      static_cast<float>(x + std::cos(a) * rO), static_cast<float>(y + std::sin(a) * rO));
  };
  const int hourLength = appearance_->HourMarkLength();
  const double hourFrom = hourLength > 0 ? rO - hourLength : 0.9 * rO;
  TGPPen hourPen(ColorToARGB(appearance_->HourColor()), appearance_->HourMarkWidth());
  const bool doubled = appearance_->HourMarkStyle() == hmsQuartDblLine;
  for (int degrees = 0; degrees < 360; degrees += 90) {
    if (!doubled) {
      mark(hourPen, degrees, hourFrom, 0, 0);
      continue;
    }
    // Across the mark: the 3 and 9 o'clock marks move up and down, the 6 and 12 o'clock marks sideways.
    const bool level = degrees % 180 == 0;
    for (const float shift : {-2.0f, 2.0f}) mark(hourPen, degrees, hourFrom, level ? 0 : shift, level ? shift : 0);
  }
  if (marks == tmQuartHours) return;
  for (int degrees = 30; degrees < 360; degrees += 30) {
    if (degrees % 90 != 0) mark(hourPen, degrees, hourFrom, 0, 0);
  }
  if (marks != tmAll) return;
  const int minuteLength = appearance_->MinuteMarkLength();
  const double minuteFrom = minuteLength > 0 ? rO - minuteLength : 0.95 * rO;
  TGPPen minutePen(ColorToARGB(appearance_->MinuteColor()), appearance_->MinuteMarkWidth());
  for (int degrees = 6; degrees < 360; degrees += 6) {
    if (degrees % 30 != 0) mark(minutePen, degrees, minuteFrom, 0, 0);
  }
}

void TVxWatch::DrawNumbers(fw::TCanvas* Canvas) {
  const TTickMarks marks = appearance_->TickMarks();
  if (!showNumbers_ || marks == tmNone || marks == tmHours) return;
  fw::TFont* font = appearance_->HourFont();
  Canvas->Font()->Assign(font);
  Canvas->Brush()->SetStyle(fw::bsClear);
  const fw::TPoint c = GetCenter();
  const int rO = GetRadius() - appearance_->BorderWidth() / 2;
  const int length = appearance_->HourMarkLength() > 0 ? appearance_->HourMarkLength() : RoundToInt(rO - 0.9 * rO) + 2;
  const int numbersRadius = rO - (length + 2) - length;
  for (int i = 1; i <= 12; ++i) {
    if (marks == tmQuartHours && i % 3 != 0) continue;
    const std::string text = std::to_string(i);
    const fw::TSize size = MeasureText(font, text, DT_SINGLELINE);
    const int inset = i == 10 ? RoundToInt(0.2 * size.cy) : i == 11 ? RoundToInt(0.15 * size.cy) : 0;
    const double rho = numbersRadius - inset + length / 2;
    const double a = Radians(i * 30);
    const int x = c.X + 1 + RoundToInt(std::sin(a) * rho);
    const int y = c.Y + 1 - RoundToInt(std::cos(a) * rho);
    Canvas->TextOut(x - size.cx / 2 - 1, y - size.cy / 2 - 1, text);
  }
}

void TVxWatch::DrawAMPMFrame(fw::TCanvas* Canvas, const fw::TRect& R, fw::TColor Fill) {
  const fw::TColor border = appearance_->AMPMBorderColor();
  Canvas->Pen()->SetStyle(border == fw::clNone ? fw::psClear : fw::psSolid);
  if (border != fw::clNone) Canvas->Pen()->SetColor(border);
  Canvas->Pen()->SetWidth(1);
  if (Fill == fw::clNone) {
    Canvas->Brush()->SetStyle(fw::bsClear);
  } else {
    Canvas->Brush()->SetColor(Fill);
    Canvas->Brush()->SetStyle(fw::bsSolid);
  }
  if (appearance_->AMPMFrame() == apRect) {
    Canvas->Rectangle(R);
  } else {
    Canvas->RoundRect(R.Left, R.Top, R.Right, R.Bottom, kBoxCorner, kBoxCorner);
  }
}

void TVxWatch::DrawAMPM(fw::TCanvas* Canvas) {
  if (!showAMPM_) return;
  const fw::TRect box = GetAMPMRect();
  if (appearance_->AMPMColor() != fw::clNone || appearance_->AMPMBorderColor() != fw::clNone) {
    DrawAMPMFrame(Canvas, box, appearance_->AMPMColor());
  }
  DrawWatchText(Canvas, nullptr, isAM_ ? "AM" : "PM", appearance_->AMPMFont(), box);
}

void TVxWatch::DrawCenterDisc(TGPGraphics& Graphics, float cx, float cy) {
  const int n = appearance_->CenterPointSize();
  if (n <= 0) return;
  const float size = static_cast<float>(n);
  if (appearance_->CenterPointColor() != fw::clNone) {
    TGPSolidBrush brush(ColorToARGB(appearance_->CenterPointColor()));
    Graphics.FillEllipse(&brush, cx - size / 2, cy - size / 2, size, size);
  }
  int outer = 0;
  if (appearance_->CenterPointOuterBorderColor() != fw::clNone) {
    outer = RoundToInt(0.2 * n);
    TGPPen pen(ColorToARGB(appearance_->CenterPointOuterBorderColor()), static_cast<float>(outer));
    Graphics.DrawEllipse(&pen, cx - size / 2, cy - size / 2, size, size);
  }
  if (appearance_->CenterPointBorderColor() != fw::clNone) {
    const float inner = static_cast<float>(n - outer);
    TGPPen pen(ColorToARGB(appearance_->CenterPointBorderColor()), static_cast<float>(RoundToInt(0.1 * n)));
    Graphics.DrawEllipse(&pen, cx - inner / 2, cy - inner / 2, inner, inner);
  }
}

void TVxWatch::DrawPointers(TGPGraphics& Graphics) {
  FollowClockHalf();
  std::uint16_t h = 0, m = 0, s = 0, ms = 0;
  fw::DecodeTime(GetDisplayTime(), h, m, s, ms);
  h %= 12;
  const double hourAngle = 30.0 * h + m / 2.0;
  const double minuteAngle = 6.0 * m;
  const double secondAngle = 6.0 * s;
  const double R = GetRadius();
  const fw::TPoint c = GetCenter();
  const float cx = static_cast<float>(c.X);
  const float cy = static_cast<float>(c.Y);
  const TPointerStyle style = appearance_->PointerStyle();
  const fw::TColor hourShadow = appearance_->HourPointerShadow();
  const fw::TColor minuteShadow = appearance_->MinutePointerShadow();
  if (style == psLine) {
    const float hourWidth = appearance_->HourPointerSize();
    const float minuteWidth = appearance_->MinutePointerSize();
    if (hourShadow != fw::clNone) {
      TGPPen pen(RawColor(kShadowAlpha, hourShadow), hourWidth);
      Line(Graphics, pen, cx - 1, cy + 3, hourAngle, -0.1 * R, 0.46 * R);
    }
    TGPPen hourPen(ColorToARGB(appearance_->HourPointer()), hourWidth);
    Line(Graphics, hourPen, cx, cy, hourAngle, -0.1 * R, 0.5 * R);
    if (minuteShadow != fw::clNone) {
      TGPPen pen(RawColor(kShadowAlpha, minuteShadow), minuteWidth);
      Line(Graphics, pen, cx, cy + 3, minuteAngle, -0.1 * R, 0.65 * R);
    }
    TGPPen minutePen(ColorToARGB(appearance_->MinutePointer()), minuteWidth);
    Line(Graphics, minutePen, cx, cy, minuteAngle, -0.1 * R, 0.7 * R);
  } else if (style == psPointer) {
    const auto hand = [&](ARGB color, float x0, float y0, double angle, double tip) {
      const GpPointF points[] = {Along(x0, y0, angle, -0.1 * R), Along(x0, y0, angle + 90, -0.05 * R),
                                 Along(x0, y0, angle, tip), Along(x0, y0, angle - 90, -0.05 * R)};
      TGPGraphicsPath path;
      path.AddPolygon(points, 4);
      TGPSolidBrush brush(color);
      Graphics.FillPath(&brush, &path);
    };
    if (hourShadow != fw::clNone) hand(RawColor(kShadowAlpha, hourShadow), cx + 1, cy + 3, hourAngle, 0.5 * R);
    hand(ColorToARGB(appearance_->HourPointer()), cx, cy, hourAngle, 0.5 * R);
    if (minuteShadow != fw::clNone) hand(RawColor(kShadowAlpha, minuteShadow), cx + 1, cy + 3, minuteAngle, 0.7 * R);
    hand(ColorToARGB(appearance_->MinutePointer()), cx, cy, minuteAngle, 0.7 * R);
  }
  if ((style == psLine || style == psPointer) && settings_->Auto() && settings_->Second()) {
    TGPPen pen(ColorToARGB(appearance_->SecondPointer()), appearance_->SecondPointerSize());
    Line(Graphics, pen, cx, cy, secondAngle, -0.2 * R, 0.9 * R);
  }
  DrawCenterDisc(Graphics, cx, cy);
}

void TVxWatch::PlaySlide(bool Morning) {
  const fw::TRect client = ClientRect();
  if (!HandleAllocated() || cache_->Width() != client.Width() || cache_->Height() != client.Height()) return;
  const fw::TRect box = GetAMPMRect();
  const fw::TRect inner{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
  const int w = inner.Width();
  const int k = inner.Height();
  if (w <= 0 || k <= 0) return;
  const fw::TColor fill = appearance_->AMPMColor();
  fw::TBitmap strip;
  strip.SetSize(w, 2 * k);
  strip.Canvas()->Pen()->SetColor(fill);
  strip.Canvas()->Brush()->SetColor(fill);
  strip.Canvas()->FillRect(fw::TRect{0, 0, w, 2 * k});
  DrawWatchText(strip.Canvas(), nullptr, "AM", appearance_->AMPMFont(), fw::TRect{0, 0, w, k});
  DrawWatchText(strip.Canvas(), nullptr, "PM", appearance_->AMPMFont(), fw::TRect{0, k, w, 2 * k});
  // The strip shows the old half first and moves towards the new one, a pixel a frame.
  int offset = Morning ? k : 0;
  frame_->SetSize(client.Width(), client.Height());
  HDC frameDC = frame_->Canvas()->Handle();
  for (int i = 0; i < k; ++i) {
    Copy(frameDC, cache_->Canvas()->Handle(), client.Width(), client.Height());
    BitBlt(frameDC, inner.Left, inner.Top, w, k, strip.Canvas()->Handle(), 0, offset, SRCCOPY);
    DrawAMPMFrame(frame_->Canvas(), box, fw::clNone);
    {
      TGPGraphics graphics(frameDC);
      graphics.SetSmoothingMode(SmoothingModeAntiAlias);
      DrawPointers(graphics);
    }
    DrawOnWindow([&](HDC dc) { Copy(dc, frameDC, client.Width(), client.Height()); });
    offset += Morning ? -1 : 1;
    fw::SleepMs(kSlidePauseMs);
  }
}

}  // namespace ui
