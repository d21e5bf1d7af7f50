// TVxSmoothProgressBar: a progress bar painted by the progress painter (TGDIPProgress) with a
// floating-point range. A new position is eased toward on the easing timer (each 10 ms tick covers a
// fifteenth of the remaining distance) while a soft white glow sweeps along the filled part; in the
// marquee style a coloured band runs endlessly across the bar instead. Position always reads inside
// Minimum..Maximum. Both timers are owned by the bar; their handlers are public so that tests drive them.
// GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/classes/events.h"
#include "framework/controls/custom_control.h"
#include "ui/foundation/control_style.h"
#include "ui/foundation/gdip_progress.h"
#include "ui/foundation/version_info.h"

namespace fw {
class TTimer;
}

namespace ui {

class TGPGraphics;

enum TProgressBarStyle { pbstNormal, pbstMarquee };

using TVxSmoothProgressBarPositionChanged = std::function<void(fw::TObject* Sender, double Value)>;

class TVxSmoothProgressBar : public fw::TCustomControl,
                             public IControlStyle,
                             public IControlFaceColors,
                             public TVersionedComponent {
 public:
  explicit TVxSmoothProgressBar(fw::TComponent* AOwner);
  ~TVxSmoothProgressBar() override;
  // Range, step, displayed position, animations, painter, style and marquee settings of another bar.
  void Assign(fw::TPersistent* Source) override;

  // The displayed position (it lags behind the last value set while easing).
  double Position() const { return position_; }
  // Clamps value to Minimum..Maximum; eased when easing is on, else shown at once with OnPositionChanged.
  void SetPosition(double value);
  double Minimum() const { return minimum_; }
  void SetMinimum(double value);
  double Maximum() const { return maximum_; }
  void SetMaximum(double value);
  double Step() const { return step_; }
  void SetStep(double value) { Update(step_, value); }
  void GoToMinimum() { SetPosition(minimum_); }
  // Adds Step to the last requested position (not to the displayed one).
  void StepIt() { SetPosition(target_ + step_); }

  bool GlowAnimation() const { return glowAnimation_; }
  void SetGlowAnimation(bool value) { Update(glowAnimation_, value); }
  bool ProgressAnimation() const { return progressAnimation_; }
  void SetProgressAnimation(bool value);
  TGDIPProgress* Appearance() const { return appearance_.get(); }
  void SetAppearance(TGDIPProgress* value);
  TProgressBarStyle Style() const { return style_; }
  void SetStyle(TProgressBarStyle value);
  int MarqueeInterval() const { return marqueeInterval_; }
  void SetMarqueeInterval(int value);
  fw::TColor MarqueeColor() const { return marqueeColor_; }
  void SetMarqueeColor(fw::TColor value) { Update(marqueeColor_, value); }
  int MarqueeSize() const { return marqueeSize_; }
  void SetMarqueeSize(int value) { Update(marqueeSize_, value); }
  TGDIPProgressDirection Direction() const { return direction_; }
  void SetDirection(TGDIPProgressDirection value) { Update(direction_, value); }

  std::uint32_t GetVersionNr() const override;

  // Style presets 0..15 and a colour record.
  void ApplyStyle(int Style);
  void ApplyStyleColors(const TControlFaceColors& Colors);
  void SetComponentStyle(int Style) override { ApplyStyle(Style); }
  void SetColors(const TControlFaceColors& Colors) override { ApplyStyleColors(Colors); }

  // The two 10 ms timers and what each tick does.
  fw::TTimer* EasingTimer() const { return easingTimer_; }
  fw::TTimer* MarqueeTimer() const { return marqueeTimer_; }
  void EasingTick();
  void MarqueeTick();
  // The glow's centre along the bar in pixels and its delay counter.
  double GlowPosition() const { return glowPosition_; }
  int GlowDelay() const { return glowDelay_; }
  // The last requested position, clamped to the range.
  double Target() const { return target_; }

  fw::TNotifyEvent OnChange;  // kept for the forms that store it; never raised
  TVxSmoothProgressBarPositionChanged OnPositionChanged;
  TGDIPProgressDrawValueEvent OnDrawValue;

 protected:
  void Paint() override;
  void Resize() override;
  void Dispatch(fw::TMessage& Message) override;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  bool Loading() const { return ComponentState().Contains(fw::csLoading); }
  bool EasingEnabled() const { return progressAnimation_ && !Loading(); }
  bool GlowEnabled() const { return glowAnimation_ && !Loading(); }
  fw::TRect BarRect() const { return fw::TRect{0, 0, Width(), Height()}; }
  void ReportPosition();
  void DrawGlow(TGPGraphics* Graphics);

  double target_ = 0;
  double animated_ = 0;
  bool pending_ = false;
  int glowDelay_ = 3000;
  double glowPosition_ = -40.0;
  fw::TTimer* easingTimer_;
  fw::TTimer* marqueeTimer_;
  double maximum_ = 100.0;
  std::unique_ptr<TGDIPProgress> appearance_;
  bool glowAnimation_ = true;
  double minimum_ = 0.0;
  bool progressAnimation_ = true;
  double step_ = 10.0;
  double position_ = 0;
  int marqueeInterval_ = 10;
  TProgressBarStyle style_ = pbstNormal;
  fw::TColor marqueeColor_ = 0x00FF00;
  int marqueeSize_ = 60;
  TGDIPProgressDirection direction_ = pbdHorizontal;
};

}  // namespace ui
