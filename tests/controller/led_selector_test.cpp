// The LED selector: the halving search driven by a user who answers what the board shows, the walk over
// the eligible boards, and its ways out (found LED, Cancel, a hand-picked output, a relay output).
#include "controller/app/dialogs.h"
#include "dialog_fixture.h"
#include "framework/controls/bit_button.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"

namespace trelvik::testing {
namespace {

class LedSelectorTest : public DialogTest {
 protected:
  // What the per-function output assignment does around the dialog.
  bool Open() {
    form_->led_selector_active = true;
    if (!LED_Selector->get_next_board(1)) return false;
    LED_Selector->ShowModal();
    form_->led_selector_active = false;
    return true;
  }
  // Yes when the annunciator's LED is lit on the board under search.
  void AnswerTruthfully(int session, int target) {
    if (LitLeds()[session].count(target) != 0) LED_Selector->BitBtn2->Click();
    else LED_Selector->BitBtn3->Click();
  }
};

TEST_F(LedSelectorTest, TruthfulAnswersFindTheAnnunciatorsLedOnBoardsOfEverySize) {
  const struct {
    std::int32_t firstLed, lastLed, target;
  } cases[] = {{1, 64, 1}, {1, 64, 37}, {1, 64, 64}, {1, 256, 200}, {1, 256, 256},
               {1, 100, 77}, {1, 100, 100}, {17, 48, 30}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.firstLed) + ".." + std::to_string(c.lastLed) + " LED " + std::to_string(c.target));
    Boards().calls.clear();
    Slot({3, 103, "4101SYS0001", "4101", "SYS1", c.firstLed, c.lastLed});
    bool lastLitAtFound = false;
    {
      ModalScript user(App());
      for (int answer = 0; answer < 9; ++answer) user.Then(LED_Selector, [&] { AnswerTruthfully(103, c.target); });
      user.Then(LED_Selector, [&] {
        EXPECT_EQ(LED_Selector->step->Caption(), "Found LED : " + std::to_string(c.target));
        EXPECT_TRUE(LED_Selector->BitBtn4->Enabled());
        EXPECT_FALSE(LED_Selector->BitBtn2->Enabled());
        EXPECT_FALSE(LED_Selector->Label2->Visible());
        EXPECT_TRUE(LED_Selector->Label4->Visible());
        EXPECT_TRUE(LED_Selector->flash_timer->Enabled());
        lastLitAtFound = LitLeds()[103] == std::set<int>{c.target};
        LED_Selector->flash_timer->OnTimer(LED_Selector->flash_timer);
        LED_Selector->flash_timer->OnTimer(LED_Selector->flash_timer);
        LED_Selector->BitBtn4->Click();  // "USE LED"
      });
      ASSERT_TRUE(Open());
    }
    EXPECT_TRUE(lastLitAtFound);
    EXPECT_EQ(LED_Selector->selected_led, c.target);
    EXPECT_EQ(LED_Selector->selected_session, 103);
    EXPECT_EQ(LED_Selector->selected_board, "4101SYS0001");
    EXPECT_FALSE(LED_Selector->flash_timer->Enabled());
    EXPECT_TRUE(LitLeds()[103].empty());  // the found LED is left off
    EXPECT_LE(HighestLedWritten()[103], c.lastLed);
  }
}

TEST_F(LedSelectorTest, TheRangeHalvesWithEachAnswerAndEndsWithTheFoundCues) {
  Slot({1, 101, "4101SYS0001", "4101", "SYS1", 1, 64});
  ASSERT_TRUE(LED_Selector->get_next_board(1));
  EXPECT_EQ(LitLeds()[101].size(), 64u);
  EXPECT_EQ(beeps_, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{800, 200}}));
  LED_Selector->FormShow();
  const struct {
    bool yes;
    std::int32_t low, high;
    const char* step;
  } answers[] = {{true, 1, 32, "Step 2 / 10"},  {false, 33, 48, "Step 3 / 10"}, {true, 33, 40, "Step 4 / 10"},
                 {false, 41, 44, "Step 5 / 10"}, {false, 45, 46, "Step 6 / 10"}, {true, 45, 45, "Step 7 / 10"},
                 {false, 46, 46, "Step 8 / 10"}, {true, 46, 46, "Step 9 / 10"}, {true, 46, 46, "Found LED : 46"}};
  for (const auto& a : answers) {
    beeps_.clear();
    (a.yes ? LED_Selector->BitBtn2 : LED_Selector->BitBtn3)->Click();
    EXPECT_EQ(LED_Selector->range_low, a.low) << a.step;
    EXPECT_EQ(LED_Selector->range_high, a.high) << a.step;
    EXPECT_EQ(LED_Selector->step->Caption(), a.step);
    EXPECT_EQ(LED_Selector->Label5->Caption(), std::to_string(a.low) + "   " + std::to_string(a.high));
  }
  // The last answer: the found cue, then the answer's own.
  EXPECT_EQ(beeps_, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{900, 50}, {900, 50}, {800, 50}, {800, 50}}));
  EXPECT_EQ(LED_Selector->selected_led, 46);
}

