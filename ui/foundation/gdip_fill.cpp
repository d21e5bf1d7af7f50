#include "ui/foundation/gdip_fill.h"

#include <algorithm>

#include "framework/rtl/arith.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

namespace {

std::uint16_t clipboardFormat = 0;

std::uint8_t OrOwn(std::uint8_t argument, std::uint8_t own) { return argument == 255 ? own : argument; }

float F(int value) { return static_cast<float>(value); }

fw::TRect RoundRect(const GpRectF& R) {
  return fw::TRect{RoundToInt(R.X), RoundToInt(R.Y), RoundToInt(R.X + R.Width), RoundToInt(R.Y + R.Height)};
}

// Sets the smoothing mode for a scope and puts the caller's back.
class SmoothingScope {
 public:
  SmoothingScope(TGPGraphics* graphics, SmoothingMode mode) : graphics_(graphics), old_(graphics->GetSmoothingMode()) {
    graphics_->SetSmoothingMode(mode);
  }
  ~SmoothingScope() {
    if (old_ >= 0) graphics_->SetSmoothingMode(static_cast<SmoothingMode>(old_));
  }
  SmoothingScope(const SmoothingScope&) = delete;
  SmoothingScope& operator=(const SmoothingScope&) = delete;

 private:
  TGPGraphics* graphics_;
  int old_;
};

void ClipTo(TGPGraphics* graphics, TGPGraphicsPath* path) {
  TGPRegion region(path);
  graphics->SetClip(&region, CombineModeReplace);
}

void ClipTo(TGPGraphics* graphics, const GpRectF& rect) {
  TGPRegion region(rect);
  graphics->SetClip(&region, CombineModeReplace);
}

}  // namespace

void FillSoftShadow(TGPGraphics* Graphics, TGPGraphicsPath* Path, fw::TColor Colour) {
  TGPPathGradientBrush brush(Path);
  brush.SetWrapMode(WrapModeClamp);
  // The same fade as centre and surround colours, for a GDI+ that does not take the blend.
  brush.SetCenterColor(MakeAlphaColor(180, Colour));
  ARGB edge = 0;
  int one = 1;
  brush.SetSurroundColors(&edge, one);
  const ARGB colours[3] = {0, MakeAlphaColor(180, Colour), MakeAlphaColor(180, Colour)};
  const float positions[3] = {0, 0.1f, 1.0f};
  brush.SetInterpolationColors(colours, positions, 3);
  Graphics->FillPath(&brush, Path);
}

namespace {

void FillPolygon(TGPGraphics* graphics, TGPBrush* brush, std::initializer_list<GpPointF> points) {
  TGPGraphicsPath path;
  path.AddPolygon(points.begin(), static_cast<int>(points.size()));
  graphics->FillPath(brush, &path);
}

}  // namespace

std::uint16_t GDIPFillClipboardFormat() { return clipboardFormat; }

void RegisterGDIPFillClipboardFormat() {
  clipboardFormat = static_cast<std::uint16_t>(RegisterClipboardFormatA("GDI+ Fill"));
}

