#include "ui/foundation/gdip_progress.h"

#include <algorithm>

#include "framework/rtl/format.h"

namespace ui {

namespace {

// A band with a linear gradient from one colour to the other, its brush one pixel larger on every side.
void GradientBand(TGPGraphics* graphics, const GpRectF& band, ARGB from, ARGB to, LinearGradientMode mode) {
  TGPLinearGradientBrush brush(Enlarged(band), from, to, mode);
  graphics->FillRectangle(&brush, band);
}

bool HasBorder(TGDIPFill* fill) { return fill->BorderColor() != fw::clNone && fill->BorderWidth() != 0; }

}  // namespace

TGDIPProgress::TGDIPProgress()
    : backGroundFill_(fw::Create<TGDIPFill>()),
      progressFill_(fw::Create<TGDIPFill>()),
      font_(fw::Create<fw::TFont>()),
      progressFont_(fw::Create<fw::TFont>()) {
  font_->SetName("Tahoma");
  progressFont_->SetName("Tahoma");
  const auto changed = [this](fw::TObject*) { Changed(); };
  backGroundFill_->OnChange = changed;
  progressFill_->OnChange = changed;
  font_->OnChange = changed;
  progressFont_->OnChange = changed;
}

TGDIPProgress::~TGDIPProgress() {
  fw::FreeAndNil(progressFont_);
  fw::FreeAndNil(font_);
  fw::FreeAndNil(progressFill_);
  fw::FreeAndNil(backGroundFill_);
}

void TGDIPProgress::Assign(fw::TPersistent* Source) {
  auto* s = dynamic_cast<TGDIPProgress*>(Source);
  if (s == nullptr || s == this) return;
  backGroundFill_->Assign(s->backGroundFill_);
  progressFill_->Assign(s->progressFill_);
  valueFormat_ = s->valueFormat_;
  valueType_ = s->valueType_;
  valuePositionTop_ = s->valuePositionTop_;
  valuePositionLeft_ = s->valuePositionLeft_;
  valuePosition_ = s->valuePosition_;
  valueVisible_ = s->valueVisible_;
  font_->Assign(s->font_);
  transparent_ = s->transparent_;
  shadows_ = s->shadows_;
  overlays_ = s->overlays_;
}

GpRectF TGDIPProgress::GetInsideRectF(const fw::TRect& R) {
  fw::TRect ir{R.Left, R.Top, R.Right - 1, R.Bottom - 1};
  if (backGroundFill_->BorderColor() != fw::clNone) {
    const int width = backGroundFill_->BorderWidth();
    const int k = width == 1 ? 1 : (width + 1) / 2;
    ir = fw::TRect{ir.Left + k, ir.Top + k, ir.Right - k, ir.Bottom - k};
  }
  return MakeRect(static_cast<float>(ir.Left), static_cast<float>(ir.Top), static_cast<float>(ir.Right - ir.Left),
                  static_cast<float>(ir.Bottom - ir.Top));
}

GpRectF TGDIPProgress::CalculateProgressRect(const fw::TRect& R, TGDIPProgressDirection Direction, double Minimum,
                                             double Maximum, double Value) {
  const GpRectF ir = GetInsideRectF(R);
  const double bw = HasBorder(progressFill_) ? progressFill_->BorderWidth() : 0;
  const double range = Maximum - Minimum;
  auto partOf = [&](double length) { return range <= 0 ? 0.0 : std::min(length, (Value - Minimum) / range * length); };
  if (Direction == pbdHorizontal) {
    const double w = partOf(ir.Width - bw);
    return MakeRect(static_cast<float>(ir.X + bw / 2), static_cast<float>(ir.Y + bw / 2), static_cast<float>(w),
                    static_cast<float>(ir.Height - bw));
  }
  const double h = partOf(ir.Height - bw);
  return MakeRect(static_cast<float>(ir.X + bw / 2), static_cast<float>(ir.Y + ir.Height - bw / 2 - h),
                  static_cast<float>(ir.Width - bw), static_cast<float>(h));
}

void TGDIPProgress::Draw(TGPGraphics* Graphics, const fw::TRect& R, double Minimum, double Maximum, double Value,
                         TGDIPProgressDirection Direction) {
  const float width = static_cast<float>(R.Right - R.Left);
  const float height = static_cast<float>(R.Bottom - R.Top);
  const float left = static_cast<float>(R.Left), top = static_cast<float>(R.Top);
  const GpRectF back = HasBorder(backGroundFill_) ? MakeRect(left, top, width - 1, height - 1)
                                                  : MakeRect(left - 1, top - 1, width + 1, height + 1);
  if (!transparent_) backGroundFill_->Fill(Graphics, back);
  if (Value > Minimum) {
    const GpRectF part = CalculateProgressRect(R, Direction, Minimum, Maximum, Value);
    progressFill_->Fill(Graphics, part);
    if ((Direction == pbdHorizontal ? part.Width : part.Height) > 0) DrawShadows(Graphics, part, Direction);
  }
  if (!transparent_) DrawShadows(Graphics, GetInsideRectF(R), Direction);
  if (valueVisible_) DrawValue(Graphics, R, Minimum, Maximum, Value, Direction);
  if (!transparent_ && overlays_) DrawOverlays(Graphics, GetInsideRectF(R), Direction);
}

void TGDIPProgress::DrawShadows(TGPGraphics* Graphics, const GpRectF& P, TGDIPProgressDirection Direction) {
  if (!shadows_) return;
  const ARGB dark = MakeColor(30, 0, 0, 0);
  const ARGB clear = MakeColor(0, 0, 0, 0);
  if (Direction == pbdHorizontal) {
    GradientBand(Graphics, MakeRect(P.X, P.Y, 10, P.Height), dark, clear, LinearGradientModeHorizontal);
    GradientBand(Graphics, MakeRect(P.X + P.Width - 10, P.Y, 10, P.Height), clear, dark, LinearGradientModeHorizontal);
  } else {
    GradientBand(Graphics, MakeRect(P.X, P.Y, P.Width, 10), dark, clear, LinearGradientModeVertical);
    GradientBand(Graphics, MakeRect(P.X, P.Y + P.Height - 10, P.Width, 10), clear, dark, LinearGradientModeVertical);
  }
}

void TGDIPProgress::DrawOverlays(TGPGraphics* Graphics, const GpRectF& IR, TGDIPProgressDirection Direction) {
  const ARGB bright = MakeColor(180, 255, 255, 255);
  const ARGB clear = MakeColor(0, 255, 255, 255);
  const ARGB white = MakeColor(255, 255, 255, 255);
  if (Direction == pbdHorizontal) {
    GradientBand(Graphics, MakeRect(IR.X, IR.Y, IR.Width, IR.Height / 2.5f), bright, clear, LinearGradientModeVertical);
    const float low = IR.Height / 5;
    GradientBand(Graphics, MakeRect(IR.X, IR.Y + IR.Height - low, IR.Width, low), clear, white,
                 LinearGradientModeVertical);
  } else {
    GradientBand(Graphics, MakeRect(IR.X, IR.Y, IR.Width / 2.5f, IR.Height), bright, clear,
                 LinearGradientModeHorizontal);
    const float side = IR.Width / 5;
    GradientBand(Graphics, MakeRect(IR.X + IR.Width - side, IR.Y, side, IR.Height), clear, white,
                 LinearGradientModeHorizontal);
  }
}

std::string TGDIPProgress::ValueText(double Minimum, double Maximum, double Value) {
  Value = std::max(Minimum, std::min(Value, Maximum));
  double number = Value;
  if (valueType_ == vtPercentage) number = Minimum < Maximum ? (Value - Minimum) / (Maximum - Minimum) * 100 : Maximum;
  std::string text = fw::Format(valueFormat_, {number});
  if (OnDrawValue) OnDrawValue(this, valueFormat_, text);
  return text;
}

void TGDIPProgress::DrawValue(TGPGraphics* Graphics, const fw::TRect& R, double Minimum, double Maximum, double Value,
                              TGDIPProgressDirection Direction) {
  const std::wstring text = AnsiToWide(ValueText(Minimum, Maximum, Value));
  const GpRectF ir = GetInsideRectF(R);
  auto measureFont = CreateGPFont(font_, false);
  TGPStringFormat format;
  GpRectF box;
  int fitted = 0, lines = 0;
  Graphics->MeasureString(text, static_cast<int>(text.size()), measureFont.get(), ir, &format, box, fitted, lines);
  const float tw = box.Width, th = box.Height;
  const GpRectF p = CalculateProgressRect(R, Direction, Minimum, Maximum, Value);
  const float left = static_cast<float>(R.Left), top = static_cast<float>(R.Top);
  float x = 0, y = 0;
  bool onProgress = false;
  if (Direction == pbdHorizontal) {
    y = top + (ir.Height - th) / 2;
    switch (valuePosition_) {
      case vpProgressCenter: x = p.Width >= tw ? ir.X + (p.Width - tw) / 2 : ir.X; break;
      case vpProgressRight: x = p.Width >= tw ? ir.X + p.Width - tw : ir.X; break;
      case vpCenter: x = left + (ir.Width - tw) / 2; break;
      case vpLeft: x = ir.X; break;
      case vpRight: x = left + ir.Width - tw; break;
      case vpCustom:
        x = left + static_cast<float>(valuePositionLeft_);
        y = top + static_cast<float>(valuePositionTop_);
        break;
    }
    onProgress = p.X + p.Width > x + tw / 2;
  } else {
    x = left + (ir.Width - tw) / 2;
    const float innerBottom = ir.Y + ir.Height;
    switch (valuePosition_) {
      // On the part as drawn (it grows from the bottom): centred on it, or at its leading end (top); text
      // taller than the part sits at the bottom, where the part starts.
      case vpProgressCenter: y = th <= p.Height ? p.Y + (p.Height - th) / 2 : innerBottom - th; break;
      case vpProgressRight: y = th <= p.Height ? p.Y : innerBottom - th; break;
      case vpCenter: y = top + (ir.Height - th) / 2; break;
      case vpLeft: y = ir.Y; break;
      case vpRight: y = top + ir.Height - th; break;
      case vpCustom:
        y = top + static_cast<float>(valuePositionTop_);
        x = left + static_cast<float>(valuePositionLeft_);
        break;
    }
    // The part covers the middle of the text.
    onProgress = p.Height > 0 && p.Y <= y + th / 2;
  }
  fw::TFont* chosen = onProgress ? progressFont_ : font_;
  auto drawFont = CreateGPFont(chosen, false);
  TGPSolidBrush ink(ColorToARGB(chosen->Color()));
  Graphics->DrawStringAtPoint(text, static_cast<int>(text.size()), drawFont.get(), MakePointF(x, y), &format, &ink);
}

}  // namespace ui
