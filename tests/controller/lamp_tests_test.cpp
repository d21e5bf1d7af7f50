// The lamp tests over the board slots: every bound board, the relay boards left out, the reset of every LED
// range, and a family's flash ending with that reset.
#include <cstring>

#include "framework/messaging/timer.h"
#include "main_form_fixture.h"

namespace trelvik::testing {
namespace {

class LampTestsTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    form_ = MakeForm();
    Boards().calls.clear();
  }
  void TearDown() override {
    FreeForm(form_);
    MainFormTest::TearDown();
  }
  void Slot(int slot, std::int32_t session, const char* model, std::int32_t firstLed, std::int32_t lastLed) {
    form_->board_table[static_cast<std::size_t>(slot)].session = session;
    BoardInfo& info = form_->board_info[static_cast<std::size_t>(slot)];
    std::memset(&info, 0, sizeof info);
    std::memcpy(info.model, model, 4);
    info.ledCount = lastLed >= firstLed && lastLed > 0 ? lastLed - firstLed + 1 : 0;
    info.firstLed = firstLed;
    info.lastLed = lastLed;
  }
  std::vector<std::string> Calls() {
    std::vector<std::string> calls = Boards().calls;
    Boards().calls.clear();
    return calls;
  }
  TZedArave* form_ = nullptr;
};

TEST_F(LampTestsTest, LightTestReachesEveryBoundBoardEvenWhileOutputIsSuspended) {
  Slot(1, 101, "330A", 1, 8);
  Slot(2, 0, "330B", 1, 8);  // not bound
  Slot(3, 103, "4107", 1, 8);
  Slot(50, 150, "4109", 0, 0);
  form_->output_suspended = true;
  form_->light_test(1);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"LED_Test(101,1)", "LED_Test(103,1)", "LED_Test(150,1)"}));
  form_->light_test2(0);
  EXPECT_EQ(Calls(), std::vector<std::string>{"LED_Test(101,0)"});  // no relay boards
}

TEST_F(LampTestsTest, ResetEndsTheTestAndSwitchesEveryLedOfEachRangeOff) {
  Slot(1, 101, "330A", 1, 256);
  Slot(2, 102, "3302", 0, 0);  // no LEDs: skipped
  Slot(3, 103, "330B", 5, 7);
  form_->reset_all_LEDs();
  const std::vector<std::string> calls = Calls();
  ASSERT_EQ(calls.size(), 1u + 256u + 1u + 3u);
  EXPECT_EQ(calls[0], "LED_Test(101,0)");
  EXPECT_EQ(calls[1], "LED_Set(101,1,0)");
  EXPECT_EQ(calls[256], "LED_Set(101,256,0)");
  EXPECT_EQ(std::vector<std::string>(calls.begin() + 257, calls.end()),
            (std::vector<std::string>{"LED_Test(103,0)", "LED_Set(103,5,0)", "LED_Set(103,6,0)", "LED_Set(103,7,0)"}));

  // While output is suspended the single offs are dropped; the lamp test still ends.
  form_->output_suspended = true;
  form_->reset_all_LEDs();
  EXPECT_EQ(Calls(), (std::vector<std::string>{"LED_Test(101,0)", "LED_Test(103,0)"}));
}

TEST_F(LampTestsTest, AFaultingWriteIsDroppedAndTheResetGoesOn) {
  Slot(1, 101, "330A", 1, 2);
  Slot(2, 102, "330B", 1, 2);
  Boards().faultOnLedSet = true;  // an access fault inside the library, swallowed by the guarded write
  form_->reset_all_LEDs();
  EXPECT_EQ(Calls(), (std::vector<std::string>{"LED_Test(101,0)", "LED_Set(101,1,0)", "LED_Set(101,2,0)",
                                               "LED_Test(102,0)", "LED_Set(102,1,0)", "LED_Set(102,2,0)"}));
}

TEST_F(LampTestsTest, AFamilyFlashEndsWithTheResetAndItsTimerOff) {
  Slot(1, 101, "330A", 1, 1);
  for (fw::TTimer* timer : {form_->mcp_timer, form_->efis_timer, form_->irs_timer, form_->elec_timer,
                            form_->radio_timer}) {
    timer->SetEnabled(true);
    timer->OnTimer(timer);
    EXPECT_FALSE(timer->Enabled()) << timer->Name();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"LED_Test(101,0)", "LED_Set(101,1,0)"})) << timer->Name();
  }
}

}  // namespace
}  // namespace trelvik::testing
