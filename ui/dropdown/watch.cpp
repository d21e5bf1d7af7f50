#include "ui/dropdown/watch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "framework/messaging/timer.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/clock.h"
#include "framework/services/cursorpos.h"
#include "framework/graphics/gdi_handles.h"
#include "ui/dropdown/flag_scope.h"
#include "ui/dropdown/watch_drawing.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

namespace {

constexpr unsigned kClockInterval = 100;
constexpr unsigned kSweepInterval = 1;
constexpr LRESULT kWantArrowsAndAllKeys = DLGC_WANTARROWS | DLGC_WANTALLKEYS;

struct TimeParts {
  int h, m, s, ms;
};

TimeParts Split(fw::TDateTime T) {
  std::uint16_t h = 0, m = 0, s = 0, ms = 0;
  fw::DecodeTime(T, h, m, s, ms);
  return TimeParts{h, m, s, ms};
}

}  // namespace

TVxWatch::TVxWatch(fw::TComponent* AOwner)
    : fw::TCustomControl(AOwner),
      appearance_(std::make_unique<TWatchAppearance>()),
      settings_(std::make_unique<TWatchSettings>()),
      cache_(std::make_unique<fw::TBitmap>()),
      frame_(std::make_unique<fw::TBitmap>()),
      tickTimer_(fw::Create<fw::TTimer>(this)),
      animationTimer_(fw::Create<fw::TTimer>(this)) {
  tickTimer_->SetEnabled(false);
  tickTimer_->SetInterval(kClockInterval);
  tickTimer_->OnTimer = [this](fw::TObject*) { UpdateHands(); };
  animationTimer_->SetEnabled(false);
  animationTimer_->SetInterval(kSweepInterval);
  animationTimer_->OnTimer = [this](fw::TObject*) { AnimationTick(); };
  appearance_->OnChange = [this](TWatchAppearance*) { Invalidate(); };
  settings_->OnChange = [this](TWatchSettings*) { SettingsChanged(); };
  SetBounds(Left(), Top(), 180, 180);
}

TVxWatch::~TVxWatch() {
  tickTimer_->SetEnabled(false);
  animationTimer_->SetEnabled(false);
  tickTimer_->OnTimer = nullptr;
  animationTimer_->OnTimer = nullptr;
  appearance_->OnChange = nullptr;
  settings_->OnChange = nullptr;
}

bool TVxWatch::Loading() const {
  return ComponentState().Contains(fw::csLoading) || ComponentState().Contains(fw::csDesigning);
}

// ---- properties ----

void TVxWatch::SetAppearance(TWatchAppearance* value) {
  if (value == appearance_.get()) return;
  appearance_->Assign(value);
  Invalidate();
}

void TVxWatch::SetSettings(TWatchSettings* value) {
  if (value != settings_.get()) settings_->Assign(value);
}

void TVxWatch::SetTime(fw::TDateTime value) {
  if (value == time_) return;
  StoreTime(value);
  UpdateHands();
}

void TVxWatch::SetShowAMPM(bool value) {
  if (showAMPM_ == value) return;
  showAMPM_ = value;
  Invalidate();
}

void TVxWatch::SetShowNumbers(bool value) {
  if (showNumbers_ == value) return;
  showNumbers_ = value;
  Invalidate();
}

// ---- geometry ----

fw::TRect TVxWatch::GetFaceRect() {
  const fw::TRect client = ClientRect();
  const int W = client.Width();
  const int H = client.Height();
  const int size = appearance_->Size();
  // A control too small for the margin gets an empty face rather than an inverted one.
  const int side = std::max(0, size > 0 ? std::min(size, std::min(H, W)) : std::min(W, H) - 20);
  fw::TRect face;
  face.Left = client.Left + (W - side) / 2;
  face.Top = client.Top + (H - side) / 2;
  face.Right = face.Left + side;
  face.Bottom = face.Top + side;
  return face;
}

fw::TPoint TVxWatch::GetCenter() {
  const fw::TRect face = GetFaceRect();
  return fw::TPoint{face.Left + face.Width() / 2, face.Top + face.Height() / 2};
}

int TVxWatch::GetRadius() { return GetFaceRect().Width() / 2; }

fw::TRect TVxWatch::GetAMPMRect() {
  if (!showAMPM_) return fw::TRect{-1, -1, -1, -1};
  fw::MemoryDC dc;
  const fw::SelectedObject font(dc.Get(), appearance_->AMPMFont()->Handle());
  RECT measured{0, 0, 200, 200};
  DrawTextA(dc.Get(), "AM", -1, &measured, DT_CALCRECT);
  const int w = measured.right - measured.left;
  const int h = measured.bottom - measured.top;
  const fw::TPoint c = GetCenter();
  const int r = GetRadius();
  const int width = w + 8;
  fw::TRect box;
  box.Left = c.X - width / 2;
  box.Top = c.Y + RoundToInt((r - h) / 3.0);
  box.Right = box.Left + width;
  box.Bottom = box.Top + h;
  return box;
}