void PaintGradient(const TGradientParams& p) {
  TGPGraphics* g = p.Graphics;
  const GpRectF& r = p.Rect;
  const ARGB c1 = MakeAlphaColor(static_cast<std::uint8_t>(p.Opacity), p.Color);
  const ARGB c2 = MakeAlphaColor(static_cast<std::uint8_t>(p.OpacityTo), p.ColorTo);
  auto fill = [&](TGPBrush* brush) {
    if (p.UsePath) {
      g->FillPath(brush, p.Path);
    } else {
      g->FillRectangle(brush, r);
    }
  };
  switch (p.GradientType) {
    case gtSolid: {
      TGPSolidBrush brush(c1);
      fill(&brush);
      break;
    }
    case gtVertical:
    case gtHorizontal:
    case gtForwardDiagonal:
    case gtBackwardDiagonal: {
      const LinearGradientMode mode = p.GradientType == gtVertical         ? LinearGradientModeVertical
                                      : p.GradientType == gtHorizontal     ? LinearGradientModeHorizontal
                                      : p.GradientType == gtForwardDiagonal ? LinearGradientModeForwardDiagonal
                                                                            : LinearGradientModeBackwardDiagonal;
      TGPLinearGradientBrush brush(Enlarged(r, 1), c1, c2, mode);
      brush.SetGammaCorrection(TRUE);
      fill(&brush);
      if (p.TopLine) {
        TGPSolidBrush line(c1);
        g->FillRectangle(&line, MakeRect(r.X, r.Y, r.Width, 1));
      }
      break;
    }
    case gtAngle: {
      TGPLinearGradientBrush brush(Enlarged(r, 1), c1, c2, F(p.Angle), TRUE);
      brush.SetGammaCorrection(TRUE);
      fill(&brush);
      break;
    }
    case gtHatch: {
      TGPHatchBrush brush(static_cast<HatchStyle>(p.HatchStyle), c1, c2);
      fill(&brush);
      break;
    }
    case gtTexture:
      if (p.Picture != nullptr) {
        if (p.UsePath) {
          p.Picture->FillPathWithPicture(g, p.Path);
        } else {
          p.Picture->FillRectWithPicture(g, r);
        }
      }
      break;
    default:  // gtRadial, gtPath, gtNone paint nothing here
      break;
  }
  if (p.BorderColor != fw::clNone) {
    TGPPen pen(MakeAlphaColor(static_cast<std::uint8_t>(p.Opacity), p.BorderColor), F(p.BorderWidth));
    pen.SetDashStyle(static_cast<DashStyle>(p.DashStyle));
    if (p.UsePath) {
      g->DrawPath(&pen, p.Path);
    } else {
      g->DrawRectangle(&pen, r);
    }
  }
}

void FillRadial(TGPGraphics* Graphics, const GpRectF& R, fw::TColor C1, fw::TColor C2, std::uint8_t OpacityA,
                std::uint8_t OpacityB, bool Top, int Radius, TFillRoundingType RoundingType) {
  const ARGB a = MakeAlphaColor(OpacityA, C1);
  const ARGB b = MakeAlphaColor(OpacityB, C2);
  auto outline = CreateRoundRectPath(R, Radius, RoundingType);
  {
    TGPSolidBrush base(Top ? a : b);
    Graphics->FillPath(&base, outline.get());
  }
  ClipTo(Graphics, outline.get());
  TGPGraphicsPath ellipse;
  GpPointF centre;
  if (Top) {
    ellipse.AddEllipse(R.X, R.Y - R.Height / 2, R.Width, 1.5f * R.Height);
    centre = MakePointF(R.X + R.Width / 2, R.Y);
  } else {
    ellipse.AddEllipse(R.X, R.Y, R.Width, 1.5f * R.Height);
    centre = MakePointF(R.X + R.Width / 2, R.Y + R.Height);
  }
  TGPPathGradientBrush glow(&ellipse);
  glow.SetCenterPointF(centre);
  glow.SetCenterColor(Top ? b : a);
  ARGB surround = Top ? a : b;
  int count = 1;
  glow.SetSurroundColors(&surround, count);
  Graphics->FillRectangle(&glow, R);
  Graphics->ResetClip();
}

void FitPictureAspect(float PW, float PH, float RW, float RH, TPictureMode Mode, float& W, float& H) {
  if (PW <= 0 || PH <= 0 || RW <= 0 || RH <= 0) {
    W = 0;
    H = 0;
    return;
  }
  if (PW < RW && PH < RH && Mode == pmNormal) {
    W = PW;
    H = PH;
    return;
  }
  if (RW / RH > PW / PH) {
    H = RH;
    W = PW * RH / PH;
  } else {
    W = RW;
    H = PH * RW / PW;
  }
}

