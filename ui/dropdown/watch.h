// TVxWatch: an analog clock face drawn with GDI+. It shows a settable time that the user changes by
// clicking on the face (the hour), in the ring around it (the minute) or on the AM/PM box (the half of
// the day), and by keys its owner forwards to HandleKey; hand moves can sweep (the animation timer, 1 ms)
// and the AM/PM text slides. With Settings()->Auto() it runs as a clock instead (the tick timer, 100 ms).
//
// The face, marks, numbers and AM/PM box are drawn only by a full paint, into the face cache; a time
// change or a clock tick draws the hands over a copy of the cache and puts that on the window.
//
// Every change of the hour or the minute made through SetHour or SetMinute fires OnChange once: at once
// when it is made without animation, on arrival when the hand sweeps (its steps fire nothing). Setting
// Time fires nothing. GUI thread only; both timers are owned by the watch, and their handlers
// (UpdateHands, AnimationTick) are public so that tests drive them.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/classes/events.h"
#include "framework/controls/custom_control.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/datetime.h"
#include "ui/dropdown/watch_appearance.h"
#include "ui/foundation/control_style.h"

namespace fw {
class TTimer;
}

namespace ui {

class TGPGraphics;

class TVxWatch : public fw::TCustomControl, public IControlStyle {
 public:
  explicit TVxWatch(fw::TComponent* AOwner);
  ~TVxWatch() override;

  // Hand moves sweep and the AM/PM switch slides.
  bool Animation() const { return animation_; }
  void SetAnimation(bool value) { animation_ = value; }
  // Each sweep step covers 1/AnimationFactor of the remaining distance (at least one unit); a factor
  // below 1 counts as 1.
  int AnimationFactor() const { return animationFactor_; }
  void SetAnimationFactor(int value) { animationFactor_ = value; }
  TWatchAppearance* Appearance() const { return appearance_.get(); }
  void SetAppearance(TWatchAppearance* value);
  TWatchSettings* Settings() const { return settings_.get(); }
  void SetSettings(TWatchSettings* value);
  // The settable time (only its time of day counts). Setting it redraws the hands at once, without
  // sweeping and without OnChange.
  fw::TDateTime Time() const { return time_; }
  void SetTime(fw::TDateTime value);
  bool ShowAMPM() const { return showAMPM_; }
  void SetShowAMPM(bool value);
  bool ShowNumbers() const { return showNumbers_; }
  void SetShowNumbers(bool value);
  // A look (watch_styles.cpp): a new value resets the appearance to its defaults, an earlier Size and
  // Picture included, applies the look and sets ShowAMPM and ShowNumbers; the stored value changes nothing.
  TWatchStyle Style() const { return style_; }
  void SetStyle(TWatchStyle value);
  // The morning half of the day: the box shows "AM" and a click on the face picks a morning hour.
  bool IsAM() const { return isAM_; }

  // The keyboard (a virtual-key code): A and P switch the half of the day, Page Up/Down step the hour,
  // Home sets 12, End the full hour, Left and Right step the minute. Nothing in clock mode.
  void HandleKey(std::uint8_t Key);

  // A colour set 0-15 of the toolkit's style interface, applied to Appearance (ApplyWatchColorSet).
  void ApplyStyle(int Style);
  void SetComponentStyle(int Style) override { ApplyStyle(Style); }

  // Geometry, all from the client rectangle.
  fw::TRect GetFaceRect();
  fw::TPoint GetCenter();
  int GetRadius();
  // Below the centre, as wide as "AM" in AMPMFont plus 8; (-1, -1, -1, -1) without the box.
  fw::TRect GetAMPMRect();
  // Time, or in clock mode the local time plus TimeOffset minutes.
  fw::TDateTime GetDisplayTime();
  // The minute (0-59) and the hour (0-23, in the half of the day shown) that a point points at.
  int MinuteAtPoint(int X, int Y);
  int HourAtPoint(int X, int Y);

  // Set the hour (0-23) or the minute (0-59) of the displayed time, sweeping when Animation is on. A
  // minute of 60 or more, or an hour above 23, raises "Invalid time" and changes nothing. A minute hand
  // that reaches 0 forward over 12 o'clock (from above 30) advances the hour.
  void SetHour(std::uint8_t Hour);
  void SetMinute(std::uint8_t Minute);

  // The full paint (face into the cache, then the hands), the hands alone over the cached face, and one
  // step of a sweep.
  void DrawAll();
  void UpdateHands();
  void AnimationTick();

  fw::TTimer* TickTimer() const { return tickTimer_; }
  fw::TTimer* AnimationTimer() const { return animationTimer_; }

  fw::TNotifyEvent OnChange;

 protected:
  void Paint() override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void Dispatch(fw::TMessage& Message) override;

 private:
  bool Loading() const;
  int Factor() const { return animationFactor_ < 1 ? 1 : animationFactor_; }
  void StoreTime(fw::TDateTime T);
  void SetAM(bool Value);
  void SettingsChanged();
  // Fires OnChange for a value set without sweeping, except for the steps of a sweep short of its target.
  void Report(int Value, int Target);
  // In clock mode the half of the day follows the displayed time (a full repaint when it changes).
  void FollowClockHalf();
  bool ClockShowsMorning();
  void AnimationStepHour(int h);
  void AnimationStepMinute(int m);

  void DrawFace(TGPGraphics& Graphics, const fw::TRect& R);
  void DrawTicks(TGPGraphics& Graphics);
  void DrawNumbers(fw::TCanvas* Canvas);
  void DrawAMPM(fw::TCanvas* Canvas);
  void DrawPointers(TGPGraphics& Graphics);
  void DrawCenterDisc(TGPGraphics& Graphics, float cx, float cy);
  // The face cache and the hands drawn over it into the DC, the hands on a GDI+ surface of their own.
  void DrawHandsOverCache(HDC DC);
  void PlaySlide(bool Morning);
  // The frame of the AM/PM box in AMPMBorderColor (none when clNone), filled with Brush's colour.
  void DrawAMPMFrame(fw::TCanvas* Canvas, const fw::TRect& R, fw::TColor Fill);
  // The control canvas's DC for drawing outside a paint (null without a window); released afterwards
  // unless the canvas was already drawing.
  template <class Draw>
  void DrawOnWindow(Draw&& draw);

  bool animation_ = true;
  int animationFactor_ = 10;
  std::unique_ptr<TWatchAppearance> appearance_;
  std::unique_ptr<TWatchSettings> settings_;
  fw::TDateTime time_ = 0;
  bool showAMPM_ = true;
  bool showNumbers_ = true;
  TWatchStyle style_ = wsClassic;
  bool isAM_ = true;
  int hourTarget_ = 0;
  int minuteTarget_ = 0;
  int minuteFrom_ = 0;
  bool movingHour_ = false;
  bool internalCall_ = false;
  bool internalSet_ = false;
  bool stepping_ = false;
  bool painting_ = false;
  std::unique_ptr<fw::TBitmap> cache_;
  // The frame the hands are drawn on over a copy of the cache before it goes to the window.
  std::unique_ptr<fw::TBitmap> frame_;
  fw::TTimer* tickTimer_;
  fw::TTimer* animationTimer_;
};

}  // namespace ui
