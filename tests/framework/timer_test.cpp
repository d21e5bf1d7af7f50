// TTimer ticks from every loop that pumps messages, keeps its first expiry when enabled again, and
// starts over when its interval changes.
#include <gtest/gtest.h>

#include "framework/messaging/timer.h"
#include "ui_test_support.h"

namespace fw {
namespace {

using testing::ApplicationTest;

class TimerTest : public ApplicationTest {
 protected:
  TTimer* MakeTimer(unsigned interval) {
    auto* timer = Create<TTimer>(&App());
    timer->SetInterval(interval);
    return timer;
  }
  // Pumps with ProcessMessages until the timer has ticked; returns the milliseconds from start.
  DWORD PumpUntilTick(const int& ticks, DWORD start) {
    while (ticks == 0 && GetTickCount() - start < 3000) {
      Sleep(5);
      App().ProcessMessages();
    }
    return GetTickCount() - start;
  }
};

TEST_F(TimerTest, TicksFromRun) {
  TForm* form = nullptr;
  App().CreateForm(form);
  App().SetShowMainForm(false);
  TTimer* timer = MakeTimer(20);
  int ticks = 0;
  timer->OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, timer);
    if (++ticks == 3) App().Terminate();
  };
  App().Run();
  EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, TicksFromProcessMessages) {
  TTimer* timer = MakeTimer(10);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  PumpUntilTick(ticks, GetTickCount());
  EXPECT_GE(ticks, 1);
}

TEST_F(TimerTest, TicksInsideAModalLoop) {
  TForm* main = nullptr;
  App().CreateForm(main);
  auto* dialog = Create<TForm>(&App());
  TTimer* timer = MakeTimer(20);
  timer->OnTimer = [&](TObject*) {
    if (dialog->Modal()) dialog->SetModalResult(mrOk);
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
}

TEST_F(TimerTest, EnablingARunningTimerKeepsItsFirstExpiry) {
  TTimer* timer = MakeTimer(600);
  const DWORD start = GetTickCount();
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  Sleep(300);
  timer->SetEnabled(true);
  const DWORD elapsed = PumpUntilTick(ticks, start);
  EXPECT_EQ(ticks, 1);
  EXPECT_GE(elapsed, 550u);
  EXPECT_LT(elapsed, 850u);  // a restart would have made it 900 or more
}

TEST_F(TimerTest, ChangingTheIntervalStartsTheCountAgain) {
  TTimer* timer = MakeTimer(400);
  const DWORD start = GetTickCount();
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  Sleep(200);
  timer->SetInterval(401);
  const DWORD elapsed = PumpUntilTick(ticks, start);
  EXPECT_EQ(ticks, 1);
  EXPECT_GE(elapsed, 560u);
}

TEST_F(TimerTest, DisabledTimerDoesNotTickEvenWithATickQueued) {
  TTimer* timer = MakeTimer(10);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  Sleep(50);  // a WM_TIMER is due now
  timer->SetEnabled(false);
  Sleep(30);
  App().ProcessMessages();
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(timer->Enabled());
}

}  // namespace
}  // namespace fw