fw::TDateTime TVxWatch::GetDisplayTime() {
  if (settings_->Auto()) return fw::Now() + settings_->TimeOffset() / static_cast<double>(fw::MinsPerDay);
  return time_;
}

int TVxWatch::MinuteAtPoint(int X, int Y) {
  const fw::TPoint c = GetCenter();
  double dy = std::fabs(static_cast<double>(c.Y - Y));
  double dx = std::fabs(static_cast<double>(c.X - X));
  if (dy == 0) dy = 1.0;
  if (dx == 0) dx = 1.0;
  const int e = RoundToInt(std::atan(dy / dx) * 180 / std::numbers::pi / 6);
  int minute = 0;
  if (X >= c.X && Y >= c.Y) {
    minute = 15 + e;
  } else if (X <= c.X && Y >= c.Y) {
    minute = 45 - e;
  } else if (X <= c.X && Y <= c.Y) {
    minute = 45 + e;
  } else {
    minute = 15 - e;
  }
  return minute < 0 || minute > 59 ? 0 : minute;
}

// The 12 counts as 0 from both sides, so a click near it keeps the half of the day shown.
int TVxWatch::HourAtPoint(int X, int Y) {
  const int c = RoundToInt(MinuteAtPoint(X, Y) / 5.0) % 12;
  if (c <= 0) return isAM_ ? 0 : 12;
  return isAM_ ? c : c + 12;
}

// ---- setting the time ----

void TVxWatch::StoreTime(fw::TDateTime T) {
  if (T == time_) return;
  time_ = T;
  const FlagScope set(internalSet_);
  SetAM(Split(T).h < 12);
}

void TVxWatch::SetAM(bool Value) {
  if (isAM_ == Value) return;
  isAM_ = Value;
  if (animation_ && showAMPM_ && appearance_->AMPMColor() != fw::clNone && !internalSet_) PlaySlide(Value);
  DrawAll();
}

void TVxWatch::Report(int Value, int Target) {
  if (stepping_ && Value != Target) return;
  if (OnChange) OnChange(this);
}

void TVxWatch::SetHour(std::uint8_t Hour) {
  if (Hour > 23) throw fw::Exception("Invalid time");
  const TimeParts t = Split(GetDisplayTime());
  if (Hour == t.h) return;
  if (animation_ && !internalCall_ && !Loading()) {
    hourTarget_ = Hour;
    movingHour_ = true;
    animationTimer_->SetEnabled(true);
    return;
  }
  StoreTime(fw::EncodeTime(Hour, t.m, t.s, t.ms));
  UpdateHands();
  Report(Hour, hourTarget_);
}

void TVxWatch::SetMinute(std::uint8_t Minute) {
  if (Minute >= 60) throw fw::Exception("Invalid time");
  const TimeParts t = Split(GetDisplayTime());
  if (Minute == t.m) return;
  if (animation_ && !internalCall_ && !Loading()) {
    minuteTarget_ = Minute;
    movingHour_ = false;
    minuteFrom_ = t.m;
    animationTimer_->SetEnabled(true);
    return;
  }
  if (!animation_) minuteFrom_ = t.m;
  int hour = t.h;
  if (Minute == 0 && minuteFrom_ > 30) {
    // Forward over 12 o'clock: the next hour.
    hour = (hour + 1) % 24;
    minuteFrom_ = 0;
  }
  StoreTime(fw::EncodeTime(hour, Minute, t.s, t.ms));
  UpdateHands();
  Report(Minute, minuteTarget_);
}

void TVxWatch::AnimationTick() {
  if (!animation_ || Loading()) return;
  const TimeParts t = Split(GetDisplayTime());
  if (movingHour_) {
    AnimationStepHour(t.h);
  } else {
    AnimationStepMinute(t.m);
  }
}

void TVxWatch::AnimationStepHour(int h) {
  const int distance = std::abs(hourTarget_ - h);
  if (distance == 0) {
    const FlagScope call(internalCall_);
    SetHour(static_cast<std::uint8_t>(hourTarget_));
    animationTimer_->SetEnabled(false);
    return;
  }
  const int step = std::max(1, RoundToInt(static_cast<double>(distance) / Factor()));
  const int next = h < hourTarget_ ? h + step : h - step;
  const FlagScope call(internalCall_);
  const FlagScope stepping(stepping_);
  SetHour(static_cast<std::uint8_t>(next));
}

