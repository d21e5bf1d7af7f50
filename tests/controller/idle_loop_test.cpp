// The idle pass on a fake clock: the activity flags, the blink phase, the aircraft's values, and the output
// passes' schedule, with the LED test dialog's 500 ms timer restarting both intervals while it is shown.
#include <vector>

#include "controller/aircraft/cockpit_state.h"
#include "controller/app/dialogs.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "framework/services/clock.h"
#include "main_form_fixture.h"

namespace trelvik::testing {
namespace {

class IdleLoopTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    aircraft::ResetCockpitState();
    form_ = MakeForm();
    testLed_ = fw::Create<TTestLED>(nullptr);
  }
  void TearDown() override {
    testLed_->Free();
    FreeForm(form_);
    aircraft::ResetCockpitState();
    MainFormTest::TearDown();
  }
  void At(std::uint32_t tick) { now_ = tick; }
  void TestLedTick() { testLed_->Timer1->OnTimer(testLed_->Timer1); }

  // Runs the idle pass every 10 ms over [from, to), the dialog's timer ticking at the given times; returns
  // when each pass ran (offset from `from`).
  struct Runs {
    std::vector<std::uint32_t> led, seg;
  };
  Runs Run(std::uint32_t from, std::uint32_t to, const std::vector<std::uint32_t>& dialogTicks) {
    Runs runs;
    for (std::uint32_t t = from; t != to; t += 10) {
      At(t);
      for (std::uint32_t tick : dialogTicks) {
        if (tick == t - from) TestLedTick();
      }
      const std::uint32_t led = form_->led_pass_tick, seg = form_->seg_pass_tick;
      form_->loop();
      if (form_->led_pass_tick != led) runs.led.push_back(t - from);
      if (form_->seg_pass_tick != seg) runs.seg.push_back(t - from);
    }
    return runs;
  }

  std::uint32_t now_ = 0;
  fw::ServiceDouble<std::uint32_t()> clock_{fw::TickCount, [this] { return now_; }};
  TZedArave* form_ = nullptr;
  TTestLED* testLed_ = nullptr;
};

TEST_F(IdleLoopTest, PassesRunOnTheirIntervalsAndTheShownTestDialogRestartsThem) {
  struct Case {
    bool dialogShown;
    std::int32_t ledInterval, segInterval;
    std::vector<std::uint32_t> dialogTicks;
    std::vector<std::uint32_t> led, seg;
  };
  const Case cases[] = {
      // Shown, the template's values, ticks exactly 500 ms apart.
      {true, 200, 250, {0, 500, 1000}, {200, 400, 700, 900, 1200, 1400}, {250, 750, 1250}},
      // Shown, the defaults: 500 ms or more runs only when a tick comes late.
      {true, 300, 500, {0, 500, 1000}, {300, 800, 1300}, {}},
      {true, 300, 500, {0, 500, 1100}, {300, 800, 1400}, {1000}},
      // Hidden (the rest of the run), the defaults: each pass keeps its own interval.
      {false, 300, 500, {0, 500, 1000}, {300, 600, 900, 1200}, {500, 1000}},
  };
  for (const Case& c : cases) {
    form_->settings().output_led_timer = c.ledInterval;
    form_->settings().output_7seg_timer = c.segInterval;
    testLed_->SetVisible(c.dialogShown);
    const std::uint32_t start = 100000 * (1 + static_cast<std::uint32_t>(&c - cases));
    form_->led_pass_tick = form_->seg_pass_tick = start;
    const Runs runs = Run(start, start + 1500, c.dialogTicks);
    EXPECT_EQ(runs.led, c.led) << c.ledInterval << (c.dialogShown ? " shown" : " hidden");
    EXPECT_EQ(runs.seg, c.seg) << c.segInterval << (c.dialogShown ? " shown" : " hidden");
  }
  testLed_->SetVisible(false);
}

TEST_F(IdleLoopTest, TickDifferencesHoldAcrossTheWrap) {
  form_->settings().output_led_timer = 200;
  form_->settings().output_7seg_timer = 250;
  const std::uint32_t start = 0xFFFFFF00u;  // wraps 256 ms in
  testLed_->SetVisible(true);
  const Runs runs = Run(start, start + 1000, {0, 500});
  testLed_->SetVisible(false);
  EXPECT_EQ(runs.led, (std::vector<std::uint32_t>{200, 400, 700, 900}));
  EXPECT_EQ(runs.seg, (std::vector<std::uint32_t>{250, 750}));
}