TEST_F(LedSelectorTest, NoAnswersNeverLightLedsPastTheBoardsLast) {
  Slot({1, 101, "4101SYS0001", "4101", "SYS1", 1, 64});
  ASSERT_TRUE(LED_Selector->get_next_board(1));
  LED_Selector->FormShow();
  LED_Selector->click_yes();
  for (int answer = 0; answer < 8; ++answer) LED_Selector->click_no();
  EXPECT_EQ(LED_Selector->step->Caption(), "Found LED : 64");
  EXPECT_EQ(LED_Selector->selected_led, 64);
  EXPECT_EQ(HighestLedWritten()[101], 64);
}

TEST_F(LedSelectorTest, NoOnAWholeBoardMovesToTheNextEligibleBoardAndPastTheLastOneGivesUp) {
  Slot({1, 101, "330AMCP00001", "330A", "VDK CTRL MCP", 1, 64});   // not a general-purpose board
  Slot({2, 102, "4102SYS0002", "4102", "SYS2", 0, 0});             // no LEDs
  Slot({3, 0, "4103SYS0003", "4103", "SYS3", 1, 64});              // not bound
  Slot({4, 104, "32E1HIO00004", "32E1", "VTX HIO 32 64", 1, 64});
  Slot({5, 105, "4107RELAY005", "4107", "VTX RELAY", 1, 8});
  // A search that ended with an LED before leaves no result behind for this one.
  LED_Selector->selected_led = 12;
  std::vector<std::string> boards;
  {
    ModalScript user(App());
    user.Then(LED_Selector, [&] {
      boards.push_back(LED_Selector->selected_board);
      LED_Selector->BitBtn3->Click();
    });
    user.Then(LED_Selector, [&] {
      boards.push_back(LED_Selector->selected_board);
      EXPECT_EQ(LitLeds()[104], std::set<int>{});
      EXPECT_EQ(LitLeds()[105].size(), 8u);
      EXPECT_EQ(LED_Selector->step->Caption(), "Step 1 / 10");
      LED_Selector->BitBtn3->Click();
    });
    ASSERT_TRUE(Open());
  }
  EXPECT_EQ(boards, (std::vector<std::string>{"32E1HIO00004", "4107RELAY005"}));
  EXPECT_EQ(Asked(), std::vector<std::string>{"Unable to dectect"});
  EXPECT_LE(LED_Selector->selected_led, 0);
  EXPECT_TRUE(LitLeds()[105].empty());
}

TEST_F(LedSelectorTest, WithoutAnEligibleBoardThereIsNothingToSearch) {
  Slot({1, 101, "330AMCP00001", "330A", "VDK CTRL MCP", 1, 64});
  EXPECT_FALSE(LED_Selector->get_next_board(1));
  EXPECT_TRUE(Boards().CallsStartingWith("LED_Set").empty());
}

TEST_F(LedSelectorTest, CancelSwitchesTheGeneralBoardsOffAndLeavesNoLed) {
  Slot({1, 101, "4101SYS0001", "4101", "SYS1", 1, 4});
  Slot({2, 102, "3325GEN00002", "3325", "GENERAL IO", 1, 2});  // searched, but not cleared by Cancel
  Slot({3, 103, "010CMFP00003", "010C", "MFP", 5, 6});
  {
    ModalScript user(App());
    user.Then(LED_Selector, [&] {
      LED_Selector->click_yes();
      for (int answer = 0; answer < 8; ++answer) LED_Selector->click_yes();  // found LED 1, flashing
      Boards().calls.clear();
      LED_Selector->BitBtn1->Click();
    });
    ASSERT_TRUE(Open());
  }
  EXPECT_FALSE(LED_Selector->flash_timer->Enabled());
  EXPECT_EQ(LED_Selector->selected_led, -1);
  EXPECT_EQ(Boards().calls, (std::vector<std::string>{"LED_Set(101,1,0)", "LED_Set(101,2,0)", "LED_Set(101,3,0)",
                                                      "LED_Set(101,4,0)", "LED_Set(103,5,0)", "LED_Set(103,6,0)",
                                                      "LED_Set(101,1,0)"}));
}