void DrawFillPicture(TGPGraphics* Graphics, bool AspectRatio, TPictureMode AspectMode, TVxGDIPPicture* Picture,
                     TFillPicturePosition Position, int W, int H, const fw::TRect& Rect, int Left, int Top) {
  if (Picture == nullptr || Picture->Empty()) return;
  const int L = Rect.Left, T = Rect.Top, Rt = Rect.Right, B = Rect.Bottom;
  const int centreX = L + (Rt - L - W) / 2;
  const int centreY = T + (B - T - H) / 2;
  int x = L, y = T;
  switch (Position) {
    case ppTopLeft: break;
    case ppTopCenter: x = centreX; break;
    case ppTopRight: x = Rt - W; break;
    case ppBottomLeft: y = B - H; break;
    case ppBottomCenter: x = centreX; y = B - H; break;
    case ppBottomRight: x = Rt - W; y = B - H; break;
    case ppCenterLeft: y = centreY; break;
    case ppCenterCenter: x = centreX; y = centreY; break;
    case ppCenterRight: x = Rt - W; y = centreY; break;
    case ppCustom: x = Left; y = Top; break;
    case ppStretched: {
      float fw_ = F(Rt - L), fh = F(B - T);
      if (AspectRatio) FitPictureAspect(F(W), F(H), F(Rt - L), F(B - T), AspectMode, fw_, fh);
      const int sx = L + RoundToInt((Rt - L - fw_) / 2);
      const int sy = T + RoundToInt((B - T - fh) / 2);
      Picture->GDIPDraw(Graphics, fw::Bounds(sx, sy, RoundToInt(fw_), RoundToInt(fh)));
      return;
    }
    case ppTiled: {
      TGradientParams params;
      params.Graphics = Graphics;
      params.Rect = MakeRect(F(L), F(T), F(Rt - L), F(B - T));
      params.GradientType = gtTexture;
      params.Picture = Picture;
      PaintGradient(params);
      return;
    }
  }
  Picture->GDIPDraw(Graphics, fw::Bounds(x, y, W, H));
}

TGDIPFill::TGDIPFill() : backGroundPicture_(fw::Create<TVxGDIPPicture>()), picture_(fw::Create<TVxGDIPPicture>()) {
  backGroundPicture_->OnChange = [this](fw::TObject*) { Changed(); };
  picture_->OnChange = [this](fw::TObject*) { Changed(); };
}

TGDIPFill::~TGDIPFill() {
  fw::FreeAndNil(picture_);
  fw::FreeAndNil(backGroundPicture_);
}

void SetOneColour(TGDIPFill* Fill, fw::TColor Colour, fw::TColor Border) {
  Fill->SetColor(Colour);
  Fill->SetColorTo(Colour);
  Fill->SetColorMirror(Colour);
  Fill->SetColorMirrorTo(Colour);
  Fill->SetBorderColor(Border);
}

void TGDIPFill::SetBackGroundPicture(TVxGDIPPicture* value) {
  if (value != backGroundPicture_) backGroundPicture_->Assign(value);
}

void TGDIPFill::SetPicture(TVxGDIPPicture* value) {
  if (value != picture_) picture_->Assign(value);
}

void TGDIPFill::Changed() {
  if (updateCount_ == 0 && OnChange) OnChange(this);
}

void TGDIPFill::Assign(fw::TPersistent* Source) {
  auto* s = dynamic_cast<TGDIPFill*>(Source);
  if (s == nullptr || s == this) return;
  color_ = s->color_;
  colorTo_ = s->colorTo_;
  colorMirror_ = s->colorMirror_;
  colorMirrorTo_ = s->colorMirrorTo_;
  gradientType_ = s->gradientType_;
  gradientMirrorType_ = s->gradientMirrorType_;
  hatchStyle_ = s->hatchStyle_;
  hatchStyleMirror_ = s->hatchStyleMirror_;
  backGroundPictureAspectRatio_ = s->backGroundPictureAspectRatio_;
  backGroundPictureMode_ = s->backGroundPictureMode_;
  backGroundPicture_->Assign(s->backGroundPicture_);
  backGroundPicturePosition_ = s->backGroundPicturePosition_;
  backGroundPictureLeft_ = s->backGroundPictureLeft_;
  backGroundPictureTop_ = s->backGroundPictureTop_;
  backGroundPictureAspectMode_ = s->backGroundPictureAspectMode_;
  picture_->Assign(s->picture_);
  picturePosition_ = s->picturePosition_;
  pictureLeft_ = s->pictureLeft_;
  pictureTop_ = s->pictureTop_;
  pictureSize_ = s->pictureSize_;
  pictureWidth_ = s->pictureWidth_;
  pictureHeight_ = s->pictureHeight_;
  pictureAspectRatio_ = s->pictureAspectRatio_;
  pictureAspectMode_ = s->pictureAspectMode_;
  opacity_ = s->opacity_;
  opacityTo_ = s->opacityTo_;
  opacityMirror_ = s->opacityMirror_;
  opacityMirrorTo_ = s->opacityMirrorTo_;
  borderColor_ = s->borderColor_;
  borderOpacity_ = s->borderOpacity_;
  borderWidth_ = s->borderWidth_;
  rounding_ = s->rounding_;
  roundingType_ = s->roundingType_;
  shadowColor_ = s->shadowColor_;
  shadowOffset_ = s->shadowOffset_;
  shadowType_ = s->shadowType_;
  angle_ = s->angle_;
  glow_ = s->glow_;
  glowGradientColor_ = s->glowGradientColor_;
  glowRadialColor_ = s->glowRadialColor_;
  Changed();
}

