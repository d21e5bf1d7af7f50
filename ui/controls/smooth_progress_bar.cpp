#include "ui/controls/smooth_progress_bar.h"

#include <algorithm>
#include <cmath>

#include "framework/messaging/timer.h"
#include "ui/controls/transparent_painting.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"
#include "ui/foundation/version_info.h"

namespace ui {

namespace {

constexpr double kSettled = 0.000001;  // closer than this to the target counts as there
constexpr double kUnderway = 0.001;    // an easing is under way from this distance on
constexpr int kGlowHalf = 30;
constexpr std::uint8_t kGlowAlpha = 120;

}  // namespace

TVxSmoothProgressBar::TVxSmoothProgressBar(fw::TComponent* AOwner)
    : fw::TCustomControl(AOwner),
      easingTimer_(fw::Create<fw::TTimer>(this)),
      marqueeTimer_(fw::Create<fw::TTimer>(this)),
      appearance_(std::make_unique<TGDIPProgress>()) {
  SetDoubleBuffered(true);
  SetTabStop(true);
  easingTimer_->SetInterval(10);
  easingTimer_->OnTimer = [this](fw::TObject*) { EasingTick(); };
  marqueeTimer_->SetEnabled(false);
  marqueeTimer_->SetInterval(static_cast<unsigned>(marqueeInterval_));
  marqueeTimer_->OnTimer = [this](fw::TObject*) { MarqueeTick(); };
  appearance_->OnChange = [this](fw::TObject*) { Invalidate(); };
  appearance_->OnDrawValue = [this](fw::TObject* Sender, const std::string& Format, std::string& Text) {
    if (OnDrawValue) OnDrawValue(Sender, Format, Text);
  };
  SetBounds(Left(), Top(), 150, 17);
}

TVxSmoothProgressBar::~TVxSmoothProgressBar() = default;

void TVxSmoothProgressBar::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxSmoothProgressBar*>(Source);
  if (other == nullptr) {
    fw::TCustomControl::Assign(Source);
    return;
  }
  if (other == this) return;
  step_ = other->step_;
  minimum_ = other->minimum_;
  maximum_ = other->maximum_;
  position_ = other->position_;
  glowAnimation_ = other->glowAnimation_;
  progressAnimation_ = other->progressAnimation_;
  appearance_->Assign(other->appearance_.get());
  SetStyle(other->style_);
  SetMarqueeInterval(other->marqueeInterval_);
  marqueeColor_ = other->marqueeColor_;
  marqueeSize_ = other->marqueeSize_;
  direction_ = other->direction_;
  Invalidate();
}

void TVxSmoothProgressBar::ReportPosition() {
  if (OnPositionChanged) OnPositionChanged(this, position_);
}

void TVxSmoothProgressBar::SetPosition(double value) {
  const bool easing = EasingEnabled();
  const bool underway = easing && std::fabs(animated_ - target_) >= kUnderway;
  target_ = std::min(maximum_, std::max(value, minimum_));
  if (underway) {
    // A new position while easing: the display jumps to it; the next tick settles and reports it.
    position_ = animated_ = target_;
    Invalidate();
  }
  if (easing) {
    pending_ = true;
    return;
  }
  position_ = animated_ = target_;
  ReportPosition();
  Invalidate();
}

// A new range takes the requested position and the display into it at once, so Position never reads
// outside Minimum..Maximum.
void TVxSmoothProgressBar::SetMaximum(double value) {
  if (maximum_ == value) return;
  maximum_ = value;
  target_ = std::min(target_, value);
  position_ = animated_ = std::min(position_, value);
  Invalidate();
}

void TVxSmoothProgressBar::SetMinimum(double value) {
  if (minimum_ == value) return;
  minimum_ = value;
  target_ = std::max(target_, value);
  position_ = animated_ = std::max(position_, value);
  Invalidate();
}

void TVxSmoothProgressBar::SetProgressAnimation(bool value) {
  if (progressAnimation_ == value) return;
  progressAnimation_ = value;
  Invalidate();
  if (!value) SetPosition(target_);
}

void TVxSmoothProgressBar::SetAppearance(TGDIPProgress* value) {
  if (value != appearance_.get()) appearance_->Assign(value);
  Invalidate();
}

