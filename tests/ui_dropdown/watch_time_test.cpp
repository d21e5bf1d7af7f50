// The watch's time: clicks on the ring, the face and the AM/PM box, the points that name a minute or an
// hour, the keys, the minute hand over 12 o'clock, sweeps and their OnChange, clock mode, the AM/PM
// slide, the cursor and the dialog code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "framework/services/clock.h"
#include "framework/services/cursorpos.h"
#include "tests/ui_dropdown/watch_test_support.h"

namespace ui {
namespace {

using testing::MemoryBitmap;
using testing::WatchTest;

class WatchTimeTest : public WatchTest {
 protected:
  // A watch at the time that sets the time at once (no sweeps), its OnChange count at 0.
  TVxWatch* DirectWatch(fw::TDateTime time) {
    TVxWatch* watch = MakeWatch();
    watch->SetAnimation(false);
    watch->SetTime(time);
    changes_ = 0;
    return watch;
  }
  static fw::TPoint BoxCentre(TVxWatch* watch) {
    const fw::TRect box = watch->GetAMPMRect();
    return fw::TPoint{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
  }
};

TEST_F(WatchTimeTest, ANewWatchShowsMidnightInTheMorningAtRest) {
  TVxWatch* watch = MakeWatch();
  EXPECT_EQ(watch->Width(), 180);
  EXPECT_EQ(watch->Height(), 180);
  EXPECT_EQ(watch->Time(), 0);
  EXPECT_TRUE(watch->IsAM());
  EXPECT_FALSE(watch->TickTimer()->Enabled());
  EXPECT_FALSE(watch->AnimationTimer()->Enabled());
  EXPECT_EQ(watch->TickTimer()->Interval(), 100u);
  EXPECT_EQ(watch->AnimationTimer()->Interval(), 1u);
  EXPECT_TRUE(watch->Animation());
  EXPECT_EQ(watch->AnimationFactor(), 10);
}

TEST_F(WatchTimeTest, TheRingSetsTheMinuteTheFaceTheHourAndTheBoxTheHalfOfTheDay) {
  TVxWatch* watch = DirectWatch(Clock(10, 20));
  Click(watch, Toward(90, 85));  // in the 10-pixel ring at 3 o'clock
  EXPECT_EQ(watch->Time(), Clock(10, 15));
  Click(watch, 3, 3);  // the client's corner is outside the face too: the minute at 45 degrees
  EXPECT_EQ(Minute(watch), 53);
  Click(watch, Toward(90, 40));  // on the face at 3 o'clock
  EXPECT_EQ(watch->Time(), Clock(3, 53));
  EXPECT_EQ(changes_, 3);

  Click(watch, BoxCentre(watch));
  EXPECT_EQ(watch->Time(), Clock(15, 53));
  EXPECT_FALSE(watch->IsAM());
  Click(watch, Toward(270, 40));  // an afternoon hour now
  EXPECT_EQ(watch->Time(), Clock(21, 53));
  Click(watch, BoxCentre(watch));
  EXPECT_EQ(watch->Time(), Clock(9, 53));
  EXPECT_TRUE(watch->IsAM());
  EXPECT_EQ(changes_, 6);

  // Clicking where the hand already is changes nothing; without the box its place belongs to the face.
  Click(watch, Toward(270, 40));
  EXPECT_EQ(changes_, 6);
  watch->SetShowAMPM(false);
  EXPECT_EQ(watch->GetAMPMRect(), fw::Rect(-1, -1, -1, -1));
  Click(watch, 90, 125);
  EXPECT_EQ(watch->Time(), Clock(6, 53));
}

TEST_F(WatchTimeTest, PointsNameTheMinuteAndTheHourOfTheHalfOfTheDayShown) {
  TVxWatch* watch = DirectWatch(Clock(1, 0));
  struct Case {
    double degrees;
    int minute, morning, afternoon;
  };
  const Case cases[] = {
      {0, 0, 0, 12},     {60, 10, 2, 14},    {90, 15, 3, 15},   {150, 25, 5, 17}, {180, 30, 6, 18},
      {240, 40, 8, 20},  {270, 45, 9, 21},   {330, 55, 11, 23},
      {4, 1, 0, 12},     {-4, 59, 0, 12},    {-8, 59, 0, 12},  // around the 12: no side flips the half
  };
  for (const Case& c : cases) {
    const fw::TPoint p = Toward(c.degrees, 60);
    watch->SetTime(Clock(1, 0));
    EXPECT_EQ(watch->MinuteAtPoint(p.X, p.Y), c.minute) << c.degrees;
    EXPECT_EQ(watch->HourAtPoint(p.X, p.Y), c.morning) << c.degrees;
    watch->SetTime(Clock(13, 0));
    EXPECT_EQ(watch->HourAtPoint(p.X, p.Y), c.afternoon) << c.degrees;
  }
}

TEST_F(WatchTimeTest, EveryKeyDoesItsStepAndOnlySetHourAndSetMinuteReport) {
  struct Case {
    fw::TDateTime from;
    std::uint8_t key;
    fw::TDateTime to;
    int changes;
  };
  const Case cases[] = {
      {Clock(10, 20), 'P', Clock(22, 20), 1},         {Clock(22, 20), 'A', Clock(10, 20), 1},
      {Clock(15, 0), 0x61, Clock(3, 0), 1},           {Clock(3, 0), 0x70, Clock(15, 0), 1},
      {Clock(10, 20), 'A', Clock(10, 20), 0},         {Clock(22, 20), 'P', Clock(22, 20), 0},
      {Clock(10, 20), VK_PRIOR, Clock(11, 20), 1},    {Clock(23, 20), VK_PRIOR, Clock(0, 20), 1},
      {Clock(10, 20), VK_NEXT, Clock(9, 20), 1},      {Clock(0, 20), VK_NEXT, Clock(23, 20), 1},
      {Clock(10, 20), VK_HOME, Clock(12, 20), 1},     {Clock(12, 20), VK_HOME, Clock(12, 20), 0},
      {Clock(10, 20), VK_END, Clock(10, 0), 1},       {Clock(10, 45), VK_END, Clock(11, 0), 1},
      {Clock(10, 20), VK_LEFT, Clock(10, 19), 1},     {Clock(10, 0, 30), VK_LEFT, Clock(9, 59, 30), 0},
      {Clock(0, 0), VK_LEFT, Clock(23, 59), 0},       {Clock(10, 20), VK_RIGHT, Clock(10, 21), 1},
      {Clock(10, 59), VK_RIGHT, Clock(11, 0), 1},     {Clock(23, 59, 5), VK_RIGHT, Clock(0, 0, 5), 1},
      {Clock(10, 20), VK_UP, Clock(10, 20), 0},
  };
  TVxWatch* watch = DirectWatch(0);
  for (const Case& c : cases) {
    watch->SetTime(c.from);
    changes_ = 0;
    watch->HandleKey(c.key);
    EXPECT_EQ(watch->Time(), c.to) << fw::TimeToStr(c.from) << " key " << int{c.key};
    EXPECT_EQ(changes_, c.changes) << fw::TimeToStr(c.from) << " key " << int{c.key};
    EXPECT_EQ(watch->IsAM(), Hour(watch) < 12);
  }
}

TEST_F(WatchTimeTest, WithSweepsOnHomeAndTheStepsOverMidnightStillJumpAtOnce) {
  TVxWatch* watch = MakeWatch();
  const struct {
    fw::TDateTime from;
    std::uint8_t key;
    fw::TDateTime to;
  } jumps[] = {{Clock(23, 5), VK_PRIOR, Clock(0, 5)}, {Clock(0, 5), VK_NEXT, Clock(23, 5)},
               {Clock(4, 5), VK_HOME, Clock(12, 5)}};
  for (const auto& jump : jumps) {
    watch->SetTime(jump.from);
    changes_ = 0;
    watch->HandleKey(jump.key);
    EXPECT_EQ(watch->Time(), jump.to);
    EXPECT_FALSE(watch->AnimationTimer()->Enabled());
    EXPECT_EQ(changes_, 1);
  }
  watch->SetTime(Clock(10, 5));
  watch->HandleKey(VK_PRIOR);  // inside the day the hand sweeps
  EXPECT_EQ(watch->Time(), Clock(10, 5));
  EXPECT_EQ(Sweep(watch), 2);
  EXPECT_EQ(watch->Time(), Clock(11, 5));
}

TEST_F(WatchTimeTest, KeyMessagesReachTheWatchOnlyThroughItsOwner) {
  TVxWatch* watch = DirectWatch(Clock(10, 20));
  SendMessageA(watch->Handle(), WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(watch->Time(), Clock(10, 20));
  watch->OnKeyDown = [watch](fw::TObject*, WORD& key, fw::TShiftState) { watch->HandleKey(static_cast<std::uint8_t>(key)); };
  SendMessageA(watch->Handle(), WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(watch->Time(), Clock(11, 20));
  EXPECT_EQ(changes_, 1);
}

TEST_F(WatchTimeTest, TheMinuteHandForwardOverTwelveAdvancesTheHourBackOverItKeepsIt) {
  TVxWatch* watch = DirectWatch(Clock(23, 50));
  Click(watch, Toward(0, 85));
  EXPECT_EQ(watch->Time(), Clock(0, 0));
  EXPECT_TRUE(watch->IsAM());
  watch->SetTime(Clock(10, 10));
  Click(watch, Toward(0, 85));
  EXPECT_EQ(watch->Time(), Clock(10, 0));

  // The same with the sweep: the hand runs forward from 50 over the 12, back from 10.
  watch->SetAnimation(true);
  watch->SetTime(Clock(10, 50));
  changes_ = 0;
  Click(watch, Toward(0, 85));
  EXPECT_EQ(watch->Time(), Clock(10, 50));
  std::vector<int> minutes;
  while (watch->AnimationTimer()->Enabled() && minutes.size() < 100) {
    SweepTick(watch);
    minutes.push_back(Minute(watch));
  }
  EXPECT_EQ(watch->Time(), Clock(11, 0));
  ASSERT_GE(minutes.size(), 3u);  // up to 59, then the step onto 0 and the tick that finds it there
  for (std::size_t i = 0; i + 3 < minutes.size(); ++i) EXPECT_GT(minutes[i + 1], minutes[i]);
  EXPECT_EQ(minutes[minutes.size() - 3], 59);
  EXPECT_EQ(changes_, 1);
  watch->SetTime(Clock(10, 10));
  Click(watch, Toward(0, 85));
  Sweep(watch);
  EXPECT_EQ(watch->Time(), Clock(10, 0));
  EXPECT_EQ(changes_, 2);
}

TEST_F(WatchTimeTest, SweepsStepByTheFactorAndReportOnceOnArrival) {
  TVxWatch* watch = MakeWatch();
  watch->SetTime(Clock(10, 0));
  watch->SetMinute(23);
  EXPECT_TRUE(watch->AnimationTimer()->Enabled());
  EXPECT_EQ(Minute(watch), 0);
  std::vector<int> steps;
  int previous = 0;
  while (Minute(watch) != 23 && steps.size() < 60) {
    SweepTick(watch);
    steps.push_back(Minute(watch) - previous);
    previous = Minute(watch);
    if (Minute(watch) != 23) {
      EXPECT_EQ(changes_, 0);
    }
  }
  ASSERT_GE(steps.size(), 7u);
  EXPECT_EQ(std::vector<int>(steps.begin(), steps.begin() + 7), (std::vector<int>{2, 2, 2, 2, 2, 1, 1}));
  EXPECT_EQ(changes_, 1);
  EXPECT_TRUE(watch->AnimationTimer()->Enabled());  // the next tick finds the hand there and stops
  SweepTick(watch);
  EXPECT_FALSE(watch->AnimationTimer()->Enabled());
  EXPECT_EQ(changes_, 1);

  // 25 minutes start with a step of 2 (2.5 rounds to even).
  watch->SetTime(Clock(10, 0));
  watch->SetMinute(25);
  SweepTick(watch);
  EXPECT_EQ(Minute(watch), 2);
  Sweep(watch);
  EXPECT_EQ(watch->Time(), Clock(10, 25));

  // A click at 3 o'clock at 10:20 in the morning: one hour a tick back to 3, one report as it gets there.
  watch->SetTime(Clock(10, 20));
  changes_ = 0;
  Click(watch, Toward(90, 40));
  std::vector<int> hours;
  std::vector<int> reports;
  while (watch->AnimationTimer()->Enabled() && hours.size() < 30) {
    SweepTick(watch);
    hours.push_back(Hour(watch));
    reports.push_back(changes_);
  }
  EXPECT_EQ(hours, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 3}));
  EXPECT_EQ(reports, (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 1}));
  EXPECT_EQ(watch->Time(), Clock(3, 20));
}

TEST_F(WatchTimeTest, AFactorBelowOneSweepsInOneStep) {
  for (const int factor : {0, -5, 1}) {
    TVxWatch* watch = MakeWatch();
    watch->SetAnimationFactor(factor);
    watch->SetTime(Clock(2, 0));
    changes_ = 0;
    watch->SetHour(9);
    SweepTick(watch);
    EXPECT_EQ(watch->Time(), Clock(9, 0)) << factor;
    EXPECT_EQ(changes_, 1) << factor;
    watch->SetMinute(40);
    SweepTick(watch);
    EXPECT_EQ(watch->Time(), Clock(9, 40)) << factor;
    EXPECT_EQ(Sweep(watch), 1) << factor;
  }
}

TEST_F(WatchTimeTest, ANewSweepReplacesTheRunningOne) {
  TVxWatch* watch = MakeWatch();
  watch->SetTime(Clock(4, 0));
  watch->SetMinute(30);
  SweepTick(watch);
  const int minute = Minute(watch);
  watch->SetHour(6);
  Sweep(watch);
  EXPECT_EQ(watch->Time(), Clock(6, minute));
  EXPECT_EQ(changes_, 1);
}

TEST_F(WatchTimeTest, EveryDirectChangeReportsOnceAndTheTimeSetterNever) {
  TVxWatch* watch = DirectWatch(0);
  watch->SetTime(Clock(14, 5));
  EXPECT_EQ(changes_, 0);
  EXPECT_FALSE(watch->IsAM());
  const struct {
    bool hour;
    std::uint8_t value;
    int changes;
  } steps[] = {{true, 5, 1}, {true, 7, 2}, {true, 7, 2}, {false, 30, 3}, {false, 31, 4}, {false, 31, 4}};
  for (const auto& step : steps) {
    if (step.hour) {
      watch->SetHour(step.value);
    } else {
      watch->SetMinute(step.value);
    }
    EXPECT_EQ(changes_, step.changes);
  }
  EXPECT_EQ(watch->Time(), Clock(7, 31));
  EXPECT_FALSE(watch->AnimationTimer()->Enabled());
}

TEST_F(WatchTimeTest, AMinuteOrHourOutOfRangeFailsBeforeAnythingChanges) {
  TVxWatch* watch = MakeWatch();
  watch->SetTime(Clock(8, 10));
  for (const std::uint8_t minute : {60, 61, 255}) {
    try {
      watch->SetMinute(minute);
      ADD_FAILURE() << "no error for minute " << int{minute};
    } catch (const fw::Exception& e) {
      EXPECT_EQ(e.Message(), "Invalid time");
    }
  }
  EXPECT_THROW(watch->SetHour(24), fw::Exception);
  EXPECT_EQ(watch->Time(), Clock(8, 10));
  EXPECT_FALSE(watch->AnimationTimer()->Enabled());
  EXPECT_EQ(changes_, 0);
}

TEST_F(WatchTimeTest, InClockModeTheWatchShowsNowPlusTheOffsetAndIgnoresInput) {
  fw::TDateTime now = fw::EncodeDate(2026, 3, 4) + Clock(15, 10, 20);
  const fw::ServiceDouble<fw::TDateTime()> clock(fw::Now, [&] { return now; });
  TVxWatch* watch = MakeWatch();
  watch->Settings()->SetTimeOffset(-30);
  EXPECT_FALSE(watch->TickTimer()->Enabled());
  watch->Settings()->SetAuto(true);
  EXPECT_TRUE(watch->TickTimer()->Enabled());
  EXPECT_NEAR(watch->Time(), Clock(15, 10, 20), 1e-9);  // the current time of day, without the offset
  EXPECT_FALSE(watch->IsAM());
  EXPECT_DOUBLE_EQ(watch->GetDisplayTime(), now - 30.0 / fw::MinsPerDay);

  changes_ = 0;
  const fw::TDateTime before = watch->Time();
  Click(watch, Toward(90, 40));
  Click(watch, Toward(90, 85));
  Click(watch, BoxCentre(watch));
  for (const std::uint8_t key : {std::uint8_t{'A'}, std::uint8_t{VK_PRIOR}, std::uint8_t{VK_HOME},
                                 std::uint8_t{VK_END}, std::uint8_t{VK_LEFT}, std::uint8_t{VK_RIGHT}}) {
    watch->HandleKey(key);
  }
  EXPECT_EQ(watch->Time(), before);
  EXPECT_EQ(changes_, 0);
  EXPECT_FALSE(watch->AnimationTimer()->Enabled());

  // Half past noon minus the offset is still morning: a tick follows the displayed half of the day.
  now = fw::EncodeDate(2026, 3, 4) + Clock(12, 20);
  watch->TickTimer()->OnTimer(watch->TickTimer());
  EXPECT_TRUE(watch->IsAM());
  watch->Settings()->SetAuto(false);
  EXPECT_FALSE(watch->TickTimer()->Enabled());
  EXPECT_EQ(watch->GetDisplayTime(), watch->Time());
}

TEST_F(WatchTimeTest, TheBoxSlidesAFramePerPixelOfItsHeightOnlyWithAnimationAndAFill) {
  std::vector<std::uint32_t> pauses;
  const fw::ServiceDouble<void(std::uint32_t)> sleep(fw::SleepMs, [&](std::uint32_t ms) { pauses.push_back(ms); });
  TVxWatch* watch = MakeWatch();
  Form()->Show();
  MemoryBitmap bitmap(180, 180);
  watch->PaintTo(bitmap.DC(), 0, 0);  // the face cache the slide runs over
  const int frames = watch->GetAMPMRect().Height() - 2;
  ASSERT_GT(frames, 0);

  Click(watch, BoxCentre(watch));
  EXPECT_EQ(pauses, std::vector<std::uint32_t>(static_cast<std::size_t>(frames), 10u));
  EXPECT_FALSE(watch->IsAM());
  EXPECT_EQ(watch->Time(), Clock(12, 0));
  EXPECT_EQ(changes_, 1);

  // No fill, no animation, or the half of the day changed by storing a time: no slide.
  pauses.clear();
  watch->Appearance()->SetAMPMColor(fw::clNone);
  Click(watch, BoxCentre(watch));
  watch->Appearance()->SetAMPMColor(fw::clWhite);
  watch->SetAnimation(false);
  Click(watch, BoxCentre(watch));
  watch->SetAnimation(true);
  watch->SetTime(Clock(1, 0));
  EXPECT_TRUE(pauses.empty());
  EXPECT_EQ(changes_, 3);
}

TEST_F(WatchTimeTest, TheHandCursorShowsOverTheBoxAndTheDialogCodeFollowsTabStop) {
  TVxWatch* watch = MakeWatch();
  POINT mouse{};
  const fw::ServiceDouble<POINT()> cursor(fw::CursorPos, [&] { return mouse; });
  const auto hover = [&](fw::TPoint p) {
    mouse = POINT{p.X, p.Y};
    ClientToScreen(watch->Handle(), &mouse);
    SendMessageA(watch->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(watch->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return watch->Cursor();
  };
  EXPECT_EQ(hover(BoxCentre(watch)), fw::crHandPoint);
  EXPECT_EQ(hover(Toward(90, 40)), fw::crDefault);
  watch->SetShowAMPM(false);
  EXPECT_EQ(hover(fw::TPoint{90, 125}), fw::crDefault);

  EXPECT_EQ(SendMessageA(watch->Handle(), WM_GETDLGCODE, 0, 0), 0);
  watch->SetTabStop(true);
  EXPECT_EQ(SendMessageA(watch->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTALLKEYS);
}

}  // namespace
}  // namespace ui