void TGDIPFill::FillHalf(TGPGraphics* Graphics, const GpRectF& R, bool Mirror, std::uint8_t Opacity,
                         std::uint8_t OpacityTo, std::uint8_t OpacityMirror, std::uint8_t OpacityMirrorTo) {
  TGradientParams p;
  p.Graphics = Graphics;
  p.Rect = R;
  if (Mirror) {
    p.GradientType = gradientMirrorType_;
    p.Color = colorMirror_;
    p.ColorTo = colorMirrorTo_;
    p.Opacity = OpacityMirror;
    p.OpacityTo = OpacityMirrorTo;
    p.HatchStyle = hatchStyleMirror_;
  } else {
    p.GradientType = gradientType_;
    p.Color = color_;
    p.ColorTo = colorTo_;
    p.Opacity = Opacity;
    p.OpacityTo = OpacityTo;
    p.HatchStyle = hatchStyle_;
  }
  if (p.Color == fw::clNone) {
    p.GradientType = gtNone;
  } else if (p.ColorTo == fw::clNone) {
    p.GradientType = gtSolid;
  }
  p.Picture = backGroundPicturePosition_ == ppTiled ? backGroundPicture_ : nullptr;
  p.Angle = angle_;
  p.TopLine = Mirror;
  if (rounding_ == 0) {
    PaintGradient(p);
    return;
  }
  // One part takes the fill's own corners; of two, the main part rounds only the top corners and the
  // mirror part only the bottom ones.
  TFillRoundingType type = roundingType_;
  if (colorMirror_ != fw::clNone) {
    if (!Mirror) {
      if (type == rtBottom) type = rtNone;
      if (type == rtBoth) type = rtTop;
    } else {
      if (type == rtTop) type = rtNone;
      if (type == rtBoth) type = rtBottom;
    }
  }
  auto path = CreateRoundRectPath(R, rounding_, type);
  p.Path = path.get();
  p.UsePath = true;
  SmoothingScope smooth(Graphics, SmoothingModeAntiAlias);
  PaintGradient(p);
}

