// TTimer ticks from every loop that pumps messages, keeps its first expiry when enabled again, and
// starts over when its interval changes.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

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
  // Handles messages as they arrive until done() holds; the bound only keeps a timer that never ticks from
  // hanging the suite.
  void PumpUntil(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < 20000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      App().ProcessMessages();
    }
  }
  // Starts `reference` with its interval when `trigger` first ticks, after running `change`; every later
  // tick of `timer` and `reference` is written to the order. Timers tick in the order they expire, so the
  // order shows when `timer` expires whatever the load on the machine.
  std::vector<TObject*> TickOrder(TTimer* timer, unsigned triggerInterval, const std::function<void()>& change,
                                  unsigned referenceInterval) {
    std::vector<TObject*> order;
    TTimer* trigger = MakeTimer(triggerInterval);
    TTimer* reference = nullptr;
    timer->OnTimer = [&](TObject* sender) { order.push_back(sender); };
    trigger->OnTimer = [&](TObject*) {
      trigger->SetEnabled(false);
      change();
      reference = MakeTimer(referenceInterval);
      reference->OnTimer = [&](TObject* sender) { order.push_back(sender); };
    };
    PumpUntil([&] { return !order.empty(); });
    // The handlers refer to this frame.
    for (TTimer* ticking : {timer, trigger, reference}) {
      if (ticking == nullptr) continue;
      ticking->SetEnabled(false);
      ticking->OnTimer = nullptr;
    }
    return order;
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
  PumpUntil([&] { return ticks > 0; });
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
  // Enabled again half-way: a kept expiry comes 150 ms before the reference, a restarted count 150 ms after.
  TTimer* timer = MakeTimer(600);
  const auto order = TickOrder(timer, 300, [&] { timer->SetEnabled(true); }, 450);
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.front(), timer);
}

TEST_F(TimerTest, ChangingTheIntervalStartsTheCountAgain) {
  // A new interval half-way: the restarted count ends 100 ms after the reference, the first one at least
  // 100 ms before it.
  TTimer* timer = MakeTimer(400);
  const auto order = TickOrder(timer, 200, [&] { timer->SetInterval(401); }, 300);
  ASSERT_FALSE(order.empty());
  EXPECT_NE(order.front(), timer);
}

TEST_F(TimerTest, DisabledTimerDoesNotTickEvenWithATickQueued) {
  TTimer* timer = MakeTimer(10);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  MSG due{};
  const DWORD start = GetTickCount();
  while (!PeekMessageA(&due, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE) && GetTickCount() - start < 20000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_TIMER);
  }
  ASSERT_EQ(due.message, static_cast<UINT>(WM_TIMER));
  timer->SetEnabled(false);
  App().ProcessMessages();
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(timer->Enabled());
}

}  // namespace
}  // namespace fw