void TVxWatch::AnimationStepMinute(int m) {
  // Towards 0 from above 30 the hand goes on forward over 12 o'clock.
  const bool overTwelve = minuteTarget_ == 0 && m > 30;
  const int to = overTwelve ? 60 : minuteTarget_;
  const int distance = std::abs(to - m);
  if (distance == 0) {
    const FlagScope call(internalCall_);
    SetMinute(static_cast<std::uint8_t>(minuteTarget_));
    animationTimer_->SetEnabled(false);
    return;
  }
  const int step = std::max(1, RoundToInt(static_cast<double>(distance) / Factor()));
  int next = m < minuteTarget_ || overTwelve ? m + step : m - step;
  if (next > 59 || next < 0) next = 0;
  const FlagScope call(internalCall_);
  const FlagScope stepping(stepping_);
  SetMinute(static_cast<std::uint8_t>(next));
}

// ---- user input ----

void TVxWatch::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseUp(Button, Shift, X, Y);
  if (settings_->Auto()) return;
  const fw::TRect face = GetFaceRect();
  if (!PointInFaceEllipse(fw::TPoint{X, Y}, face.Left, face.Top, face.Right, face.Bottom)) {
    SetMinute(static_cast<std::uint8_t>(MinuteAtPoint(X, Y)));
    return;
  }
  if (GetAMPMRect().Contains(fw::TPoint{X, Y})) {
    if (animation_) SetAM(!isAM_);
    const FlagScope call(internalCall_);
    const int h = Split(time_).h;
    hourTarget_ = h < 12 ? h + 12 : h - 12;
    SetHour(static_cast<std::uint8_t>(hourTarget_));
    return;
  }
  SetHour(static_cast<std::uint8_t>(HourAtPoint(X, Y)));
}

void TVxWatch::HandleKey(std::uint8_t Key) {
  if (settings_->Auto()) return;
  const TimeParts t = Split(GetDisplayTime());
  const int h = t.h;
  const int m = t.m;
  if ((Key == 0x41 || Key == 0x61) && h >= 12) SetHour(static_cast<std::uint8_t>(h - 12));
  if ((Key == 0x50 || Key == 0x70) && h < 12) SetHour(static_cast<std::uint8_t>(h + 12));
  // An hour up or down; over midnight the hour wraps at once, without a sweep.
  const auto stepHour = [this](int next) {
    if (next >= 0 && next <= 23) {
      SetHour(static_cast<std::uint8_t>(next));
      return;
    }
    const FlagScope call(internalCall_);
    SetHour(static_cast<std::uint8_t>((next + 24) % 24));
  };
  switch (Key) {
    case VK_PRIOR:
      stepHour(h + 1);
      break;
    case VK_NEXT:
      stepHour(h - 1);
      break;
    case VK_HOME: {
      const FlagScope call(internalCall_);
      SetHour(12);
      break;
    }
    case VK_END:
      SetMinute(0);
      break;
    case VK_LEFT:
      if (m > 0) {
        SetMinute(static_cast<std::uint8_t>(m - 1));
      } else {
        SetTime(fw::EncodeTime(h == 0 ? 23 : h - 1, 59, t.s, t.ms));
      }
      break;
    case VK_RIGHT:
      SetMinute(static_cast<std::uint8_t>(m < 59 ? m + 1 : 0));
      break;
    default:
      break;
  }
}

// ---- clock mode ----

void TVxWatch::SettingsChanged() {
  const bool running = settings_->Auto();
  tickTimer_->SetEnabled(running);
  if (running) {
    const fw::TDateTime now = fw::Now();
    SetTime(now - std::floor(now));
    const FlagScope set(internalSet_);
    SetAM(Split(now).h < 12);
  }
  Invalidate();
}

bool TVxWatch::ClockShowsMorning() { return Split(GetDisplayTime()).h < 12; }

void TVxWatch::FollowClockHalf() {
  if (!settings_->Auto()) return;
  const FlagScope set(internalSet_);
  SetAM(ClockShowsMorning());
}

// ---- messages ----

void TVxWatch::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETCURSOR:
      if (!ComponentState().Contains(fw::csDesigning) && HandleAllocated()) {
        POINT p = fw::CursorPos();
        ::ScreenToClient(Handle(), &p);
        SetCursor(GetAMPMRect().Contains(fw::TPoint{p.x, p.y}) ? fw::crHandPoint : fw::crDefault);
      }
      break;
    case WM_GETDLGCODE:
      Message.Result = TabStop() ? kWantArrowsAndAllKeys : 0;
      return;
    default:
      break;
  }
  fw::TCustomControl::Dispatch(Message);
}

void TVxWatch::Paint() {
  const FlagScope painting(painting_);
  fw::TCustomControl::Paint();
  DrawAll();
}

}  // namespace ui