void TGDIPFill::DrawGlow(TGPGraphics* Graphics, const GpRectF& R) {
  if (glow_ == gmNone) return;
  ClipTo(Graphics, R);
  const GpRectF G = MakeRect(R.X + 1, R.Y + 1, R.Width - 2, R.Height - 2);
  if (glow_ == gmGradient || glow_ == gmRadialGradient) {
    auto outline = CreateRoundRectPath(G, rounding_, roundingType_);
    TGPPen pen(MakeAlphaColor(200, glowGradientColor_), 1);
    Graphics->DrawPath(&pen, outline.get());

    const GpRectF top = MakeRect(G.X + 5, G.Y, G.Width - 10, 4);
    TGPLinearGradientBrush topBrush(Enlarged(top, 1), MakeAlphaColor(175, glowGradientColor_),
                                    MakeAlphaColor(0, glowGradientColor_), LinearGradientModeVertical);
    FillPolygon(Graphics, &topBrush, {{G.X, G.Y}, {G.X + 5, G.Y}, {G.X + 5, G.Y + 4}});
    FillPolygon(Graphics, &topBrush,
                {{G.X + G.Width, G.Y}, {G.X + G.Width - 5, G.Y}, {G.X + G.Width - 5, G.Y + 4}});
    Graphics->FillRectangle(&topBrush, top);

    const float bottom = G.Y + G.Height;
    const GpRectF band = MakeRect(G.X + 5, G.Y + G.Height - 7, G.Width - 10, 7);
    TGPLinearGradientBrush bottomBrush(Enlarged(band, 1), MakeAlphaColor(0, glowGradientColor_),
                                       MakeAlphaColor(220, glowGradientColor_), LinearGradientModeVertical);
    FillPolygon(Graphics, &bottomBrush, {{G.X, bottom}, {G.X + 5, bottom}, {G.X + 5, bottom - 7}});
    FillPolygon(Graphics, &bottomBrush,
                {{G.X + G.Width, bottom}, {G.X + G.Width - 5, bottom}, {G.X + G.Width - 5, bottom - 7}});
    Graphics->FillRectangle(&bottomBrush, band);
  }
  if (glow_ == gmRadial || glow_ == gmRadialGradient) {
    const GpRectF E = MakeRect(G.X + 10, G.Y - G.Height / 2, G.Width - 20, 3 * G.Height);
    TGPGraphicsPath ellipse;
    ellipse.AddEllipseRect(E);
    TGPPathGradientBrush brush(&ellipse);
    brush.SetCenterPointF(MakePointF(E.X + E.Width / 2, E.Y + E.Height / 2));
    brush.SetCenterColor(MakeAlphaColor(150, glowRadialColor_));
    ARGB surround = MakeAlphaColor(0, color_);
    int count = 1;
    brush.SetSurroundColors(&surround, count);
    Graphics->FillPath(&brush, &ellipse);
  }
  Graphics->ResetClip();
}

void TGDIPFill::DrawBackGroundPicture(TGPGraphics* Graphics, const GpRectF& R, bool Clipped) {
  backGroundPicture_->GetImageSizes();
  if (Clipped) {
    auto outline = CreateRoundRectPath(R, rounding_, roundingType_);
    ClipTo(Graphics, outline.get());
  }
  DrawFillPicture(Graphics, backGroundPictureAspectRatio_, backGroundPictureAspectMode_, backGroundPicture_,
                  backGroundPicturePosition_, backGroundPicture_->Width(), backGroundPicture_->Height(),
                  RoundRect(R), backGroundPictureLeft_, backGroundPictureTop_);
  if (Clipped) Graphics->ResetClip();
}