void TVxSmoothProgressBar::SetStyle(TProgressBarStyle value) {
  if (style_ == value) return;
  style_ = value;
  easingTimer_->SetEnabled(value == pbstNormal);
  marqueeTimer_->SetEnabled(value == pbstMarquee);
  Invalidate();
}

void TVxSmoothProgressBar::SetMarqueeInterval(int value) {
  if (marqueeInterval_ == value) return;
  marqueeInterval_ = value;
  marqueeTimer_->SetInterval(static_cast<unsigned>(std::max(value, 1)));
  Invalidate();
}

std::uint32_t TVxSmoothProgressBar::GetVersionNr() const { return MakeVersionNr(1, 7, 0, 0); }

// ---- timers ----

void TVxSmoothProgressBar::EasingTick() {
  if ((EasingEnabled() && pending_) || target_ != animated_) {
    const double gap = target_ - animated_;
    if (std::fabs(gap) < kSettled) {
      pending_ = false;
      animated_ = target_;
    } else {
      animated_ += std::copysign(std::max(std::fabs(gap) / 15, kSettled), gap);
    }
    position_ = animated_;
    ReportPosition();
    Invalidate();
  }
  if (position_ > minimum_ && GlowEnabled()) {
    if (glowDelay_ >= 1500) glowPosition_ += 3;
    const GpRectF filled = appearance_->CalculateProgressRect(BarRect(), direction_, minimum_, maximum_, position_);
    const double extent = direction_ == pbdHorizontal ? filled.Width : filled.Height;
    if (extent >= glowPosition_) {
      glowDelay_ += 10;
    } else {
      glowDelay_ = 0;
      glowPosition_ = -60;
    }
    Invalidate();
  }
}

void TVxSmoothProgressBar::MarqueeTick() {
  if (ComponentState().Contains(fw::csDestroying)) return;
  glowPosition_ += 8;
  const int across = direction_ == pbdHorizontal ? Width() : Height();
  if (glowPosition_ > 2 * marqueeSize_ + across) {
    glowDelay_ = 0;
    glowPosition_ = -2 * marqueeSize_;
  }
  Invalidate();
}

// ---- painting ----

void TVxSmoothProgressBar::Resize() {
  fw::TCustomControl::Resize();
  Invalidate();
}

void TVxSmoothProgressBar::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_PAINT: {
      TGDIPFill* back = appearance_->BackGroundFill();
      const bool opaque = !appearance_->Transparent() && back->Opacity() == 255 && back->OpacityTo() == 255 &&
                          back->OpacityMirror() == 255 && back->OpacityMirrorTo() == 255;
      if (!opaque && Parent() != nullptr) {
        PaintTransparently(this, Message, [this](fw::TMessage& m) { fw::TCustomControl::Dispatch(m); });
        return;
      }
      break;
    }
    default:
      break;
  }
  fw::TCustomControl::Dispatch(Message);
}

void TVxSmoothProgressBar::Paint() {
  TGPGraphics graphics(Canvas()->Handle());
  graphics.SetSmoothingMode(SmoothingModeAntiAlias);
  graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
  appearance_->Draw(&graphics, BarRect(), minimum_, maximum_, style_ == pbstMarquee ? 0 : position_, direction_);
  if ((GlowEnabled() && position_ > 0) || style_ == pbstMarquee) DrawGlow(&graphics);
}

void TVxSmoothProgressBar::DrawGlow(TGPGraphics* Graphics) {
  const bool marquee = style_ == pbstMarquee;
  const fw::TColor colour = marquee ? marqueeColor_ : fw::clWhite;
  const float half = static_cast<float>(marquee ? marqueeSize_ : kGlowHalf);
  std::unique_ptr<TGPRegion> clip;
  if (!marquee) {
    clip = std::make_unique<TGPRegion>(
        appearance_->CalculateProgressRect(BarRect(), direction_, minimum_, maximum_, position_));
    Graphics->SetClip(clip.get());
  }
  const GpRectF inner = appearance_->GetInsideRectF(BarRect());
  const float g = static_cast<float>(glowPosition_);
  const ARGB clear = MakeAlphaColor(0, colour);
  const ARGB glow = MakeAlphaColor(kGlowAlpha, colour);
  const auto band = [&](const GpRectF& r, ARGB from, ARGB to, LinearGradientMode mode) {
    const GpRectF grown = MakeRect(r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2);
    TGPLinearGradientBrush brush(grown, from, to, mode);
    Graphics->FillRectangle(&brush, r);
  };
  if (direction_ == pbdHorizontal) {
    band(MakeRect(g - half, inner.Y, half, inner.Height), clear, glow, LinearGradientModeHorizontal);
    band(MakeRect(g, inner.Y, half, inner.Height), glow, clear, LinearGradientModeHorizontal);
  } else {
    band(MakeRect(inner.X, inner.Height - g - half, inner.Width, half), clear, glow, LinearGradientModeVertical);
    band(MakeRect(inner.X, inner.Height - g, inner.Width, half), glow, clear, LinearGradientModeVertical);
  }
  if (clip) Graphics->ResetClip();
}