TEST_F(LedSelectorTest, ManualAssignmentPicksABoardAndOneOfItsLeds) {
  Slot({1, 101, "4101SYS0001", "4101", "SYS1", 1, 3});
  Slot({2, 102, "330AMCP00002", "330A", "VDK CTRL MCP", 5, 7});
  bool activeMeanwhile = false;
  {
    ModalScript user(App());
    user.Then(LED_Selector, [&] { LED_Selector->BitBtn6->Click(); });
    user.Then(manual_assignment, [&] {
      activeMeanwhile = form_->led_selector_active;
      EXPECT_EQ(Texts(manual_assignment->outputboard),
                (std::vector<std::string>{"4101SYS0001:SYS1", "330AMCP00002:VDK CTRL MCP"}));
      manual_assignment->Button1->Click();  // nothing chosen yet: asked to choose, stays open
      EXPECT_EQ(Asked(), std::vector<std::string>{"Select an Output Card AND Output"});
      Pick(manual_assignment->outputboard, 1);
      EXPECT_EQ(Texts(manual_assignment->Output), (std::vector<std::string>{"5", "6", "7"}));
      EXPECT_FALSE(manual_assignment->Label4->Visible());
      Pick(manual_assignment->Output, 1);
      manual_assignment->Button1->Click();
    });
    ASSERT_TRUE(Open());
  }
  EXPECT_TRUE(activeMeanwhile);
  EXPECT_FALSE(form_->led_selector_active);
  EXPECT_EQ(LED_Selector->selected_board, "330AMCP00002");
  EXPECT_EQ(LED_Selector->selected_led, 6);
  EXPECT_EQ(LED_Selector->selected_session, 102);
  EXPECT_TRUE(LitLeds()[101].empty());  // every LED board switched off before the choice
}

TEST_F(LedSelectorTest, ManualAssignmentCancelledKeepsTheSelectorOpenWithoutAResult) {
  Slot({1, 101, "4101SYS0001", "4101", "SYS1", 1, 3});
  {
    ModalScript user(App());
    user.Then(LED_Selector, [&] { LED_Selector->BitBtn6->Click(); });
    user.Then(manual_assignment, [&] { manual_assignment->Button2->Click(); });
    user.Then(LED_Selector, [&] {
      EXPECT_EQ(LED_Selector->selected_led, 0);
      EXPECT_EQ(LED_Selector->selected_board, "");
      LED_Selector->BitBtn1->Click();
    });
    ASSERT_TRUE(Open());
  }
  EXPECT_EQ(LED_Selector->selected_led, -1);
}

TEST_F(LedSelectorTest, RelayAssignmentListsEveryRelayBoardsOutputsAndTakesTheChosenOne) {
  Slot({1, 101, "4101SYS0001", "4101", "SYS1", 1, 2});
  Slot({2, 102, "4107RELAY002", "4107", "VTX RELAY", 0, 0, 1, 2});
  Slot({3, 103, "4109RELAY003", "4109", "VTX RELAY2", 0, 0, 1, 3});
  {
    ModalScript user(App());
    user.Then(LED_Selector, [&] { LED_Selector->BitBtn5->Click(); });
    user.Then(Relay_Selector, [&] {
      EXPECT_TRUE(form_->led_selector_active);
      EXPECT_EQ(Texts(Relay_Selector->relay), (std::vector<std::string>{"4107RELAY002", "4109RELAY003"}));
      EXPECT_EQ(Texts(Relay_Selector->Relay_Output),
                (std::vector<std::string>{"Output : 1", "Output : 2", "Output : 1", "Output : 2", "Output : 3"}));
      Relay_Selector->Button1->Click();
      EXPECT_EQ(Asked(), std::vector<std::string>{"Select a Relay Card AND Output"});
      Pick(Relay_Selector->relay, 1);
      Pick(Relay_Selector->Relay_Output, 4);
      Relay_Selector->Button1->Click();
    });
    ASSERT_TRUE(Open());
  }
  EXPECT_FALSE(form_->led_selector_active);
  EXPECT_EQ(LED_Selector->selected_board, "4109RELAY003");
  EXPECT_EQ(LED_Selector->selected_led, 3);
  EXPECT_EQ(LED_Selector->selected_session, 103);

  // Cancel on the relay form empties both choices and goes back to the search.
  {
    ModalScript user(App());
    user.Then(LED_Selector, [&] { LED_Selector->BitBtn5->Click(); });
    user.Then(Relay_Selector, [&] {
      Pick(Relay_Selector->relay, 0);
      Pick(Relay_Selector->Relay_Output, 0);
      Relay_Selector->Button2->Click();
    });
    user.Then(LED_Selector, [&] {
      EXPECT_EQ(Relay_Selector->relay->ItemIndex(), -1);
      LED_Selector->BitBtn1->Click();
    });
    ASSERT_TRUE(Open());
  }
  EXPECT_EQ(LED_Selector->selected_led, -1);
}

}  // namespace
}  // namespace trelvik::testing