GpRectF TGDIPFill::Fill(TGPGraphics* Graphics, const GpRectF& Area, std::uint8_t BorderOpacity, std::uint8_t Opacity,
                        std::uint8_t OpacityTo, std::uint8_t OpacityMirror, std::uint8_t OpacityMirrorTo) {
  BorderOpacity = OrOwn(BorderOpacity, borderOpacity_);
  Opacity = OrOwn(Opacity, opacity_);
  OpacityTo = OrOwn(OpacityTo, opacityTo_);
  OpacityMirror = OrOwn(OpacityMirror, opacityMirror_);
  OpacityMirrorTo = OrOwn(OpacityMirrorTo, opacityMirrorTo_);
  GpRectF R = Area;
  if (Graphics == nullptr) return R;
  const bool hasBorder = borderWidth_ > 0 && borderColor_ != fw::clNone;

  if (R.Height == 1 || R.Width == 1) {
    // A line, not an area: the border colour along it.
    if (hasBorder) {
      TGPPen pen(MakeAlphaColor(BorderOpacity, borderColor_), F(borderWidth_));
      Graphics->DrawLine(&pen, R.X, R.Y, R.X + R.Width, R.Y + R.Height);
    }
  } else {
    const int o = shadowOffset_;
    if (o > 0 && shadowColor_ != fw::clNone) {
      if (shadowType_ == stBottom) {
        FillRadial(Graphics, MakeRect(R.X, R.Y + R.Height - 2 * o, R.Width, F(2 * o)), shadowColor_, shadowColor_, 0,
                   255, true, rounding_, rtBottom);
        R.Height -= F(o);
      } else {
        const bool surround = shadowType_ == stSurround;
        auto outline = CreateRoundRectPath(R, surround ? o : rounding_, surround ? rtBoth : roundingType_);
        FillSoftShadow(Graphics, outline.get(), shadowColor_);
        if (surround) {
          R = MakeRect(R.X + F(o), R.Y + F(o), R.Width - F(2 * o), R.Height - F(2 * o));
        } else {
          R.Width -= F(o);
          R.Height -= F(o);
        }
      }
    }

    const bool onePart = gradientType_ == gtHatch || gradientType_ == gtTexture || colorMirror_ == fw::clNone;
    const fw::TColor colorTo = colorTo_ == fw::clNone ? color_ : colorTo_;
    if (onePart) {
      if (gradientType_ == gtRadial) {
        if (color_ != fw::clNone) {
          FillRadial(Graphics, R, color_, colorTo, Opacity, OpacityTo, true, rounding_, roundingType_);
        }
      } else {
        FillHalf(Graphics, R, false, Opacity, OpacityTo, OpacityMirror, OpacityMirrorTo);
      }
    } else {
      const float h = R.Height / 2;
      const GpRectF main = MakeRect(R.X, R.Y, R.Width, R.Height - h + 1);
      const GpRectF mirror = MakeRect(R.X, R.Y + h - 1, R.Width, R.Height - h + 1);
      if (gradientType_ == gtRadial) {
        if (color_ != fw::clNone) FillRadial(Graphics, main, color_, colorTo, Opacity, OpacityTo, true, rounding_, rtTop);
      } else {
        FillHalf(Graphics, main, false, Opacity, OpacityTo, OpacityMirror, OpacityMirrorTo);
      }
      if (gradientMirrorType_ == gtRadial) {
        const fw::TColor mirrorTo = colorMirrorTo_ == fw::clNone ? colorMirror_ : colorMirrorTo_;
        FillRadial(Graphics, mirror, colorMirror_, mirrorTo, OpacityMirror, OpacityMirrorTo, false, rounding_,
                   rtBottom);
      } else {
        FillHalf(Graphics, mirror, true, Opacity, OpacityTo, OpacityMirror, OpacityMirrorTo);
      }
    }

    if (backGroundPictureMode_ == pmInsideFill && !backGroundPicture_->Empty() && gradientType_ == gtTexture) {
      DrawBackGroundPicture(Graphics, R, true);
    }

    if (hasBorder) {
      auto outline = CreateRoundRectPath(R, rounding_, roundingType_);
      TGPPen pen(MakeAlphaColor(BorderOpacity, borderColor_), F(borderWidth_));
      Graphics->DrawPath(&pen, outline.get());
    }
  }

  DrawGlow(Graphics, R);

  const float bw = F(borderWidth_);
  FocusRect = MakeRect(R.X + bw, R.Y + bw, R.Width - 2 * bw, R.Height - 2 * bw);
  if (Focus) {
    // The outline follows the inner edge of the border; a border wider than the rounding leaves square corners.
    auto outline = CreateRoundRectPath(FocusRect, std::max(rounding_ - borderWidth_, 0), roundingType_);
    TGPPen pen(MakeAlphaColor(Opacity, FocusColor), 1);
    pen.SetDashStyle(DashStyleDot);
    SmoothingScope plain(Graphics, SmoothingModeDefault);
    Graphics->DrawPath(&pen, outline.get());
  }

  if (backGroundPictureMode_ == pmOutsideFill && !backGroundPicture_->Empty() && gradientType_ == gtTexture) {
    DrawBackGroundPicture(Graphics, R, false);
  }

  if (!picture_->Empty()) {
    picture_->GetImageSizes();
    const bool custom = pictureSize_ == psCustom;
    DrawFillPicture(Graphics, pictureAspectRatio_, pictureAspectMode_, picture_, picturePosition_,
                    custom ? pictureWidth_ : picture_->Width(), custom ? pictureHeight_ : picture_->Height(),
                    RoundRect(R), pictureLeft_, pictureTop_);
  }
  return R;
}

}  // namespace ui