// ---- presets ----

void TVxSmoothProgressBar::ApplyStyle(int Style) {
  struct Preset {
    int style;
    fw::TColor back, backTo, backBorder, color, colorTo, mirror, mirrorTo, border;
  };
  constexpr fw::TColor N = fw::clNone;
  static const Preset presets[] = {
      {0, 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFCE1CB, 0xE0A57D, N, N, 0x962D00},
      {1, 0xE6D8D8, 0xE6D8D8, 0xC0C0C0, 0xECE2E1, 0xB39698, N, N, 0x947C7C},
      {2, 0xCFF0EA, 0xCFF0EA, 0xC0C0C0, 0xCFF0EA, 0x8CC0B1, N, N, 0x588060},
      {3, 0xF2F2F2, 0xF2F2F2, 0xC0C0C0, 0xFFFFFF, 0xC9D1D5, N, N, 0x808080},
      {4, 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFDBC0, 0xFFD1AD},
      {5, 0x5C534C, 0x5C534C, 0xC0C0C0, 0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB, 0x000000},
      {6, 0xB6B6B6, 0xB6B6B6, 0xC0C0C0, 0xFFFFFF, fw::clBtnFace, N, N, 0x000000},
      {7, 0xF5F9FA, 0xF5F9FA, 0xC0C0C0, 0xF5F9FA, 0xA8C0C0, N, N, 0x962D00},
      {9, 0xCAC1BA, 0xCAC1BA, 0xC0C0C0, 0xFAEEEB, 0xE5DBD7, 0xE2D8D4, 0xD1C7C5, 0x000000},
      {10, 0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFDF8F1, 0xFCEFD5, N, N, 0xFDDE99},
      {11, 0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFDFBFA, 0xFDF3EB, N, N, 0xFBD6B8},
      {12, fw::clBtnFace, fw::clBtnFace, 0x808080, 0xC0C0C0, 0xC0C0C0, N, N, 0x808080},
      {13, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xEDDBCD, N, N, N, 0x5B391E},
      {14, 0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0xEDE9E5, N, N, N, 0x7C6D66},
      {15, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x828282, N, N, N, 0x6D6D6D},
  };
  appearance_->SetOverlays(true);
  appearance_->SetShadows(true);
  SetGlowAnimation(true);
  TGDIPFill* back = appearance_->BackGroundFill();
  TGDIPFill* progress = appearance_->ProgressFill();
  for (const Preset& p : presets) {
    if (p.style != Style) continue;
    back->SetColor(p.back);
    back->SetColorTo(p.backTo);
    back->SetBorderColor(p.backBorder);
    progress->SetColor(p.color);
    progress->SetColorTo(p.colorTo);
    progress->SetColorMirror(p.mirror);
    progress->SetColorMirrorTo(p.mirrorTo);
    progress->SetBorderColor(p.border);
  }
  if (Style != 8 && Style != 12) progress->SetGradientMirrorType(gtVertical);
}

void TVxSmoothProgressBar::ApplyStyleColors(const TControlFaceColors& Colors) {
  appearance_->SetOverlays(false);
  appearance_->SetShadows(false);
  SetGlowAnimation(false);
  SetOneColour(appearance_->BackGroundFill(), Colors.HeaderFill, Colors.HeaderBorder);
  SetOneColour(appearance_->ProgressFill(), Colors.DownFill, Colors.DownBorder);
  appearance_->Font()->SetColor(Colors.DownText);
}

}  // namespace ui