TEST_F(IdleLoopTest, ActivityFlagsClearInTheFirstPassMoreThan2000MsAfterTheirTick) {
  struct Flag {
    bool TZedArave::*flag;
    std::uint32_t TZedArave::*tick;
  };
  const Flag flags[] = {{&TZedArave::switch_activity, &TZedArave::switch_activity_tick},
                        {&TZedArave::output_suspended, &TZedArave::output_suspend_tick},
                        {&TZedArave::multicom_activity, &TZedArave::multicom_activity_tick}};
  for (const Flag& f : flags) {
    At(0xFFFFF000u);
    form_->*f.flag = true;
    form_->*f.tick = now_;
    At(now_ + 2000);
    form_->loop();
    EXPECT_TRUE(form_->*f.flag);
    At(now_ + 1);
    form_->loop();
    EXPECT_FALSE(form_->*f.flag);
    EXPECT_EQ(form_->*f.tick, now_);
  }
}

TEST_F(IdleLoopTest, BlinkPhaseTogglesAfterMoreThan300Ms) {
  At(50000);
  form_->blink_tick = now_;
  const std::uint8_t phase = form_->blink_phase;
  At(now_ + 300);
  form_->loop();
  EXPECT_EQ(form_->blink_phase, phase);
  At(now_ + 1);
  form_->loop();
  EXPECT_EQ(form_->blink_phase, 1 - phase);
  At(now_ + 301);
  form_->loop();
  EXPECT_EQ(form_->blink_phase, phase);
}

TEST_F(IdleLoopTest, AircraftValuesAreCopiedEveryPassAndTheDcLabelChangesOnlyWithTheLedPass) {
  ASSERT_TRUE(form_->Is777Selected());  // the settings template selects the 777
  form_->settings().output_led_timer = 200;
  At(1000);
  form_->led_pass_tick = now_;
  form_->loop();
  EXPECT_EQ(form_->Label181->Caption(), "DC Power : OFF");

  aircraft::AddonData777 area{};
  area[31] = 1;
  area[294] = 90;  // heading 90
  aircraft::StoreData777(area.data());
  At(now_ + 10);
  form_->loop();  // without SimConnect.dll no poll is made, but the values are copied
  EXPECT_EQ(form_->panel_state.aircraft_power, 1);
  EXPECT_EQ(form_->panel_state.mcp_heading, 90);
  EXPECT_EQ(form_->Label181->Caption(), "DC Power : OFF");
  At(1200);
  form_->loop();
  EXPECT_EQ(form_->Label181->Caption(), "DC Power : ON");
}

// The idle handler waits at most a millisecond for a message, then runs a pass, and goes on so while no
// message comes; the pass after the wait that reports one still runs, then the thread goes back to the
// queue, which is not looked at in between.
TEST_F(IdleLoopTest, IdleHandlerPassesAfterEachBoundedWaitUntilAMessageIsWaiting) {
  form_->InstallIdleLoop();
  ASSERT_TRUE(static_cast<bool>(App().OnIdle));
  At(70000);
  form_->blink_tick = now_;
  const int phase = form_->blink_phase;
  // Each wait notes the blink phase and lets more than 300 ms go by, so every pass turns the phase; the
  // third wait reports a message.
  std::vector<std::uint32_t> waits;
  std::vector<int> phases;
  const fw::ServiceDouble<bool(std::uint32_t)> wait{fw::WaitForMessageMs, [&](std::uint32_t ms) {
                                                      waits.push_back(ms);
                                                      phases.push_back(form_->blink_phase);
                                                      now_ += 301;
                                                      return waits.size() == 3;
                                                    }};
  bool done = true;
  App().OnIdle(&App(), done);
  EXPECT_EQ(waits, (std::vector<std::uint32_t>{1, 1, 1}));
  EXPECT_EQ(phases, (std::vector<int>{phase, 1 - phase, phase}));
  EXPECT_EQ(form_->blink_phase, 1 - phase);  // the third pass ran after the wait that ended the handler
  EXPECT_FALSE(done);  // the loop asks for the idle handler again once the queue is empty
}

TEST_F(IdleLoopTest, TheAssignmentsAreReloadedWhenTheReloadTriggerMovesToOrFrom89) {
  // Each reload reads the assignments file afresh; the captain's CDU role shows which reads happened.
  struct Step {
    std::uint8_t trigger;
    const char* role;  // what the file names when the pass runs
    const char* held;  // the role afterwards
  };
  const Step steps[] = {
      {89, "3302AAAA0001", "3302AAAA0001"},  // 0 to 89
      {89, "3302AAAA0002", "3302AAAA0001"},  // unchanged
      {5, "3302AAAA0003", "3302AAAA0003"},   // 89 to 5
      {6, "3302AAAA0004", "3302AAAA0003"},   // neither is 89
  };
  At(1000);
  for (const Step& step : steps) {
    folder_.Write("ASSIGNMENTS.INI", std::string("[CDU_ASSIGNMENTS]\r\nCPT=") + step.role + "\r\n");
    form_->panel_state.reload_trigger = step.trigger;
    At(now_ + 10);
    form_->loop();
    EXPECT_EQ(form_->cdu_cpt_board, step.held) << int{step.trigger} << " " << step.role;
  }
}

}  // namespace
}  // namespace trelvik::testing
